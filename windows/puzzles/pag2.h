#pragma once

#include "windows/puzzles/finestrapuzzle.h"

// The sliding puzzle: pieces slide into the one empty cell.
class pag2 : public FinestraPuzzle
{
    Q_OBJECT
public:
    pag2(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);
};
