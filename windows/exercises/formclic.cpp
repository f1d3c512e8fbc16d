#include "windows/exercises/formclic.h"

#include "core/stato.h"
#include "core/voce.h"
#include "windows/exercises/pulsanteavanti.h"

FormClic::FormClic(IdFinestra id, int k, EsercizioClic::Modo modo, const CorniceEsercizio &cornice,
                   const Contesto &c, Navigazione &n)
    : FormEsercizio(id, cornice, c, n), esercizio_(k, modo)
{
}

void FormClic::rispondi(int Index)
{
    switch (esercizio_.rispondi(Index)) {
    case EsercizioClic::Esito::Ignorata:
        return;
    case EsercizioClic::Esito::Sbagliata:
        SegnaErrato();
        return;
    case EsercizioClic::Esito::Giusta:
        break;
    }
    // The word the child has just found, heard at once, the cheerful sound after it.
    RispostaGiusta(ctx.stato, ctx.ambiente, ctx.casuale, ctx.suoni, esercizio_.parola(ctx.stato, esercizio_.Estratto));
    SegnaEsatto();
    Command1->setEnabled(true);
    segnaGiusta(Index);
    abilitaRisposte(false);
}

void FormClic::ripeti()
{
    // Only once it has been found: before, the child must read, not listen.
    if (Command1->isEnabled())
        LeggiParola(ctx.stato, ctx.ambiente, ctx.suoni, esercizio_.parola(ctx.stato, esercizio_.Estratto));
}

void FormClic::ripetiSeGiusta(int Index)
{
    if (Index == esercizio_.Estratto)
        ripeti();
}

void FormClic::Command1_Click()
{
    Command1->setEnabled(false);
    togliSegno();
    abilitaRisposte(true);
    GeneraEsercizio();
}

void FormClic::abilitaRisposte(bool abilitate)
{
    const auto controlli = risposte();
    for (QWidget *w : controlli)
        w->setEnabled(abilitate);
}
