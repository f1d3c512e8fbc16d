#pragma once

#include "windows/exercises/esercizioclic.h"
#include "windows/exercises/formesercizio.h"
#include "windows/gestorefinestre.h"

#include <QVector>

class QLabel;
class CorniceRossa;
class RiquadroImmagine;

// One name and k pictures (Form1: 2, Form2: 3, Form3: 4): the child clicks
// the picture the name belongs to.
class FormUnNomeImmagini : public FormEsercizio
{
    Q_OBJECT
public:
    FormUnNomeImmagini(IdFinestra id, int k, const Contesto &contesto, GestoreFinestre &gestore);

    void GeneraEsercizio() override;
    int k() const { return esercizio_.k(); }

    QVector<RiquadroImmagine *> Image1;
    QLabel *Label1 = nullptr;
    CorniceRossa *Shape1 = nullptr;

protected:
    void Command1_Click() override;
    QList<QWidget *> controlliParola() const override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Image1_Click(int Index);
    void posizionaShape1(int Index);

    EsercizioClic esercizio_;
};

class Form1 : public FormUnNomeImmagini
{
    Q_OBJECT
public:
    Form1(const Contesto &c, GestoreFinestre &g) : FormUnNomeImmagini(IdFinestra::Form1, 2, c, g) {}
};

class Form2 : public FormUnNomeImmagini
{
    Q_OBJECT
public:
    Form2(const Contesto &c, GestoreFinestre &g) : FormUnNomeImmagini(IdFinestra::Form2, 3, c, g) {}
};

class Form3 : public FormUnNomeImmagini
{
    Q_OBJECT
public:
    Form3(const Contesto &c, GestoreFinestre &g) : FormUnNomeImmagini(IdFinestra::Form3, 4, c, g) {}
};
