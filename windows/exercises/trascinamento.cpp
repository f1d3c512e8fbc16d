#include "windows/exercises/trascinamento.h"

#include "windows/icone.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// "pid identity index": the identity is compared with the names a target
// knows, never used as a pointer.
QByteArray firma(const NomeTrascinabile *nome)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ' '
           + QByteArray::number(reinterpret_cast<quintptr>(nome)) + ' ' + QByteArray::number(nome->indice());
}

} // namespace

NomeTrascinabile::NomeTrascinabile(QWidget *parent) : QLabel(parent)
{
    setCursor(icone::cursoreAereo());
    // A finger or a pen arrives as a mouse press, so one handler serves all three.
    setAttribute(Qt::WA_AcceptTouchEvents, false);
}

int NomeTrascinabile::indice() const
{
    return property("Index").toInt();
}

void NomeTrascinabile::riempiDati(QMimeData &dati) const
{
    dati.setData(TipoNomeTrascinato, firma(this));
}

QPixmap NomeTrascinabile::immagineTrascinamento() const
{
    return const_cast<NomeTrascinabile *>(this)->grab();
}

void NomeTrascinabile::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || text().isEmpty()) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    const int i = indice();
    QPointer<NomeTrascinabile> io(this);
    auto *drag = new QDrag(this);
    auto *dati = new QMimeData;
    riempiDati(*dati);
    drag->setMimeData(dati);
    drag->setPixmap(immagineTrascinamento());
    drag->setHotSpot(event->position().toPoint());
    drag->setDragCursor(PuntatoreTrascinamento(icone::cursoreFrecciaGrande()), Qt::MoveAction);
    drag->setDragCursor(PuntatoreTrascinamento(icone::cursoreAereo()), Qt::IgnoreAction);
    emit trascinamentoIniziato(i);
    const Qt::DropAction azione = drag->exec(Qt::MoveAction);
    // The drop may have closed the window: only a name still alive reports.
    if (io)
        emit io->trascinamentoFinito(i, azione);
}

RiquadroRilascio::RiquadroRilascio(QWidget *parent) : QLabel(parent)
{
    setAcceptDrops(true);
}

int RiquadroRilascio::indice() const
{
    return property("Index").toInt();
}

void RiquadroRilascio::setNomi(const QList<NomeTrascinabile *> &nomi)
{
    nomi_.clear();
    for (NomeTrascinabile *n : nomi)
        nomi_.append(n);
}

NomeTrascinabile *RiquadroRilascio::nomeDa(const QMimeData *dati) const
{
    if (!dati || !dati->hasFormat(TipoNomeTrascinato))
        return nullptr;
    const QByteArray portato = dati->data(TipoNomeTrascinato);
    for (const QPointer<NomeTrascinabile> &n : nomi_)
        if (n && n->isEnabled() && firma(n) == portato)
            return n;
    return nullptr;
}

void RiquadroRilascio::dragEnterEvent(QDragEnterEvent *event)
{
    if (nomeDa(event->mimeData())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void RiquadroRilascio::dragMoveEvent(QDragMoveEvent *event)
{
    if (nomeDa(event->mimeData())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void RiquadroRilascio::dropEvent(QDropEvent *event)
{
    NomeTrascinabile *nome = nomeDa(event->mimeData());
    if (!nome) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit rilasciato(nome->indice(), indice());
}

QPixmap PuntatoreTrascinamento(const QCursor &cursore)
{
    const QPixmap immagine = cursore.pixmap();
    if (immagine.isNull())
        return {};
    const QPoint punta = cursore.hotSpot();
    const int lato = 2 * std::max({immagine.width(), immagine.height(), 1});
    QPixmap tela(lato, lato);
    tela.fill(Qt::transparent);
    QPainter p(&tela);
    p.drawPixmap(QPoint(lato / 2, lato / 2) - punta, immagine);
    return tela;
}
