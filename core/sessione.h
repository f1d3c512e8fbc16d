#pragma once

#include "core/carattere.h"
#include "core/listainuso.h"

// What lasts from one window to the next for the whole run, owned by the
// program's body: the list in use and the teacher's switches. The counts of
// an exercise belong to its rule, not here.
struct Sessione
{
    ListaInUso lista;
    TipoCarattere Carattere = TipoCarattere::Maiuscolo;
    bool SuoniAttivati = true;
    bool VoceAttivata = true; // the word is read aloud after a right answer
};
