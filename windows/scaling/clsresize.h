#pragma once

#include <QPointer>
#include <QRect>
#include <QVector>
#include <QWidget>

// Keeps a window's controls in proportion to their design geometry whatever
// the window's size. A control is any named widget inside the window's client
// area (the central widget of a QMainWindow, else the window itself); Qt's
// own inner widgets ("qt_..." names or no name) are left to their parents.
//
// A control's dynamic property "Tag" may limit what is scaled: a tag that
// starts with "@" scales only the dimensions whose letters it holds (L left,
// T top, W width, H height, either case); any other tag scales all four. The
// tag is read when the design is recorded.
class clsResize
{
public:
    clsResize() = default;
    clsResize(const clsResize &) = delete;
    clsResize &operator=(const clsResize &) = delete;

    QWidget *SourceForm() const { return form_; }
    void setSourceForm(QWidget *New_SourceForm) { form_ = New_SourceForm; }

    // Takes the present geometry as the new design.
    void ReInitialise();
    // Sizes the window to Percent of the screen, centred, then scales the controls.
    void SizeFormToScreen(int Percent);
    // Scales every recorded control to the window's present client size.
    void ResizeControls();

    // Whether the design has been recorded, and its client size.
    bool registrato() const { return !primaVolta_; }
    QSize dimensioneProgetto() const { return QSize(larghezzaProgetto_, altezzaProgetto_); }

    static QWidget *areaCliente(QWidget *form);
    static QList<QWidget *> controlli(QWidget *form);

private:
    struct Record
    {
        QPointer<QWidget> controllo;
        QRect geometria;
        // Which of left, top, width, height follow the window, read from the tag once.
        bool sinistra, alto, larghezza, altezza;
    };

    void StoreControlPositions();

    QPointer<QWidget> form_;
    int larghezzaProgetto_ = 0;
    int altezzaProgetto_ = 0;
    QVector<Record> record_;
    bool primaVolta_ = true;
};
