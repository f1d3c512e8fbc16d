#pragma once

#include "windows/browse/visore.h"

class QLabel;

// Picture-and-name viewer: a random picture of the list with its name below.
class FormVedi2 : public Visore
{
    Q_OBJECT
public:
    FormVedi2(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    void CaricaImmagine() override;

    QLabel *Label1 = nullptr;

protected:
    void Form_Activate() override;
};
