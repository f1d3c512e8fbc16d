#include "windows/scaling/clsresize.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <cmath>

QWidget *clsResize::areaCliente(QWidget *form)
{
    if (auto *finestra = qobject_cast<QMainWindow *>(form); finestra && finestra->centralWidget())
        return finestra->centralWidget();
    return form;
}

QList<QWidget *> clsResize::controlli(QWidget *form)
{
    QList<QWidget *> out;
    if (!form)
        return out;
    const auto figli = areaCliente(form)->findChildren<QWidget *>();
    for (QWidget *w : figli) {
        const QString nome = w->objectName();
        if (nome.isEmpty() || nome.startsWith(QLatin1String("qt_")))
            continue;
        out.append(w);
    }
    return out;
}

void clsResize::StoreControlPositions()
{
    const QWidget *area = areaCliente(form_);
    larghezzaProgetto_ = area->width();
    altezzaProgetto_ = area->height();
    record_.clear();
    const auto lista = controlli(form_);
    record_.reserve(lista.size());
    for (QWidget *w : lista) {
        QString tag = w->property("Tag").toString().toUpper();
        if (!tag.startsWith(QLatin1Char('@')))
            tag = QStringLiteral("@LTWH");
        record_.append({w, w->geometry(), tag.contains(QLatin1Char('L')), tag.contains(QLatin1Char('T')),
                        tag.contains(QLatin1Char('W')), tag.contains(QLatin1Char('H'))});
    }
    primaVolta_ = false;
}

void clsResize::ReInitialise()
{
    if (form_)
        StoreControlPositions();
}

void clsResize::SizeFormToScreen(int Percent)
{
    if (!form_)
        return;
    if (primaVolta_)
        StoreControlPositions();
    const QScreen *schermo = form_->screen() ? form_->screen() : QGuiApplication::primaryScreen();
    if (schermo) {
        const QRect s = schermo->geometry();
        const int h = static_cast<int>(Percent / 100.0 * s.height());
        const int w = static_cast<int>(Percent / 100.0 * s.width());
        form_->setGeometry(s.x() + (s.width() - w) / 2, s.y() + (s.height() - h) / 2, w, h);
    }
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (!form_)
        return;
    if (primaVolta_ ? controlli(form_).isEmpty() : record_.isEmpty())
        return;
    if (form_->isMinimized())
        return;
    if (primaVolta_) {
        StoreControlPositions();
        return;
    }
    if (larghezzaProgetto_ <= 0 || altezzaProgetto_ <= 0)
        return;

    form_->setUpdatesEnabled(false);
    const QWidget *area = areaCliente(form_);
    const double yRatio = static_cast<double>(area->height()) / altezzaProgetto_;
    const double xRatio = static_cast<double>(area->width()) / larghezzaProgetto_;
    for (const Record &r : std::as_const(record_)) {
        QWidget *w = r.controllo;
        if (!w)
            continue;
        QRect g = w->geometry();
        if (r.sinistra)
            g.moveLeft(static_cast<int>(std::lround(r.geometria.left() * xRatio)));
        if (r.alto)
            g.moveTop(static_cast<int>(std::lround(r.geometria.top() * yRatio)));
        if (r.larghezza)
            g.setWidth(static_cast<int>(std::lround(r.geometria.width() * xRatio)));
        if (r.altezza)
            g.setHeight(static_cast<int>(std::lround(r.geometria.height() * yRatio)));
        w->setGeometry(g);
    }
    form_->setUpdatesEnabled(true);
}
