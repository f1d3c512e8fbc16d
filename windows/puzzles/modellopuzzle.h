#pragma once

#include <QImage>
#include <QWidget>

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
    int bordo() const;

    QImage immagine_;
    QImage scalata_;
};
