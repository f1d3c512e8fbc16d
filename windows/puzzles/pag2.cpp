#include "windows/puzzles/pag2.h"

#include "windows/navigazione.h"

pag2::pag2(const Attivita &a, const Contesto &c, Navigazione &n)
    : FinestraPuzzle(a, c, n, Progetto{false, 10590, 7335, 4})
{
}
