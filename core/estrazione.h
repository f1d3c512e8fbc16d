#pragma once

#include <QList>

class Casuale;

// The words of one item, drawn from the list in use: `quante` positions
// (1..numeroParole), each drawn as Casuale::posizione and drawn again while it
// equals one already taken, so they are distinct by position. Empty when the
// list has fewer than `quante` words: the draws could never finish.
QList<int> EstraiPosizioni(Casuale &casuale, int quante, int numeroParole);
