#pragma once

#include "risultati/archivio.h"

#include <QString>

// One child's report for a parents' meeting, on A4 pages: the name, the
// period, the two charts, the words most often missed, the groups and the time
// per activity. Written whole or not at all; false when it cannot be written.
bool ScriviRapportoPdf(const PaginaBambino &pagina, const QString &percorso);
