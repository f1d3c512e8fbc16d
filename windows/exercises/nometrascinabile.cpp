#include "windows/exercises/nometrascinabile.h"

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
    QPixmap pm = const_cast<NomeTrascinabile *>(this)->grab();
    // An orange edge tells the picked-up name from the one left in its slot.
    QPainter p(&pm);
    const qreal spessore = 4;
    p.setPen(QPen(QColor(255, 149, 0), spessore));
    p.setBrush(Qt::NoBrush);
    const QRectF r = QRectF(QPointF(0, 0), pm.deviceIndependentSize());
    p.drawRect(r.adjusted(spessore / 2, spessore / 2, -spessore / 2, -spessore / 2));
    return pm;
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

RicevitoreNomi::RicevitoreNomi(QWidget *bersaglio, const QList<NomeTrascinabile *> &nomi)
    : QObject(bersaglio), bersaglio_(bersaglio)
{
    for (NomeTrascinabile *n : nomi)
        nomi_.append(n);
    bersaglio->setAcceptDrops(true);
    bersaglio->installEventFilter(this);
}

RicevitoreNomi *RicevitoreNomi::di(const QWidget *bersaglio)
{
    return bersaglio ? bersaglio->findChild<RicevitoreNomi *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

int RicevitoreNomi::indice() const
{
    return bersaglio_->property("Index").toInt();
}

NomeTrascinabile *RicevitoreNomi::nomeDa(const QMimeData *dati) const
{
    if (!dati || !dati->hasFormat(TipoNomeTrascinato))
        return nullptr;
    const QByteArray portato = dati->data(TipoNomeTrascinato);
    for (const QPointer<NomeTrascinabile> &n : nomi_)
        if (n && n->isEnabled() && firma(n) == portato)
            return n;
    return nullptr;
}

bool RicevitoreNomi::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto != bersaglio_)
        return false;
    switch (evento->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *e = static_cast<QDragMoveEvent *>(evento);
        if (nomeDa(e->mimeData())) {
            e->setDropAction(Qt::MoveAction);
            e->accept();
        } else {
            e->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *e = static_cast<QDropEvent *>(evento);
        NomeTrascinabile *nome = nomeDa(e->mimeData());
        if (!nome) {
            e->ignore();
            return true;
        }
        e->setDropAction(Qt::MoveAction);
        e->accept();
        emit rilasciato(indice(), nome->indice());
        return true;
    }
    default:
        return false;
    }
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
