#pragma once

#include <QString>

struct Stato;
struct Ambiente;
class Casuale;

// Plays a WAV file and returns at once; a new sound cuts off one still playing.
// A missing file gives the platform's beep.
class RiproduttoreSuoni
{
public:
    virtual ~RiproduttoreSuoni() = default;
    virtual void suona(const QString &percorso) = 0;
};

// One of si1.wav..si4.wav, drawn at random, when sounds are on.
void SuonoGiusto(const Stato &stato, const Ambiente &ambiente, Casuale &casuale, RiproduttoreSuoni &suoni);
// no.wav, when sounds are on.
void SuonoSbagliato(const Stato &stato, const Ambiente &ambiente, RiproduttoreSuoni &suoni);
