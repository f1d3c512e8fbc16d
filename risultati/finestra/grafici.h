#pragma once

#include "risultati/archivio.h"

#include <QFont>
#include <QString>

class QChart;

// What the window and the parents' report both show of one child's page: the
// two charts and the texts, the same words on screen and on paper.

// Right answers and all answers per week, as lines; `testo` for the axes, the
// legend and (bold) the title.
QChart *GraficoSettimane(const PaginaBambino &pagina, const QFont &testo);
// Answers per day, as bars.
QChart *GraficoGiorni(const PaginaBambino &pagina, const QFont &testo);

// "dal 07/11/2026 al 07/12/2026"
QString TestoPeriodo(const PaginaBambino &pagina);
// "PALA al posto di PALLA: 3 volte"
QString TestoErrore(const PaginaBambino::Errore &errore);
// "45 s", "12 min", "1 h 05 min"
QString TestoDurata(qint64 millisecondi);
// "Un nome e due immagini: 12 min, 40 risposte"
QString TestoTempo(const PaginaBambino::TempoAttivita &tempo);
// The groups joined for reading, or "nessuno".
QString TestoGruppi(const QStringList &gruppi);

inline const QString TitoloSettimane = QStringLiteral("Risposte giuste ogni settimana");
inline const QString TitoloGiorni = QStringLiteral("Risposte ogni giorno");
inline const QString TitoloErrori = QStringLiteral("Le parole sbagliate più spesso");
inline const QString TitoloSicuri = QStringLiteral("Gruppi sicuri");
inline const QString TitoloImparando = QStringLiteral("Gruppi da consolidare");
inline const QString TitoloTempi = QStringLiteral("Tempo per attività");
inline const QString NessunErrore = QStringLiteral("Nessuna parola sbagliata.");
inline const QString NessunaRisposta = QStringLiteral("Nessuna risposta in questo periodo.");
