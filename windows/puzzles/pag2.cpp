#include "windows/puzzles/pag2.h"

#include "windows/navigazione.h"

pag2::pag2(const Contesto &c, Navigazione &n)
    : FinestraPuzzle(IdFinestra::pag2, c, n, Progetto{false, 10590, 7335, 4})
{
}
