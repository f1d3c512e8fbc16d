#include "windows/exercises/formclic.h"

#include "core/sessione.h"
#include "core/voce.h"
#include "windows/exercises/pulsanteavanti.h"

FormClic::FormClic(const Attivita &attivita, int k, EsercizioClic::Modo modo, const CorniceEsercizio &cornice,
                   const Contesto &c, Navigazione &n)
    : FormEsercizio(attivita, cornice, c, n), esercizio_(k, modo)
{
}

void FormClic::rispondi(int Index)
{
    const EsercizioClic::Esito esito = esercizio_.rispondi(Index);
    if (esito == EsercizioClic::Esito::Ignorata)
        return;
    const ListaInUso &lista = ctx.sessione.lista;
    registraRisposta(esercizio_.parola(lista, esercizio_.Estratto), esercizio_.parola(lista, Index),
                     esito == EsercizioClic::Esito::Giusta);
    if (esito == EsercizioClic::Esito::Sbagliata) {
        SegnaErrato();
        return;
    }
    // The word the child has just found, heard at once, the cheerful sound after it.
    RispostaGiusta(ctx.sessione, ctx.ambiente, ctx.casuale, ctx.suoni, esercizio_.parola(lista, esercizio_.Estratto));
    SegnaEsatto();
    Command1->setEnabled(true);
    segnaGiusta(Index);
    abilitaRisposte(false);
}

void FormClic::ripeti()
{
    // Only once it has been found: before, the child must read, not listen.
    if (esercizio_.trovata())
        LeggiParola(ctx.sessione, ctx.ambiente, ctx.suoni, esercizio_.parola(ctx.sessione.lista, esercizio_.Estratto));
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
