#pragma once

#include "windows/areaintera.h"

#include <QCheckBox>

// One of the teacher's switches in the list window ("Leggi le parole ad alta
// voce", "Ripassa le parole sbagliate"): shows the setting, changes it at once.
class Interruttore : public AreaIntera<QCheckBox>
{
public:
    Interruttore(const QString &testo, bool &valore, QWidget *parent);
    // Shows the setting as it is now.
    void aggiorna();

private:
    bool &valore_;
};
