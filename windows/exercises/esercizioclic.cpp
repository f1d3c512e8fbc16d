#include "windows/exercises/esercizioclic.h"

#include "core/casuale.h"
#include "core/stato.h"

#include <algorithm>

EsercizioClic::EsercizioClic(int k) : k_(std::clamp(k, 1, 4))
{
}

qint16 &EsercizioClic::scelta(Stato &stato, int indice)
{
    switch (indice) {
    case 0: return stato.Scelta1;
    case 1: return stato.Scelta2;
    case 2: return stato.Scelta3;
    default: return stato.Scelta4;
    }
}

qint16 EsercizioClic::scelta(const Stato &stato, int indice)
{
    switch (indice) {
    case 0: return stato.Scelta1;
    case 1: return stato.Scelta2;
    case 2: return stato.Scelta3;
    default: return stato.Scelta4;
    }
}

QString EsercizioClic::parola(const Stato &stato, int indice)
{
    const int posizione = scelta(stato, indice);
    if (posizione < 1 || posizione > stato.NumeroParole)
        return {};
    return stato.Parole[static_cast<size_t>(posizione)];
}

bool EsercizioClic::genera(Stato &stato, Casuale &casuale)
{
    inAttesa_ = false;
    const int n = stato.NumeroParole;
    if (n < k_)
        return false;
    for (int i = 0; i < k_; ++i) {
        qint16 &s = scelta(stato, i);
        bool ripetuta = true;
        while (ripetuta) {
            s = static_cast<qint16>(casuale.posizione(n));
            ripetuta = false;
            for (int j = 0; j < i; ++j)
                ripetuta = ripetuta || s == scelta(stato, j);
        }
    }
    stato.Estratto = static_cast<qint16>(casuale.scelta(k_));
    inAttesa_ = true;
    return true;
}

EsercizioClic::Esito EsercizioClic::rispondi(const Stato &stato, int indice)
{
    if (!inAttesa_ || indice < 0 || indice >= k_)
        return Esito::Ignorata;
    if (indice != stato.Estratto)
        return Esito::Sbagliata;
    inAttesa_ = false;
    return Esito::Giusta;
}
