#include "windows/riquadroimmagine.h"

#include "windows/rilevatoreclic.h"

#include <QImageReader>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

QImage DecodificaImmagine(const QString &percorso, const QSize &riquadro)
{
    if (percorso.isEmpty() || riquadro.isEmpty())
        return {};
    QImageReader lettore(percorso);
    lettore.setAutoTransform(true);
    const QSize originale = lettore.size();
    if (originale.isValid() && !originale.isEmpty()) {
        // The size read is the stored one, before any turn the file asks for.
        QSize spazio = riquadro;
        if (lettore.transformation() & QImageIOHandler::TransformationRotate90)
            spazio.transpose();
        const QSize adattata = originale.scaled(spazio, Qt::KeepAspectRatio);
        // The JPEG decoder shrinks by halves almost for free; asked for any
        // other size it decodes whole and runs a slow generic scaler. So it
        // is asked for the smallest half, quarter... still as large as the
        // picture will be drawn, and the last step is Qt's fast smooth
        // scaling below.
        QSize passo = originale;
        while (passo.width() / 2 >= adattata.width() && passo.height() / 2 >= adattata.height()
               && passo.width() % 2 == 0 && passo.height() % 2 == 0)
            passo /= 2;
        if (passo != originale)
            lettore.setScaledSize(passo);
    }
    QImage img = lettore.read();
    if (img.isNull())
        return {};
    const QSize adattata = img.size().scaled(riquadro, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (img.size() != adattata)
        img = img.scaled(adattata, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (img.hasAlphaChannel()) {
        // Laid on white once here, so the paint just copies it.
        QImage opaca(img.size(), QImage::Format_RGB32);
        opaca.fill(Qt::white);
        QPainter(&opaca).drawImage(0, 0, img);
        img = opaca;
    }
    return img;
}

RiquadroImmagine::RiquadroImmagine(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto *rilevatore = new RilevatoreClic(this);
    connect(rilevatore, &RilevatoreClic::clicked, this, &RiquadroImmagine::clicked);
    connect(rilevatore, &RilevatoreClic::toccato, this, &RiquadroImmagine::toccato);
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

QRect RiquadroImmagine::areaImmagine()
{
    decodifica();
    if (immagine_.isNull())
        return {};
    const QSize s = immagine_.size();
    return QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s);
}

void RiquadroImmagine::paintEvent(QPaintEvent *)
{
    const QRect area = areaImmagine();
    QPainter p(this);
    if (area.isEmpty()) {
        p.fillRect(rect(), Qt::white);
        p.setPen(QColor(160, 160, 160));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    // Only the bands beside the picture: it covers the rest itself.
    const QRegion bande = QRegion(rect()).subtracted(area);
    for (const QRect &r : bande)
        p.fillRect(r, Qt::white);
    p.drawImage(area.topLeft(), immagine_);
}
