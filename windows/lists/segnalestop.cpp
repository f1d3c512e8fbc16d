#include "windows/lists/segnalestop.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {
QPolygonF ottagono(QPointF centro, double raggio)
{
    QPolygonF p;
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + 45.0 * i) * M_PI / 180.0;
        p << QPointF(centro.x() + raggio * std::cos(a), centro.y() + raggio * std::sin(a));
    }
    return p;
}
} // namespace

QIcon IconaStop()
{
    constexpr int Lato = 96;
    QPixmap pm(Lato, Lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centro(Lato / 2.0, Lato / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 20, 20));
    p.drawPolygon(ottagono(centro, 47));
    p.setBrush(Qt::white);
    p.drawPolygon(ottagono(centro, 44));
    p.setBrush(QColor(220, 30, 30));
    p.drawPolygon(ottagono(centro, 39));

    // The hand: a palm, four fingers and a thumb, in one white outline.
    QPainterPath mano;
    mano.addRoundedRect(QRectF(32, 44, 33, 32), 12, 12);
    const double dita[4][3] = {{32.5, 26, 8}, {40.5, 19, 8}, {48.5, 19, 8}, {56.5, 24, 8}};
    for (const auto &d : dita) {
        QPainterPath dito;
        dito.addRoundedRect(QRectF(d[0], d[1], d[2], 34), 4, 4);
        mano = mano.united(dito);
    }
    QPainterPath pollice;
    pollice.addRoundedRect(QRectF(-4.5, -18, 9, 26), 4.5, 4.5);
    mano = mano.united(QTransform().translate(32, 60).rotate(-40).map(pollice));
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(120, 10, 10), 1.2));
    p.drawPath(mano);
    // Lines between the fingers.
    p.setPen(QPen(QColor(200, 200, 200), 1.2));
    for (double x : {40.5, 48.5, 56.5})
        p.drawLine(QPointF(x, 30), QPointF(x, 46));
    return QIcon(pm);
}
