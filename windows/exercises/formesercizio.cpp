#include "windows/exercises/formesercizio.h"

#include "core/avvio.h"
#include "core/carattere.h"
#include "core/dialoghi.h"
#include "core/scaling/clsresize.h"
#include "core/stato.h"
#include "core/suoni.h"
#include "windows/exercises/controlliesercizio.h"
#include "windows/gestorefinestre.h"
#include "windows/icone.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {
QRect twips(const QRect &r)
{
    return Finestra::twip(r.left(), r.top(), r.width(), r.height());
}
} // namespace

FormEsercizio::FormEsercizio(IdFinestra id, const CorniceEsercizio &cornice, const Contesto &c, GestoreFinestre &g)
    : Finestra(id, c, g), cornice_(cornice)
{
    // The menu bar first, so that the window's height makes room for it.
    QMenuBar *barra = menuBar();
    // The window repaints itself in a new colour at every exercise; the menu bar keeps the usual one.
    QPalette pb = barra->palette();
    pb.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    pb.setColor(QPalette::Button, QApplication::palette().color(QPalette::Button));
    barra->setPalette(pb);
    barra->setAutoFillBackground(true);

    mnuAzzera = barra->addAction(QStringLiteral("Azzera conteggio     "));
    mnuAzzera->setObjectName(QStringLiteral("mnuAzzera"));
    connect(mnuAzzera, &QAction::triggered, this, &FormEsercizio::mnuAzzera_Click);
    Informazioni = barra->addAction(TestoMenuInformazioni(id));
    Informazioni->setObjectName(NomeMenuInformazioni(id));
    connect(Informazioni, &QAction::triggered, this, [this] { MostraCrediti(ctx.dialoghi); });
    mnuEsci = barra->addAction(QStringLiteral("Esci"));
    mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    connect(mnuEsci, &QAction::triggered, this, &FormEsercizio::mnuEsci_Click);

    impostaAreaProgetto(cornice.larghezza, cornice.altezza);

    ComandoIconaSi = new Faccia(icone::facciaSi, area());
    ComandoIconaSi->setObjectName(QStringLiteral("ComandoIconaSi"));
    ComandoIconaSi->setGeometry(twips(cornice.facce));
    ComandoIconaNo = new Faccia(icone::facciaNo, area());
    ComandoIconaNo->setObjectName(QStringLiteral("ComandoIconaNo"));
    ComandoIconaNo->setGeometry(twips(cornice.facce));
    ComandoIconaNo->hide();

    const QFont didascalie = carattere(QStringLiteral("Arial"), 12, true);

    Label3 = new QLabel(QStringLiteral("Esatti"), area());
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twips(cornice.esatti));
    Label3->setFont(didascalie);

    EtichettaEsatti = new QLabel(QStringLiteral("quantiesatti"), area());
    EtichettaEsatti->setObjectName(QStringLiteral("EtichettaEsatti"));
    EtichettaEsatti->setGeometry(twips(cornice.etichettaEsatti));

    Label2 = new QLabel(QStringLiteral("Errati"), area());
    if (cornice.indiceErrati >= 0) {
        Label2->setObjectName(QStringLiteral("Label2_%1").arg(cornice.indiceErrati));
        Label2->setProperty("Index", cornice.indiceErrati);
    } else {
        Label2->setObjectName(QStringLiteral("Label2"));
    }
    Label2->setGeometry(twips(cornice.errati));
    Label2->setFont(didascalie);

    EtichettaErrati = new QLabel(QStringLiteral("quantierrati"), area());
    EtichettaErrati->setObjectName(QStringLiteral("EtichettaErrati"));
    EtichettaErrati->setGeometry(twips(cornice.etichettaErrati));

    for (QLabel *numero : {EtichettaEsatti, EtichettaErrati}) {
        // A white box, so the count reads well on any background colour.
        PreparaEtichettaParola(numero, 18);
    }
    for (QLabel *didascalia : {Label3, Label2})
        didascalia->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    Command1 = new PulsanteAvanti(area());
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(cornice.avanti));
    Command1->setFont(carattere(QStringLiteral("Arial"), 14.25, true));
    Command1->setEnabled(false);
    connect(Command1, &QToolButton::clicked, this, [this] { Command1_Click(); });
}

