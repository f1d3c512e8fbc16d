#pragma once

#include <QString>

// The school's server, on a PostgreSQL server the benchmark starts itself:
// 30 PCs answering at once (answer to row, none lost, the window thread never
// held up), and the class at a glance from 3 million answers on the server.
void FigureScuola(bool rapido, const QString &cartellaProgramma, int &misurate, int &raggiunte, int &errori);
