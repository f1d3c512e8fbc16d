#pragma once

#include <vector>

class Casuale;

// The rules of a picture puzzle, apart from how it is drawn.
//
// The picture is cut into `righe` x `colonne` cells, numbered row by row from
// the top left. Piece k belongs in cell k. In swap mode any two pieces trade
// places. In sliding mode the last piece (bottom right) is taken out and its
// cell is the empty one: a piece next to it, or a whole run of pieces in line
// with it, slides in.
//
// A finished puzzle takes no more moves until it is shuffled again.
class Puzzle
{
public:
    // Rows and columns are kept within 1..MaxLato.
    static constexpr int MaxLato = 12;

    Puzzle() : Puzzle(3, 3, false) {}
    Puzzle(int righe, int colonne, bool scambio);

    int righe() const { return righe_; }
    int colonne() const { return colonne_; }
    int celle() const { return righe_ * colonne_; }
    bool scambio() const { return scambio_; }

    int riga(int cella) const { return cella / colonne_; }
    int colonna(int cella) const { return cella % colonne_; }
    bool valida(int cella) const { return cella >= 0 && cella < celle(); }

    // The piece lying in a cell (its home cell); -1 for a cell out of the grid.
    int pezzo(int cella) const;
    // The whole arrangement: entry c is the piece in cell c.
    const std::vector<int> &disposizione() const { return pezzi_; }
    // The empty cell in sliding mode; -1 in swap mode.
    int vuota() const;
    bool risolto() const;

    // Pieces that look alike (a plain sky, a white background) may stand in
    // for one another: `aspetto[k]` is the same number for pieces that look
    // the same. Then a puzzle is finished when every cell shows what belongs
    // there. The piece taken out in sliding mode always counts as unique.
    // Ignored unless there is one entry per piece.
    void impostaAspetto(const std::vector<int> &aspetto);

    // A new arrangement at random: never one that looks finished (unless
    // every piece looks the same) and, in sliding mode, always one that can be
    // finished by sliding.
    void mischia(Casuale &casuale);

    // Swap mode: pieces in cells a and b trade places. False when nothing moved.
    bool scambia(int a, int b);
    // Sliding mode: true when the piece in `cella` can slide now, that is it
    // lies in the row or column of the empty cell.
    bool scorrevole(int cella) const;
    // Sliding mode: the piece in `cella` and those between it and the empty
    // cell move one step toward it. False when nothing moved.
    bool scorri(int cella);

    // Puts the pieces as given (entry c is the piece for cell c). Refused,
    // leaving the puzzle as it was, unless it is a rearrangement of 0..n-1
    // that the mode allows (in sliding mode: reachable by sliding).
    bool disponi(const std::vector<int> &pezzi);

    // Sliding mode: can this arrangement be brought back to order by sliding?
    static bool risolvibile(int righe, int colonne, const std::vector<int> &pezzi);

private:
    static bool permutazione(const std::vector<int> &pezzi);
    // Slides the run from `cella` (in line with the gap) one step toward the gap.
    void avvicina(int cella);

    int righe_;
    int colonne_;
    bool scambio_;
    std::vector<int> pezzi_;
    std::vector<int> aspetto_;
};
