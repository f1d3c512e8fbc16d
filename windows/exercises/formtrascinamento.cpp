#include "windows/exercises/formtrascinamento.h"

#include "core/colori.h"
#include "core/dialoghi.h"
#include "core/paroleliste.h"
#include "windows/scaling/clsresize.h"
#include "core/sessione.h"
#include "core/voce.h"
#include "windows/exercises/etichettaparola.h"
#include "windows/exercises/nometrascinabile.h"
#include "windows/exercises/pulsanteavanti.h"
#include "windows/navigazione.h"
#include "windows/icone.h"
#include "windows/riquadroimmagine.h"
#include "windows/rilevatoreclic.h"

#include <QLabel>

#include <cmath>

namespace {

struct Progetto
{
    CorniceEsercizio cornice;
    double punti; // type size of names and boxes
    QRect immagini[abbinamenti::MassimoCoppie];
    QRect riquadri[abbinamenti::MassimoCoppie];
    QRect nomi[abbinamenti::MassimoCoppie];
};

CorniceEsercizio cornice(int coppie, int larghezza, int altezza)
{
    CorniceEsercizio c;
    c.larghezza = larghezza;
    c.altezza = altezza;
    c.facce = {1200, 6600, 1095, 975};
    c.esatti = {2640, 6960, 735, 375};
    c.etichettaEsatti = {3480, 6855, 975, 615};
    c.errati = {4680, 6975, 735, 495};
    c.etichettaErrati = {5520, 6855, 855, 615};
    c.avanti = {8880, 6480, 1965, 1140};
    c.indiceErrati = coppie;
    c.primoEsercizioDopoAttivazione = true;
    return c;
}

// Design geometry in twips.
Progetto progetto(int coppie)
{
    if (coppie == 2)
        return {cornice(2, 11265, 8130),
                27.75,
                {{960, 240, 2880, 2640}, {6960, 240, 2880, 2640}, {}},
                {{100, 3360, 4995, 900}, {5800, 3360, 4995, 900}, {}},
                {{100, 4815, 4995, 900}, {5800, 4800, 4995, 900}, {}}};
    return {cornice(3, 11445, 7965),
            24,
            {{360, 240, 3195, 2760}, {4080, 240, 3075, 2760}, {7680, 240, 3195, 2760}},
            {{200, 3615, 3400, 850}, {3900, 3615, 3400, 850}, {7605, 3600, 3405, 855}},
            {{200, 4650, 3400, 850}, {3900, 4650, 3400, 850}, {7600, 4650, 3400, 850}}};
}

} // namespace

FormTrascinamento::FormTrascinamento(const Attivita &attivita, const Contesto &c, Navigazione &n)
    : FormEsercizio(attivita, progetto(attivita.nomi).cornice, c, n), esercizio_(attivita.nomi)
{
    const Progetto p = progetto(coppie());
    for (int i = 0; i < coppie(); ++i) {
        const QRect &r = p.immagini[i];
        auto *immagine = controllo(new RiquadroImmagine(area()), QStringLiteral("Image1_%1").arg(i), r.left(), r.top(),
                                   r.width(), r.height());
        immagine->setProperty("Index", i);
        Image1.append(immagine);
    }
    for (int i = 0; i < coppie(); ++i) {
        const QRect &r = p.riquadri[i];
        auto *riquadro = controllo(new QLabel(area()), QStringLiteral("Label2_%1").arg(i), r.left(), r.top(),
                                   r.width(), r.height());
        riquadro->setProperty("Index", i);
        PreparaEtichettaParola(riquadro, p.punti);
        riquadro->setCursor(icone::cursoreFrecciaGrande());
        // A name placed in its box says itself again at a tap; an empty box says nothing.
        connect(new RilevatoreClic(riquadro), &RilevatoreClic::toccato, this,
                [this, riquadro] { LeggiParola(ctx.sessione, ctx.ambiente, ctx.suoni, riquadro->text()); });
        Label2Riquadri.append(riquadro);
    }
    for (int i = 0; i < coppie(); ++i) {
        const QRect &r = p.nomi[i];
        auto *nome = controllo(new NomeTrascinabile(area()), QStringLiteral("Label1_%1").arg(i), r.left(), r.top(),
                               r.width(), r.height());
        nome->setProperty("Index", i);
        PreparaEtichettaParola(nome, p.punti);
        nome->setFrameShape(QFrame::NoFrame);
        // The scaling leaves a name's left alone: only the slots place it.
        nome->setProperty("Tag", QStringLiteral("@TWH"));
        Label1.append(nome);
    }
    // "Errati" takes drops too: every name dropped there is wrong.
    trascinamento_ = new TrascinamentoNomi(area(), QList<NomeTrascinabile *>(Label1.begin(), Label1.end()),
                                           QList<QLabel *>(Label2Riquadri.begin(), Label2Riquadri.end()), Label2);
    connect(trascinamento_, &TrascinamentoNomi::rilasciato, this, &FormTrascinamento::Label2_DragDrop);
}

