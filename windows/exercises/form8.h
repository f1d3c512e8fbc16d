#pragma once

#include "windows/exercises/formtrascinamento.h"
#include "windows/navigazione.h"

class QAction;
class QMenu;

// "Tre nomi e tre immagini": three names dragged under three pictures, with
// the score summary and a type-style menu that only shows the style.
class Form8 : public FormTrascinamento
{
    Q_OBJECT
public:
    Form8(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    QMenu *mnuCaratteri = nullptr;
    QAction *mnuMinuscolo = nullptr;
    QAction *mnuMaiuscolo = nullptr;
    QAction *mnuEsercizi = nullptr;
};
