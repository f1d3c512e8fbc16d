#pragma once

#include "core/dialoghi.h"

// Message boxes and file dialogs on screen.
class DialoghiQt : public Dialoghi
{
public:
    Risposta messaggio(Icona icona, const QString &titolo, const QString &testo, Pulsanti pulsanti) override;
    QString apriFile(const QString &filtro, const QString &cartellaIniziale) override;
    QString salvaFile(const QString &filtro, const QString &cartellaIniziale) override;
};
