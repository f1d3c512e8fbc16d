#include "core/uscita.h"

#include "core/dialoghi.h"
#include "core/impostazioni.h"

bool ConfermaUscita(const Sessione &sessione, const QString &fileImpostazioni, Dialoghi &dialoghi)
{
    if (!dialoghi.chiedi(DomandaUscita))
        return false;
    SalvaImpostazioni(sessione, fileImpostazioni, dialoghi);
    return true;
}
