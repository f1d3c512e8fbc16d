#include "windows/exercises/pulsanteavanti.h"

#include "windows/icone.h"

#include <QResizeEvent>

PulsanteAvanti::PulsanteAvanti(QWidget *parent) : QToolButton(parent)
{
    setText(QStringLiteral("avanti"));
    setAccessibleName(QStringLiteral("avanti"));
    // Ready, it cannot be missed: a green arrow on a green-edged button in
    // black type; waiting for the right answer, everything in pale grey.
    QIcon freccia;
    freccia.addPixmap(icone::frecciaAvanti(256, QColor(40, 180, 60), QColor(0, 100, 20)), QIcon::Normal);
    freccia.addPixmap(icone::frecciaAvanti(256, QColor(225, 225, 225), QColor(190, 190, 190)), QIcon::Disabled);
    setIcon(freccia);
    setStyleSheet(QStringLiteral("QToolButton { background: rgb(215, 245, 215); color: black; border: 4px solid "
                                 "rgb(0, 140, 40); border-radius: 8px; }"
                                 "QToolButton:pressed { background: rgb(170, 230, 170); }"
                                 "QToolButton:disabled { background: rgb(240, 240, 240); color: rgb(170, 170, 170); "
                                 "border: 1px solid rgb(200, 200, 200); }"));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(false);
    setCursor(icone::cursoreFreccia());
}

void PulsanteAvanti::resizeEvent(QResizeEvent *event)
{
    QToolButton::resizeEvent(event);
    // The caption takes one line; the arrow gets the rest of the height.
    const int testo = fontMetrics().height();
    const int lato = std::max(12, std::min(width() - 16, height() - testo - 14));
    setIconSize(QSize(lato, lato));
}
