#pragma once

#include "core/estrazione.h"
#include "windows/finestra.h"

#include <memory>

#include <QRect>

class QAction;
class QPushButton;
class RiquadroImmagine;

// A window that shows one random picture of the list in use at a time and an
// arrow button for another one. Nothing is counted; "Esci" goes back to the menu.
class Visore : public Finestra
{
    Q_OBJECT
public:
    // Design of one viewer.
    struct Progetto
    {
        QSize area;              // design client area, twips
        QRect immagine;          // Image1, twips
        QRect pulsante;          // Command1, twips
        const char *nomeMenuInformazioni;
        int spaziInformazioni;   // blanks after "Informazioni"
    };

    // Draws a list position into Estratto and shows its picture.
    virtual void CaricaImmagine();

    RiquadroImmagine *Image1 = nullptr;
    QPushButton *Command1 = nullptr;
    // The list position of the word shown, 0 when the list is empty.
    qint16 Estratto = 0;

protected:
    Visore(const Attivita &attivita, const Progetto &progetto, const Contesto &contesto, Navigazione &navigazione);

    void Form_Activate() override;

private:
    void Command1_Click();

    // The words of the list in use as the viewer draws them, taken when it opens.
    std::unique_ptr<ParoleDellaLista> parole_;
};
