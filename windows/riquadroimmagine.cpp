#include "windows/riquadroimmagine.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QMutex>
#include <QPainter>
#include <QThreadPool>
#include <QWaitCondition>

#include <utility>

// One picture decoded for a box on the thread pool. Whoever takes it first
// decodes it: a pool thread, or the box itself when it needs the picture before
// a thread was free. Shared by the box and the queued task, so either may go
// first.
class DecodificaInCorso
{
public:
    DecodificaInCorso(const QString &percorso, const QSize &dimensione) : percorso(percorso), dimensione(dimensione) {}

    // True for the one caller that is to decode.
    bool prendi()
    {
        QMutexLocker blocco(&mutex_);
        return !std::exchange(preso_, true);
    }
    void consegna(QImage immagine)
    {
        QMutexLocker blocco(&mutex_);
        immagine_ = std::move(immagine);
        pronta_ = true;
        pronto_.wakeAll();
    }
    // The picture, once the thread that took it has finished.
    QImage attendi()
    {
        QMutexLocker blocco(&mutex_);
        while (!pronta_)
            pronto_.wait(&mutex_);
        return std::exchange(immagine_, QImage());
    }

    const QString percorso;
    const QSize dimensione;

private:
    QMutex mutex_;
    QWaitCondition pronto_;
    QImage immagine_;
    bool preso_ = false;
    bool pronta_ = false;
};

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

namespace {
// Boxes on screen given a file and not painted since (the GUI thread's alone).
int riquadriInAttesa = 0;
} // namespace

RiquadroImmagine::RiquadroImmagine(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

RiquadroImmagine::~RiquadroImmagine()
{
    abbandonaDecodifica();
}

void RiquadroImmagine::CaricaFile(const QString &percorso)
{
    abbandonaDecodifica();
    file_ = percorso;
    immagine_ = QImage();
    decodificata_ = false;
    // Before the box is on screen its final size is not known yet: it is
    // decoded at its first paint instead. So is the first picture of an item,
    // while the pool decodes the others; a lone picture never waits for a
    // thread.
    if (isVisible() && !size().isEmpty() && !percorso.isEmpty()) {
        if (riquadriInAttesa > 0) {
            inCorso_ = std::make_shared<DecodificaInCorso>(percorso, size());
            QThreadPool::globalInstance()->start([lavoro = inCorso_] {
                if (lavoro->prendi())
                    lavoro->consegna(DecodificaImmagine(lavoro->percorso, lavoro->dimensione));
            });
        }
        inAttesa_ = true;
        ++riquadriInAttesa;
    }
    update();
}

void RiquadroImmagine::abbandonaDecodifica()
{
    // A task not started yet then finds it taken and does nothing; one that
    // runs finishes into the shared state alone.
    if (inCorso_)
        inCorso_->prendi();
    inCorso_.reset();
    if (inAttesa_) {
        inAttesa_ = false;
        --riquadriInAttesa;
    }
}

void RiquadroImmagine::decodifica()
{
    if (decodificata_ && dimensioneDecodificata_ == size())
        return;
    if (inCorso_ && inCorso_->dimensione == size()) {
        const std::shared_ptr<DecodificaInCorso> lavoro = std::exchange(inCorso_, nullptr);
        immagine_ = lavoro->prendi() ? DecodificaImmagine(file_, size()) : lavoro->attendi();
    } else {
        abbandonaDecodifica();
        immagine_ = DecodificaImmagine(file_, size());
    }
    abbandonaDecodifica();
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
