#include "windows/exercises/formnomiunaimmagine.h"

#include "core/colori.h"
#include "core/paroleliste.h"
#include "core/stato.h"
#include "core/suoni.h"
#include "windows/exercises/controlliesercizio.h"
#include "windows/icone.h"
#include "windows/riquadroimmagine.h"

namespace {

const QColor kBianco(255, 255, 255);
const QColor kGiallo(255, 255, 0);

struct Disposizione
{
    CorniceEsercizio cornice;
    QRect image1;
    QRect nomi[4];
};

// Design geometry in twips: Form4 has its two names in a row under the
// picture, Form5 and Form6 a column of names at the right of it.
Disposizione disposizione(int k)
{
    switch (k) {
    case 2:
        return {CorniceEsercizio::clic(10410, 7665, {1200, 6120, 1095, 975}, {2640, 6480, 735, 375}, {3480, 6375, 975, 615},
                        {4680, 6495, 735, 495}, {5520, 6375, 855, 615}, {7200, 6120, 1725, 900}),
                {3600, 360, 3315, 3105},
                {{840, 4080, 3945, 1005}, {5280, 4080, 3945, 1005}, {}, {}}};
    case 3:
        return {CorniceEsercizio::clic(10680, 7125, {1200, 5160, 1095, 975}, {2640, 5520, 735, 375}, {3480, 5415, 975, 615},
                        {4680, 5535, 735, 495}, {5520, 5415, 855, 615}, {8160, 5640, 1965, 1140}),
                {840, 360, 3195, 3345},
                {{4680, 360, 5505, 1005}, {4680, 1800, 5505, 1005}, {4680, 3240, 5505, 1005}, {}}};
    default:
        return {CorniceEsercizio::clic(10755, 7740, {840, 6360, 1095, 975}, {2280, 6720, 735, 375}, {3120, 6615, 975, 615},
                        {4320, 6735, 735, 495}, {5280, 6600, 855, 615}, {7920, 6360, 1965, 1140}),
                {1080, 720, 3315, 3345},
                {{4920, 360, 4500, 1005}, {4920, 1800, 4500, 1005}, {4920, 3240, 4500, 1005}, {4920, 4680, 4500, 1005}}};
    }
}

} // namespace

FormNomiUnaImmagine::FormNomiUnaImmagine(IdFinestra id, int k, const Contesto &c, GestoreFinestre &g)
    : FormEsercizio(id, disposizione(k).cornice, c, g), esercizio_(k)
{
    const Disposizione d = disposizione(esercizio_.k());
    Image1 = controllo(new RiquadroImmagine(area()), QStringLiteral("Image1"), d.image1.left(), d.image1.top(),
                       d.image1.width(), d.image1.height());
    for (int i = 0; i < esercizio_.k(); ++i) {
        const QRect &r = d.nomi[i];
        auto *nome = controllo(new EtichettaCliccabile(area()), QStringLiteral("Label1_%1").arg(i), r.left(), r.top(),
                               r.width(), r.height());
        nome->setText(QStringLiteral("Label1"));
        nome->setProperty("Index", i);
        PreparaEtichettaParola(nome, 27.75);
        nome->setCursor(icone::cursoreFrecciaGrande());
        connect(nome, &EtichettaCliccabile::clicked, this, [this, i] { Label1_Click(i); });
        Label1.append(nome);
    }
}

QList<QWidget *> FormNomiUnaImmagine::controlliParola() const
{
    QList<QWidget *> out;
    for (EtichettaCliccabile *nome : Label1)
        out.append(nome);
    return out;
}

void FormNomiUnaImmagine::GeneraEsercizio()
{
    const bool pronto = esercizio_.genera(ctx.stato, ctx.casuale);
    Image1->CaricaFile(pronto ? PercorsoImmagine(ctx.ambiente, EsercizioClic::parola(ctx.stato, ctx.stato.Estratto))
                              : QString());
    for (int i = 0; i < esercizio_.k(); ++i) {
        Label1[i]->setText(pronto ? EsercizioClic::parola(ctx.stato, i) : QString());
        ColoraEtichetta(Label1[i], kBianco);
        // A list too short for this window leaves nothing to click.
        if (!pronto)
            Label1[i]->setEnabled(false);
    }
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));
}

void FormNomiUnaImmagine::Label1_Click(int Index)
{
    switch (esercizio_.rispondi(ctx.stato, Index)) {
    case EsercizioClic::Esito::Ignorata:
        return;
    case EsercizioClic::Esito::Sbagliata:
        SegnaErrato();
        return;
    case EsercizioClic::Esito::Giusta:
        break;
    }
    SuonoGiusto(ctx.stato, ctx.ambiente, ctx.casuale, ctx.suoni);
    SegnaEsatto();
    Command1->setEnabled(true);
    ColoraEtichetta(Label1[Index], kGiallo);
    for (EtichettaCliccabile *nome : std::as_const(Label1))
        nome->setEnabled(false);
}

void FormNomiUnaImmagine::Command1_Click()
{
    for (EtichettaCliccabile *nome : std::as_const(Label1)) {
        nome->setEnabled(true);
        ColoraEtichetta(nome, kBianco);
    }
    Command1->setEnabled(false);
    GeneraEsercizio();
}
