#pragma once

#include <QString>

#include <chrono>
#include <functional>

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

// What the sound module gives the program: WAV playback with Qt Multimedia
// and the spoken word. The module is loaded on the first sound, so the program
// starts without Qt Multimedia, eSpeak NG and the libraries they bring.
class LettoreWav
{
public:
    virtual ~LettoreWav() = default;
    // Plays an existing file and returns at once, cutting off the sound or
    // the word still playing.
    virtual void suona(const QString &percorso) = 0;
    virtual void ferma() = 0;
    // Says `testo` and returns at once: the recording at `registrazione` when
    // it is a playable WAV, otherwise the synthetic Italian voice. A new word
    // cuts off the one still being said; a word asked for while a sound plays
    // starts when that sound ends.
    virtual void pronuncia(const QString &testo, const QString &registrazione) = 0;
    // Called on the thread that made the player, shortly after each word has
    // been made in full and its first sample handed on. A word cut off before
    // that is not reported.
    virtual void osserva(std::function<void(const ParolaDetta &)> osservatore) = 0;
};

// The module's one entry point; the caller owns the player.
#define LETTORIA_CREA_LETTORE_WAV "lettoria_crea_lettore_wav"
extern "C" LettoreWav *lettoria_crea_lettore_wav();
