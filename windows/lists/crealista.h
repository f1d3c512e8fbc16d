#pragma once

#include "core/ambiente.h"
#include "core/listainpreparazione.h"

#include <QGroupBox>

class Dialoghi;
class QLabel;
class QListView;
class QPushButton;

// The list maker, over the whole window: the words that have a picture on
// the left, the new list on the right. A double tap, or Enter released, moves
// the selected word across; "Salva lista" writes the new list as a list file.
class CreaLista : public QGroupBox
{
    Q_OBJECT
public:
    CreaLista(const Ambiente &ambiente, Dialoghi &dialoghi, QWidget *parent);

    // The messages of the maker.
    static const QString MessaggioListaVuota;
    static const QString DomandaSovrascrivi;
    static const QString MessaggioNomeMancante;
    static const QString FiltroSalva;
    static QString messaggioSalvataggio(const QString &percorso, const QString &motivo);

    // Starts over from the pictures there are now, with the focus on the
    // available words and none of them selected.
    void ricomincia();

    ListaInPreparazione &modello() { return modello_; }

    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QListView *List1 = nullptr;
    QListView *List2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command3 = nullptr;

signals:
    // The new list was written to `percorso`: these words.
    void salvata(const QString &percorso, const QStringList &parole);
    // "Chiudi".
    void chiusa();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    // Moves the selected word of `da` across.
    void sposta(QListView *da);
    void Command5_Click();

    const Ambiente ambiente_;
    Dialoghi &dialoghi_;
    ListaInPreparazione modello_;
};
