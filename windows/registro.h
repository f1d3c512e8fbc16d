#pragma once

#include "core/requisiti.h"
#include "windows/icone.h"
#include "windows/idfinestra.h"

#include <QPoint>

struct Contesto;
class Finestra;
class Navigazione;

// One row for every window: what the menu shows for it, what it needs from
// the list in use, and how it is built. The menu, the window factory and the
// too-short-list check all read this table; a new activity is one row here
// and one window class.
struct Attivita
{
    IdFinestra id;
    // The menu button that opens it (null for the start window and the menu itself),
    // its caption, its icon and its design place in the menu (twips; size 5000 x 750).
    const char *pulsante;
    const char *testo;
    icone::Attivita icona;
    QPoint posizione;
    RequisitiLista requisiti;
    Finestra *(*crea)(const Contesto &contesto, Navigazione &navigazione);
};

// Every row, the menu's buttons in the order they are made.
const QList<Attivita> &RegistroAttivita();
// The row of a window; every window has one.
const Attivita &AttivitaDi(IdFinestra id);
// Builds a window as its row says.
Finestra *CreaFinestra(IdFinestra id, const Contesto &contesto, Navigazione &navigazione);
