#pragma once

#include "core/paroleliste.h"

#include <QGroupBox>

#include <array>

class QButtonGroup;
class QKeyEvent;
class QRadioButton;

// The chooser of the predefined lists: 34 options in three columns over the
// whole window. A click, Enter or Space picks one; the arrows only move
// between them; Escape closes it with nothing picked.
class SceltaListe : public QGroupBox
{
    Q_OBJECT
public:
    explicit SceltaListe(QWidget *parent);

    static constexpr int Numero = NumeroListePredefinite;

    // Shows the captions, the one of the list in use (`inUso`, or -1) marked
    // and with the focus; marks nothing else and loads nothing.
    void apri(const QStringList &titoli, int inUso);
    // The options fill the frame at its size.
    void disponi();

    std::array<QRadioButton *, Numero> Option1{};

signals:
    void scelta(int indice);
    void annullata();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    // True when the key was the chooser's.
    bool tasto(int indice, QKeyEvent *tasto);

    QButtonGroup *gruppo_ = nullptr;
};
