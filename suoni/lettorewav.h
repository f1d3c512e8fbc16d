#pragma once

#include <QString>

// What the sound module gives the program: WAV playback with Qt Multimedia.
// The module is loaded on the first sound, so the program starts without
// Qt Multimedia and the libraries it brings.
class LettoreWav
{
public:
    virtual ~LettoreWav() = default;
    // Plays an existing file and returns at once, cutting off the one playing.
    virtual void suona(const QString &percorso) = 0;
    virtual void ferma() = 0;
};

// The module's one entry point; the caller owns the player.
#define LETTORIA_CREA_LETTORE_WAV "lettoria_crea_lettore_wav"
extern "C" LettoreWav *lettoria_crea_lettore_wav();
