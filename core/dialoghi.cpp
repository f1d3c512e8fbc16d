#include "core/dialoghi.h"

void Dialoghi::avvisa(Icona icona, const QString &testo)
{
    messaggio(icona, TitoloProgramma, testo, Pulsanti::Ok);
}

bool Dialoghi::chiedi(const QString &domanda)
{
    return messaggio(Icona::Domanda, TitoloProgramma, domanda, Pulsanti::SiNo) == Risposta::Si;
}
