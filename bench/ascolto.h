#pragma once

#include "bench/misure.h"

#include <QString>

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// What the program lets a child hear, as the audio server plays it: a
// PulseAudio server of the benchmark's own (in its runtime folder) with one
// output, a null sink that plays in real time into nothing, and a recording
// of that output (its monitor, through parec) read in pieces of about 5 ms.
// A sample is dated by the moment its piece was read: it was played at the
// latest then, so the times err late, by a few milliseconds.
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
    // Above this a sample is heard: about -50 dB of full scale, well under the
    // quietest start of a word, well over silence (zeros).
    static constexpr int Soglia = 100;
    // What was heard between the two moments; nothing when all was silence.
    // Waits for the recording to reach `a`.
    std::optional<Udito> udito(Orologio::time_point da, Orologio::time_point a);

private:
    void leggi();
    // How far past what is measured the recording is read before it is looked at.
    static constexpr std::chrono::milliseconds Intorno{500};

    pid_t server_ = -1;
    pid_t registratore_ = -1;
    int tubo_ = -1;
    std::thread lettore_;
    std::atomic<bool> fine_{false};
    std::mutex mutex_;
    std::vector<qint16> campioni_;
    struct Lettura
    {
        qint64 campioni; // recorded so far
        Orologio::time_point quando; // read
    };
    std::vector<Lettura> letture_;
};
