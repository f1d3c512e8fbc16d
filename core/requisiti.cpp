#include "core/requisiti.h"

#include "core/stato.h"

QString MotivoListaInsufficiente(const Stato &stato, const Ambiente &, const RequisitiLista &requisiti)
{
    const int presenti = stato.NumeroParole;
    if (presenti >= requisiti.parole)
        return {};
    if (presenti == 0 && requisiti.parole == 1)
        return QStringLiteral("La lista in uso non contiene parole.");
    return QStringLiteral("Per questa attività servono almeno %1 parole, ma la lista in uso ne ha %2.")
        .arg(requisiti.parole)
        .arg(presenti);
}
