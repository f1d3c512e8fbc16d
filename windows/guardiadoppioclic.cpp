#include "windows/guardiadoppioclic.h"

#include "windows/finestra.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {
// Properties of a window: shown and not pressed on yet; a release to drop.
const char *const AttesaPrimoClic = "lettoria_attesaPrimoClic";
const char *const RilascioDaIgnorare = "lettoria_rilascioDaIgnorare";
const char *const Schermata = "lettoria_schermata";
} // namespace

GuardiaDoppioClic::GuardiaDoppioClic(QObject *parent) : QObject(parent)
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

GuardiaDoppioClic::~GuardiaDoppioClic()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void GuardiaDoppioClic::nuovaSchermata(QWidget *frame)
{
    frame->setProperty(Schermata, true);
}

bool GuardiaDoppioClic::eventFilter(QObject *oggetto, QEvent *evento)
{
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::Show && tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonDblClick
        && tipo != QEvent::MouseButtonRelease)
        return false;
    auto *w = qobject_cast<QWidget *>(oggetto);
    if (!w)
        return false;
    QWidget *finestra = w->window();
    if (tipo == QEvent::Show) {
        if ((w->isWindow() && qobject_cast<Finestra *>(w)) || w->property(Schermata).toBool())
            finestra->setProperty(AttesaPrimoClic, true);
        return false;
    }
    if (tipo == QEvent::MouseButtonRelease) {
        if (!finestra->property(RilascioDaIgnorare).toBool())
            return false;
        finestra->setProperty(RilascioDaIgnorare, false);
        return true;
    }
    if (!finestra->property(AttesaPrimoClic).toBool())
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(evento);
    const bool secondaMeta = tipo == QEvent::MouseButtonDblClick
                             || mouse->flags().testFlag(Qt::MouseEventCreatedDoubleClick);
    if (!secondaMeta) {
        // A press of its own: from now on the window takes every click.
        finestra->setProperty(AttesaPrimoClic, false);
        return false;
    }
    finestra->setProperty(RilascioDaIgnorare, true);
    return true;
}
