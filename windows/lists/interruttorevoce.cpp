#include "windows/lists/interruttorevoce.h"

#include "core/stato.h"
#include "windows/finestra.h"

InterruttoreVoce::InterruttoreVoce(Stato &stato, QWidget *parent)
    : AreaIntera<QCheckBox>(QStringLiteral("Leggi le parole ad alta voce"), parent), stato_(stato)
{
    setFont(Finestra::carattere(QStringLiteral("Arial"), 12, true));
    setCursor(Qt::PointingHandCursor);
    connect(this, &QCheckBox::toggled, this, [this](bool si) { stato_.VoceAttivata = si; });
}

void InterruttoreVoce::aggiorna()
{
    setChecked(stato_.VoceAttivata);
}
