#include "windows/menu/formmenu.h"

#include "core/avvio.h"
#include "core/carattere.h"
#include "core/colori.h"
#include "core/dialoghi.h"
#include "core/stato.h"
#include "windows/gestorefinestre.h"
#include "windows/icone.h"
#include "windows/pulsanteicona.h"

#include <QCheckBox>
#include <QFrame>
#include <QRadioButton>

namespace {

struct Voce
{
    IdFinestra id;
    const char *nome;
    const char *testo;
    icone::Attivita icona;
    int left;
    int top;
};

const Voce kVoci[] = {
    {IdFinestra::FormVedi, "SSCommand9", "Vedi immagini", icone::Attivita::VediImmagini, 600, 120},
    {IdFinestra::FormVedi3, "Command1", "Scegli le immagini", icone::Attivita::ScegliImmagini, 600, 960},
    {IdFinestra::FormVedi2, "SSCommand10", "Immagine e nome", icone::Attivita::ImmagineENome, 600, 1800},
    {IdFinestra::Form1, "SSCommand1", "Un nome e due immagini", icone::Attivita::UnNomeImmagini2, 600, 2640},
    {IdFinestra::Form2, "SSCommand2", "Un nome e tre immagini", icone::Attivita::UnNomeImmagini3, 600, 3480},
    {IdFinestra::Form3, "SSCommand3", "Un nome e quattro immagini", icone::Attivita::UnNomeImmagini4, 600, 4320},
    {IdFinestra::Form4, "SSCommand4", "Due nomi e un'immagine", icone::Attivita::NomiUnaImmagine2, 600, 5160},
    {IdFinestra::Form5, "SSCommand5", "Tre nomi e un'immagine", icone::Attivita::NomiUnaImmagine3, 600, 6000},
    {IdFinestra::Form6, "SSCommand6", "Quattro nomi e un'immagine", icone::Attivita::NomiUnaImmagine4, 600, 6840},
    {IdFinestra::Form7, "SSCommand7", "Due nomi e due immagini", icone::Attivita::NomiImmagini2, 6120, 120},
    {IdFinestra::Form8, "SSCommand8", "Tre nomi e tre immagini", icone::Attivita::NomiImmagini3, 6120, 1080},
    {IdFinestra::pag1, "SSCommand11", "Puzzle a scambio", icone::Attivita::PuzzleScambio, 6120, 1920},
    {IdFinestra::pag2, "SSCommand12", "Puzzle a scivolamento", icone::Attivita::PuzzleScivolamento, 6120, 2760},
    {IdFinestra::OPZIONI, "Command2", "Cambia lista di parole", icone::Attivita::CambiaLista, 6120, 6000},
};
} // namespace

