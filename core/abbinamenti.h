#pragma once

#include "core/conteggio.h"

#include <QtGlobal>

#include <array>

class Casuale;
class ParoleDellaLista;
class Ripasso;

// The rules of the drag exercises: K names dragged under their K pictures.
// Name i (`Label1(i)`) belongs to picture i and to box i (`Label2(i)`); box K
// is the "Errati" caption, where every name is wrong.
namespace abbinamenti {

constexpr int MassimoCoppie = 3;

// How many ways the names can stand in their slots: 2 for two pairs, 6 for three.
int numeroDisposizioni(int coppie);
// The name standing in `slot` under arrangement `disposizione`, or -1 when
// any of the three is out of range.
int nomeNelloSlot(int coppie, int disposizione, int slot);
// The slot of name `nome` under arrangement `disposizione`, or -1.
int slotDelNome(int coppie, int disposizione, int nome);
// Left edge of a slot, in whole units.
int sinistraSlot(int sinistraPrimoNome, int distanzaNomi, int slot);

// The draw of one exercise: the K words (their list positions, as
// EstraiParole draws them, each with its picture) and the arrangement of the
// names. Not valid when the list has too few words.
struct Estrazione
{
    int coppie = 0;
    std::array<int, MassimoCoppie> Scelta{};
    // The arrangement of the names in their slots, 0..numeroDisposizioni-1.
    int Estratto = 0;
    bool valida() const { return coppie > 0; }
};
// With a `ripasso`, now and then one of the words is one the child missed.
Estrazione estrai(Casuale &casuale, int coppie, const ParoleDellaLista &parole, const Ripasso *ripasso = nullptr);

enum class Esito {
    Nessuno,   // nothing happens (a name already placed, an index out of range, an exercise already done)
    Giusto,    // the name goes into its box; the exercise goes on
    Completo,  // the last name went into its box
    Sbagliato, // wrong box or the "Errati" caption
};

// One exercise in progress: which names are already in their boxes.
class Esercizio
{
public:
    explicit Esercizio(int coppie);

    int coppie() const { return coppie_; }
    qint16 CoppieFatte() const { return coppieFatte_; }
    bool completo() const { return coppieFatte_ == coppie_; }

    // A fresh exercise: every box empty.
    void ricomincia();
    // Name `nome` dropped on box `riquadro` (0..K, K being the "Errati" caption).
    // A wrong drop counts as wrong; the whole exercise, once complete, as right.
    Esito rilascia(int nome, int riquadro);

    Conteggio conteggio;

private:
    int coppie_;
    qint16 coppieFatte_ = 0;
    std::array<bool, MassimoCoppie> abbinati_{};
};

} // namespace abbinamenti
