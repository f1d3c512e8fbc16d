#pragma once

#include <QLabel>
#include <QPointer>

// A name the child drags into the box under its picture. It stays in its
// slot while a picture of it follows the finger; its index in its control
// array is the dynamic property "Index".
class NomeTrascinabile : public QLabel
{
    Q_OBJECT
public:
    explicit NomeTrascinabile(QWidget *parent = nullptr);
    int indice() const;
    // Placed in its box: the slot stays, empty and plainly no place to drop on;
    // back to a name's white box for the next exercise.
    void svuota();
    void ripristina();
};

// The drag of the names, handled by the window itself: pressing on a name
// (mouse, finger or pen: a touch arrives as the same press) picks it up, its
// picture follows the pointer, the box under it lights up, and letting go over
// a box (or the "Errati" caption) drops it there. No platform drag and drop is
// involved, so it works alike on X11 and Wayland, with a mouse and on a touch
// screen.
class TrascinamentoNomi : public QObject
{
    Q_OBJECT
public:
    // `area` holds every name and target; the targets are `riquadri` and the
    // "Errati" caption, each with its "Index"; only the boxes light up.
    TrascinamentoNomi(QWidget *area, const QList<NomeTrascinabile *> &nomi, const QList<QLabel *> &riquadri,
                      QWidget *errati);

    bool inCorso() const { return nome_ != nullptr; }
    // The box that lights up under the dragged name, or null.
    QLabel *illuminato() const { return illuminato_; }
    // The picture following the pointer (hidden when nothing is dragged).
    QWidget *immagine() const { return immagine_; }

signals:
    // Name `nome` let go over target `riquadro` (the box's or the caption's "Index").
    void rilasciato(int riquadro, int nome);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void inizia(NomeTrascinabile *nome, QPoint nelNome);
    // The picture of the carried name, at the name's size.
    void ritrai();
    void muovi(QPoint inArea);
    void finisci(QPoint inArea);
    void annulla();
    void illumina(QLabel *riquadro);
    QWidget *bersaglioIn(QPoint inArea) const;

    QWidget *area_;
    QList<QPointer<QLabel>> riquadri_;
    QPointer<QWidget> errati_;
    QLabel *immagine_;
    QPointer<NomeTrascinabile> nome_;
    QPoint presa_; // where the name was taken, inside it
    QPoint dito_; // where the pointer was last, in the area
    QPointer<QLabel> illuminato_;
    QObject *esc_ = nullptr; // watches for Escape while a name is carried
};
