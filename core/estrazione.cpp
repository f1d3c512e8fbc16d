#include "core/estrazione.h"

#include "core/casuale.h"

QList<int> EstraiPosizioni(Casuale &casuale, int quante, int numeroParole)
{
    QList<int> prese;
    if (quante < 1 || numeroParole < quante)
        return prese;
    prese.reserve(quante);
    while (prese.size() < quante) {
        int posizione;
        do
            posizione = casuale.posizione(numeroParole);
        while (prese.contains(posizione));
        prese.append(posizione);
    }
    return prese;
}
