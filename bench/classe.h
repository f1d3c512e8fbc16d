#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class ArchivioRisultati;

// A class that has used the program for a while, as the results store keeps it.
struct Classe
{
    int bambini = 30;
    int anni = 2;        // school years, mid-September to early June, Monday to Friday
    qint64 risposte = 3000000;
    quint32 seme = 20261207;
};

// Hands the store every answer of the class, oldest first, with words from
// `parole` (the child is right more often as the year goes on). Returns the
// names of the children and the moment after the last answer. Without a
// store, only the names, the count and that moment (a class kept from before).
struct ClasseGenerata
{
    QStringList bambini;
    QDateTime fine;
    qint64 risposte = 0;
};
ClasseGenerata GeneraClasse(ArchivioRisultati *archivio, const Classe &classe, const QStringList &parole);
