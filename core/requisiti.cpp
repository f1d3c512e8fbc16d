#include "core/requisiti.h"

#include "core/estrazione.h"
#include "core/listainuso.h"

QString MotivoListaInsufficiente(const ListaInUso &lista, const Ambiente &ambiente, const RequisitiLista &requisiti)
{
    if (requisiti.parole <= 0 && requisiti.conImmagine <= 0)
        return {};
    // Only what can be shown counts: an empty line is no word, and the same
    // word twice is one.
    const ParoleDellaLista parole(lista, ambiente);
    if (parole.diverse() < requisiti.parole) {
        if (parole.diverse() == 0 && requisiti.parole == 1)
            return QStringLiteral("La lista in uso non contiene parole.");
        return QStringLiteral("Per questa attività servono almeno %1 parole, ma la lista in uso ne ha %2.")
            .arg(requisiti.parole)
            .arg(parole.diverse());
    }
    if (parole.diverseConImmagine() < requisiti.conImmagine) {
        if (parole.diverseConImmagine() == 0 && requisiti.conImmagine == 1)
            return QStringLiteral("Nessuna parola della lista in uso ha la sua immagine.");
        return QStringLiteral("Per questa attività servono almeno %1 parole con la loro immagine, ma la lista in "
                              "uso ne ha %2.")
            .arg(requisiti.conImmagine)
            .arg(parole.diverseConImmagine());
    }
    return {};
}
