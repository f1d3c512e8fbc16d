#include "windows/exercises/form8.h"

#include <QAction>
#include <QMenu>

Form8::Form8(const Attivita &a, const Contesto &c, Navigazione &n) : FormTrascinamento(a, c, n)
{
    mnuCaratteri = inserisciMenu(QStringLiteral("mnuCaratteri"), QStringLiteral("Caratteri     "));
    mnuMinuscolo = mnuCaratteri->addAction(QStringLiteral("stampato minuscolo"));
    mnuMinuscolo->setObjectName(QStringLiteral("mnuMinuscolo"));
    mnuMaiuscolo = mnuCaratteri->addAction(QStringLiteral("stampato maiuscolo"));
    mnuMaiuscolo->setObjectName(QStringLiteral("mnuMaiuscolo"));
    // The items show a check mark but choose nothing: the type style is the
    // menu's business, and a click must not move the mark either.
    for (QAction *voce : {mnuMinuscolo, mnuMaiuscolo}) {
        voce->setCheckable(true);
        voce->setChecked(voce == mnuMaiuscolo);
        connect(voce, &QAction::triggered, voce, [voce] { voce->setChecked(!voce->isChecked()); });
    }

    mnuEsercizi = inserisciVoce(QStringLiteral("mnuEsercizi"), QStringLiteral("Esercizi     "));
    connect(mnuEsercizi, &QAction::triggered, this, &Form8::MostraPunteggio);
}
