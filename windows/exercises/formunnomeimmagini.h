#pragma once

#include "windows/exercises/formclic.h"

#include <QVector>

class QLabel;
class CorniceRossa;
class RiquadroImmagine;

// One name and k pictures (Form1: 2, Form2: 3, Form3: 4): the child clicks
// the picture the name belongs to.
class FormUnNomeImmagini : public FormClic
{
    Q_OBJECT
public:
    FormUnNomeImmagini(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    void GeneraEsercizio() override;

    QVector<RiquadroImmagine *> Image1;
    QLabel *Label1 = nullptr;
    CorniceRossa *Shape1 = nullptr;

protected:
    QList<QWidget *> controlliParola() const override;
    QList<QWidget *> risposte() const override;
    void segnaGiusta(int Index) override;
    void togliSegno() override;
    void resizeEvent(QResizeEvent *event) override;
};

class Form1 : public FormUnNomeImmagini
{
    Q_OBJECT
public:
    Form1(const Attivita &a, const Contesto &c, Navigazione &n) : FormUnNomeImmagini(a, c, n) {}
};

class Form2 : public FormUnNomeImmagini
{
    Q_OBJECT
public:
    Form2(const Attivita &a, const Contesto &c, Navigazione &n) : FormUnNomeImmagini(a, c, n) {}
};

class Form3 : public FormUnNomeImmagini
{
    Q_OBJECT
public:
    Form3(const Attivita &a, const Contesto &c, Navigazione &n) : FormUnNomeImmagini(a, c, n) {}
};
