#include "windows/exercises/formunnomeimmagini.h"

#include "core/colori.h"
#include "core/paroleliste.h"
#include "core/stato.h"
#include "core/suoni.h"
#include "windows/exercises/controlliesercizio.h"
#include "windows/icone.h"
#include "windows/riquadroimmagine.h"

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

FormUnNomeImmagini::FormUnNomeImmagini(IdFinestra id, int k, const Contesto &c, GestoreFinestre &g)
    : FormEsercizio(id, disposizione(k).cornice, c, g), esercizio_(k)
{
    const Disposizione d = disposizione(esercizio_.k());
    for (int i = 0; i < esercizio_.k(); ++i) {
        const QRect &r = d.immagini[i];
        auto *immagine = controllo(new RiquadroImmagine(area()), QStringLiteral("Image1_%1").arg(i), r.left(), r.top(),
                                   r.width(), r.height());
        immagine->setProperty("Index", i);
        immagine->setCursor(icone::cursoreFrecciaGrande());
        connect(immagine, &RiquadroImmagine::clicked, this, [this, i] { Image1_Click(i); });
        Image1.append(immagine);
    }
    // Created after the pictures, so it is drawn over them.
    Shape1 = controllo(new CorniceRossa(area()), QStringLiteral("Shape1"), d.shape1.left(), d.shape1.top(),
                       d.shape1.width(), d.shape1.height());
    Shape1->hide();

    Label1 = controllo(new QLabel(QStringLiteral("Label1"), area()), QStringLiteral("Label1"), d.label1.left(),
                       d.label1.top(), d.label1.width(), d.label1.height());
    PreparaEtichettaParola(Label1, 27.75);
}

QList<QWidget *> FormUnNomeImmagini::controlliParola() const
{
    return {Label1};
}

void FormUnNomeImmagini::GeneraEsercizio()
{
    const bool pronto = esercizio_.genera(ctx.stato, ctx.casuale);
    for (int i = 0; i < esercizio_.k(); ++i) {
        // A list too short for this window shows empty boxes and nothing to click.
        Image1[i]->CaricaFile(pronto ? PercorsoImmagine(ctx.ambiente, EsercizioClic::parola(ctx.stato, i)) : QString());
        Image1[i]->setEnabled(pronto);
    }
    Label1->setText(pronto ? EsercizioClic::parola(ctx.stato, ctx.stato.Estratto) : QString());
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));
}

void FormUnNomeImmagini::Image1_Click(int Index)
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
    Shape1->show();
    posizionaShape1(Index);
    for (RiquadroImmagine *immagine : std::as_const(Image1))
        immagine->setEnabled(false);
}

void FormUnNomeImmagini::posizionaShape1(int Index)
{
    const QRect r = Image1[Index]->geometry();
    Shape1->move(r.left(), r.top());
}

void FormUnNomeImmagini::Command1_Click()
{
    Command1->setEnabled(false);
    Shape1->hide();
    for (RiquadroImmagine *immagine : std::as_const(Image1))
        immagine->setEnabled(true);
    GeneraEsercizio();
}

void FormUnNomeImmagini::resizeEvent(QResizeEvent *event)
{
    FormEsercizio::resizeEvent(event);
    // Rescaling puts every control back at its design place: the frame goes
    // back round the right picture.
    if (Shape1 && Shape1->isVisibleTo(this) && ctx.stato.Estratto >= 0 && ctx.stato.Estratto < Image1.size())
        posizionaShape1(ctx.stato.Estratto);
}
