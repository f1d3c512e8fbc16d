#pragma once

#include "core/ambiente.h"

struct Sessione;
class Casuale;
class Dialoghi;
class RiproduttoreSuoni;
class RegistroRisposte;
class Cronometro;
class Insegnante;

// What every window needs from the rest of the program. The program's body
// builds the real one; tests build one with a seeded generator, a wound clock
// and fake dialogs, sounds and answer records.
struct Contesto
{
    Sessione &sessione;
    Ambiente ambiente;
    Casuale &casuale;
    Dialoghi &dialoghi;
    RiproduttoreSuoni &suoni;
    RegistroRisposte &risposte;
    const Cronometro &cronometro;
    Insegnante &insegnante;
};
