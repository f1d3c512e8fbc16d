#include "windows/exercises/formesercizio.h"

#include "core/carattere.h"
#include "core/dialoghi.h"
#include "core/requisiti.h"
#include "windows/scaling/clsresize.h"
#include "core/sessione.h"
#include "core/suoni.h"
#include "windows/exercises/etichettaparola.h"
#include "windows/exercises/faccia.h"
#include "windows/exercises/pulsanteavanti.h"
#include "windows/navigazione.h"
#include "windows/icone.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace {
// The credits menu of each window: its name, and the blanks that end its caption.
std::pair<QString, int> menuInformazioni(IdFinestra id)
{
    switch (id) {
    case IdFinestra::Form1: return {QStringLiteral("mnuInformazioni"), 13};
    case IdFinestra::Form2: return {QStringLiteral("Informazioni"), 10};
    case IdFinestra::Form8: return {QStringLiteral("Informazioni"), 6};
    default: return {QStringLiteral("Informazioni"), 5};
    }
}
} // namespace

FormEsercizio::FormEsercizio(const Attivita &attivita, const CorniceEsercizio &cornice, const Contesto &c, Navigazione &n)
    : Finestra(attivita, c, n), cornice_(cornice)
{
    // The menu bar first, so that the window's height makes room for it.
    mnuAzzera = barraMenu()->addAction(QStringLiteral("Azzera conteggio     "));
    mnuAzzera->setObjectName(QStringLiteral("mnuAzzera"));
    connect(mnuAzzera, &QAction::triggered, this, &FormEsercizio::mnuAzzera_Click);
    const auto [nome, spazi] = menuInformazioni(attivita.id);
    aggiungiInformazioniEsci(nome, spazi);

    impostaAreaProgetto(cornice.larghezza, cornice.altezza);

    ComandoIconaSi = new Faccia(icone::facciaSi, area());
    ComandoIconaSi->setObjectName(QStringLiteral("ComandoIconaSi"));
    ComandoIconaSi->setGeometry(twip(cornice.facce));
    ComandoIconaNo = new Faccia(icone::facciaNo, area());
    ComandoIconaNo->setObjectName(QStringLiteral("ComandoIconaNo"));
    ComandoIconaNo->setGeometry(twip(cornice.facce));
    ComandoIconaNo->hide();
    ComandoIconaSi->setAccessibleName(QStringLiteral("Risposta giusta"));
    ComandoIconaNo->setAccessibleName(QStringLiteral("Risposta sbagliata"));

    const QFont didascalie = carattere(QStringLiteral("Arial"), 12, true);

    Label3 = new QLabel(QStringLiteral("Esatti"), area());
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twip(cornice.esatti));
    Label3->setFont(didascalie);

    EtichettaEsatti = new QLabel(QStringLiteral("quantiesatti"), area());
    EtichettaEsatti->setObjectName(QStringLiteral("EtichettaEsatti"));
    EtichettaEsatti->setGeometry(twip(cornice.etichettaEsatti));

    Label2 = new QLabel(QStringLiteral("Errati"), area());
    if (cornice.indiceErrati >= 0) {
        Label2->setObjectName(QStringLiteral("Label2_%1").arg(cornice.indiceErrati));
        Label2->setProperty("Index", cornice.indiceErrati);
    } else {
        Label2->setObjectName(QStringLiteral("Label2"));
    }
    Label2->setGeometry(twip(cornice.errati));
    Label2->setFont(didascalie);

    EtichettaErrati = new QLabel(QStringLiteral("quantierrati"), area());
    EtichettaErrati->setObjectName(QStringLiteral("EtichettaErrati"));
    EtichettaErrati->setGeometry(twip(cornice.etichettaErrati));

    for (QLabel *numero : {EtichettaEsatti, EtichettaErrati}) {
        // A white box, so the count reads well on any background colour.
        PreparaEtichettaParola(numero, 18);
    }
    for (QLabel *didascalia : {Label3, Label2})
        didascalia->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    Command1 = new PulsanteAvanti(area());
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twip(cornice.avanti));
    Command1->setFont(carattere(QStringLiteral("Arial"), 14.25, true));
    Command1->setEnabled(false);
    connect(Command1, &QToolButton::clicked, this, [this] { Command1_Click(); });
}

void FormEsercizio::Form_Load()
{
    parole_ = std::make_unique<ParoleDellaLista>(ctx.sessione.lista, ctx.ambiente);
    azzeraConteggio();
    if (!cornice_.primoEsercizioDopoAttivazione) {
        primoGenerato_ = true;
        GeneraEsercizio();
    }
    const QString faccia = FontParola(ctx.sessione.Carattere);
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
    EtichettaEsatti->setText(TestoNumero(conteggio().Esatti));
    EtichettaErrati->setText(TestoNumero(conteggio().Errati));
}

void FormEsercizio::azzeraConteggio()
{
    conteggio().azzera();
    mostraContatori();
}

void FormEsercizio::SegnaEsatto()
{
    ComandoIconaSi->show();
    ComandoIconaNo->hide();
    EtichettaEsatti->setText(TestoNumero(conteggio().Esatti));
}

void FormEsercizio::SegnaErrato()
{
    ComandoIconaSi->hide();
    ComandoIconaNo->show();
    SuonoSbagliato(ctx.sessione, ctx.ambiente, ctx.suoni);
    EtichettaErrati->setText(TestoNumero(conteggio().Errati));
}

void FormEsercizio::MostraPunteggio()
{
    ctx.dialoghi.avvisa(Dialoghi::Icona::Informazione, QStringLiteral("Hai eseguito ") + TestoNumero(conteggio().Esatti)
                                                            + QStringLiteral(" esercizi esatti e ")
                                                            + TestoNumero(conteggio().Errati)
                                                            + QStringLiteral(" esercizi errati."));
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
    // "Esatti" and "Errati" stand on the window's colour.
    for (QLabel *didascalia : {Label3, Label2})
        ScriviSulloSfondo(didascalia, palette().color(QPalette::Window));
}

void FormEsercizio::listaTroppoCorta()
{
    // The menu does not open an exercise with too short a list; should one be
    // opened all the same, it says why and goes back rather than draw for ever.
    if (std::exchange(rifiutata_, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            ctx.dialoghi.avvisa(Dialoghi::Icona::Esclamazione,
                                MotivoListaInsufficiente(ctx.sessione.lista, ctx.ambiente, attivita().requisiti));
            navigazione.tornaAlMenu(this);
        },
        Qt::QueuedConnection);
}

void FormEsercizio::mnuAzzera_Click()
{
    azzeraConteggio();
}

