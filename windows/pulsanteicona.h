#pragma once

#include <QPushButton>

// A picture button: icon and caption, the icon growing with the button.
class PulsanteIcona : public QPushButton
{
    Q_OBJECT
public:
    PulsanteIcona(const QString &testo, const QIcon &icona, QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;
};