QString FormEsercizio::NomeMenuInformazioni(IdFinestra id)
{
    return id == IdFinestra::Form1 ? QStringLiteral("mnuInformazioni") : QStringLiteral("Informazioni");
}

QString FormEsercizio::TestoMenuInformazioni(IdFinestra id)
{
    int spazi = 5;
    switch (id) {
    case IdFinestra::Form1:
        spazi = 13;
        break;
    case IdFinestra::Form2:
        spazi = 10;
        break;
    case IdFinestra::Form8:
        spazi = 6;
        break;
    default:
        break;
    }
    return QStringLiteral("Informazioni") + QString(spazi, QLatin1Char(' '));
}

QString FormEsercizio::TestoPunteggio(int esatti, int errati)
{
    return QStringLiteral("Hai eseguito ") + TestoNumero(esatti) + QStringLiteral(" esercizi esatti e ") +
           TestoNumero(errati) + QStringLiteral(" esercizi errati.");
}

void FormEsercizio::Form_Load()
{
    ctx.stato.Esatti = 0;
    ctx.stato.Errati = 0;
    mostraContatori();
    if (!cornice_.primoEsercizioDopoAttivazione) {
        primoGenerato_ = true;
        GeneraEsercizio();
    }
    const QString faccia = FontParola(ctx.stato);
    const auto parole = controlliParola();
    for (QWidget *w : parole) {
        QFont f = w->font();
        f.setFamily(faccia);
        w->setFont(f);
    }
}

void FormEsercizio::Form_Activate()
{
    if (primoGenerato_)
        return;
    // The names are placed from the full-screen layout: make sure it is there.
    if (scalatore())
        scalatore()->ResizeControls();
    preparaPrimoEsercizio();
    primoGenerato_ = true;
    GeneraEsercizio();
}

void FormEsercizio::mostraContatori()
{
    EtichettaEsatti->setText(TestoNumero(ctx.stato.Esatti));
    EtichettaErrati->setText(TestoNumero(ctx.stato.Errati));
}

void FormEsercizio::SegnaEsatto()
{
    ComandoIconaSi->show();
    ComandoIconaNo->hide();
    incrementaContatore(ctx.stato.Esatti);
    EtichettaEsatti->setText(TestoNumero(ctx.stato.Esatti));
}

void FormEsercizio::SegnaErrato()
{
    ComandoIconaSi->hide();
    ComandoIconaNo->show();
    SuonoSbagliato(ctx.stato, ctx.ambiente, ctx.suoni);
    incrementaContatore(ctx.stato.Errati);
    EtichettaErrati->setText(TestoNumero(ctx.stato.Errati));
}

void FormEsercizio::MostraPunteggio()
{
    ctx.dialoghi.avvisa(Dialoghi::Icona::Informazione, TestoPunteggio(ctx.stato.Esatti, ctx.stato.Errati));
}

QMenu *FormEsercizio::inserisciMenu(const QString &nome, const QString &testo)
{
    auto *menu = new QMenu(testo, menuBar());
    menu->setObjectName(nome);
    menuBar()->insertMenu(Informazioni, menu);
    return menu;
}

QAction *FormEsercizio::inserisciVoce(const QString &nome, const QString &testo)
{
    auto *voce = new QAction(testo, menuBar());
    voce->setObjectName(nome);
    menuBar()->insertAction(Informazioni, voce);
    return voce;
}

void FormEsercizio::changeEvent(QEvent *event)
{
    Finestra::changeEvent(event);
    if (event->type() != QEvent::PaletteChange || !Label3 || !Label2)
        return;
    // "Esatti" and "Errati" stand on the window's colour: white on the dark ones.
    const QColor sfondo = palette().color(QPalette::Window);
    const bool scuro = 0.299 * sfondo.red() + 0.587 * sfondo.green() + 0.114 * sfondo.blue() < 100;
    for (QLabel *didascalia : {Label3, Label2}) {
        QPalette p = didascalia->palette();
        p.setColor(QPalette::WindowText, scuro ? Qt::white : Qt::black);
        didascalia->setPalette(p);
    }
}

void FormEsercizio::mnuAzzera_Click()
{
    ctx.stato.Esatti = 0;
    ctx.stato.Errati = 0;
    mostraContatori();
}

void FormEsercizio::mnuEsci_Click()
{
    tornaAlMenu();
}

void FormEsercizio::richiestaChiusura()
{
    mnuEsci_Click();
}
