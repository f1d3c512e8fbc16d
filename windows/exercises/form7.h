#pragma once

#include "windows/exercises/formtrascinamento.h"
#include "windows/navigazione.h"

// "Due nomi e due immagini": two names dragged under two pictures.
class Form7 : public FormTrascinamento
{
    Q_OBJECT
public:
    Form7(const Attivita &a, const Contesto &c, Navigazione &n) : FormTrascinamento(a, c, n) {}
};
