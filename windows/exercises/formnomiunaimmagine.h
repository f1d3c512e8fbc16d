#pragma once

#include "windows/exercises/formclic.h"

#include <QVector>

class QLabel;
class RiquadroImmagine;

// k names and one picture (Form4: 2, Form5: 3, Form6: 4): the child clicks
// the name of the picture.
class FormNomiUnaImmagine : public FormClic
{
    Q_OBJECT
public:
    FormNomiUnaImmagine(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    void GeneraEsercizio() override;

    RiquadroImmagine *Image1 = nullptr;
    QVector<QLabel *> Label1;

protected:
    QList<QWidget *> controlliParola() const override;
    QList<QWidget *> risposte() const override { return controlliParola(); }
    void segnaGiusta(int Index) override;
    void togliSegno() override;
};

class Form4 : public FormNomiUnaImmagine
{
    Q_OBJECT
public:
    Form4(const Attivita &a, const Contesto &c, Navigazione &n) : FormNomiUnaImmagine(a, c, n) {}
};

class Form5 : public FormNomiUnaImmagine
{
    Q_OBJECT
public:
    Form5(const Attivita &a, const Contesto &c, Navigazione &n) : FormNomiUnaImmagine(a, c, n) {}
};

class Form6 : public FormNomiUnaImmagine
{
    Q_OBJECT
public:
    Form6(const Attivita &a, const Contesto &c, Navigazione &n) : FormNomiUnaImmagine(a, c, n) {}
};
