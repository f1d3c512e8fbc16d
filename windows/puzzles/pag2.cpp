#include "windows/puzzles/pag2.h"

#include "windows/gestorefinestre.h"

pag2::pag2(const Contesto &c, GestoreFinestre &g)
    : FinestraPuzzle(IdFinestra::pag2, c, g, Progetto{false, 10590, 7335, 4})
{
}
