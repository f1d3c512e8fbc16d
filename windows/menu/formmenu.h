#pragma once

#include "windows/finestra.h"

#include <QMap>

class QCheckBox;
class QFrame;
class QPushButton;
class QRadioButton;

// The hub: fourteen activities, the type style, the sounds switch and "ESCI".
class FormMenu : public Finestra
{
    Q_OBJECT
public:
    FormMenu(const Contesto &contesto, Navigazione &navigazione);

    QPushButton *pulsante(IdFinestra id) const { return pulsanti_.value(id); }
    QPushButton *Command3D5 = nullptr;
    QFrame *Picture1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QCheckBox *Check1 = nullptr;

protected:
    void Form_Load() override;
    void richiestaChiusura() override;

private:
    void apri(IdFinestra id);
    void scegliCarattere(const QString &carattere);
    void Command3D5_Click();

    QMap<IdFinestra, QPushButton *> pulsanti_;
};
