#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class ListaInUso;
struct Ambiente;
class Casuale;

// The words of the list in use as an item may show them: a word that shows
// nothing (empty, or only blanks) is never drawn, the same word twice (in
// another letter case, or with leading blanks) counts once, and a word whose
// picture is missing is never drawn where its picture is what the child looks at.
// A word as compared with the others: two words are one when their keys are
// equal; an empty key is a line with no word.
QString ChiaveParola(const QString &parola);

class ParoleDellaLista
{
public:
    ParoleDellaLista(const ListaInUso &lista, const Ambiente &ambiente);

    int numeroParole() const { return static_cast<int>(chiavi_.size()); }
    // Position 1..numeroParole holds a word that shows something.
    bool mostrabile(int posizione) const;
    bool conImmagine(int posizione) const;
    // Two positions hold the same word.
    bool stessaParola(int a, int b) const;
    // The word at a position as words are compared (ChiaveParola); empty when none.
    QString chiave(int posizione) const;
    // How many different words can be shown, with a picture or not.
    int diverse() const { return diverse_; }
    int diverseConImmagine() const { return diverseConImmagine_; }
    // The different words that have no picture, as the list holds them, in its order.
    QStringList senzaImmagine() const { return senzaImmagine_; }

private:
    std::vector<QString> chiavi_;  // the word as compared; empty when it shows nothing
    std::vector<bool> immagini_;
    int diverse_ = 0;
    int diverseConImmagine_ = 0;
    QStringList senzaImmagine_;
};

// The words of one item: `quante` positions (1..numeroParole), each drawn as
// Casuale::posizione and drawn again while it equals one already taken, holds
// the same word as one already taken, shows nothing, or (with `conImmagine`)
// has no picture. Empty when the list has too few such words: the draws could
// never finish.
QList<int> EstraiParole(Casuale &casuale, const ParoleDellaLista &parole, int quante, bool conImmagine);
