#pragma once

#include "windows/exercises/esercizioclic.h"
#include "windows/exercises/formesercizio.h"
#include "windows/gestorefinestre.h"

#include <QVector>

class EtichettaCliccabile;
class RiquadroImmagine;

// k names and one picture (Form4: 2, Form5: 3, Form6: 4): the child clicks
// the name of the picture.
class FormNomiUnaImmagine : public FormEsercizio
{
    Q_OBJECT
public:
    FormNomiUnaImmagine(IdFinestra id, int k, const Contesto &contesto, GestoreFinestre &gestore);

    void GeneraEsercizio() override;
    int k() const { return esercizio_.k(); }

    RiquadroImmagine *Image1 = nullptr;
    QVector<EtichettaCliccabile *> Label1;

protected:
    void Command1_Click() override;
    QList<QWidget *> controlliParola() const override;

private:
    void Label1_Click(int Index);

    EsercizioClic esercizio_;
};

class Form4 : public FormNomiUnaImmagine
{
    Q_OBJECT
public:
    Form4(const Contesto &c, GestoreFinestre &g) : FormNomiUnaImmagine(IdFinestra::Form4, 2, c, g) {}
};

class Form5 : public FormNomiUnaImmagine
{
    Q_OBJECT
public:
    Form5(const Contesto &c, GestoreFinestre &g) : FormNomiUnaImmagine(IdFinestra::Form5, 3, c, g) {}
};

class Form6 : public FormNomiUnaImmagine
{
    Q_OBJECT
public:
    Form6(const Contesto &c, GestoreFinestre &g) : FormNomiUnaImmagine(IdFinestra::Form6, 4, c, g) {}
};
