#pragma once

#include "windows/idfinestra.h"

class Finestra;

// What a window may ask of the one place that opens and closes windows.
class Navigazione
{
public:
    virtual ~Navigazione() = default;

    // Shows window `a`, loading it when it is not loaded, then closes `da`.
    virtual Finestra *vai(Finestra *da, IdFinestra a) = 0;
    // Ends the program at once: every window closes without its own handling.
    virtual void termina() = 0;

    Finestra *tornaAlMenu(Finestra *da) { return vai(da, IdFinestra::FormMenu); }
};
