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
    bool dopoSuono = false;     // the word waited for a sound to end
    Orologio::time_point chiesta;       // pronuncia() was called
    // The word could start: when it was asked for, or when the sound it
    // waited for ended.
    Orologio::time_point partenza;
    // The first sample was handed to the audio output; with no output, the
    // moment it was ready to be.
    Orologio::time_point primoCampione;
    std::chrono::microseconds durata{0}; // the length of the word's audio
};
