#include "risultati/finestra/aspetto.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace aspetto {

double fattore()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const double altezza = s ? s->geometry().height() : 1080.0;
    return std::clamp(altezza / 1080.0, 768.0 / 1080.0, 2.0);
}

int px(double pixel)
{
    return static_cast<int>(std::lround(pixel * fattore()));
}

static QFont carattere(double pixel, bool grassetto)
{
    QFont f;
    f.setPixelSize(px(pixel));
    f.setBold(grassetto);
    return f;
}

QFont testo() { return carattere(24, false); }
QFont titoletto() { return carattere(27, true); }
QFont titolo() { return carattere(40, true); }

QString foglioDiStile()
{
    return QStringLiteral(
               "QWidget#corpo, QDialog#domandaAdulto { background: rgb(255, 249, 235); }"
               "QLabel { color: rgb(33, 47, 84); }"
               "QPushButton { font-size: %1px; min-height: %2px; padding: 0 %3px; color: rgb(33, 47, 84);"
               "  background: rgb(205, 228, 255); border: %4px solid rgb(90, 140, 210); border-radius: %5px; }"
               "QPushButton:pressed { background: rgb(150, 195, 250); }"
               "QPushButton:disabled { color: rgb(120, 120, 120); background: rgb(230, 230, 230); border-color: rgb(180, 180, 180); }"
               "QPushButton#pulsanteEsci { background: rgb(255, 255, 255); }"
               "QPushButton#pulsanteCancella { background: rgb(255, 222, 222); border-color: rgb(200, 70, 70); }"
               "QLineEdit { font-size: %6px; min-height: %2px; padding: 0 %3px; border: %4px solid rgb(90, 140, 210);"
               "  border-radius: %5px; background: white; color: black; }"
               "QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; border: none; }"
               "QTableWidget { background: white; color: black; gridline-color: rgb(255, 249, 235); }"
               "QHeaderView, QHeaderView::section, QTableCornerButton::section { background: rgb(255, 249, 235);"
               "  color: rgb(33, 47, 84); border: none; }"
               "QHeaderView::section { padding: 0 %3px; }"
               // Scroll bars a finger can take hold of on a whiteboard.
               "QScrollBar:vertical { width: %7px; } QScrollBar:horizontal { height: %7px; }"
               "QPushButton#pulsanteEsci { min-width: %8px; }")
        .arg(px(24))
        .arg(px(56))
        .arg(px(16))
        .arg(std::max(1, px(2)))
        .arg(px(10))
        .arg(px(36))
        .arg(px(30))
        .arg(px(140));
}

} // namespace aspetto
