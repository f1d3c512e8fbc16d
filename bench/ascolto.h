#pragma once

#include "bench/misure.h"

#include <QString>

#include <sys/types.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// What the program lets a child hear, as the audio server plays it: a
// PulseAudio server of the benchmark's own (in its runtime folder) with one
// output, a null sink that plays in real time into nothing, and a recording
// of that output (its monitor, through parec) with every sample dated on the
// steady clock.
class Ascolto
{
public:
    static constexpr int Frequenza = 44100;

    ~Ascolto();
    // False, with the reason, when the server or the recording cannot start
    // (pulseaudio-utils or pulseaudio missing).
    bool avvia(QString &problema);

    struct Udito
    {
        Orologio::time_point primo;  // the first sample above the threshold
        Orologio::time_point ultimo; // the last one
    };
    // What was heard between the two moments; nothing when all was silence.
    // Waits for the recording to reach `a`.
    std::optional<Udito> udito(Orologio::time_point da, Orologio::time_point a);

private:
    void leggi();
    Orologio::time_point quando(qint64 campione) const;

    pid_t server_ = -1;
    pid_t registratore_ = -1;
    int tubo_ = -1;
    std::thread lettore_;
    std::atomic<bool> fine_{false};
    std::mutex mutex_;
    std::vector<qint16> campioni_;
    // The steady-clock time of sample 0: the earliest any read allows, as a
    // read can come late, never early.
    std::optional<Orologio::time_point> origine_;
};
