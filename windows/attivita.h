#pragma once

#include "core/requisiti.h"
#include "windows/icone.h"
#include "windows/idfinestra.h"

#include <QPoint>

struct Contesto;
class Finestra;
class Navigazione;

// What a window is: the registry has one row for each, the factory hands the
// row to the window it builds, and the menu reads the rows for its buttons.
struct Attivita
{
    // How the child answers, if at all.
    enum class Famiglia {
        Nessuna,         // the start window, the menu, the list window
        UnNomeImmagini,  // one name, its picture among `immagini` pictures
        NomiUnaImmagine, // one picture, its name among `nomi` names
        Trascinamento,   // `nomi` names dragged under as many pictures
        Visore,          // pictures to look at
        Puzzle,
    };

    IdFinestra id;
    // The menu button that opens it (null for the start window and the menu itself),
    // its caption, its icon and its design place in the menu (twips; size 5000 x 750).
    const char *pulsante;
    const char *testo;
    icone::Attivita icona;
    QPoint posizione;
    Famiglia famiglia;
    int nomi;     // names on screen at once
    int immagini; // pictures on screen at once
    RequisitiLista requisiti;
    Finestra *(*crea)(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);
};
