#pragma once

#include "windows/finestra.h"

class CreaLista;
class Interruttore;
class QGroupBox;
class QLabel;
class QPushButton;
class SceltaListe;

// The word-list window: shows the list in use and the three ways to change
// it: the chooser of the predefined lists (`Frame1`), a list file of the
// user's own, and the list maker (`Frame5`), which builds new list files from
// the words that have a picture. Also the switch of the voice.
class OPZIONI : public Finestra
{
    Q_OBJECT
public:
    OPZIONI(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    // The messages of this window.
    static const QString MessaggioNessunaLista;
    static QString messaggioApertura(const QString &percorso, const QString &motivo);
    // The words of a list just chosen that have no picture.
    static QString messaggioSenzaImmagine(const QStringList &parole);
    // The file dialog's filter.
    static const QString FiltroApri;

    // The option row of the list in use, or -1 when it is none of the predefined ones.
    int opzioneInUso() const;

    QGroupBox *Frame4 = nullptr;
    QLabel *Label1 = nullptr; // the path of the list in use
    QPushButton *Command6 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3D1 = nullptr;
    Interruttore *CheckVoce = nullptr;    // "Leggi le parole ad alta voce"
    Interruttore *CheckRipasso = nullptr; // "Ripassa le parole sbagliate"
    SceltaListe *Frame1 = nullptr;
    CreaLista *Frame5 = nullptr;

protected:
    void Form_Activate() override;
    void richiestaChiusura() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ImpostOpzioniSelezionate();
    void Command6_Click();
    void Option1_Click(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3D1_Click();
    // "Chiudi" of the maker.
    void Command3_Click();
    // A list saved by the maker is the list in use from now on.
    void listaSalvata(const QString &percorso, const QStringList &parole);

    // Loads a list file as the list in use; a file that cannot be read
    // leaves everything as it was and says why.
    void caricaLista(const QString &percorso);
    void inUso(const QString &percorso, const QStringList &parole);
    void mostraSopra(QGroupBox *frame);
    void nascondi(QGroupBox *frame);
};
