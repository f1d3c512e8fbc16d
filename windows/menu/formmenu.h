#pragma once

#include "core/carattere.h"
#include "windows/finestra.h"

#include <QMap>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

// The hub: fourteen activities, the type style, the sounds switch and "ESCI".
class FormMenu : public Finestra
{
    Q_OBJECT
public:
    // `attivita`: the rows of the activities, a button for each that has one.
    FormMenu(const Attivita &menu, const QList<Attivita> &attivita, const Contesto &contesto,
             Navigazione &navigazione);

    QPushButton *pulsante(IdFinestra id) const { return pulsanti_.value(id); }
    QPushButton *Command3D5 = nullptr;
    QFrame *Picture1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QCheckBox *Check1 = nullptr;
    // With a class list: who plays, and the way to another child.
    QLabel *EtichettaBambino = nullptr;
    QPushButton *CambiaBambino = nullptr;

protected:
    void Form_Load() override;
    void richiestaChiusura() override;
    void changeEvent(QEvent *event) override;

private:
    void apri(IdFinestra id);
    void scegliCarattere(TipoCarattere carattere);
    void Command3D5_Click();

    QMap<IdFinestra, QPushButton *> pulsanti_;
    QMap<IdFinestra, RequisitiLista> requisiti_;
};
