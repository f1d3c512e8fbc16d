#include "windows/riquadroimmagine.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

QImage DecodificaImmagine(const QString &percorso, const QSize &dimensione)
{
    if (percorso.isEmpty() || dimensione.isEmpty())
        return {};
    QImageReader lettore(percorso);
    lettore.setAutoTransform(true);
    const QSize originale = lettore.size();
    if (originale.isValid() && !originale.isEmpty())
        lettore.setScaledSize(dimensione);
    QImage img = lettore.read();
    if (img.isNull())
        return {};
    if (img.size() != dimensione)
        img = img.scaled(dimensione, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img;
}

RiquadroImmagine::RiquadroImmagine(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RiquadroImmagine::CaricaFile(const QString &percorso)
{
    file_ = percorso;
    immagine_ = QImage();
    decodificata_ = false;
    update();
}

void RiquadroImmagine::decodifica()
{
    if (decodificata_ && dimensioneDecodificata_ == size())
        return;
    immagine_ = DecodificaImmagine(file_, size());
    dimensioneDecodificata_ = size();
    decodificata_ = true;
}

bool RiquadroImmagine::immagineValida()
{
    decodifica();
    return !immagine_.isNull();
}

const QImage &RiquadroImmagine::immagine()
{
    decodifica();
    return immagine_;
}

void RiquadroImmagine::paintEvent(QPaintEvent *)
{
    decodifica();
    QPainter p(this);
    if (immagine_.isNull()) {
        p.fillRect(rect(), Qt::white);
        p.setPen(QColor(160, 160, 160));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    p.drawImage(rect(), immagine_);
}

void RiquadroImmagine::mousePressEvent(QMouseEvent *event)
{
    premuto_ = event->button() == Qt::LeftButton;
    event->accept();
}

void RiquadroImmagine::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clic = premuto_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    premuto_ = false;
    event->accept();
    if (clic && isEnabled())
        emit clicked();
}
