#pragma once

#include <QModelIndex>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QAbstractItemView;
class QMouseEvent;
class QScroller;

// A list a finger can use, on a whiteboard or a touch screen as with a mouse:
// - a swipe scrolls it, kinetically, and selects nothing;
// - a tap selects the row under it;
// - a double tap tells of the row of its first tap: the second tap of a
//   finger lands a little off the first and may come later than a mouse's
//   double click, so any press soon enough and near enough counts, and Qt's
//   own double click (which has judged the time already) too;
// - its scroll bars and their arrows are as wide as a finger, and its rows
//   at least as tall when asked (`rigaMinima`).
// The keyboard is left to the list.
class ToccoLista : public QObject
{
    Q_OBJECT
public:
    // Watches `lista` and belongs to it.
    explicit ToccoLista(QAbstractItemView *lista, bool rigaMinima = false);

    // The width of a scroll bar, and the least height of a row, on this screen.
    static int latoDito();

signals:
    void doppioTocco(const QModelIndex &indice);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    // A press that is the second tap of a double tap: tells of it. True when it was one.
    bool premuto(const QMouseEvent *evento, bool doppioQt);
    // A tap that did not swipe: selects its row, and waits for a second.
    void rilasciato();

    QAbstractItemView *lista_;
    QPointer<QWidget> viewport_;
    QPointer<QScroller> scroller_;
    // The last tap that found a row, waiting for its second.
    struct Tocco
    {
        QPersistentModelIndex indice;
        QPoint punto;
        quint64 tempo = 0;
    };
    Tocco tocco_;
    QPoint pressione_; // where the pointer went down
    quint64 tempoPressione_ = 0;
    bool giu_ = false; // pressed here, not yet let go
    bool doppioFatto_ = false; // the press was a second tap: its release does nothing
    bool fermava_ = false; // the press stopped a list still gliding: it selects nothing
    bool trascinava_ = false; // the press became a swipe
};
