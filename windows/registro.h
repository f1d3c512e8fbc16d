#pragma once

#include "windows/attivita.h"

#include <QList>

// Every row, the menu's buttons in the order they are made.
const QList<Attivita> &RegistroAttivita();
// The row of a window; null for an id no window has.
const Attivita *AttivitaDi(IdFinestra id);
// Builds a window as its row says; null for an id no window has.
Finestra *CreaFinestra(IdFinestra id, const Contesto &contesto, Navigazione &navigazione);
