#include "windows/riquadroimmagine.h"

#include "windows/rilevatoreclic.h"

#include <QImageReader>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

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
    connect(new RilevatoreClic(this), &RilevatoreClic::clicked, this, &RiquadroImmagine::clicked);
}

void RiquadroImmagine::CaricaFile(const QString &percorso)
{
    file_ = percorso;
    immagine_ = QImage();
    decodificata_ = false;
    // A decoding still running for the last file finishes on its own; its
    // result is dropped; one not started yet never starts. Before the box is
    // on screen its final size is not known yet: it is decoded at its first
    // paint instead.
    inCorso_.cancel();
    inCorso_ = {};
    if (isVisible() && !size().isEmpty() && !percorso.isEmpty()) {
        dimensioneInCorso_ = size();
        inCorso_ = QtConcurrent::run(DecodificaImmagine, percorso, size());
    }
    update();
}

void RiquadroImmagine::decodifica()
{
    if (decodificata_ && dimensioneDecodificata_ == size())
        return;
    // result() runs a decoding that no thread has taken yet here and now.
    immagine_ = inCorso_.isValid() && dimensioneInCorso_ == size() ? inCorso_.result()
                                                                   : DecodificaImmagine(file_, size());
    inCorso_ = {};
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
