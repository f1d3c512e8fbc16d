#pragma once

#include <QToolButton>

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
