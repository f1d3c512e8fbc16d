#pragma once

#include <QString>

#include <limits>

// The right and wrong answers of the exercise on screen. Wider than the 16
// bits a count needed once: a class may pass 32,767 in a day; at the very top
// of the range a count stays there rather than wrap to a negative number.
struct Conteggio
{
    int Esatti = 0;
    int Errati = 0;

    void giusta() { aggiungi(Esatti); }
    void sbagliata() { aggiungi(Errati); }
    // The one place where both counts go back to 0.
    void azzera() { Esatti = Errati = 0; }

private:
    static void aggiungi(int &n)
    {
        if (n < std::numeric_limits<int>::max())
            ++n;
    }
};

// A count as the program shows it: a blank (or the minus sign) then the digits.
inline QString TestoNumero(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}
