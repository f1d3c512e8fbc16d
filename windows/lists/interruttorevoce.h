#pragma once

#include "windows/areaintera.h"

#include <QCheckBox>

struct Sessione;

// The teacher's switch for the word read aloud after a right answer (it also
// needs "Suoni attivati", in the menu): shows the setting, changes it at once.
class InterruttoreVoce : public AreaIntera<QCheckBox>
{
public:
    InterruttoreVoce(Sessione &sessione, QWidget *parent);
    // Shows the setting as it is now.
    void aggiorna();

private:
    Sessione &sessione_;
};
