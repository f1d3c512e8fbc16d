#pragma once

#include <QList>
#include <QString>

class Finestra;
class QObject;
#include "windows/idfinestra.h"

// The windows that bring a next item, in the order the benchmark visits them.
struct FinestraConProssimo
{
    IdFinestra id;
    QString nome;
};
QList<FinestraConProssimo> FinestreConProssimo();

// Makes the window's next item one click away, as a child would: answers the
// exercise on screen when "avanti" still waits for the right answer. Returns
// what brings the next item ("avanti" or the viewer's arrow, a button; the
// puzzles' "Gioca ancora", a menu-bar item), or null with `errore` set when
// the window cannot be driven.
QObject *PreparaProssimo(Finestra *finestra, QString &errore);
// A click exercise on screen: clicks its right answer. False when there is none to give.
bool RispondiGiusto(Finestra *finestra);
// A drag exercise on screen: drops one name still to place under its
// picture. False when none is left.
bool RilasciaUnoGiusto(Finestra *finestra);
// A left click in the middle of a button, or the choice of a menu item.
void Clicca(QObject *comando);
