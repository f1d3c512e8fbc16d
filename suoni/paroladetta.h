#pragma once

#include <QString>

#include <chrono>

// What became of a word asked to be said: for the benchmark and the tests.
struct ParolaDetta
{
    using Orologio = std::chrono::steady_clock;
    QString testo;
    bool registrazione = false; // the teacher's recording; false: the synthetic voice
    bool uscitaAudio = false;   // an audio output took the samples; false: there was none
    Orologio::time_point chiesta; // pronuncia() was called
    // The first sample was handed to the audio output; with no output, the
    // moment it was ready to be.
    Orologio::time_point primoCampione;
    std::chrono::microseconds durata{0};      // the length of the word's audio
    std::chrono::microseconds durataSuono{0}; // of the sound after it, when one was asked for and readable
};
