#include "windows/exercises/formunnomeimmagini.h"

#include "core/colori.h"
#include "core/paroleliste.h"
#include "core/sessione.h"
#include "windows/exercises/cornicerossa.h"
#include "windows/exercises/etichettaparola.h"
#include "windows/icone.h"
#include "windows/riquadroimmagine.h"
#include "windows/rilevatoreclic.h"

#include <QLabel>

namespace {

struct Disposizione
{
    CorniceEsercizio cornice;
    QRect immagini[4];
    QRect shape1;
    QRect label1;
};

// Design geometry in twips. In Form3 the fourth picture of the top row is
// Image1(3); Image1(2) stands below Image1(0).
Disposizione disposizione(int k)
{
    switch (k) {
    case 2:
        return {CorniceEsercizio::clic(9810, 7125, {480, 5280, 1095, 975}, {1680, 5640, 735, 375}, {2520, 5535, 975, 615},
                        {3720, 5655, 735, 495}, {4560, 5535, 855, 615}, {6840, 5280, 1725, 900}),
                {{840, 480, 2790, 2670}, {5400, 480, 2790, 2670}, {}, {}},
                {840, 480, 2775, 2655},
                {1560, 3600, 5520, 1095}};
    case 3:
        return {CorniceEsercizio::clic(10545, 7200, {1200, 5400, 1095, 975}, {2640, 5760, 735, 375}, {3480, 5655, 975, 615},
                        {4680, 5775, 735, 495}, {5520, 5655, 855, 615}, {8040, 5520, 1725, 900}),
                {{480, 360, 2700, 2715}, {3840, 360, 2700, 2715}, {7080, 360, 2700, 2715}, {}},
                {480, 360, 2775, 2775},
                {1800, 3840, 6480, 1095}};
    default:
        return {CorniceEsercizio::clic(11370, 7830, {1200, 6600, 1095, 975}, {2640, 6960, 735, 375}, {3480, 6855, 975, 615},
                        {4680, 6975, 735, 495}, {5520, 6855, 855, 615}, {7440, 6600, 2685, 900}),
                {{720, 240, 2790, 2700}, {3960, 240, 2790, 2700}, {720, 3480, 2790, 2700}, {7200, 240, 2790, 2700}},
                {720, 240, 2775, 2775},
                {3840, 4440, 6000, 1095}};
    }
}

} // namespace

FormUnNomeImmagini::FormUnNomeImmagini(const Attivita &attivita, const Contesto &c, Navigazione &n)
    : FormClic(attivita, attivita.immagini, EsercizioClic::Modo::UnNomeImmagini, disposizione(attivita.immagini).cornice,
               c, n)
{
    const Disposizione d = disposizione(this->k());
    for (int i = 0; i < this->k(); ++i) {
        auto *immagine = controllo(new RiquadroImmagine(area()), QStringLiteral("Image1_%1").arg(i), d.immagini[i]);
        immagine->setProperty("Index", i);
        immagine->setCursor(icone::cursoreFrecciaGrande());
        connect(immagine, &RiquadroImmagine::clicked, this, [this, i] { rispondi(i); });
        // Found, the framed picture says its word again.
        connect(immagine, &RiquadroImmagine::toccato, this, [this, i] { ripetiSeGiusta(i); });
        Image1.append(immagine);
    }
    // Created after the pictures, so it is drawn over them.
    Shape1 = controllo(new CorniceRossa(area()), QStringLiteral("Shape1"), d.shape1);
    Shape1->hide();

    Label1 = controllo(new QLabel(QStringLiteral("Label1"), area()), QStringLiteral("Label1"), d.label1);
    PreparaEtichettaParola(Label1, 27.75);
    connect(new RilevatoreClic(Label1), &RilevatoreClic::toccato, this, &FormUnNomeImmagini::ripeti);
}

QList<QWidget *> FormUnNomeImmagini::controlliParola() const
{
    return {Label1};
}

QList<QWidget *> FormUnNomeImmagini::risposte() const
{
    return QList<QWidget *>(Image1.begin(), Image1.end());
}

void FormUnNomeImmagini::GeneraEsercizio()
{
    const bool pronto = esercizio_.genera(parole(), ctx.casuale, ctx.sessione.ripassoInUso());
    for (int i = 0; i < k(); ++i)
        Image1[i]->CaricaFile(pronto ? PercorsoImmagine(ctx.ambiente, esercizio_.parola(ctx.sessione.lista, i)) : QString());
    Label1->setText(pronto ? esercizio_.parola(ctx.sessione.lista, esercizio_.Estratto) : QString());
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));
    itemMostrato();
    if (!pronto) {
        abilitaRisposte(false);
        listaTroppoCorta();
    }
}

void FormUnNomeImmagini::segnaGiusta(int Index)
{
    Shape1->show();
    Shape1->move(Image1[Index]->pos());
}

void FormUnNomeImmagini::togliSegno()
{
    Shape1->hide();
}

void FormUnNomeImmagini::resizeEvent(QResizeEvent *event)
{
    FormClic::resizeEvent(event);
    // Rescaling puts every control back at its design place: the frame goes
    // back round the right picture.
    if (Shape1 && Shape1->isVisibleTo(this))
        Shape1->move(Image1[esercizio_.Estratto]->pos());
}
