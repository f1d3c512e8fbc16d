#include "core/esercizioclic.h"

#include "core/casuale.h"
#include "core/estrazione.h"
#include "core/stato.h"

#include <algorithm>

EsercizioClic::EsercizioClic(int k) : k_(std::clamp(k, 1, 4))
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

bool EsercizioClic::genera(const Stato &stato, Casuale &casuale)
{
    inAttesa_ = false;
    const QList<int> posizioni = EstraiPosizioni(casuale, k_, stato.NumeroParole);
    if (posizioni.isEmpty())
        return false;
    for (int i = 0; i < k_; ++i)
        Scelta[static_cast<size_t>(i)] = static_cast<qint16>(posizioni[i]);
    Estratto = static_cast<qint16>(casuale.scelta(k_));
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
