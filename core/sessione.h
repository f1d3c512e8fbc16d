#pragma once

#include "core/carattere.h"
#include "core/classe.h"
#include "core/listainuso.h"
#include "core/ripasso.h"

// What lasts from one window to the next for the whole run, owned by the
// program's body: the list in use, the teacher's switches, and who plays. The
// counts of an exercise belong to its rule, not here.
struct Sessione
{
    ListaInUso lista;
    TipoCarattere Carattere = TipoCarattere::Maiuscolo;
    bool SuoniAttivati = true;
    bool VoceAttivata = true; // the word is read aloud after a right answer
    bool RipassoAttivo = true; // the words a child missed come back

    // The class list, read when "Avvio" is pressed; empty: no class, nobody named.
    QList<Bambino> classe;
    // The child who plays, as the class list names him or her; empty for a guest.
    QString bambino;
    // That child's practice boxes.
    Ripasso ripasso;

    // The practice the draws follow: none for a guest or with the switch off.
    const Ripasso *ripassoInUso() const
    {
        return !bambino.isEmpty() && RipassoAttivo && !ripasso.vuoto() ? &ripasso : nullptr;
    }
};
