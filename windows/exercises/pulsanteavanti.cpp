#include "windows/exercises/pulsanteavanti.h"

#include "windows/icone.h"

#include <QResizeEvent>

PulsanteAvanti::PulsanteAvanti(QWidget *parent) : QToolButton(parent)
{
    setText(QStringLiteral("avanti"));
    setAccessibleName(QStringLiteral("avanti"));
    setIcon(QIcon(icone::frecciaAvanti(256)));
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
