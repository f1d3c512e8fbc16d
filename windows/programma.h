#pragma once

#include <QString>

#include <functional>

class QWidget;

struct OpzioniProgramma
{
    // Where the pictures, lists, sounds and font are: the executable's folder when empty.
    QString cartellaProgramma;
    // Told of the first window once it is shown (the start-up probe of the benchmark).
    std::function<void(QWidget *)> primaFinestra;
};

// The whole program: the start-up, then the windows until it ends. Returns
// the exit code. The executable's main() is this and nothing else.
int EseguiProgramma(int argc, char *argv[], const OpzioniProgramma &opzioni = {});
