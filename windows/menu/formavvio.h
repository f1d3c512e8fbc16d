#pragma once

#include "windows/finestra.h"

class QLabel;
class QPushButton;

// The first window: title, credits and the "Avvio" button to the main menu.
class FormAvvio : public Finestra
{
    Q_OBJECT
public:
    FormAvvio(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    QPushButton *Command1 = nullptr;

protected:
    void richiestaChiusura() override;

private:
    void Command1_Click();
};
