#pragma once

#include "core/conteggio.h"

#include <QString>
#include <QtGlobal>

#include <array>

class ListaInUso;
class Casuale;
class ParoleDellaLista;
class Ripasso;

// The rule of the click exercises (one name and k pictures, k names and one
// picture): which words are shown, which one is right, and how an answer is
// judged. The windows only show it and forward the clicks.
class EsercizioClic
{
public:
    enum class Esito { Ignorata, Sbagliata, Giusta };
    // One name and k pictures: every word shows its picture. k names and one
    // picture: only the right word's picture is shown.
    enum class Modo { UnNomeImmagini, NomiUnaImmagine };

    EsercizioClic(int k, Modo modo);
    int k() const { return k_; }

    // Draws the k words into Scelta, then the right one into Estratto; a word
    // whose picture is shown always has one. With too few words in the list
    // nothing is drawn and the result is false. With a `ripasso`, the word to
    // find is now and then one the child missed: already on show, it becomes
    // the one to find; otherwise it takes the place of the one drawn.
    bool genera(const ParoleDellaLista &parole, Casuale &casuale, const Ripasso *ripasso = nullptr);
    // The answer at `indice`: right when it is Estratto, which ends the
    // exercise; once it has ended, further answers are ignored. Each answer
    // that counts is counted.
    Esito rispondi(int indice);
    // Waiting for the right answer.
    bool inAttesa() const { return inAttesa_; }
    // The right answer of this item has been given.
    bool trovata() const { return trovata_; }

    // The word shown at index 0..k-1, as stored in the list.
    QString parola(const ListaInUso &lista, int indice) const;

    Conteggio conteggio;

    // Positions in the list of the words shown at index 0..k-1 (Scelta1..Scelta4).
    std::array<qint16, 4> Scelta{};
    // Index (0..k-1) of the word the child has to find.
    qint16 Estratto = 0;

private:
    int k_;
    Modo modo_;
    bool inAttesa_ = false;
    bool trovata_ = false;
};
