#pragma once

#include <QString>

struct Stato;
class Casuale;

// The rule of the click exercises (one name and k pictures, k names and one
// picture): which words are shown, which one is right, and how an answer is
// judged. The windows only show it and forward the clicks.
class EsercizioClic
{
public:
    enum class Esito { Ignorata, Sbagliata, Giusta };

    explicit EsercizioClic(int k);
    int k() const { return k_; }

    // Draws k words at distinct list positions into Scelta1.. in turn, each
    // drawn again while it equals an earlier one, then the right index into
    // Estratto. With fewer than k words in the list distinct positions cannot
    // be found: nothing is drawn and the result is false.
    bool genera(Stato &stato, Casuale &casuale);
    // The answer at `indice`: right when it is Estratto, which ends the
    // exercise; once it has ended, further answers are ignored.
    Esito rispondi(const Stato &stato, int indice);
    // Waiting for the right answer.
    bool inAttesa() const { return inAttesa_; }

    // The list position shown at index 0..3 (Scelta1..Scelta4).
    static qint16 &scelta(Stato &stato, int indice);
    static qint16 scelta(const Stato &stato, int indice);
    // The word shown at index 0..3, as stored in the list.
    static QString parola(const Stato &stato, int indice);

private:
    int k_;
    bool inAttesa_ = false;
};
