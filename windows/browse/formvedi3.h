#pragma once

#include "windows/finestra.h"

#include <QRect>

class ListaOrdinata;
class QAction;
class QPushButton;
class RiquadroImmagine;

// Picture chooser: the words of the list in alphabetical order; the check-mark
// button (or a double tap) shows the picture of the selected word.
class FormVedi3 : public Finestra
{
    Q_OBJECT
public:
    FormVedi3(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    // Shows the picture of the selected word.
    void CaricaImmagine();

    RiquadroImmagine *Image1 = nullptr;
    ListaOrdinata *List1 = nullptr;
    QPushButton *Command1 = nullptr;

protected:
    void Form_Activate() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Command1_Click();
    // The list box shows whole rows only: as many as its scaled box holds, centred in it.
    void righeIntere();
    QRect scatola_; // the list box's scaled design place
    QString mostrata_; // the word whose picture is shown
};
