#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>

// Alphabetical order as an Italian reader expects it: accents and letter case
// only break ties (ÀNCORA sits beside ANCORA), and numbers inside words
// count by value (ORSO2 before ORSO10).
class OrdineAlfabetico
{
public:
    OrdineAlfabetico();

    bool prima(const QString &a, const QString &b) const { return collatore_.compare(a, b) < 0; }
    void ordina(QStringList &parole) const;

    // The place of `parola` among `n` sorted texts (read through `testo(i)`)
    // that keeps them sorted: after every text that does not follow it.
    template <typename Testo>
    qsizetype posizione(qsizetype n, Testo testo, const QString &parola) const
    {
        qsizetype basso = 0;
        qsizetype alto = n;
        while (basso < alto) {
            const qsizetype medio = basso + (alto - basso) / 2;
            if (prima(parola, testo(medio)))
                alto = medio;
            else
                basso = medio + 1;
        }
        return basso;
    }

private:
    QCollator collatore_;
};

// The words of the pictures in a folder, each once, in alphabetical order.
// Only plain files count. A missing or unreadable folder gives no words.
QStringList TrovaImmagini(const QString &cartella);

// The file name a list is saved under: ".txt" is added unless the chosen name
// already ends in it, in any letter case.
QString NomeFileLista(const QString &scelto);

// A word-list file as the program writes it: one word a line, each line ended
// by CR LF, empty words left out. Windows-1252 when every word fits it;
// otherwise UTF-8 with a byte-order mark, so no letter is lost. A word that a
// reader would split or trim (a comma, blanks at either end) is quoted.
QByteArray TestoListaParole(const QStringList &parole);

// Writes the list whole or not at all: an existing file is never left
// half-written. `errore` gets the reason of a failure.
bool SalvaFile(const QString &percorso, const QStringList &parole, QString *errore = nullptr);
