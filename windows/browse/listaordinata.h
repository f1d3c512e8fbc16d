#pragma once

#include "core/creazioneliste.h"

#include <QListWidget>

// A list box that keeps its words in the program's one alphabetical order
// (OrdineAlfabetico: Italian, letter case and accents only break ties,
// numbers by value), the order the list maker shows too. Words that compare
// equal keep the order they came in.
class ListaOrdinata : public QListWidget
{
    Q_OBJECT
public:
    explicit ListaOrdinata(QWidget *parent = nullptr);

    // Adds a word at its place in the order.
    void AddItem(const QString &parola);
    // The selected word, or an empty text when nothing is selected.
    QString Text() const;
    QStringList parole() const;

private:
    OrdineAlfabetico ordine_;
};
