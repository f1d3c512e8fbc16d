#include "windows/exercises/nometrascinabile.h"

#include "windows/exercises/etichettaparola.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <functional>

NomeTrascinabile::NomeTrascinabile(QWidget *parent) : QLabel(parent)
{
    // A hand: this can be taken and carried.
    setCursor(Qt::OpenHandCursor);
}

int NomeTrascinabile::indice() const
{
    return property("Index").toInt();
}

void NomeTrascinabile::svuota()
{
    setText(QString());
    setEnabled(false);
    setCursor(Qt::ArrowCursor);
    setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("QLabel { background: transparent; border: 2px dashed rgba(0, 0, 0, 70); }"));
}

void NomeTrascinabile::ripristina()
{
    setStyleSheet(QString());
    setAutoFillBackground(true);
    setCursor(Qt::OpenHandCursor);
    setEnabled(true);
}

TrascinamentoNomi::TrascinamentoNomi(QWidget *area, const QList<NomeTrascinabile *> &nomi,
                                     const QList<QLabel *> &riquadri, QWidget *errati)
    : QObject(area), area_(area), errati_(errati), immagine_(new QLabel(area))
{
    for (NomeTrascinabile *n : nomi)
        n->installEventFilter(this);
    for (QLabel *r : riquadri)
        riquadri_.append(r);
    // The picture never takes a click, and is found by no one looking for targets.
    immagine_->setAttribute(Qt::WA_TransparentForMouseEvents);
    immagine_->hide();
}

namespace {
// Escape, wherever the focus is, while a name is carried.
class TastoEsc : public QObject
{
public:
    TastoEsc(QObject *parent, std::function<void()> premuto) : QObject(parent), premuto_(std::move(premuto)) {}

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(evento)->key() != Qt::Key_Escape)
            return false;
        premuto_();
        return true;
    }

private:
    std::function<void()> premuto_;
};
} // namespace

bool TrascinamentoNomi::eventFilter(QObject *oggetto, QEvent *evento)
{
    auto *nome = qobject_cast<NomeTrascinabile *>(oggetto);
    if (!nome)
        return false;
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *e = static_cast<QMouseEvent *>(evento);
        if (e->button() == Qt::LeftButton && nome->isEnabled() && !nome->text().isEmpty() && !inCorso())
            inizia(nome, e->position().toPoint());
        return true;
    }
    case QEvent::MouseMove: {
        // The press gave the name every move until the release, wherever the pointer goes.
        if (nome == nome_)
            muovi(nome->mapTo(area_, static_cast<QMouseEvent *>(evento)->position().toPoint()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *e = static_cast<QMouseEvent *>(evento);
        if (nome == nome_ && e->button() == Qt::LeftButton)
            finisci(nome->mapTo(area_, e->position().toPoint()));
        return true;
    }
    case QEvent::Resize:
        // The window was resized under the finger: the carried name takes the new size.
        if (nome == nome_) {
            const QSize prima = static_cast<QResizeEvent *>(evento)->oldSize();
            if (prima.width() > 0 && prima.height() > 0)
                presa_ = QPoint(presa_.x() * nome->width() / prima.width(), presa_.y() * nome->height() / prima.height());
            ritrai();
            muovi(dito_);
        }
        return false;
    case QEvent::FontChange:
        if (nome == nome_)
            ritrai();
        return false;
    case QEvent::Hide:
    case QEvent::WindowBlocked:
        // A message box over the window, or the window going, takes the release away.
        if (nome == nome_)
            annulla();
        return false;
    default:
        return false;
    }
}

void TrascinamentoNomi::inizia(NomeTrascinabile *nome, QPoint nelNome)
{
    nome_ = nome;
    presa_ = nelNome;
    ritrai();
    immagine_->raise();
    immagine_->show();
    nome->setCursor(Qt::ClosedHandCursor);
    // Escape puts the name back, and the release that follows drops nothing.
    if (!esc_)
        esc_ = new TastoEsc(this, [this] { annulla(); });
    QCoreApplication::instance()->installEventFilter(esc_);
    muovi(nome->mapTo(area_, nelNome));
}

void TrascinamentoNomi::ritrai()
{
    NomeTrascinabile *nome = nome_;
    // The name as it is shown, with an orange edge that tells it from the one left in its slot.
    QPixmap pm = nome->grab();
    QPainter p(&pm);
    const qreal spessore = 4;
    p.setPen(QPen(QColor(255, 149, 0), spessore));
    p.drawRect(QRectF(QPointF(0, 0), pm.deviceIndependentSize()).adjusted(spessore / 2, spessore / 2, -spessore / 2,
                                                                          -spessore / 2));
    p.end();
    immagine_->setPixmap(pm);
    immagine_->resize(nome->size());
}

void TrascinamentoNomi::muovi(QPoint inArea)
{
    dito_ = inArea;
    immagine_->move(inArea - presa_);
    illumina(qobject_cast<QLabel *>(bersaglioIn(inArea)));
}

void TrascinamentoNomi::finisci(QPoint inArea)
{
    QWidget *bersaglio = bersaglioIn(inArea);
    const int nome = nome_->indice();
    annulla();
    if (bersaglio)
        emit rilasciato(bersaglio->property("Index").toInt(), nome);
}

void TrascinamentoNomi::annulla()
{
    if (esc_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(esc_);
    illumina(nullptr);
    immagine_->hide();
    if (nome_ && nome_->isEnabled())
        nome_->setCursor(Qt::OpenHandCursor);
    nome_ = nullptr;
}

void TrascinamentoNomi::illumina(QLabel *riquadro)
{
    // Only the boxes light up; the "Errati" caption takes a drop but is no box.
    if (riquadro && !riquadri_.contains(riquadro))
        riquadro = nullptr;
    if (riquadro == illuminato_)
        return;
    if (illuminato_) {
        ColoraEtichetta(illuminato_, Qt::white);
        illuminato_->setLineWidth(1);
    }
    illuminato_ = riquadro;
    if (illuminato_) {
        ColoraEtichetta(illuminato_, QColor(200, 255, 190));
        illuminato_->setLineWidth(std::max(3, illuminato_->height() / 12));
    }
}

QWidget *TrascinamentoNomi::bersaglioIn(QPoint inArea) const
{
    for (QWidget *w = area_->childAt(inArea); w && w != area_; w = w->parentWidget()) {
        if (w == errati_)
            return w;
        for (const QPointer<QLabel> &r : riquadri_)
            if (r == w)
                return w;
    }
    return nullptr;
}
