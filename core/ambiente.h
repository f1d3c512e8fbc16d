#pragma once

#include <QString>

#include <memory>

class IndiceCartelle;

// Where things live on this machine. The program folder is the folder of the
// executable; tests point every path at a temporary folder.
struct Ambiente
{
    Ambiente();

    QString cartellaProgramma;   // images0, testilettoria2, suoni, indis1.ttf
    QString cartellaImpostazioni; // Lettoria2.INI and leggimi.txt
    QString cartellaFont;        // the user's font folder
    QString fileBlocco;          // lock that keeps a second copy from starting
    // The names in the picture folder, read once and shared by every copy of
    // this Ambiente: a window finds many pictures without listing the folder each time.
    std::shared_ptr<IndiceCartelle> indice;

    QString fileImpostazioni() const;
    QString fileLeggimi() const;
    QString fileClasse() const; // Bambini.txt, the class list
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
