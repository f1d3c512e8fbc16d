#pragma once

#include "windows/finestra.h"

#include "core/conteggio.h"
#include "core/estrazione.h"

#include <QList>
#include <QRect>

#include <memory>

class QLabel;
class QMenu;
class Faccia;
class PulsanteAvanti;

// Where one exercise window puts the controls every exercise window has,
// in twips (left, top, width, height) inside its design client area.
struct CorniceEsercizio
{
    int larghezza = 0; // design client area
    int altezza = 0;
    QRect facce;       // ComandoIconaSi and ComandoIconaNo share one place
    QRect esatti;      // Label3, "Esatti"
    QRect etichettaEsatti;
    QRect errati;      // the "Errati" caption
    QRect etichettaErrati;
    QRect avanti;      // Command1
    // Form7 and Form8 keep the "Errati" caption in the control array of their
    // drop boxes: it is then Label2(indiceErrati). -1: a plain Label2.
    int indiceErrati = -1;
    // Form7 and Form8 place their names from the full-screen layout, so their
    // first exercise is built on activation instead of at load.
    bool primoEsercizioDopoAttivazione = false;

    // The common layout of the click exercises, in the order of the designs.
    static CorniceEsercizio clic(int larghezza, int altezza, QRect facce, QRect esatti, QRect etichettaEsatti,
                                 QRect errati, QRect etichettaErrati, QRect avanti)
    {
        return {larghezza, altezza, facce, esatti, etichettaEsatti, errati, etichettaErrati, avanti, -1, false};
    }
};

// The frame shared by Form1..Form8: the two counters, the faces, "avanti",
// and the menus "Azzera conteggio", "Informazioni" and "Esci". A family adds
// its own controls, its GeneraEsercizio and its answer check, and calls
// SegnaEsatto / SegnaErrato from there.
class FormEsercizio : public Finestra
{
    Q_OBJECT
public:
    FormEsercizio(const Attivita &attivita, const CorniceEsercizio &cornice, const Contesto &contesto, Navigazione &navigazione);

    // Draws and shows a new exercise.
    virtual void GeneraEsercizio() = 0;

    // Right answer, once the rule has counted it: smiling face and the new
    // count. The family plays its own sound.
    void SegnaEsatto();
    // Wrong answer, once the rule has counted it: frowning face, the
    // wrong-answer sound and the new count.
    void SegnaErrato();
    // The counts of the rule of this window.
    virtual Conteggio &conteggio() = 0;
    const Conteggio &conteggio() const { return const_cast<FormEsercizio *>(this)->conteggio(); }
    // The score summary box.
    void MostraPunteggio();

    Faccia *ComandoIconaSi = nullptr;
    Faccia *ComandoIconaNo = nullptr;
    QLabel *Label3 = nullptr;          // "Esatti"
    QLabel *Label2 = nullptr;          // "Errati" (Label2(indiceErrati) in Form7 and Form8)
    QLabel *EtichettaEsatti = nullptr;
    QLabel *EtichettaErrati = nullptr;
    PulsanteAvanti *Command1 = nullptr; // "avanti"
    QAction *mnuAzzera = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void changeEvent(QEvent *event) override;

    // "avanti": each family disables the button and builds the next exercise.
    virtual void Command1_Click() = 0;
    // The controls that show words of the list: they take the face of the type style at load.
    virtual QList<QWidget *> controlliParola() const = 0;
    // Runs on activation, the window laid out full screen, just before the
    // first exercise of a window that builds it then (Form7, Form8).
    virtual void preparaPrimoEsercizio() {}

    // Extra menu-bar entries (Form8), placed before "Informazioni" in the order they are added.
    QMenu *inserisciMenu(const QString &nome, const QString &testo);
    QAction *inserisciVoce(const QString &nome, const QString &testo);

    // The words of the list in use as this window may draw them, taken when it loads.
    const ParoleDellaLista &parole() const { return *parole_; }
    // Both counters shown as they stand.
    void mostraContatori();
    // Both counts back to 0 and shown so: at load and from "Azzera conteggio".
    void azzeraConteggio();
    // The list cannot fill an exercise: says why and goes back to the menu.
    void listaTroppoCorta();

private:
    void mnuAzzera_Click();

    CorniceEsercizio cornice_;
    std::unique_ptr<ParoleDellaLista> parole_;
    bool primoGenerato_ = false;
    bool rifiutata_ = false;
};
