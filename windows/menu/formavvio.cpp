#include "windows/menu/formavvio.h"

#include "core/classe.h"
#include "core/dialoghi.h"
#include "core/sessione.h"
#include "windows/navigazione.h"
#include "windows/icone.h"
#include "windows/pulsanteicona.h"

#include <QLabel>

FormAvvio::FormAvvio(const Attivita &a, const Contesto &c, Navigazione &n) : Finestra(a, c, n)
{
    impostaAreaProgetto(9915, 7650);
    impostaColoreSfondo(0x00C000);

    auto *titolo = controllo(new QLabel(QStringLiteral("Lettoria 2"), area()), QStringLiteral("A"), 600, 480, 8265, 2055);
    titolo->setAlignment(Qt::AlignCenter);
    titolo->setFont(carattere(QStringLiteral("Comic Sans MS"), 72, true, true));
    titolo->setStyleSheet(QStringLiteral("color: rgb(255, 255, 0);"));

    struct Riga
    {
        int indice;
        QString testo;
        int top;
    };
    const Riga righe[] = {
        {5, QStringLiteral("Programma di Lettoria 2, software libero (GPL) "), 3120},
        {2, QStringLiteral("Archivi di Lettoria 2: parole, suoni, disegni"), 3480},
        {1, QStringLiteral("Immagini utilizzate ricavate da:"), 4080},
        {3, QStringLiteral("\"Fluent Emoji\", ed. Microsoft (licenza MIT)"), 4440},
        {4, QStringLiteral("\"OpenMoji\", ed. HfG Gmünd (licenza CC BY-SA)"), 4800},
        {6, QStringLiteral("Corsivo: \"Playwrite IT Trad\", ed. TypeTogether"), 5160},
    };
    for (const Riga &r : righe) {
        auto *l = controllo(new QLabel(r.testo, area()), QStringLiteral("Label1_%1").arg(r.indice), 360, r.top, 6615, 495);
        l->setFont(carattere(QStringLiteral("Comic Sans MS"), 12, true));
        l->setProperty("Index", r.indice);
    }

    auto *data = controllo(new QLabel(QStringLiteral("25 aprile 2003"), area()), QStringLiteral("Label2"), 120, 6360, 2535, 375);
    data->setAlignment(Qt::AlignCenter);
    data->setFont(carattere(QStringLiteral("MS Sans Serif"), 13.5, false));

    Command1 = controllo(new PulsanteIcona(QStringLiteral("Avvio"), icone::attivita(icone::Attivita::Avvio), area()),
                         QStringLiteral("Command1"), 2880, 6000, 3735, 1215);
    Command1->setFont(carattere(QStringLiteral("Comic Sans MS"), 24, true));
    connect(Command1, &QPushButton::clicked, this, &FormAvvio::Command1_Click);
}

void FormAvvio::Command1_Click()
{
    // With a class list, who plays is asked first; without one, straight to the menu.
    const LetturaClasse classe = LeggiClasse(ctx.ambiente.fileClasse());
    ctx.sessione.classe = classe.bambini;
    ctx.sessione.bambino.clear();
    ctx.sessione.ripasso.svuota();
    if (!classe.messaggio().isEmpty())
        ctx.dialoghi.avvisa(Dialoghi::Icona::Esclamazione, classe.messaggio());
    navigazione.vai(this, classe.bambini.isEmpty() ? IdFinestra::FormMenu : IdFinestra::FormChiGioca);
}

void FormAvvio::richiestaChiusura()
{
    // Nothing has been changed yet: leave without writing the settings.
    navigazione.termina();
}
