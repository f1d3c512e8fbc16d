#pragma once

#include "risultati/archivio.h"
#include "risultati/datisql.h"

#include <QSet>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QSqlDatabase;

// The store on SQLite: one file, WAL journal, written by a thread of its own
// that keeps the answers handed over in one transaction per batch; read on
// the calling thread, each thread through its own named connection.
class ArchivioSqlite final : public ArchivioRisultati
{
public:
    static constexpr const char *NomeFile = "Lettoria2-risultati.sqlite";

    // `pagineMassime` > 0 caps the file at that many pages, as a full disk
    // would. `postaInUscita`: the file is the outbox of a school's server,
    // each new answer marked as waiting to be sent (table da_inviare).
    explicit ArchivioSqlite(const QString &cartellaImpostazioni, qint64 pagineMassime = 0, bool postaInUscita = false);
    ~ArchivioSqlite() override;
    ArchivioSqlite(const ArchivioSqlite &) = delete;
    ArchivioSqlite &operator=(const ArchivioSqlite &) = delete;

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

    QString percorso() const { return percorso_; }
    // One more line for the teacher in avviso().
    void aggiungiAvviso(const QString &testo);
    // Runs `compito` on the writer's connection, after every answer handed
    // over before, and returns its result; false when nothing can be written.
    bool esegui(const std::function<bool(QSqlDatabase &)> &compito);

private:
    struct Lavoro;
    void apri();
    bool prepara(QString *motivo);
    bool mettiDaParte();
    void scrivi();
    bool cancellaORinomina(const QString &bambino, const QString &nuovoNome);
    void rinuncia(const QString &motivo);
    QSqlDatabase lettura();

    QString cartella_;
    QString percorso_;
    qint64 pagineMassime_;
    bool postaInUscita_;
    datisql::Lettore lettore_;
    QString prefissoConnessioni_;

    mutable std::mutex mutex_;
    std::condition_variable cambiato_;
    std::deque<Lavoro> coda_;
    quint64 consegnate_ = 0; // handed over to the thread
    quint64 concluse_ = 0;   // stored or given up
    bool fine_ = false;
    std::atomic<bool> rovinatoInUso_{false};
    Condizione condizione_ = Condizione::Assente;
    QString avviso_;
    QSet<QString> connessioni_;
    std::thread filo_;
};