FormMenu::FormMenu(const Contesto &c, GestoreFinestre &g) : Finestra(IdFinestra::FormMenu, c, g)
{
    setFont(carattere(QStringLiteral("Times New Roman"), 24, true));
    impostaAreaProgetto(11970, 8145);

    const QFont fontPulsanti = carattere(QStringLiteral("Arial"), 14.25, true);
    for (const Voce &v : kVoci) {
        auto *b = controllo(new PulsanteIcona(QString::fromUtf8(v.testo), icone::attivita(v.icona), area()),
                            QString::fromLatin1(v.nome), v.left, v.top, 5000, 750);
        b->setFont(fontPulsanti);
        const IdFinestra id = v.id;
        connect(b, &QPushButton::clicked, this, [this, id] { apri(id); });
        pulsanti_.insert(id, b);
    }
    Command3D5 = controllo(new PulsanteIcona(QStringLiteral("ESCI"), icone::attivita(icone::Attivita::Esci), area()),
                           QStringLiteral("Command3D5"), 6120, 6840, 5000, 750);
    connect(Command3D5, &QPushButton::clicked, this, &FormMenu::Command3D5_Click);

    Picture1 = controllo(new QFrame(area()), QStringLiteral("Picture1"), 6360, 3720, 4455, 1455);
    Picture1->setAutoFillBackground(true);
    QPalette bianco = Picture1->palette();
    bianco.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(bianco);
    Picture1->setFrameShape(QFrame::Box);

    const QFont sansSerif = carattere(QStringLiteral("MS Sans Serif"), 13.5, true);
    Option2 = controllo(new QRadioButton(QStringLiteral("MAIUSCOLO"), Picture1), QStringLiteral("Option2"), 600, 120, 3600, 375);
    Option2->setFont(sansSerif);
    Option3 = controllo(new QRadioButton(QStringLiteral("minuscolo"), Picture1), QStringLiteral("Option3"), 600, 480, 3600, 375);
    Option3->setFont(sansSerif);
    Option4 = controllo(new QRadioButton(QStringLiteral("corsivo"), Picture1), QStringLiteral("Option4"), 600, 960, 3600, 440);
    Option4->setFont(carattere(QStringLiteral("Indis1"), 18, true));
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) { if (on) scegliCarattere(QStringLiteral("maiuscolo")); });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) { if (on) scegliCarattere(QStringLiteral("minuscolo")); });
    connect(Option4, &QRadioButton::toggled, this, [this](bool on) { if (on) scegliCarattere(QStringLiteral("corsivo")); });

    Check1 = controllo(new QCheckBox(QStringLiteral("Suoni attivati"), area()), QStringLiteral("Check1"), 7200, 5280, 3135, 375);
    Check1->setFont(carattere(QStringLiteral("Arial"), 12, true));
    Check1->setAutoFillBackground(true);
    connect(Check1, &QCheckBox::clicked, this, [this](bool on) { ctx.stato.SuoniAttivati = on; });
}

void FormMenu::Form_Load()
{
    Check1->setChecked(ctx.stato.SuoniAttivati);
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));
    // A button fills its background with the Button role.
    QPalette p = Check1->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Window));
    p.setColor(QPalette::Button, palette().color(QPalette::Window));
    Check1->setPalette(p);

    const QString &c = ctx.stato.Carattere;
    if (c == QLatin1String("corsivo"))
        Option4->setChecked(true);
    if (c == QLatin1String("maiuscolo"))
        Option2->setChecked(true);
    if (c == QLatin1String("minuscolo"))
        Option3->setChecked(true);
}

void FormMenu::scegliCarattere(const QString &carattere)
{
    ctx.stato.Carattere = carattere;
    TrasformaCarattere(ctx.stato);
}

int FormMenu::paroleNecessarie(IdFinestra id)
{
    switch (id) {
    case IdFinestra::Form1:
    case IdFinestra::Form4:
    case IdFinestra::Form7:
        return 2;
    case IdFinestra::Form2:
    case IdFinestra::Form5:
    case IdFinestra::Form8:
        return 3;
    case IdFinestra::Form3:
    case IdFinestra::Form6:
        return 4;
    case IdFinestra::FormVedi:
    case IdFinestra::FormVedi2:
    case IdFinestra::pag1:
    case IdFinestra::pag2:
        return 1;
    default:
        return 0;
    }
}

QString FormMenu::testoListaCorta(int necessarie, int presenti)
{
    if (presenti == 0 && necessarie == 1)
        return QStringLiteral("La lista in uso non contiene parole.");
    return QStringLiteral("Per questa attività servono almeno %1 parole, ma la lista in uso ne ha %2.")
        .arg(necessarie)
        .arg(presenti);
}

void FormMenu::apri(IdFinestra id)
{
    const int necessarie = paroleNecessarie(id);
    if (ctx.stato.NumeroParole < necessarie) {
        ctx.dialoghi.avvisa(Dialoghi::Icona::Esclamazione, testoListaCorta(necessarie, ctx.stato.NumeroParole));
        return;
    }
    gestore.vai(this, id);
}

void FormMenu::Command3D5_Click()
{
    if (ConfermaUscita(ctx.stato, ctx.dialoghi))
        gestore.termina();
}

void FormMenu::richiestaChiusura()
{
    Command3D5_Click();
}
