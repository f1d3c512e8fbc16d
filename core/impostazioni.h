#pragma once

#include <QString>

struct Sessione;
struct Ambiente;
class Dialoghi;

inline const QString SezioneImpostazioni = QStringLiteral("IMPOSTAZIONI");
inline const QString ChiaveSuoni = QStringLiteral("Suoni attivati");
inline const QString ChiaveCarattere = QStringLiteral("Carattere");
inline const QString ChiaveFileInUso = QStringLiteral("File in uso");
// Not known to older programs: absent or empty, the voice is on.
inline const QString ChiaveVoce = QStringLiteral("Voce attivata");
// The practice that comes back to missed words: absent or empty, on; written
// only once turned off, so a PC without a class keeps the file it always had.
inline const QString ChiaveRipasso = QStringLiteral("Ripassa le parole sbagliate");

// Where the children's answers are kept: absent or empty, the file in the
// settings folder; a PostgreSQL address (postgresql://utente@host/lettoria),
// the school's server.
inline const QString ChiaveArchivio = QStringLiteral("Archivio risultati");

inline const QString MessaggioImpostazioniDanneggiate =
    QStringLiteral("C'è stato un errore nel recuperare le configurazioni!");
inline const QString MessaggioErroreSalvataggio = QStringLiteral("C'è stato un errore nel salvare le configurazioni!");

// Defaults when there is no settings file, otherwise LeggiImpostazioni.
// False when the file was damaged: it has been deleted, its message shown,
// and the program must end.
bool ImpostazioniIniziali(Sessione &sessione, const Ambiente &ambiente, Dialoghi &dialoghi);
bool LeggiImpostazioni(Sessione &sessione, const QString &file, Dialoghi &dialoghi);
// The keys reach the disk in one whole-file write that keeps every other
// line. When it fails, one message says so.
// Returns the number of settings that were not saved (3, as the older
// settings file counted them, or 0).
int SalvaImpostazioni(const Sessione &sessione, const QString &file, Dialoghi &dialoghi);
// The results store's address in the settings file; empty when none.
QString IndirizzoArchivio(const QString &fileImpostazioni);
// Writes it, keeping every other line; an empty address removes the server.
bool ScriviIndirizzoArchivio(const QString &fileImpostazioni, const QString &indirizzo);
// Creates the settings folder when missing and (re)writes the readme.
// Failures are silent: the program runs without them.
bool CreaCartellaImpostazioni(const Ambiente &ambiente);

// The readme, as bytes on disk.
QByteArray TestoLeggimi();
