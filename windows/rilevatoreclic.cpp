#include "windows/rilevatoreclic.h"

#include <QMouseEvent>
#include <QWidget>

RilevatoreClic::RilevatoreClic(QWidget *controllo) : QObject(controllo), controllo_(controllo)
{
    controllo->installEventFilter(this);
}

bool RilevatoreClic::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto != controllo_)
        return false;
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        premuto_ = static_cast<QMouseEvent *>(evento)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *e = static_cast<QMouseEvent *>(evento);
        const bool clic = premuto_ && e->button() == Qt::LeftButton
                          && controllo_->rect().contains(e->position().toPoint());
        premuto_ = false;
        if (clic)
            emit toccato();
        if (clic && controllo_->isEnabled())
            emit clicked();
        return true;
    }
    default:
        return false;
    }
}
