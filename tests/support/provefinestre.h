#pragma once

#include "tests/support/provecomuni.h"
#include "windows/finestra.h"
#include "windows/gestorefinestre.h"

#include <QAction>
#include <QMainWindow>

// A program under test: the fakes, a seeded generator and the window manager.
struct ProgrammaProva : ContestoProva
{
    explicit ProgrammaProva(unsigned seme = 1);
    ~ProgrammaProva();

    // Opens a window as the menu would (no length check) and waits until it is laid out.
    Finestra *apri(IdFinestra id);
    template <typename T>
    T *apri(IdFinestra id) { return qobject_cast<T *>(apri(id)); }

    std::unique_ptr<GestoreFinestre> gestore;
    int terminazioni = 0;
};

// The menu-bar action whose caption is exactly `testo` (searched in sub-menus too).
QAction *azioneMenu(QMainWindow *finestra, const QString &testo);
// Left click in the middle of a widget.
void clic(QWidget *w);
// Lets deferred deletions run.
void svuotaEventi();
// The windows on screen.
QList<QWidget *> finestreVisibili();