QList<QWidget *> FormTrascinamento::controlliParola() const
{
    QList<QWidget *> out(Label1.begin(), Label1.end());
    for (QLabel *r : Label2Riquadri)
        out.append(r);
    return out;
}

void FormTrascinamento::prendiSlot()
{
    // The slots are where the scaling puts the names in design order.
    double rapporto = 1.0;
    if (const clsResize *s = scalatore(); s && s->registrato() && s->dimensioneProgetto().width() > 0)
        rapporto = static_cast<double>(area()->width()) / s->dimensioneProgetto().width();
    const Progetto p = progetto(coppie());
    const auto sinistra = [&](int i) { return static_cast<int>(std::lround(twip(p.nomi[i].left()) * rapporto)); };
    sinistraPrimoNome_ = sinistra(0);
    distanzaNomi_ = sinistra(1) - sinistra(0);
}

void FormTrascinamento::disponiNomi()
{
    if (!estrazione_.valida())
        return;
    for (int s = 0; s < coppie(); ++s) {
        NomeTrascinabile *nome = Label1[abbinamenti::nomeNelloSlot(coppie(), estrazione_.Estratto, s)];
        nome->move(abbinamenti::sinistraSlot(sinistraPrimoNome_, distanzaNomi_, s), nome->y());
    }
}

void FormTrascinamento::preparaPrimoEsercizio()
{
    prendiSlot();
}

void FormTrascinamento::resizeEvent(QResizeEvent *event)
{
    FormEsercizio::resizeEvent(event);
    // Laid out again: the names follow, each keeping its slot.
    prendiSlot();
    disponiNomi();
}

void FormTrascinamento::GeneraEsercizio()
{
    for (QLabel *r : std::as_const(Label2Riquadri))
        r->setText(QString());
    esercizio_.ricomincia();

    const ListaInUso &lista = ctx.sessione.lista;
    const abbinamenti::Estrazione e = abbinamenti::estrai(ctx.casuale, coppie(), parole(), ctx.sessione.ripassoInUso());
    if (!e.valida()) {
        for (NomeTrascinabile *n : std::as_const(Label1)) {
            n->setText(QString());
            n->setEnabled(false);
        }
        listaTroppoCorta();
        return;
    }
    estrazione_ = e;
    for (int i = 0; i < coppie(); ++i)
        Image1[i]->CaricaFile(PercorsoImmagine(ctx.ambiente, lista.Parole(e.Scelta[i])));
    disponiNomi();
    for (int i = 0; i < coppie(); ++i)
        Label1[i]->setText(lista.Parole(e.Scelta[i]));

    impostaColoreSfondo(ColoreCasuale(ctx.casuale));
    itemMostrato();
}

void FormTrascinamento::Command1_Click()
{
    Command1->setEnabled(false);
    for (NomeTrascinabile *n : std::as_const(Label1))
        n->ripristina();
    GeneraEsercizio();
}

void FormTrascinamento::Label2_DragDrop(int Index, int nome)
{
    const abbinamenti::Esito esito = esercizio_.rilascia(nome, Index);
    if (esito == abbinamenti::Esito::Nessuno)
        return;
    // The word asked is the picture's over the box; the "Errati" caption asks none.
    const ListaInUso &lista = ctx.sessione.lista;
    const QString chiesta = Index < coppie() ? lista.Parole(estrazione_.Scelta[Index]) : QString();
    registraRisposta(chiesta, lista.Parole(estrazione_.Scelta[nome]), esito != abbinamenti::Esito::Sbagliato);
    switch (esito) {
    case abbinamenti::Esito::Nessuno:
        return;
    case abbinamenti::Esito::Sbagliato:
        // The name stays in its slot and can be dragged again.
        SegnaErrato();
        return;
    case abbinamenti::Esito::Giusto:
    case abbinamenti::Esito::Completo:
        break;
    }
    Label2Riquadri[Index]->setText(Label1[Index]->text());
    // The emptied slot stays in view, plainly no box to drop on any more.
    Label1[Index]->svuota();
    // The name heard at once, the cheerful sound after it.
    RispostaGiusta(ctx.sessione, ctx.ambiente, ctx.casuale, ctx.suoni, Label2Riquadri[Index]->text());
    if (esercizio_.completo()) {
        SegnaEsatto();
        Command1->setEnabled(true);
    }
}
