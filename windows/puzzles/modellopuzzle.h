#pragma once

#include <QImage>
#include <QWidget>

// The white edge around a puzzle's picture, in proportion to its box.
int BordoPuzzle(QSize riquadro);
// A picture of size `immagine` as large as fits inside `riquadro` less the
// edge, centred; the inside of the edge when there is no picture.
QRect AreaPuzzle(QSize riquadro, QSize immagine);

// The whole picture, small, beside the puzzle: what the child is building.
// It keeps the picture's proportions inside its box, with a white edge.
class ModelloPuzzle : public QWidget
{
    Q_OBJECT
public:
    explicit ModelloPuzzle(QWidget *parent = nullptr);

    void setImmagine(const QImage &immagine);
    QImage immagine() const { return immagine_; }
    // Where the picture is drawn inside the box.
    QRect areaImmagine() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage immagine_;
    QImage scalata_;
};
