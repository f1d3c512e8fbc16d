#pragma once

#include <QString>

struct Sessione;
struct Ambiente;
class Casuale;

// Plays a WAV file and returns at once; a new sound cuts off one still playing.
// A missing file gives the platform's beep.
class RiproduttoreSuoni
{
public:
    virtual ~RiproduttoreSuoni() = default;
    virtual void suona(const QString &percorso) = 0;
    // Says `testo` aloud and returns at once: the recording at `registrazione`
    // when it is a playable WAV, otherwise the synthetic Italian voice. A new
    // word cuts off the one still being said; a word asked for while a sound
    // plays starts when that sound ends.
    virtual void pronuncia(const QString &testo, const QString &registrazione)
    {
        Q_UNUSED(testo);
        Q_UNUSED(registrazione);
    }
};

// One of si1.wav..si4.wav, drawn at random, when sounds are on.
void SuonoGiusto(const Sessione &sessione, const Ambiente &ambiente, Casuale &casuale, RiproduttoreSuoni &suoni);
// no.wav, when sounds are on.
void SuonoSbagliato(const Sessione &sessione, const Ambiente &ambiente, RiproduttoreSuoni &suoni);
