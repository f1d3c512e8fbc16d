#include "windows/puzzles/pag1.h"

#include "windows/gestorefinestre.h"

pag1::pag1(const Contesto &c, GestoreFinestre &g)
    : FinestraPuzzle(IdFinestra::pag1, c, g, Progetto{true, 10185, 7350, 5})
{
}
