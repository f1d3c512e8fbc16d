#include "windows/puzzles/modellopuzzle.h"

#include <QPainter>

ModelloPuzzle::ModelloPuzzle(QWidget *parent) : QWidget(parent) {}

void ModelloPuzzle::setImmagine(const QImage &immagine)
{
    immagine_ = immagine;
    scalata_ = QImage();
    update();
}

int BordoPuzzle(QSize riquadro)
{
    return std::max(3, std::min(riquadro.width(), riquadro.height()) / 40);
}

QRect AreaPuzzle(QSize riquadro, QSize immagine)
{
    const int b = BordoPuzzle(riquadro);
    const QRect interno = QRect(QPoint(0, 0), riquadro).adjusted(b, b, -b, -b);
    if (immagine.isEmpty() || interno.isEmpty())
        return interno;
    const QSize s = immagine.scaled(interno.size(), Qt::KeepAspectRatio);
    return QRect(interno.x() + (interno.width() - s.width()) / 2, interno.y() + (interno.height() - s.height()) / 2,
                 s.width(), s.height());
}

QRect ModelloPuzzle::areaImmagine() const
{
    return AreaPuzzle(size(), immagine_.size());
}

void ModelloPuzzle::paintEvent(QPaintEvent *)
{
    if (immagine_.isNull())
        return;
    const QRect area = areaImmagine();
    if (area.isEmpty())
        return;
    // Scaled only when the box changes size, not at every paint.
    if (scalata_.size() != area.size())
        scalata_ = immagine_.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int b = BordoPuzzle(size());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(area).adjusted(-b, -b, b, b), b, b);
    p.drawImage(area.topLeft(), scalata_);
}
