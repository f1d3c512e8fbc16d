// The start-up probe: the shipped program's body, which reports the end of
// its first paint and quits. It links what the program links.
#include "bench/primapittura.h"
#include "windows/programma.h"

int main(int argc, char *argv[])
{
    OpzioniProgramma opzioni;
    opzioni.cartellaProgramma = QStringLiteral(LETTORIA_CARTELLA_PROGRAMMA);
    opzioni.primaFinestra = SegnalaFinePrimaPittura;
    return EseguiProgramma(argc, argv, opzioni);
}
