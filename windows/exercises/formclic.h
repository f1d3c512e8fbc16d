#pragma once

#include "core/esercizioclic.h"
#include "windows/exercises/formesercizio.h"

// What the click exercises share (one name and k pictures, k names and one
// picture): the rule, the answer check and "avanti". A family shows the words,
// marks the right answer its own way and says which controls answer.
class FormClic : public FormEsercizio
{
    Q_OBJECT
public:
    int k() const { return esercizio_.k(); }
    const EsercizioClic &esercizio() const { return esercizio_; }
    Conteggio &conteggio() override { return esercizio_.conteggio; }
    using FormEsercizio::conteggio;

protected:
    FormClic(const Attivita &attivita, int k, EsercizioClic::Modo modo, const CorniceEsercizio &cornice,
             const Contesto &contesto, Navigazione &navigazione);

    // The answer check of a click on answer `Index`.
    void rispondi(int Index);
    void Command1_Click() override;

    // The k controls that answer, by index.
    virtual QList<QWidget *> risposte() const = 0;
    // Marks the right answer (the red frame, the yellow name), or takes the mark away.
    virtual void segnaGiusta(int Index) = 0;
    virtual void togliSegno() = 0;

    void abilitaRisposte(bool abilitate);
    // A tap on the right word or picture once it has been found says the word again.
    void ripeti();
    void ripetiSeGiusta(int Index);

    EsercizioClic esercizio_;
};
