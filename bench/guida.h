#pragma once

#include <QList>
#include <QString>

class Finestra;
class QWidget;
struct Stato;
enum class IdFinestra;

// The windows that bring a next item, in the order the benchmark visits them.
struct FinestraConProssimo
{
    IdFinestra id;
    QString nome;
};
QList<FinestraConProssimo> FinestreConProssimo();

// Makes the window's next item one click away, as a child would: answers the
// exercise on screen when "avanti" still waits for the right answer. Returns
// the control whose click brings the next item ("avanti", the viewer's arrow,
// "Gioca ancora"), or null with `errore` set when the window cannot be driven.
QWidget *PreparaProssimo(Finestra *finestra, Stato &stato, QString &errore);
