#pragma once

#include "core/puzzle.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <vector>

class Casuale;
class QVariantAnimation;

// The puzzle control: a picture cut into a grid of pieces that the child
// puts back in order, by swapping two pieces (`puzzleascambio`) or by sliding
// pieces into the one empty cell. The pieces are cut at the picture's own
// proportions: the board is as large as fits in the control, centred.
//
// Pieces move with a tap (or click) or a drag, so a mouse, a finger or a
// whiteboard pen all work. In swap mode a tap picks a piece and a tap on
// another trades the two; a piece dragged onto another trades with it. In
// sliding mode a tap on a piece in line with the empty cell slides it, and
// every piece between, one step toward the gap; dragging it that way does the
// same.
//
// `righe`, `colonne` and `puzzleascambio` take effect at the next `Mischia`;
// `picture` and `spessorelinea` show at once.
class GiocoPuzzle : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int righe READ righe WRITE setRighe)
    Q_PROPERTY(int colonne READ colonne WRITE setColonne)
    Q_PROPERTY(int spessorelinea READ spessorelinea WRITE setSpessorelinea)
    Q_PROPERTY(QImage picture READ picture WRITE setPicture)
    Q_PROPERTY(bool puzzleascambio READ puzzleascambio WRITE setPuzzleascambio)

public:
    static constexpr int MaxSpessore = 50;

    explicit GiocoPuzzle(Casuale &casuale, QWidget *parent = nullptr);
    ~GiocoPuzzle() override;

    int righe() const { return righe_; }
    void setRighe(int righe);
    int colonne() const { return colonne_; }
    void setColonne(int colonne);
    int spessorelinea() const { return spessore_; }
    void setSpessorelinea(int spessore);
    QImage picture() const { return picture_; }
    void setPicture(const QImage &picture);
    bool puzzleascambio() const { return scambio_; }
    void setPuzzleascambio(bool scambio);

    // Cuts the picture into the grid now set and shuffles the pieces.
    Q_INVOKABLE void Mischia();

    // The pieces as they lie.
    const Puzzle &stato() const { return puzzle_; }
    bool risolto() const { return puzzle_.risolto(); }
    // Puts the pieces as given (see Puzzle::disponi).
    bool disponi(const std::vector<int> &pezzi);
    // Swap mode: the cell of the piece picked by a tap, waiting for its partner; -1 when none.
    int selezionata() const { return selezionata_; }

    // The board: the grid of pieces at the picture's proportions, as large as
    // fits in the control inside a thin white edge, centred; the tray colour
    // around it.
    QRect rettangoloTavola() const;
    // A cell's whole share of the board, and the part its piece covers
    // (inside the lines).
    QRect rettangoloCella(int cella) const;
    QRect rettangoloPezzo(int cella) const;
    // The cell under a point of the control (on the board or its white
    // edge), or -1.
    int cellaIn(QPoint punto) const;
    // The picture at the board's size, from which every piece is cut.
    const QImage &immagineScalata();
    // True while pieces glide or the finished puzzle celebrates.
    bool animazioneInCorso() const;
    // Pieces glide and the finished puzzle celebrates; off, every move shows
    // its end at once (the tests do not wait for the eye).
    void setAnimato(bool animato) { animato_ = animato; }

signals:
    // Pieces changed place by the child's hand.
    void pezziMossi();
    // The child has just put the last piece in place.
    void completato();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Tocco
    {
        bool attivo = false;
        bool trascinando = false;
        int cella = -1;
        QPoint inizio;
        QPoint ora;
    };

    // The white edge around the board.
    int bordo() const;
    int soglia() const;
    QPoint direzioneVersoVuota(int cella) const;
    int passo(QPoint direzione) const;
    int spostamentoScorrimento() const;
    bool inScorrimento(int cella) const;
    QPoint spostamentoDisegnato(int cella) const;
    QHash<int, QPoint> posizioniAttuali() const;
    void dopoMossa(const QHash<int, QPoint> &prima);
    void annullaTocco();
    void fineTocco(QPoint punto);
    void disegnaFesta(class QPainter &p);
    void tagliaImmagine();

    Casuale &casuale_;
    int righe_ = 3;
    int colonne_ = 3;
    int spessore_ = 2;
    QImage picture_;
    bool scambio_ = false;
    bool animato_ = true;

    Puzzle puzzle_;
    int selezionata_ = -1;
    Tocco tocco_;

    QImage scalata_;
    bool scalataValida_ = false;

    // Pieces gliding to their new cells: piece -> offset at the start of the glide.
    QHash<int, QPoint> scivolamenti_;
    QPointer<QVariantAnimation> movimento_;
    QPointer<QVariantAnimation> festa_;
};

// Which pieces of a picture cut into a grid look the same: entry k is the
// smallest piece number that looks like piece k.
std::vector<int> AspettiPezzi(const QImage &immagine, int righe, int colonne);

// A bright stand-in picture for a word without one: colours that change from
// place to place, so the pieces can still be told apart, and the word itself.
QImage ImmagineSostitutiva(const QString &parola, QSize dimensione = QSize(600, 600));
