#include "windows/exercises/formnomiunaimmagine.h"

#include "core/colori.h"
#include "core/paroleliste.h"
#include "core/sessione.h"
#include "windows/exercises/etichettaparola.h"
#include "windows/icone.h"
#include "windows/riquadroimmagine.h"
#include "windows/rilevatoreclic.h"

#include <QLabel>

namespace {

const QColor Bianco(255, 255, 255);
const QColor Giallo(255, 255, 0);

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

FormNomiUnaImmagine::FormNomiUnaImmagine(const Attivita &attivita, const Contesto &c, Navigazione &n)
    : FormClic(attivita, attivita.nomi, EsercizioClic::Modo::NomiUnaImmagine, disposizione(attivita.nomi).cornice, c,
               n)
{
    const Disposizione d = disposizione(this->k());
    Image1 = controllo(new RiquadroImmagine(area()), QStringLiteral("Image1"), d.image1);
    connect(Image1, &RiquadroImmagine::clicked, this, &FormNomiUnaImmagine::ripeti);
    for (int i = 0; i < this->k(); ++i) {
        auto *nome = controllo(new QLabel(QStringLiteral("Label1"), area()), QStringLiteral("Label1_%1").arg(i), d.nomi[i]);
        nome->setProperty("Index", i);
        PreparaEtichettaParola(nome, 27.75);
        nome->setCursor(icone::cursoreFrecciaGrande());
        auto *rilevatore = new RilevatoreClic(nome);
        connect(rilevatore, &RilevatoreClic::clicked, this, [this, i] { rispondi(i); });
        // Found, the yellow name says itself again.
        connect(rilevatore, &RilevatoreClic::toccato, this, [this, i] { ripetiSeGiusta(i); });
        Label1.append(nome);
    }
}

QList<QWidget *> FormNomiUnaImmagine::controlliParola() const
{
    return QList<QWidget *>(Label1.begin(), Label1.end());
}

void FormNomiUnaImmagine::GeneraEsercizio()
{
    const bool pronto = esercizio_.genera(parole(), ctx.casuale, ctx.sessione.ripassoInUso());
    Image1->CaricaFile(pronto ? PercorsoImmagine(ctx.ambiente, esercizio_.parola(ctx.sessione.lista, esercizio_.Estratto))
                              : QString());
    for (int i = 0; i < k(); ++i) {
        Label1[i]->setText(pronto ? esercizio_.parola(ctx.sessione.lista, i) : QString());
        ColoraEtichetta(Label1[i], Bianco);
    }
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));
    itemMostrato();
    if (!pronto) {
        abilitaRisposte(false);
        listaTroppoCorta();
    }
}

void FormNomiUnaImmagine::segnaGiusta(int Index)
{
    // Yellow, and a thick black edge that shows it on the yellow background too.
    ColoraEtichetta(Label1[Index], Giallo);
    Label1[Index]->setLineWidth(std::max(3, Label1[Index]->height() / 14));
}

void FormNomiUnaImmagine::togliSegno()
{
    for (QLabel *nome : std::as_const(Label1)) {
        ColoraEtichetta(nome, Bianco);
        nome->setLineWidth(1);
    }
}
