#pragma once

#include "core/classe.h"

#include <QList>
#include <QMap>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// A school's PostgreSQL server, as the settings file names it: a libpq URI,
// postgresql://utente@host:5432/lettoria?sslmode=require. The password is
// never in it: libpq reads it from ~/.pgpass (or PGPASSFILE).
struct IndirizzoServer
{
    QString testo;                   // as the teacher wrote it
    QString host;                    // a name, an address, or the folder of a Unix socket
    int porta = -1;                  // -1: libpq's (5432)
    QString utente, database;        // empty: libpq's (the user's login name)
    QMap<QString, QString> parametri; // the query part, passed to libpq as it is

    // This machine: a Unix socket, localhost or a loopback address.
    bool locale() const;
    // Connection options for Qt's driver: 2 s to connect, 2 s for a
    // statement, TLS required unless the host is this machine or the address
    // says otherwise.
    QString opzioni() const;
};

// The address in `testo`, or nothing with the reason in Italian in `errore`.
std::optional<IndirizzoServer> LeggiIndirizzo(const QString &testo, QString *errore);

// Why the server could not be used, in Italian, from the driver's message.
QString MotivoServer(const QString &messaggio, const IndirizzoServer &indirizzo);

// Opens `nomeConnessione` on the server; false with the reason in `motivo`.
bool ApriServer(const QString &nomeConnessione, const IndirizzoServer &indirizzo, QString *motivo);

enum class StatoServer { Pronto, Nuovo, Errore };
// Creates or brings the tables to this program's version, under a lock so
// that two PCs starting at once do it once. Nuovo: the server's tables come
// from a newer program, and are not touched.
StatoServer PreparaServer(QSqlDatabase &db, const IndirizzoServer &indirizzo, QString *motivo);

// What the teacher's "Prova" finds: an empty `errore` when the server works
// (tables made or brought up to date), and the class list it holds.
struct EsitoProva
{
    QString errore;
    QList<Bambino> classe;
};
EsitoProva ProvaServer(const QString &indirizzo);

// The class list on the server, in its order; false on an error, the
// server's message in `errore`.
bool LeggiClasseServer(QSqlDatabase &db, QList<Bambino> *classe, QString *errore = nullptr);
// Replaces the class list on the server, in one transaction.
bool ScriviClasseServer(QSqlDatabase &db, const QList<Bambino> &classe);
// The class list the teacher chose when she named the server: written on the
// server at `indirizzo`, then in this PC's `fileClasse`; false when either fails.
bool PortaClasseAlServer(const QString &indirizzo, const QList<Bambino> &classe, const QString &fileClasse);
