#pragma once

#include "windows/exercises/trascinamentoform.h"
#include "windows/gestorefinestre.h"

// "Due nomi e due immagini": two names dragged under two pictures.
class Form7 : public FormTrascinamento
{
    Q_OBJECT
public:
    Form7(const Contesto &c, GestoreFinestre &g) : FormTrascinamento(IdFinestra::Form7, 2, c, g) {}
};
