#pragma once

#include "windows/browse/visore.h"

// Picture viewer: a random picture of the list at each click of the arrow.
class FormVedi : public Visore
{
    Q_OBJECT
public:
    FormVedi(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);
};
