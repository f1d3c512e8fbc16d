#pragma once

#include <QObject>

class QWidget;

// Tells of a left click on a control: pressed and released inside it, while
// it is enabled. A finger or a pen arrives as the same press and release.
class RilevatoreClic : public QObject
{
    Q_OBJECT
public:
    // Watches `controllo`, and belongs to it.
    explicit RilevatoreClic(QWidget *controllo);

signals:
    void clicked();
    // Any click, even on a control disabled for answering (a tap that asks to
    // hear a word again after the answer).
    void toccato();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    QWidget *controllo_;
    bool premuto_ = false;
};
