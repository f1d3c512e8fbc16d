#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// How the results look: read from the back of a classroom on a whiteboard,
// taken with a finger, in proportion to the screen as the program's menus are.
namespace aspetto {

// How much larger than on a 1080-line screen things are drawn: the screen's
// height over 1080, from a 768-line screen to a 2160-line one (the program's
// windows use the same proportion).
double fattore();
// `pixel` on a 1080-line screen, in proportion here.
int px(double pixel);

// Body text, headings, the window's title.
QFont testo();
QFont titoletto();
QFont titolo();

// The style sheet of the window and of the adult's question: colours,
// touch-sized buttons (56 pixels tall on a 1080-line screen).
QString foglioDiStile();

inline const QColor Sfondo(255, 249, 235);
inline const QColor Inchiostro(33, 47, 84);
inline const QColor ColoreNonVisto(224, 224, 224);
inline const QColor ColoreImparando(255, 202, 80);
inline const QColor ColoreSicuro(102, 187, 106);
inline const QColor ColoreGiuste(46, 125, 50);
inline const QColor ColoreRisposte(30, 110, 200);

} // namespace aspetto
