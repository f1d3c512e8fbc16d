#include "windows/browse/listaordinata.h"

ListaOrdinata::ListaOrdinata(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void ListaOrdinata::AddItem(const QString &parola)
{
    const auto posto = ordine_.posizione(count(), [this](qsizetype i) { return item(static_cast<int>(i))->text(); },
                                         parola);
    insertItem(static_cast<int>(posto), parola);
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
