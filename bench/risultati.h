#pragma once

#include <QString>

// The results store's figures: an answer handed over, the class at a glance,
// one child's page and the file's size, on a generated class (a small one
// when `rapido`). Adds to the counts of figures measured, targets met and errors.
void FigureRisultati(bool rapido, const QString &cartellaProgramma, int &misurate, int &raggiunte, int &errori);
