#include "core/estrazione.h"

#include "core/casuale.h"
#include "core/paroleliste.h"
#include "core/listainuso.h"

#include <QSet>

QString ChiaveParola(const QString &parola)
{
    return parola.trimmed().toCaseFolded();
}

ParoleDellaLista::ParoleDellaLista(const ListaInUso &lista, const Ambiente &ambiente)
{
    const int n = lista.NumeroParole();
    chiavi_.resize(static_cast<size_t>(n));
    immagini_.resize(static_cast<size_t>(n));
    QSet<QString> viste;
    QSet<QString> visteConImmagine;
    for (int i = 0; i < n; ++i) {
        const QString &parola = lista.parole().at(i);
        const QString chiave = ChiaveParola(parola);
        chiavi_[static_cast<size_t>(i)] = chiave;
        if (chiave.isEmpty())
            continue;
        const bool immagine = FileEsiste(PercorsoImmagine(ambiente, parola));
        immagini_[static_cast<size_t>(i)] = immagine;
        if (!viste.contains(chiave)) {
            viste.insert(chiave);
            if (!immagine)
                senzaImmagine_.append(parola.trimmed());
        }
        if (immagine)
            visteConImmagine.insert(chiave);
    }
    diverse_ = static_cast<int>(viste.size());
    diverseConImmagine_ = static_cast<int>(visteConImmagine.size());
}

bool ParoleDellaLista::mostrabile(int posizione) const
{
    return posizione >= 1 && posizione <= numeroParole() && !chiavi_[static_cast<size_t>(posizione - 1)].isEmpty();
}

bool ParoleDellaLista::conImmagine(int posizione) const
{
    return mostrabile(posizione) && immagini_[static_cast<size_t>(posizione - 1)];
}

QString ParoleDellaLista::chiave(int posizione) const
{
    if (posizione < 1 || posizione > numeroParole())
        return {};
    return chiavi_[static_cast<size_t>(posizione - 1)];
}

bool ParoleDellaLista::stessaParola(int a, int b) const
{
    return mostrabile(a) && mostrabile(b) && chiavi_[static_cast<size_t>(a - 1)] == chiavi_[static_cast<size_t>(b - 1)];
}

QList<int> EstraiParole(Casuale &casuale, const ParoleDellaLista &parole, int quante, bool conImmagine)
{
    QList<int> prese;
    const int disponibili = conImmagine ? parole.diverseConImmagine() : parole.diverse();
    if (quante < 1 || disponibili < quante)
        return prese;
    prese.reserve(quante);
    const auto ammessa = [&](int posizione) {
        if (!(conImmagine ? parole.conImmagine(posizione) : parole.mostrabile(posizione)))
            return false;
        for (int presa : std::as_const(prese))
            if (presa == posizione || parole.stessaParola(presa, posizione))
                return false;
        return true;
    };
    while (prese.size() < quante) {
        int posizione;
        do
            posizione = casuale.posizione(parole.numeroParole());
        while (!ammessa(posizione));
        prese.append(posizione);
    }
    return prese;
}
