#include "windows/puzzles/pag1.h"

#include "windows/navigazione.h"

pag1::pag1(const Attivita &a, const Contesto &c, Navigazione &n)
    : FinestraPuzzle(a, c, n, Progetto{true, 10185, 7350, 5})
{
}
