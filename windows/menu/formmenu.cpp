#include "windows/menu/formmenu.h"

#include "core/carattere.h"
#include "core/colori.h"
#include "core/dialoghi.h"
#include "core/uscita.h"
#include "core/requisiti.h"
#include "core/sessione.h"
#include "windows/navigazione.h"
#include "windows/areaintera.h"
#include "windows/icone.h"
#include "windows/pulsanteicona.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

FormMenu::FormMenu(const Attivita &a, const QList<Attivita> &attivita, const Contesto &c, Navigazione &n)
    : Finestra(a, c, n)
{
    setFont(carattere(QStringLiteral("Times New Roman"), 24, true));
    impostaAreaProgetto(11970, 8145);

    const QFont fontPulsanti = carattere(QStringLiteral("Arial"), 14.25, true);
    for (const Attivita &voce : attivita) {
        if (!voce.pulsante)
            continue;
        requisiti_.insert(voce.id, voce.requisiti);
        auto *b = controllo(new PulsanteIcona(QString::fromUtf8(voce.testo), icone::attivita(voce.icona), area()),
                            QString::fromLatin1(voce.pulsante), voce.posizione.x(), voce.posizione.y(), 5000, 750);
        b->setFont(fontPulsanti);
        const IdFinestra id = voce.id;
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
    Option2 = controllo(new AreaIntera<QRadioButton>(QStringLiteral("MAIUSCOLO"), Picture1), QStringLiteral("Option2"), 600, 120, 3600, 375);
    Option2->setFont(sansSerif);
    Option3 = controllo(new AreaIntera<QRadioButton>(QStringLiteral("minuscolo"), Picture1), QStringLiteral("Option3"), 600, 480, 3600, 375);
    Option3->setFont(sansSerif);
    Option4 = controllo(new AreaIntera<QRadioButton>(QStringLiteral("corsivo"), Picture1), QStringLiteral("Option4"), 600, 960, 3600, 440);
    Option4->setFont(carattere(QStringLiteral("Indis1"), 18, true));
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) { if (on) scegliCarattere(TipoCarattere::Maiuscolo); });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) { if (on) scegliCarattere(TipoCarattere::Minuscolo); });
    connect(Option4, &QRadioButton::toggled, this, [this](bool on) { if (on) scegliCarattere(TipoCarattere::Corsivo); });

    Check1 = controllo(new AreaIntera<QCheckBox>(QStringLiteral("Suoni attivati"), area()), QStringLiteral("Check1"), 7200, 5280, 3135, 375);
    Check1->setFont(carattere(QStringLiteral("Arial"), 12, true));
    Check1->setAutoFillBackground(true);
    connect(Check1, &QCheckBox::clicked, this, [this](bool on) { ctx.sessione.SuoniAttivati = on; });

    // Below the last row, only when the class list names children.
    if (!ctx.sessione.classe.isEmpty()) {
        const QString chi = ctx.sessione.bambino.isEmpty() ? QStringLiteral("Ospite") : ctx.sessione.bambino;
        EtichettaBambino = controllo(new QLabel(QStringLiteral("Gioca: ") + chi, area()), QStringLiteral("EtichettaBambino"),
                                     600, 7680, 5000, 420);
        EtichettaBambino->setFont(carattere(QStringLiteral("Arial"), 14.25, true));
        EtichettaBambino->setTextFormat(Qt::PlainText);
        CambiaBambino = controllo(new QPushButton(QStringLiteral("Cambia bambino"), area()), QStringLiteral("CambiaBambino"),
                                  6120, 7650, 5000, 450);
        CambiaBambino->setFont(carattere(QStringLiteral("Arial"), 14.25, true));
        connect(CambiaBambino, &QPushButton::clicked, this, [this] { navigazione.vai(this, IdFinestra::FormChiGioca); });
    }
}

void FormMenu::Form_Load()
{
    Check1->setChecked(ctx.sessione.SuoniAttivati);
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));

    switch (ctx.sessione.Carattere) {
    case TipoCarattere::Corsivo: Option4->setChecked(true); break;
    case TipoCarattere::Maiuscolo: Option2->setChecked(true); break;
    case TipoCarattere::Minuscolo: Option3->setChecked(true); break;
    }
}

void FormMenu::changeEvent(QEvent *event)
{
    Finestra::changeEvent(event);
    // The switch stands on the window's colour (a button fills its background with the Button role).
    if (event->type() != QEvent::PaletteChange)
        return;
    for (QWidget *w : {static_cast<QWidget *>(Check1), static_cast<QWidget *>(EtichettaBambino)})
        if (w)
            ScriviSulloSfondo(w, palette().color(QPalette::Window));
}

void FormMenu::scegliCarattere(TipoCarattere carattere)
{
    ctx.sessione.Carattere = carattere;
    TrasformaCarattere(ctx.sessione.lista, carattere);
}

void FormMenu::apri(IdFinestra id)
{
    const QString motivo = MotivoListaInsufficiente(ctx.sessione.lista, ctx.ambiente, requisiti_.value(id));
    if (!motivo.isEmpty()) {
        ctx.dialoghi.avvisa(Dialoghi::Icona::Esclamazione, motivo);
        return;
    }
    navigazione.vai(this, id);
}

void FormMenu::Command3D5_Click()
{
    if (ConfermaUscita(ctx.sessione, ctx.ambiente.fileImpostazioni(), ctx.dialoghi))
        navigazione.termina();
}

void FormMenu::richiestaChiusura()
{
    Command3D5_Click();
}
