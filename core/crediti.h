#pragma once

#include <QString>

class Dialoghi;

// The credits of every "Informazioni" menu.
QString TestoCrediti();
void MostraCrediti(Dialoghi &dialoghi);
