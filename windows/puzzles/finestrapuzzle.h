#pragma once

#include "windows/finestra.h"

#include <array>
#include <memory>

class GiocoPuzzle;
class ParoleDellaLista;
class ModelloPuzzle;
class QAction;
class QMenu;

// What the swap puzzle and the sliding puzzle share: a random picture in the
// puzzle control, five levels of difficulty, "Gioca ancora" for a new picture,
// the credits and the way back to the menu. The windows only choose the
// picture, the grid and when to shuffle; the control does the rest.
class FinestraPuzzle : public Finestra
{
    Q_OBJECT
public:
    static constexpr int NumeroLivelli = 5;

    // The grid of a level: first the rows, then the columns.
    struct Griglia
    {
        int righe;
        int colonne;
    };
    static Griglia griglia(bool scambio, int Index);

    GiocoPuzzle *GiocoPuzzle1 = nullptr;
    ModelloPuzzle *ImmagineModello = nullptr;
    QAction *mnuancora = nullptr;
    QMenu *mnuLivello = nullptr;
    std::array<QAction *, NumeroLivelli> m1{};
    // The list position of the word whose picture is the puzzle, 0 with an empty list.
    qint16 Estratto = 0;

    void m1_Click(int Index);
    void mnuancora_Click();

protected:
    struct Progetto
    {
        bool scambio;
        int larghezza;          // design client area, twips
        int altezza;
        int spaziInformazioni;  // blanks after "Informazioni"
    };
    FinestraPuzzle(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione, const Progetto &progetto);
    ~FinestraPuzzle() override;

    void Form_Load() override;
    void Form_Activate() override;

private:
    // Draws a word and shows its picture.
    void estraiImmagine();
    QImage immagineParola(const QString &parola) const;

    bool scambio_;
    std::unique_ptr<ParoleDellaLista> parole_;
};
