#pragma once

#include "risultati/archiviosqlite.h"
#include "risultati/server.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// The school's store: every answer is kept first in this PC's own file (its
// outbox), then sent to the school's PostgreSQL server by a thread of its
// own, so a slow, stopped or unreachable server never makes a child wait.
// The outbox is sent at start-up, whenever answers come, and every minute
// while the server does not answer; an answer sent twice is kept once (its
// id). The teacher's reads come from the server, or from this PC's file
// while the server does not answer. The class list lives on the server and
// is copied into this PC's Bambini.txt; erasures and renamings reach the
// server, or wait in the outbox, and the other PCs carry them out on the
// answers they hold when they next send.
class ArchivioScuola final : public ArchivioRisultati
{
public:
    ArchivioScuola(const QString &cartellaImpostazioni, const IndirizzoServer &server);
    ~ArchivioScuola() override;
    ArchivioScuola(const ArchivioScuola &) = delete;
    ArchivioScuola &operator=(const ArchivioScuola &) = delete;

    Condizione condizione() const override;
    QString avviso() const override;
    void registra(const RispostaRegistrata &risposta) override;
    void attendi() override;
    QList<RispostaRegistrata> risposte(const QString &bambino) override;
    QHash<QString, int> caselle(const QString &bambino) override;
    bool cancella(const QString &bambino) override;
    bool rinomina(const QString &vecchio, const QString &nuovo) override;
    QuadroClasse quadroClasse(const QStringList &bambini, const QDateTime &adesso) override;
    PaginaBambino paginaBambino(const QString &bambino, const QDateTime &adesso) override;
    QByteArray csv(const QString &bambino) override;
    int inAttesa() override;
    void classeCambiata(const QList<Bambino> &classe) override;
    QString server() const override { return server_.testo; }

    // Asks for a sending round now and waits for it, at most `millisecondi`;
    // true when the outbox is empty and every change carried out.
    bool invia(int millisecondi);

private:
    void spedisci();
    bool giro(QSqlDatabase &db);
    bool portaModifiche(QSqlDatabase &db);
    bool leggiModificheServer(QSqlDatabase &db);
    bool aggiornaClasse(QSqlDatabase &db);
    bool svuotaPosta(datisql::Scrittore &scrittore);
    bool accoda(const QString &azione, const QString &nome, const QString &nuovo);
    // This thread's connection to the server for the teacher's reads, or null
    // when the server does not answer; `primaInvia`: after a sending round.
    QSqlDatabase *lettura(QSqlDatabase &db, bool primaInvia = true);
    bool ultimoRiuscito() const;
    void nonRisponde(const QString &motivo);

    QString cartella_;
    IndirizzoServer server_;
    ArchivioSqlite locale_;
    datisql::Lettore lettore_;
    QString prefissoConnessioni_;

    mutable std::mutex mutex_;
    std::condition_variable cambiato_;
    bool fine_ = false;
    bool sollecito_ = false;   // answers or changes to send
    quint64 richiesti_ = 0;    // rounds asked for by invia()
    quint64 fatti_ = 0;        // rounds done
    bool ultimoRiuscito_ = false;
    QString avvisoServer_;
    bool schemaNuovo_ = false; // the server's tables are newer: nothing is sent
    std::thread filo_;
};
