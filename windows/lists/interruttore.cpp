#include "windows/lists/interruttore.h"

#include "windows/finestra.h"

Interruttore::Interruttore(const QString &testo, bool &valore, QWidget *parent)
    : AreaIntera<QCheckBox>(testo, parent), valore_(valore)
{
    setFont(Finestra::carattere(QStringLiteral("Arial"), 12, true));
    setCursor(Qt::PointingHandCursor);
    connect(this, &QCheckBox::toggled, this, [this](bool si) { valore_ = si; });
}

void Interruttore::aggiorna()
{
    setChecked(valore_);
}
