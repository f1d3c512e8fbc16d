#include "core/abbinamenti.h"

#include "core/casuale.h"
#include "core/estrazione.h"
#include "core/ripasso.h"

#include <algorithm>

namespace abbinamenti {
namespace {

// Which name stands in each slot.
constexpr int DueCoppie[2][2] = {{0, 1}, {1, 0}};
constexpr int TreCoppie[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 1, 0}, {2, 0, 1}};

bool coppieValide(int coppie)
{
    return coppie == 2 || coppie == 3;
}

} // namespace

int numeroDisposizioni(int coppie)
{
    switch (coppie) {
    case 2: return 2;
    case 3: return 6;
    default: return 0;
    }
}

int nomeNelloSlot(int coppie, int disposizione, int slot)
{
    if (!coppieValide(coppie) || disposizione < 0 || disposizione >= numeroDisposizioni(coppie) || slot < 0
        || slot >= coppie)
        return -1;
    return coppie == 2 ? DueCoppie[disposizione][slot] : TreCoppie[disposizione][slot];
}

int slotDelNome(int coppie, int disposizione, int nome)
{
    for (int s = 0; s < coppie; ++s)
        if (nomeNelloSlot(coppie, disposizione, s) == nome)
            return s;
    return -1;
}

int sinistraSlot(int sinistraPrimoNome, int distanzaNomi, int slot)
{
    return sinistraPrimoNome + slot * distanzaNomi;
}

Estrazione estrai(Casuale &casuale, int coppie, const ParoleDellaLista &parole, const Ripasso *ripasso)
{
    Estrazione e;
    if (!coppieValide(coppie))
        return e;
    const QList<int> posizioni = EstraiParole(casuale, parole, coppie, true);
    if (posizioni.isEmpty())
        return e;
    std::copy(posizioni.begin(), posizioni.end(), e.Scelta.begin());
    e.Estratto = casuale.scelta(numeroDisposizioni(coppie));
    if (const int p = ripasso ? ripasso->daRipassare(casuale, parole, true) : 0) {
        const auto fine = e.Scelta.begin() + coppie;
        if (std::none_of(e.Scelta.begin(), fine, [&](int s) { return parole.stessaParola(s, p); }))
            e.Scelta[static_cast<size_t>(casuale.scelta(coppie))] = p;
    }
    e.coppie = coppie;
    return e;
}

Esercizio::Esercizio(int coppie) : coppie_(std::clamp(coppie, 1, MassimoCoppie)) {}

void Esercizio::ricomincia()
{
    coppieFatte_ = 0;
    abbinati_.fill(false);
}

Esito Esercizio::rilascia(int nome, int riquadro)
{
    // A placed name is disabled and cannot be dragged; should a drop of one
    // arrive all the same, it must not count twice.
    if (nome < 0 || nome >= coppie_ || riquadro < 0 || riquadro > coppie_ || abbinati_[nome] || completo())
        return Esito::Nessuno;
    if (nome != riquadro) {
        conteggio.sbagliata();
        return Esito::Sbagliato;
    }
    abbinati_[nome] = true;
    ++coppieFatte_;
    if (!completo())
        return Esito::Giusto;
    conteggio.giusta();
    return Esito::Completo;
}

} // namespace abbinamenti
