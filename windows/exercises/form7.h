#pragma once

#include "windows/exercises/formtrascinamento.h"
#include "windows/navigazione.h"

// "Due nomi e due immagini": two names dragged under two pictures.
class Form7 : public FormTrascinamento
{
    Q_OBJECT
public:
    Form7(const Contesto &c, Navigazione &n) : FormTrascinamento(IdFinestra::Form7, 2, c, n) {}
};
