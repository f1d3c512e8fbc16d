#pragma once

#include <QObject>

class QWidget;

// A double click, or a quick second tap, on a button that opens a window:
// the first click opens it, and the second lands on whatever stands at that
// place in the new window, answering an exercise nobody has read yet. So a
// window just shown (or a frame just raised over it, see `nuovaSchermata`)
// takes no double click until it has had a press of its own; the second half
// of the double click is dropped, its release too.
class GuardiaDoppioClic : public QObject
{
    Q_OBJECT
public:
    // Watches every window of the application while it lives.
    explicit GuardiaDoppioClic(QObject *parent = nullptr);
    ~GuardiaDoppioClic() override;

    // A frame that covers its window when shown, so it is a new screen too.
    static void nuovaSchermata(QWidget *frame);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
};
