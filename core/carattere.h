#pragma once

#include <QString>

struct Stato;

// Re-cases Parole(0..NumeroParole) in place: upper case for "maiuscolo",
// lower case otherwise, by Italian rules whatever the system's locale.
void TrasformaCarattere(Stato &stato);
// The face of every control that shows a word: "Indis1" for "corsivo", else "Arial".
QString FontParola(const Stato &stato);
