#pragma once

#include "core/ambiente.h"

struct Stato;
class Casuale;
class Dialoghi;
class RiproduttoreSuoni;

// What every window needs from the rest of the program. main() builds the
// real one; tests build one with a seeded generator and fake dialogs and sounds.
struct Contesto
{
    Stato &stato;
    Ambiente ambiente;
    Casuale &casuale;
    Dialoghi &dialoghi;
    RiproduttoreSuoni &suoni;
};
