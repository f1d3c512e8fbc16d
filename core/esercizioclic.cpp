#include "core/esercizioclic.h"

#include "core/casuale.h"
#include "core/estrazione.h"
#include "core/stato.h"

#include <algorithm>

EsercizioClic::EsercizioClic(int k, Modo modo) : k_(std::clamp(k, 1, 4)), modo_(modo)
{
}

QString EsercizioClic::parola(const Stato &stato, int indice) const
{
    if (indice < 0 || indice >= k_)
        return {};
    const int posizione = Scelta[static_cast<size_t>(indice)];
    if (posizione < 1 || posizione > stato.NumeroParole)
        return {};
    return stato.Parole[static_cast<size_t>(posizione)];
}

bool EsercizioClic::genera(const ParoleDellaLista &parole, Casuale &casuale)
{
    inAttesa_ = false;
    const bool tutteConImmagine = modo_ == Modo::UnNomeImmagini;
    QList<int> posizioni;
    if (tutteConImmagine) {
        posizioni = EstraiParole(casuale, parole, k_, true);
    } else if (parole.diverseConImmagine() > 0) {
        // The names are drawn again until one of them has the picture to show.
        const auto unaConImmagine = [&] {
            return std::any_of(posizioni.begin(), posizioni.end(), [&](int p) { return parole.conImmagine(p); });
        };
        for (int volta = 0; volta < 100000 && (posizioni.isEmpty() || !unaConImmagine()); ++volta)
            posizioni = EstraiParole(casuale, parole, k_, false);
        if (!unaConImmagine())
            posizioni.clear();
    }
    if (posizioni.isEmpty())
        return false;
    for (int i = 0; i < k_; ++i)
        Scelta[static_cast<size_t>(i)] = static_cast<qint16>(posizioni[i]);
    do
        Estratto = static_cast<qint16>(casuale.scelta(k_));
    while (!parole.conImmagine(Scelta[static_cast<size_t>(Estratto)]));
    inAttesa_ = true;
    return true;
}

EsercizioClic::Esito EsercizioClic::rispondi(int indice)
{
    if (!inAttesa_ || indice < 0 || indice >= k_)
        return Esito::Ignorata;
    if (indice != Estratto)
        return Esito::Sbagliata;
    inAttesa_ = false;
    return Esito::Giusta;
}
