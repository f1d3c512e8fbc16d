#include "core/ripasso.h"

#include "core/casuale.h"
#include "core/estrazione.h"

#include <QSet>

#include <algorithm>

void Ripasso::imposta(const QHash<QString, int> &caselle)
{
    caselle_.clear();
    for (auto i = caselle.begin(); i != caselle.end(); ++i)
        if (!ChiaveParola(i.key()).isEmpty())
            caselle_.insert(ChiaveParola(i.key()), std::clamp(i.value(), 1, Caselle));
}

void Ripasso::risposta(const QString &parola, bool esatta)
{
    const QString chiave = ChiaveParola(parola);
    if (chiave.isEmpty())
        return;
    // A word found the first time it is asked starts in box 2: box 1 is for the words missed.
    const int prima = caselle_.value(chiave, 1);
    caselle_.insert(chiave, esatta ? std::min(prima + 1, Caselle) : 1);
}

int Ripasso::casella(const QString &parola) const
{
    return caselle_.value(ChiaveParola(parola), 0);
}

int Ripasso::daRipassare(Casuale &casuale, const ParoleDellaLista &parole, bool conImmagine) const
{
    if (caselle_.isEmpty() || casuale.scelta(2) != 0)
        return 0;
    // Each word once, at its first place in the list, weighted by its box.
    QList<int> posizioni;
    QList<int> pesi;
    int totale = 0;
    QSet<QString> viste;
    for (int p = 1; p <= parole.numeroParole(); ++p) {
        if (!parole.mostrabile(p) || (conImmagine && !parole.conImmagine(p)))
            continue;
        const QString chiave = parole.chiave(p);
        if (viste.contains(chiave))
            continue;
        viste.insert(chiave);
        const int c = caselle_.value(chiave, 0);
        if (c < 1 || c >= Caselle)
            continue;
        const int peso = 1 << (Caselle - 1 - c);
        posizioni.append(p);
        pesi.append(peso);
        totale += peso;
    }
    if (totale == 0)
        return 0;
    int r = casuale.scelta(totale);
    for (qsizetype i = 0; i < posizioni.size(); ++i) {
        if (r < pesi[i])
            return posizioni[i];
        r -= pesi[i];
    }
    return 0;
}
