#include "windows/pulsanteicona.h"

#include <QResizeEvent>

PulsanteIcona::PulsanteIcona(const QString &testo, const QIcon &icona, QWidget *parent) : QPushButton(icona, testo, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void PulsanteIcona::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    const int lato = std::max(16, event->size().height() - 12);
    setIconSize(QSize(lato, lato));
}
