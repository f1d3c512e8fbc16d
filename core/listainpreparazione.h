#pragma once

#include "core/creazioneliste.h"

#include <QAbstractListModel>
#include <QStringList>

// One column of words, in the program's alphabetical order, for a list view.
class ElencoParole : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &genitore = {}) const override;
    QVariant data(const QModelIndex &indice, int ruolo = Qt::DisplayRole) const override;

    const QStringList &parole() const { return parole_; }
    // The row of `parola` (exact letters), -1 when it is not there.
    int riga(const QString &parola) const { return static_cast<int>(parole_.indexOf(parola)); }

private:
    friend class ListaInPreparazione;
    void reimposta(const QStringList &parole);
    QString togli(int riga);
    // Puts `parola` at its sorted place; returns its row.
    int inserisci(const QString &parola);

    QStringList parole_;
    OrdineAlfabetico ordine_;
};

// What the list maker works on: the words that have a picture and are not
// in the new list yet, and the words of the new list. A word moves from one
// side to its sorted place on the other; the new list is saved as a list file.
class ListaInPreparazione : public QObject
{
    Q_OBJECT
public:
    enum class Lato { Disponibili, Scelte };

    explicit ListaInPreparazione(QObject *genitore = nullptr);

    // Starts over: every word available (in any order; each once), none chosen.
    void ricomincia(const QStringList &disponibili);

    ElencoParole *elenco(Lato lato) { return lato == Lato::Disponibili ? &disponibili_ : &scelte_; }
    const QStringList &parole(Lato lato) const
    {
        return lato == Lato::Disponibili ? disponibili_.parole() : scelte_.parole();
    }

    // Moves the word at `riga` of `da` to the other side. Its row there, or
    // -1 when `riga` holds no word.
    int sposta(Lato da, int riga);

    // The file a name chosen in the save dialog stands for (".txt" added as
    // NomeFileLista does); empty when it leaves no name for the file (".txt"
    // alone, a folder, a name that only hides the file).
    static QString fileDaSalvare(const QString &scelto);
    // Writes the chosen words to `percorso`, whole or not at all.
    bool salva(const QString &percorso, QString *errore) const;

private:
    ElencoParole disponibili_;
    ElencoParole scelte_;
};
