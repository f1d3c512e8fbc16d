#pragma once

#include "windows/puzzles/finestrapuzzle.h"

// The swap puzzle: two pieces trade places.
class pag1 : public FinestraPuzzle
{
    Q_OBJECT
public:
    pag1(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);
};
