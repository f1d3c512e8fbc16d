#pragma once

#include "core/abbinamenti.h"
#include "windows/exercises/formesercizio.h"

#include <QVector>

class QLabel;
class NomeTrascinabile;
class TrascinamentoNomi;
class RiquadroImmagine;

// K pictures in a row, an empty box under each, and their K names shuffled
// in a row of slots below: the child drags each name into the box under its
// picture (Form7: K = 2, Form8: K = 3).
class FormTrascinamento : public FormEsercizio
{
    Q_OBJECT
public:
    FormTrascinamento(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    void GeneraEsercizio() override;

    int coppie() const { return esercizio_.coppie(); }
    qint16 CoppieFatte() const { return esercizio_.CoppieFatte(); }
    int SinistraPrimoNome() const { return sinistraPrimoNome_; }
    int DistanzaNomi() const { return distanzaNomi_; }

    QVector<RiquadroImmagine *> Image1;
    // Label2(0..K-1) are the boxes; Label2(K) is the frame's "Errati" caption.
    QVector<QLabel *> Label2Riquadri;
    QVector<NomeTrascinabile *> Label1;
    const abbinamenti::Estrazione &estrazione() const { return estrazione_; }
    Conteggio &conteggio() override { return esercizio_.conteggio; }
    using FormEsercizio::conteggio;
    TrascinamentoNomi *trascinamento() const { return trascinamento_; }

protected:
    void Command1_Click() override;
    QList<QWidget *> controlliParola() const override;
    void preparaPrimoEsercizio() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Label2_DragDrop(int Index, int nome);
    void prendiSlot();
    void disponiNomi();

    abbinamenti::Esercizio esercizio_;
    // The words and the arrangement of the names; not valid until the first exercise is drawn.
    abbinamenti::Estrazione estrazione_;
    TrascinamentoNomi *trascinamento_ = nullptr;
    int sinistraPrimoNome_ = 0;
    int distanzaNomi_ = 0;
};
