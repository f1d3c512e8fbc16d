#pragma once


// The whole program: the start-up, then the windows until it ends; the
// pictures, lists, sounds and font beside the executable. Returns the exit
// code. The executable's main() is this and nothing else.
int EseguiProgramma(int argc, char *argv[]);
