#include "windows/browse/listaordinata.h"

#include <QLocale>

namespace {
const QCollator &collatore()
{
    static const QCollator c = [] {
        QCollator k{QLocale(QLocale::Italian, QLocale::Italy)};
        k.setCaseSensitivity(Qt::CaseInsensitive);
        return k;
    }();
    return c;
}
} // namespace

ListaOrdinata::ListaOrdinata(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

bool ListaOrdinata::precede(const QString &a, const QString &b)
{
    return collatore().compare(a, b) < 0;
}

void ListaOrdinata::AddItem(const QString &parola)
{
    // Binary search for the first word that comes after this one.
    int basso = 0;
    int alto = count();
    while (basso < alto) {
        const int mezzo = (basso + alto) / 2;
        if (precede(parola, item(mezzo)->text()))
            alto = mezzo;
        else
            basso = mezzo + 1;
    }
    insertItem(basso, parola);
}

QString ListaOrdinata::Text() const
{
    const auto scelte = selectedItems();
    return scelte.isEmpty() ? QString() : scelte.first()->text();
}

QStringList ListaOrdinata::parole() const
{
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out.append(item(i)->text());
    return out;
}

void ListaOrdinata::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    emit DblClick();
}
