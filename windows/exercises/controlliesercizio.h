#pragma once

#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include <functional>

// Small controls of the exercise windows.

// A face that says how the last answer went: drawn at the size it is shown,
// round whatever the shape of its box, centred in it.
class Faccia : public QWidget
{
    Q_OBJECT
public:
    using Disegno = std::function<QPixmap(int lato)>;
    Faccia(Disegno disegno, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Disegno disegno_;
    QPixmap cache_;
};

// "avanti": a graphical button, the grey arrow above the caption, the arrow
// growing with the button.
class PulsanteAvanti : public QToolButton
{
    Q_OBJECT
public:
    explicit PulsanteAvanti(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;
};

// A label that reports a left click while it is enabled.
class EtichettaCliccabile : public QLabel
{
    Q_OBJECT
public:
    explicit EtichettaCliccabile(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool premuto_ = false;
};

// The red frame put round the right picture. Clicks pass through it.
class CorniceRossa : public QWidget
{
    Q_OBJECT
public:
    explicit CorniceRossa(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A word label as the exercises show it: white, a thin black border, the
// text centred and still black while the label is disabled.
void PreparaEtichettaParola(QLabel *etichetta, double punti);
// The white background of a word label, or another colour (the yellow of a right name).
void ColoraEtichetta(QLabel *etichetta, const QColor &sfondo);
QColor ColoreEtichetta(const QLabel *etichetta);
