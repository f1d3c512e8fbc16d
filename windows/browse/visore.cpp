#include "windows/browse/visore.h"

#include "core/casuale.h"
#include "core/colori.h"
#include "core/paroleliste.h"
#include "core/sessione.h"
#include "windows/icone.h"
#include "windows/pulsanteicona.h"
#include "windows/riquadroimmagine.h"

#include <QMenuBar>

Visore::Visore(const Attivita &attivita, const Progetto &p, const Contesto &c, Navigazione &n) : Finestra(attivita, c, n)
{
    // The menu bar first: the window's height counts it.
    aggiungiInformazioniEsci(QString::fromLatin1(p.nomeMenuInformazioni), p.spaziInformazioni);

    impostaAreaProgetto(p.area.width(), p.area.height());

    const QRect &i = p.immagine;
    Image1 = controllo(new RiquadroImmagine(area()), QStringLiteral("Image1"), i.x(), i.y(), i.width(), i.height());

    const QRect &b = p.pulsante;
    Command1 = controllo(new PulsanteIcona(QString(), QIcon(icone::frecciaAvanti(128)), area()), QStringLiteral("Command1"),
                         b.x(), b.y(), b.width(), b.height());
    Command1->setCursor(icone::cursoreFreccia());
    Command1->setAccessibleName(QStringLiteral("Un'altra immagine"));
    connect(Command1, &QPushButton::clicked, this, &Visore::Command1_Click);
}

void Visore::CaricaImmagine()
{
    const ListaInUso &s = ctx.sessione.lista;
    if (!parole_)
        parole_ = std::make_unique<ParoleDellaLista>(s, ctx.ambiente);
    // A word with its picture; a list without pictures shows its words on
    // white boxes, and one without words (the menu never opens a viewer on
    // one) shows nothing.
    const QList<int> estratta = EstraiParole(ctx.casuale, *parole_, 1, parole_->diverseConImmagine() > 0);
    Estratto = estratta.isEmpty() ? qint16(0) : static_cast<qint16>(estratta.first());
    Image1->CaricaFile(Estratto > 0 ? PercorsoImmagine(ctx.ambiente, s.Parole(Estratto)) : QString());
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
