#pragma once

#include "windows/finestra.h"

class ListaOrdinata;
class QAction;
class QPushButton;
class RiquadroImmagine;

// Picture chooser: the words of the list in alphabetical order; the check-mark
// button (or a double click) shows the picture of the selected word.
class FormVedi3 : public Finestra
{
    Q_OBJECT
public:
    FormVedi3(const Contesto &contesto, Navigazione &navigazione);

    // Shows the picture of the selected word.
    void CaricaImmagine();

    RiquadroImmagine *Image1 = nullptr;
    ListaOrdinata *List1 = nullptr;
    QPushButton *Command1 = nullptr;

protected:
    void Form_Activate() override;

private:
    void Command1_Click();
};
