#include "windows/lists/interruttorevoce.h"

#include "core/sessione.h"
#include "windows/finestra.h"

InterruttoreVoce::InterruttoreVoce(Sessione &sessione, QWidget *parent)
    : AreaIntera<QCheckBox>(QStringLiteral("Leggi le parole ad alta voce"), parent), sessione_(sessione)
{
    setFont(Finestra::carattere(QStringLiteral("Arial"), 12, true));
    setCursor(Qt::PointingHandCursor);
    connect(this, &QCheckBox::toggled, this, [this](bool si) { sessione_.VoceAttivata = si; });
}

void InterruttoreVoce::aggiorna()
{
    setChecked(sessione_.VoceAttivata);
}
