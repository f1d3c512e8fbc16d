#pragma once

#include <QString>

// Where things live on this machine. The program folder is the folder of the
// executable; tests point every path at a temporary folder.
struct Ambiente
{
    QString cartellaProgramma;   // images0, testilettoria2, suoni, indis1.ttf
    QString cartellaImpostazioni; // Lettoria2.INI and leggimi.txt
    QString cartellaFont;        // the user's font folder
    QString fileBlocco;          // lock that keeps a second copy from starting

    QString fileImpostazioni() const;
    QString fileLeggimi() const;
    QString cartellaImmagini() const;
    QString cartellaListe() const;
    QString cartellaSuoni() const;
    QString fileFontProgramma() const;
    QString listaPredefinita() const; // the default list, "tutte.txt"

    // The real places: the executable's folder, the settings folder
    // "ImpostazioniProgrammiQuorla" (C:\ on Windows, the user's configuration
    // folder elsewhere) and the user's font folder.
    static Ambiente diSistema(const QString &cartellaEseguibile);
};
