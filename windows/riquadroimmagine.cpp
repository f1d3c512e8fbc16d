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
    if (originale.isValid() && !originale.isEmpty()) {
        // The JPEG decoder shrinks by halves almost for free; asked for any
        // other size it decodes whole and runs a slow generic scaler. So it
        // is asked for the smallest half, quarter... still as large as the
        // box, and the last step is Qt's fast smooth scaling below.
        QSize passo = originale;
        while (passo.width() / 2 >= dimensione.width() && passo.height() / 2 >= dimensione.height()
               && passo.width() % 2 == 0 && passo.height() % 2 == 0)
            passo /= 2;
        if (passo != originale)
            lettore.setScaledSize(passo);
    }
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
