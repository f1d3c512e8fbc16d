#pragma once

#include <QHash>
#include <QString>

class Casuale;
class ParoleDellaLista;

// Practice that comes back to the words a child missed, as boxes of cards:
// each word the child has been asked sits in a box from 1 (just missed) to 5
// (known). A right answer moves the word up one box (a word found the first
// time it is asked goes to box 2), a wrong one sends it back to box 1. One item in two brings back a word of boxes 1 to 4, drawn with
// weights 8, 4, 2 and 1: a word just missed comes back soonest, and a word
// answered right four times running stops coming back. Words are told apart
// as the lists tell them apart (ChiaveParola).
class Ripasso
{
public:
    static constexpr int Caselle = 5;

    // The boxes as the store has kept them.
    void imposta(const QHash<QString, int> &caselle);
    void svuota() { caselle_.clear(); }
    bool vuoto() const { return caselle_.isEmpty(); }
    // The child answered when asked `parola`.
    void risposta(const QString &parola, bool esatta);
    // The box of a word; 0 when the child has never been asked it.
    int casella(const QString &parola) const;

    // For one item: the list position of a word to bring back, among those
    // the item may show (with its picture when `conImmagine`); 0 when this
    // item brings none back.
    int daRipassare(Casuale &casuale, const ParoleDellaLista &parole, bool conImmagine) const;

private:
    QHash<QString, int> caselle_;
};
