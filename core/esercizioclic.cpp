#include "core/esercizioclic.h"

#include "core/casuale.h"
#include "core/estrazione.h"
#include "core/listainuso.h"
#include "core/ripasso.h"

#include <algorithm>

EsercizioClic::EsercizioClic(int k, Modo modo) : k_(std::clamp(k, 1, 4)), modo_(modo)
{
}

QString EsercizioClic::parola(const ListaInUso &lista, int indice) const
{
    if (indice < 0 || indice >= k_)
        return {};
    return lista.Parole(Scelta[static_cast<size_t>(indice)]);
}

bool EsercizioClic::genera(const ParoleDellaLista &parole, Casuale &casuale, const Ripasso *ripasso)
{
    inAttesa_ = false;
    trovata_ = false;
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
    if (const int p = ripasso ? ripasso->daRipassare(casuale, parole, true) : 0) {
        const auto gia = std::find_if(Scelta.begin(), Scelta.begin() + k_, [&](int s) { return parole.stessaParola(s, p); });
        if (gia != Scelta.begin() + k_)
            Estratto = static_cast<qint16>(gia - Scelta.begin());
        else
            Scelta[static_cast<size_t>(Estratto)] = static_cast<qint16>(p);
    }
    inAttesa_ = true;
    return true;
}

EsercizioClic::Esito EsercizioClic::rispondi(int indice)
{
    if (!inAttesa_ || indice < 0 || indice >= k_)
        return Esito::Ignorata;
    if (indice != Estratto) {
        conteggio.sbagliata();
        return Esito::Sbagliata;
    }
    inAttesa_ = false;
    trovata_ = true;
    conteggio.giusta();
    return Esito::Giusta;
}
