#pragma once

#include "risultati/archivio.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <mutex>

// What the store writes and reads, in SQL that SQLite and PostgreSQL both
// take, through prepared statements only: the same code keeps a PC's
// answers in its file and a school's on its server.
namespace datisql {

// Local time with its offset, to the second: 2026-03-02T09:15:00+01:00.
QString Momento(const QDateTime &momento);
// A new answer's id: unique, in time order (see the schema).
qint64 NuovoId(const QDateTime &momento);

struct DaScrivere
{
    RispostaRegistrata risposta;
    qint64 id = 0;
};

// The writer's statements, prepared once on one connection.
class Scrittore
{
public:
    // `postaInUscita`: each answer is also marked as waiting for the school's server.
    Scrittore(QSqlDatabase &db, bool postaInUscita);
    // Every answer of the batch, with its practice box, in one transaction;
    // an answer already kept (the same id) is kept once and moves no box.
    // False on an error, the transaction rolled back.
    bool scrivi(const QList<DaScrivere> &lotto);
    QSqlError errore() const { return errore_; }
    // Ids read before may be gone (an erasure, a rollback).
    void dimentica();

private:
    qint64 id(QHash<QString, qint64> &noti, QSqlQuery &cerca, QSqlQuery &prossimo, QSqlQuery &nuovo, const QString &dato);
    qint64 fallito(const QSqlQuery &q);

    QSqlDatabase db_;
    bool postaInUscita_;
    QSqlQuery cercaBambino_, nuovoBambino_, prossimoBambino_, cercaTesto_, nuovoTesto_, prossimoTesto_, risposta_, casella_,
        posta_;
    QHash<QString, qint64> bambini_, testi_;
    QSqlError errore_;
};

// A child's answers, boxes and waiting marks, and the child, in one transaction.
bool CancellaBambino(QSqlDatabase &db, const QString &bambino);
// A child's answers and boxes follow him or her to a new name; a name some
// answers are already kept under is not taken.
bool RinominaBambino(QSqlDatabase &db, const QString &vecchio, const QString &nuovo);

// The reads the teacher and the practice make, on an open connection.
class Lettore
{
public:
    QList<RispostaRegistrata> risposte(QSqlDatabase &db, const QString &bambino);
    QHash<QString, int> caselle(QSqlDatabase &db, const QString &bambino);
    QuadroClasse quadroClasse(QSqlDatabase &db, const QStringList &bambini, const QDateTime &adesso);
    PaginaBambino paginaBambino(QSqlDatabase &db, const QString &bambino, const QDateTime &adesso);
    QByteArray csv(QSqlDatabase &db, const QString &bambino);

private:
    QList<quint32> gruppiDeiTesti(QSqlDatabase &db);

    // The groups of each text, as bits, worked out once.
    std::mutex mutexGruppi_;
    QHash<QString, quint32> gruppiDelTesto_;
};

} // namespace datisql
