#include "core/puzzle.h"

#include "core/casuale.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {
int limita(int n)
{
    return std::clamp(n, 1, Puzzle::MaxLato);
}
} // namespace

Puzzle::Puzzle(int righe, int colonne, bool scambio)
    : righe_(limita(righe)), colonne_(limita(colonne)), scambio_(scambio), pezzi_(static_cast<size_t>(righe_ * colonne_)),
      aspetto_(pezzi_.size())
{
    std::iota(pezzi_.begin(), pezzi_.end(), 0);
    std::iota(aspetto_.begin(), aspetto_.end(), 0);
}

void Puzzle::impostaAspetto(const std::vector<int> &aspetto)
{
    if (aspetto.size() != pezzi_.size())
        return;
    aspetto_ = aspetto;
    if (!scambio_) {
        // A number no other piece has: the gap must come home for the picture to be whole.
        const int unico = *std::max_element(aspetto_.begin(), aspetto_.end()) + 1;
        aspetto_.back() = unico;
    }
}

int Puzzle::pezzo(int cella) const
{
    return valida(cella) ? pezzi_[static_cast<size_t>(cella)] : -1;
}

int Puzzle::vuota() const
{
    if (scambio_)
        return -1;
    const auto it = std::find(pezzi_.begin(), pezzi_.end(), celle() - 1);
    return static_cast<int>(it - pezzi_.begin());
}

bool Puzzle::risolto() const
{
    for (size_t c = 0; c < pezzi_.size(); ++c)
        if (aspetto_[static_cast<size_t>(pezzi_[c])] != aspetto_[c])
            return false;
    return true;
}

void Puzzle::mischia(Casuale &casuale)
{
    const int n = celle();
    std::iota(pezzi_.begin(), pezzi_.end(), 0);
    if (n < 2)
        return; // a single piece is always in place

    if (!scambio_ && (righe_ == 1 || colonne_ == 1)) {
        // In a single line the pieces can never pass one another: only the
        // place of the gap can change.
        avvicina(casuale.scelta(n - 1));
        return;
    }

    // When every piece to be swapped looks the same, nothing can look out of place.
    const bool distinguibili = !scambio_ || std::any_of(aspetto_.begin(), aspetto_.end(),
                                                        [this](int a) { return a != aspetto_.front(); });
    do {
        for (int i = n - 1; i > 0; --i)
            std::swap(pezzi_[static_cast<size_t>(i)], pezzi_[static_cast<size_t>(casuale.scelta(i + 1))]);
        if (!scambio_ && !risolvibile(righe_, colonne_, pezzi_)) {
            // Trading two real pieces flips the parity and makes it solvable.
            const int vuoto = n - 1;
            const int a = pezzi_[0] == vuoto ? 1 : 0;
            const int b = pezzi_[static_cast<size_t>(a + 1)] == vuoto ? a + 2 : a + 1;
            std::swap(pezzi_[static_cast<size_t>(a)], pezzi_[static_cast<size_t>(b)]);
        }
    } while (distinguibili && risolto());
}

bool Puzzle::scambia(int a, int b)
{
    if (!scambio_ || !valida(a) || !valida(b) || a == b || risolto())
        return false;
    std::swap(pezzi_[static_cast<size_t>(a)], pezzi_[static_cast<size_t>(b)]);
    return true;
}

bool Puzzle::scorrevole(int cella) const
{
    if (scambio_ || !valida(cella) || risolto())
        return false;
    const int v = vuota();
    return cella != v && (riga(cella) == riga(v) || colonna(cella) == colonna(v));
}

bool Puzzle::scorri(int cella)
{
    if (!scorrevole(cella))
        return false;
    avvicina(cella);
    return true;
}

void Puzzle::avvicina(int cella)
{
    // From the gap toward the cell, every piece on the way moves into the gap in turn.
    const int v = vuota();
    const int passo = riga(cella) == riga(v) ? (cella > v ? 1 : -1) : (cella > v ? colonne_ : -colonne_);
    for (int c = v; c != cella; c += passo)
        std::swap(pezzi_[static_cast<size_t>(c)], pezzi_[static_cast<size_t>(c + passo)]);
}

bool Puzzle::permutazione(const std::vector<int> &pezzi)
{
    std::vector<bool> visto(pezzi.size(), false);
    for (int p : pezzi) {
        if (p < 0 || p >= static_cast<int>(pezzi.size()) || visto[static_cast<size_t>(p)])
            return false;
        visto[static_cast<size_t>(p)] = true;
    }
    return true;
}

bool Puzzle::disponi(const std::vector<int> &pezzi)
{
    if (static_cast<int>(pezzi.size()) != celle() || !permutazione(pezzi))
        return false;
    if (!scambio_ && !risolvibile(righe_, colonne_, pezzi))
        return false;
    pezzi_ = pezzi;
    return true;
}

bool Puzzle::risolvibile(int righe, int colonne, const std::vector<int> &pezzi)
{
    const int n = righe * colonne;
    if (righe < 1 || colonne < 1 || static_cast<int>(pezzi.size()) != n || !permutazione(pezzi))
        return false;
    const int vuoto = n - 1;
    if (righe == 1 || colonne == 1) {
        // The real pieces must already stand in order; the gap may be anywhere.
        int atteso = 0;
        for (int p : pezzi)
            if (p != vuoto && p != atteso++)
                return false;
        return true;
    }
    // Every slide is one transposition with the gap and moves the gap one
    // cell: the parity of the arrangement and that of the gap's distance from
    // its home change together, and on a grid of two or more rows and columns
    // every arrangement keeping them equal can be reached.
    std::vector<int> p = pezzi;
    int scambi = 0;
    for (int i = 0; i < n; ++i)
        while (p[static_cast<size_t>(i)] != i) {
            std::swap(p[static_cast<size_t>(i)], p[static_cast<size_t>(p[static_cast<size_t>(i)])]);
            ++scambi;
        }
    const int cellaVuota = static_cast<int>(std::find(pezzi.begin(), pezzi.end(), vuoto) - pezzi.begin());
    const int distanza = std::abs(cellaVuota / colonne - (righe - 1)) + std::abs(cellaVuota % colonne - (colonne - 1));
    return (scambi % 2) == (distanza % 2);
}
