#pragma once

#include <QString>

class ListaInUso;

// The type style of every word on screen.
enum class TipoCarattere { Maiuscolo, Minuscolo, Corsivo };

// As the settings file and the menu name it: "maiuscolo", "minuscolo", "corsivo".
QString TestoCarattere(TipoCarattere carattere);
// A value of the settings file, read by its first letters as it always was:
// "mai..." capitals, "min..." small letters, anything else cursive.
TipoCarattere CarattereDaTesto(const QString &testo);

// Re-cases the words in place: upper case for capitals, lower case otherwise,
// by Italian rules whatever the system's locale.
void TrasformaCarattere(ListaInUso &lista, TipoCarattere carattere);
// The face of every control that shows a word: "Indis1" for cursive, else "Arial".
QString FontParola(TipoCarattere carattere);
