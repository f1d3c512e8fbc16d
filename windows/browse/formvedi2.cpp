#include "windows/browse/formvedi2.h"

#include "core/carattere.h"
#include "core/sessione.h"
#include "core/voce.h"
#include "windows/rilevatoreclic.h"
#include "windows/navigazione.h"

#include <QLabel>

namespace {
const Visore::Progetto &progetto()
{
    static const Visore::Progetto p{
        QSize(9825, 7200), QRect(2400, 840, 3885, 3480), QRect(7800, 5160, 1695, 975), "mnuInformazioni", 12};
    return p;
}
} // namespace

FormVedi2::FormVedi2(const Attivita &a, const Contesto &c, Navigazione &n) : Visore(a, progetto(), c, n)
{
    Label1 = controllo(new QLabel(QStringLiteral("Label1"), area()), QStringLiteral("Label1"), 360, 5160, 7365, 900);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAutoFillBackground(true);
    QPalette bianco = Label1->palette();
    bianco.setColor(QPalette::Window, Qt::white);
    bianco.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(bianco);
    Label1->setFont(carattere(QStringLiteral("Arial"), 36, true));
    // A tap on the name says it again.
    connect(new RilevatoreClic(Label1), &RilevatoreClic::toccato, this,
            [this] { LeggiParola(ctx.sessione, ctx.ambiente, ctx.suoni, Label1->text()); });
}

void FormVedi2::CaricaImmagine()
{
    Visore::CaricaImmagine();
    Label1->setText(Estratto > 0 ? ctx.sessione.lista.Parole(Estratto) : QString());
    LeggiParola(ctx.sessione, ctx.ambiente, ctx.suoni, Label1->text());
}

void FormVedi2::Form_Activate()
{
    Visore::Form_Activate();
    QFont f = Label1->font();
    f.setFamily(FontParola(ctx.sessione.Carattere));
    Label1->setFont(f);
}
