#pragma once

class QColor;
class QLabel;

// A word label as the exercises show it: white, a thin black border, the
// text centred and still black while the label is disabled.
void PreparaEtichettaParola(QLabel *etichetta, double punti);
// The white background of a word label, or another colour (the yellow of a right name).
void ColoraEtichetta(QLabel *etichetta, const QColor &sfondo);
QColor ColoreEtichetta(const QLabel *etichetta);
