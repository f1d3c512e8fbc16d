#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// Start-up seen from outside, as the user sees it: from the exec of a program
// until its first top-level window is mapped on the X server. The display in
// use is watched when there is one; otherwise an Xvfb of our own, at
// 1920 x 1080, for as long as this object lives.
class OsservatoreX
{
public:
    OsservatoreX();
    ~OsservatoreX();
    OsservatoreX(const OsservatoreX &) = delete;
    OsservatoreX &operator=(const OsservatoreX &) = delete;

    // False, with the reason, when no X server could be reached or started.
    bool pronto(QString &problema) const;
    // Milliseconds from just before the exec to the map of the program's first
    // window; the program is left to end by itself (the probes quit after
    // their first paint) and killed if it does not. Negative on failure.
    double avvio(const QString &eseguibile, QString &problema);

private:
    struct Dati;
    std::unique_ptr<Dati> d_;
};
