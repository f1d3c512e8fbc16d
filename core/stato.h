#pragma once

#include <QString>

#include <array>
#include <limits>

// The program-wide state every window reads and writes. One instance lives
// for the whole run, owned by main(); windows get it through their Contesto.
struct Stato
{
    static constexpr int MaxParole = 500;
    static constexpr int NumeroListePredefinite = 34;

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

    // Right and wrong answers in the exercise window on screen. Wider than
    // the 16 bits a count needed once: a class may pass 32,767 in a day.
    int Esatti = 0;
    int Errati = 0;
};

// Counts one more answer; at the very top of the range it stays there
// rather than wrapping to a negative count.
inline void IncrementaContatore(int &contatore)
{
    if (contatore < std::numeric_limits<int>::max())
        ++contatore;
}

// A count as the program shows it: a blank (or the minus sign) then the digits.
inline QString TestoNumero(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}
