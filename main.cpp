#include "windows/programma.h"

int main(int argc, char *argv[])
{
    return EseguiProgramma(argc, argv);
}
