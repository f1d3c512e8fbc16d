#include "windows/toccolista.h"

#include "windows/finestra.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineF>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QScroller>
#include <QStyleHints>
#include <QStyledItemDelegate>

#include <cmath>

namespace {

// Scroll bars and their arrows as wide as a finger. One style for every list.
class StileDito : public QProxyStyle
{
public:
    explicit StileDito(int lato) : lato_(lato) {}
    int pixelMetric(PixelMetric metrica, const QStyleOption *opzione, const QWidget *widget) const override
    {
        if (metrica == PM_ScrollBarExtent)
            return lato_;
        if (metrica == PM_ScrollBarSliderMin)
            return lato_;
        return QProxyStyle::pixelMetric(metrica, opzione, widget);
    }

private:
    int lato_;
};

QStyle *stileDito()
{
    static QPointer<QStyle> stile;
    if (!stile) {
        stile = new StileDito(ToccoLista::latoDito());
        stile->setParent(qApp);
    }
    return stile;
}

// Rows no lower than a finger.
class RigheAlte : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &opzione, const QModelIndex &indice) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(opzione, indice);
        s.setHeight(std::max(s.height(), ToccoLista::latoDito()));
        return s;
    }
    void paint(QPainter *pittore, const QStyleOptionViewItem &opzione, const QModelIndex &indice) const override
    {
        QStyleOptionViewItem o = opzione;
        o.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        QStyledItemDelegate::paint(pittore, o, indice);
    }
};

} // namespace

int ToccoLista::latoDito()
{
    return static_cast<int>(std::lround(40 * Finestra::fattoreSchermo()));
}

ToccoLista::ToccoLista(QAbstractItemView *lista, bool rigaMinima)
    : QObject(lista), lista_(lista), viewport_(lista->viewport())
{
    for (QScrollBar *barra : {lista->verticalScrollBar(), lista->horizontalScrollBar()})
        barra->setStyle(stileDito());
    if (rigaMinima)
        lista->setItemDelegate(new RigheAlte(lista));
    // A finger moves the rows by pixels, not by whole rows.
    lista->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    lista->verticalScrollBar()->setSingleStep(latoDito());
    // Created before the filter is on: the scroller is a child of the viewport.
    scroller_ = QScroller::scroller(lista->viewport());
    QScrollerProperties proprieta = scroller_->scrollerProperties();
    // A list stops at its ends: no bounce past the first and last row.
    proprieta.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
                              QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    proprieta.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                              QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    scroller_->setScrollerProperties(proprieta);
    lista->viewport()->installEventFilter(this);
    // Rows that moved under the finger between two taps make no double tap.
    for (QScrollBar *barra : {lista->verticalScrollBar(), lista->horizontalScrollBar()})
        connect(barra, &QScrollBar::valueChanged, this, [this] { tocco_ = {}; });
}

bool ToccoLista::premuto(const QMouseEvent *evento, bool doppioQt)
{
    const QPoint punto = evento->position().toPoint();
    const int intervallo = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const int tolleranza = std::max(3 * QGuiApplication::styleHints()->startDragDistance(), 24);
    const bool vicino = tocco_.indice.isValid() && QLineF(tocco_.punto, punto).length() <= tolleranza;
    QModelIndex indice;
    if (vicino && (doppioQt || evento->timestamp() - tocco_.tempo <= static_cast<quint64>(intervallo)))
        indice = tocco_.indice;
    else if (doppioQt)
        indice = lista_->indexAt(punto);
    else
        return false;
    tocco_ = {};
    if (!indice.isValid())
        return true;
    lista_->setFocus(Qt::MouseFocusReason);
    lista_->selectionModel()->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect);
    emit doppioTocco(indice);
    return true;
}

void ToccoLista::rilasciato()
{
    const QModelIndex indice = lista_->indexAt(pressione_);
    if (!indice.isValid()) {
        tocco_ = {};
        return;
    }
    lista_->setFocus(Qt::MouseFocusReason);
    lista_->selectionModel()->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect);
    tocco_ = {indice, pressione_, tempoPressione_};
}

bool ToccoLista::eventFilter(QObject *oggetto, QEvent *evento)
{
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonDblClick && tipo != QEvent::MouseMove
        && tipo != QEvent::MouseButtonRelease)
        return false;
    // The list may be going: only the pointer's events on its viewport are looked at.
    if (oggetto != viewport_ || !scroller_)
        return false;
    QScroller *scroller = scroller_;
    switch (tipo) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *e = static_cast<QMouseEvent *>(evento);
        if (e->button() != Qt::LeftButton)
            return true;
        const bool doppioQt = evento->type() == QEvent::MouseButtonDblClick;
        // The second half of a double tap already taken.
        if (doppioQt && doppioFatto_)
            return true;
        if (premuto(e, doppioQt)) {
            doppioFatto_ = true;
            giu_ = false;
            return true;
        }
        doppioFatto_ = false;
        giu_ = true;
        trascinava_ = false;
        pressione_ = e->position().toPoint();
        tempoPressione_ = e->timestamp();
        fermava_ = scroller->state() == QScroller::Scrolling;
        // A glide ends on a whole row, as the arrows leave it.
        if (const int riga = lista_->model() && lista_->model()->rowCount() > 0 ? lista_->sizeHintForRow(0) : 0; riga > 0)
            scroller->setSnapPositionsY(0, riga);
        scroller->handleInput(QScroller::InputPress, e->position(), static_cast<qint64>(e->timestamp()));
        return true;
    }
    case QEvent::MouseMove: {
        const auto *e = static_cast<QMouseEvent *>(evento);
        if (giu_) {
            scroller->handleInput(QScroller::InputMove, e->position(), static_cast<qint64>(e->timestamp()));
            trascinava_ = trascinava_ || scroller->state() == QScroller::Dragging;
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *e = static_cast<QMouseEvent *>(evento);
        if (e->button() != Qt::LeftButton)
            return true;
        if (giu_) {
            giu_ = false;
            scroller->handleInput(QScroller::InputRelease, e->position(), static_cast<qint64>(e->timestamp()));
            trascinava_ = trascinava_ || scroller->state() == QScroller::Scrolling;
            // A swipe, or a press that only stopped the gliding list, selects nothing.
            if (!trascinava_ && !fermava_)
                rilasciato();
            else
                tocco_ = {};
        }
        doppioFatto_ = false;
        return true;
    }
    default:
        return false;
    }
}
