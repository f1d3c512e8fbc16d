#pragma once

#include <QtGlobal>

class Casuale;

// The 18 background colours, numbered 1..18, stored as 0x00BBGGRR.
// Entries 3, 14 and 15 are the same pink, so it comes up three times as often.
namespace colori {
constexpr int NumeroColori = 18;
quint32 voce(int numero);          // 0x00BBGGRR of entry 1..18
quint32 inRgb(quint32 bbggrr);     // 0x00RRGGBB, as QColor::fromRgb takes it
} // namespace colori

// How well two colours (0x00RRGGBB) read on each other: the ratio of their
// relative luminances, from 1 (the same) to 21 (black on white).
double RapportoContrasto(quint32 a, quint32 b);
// Black or white (0x00RRGGBB), whichever reads better on `sfondo`.
quint32 TestoLeggibile(quint32 sfondo);

// A random entry of the table, as 0x00RRGGBB.
quint32 ColoreCasuale(Casuale &casuale);
