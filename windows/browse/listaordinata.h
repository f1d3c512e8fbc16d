#pragma once

#include <QCollator>
#include <QListWidget>

// A list box that keeps its words in the order a reader expects: Italian
// alphabetical order, whatever the letter case and the accents (not the order
// of the character codes). Words that compare equal keep the order they came in.
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

    // True when `a` comes before `b` in the list's order.
    static bool precede(const QString &a, const QString &b);

signals:
    void DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
