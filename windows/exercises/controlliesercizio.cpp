#include "windows/exercises/controlliesercizio.h"

#include "windows/icone.h"

#include <QMouseEvent>
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

PulsanteAvanti::PulsanteAvanti(QWidget *parent) : QToolButton(parent)
{
    setText(QStringLiteral("avanti"));
    setIcon(QIcon(icone::frecciaAvanti(256)));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(false);
    setCursor(icone::cursoreFreccia());
}

void PulsanteAvanti::resizeEvent(QResizeEvent *event)
{
    QToolButton::resizeEvent(event);
    // The caption takes one line; the arrow gets the rest of the height.
    const int testo = fontMetrics().height();
    const int lato = std::max(12, std::min(width() - 16, height() - testo - 14));
    setIconSize(QSize(lato, lato));
}

EtichettaCliccabile::EtichettaCliccabile(QWidget *parent) : QLabel(parent)
{
}

void EtichettaCliccabile::mousePressEvent(QMouseEvent *event)
{
    premuto_ = event->button() == Qt::LeftButton;
    event->accept();
}

void EtichettaCliccabile::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clic = premuto_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    premuto_ = false;
    event->accept();
    if (clic && isEnabled())
        emit clicked();
}

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

void PreparaEtichettaParola(QLabel *etichetta, double punti)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punti);
    f.setBold(true);
    etichetta->setFont(f);
    etichetta->setAlignment(Qt::AlignCenter);
    etichetta->setFrameShape(QFrame::Box);
    etichetta->setFrameShadow(QFrame::Plain);
    etichetta->setLineWidth(1);
    etichetta->setAutoFillBackground(true);
    QPalette p = etichetta->palette();
    for (const auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(gruppo, QPalette::WindowText, Qt::black);
        p.setColor(gruppo, QPalette::Text, Qt::black);
    }
    etichetta->setPalette(p);
    ColoraEtichetta(etichetta, Qt::white);
}

void ColoraEtichetta(QLabel *etichetta, const QColor &sfondo)
{
    QPalette p = etichetta->palette();
    for (const auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(gruppo, QPalette::Window, sfondo);
    etichetta->setPalette(p);
}

QColor ColoreEtichetta(const QLabel *etichetta)
{
    return etichetta->palette().color(QPalette::Active, QPalette::Window);
}
