#pragma once

#include "windows/finestra.h"

#include <QList>

class QLabel;
class QPushButton;

// "Chi gioca?": a big button for each child of the class list, with his or
// her picture sign when there is one, and "Ospite" for a guest, whose answers
// are not kept. Shown after "Avvio", and from the menu's "Cambia bambino",
// only when the class list names children.
class FormChiGioca : public Finestra
{
    Q_OBJECT
public:
    FormChiGioca(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    QLabel *Titolo = nullptr;
    QList<QPushButton *> Bambini; // in the order of the class list
    QPushButton *Ospite = nullptr;

protected:
    void Form_Load() override;

private:
    void scegli(const QString &bambino);
    void disponi();

    bool scelto_ = false;
};
