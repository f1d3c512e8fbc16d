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
    // when it is a playable WAV, otherwise the synthetic Italian voice; then
    // `suonoDopo`, when given, once the word has been heard to its end. The
    // word starts at once, cutting off any sound or word still playing, and
    // drops a sound that waited after an earlier word.
    virtual void pronuncia(const QString &testo, const QString &registrazione, const QString &suonoDopo)
    {
        Q_UNUSED(testo);
        Q_UNUSED(registrazione);
        if (!suonoDopo.isEmpty())
            suona(suonoDopo);
    }
};

// One of si1.wav..si4.wav, drawn at random: the sound of a right answer.
QString SuonoGiusto(const Ambiente &ambiente, Casuale &casuale);
// no.wav, when sounds are on.
void SuonoSbagliato(const Sessione &sessione, const Ambiente &ambiente, RiproduttoreSuoni &suoni);
