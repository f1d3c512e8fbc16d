#include "windows/exercises/cornicerossa.h"

#include <QPainter>

CorniceRossa::CorniceRossa(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void CorniceRossa::paintEvent(QPaintEvent *)
{
    // Thick enough to be seen round a bright picture at any size.
    const int spessore = std::max(3, std::min(width(), height()) / 40);
    QPainter p(this);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 0, 0));
    const QRect r = rect();
    p.drawRect(QRect(r.left(), r.top(), r.width(), spessore));
    p.drawRect(QRect(r.left(), r.bottom() - spessore + 1, r.width(), spessore));
    p.drawRect(QRect(r.left(), r.top(), spessore, r.height()));
    p.drawRect(QRect(r.right() - spessore + 1, r.top(), spessore, r.height()));
}
