#pragma once

#include "suoni/paroladetta.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>

class Lavoratore;

// Says words on a thread of its own, which owns the speech library and the
// audio output, so the window never waits for either. Every call returns at
// once. Each word asked for, and each stop, gets a new number; the thread
// drops whatever belongs to an older number, and a synthesis under way stops
// at its next piece.
class Parlatore
{
public:
    Parlatore();
    // Stops a word under way and waits for the thread, which ends at once.
    ~Parlatore();
    Parlatore(const Parlatore &) = delete;
    Parlatore &operator=(const Parlatore &) = delete;

    // `suonoDopo`: a WAV played right after the word, in its stream.
    void pronuncia(const QString &testo, const QString &registrazione, const QString &suonoDopo = QString());
    void ferma();
    void osserva(std::function<void(const ParolaDetta &)> osservatore) { osservatore_ = std::move(osservatore); }

private:
    std::atomic<quint64> numero_{0};
    // Brings the reports back to this thread.
    QObject ricevitore_;
    std::function<void(const ParolaDetta &)> osservatore_;
    QThread filo_;
    Lavoratore *lavoratore_;
};
