#include "windows/puzzles/pag1.h"

#include "windows/navigazione.h"

pag1::pag1(const Contesto &c, Navigazione &n)
    : FinestraPuzzle(IdFinestra::pag1, c, n, Progetto{true, 10185, 7350, 5})
{
}
