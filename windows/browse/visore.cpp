#include "windows/browse/visore.h"

#include "core/avvio.h"
#include "core/casuale.h"
#include "core/colori.h"
#include "core/paroleliste.h"
#include "core/stato.h"
#include "windows/icone.h"
#include "windows/pulsanteicona.h"
#include "windows/riquadroimmagine.h"

#include <QMenuBar>

Visore::Visore(IdFinestra id, const Progetto &p, const Contesto &c, GestoreFinestre &g) : Finestra(id, c, g)
{
    // The menu bar first: the window's height counts it.
    mnuInformazioni = menuBar()->addAction(QStringLiteral("Informazioni") + QString(p.spaziInformazioni, QLatin1Char(' ')));
    mnuInformazioni->setObjectName(QString::fromLatin1(p.nomeMenuInformazioni));
    connect(mnuInformazioni, &QAction::triggered, this, [this] { MostraCrediti(ctx.dialoghi); });
    mnuEsci = menuBar()->addAction(QStringLiteral("Esci"));
    mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    connect(mnuEsci, &QAction::triggered, this, &Visore::mnuEsci_Click);

    impostaAreaProgetto(p.area.width(), p.area.height());

    const QRect &i = p.immagine;
    Image1 = controllo(new RiquadroImmagine(area()), QStringLiteral("Image1"), i.x(), i.y(), i.width(), i.height());

    const QRect &b = p.pulsante;
    Command1 = controllo(new PulsanteIcona(QString(), QIcon(icone::frecciaAvanti(128)), area()), QStringLiteral("Command1"),
                         b.x(), b.y(), b.width(), b.height());
    Command1->setCursor(icone::cursoreFreccia());
    connect(Command1, &QPushButton::clicked, this, &Visore::Command1_Click);
}

int Visore::estrai()
{
    Stato &s = ctx.stato;
    // An empty list has no word to draw; the menu never opens a viewer on one.
    s.Estratto = s.NumeroParole > 0 ? static_cast<qint16>(ctx.casuale.posizione(s.NumeroParole)) : qint16(0);
    return s.Estratto;
}

void Visore::CaricaImmagine()
{
    const int n = estrai();
    Image1->CaricaFile(n > 0 ? PercorsoImmagine(ctx.ambiente, ctx.stato.Parole[n]) : QString());
}

void Visore::Form_Activate()
{
    CaricaImmagine();
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));
}

void Visore::Command1_Click()
{
    CaricaImmagine();
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));
}

void Visore::mnuEsci_Click()
{
    tornaAlMenu();
}

void Visore::richiestaChiusura()
{
    // The base already answers after the close request is over.
    mnuEsci_Click();
}
