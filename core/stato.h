#pragma once

#include <QString>

#include <array>

// The program-wide state every window reads and writes. One instance lives
// for the whole run, owned by main(); windows get it through their Contesto.
struct Stato
{
    static constexpr int MaxParole = 500;
    static constexpr int NumeroListePredefinite = 34;
    static constexpr qint16 MaxContatore = 32767;

    // Words of the list in use at 1..NumeroParole; index 0 stays empty.
    std::array<QString, MaxParole + 1> Parole;
    qint16 NumeroParole = 0;

    QString Carattere = QStringLiteral("maiuscolo");
    bool SuoniAttivati = true;
    bool VoceAttivata = true; // the word is read aloud after a right answer
    QString FileInUso;
    QString FileImpostazioni;

    // Rows 0..33: display name, file name inside testilettoria2. Row 34 stays empty.
    std::array<std::array<QString, 2>, NumeroListePredefinite + 1> ListePredefinite;

    // Draws of the current exercise or picture.
    qint16 Scelta1 = 0;
    qint16 Scelta2 = 0;
    qint16 Scelta3 = 0;
    qint16 Scelta4 = 0;
    qint16 Estratto = 0;

    // Right and wrong answers in the exercise window on screen.
    qint16 Esatti = 0;
    qint16 Errati = 0;
};

// Counters stop at the top of their range instead of wrapping.
inline void incrementaContatore(qint16 &contatore)
{
    if (contatore < Stato::MaxContatore)
        ++contatore;
}

// A count as the program shows it: a blank (or the minus sign) then the digits.
inline QString TestoNumero(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}
