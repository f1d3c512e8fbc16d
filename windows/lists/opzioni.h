#pragma once

#include "windows/finestra.h"

#include <QPoint>

#include <array>

class QButtonGroup;
class QCheckBox;
class QKeyEvent;
class QMouseEvent;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The word-list window: shows the list in use, lets the user pick one of the
// predefined lists or a list file of their own, and holds the list maker
// that builds new list files from the words that have a picture.
class OPZIONI : public Finestra
{
    Q_OBJECT
public:
    OPZIONI(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

    // The messages of this window.
    static const QString MessaggioNessunaLista;
    static const QString MessaggioListaVuota;
    static const QString DomandaSovrascrivi;
    static const QString MessaggioNomeMancante;
    static QString messaggioApertura(const QString &percorso, const QString &motivo);
    // The words of a list just chosen that have no picture.
    static QString messaggioSenzaImmagine(const QStringList &parole);
    static QString messaggioSalvataggio(const QString &percorso, const QString &motivo);
    // The file dialogs' filters.
    static const QString FiltroApri;
    static const QString FiltroSalva;

    // The option row of the list in use, or -1 when it is none of the predefined ones.
    int opzioneInUso() const;

    QGroupBox *Frame4 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3D1 = nullptr;
    QCheckBox *CheckVoce = nullptr; // "Leggi le parole ad alta voce"

    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 34> Option1{};

    QGroupBox *Frame5 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QListWidget *List1 = nullptr;
    QListWidget *List2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command3 = nullptr;

protected:
    void Form_Activate() override;
    void richiestaChiusura() override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void ImpostOpzioniSelezionate();
    void Command6_Click();
    void Option1_Click(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3D1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    void TrovaImmagini();
    // Moves the selected word of `da` to its sorted place in `a`.
    void sposta(QListWidget *da, QListWidget *a);
    // Loads a list file as the list in use; a file that cannot be read
    // leaves everything as it was and says why.
    void caricaLista(const QString &percorso);
    void mostraSopra(QGroupBox *frame);
    void nascondi(QGroupBox *frame);
    void disponiScelta();
    // The chooser's keys: arrows move between the options, Enter or Space
    // choose, Escape closes it. True when the key was the chooser's.
    bool tastoScelta(int indice, QKeyEvent *tasto);
    // The second tap of a double tap on a word of the maker moves it. True when the press was taken.
    bool doppioTocco(QListWidget *lista, QMouseEvent *evento);

    struct Tocco
    {
        QListWidget *lista = nullptr;
        QString parola; // the word tapped first, none when the tap found none
        QPoint punto;
        quint64 tempo = 0;
    };
    Tocco tocco_;

    QButtonGroup *gruppoOpzioni_ = nullptr;
};
