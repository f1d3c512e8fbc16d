#pragma once

#include <QString>

struct Sessione;
class Dialoghi;

inline const QString DomandaUscita = QStringLiteral("Vuoi uscire dal programma?");

// Asks "Vuoi uscire dal programma?"; on Yes writes the settings to
// `fileImpostazioni` and returns true: the caller then ends the program at once.
bool ConfermaUscita(const Sessione &sessione, const QString &fileImpostazioni, Dialoghi &dialoghi);
