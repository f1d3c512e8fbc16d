#include "windows/exercises/faccia.h"

#include <QPainter>

#include <cmath>

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
    QPainter p(this);
    // A white disc with a dark ring behind the face: the yellow face stays a
    // face on the yellow background, the red one on the red.
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centro(width() / 2.0, height() / 2.0);
    const double anello = std::max(2.0, lato / 30.0);
    p.setPen(QPen(QColor(60, 60, 60), anello));
    p.setBrush(Qt::white);
    p.drawEllipse(centro, lato / 2.0 - anello / 2, lato / 2.0 - anello / 2);
    const int faccia = lato - 2 * static_cast<int>(std::ceil(anello)) - 2;
    if (cache_.width() != static_cast<int>(faccia * dpr)) {
        cache_ = disegno_(static_cast<int>(faccia * dpr));
        cache_.setDevicePixelRatio(dpr);
    }
    p.drawPixmap(QPointF(centro.x() - faccia / 2.0, centro.y() - faccia / 2.0), cache_);
}
