#include "windows/exercises/faccia.h"

#include <QPainter>

#include <utility>

Faccia::Faccia(Disegno disegno, QWidget *parent) : QWidget(parent), disegno_(std::move(disegno))
{
}

void Faccia::paintEvent(QPaintEvent *)
{
    const int lato = std::min(width(), height());
    if (lato <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    const int latoFisico = static_cast<int>(lato * dpr);
    if (cache_.width() != latoFisico) {
        cache_ = disegno_(latoFisico);
        cache_.setDevicePixelRatio(dpr);
    }
    QPainter p(this);
    p.drawPixmap(QPoint((width() - lato) / 2, (height() - lato) / 2), cache_);
}
