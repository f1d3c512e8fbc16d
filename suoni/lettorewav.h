#pragma once

#include "suoni/paroladetta.h"

#include <QString>

#include <functional>

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
    // it is a playable WAV, otherwise the synthetic Italian voice; then the
    // WAV at `suonoDopo`, when given, in the same stream, so it follows the
    // word's last sample and nothing else plays under either. The word starts
    // at once, cutting off the sound or word still playing, and the sound an
    // earlier word had after it. With nothing to say the word with, the sound
    // plays alone.
    virtual void pronuncia(const QString &testo, const QString &registrazione, const QString &suonoDopo) = 0;
    // Called on the thread that made the player, shortly after each word has
    // been made in full and its first sample handed on. A word cut off before
    // that is not reported.
    virtual void osserva(std::function<void(const ParolaDetta &)> osservatore) = 0;
};

// The module's one entry point; the caller owns the player.
#define LETTORIA_CREA_LETTORE_WAV "lettoria_crea_lettore_wav"
extern "C" LettoreWav *lettoria_crea_lettore_wav();
