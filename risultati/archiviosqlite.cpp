#include "risultati/archiviosqlite.h"

#include "core/carattere.h"
#include "core/estrazione.h"
#include "core/gruppi.h"
#include "risultati/datisql.h"
#include "risultati/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <chrono>

// An answer or an erasure, in the order they were asked for.
struct ArchivioSqlite::Lavoro
{
    datisql::DaScrivere dato;
    // A task on the writer's connection (an erasure, a renaming, the outbox),
    // on its own and waited for; its result in `esito`.
    std::function<bool(QSqlDatabase &)> compito;
    std::shared_ptr<bool> esito;
};

namespace {

// SQLite's result codes, as Qt's driver reports them.
constexpr int SqliteOccupato = 5, SqliteBloccato = 6, SqliteRovinato = 11, SqliteNonDatabase = 26;

int Codice(const QSqlError &e)
{
    return e.nativeErrorCode().toInt();
}

bool Rovinato(const QSqlError &e)
{
    return Codice(e) == SqliteRovinato || Codice(e) == SqliteNonDatabase;
}

// Why the answers are not kept, in Italian, as the teacher reads it.
QString Motivo(const QSqlError &e)
{
    switch (Codice(e)) {
    case 8: // SQLITE_READONLY
        return QStringLiteral("il file dei risultati non si può scrivere.");
    case 10: // SQLITE_IOERR
        return QStringLiteral("il disco non risponde come dovrebbe.");
    case 13: // SQLITE_FULL
        return QStringLiteral("il disco è pieno.");
    case SqliteRovinato:
    case SqliteNonDatabase:
        return QStringLiteral("il file dei risultati è rovinato; alla chiusura del programma sarà messo da parte "
                              "e dalla volta successiva ne comincerà uno nuovo.");
    default:
        return e.text();
    }
}

// The rows go with their bytes overwritten (secure_delete), then the
// journal is copied into the file and emptied, so no old page of them is
// left in the -wal either.
bool CancellaEChiudi(QSqlDatabase &db, const QString &bambino)
{
    if (!datisql::CancellaBambino(db, bambino))
        return false;
    QSqlQuery q(db);
    // A reader in the middle of a query holds old pages: wait for it a little.
    for (int prova = 0; prova < 100; ++prova) {
        if (q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")) && q.next() && q.value(0).toInt() == 0)
            return true;
        q.finish();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

} // namespace

ArchivioSqlite::ArchivioSqlite(const QString &cartellaImpostazioni, qint64 pagineMassime, bool postaInUscita)
    : cartella_(cartellaImpostazioni),
      percorso_(QDir(cartellaImpostazioni).filePath(QLatin1String(NomeFile))),
      pagineMassime_(pagineMassime),
      postaInUscita_(postaInUscita),
      prefissoConnessioni_(QStringLiteral("lettoria_risultati_%1_").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
    apri();
    if (condizione_ == Condizione::Scrivibile)
        filo_ = std::thread([this] { scrivi(); });
}

ArchivioSqlite::~ArchivioSqlite()
{
    // The readers first: the writer's connection, closed last, folds the
    // journal into the file and removes it.
    for (const QString &nome : std::as_const(connessioni_))
        QSqlDatabase::removeDatabase(nome);
    {
        std::lock_guard<std::mutex> l(mutex_);
        fine_ = true;
    }
    cambiato_.notify_all();
    if (filo_.joinable())
        filo_.join();
    // Found damaged while in use: moved aside now that nothing holds it, so
    // the next run begins a new store.
    if (rovinatoInUso_)
        mettiDaParte();
}

// --- opening ------------------------------------------------------------------

namespace {
enum class Esito { Pronto, SolaLettura, Rovinato, Impossibile };
}

void ArchivioSqlite::apri()
{
    if (!QDir().mkpath(cartella_)) {
        condizione_ = Condizione::Assente;
        avviso_ = QStringLiteral("Le risposte dei bambini non vengono salvate: la cartella %1 non si può creare.")
                      .arg(QDir::toNativeSeparators(cartella_));
        return;
    }
    QString motivo;
    for (int tentativo = 0; tentativo < 2; ++tentativo) {
        QString nomeConnessione = prefissoConnessioni_ + QStringLiteral("apertura");
        Esito esito = Esito::Impossibile;
        {
            // A new file is made by us, readable by this user only; SQLite
            // gives its -wal and -shm files the same mode.
            const bool nuovo = !QFileInfo::exists(percorso_);
            QFile file(percorso_);
            if (nuovo && !file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                motivo = QStringLiteral("il file %1 non si può creare (%2).").arg(QDir::toNativeSeparators(percorso_), file.errorString());
            } else {
                file.close();
                file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nomeConnessione);
                db.setDatabaseName(percorso_);
                db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
                if (!db.open()) {
                    motivo = Motivo(db.lastError());
                } else {
                    QSqlQuery q(db);
                    // The header and the schema page: what is no database, or
                    // a damaged one, fails here.
                    int versione = q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : -1;
                    if (versione < 0 || !q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) || !q.next()) {
                        versione = -1;
                        esito = Rovinato(q.lastError()) ? Esito::Rovinato : Esito::Impossibile;
                        motivo = Motivo(q.lastError());
                    }
                    q.finish();
                    if (versione > VersioneSchema()) {
                        esito = Esito::SolaLettura;
                    } else if (versione >= 0) {
                        esito = Esito::Pronto;
                        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next()
                            || q.value(0).toString() != QLatin1String("wal")) {
                            esito = Rovinato(q.lastError()) ? Esito::Rovinato : Esito::Impossibile;
                            motivo = Motivo(q.lastError());
                        }
                        q.finish();
                        // Each step whole or not at all, in order.
                        for (int v = versione; esito == Esito::Pronto && v < VersioneSchema(); ++v) {
                            bool ok = db.transaction();
                            for (const QString &istruzione : Migrazioni().at(v))
                                ok = ok && q.exec(istruzione);
                            ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v + 1));
                            ok = ok && db.commit();
                            if (!ok) {
                                const QSqlError e = q.lastError().isValid() ? q.lastError() : db.lastError();
                                db.rollback();
                                esito = Rovinato(e) ? Esito::Rovinato : Esito::Impossibile;
                                motivo = Motivo(e);
                            }
                        }
                    }
                }
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(nomeConnessione);
        if (esito == Esito::Rovinato && tentativo == 0) {
            if (!mettiDaParte())
                return;
            continue;
        }
        switch (esito) {
        case Esito::Pronto:
            condizione_ = Condizione::Scrivibile;
            return;
        case Esito::SolaLettura:
            condizione_ = Condizione::SolaLettura;
            avviso_ = QStringLiteral("Il file dei risultati %1 viene da una versione più nuova di Lettoria: "
                                     "si può leggere, ma le risposte di oggi non vengono salvate.")
                          .arg(QDir::toNativeSeparators(percorso_));
            return;
        case Esito::Rovinato:
        case Esito::Impossibile:
            condizione_ = Condizione::Assente;
            avviso_ = QStringLiteral("Le risposte dei bambini non vengono salvate: %1").arg(motivo);
            return;
        }
    }
}

// A damaged file, or one that is no database, is kept aside under a dated
// name for whoever wants to look at it, and a new one begins.
bool ArchivioSqlite::mettiDaParte()
{
    const QString data = QDate::currentDate().toString(Qt::ISODate);
    QString daParte;
    for (int n = 1;; ++n) {
        daParte = QDir(cartella_).filePath(QStringLiteral("Lettoria2-risultati.danneggiato-%1%2.sqlite")
                                               .arg(data, n == 1 ? QString() : QStringLiteral("-%1").arg(n)));
        if (!QFileInfo::exists(daParte))
            break;
    }
    if (!QFile::rename(percorso_, daParte)) {
        condizione_ = Condizione::Assente;
        avviso_ = QStringLiteral("Le risposte dei bambini non vengono salvate: il file %1 è rovinato e non si può spostare.")
                      .arg(QDir::toNativeSeparators(percorso_));
        return false;
    }
    // Its journal belongs to it: a new file must not replay it.
    for (const char *coda : {"-wal", "-shm"}) {
        const QString compagno = percorso_ + QLatin1String(coda);
        if (QFileInfo::exists(compagno) && !QFile::rename(compagno, daParte + QLatin1String(coda)))
            QFile::remove(compagno);
    }
    avviso_ = QStringLiteral("Il file dei risultati era rovinato: è stato messo da parte come %1 e ne è cominciato uno nuovo.")
                  .arg(QFileInfo(daParte).fileName());
    return true;
}

ArchivioRisultati::Condizione ArchivioSqlite::condizione() const
{
    std::lock_guard<std::mutex> l(mutex_);
    return condizione_;
}

QString ArchivioSqlite::avviso() const
{
    std::lock_guard<std::mutex> l(mutex_);
    return avviso_;
}

void ArchivioSqlite::aggiungiAvviso(const QString &testo)
{
    std::lock_guard<std::mutex> l(mutex_);
    avviso_ += (avviso_.isEmpty() ? QString() : QStringLiteral("\n")) + testo;
}

void ArchivioSqlite::rinuncia(const QString &motivo)
{
    std::lock_guard<std::mutex> l(mutex_);
    if (condizione_ == Condizione::Scrivibile)
        avviso_ = QStringLiteral("Le risposte dei bambini non vengono più salvate: %1").arg(motivo);
    condizione_ = Condizione::Assente;
}

// --- writing ------------------------------------------------------------------

void ArchivioSqlite::registra(const RispostaRegistrata &risposta)
{
    Lavoro lavoro;
    lavoro.dato.risposta = risposta;
    if (!risposta.momento.isValid())
        lavoro.dato.risposta.momento = QDateTime::currentDateTime();
    lavoro.dato.id = datisql::NuovoId(lavoro.dato.risposta.momento);
    std::lock_guard<std::mutex> l(mutex_);
    if (condizione_ != Condizione::Scrivibile)
        return;
    coda_.push_back(std::move(lavoro));
    ++consegnate_;
    cambiato_.notify_all();
}

void ArchivioSqlite::attendi()
{
    std::unique_lock<std::mutex> l(mutex_);
    const quint64 attese = consegnate_;
    cambiato_.wait(l, [&] { return concluse_ >= attese; });
}

void ArchivioSqlite::scrivi()
{
    const QString nome = prefissoConnessioni_ + QStringLiteral("scrittura");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(percorso_);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        QString motivo;
        bool pronto = db.open();
        if (pronto) {
            QSqlQuery q(db);
            // Erased answers are overwritten with zeros, not just unlinked.
            pronto = q.exec(QStringLiteral("PRAGMA secure_delete = ON")) && q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))
                && q.exec(QStringLiteral("PRAGMA cache_size = -16000"));
            if (pronto && pagineMassime_ > 0)
                pronto = q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pagineMassime_));
            if (!pronto)
                motivo = Motivo(q.lastError());
        } else {
            motivo = Motivo(db.lastError());
        }
        if (!pronto)
            rinuncia(motivo);
        std::unique_ptr<datisql::Scrittore> scrittore;
        if (pronto)
            scrittore = std::make_unique<datisql::Scrittore>(db, postaInUscita_);

        std::unique_lock<std::mutex> l(mutex_);
        for (;;) {
            cambiato_.wait(l, [&] { return fine_ || !coda_.empty(); });
            if (coda_.empty())
                break;
            // A batch of answers, or one task on its own.
            QList<datisql::DaScrivere> lotto;
            Lavoro compito;
            if (coda_.front().compito) {
                compito = std::move(coda_.front());
                coda_.pop_front();
            } else {
                while (!coda_.empty() && !coda_.front().compito && lotto.size() < 4096) {
                    lotto.append(std::move(coda_.front().dato));
                    coda_.pop_front();
                }
            }
            const bool scrivibile = condizione_ == Condizione::Scrivibile;
            l.unlock();
            if (compito.compito) {
                *compito.esito = scrivibile && compito.compito(db);
                if (scrittore)
                    scrittore->dimentica();
            } else if (scrivibile) {
                // A busy file is waited for a little; anything else is given up.
                for (int prova = 0;; ++prova) {
                    if (scrittore->scrivi(lotto))
                        break;
                    const QSqlError errore = scrittore->errore().isValid() ? scrittore->errore() : db.lastError();
                    if (prova < 3 && (Codice(errore) == SqliteOccupato || Codice(errore) == SqliteBloccato)) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(100));
                        continue;
                    }
                    if (Rovinato(errore))
                        rovinatoInUso_ = true;
                    rinuncia(Motivo(errore));
                    break;
                }
            }
            l.lock();
            concluse_ += compito.compito ? 1 : lotto.size();
            cambiato_.notify_all();
        }
        l.unlock();
        scrittore.reset();
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
}

// --- erasing --------------------------------------------------------------------

bool ArchivioSqlite::rinomina(const QString &vecchio, const QString &nuovo)
{
    return cancellaORinomina(vecchio, nuovo);
}

bool ArchivioSqlite::cancella(const QString &bambino)
{
    return cancellaORinomina(bambino, QString());
}

bool ArchivioSqlite::cancellaORinomina(const QString &bambino, const QString &nuovoNome)
{
    return esegui([&](QSqlDatabase &db) {
        return nuovoNome.isEmpty() ? CancellaEChiudi(db, bambino) : datisql::RinominaBambino(db, bambino, nuovoNome);
    });
}

bool ArchivioSqlite::esegui(const std::function<bool(QSqlDatabase &)> &compito)
{
    Lavoro lavoro;
    lavoro.compito = compito;
    lavoro.esito = std::make_shared<bool>(false);
    std::unique_lock<std::mutex> l(mutex_);
    if (condizione_ != Condizione::Scrivibile)
        return false;
    coda_.push_back(lavoro);
    const quint64 mio = ++consegnate_;
    cambiato_.notify_all();
    cambiato_.wait(l, [&] { return concluse_ >= mio; });
    return *lavoro.esito;
}

// --- reading --------------------------------------------------------------------

// This thread's own connection, read-only: only the writer writes.
QSqlDatabase ArchivioSqlite::lettura()
{
    const QString nome = prefissoConnessioni_ + QStringLiteral("lettura_%1").arg(reinterpret_cast<quintptr>(QThread::currentThreadId()), 0, 16);
    if (QSqlDatabase::contains(nome))
        return QSqlDatabase::database(nome);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    db.setDatabaseName(percorso_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000;QSQLITE_OPEN_READONLY"));
    {
        std::lock_guard<std::mutex> l(mutex_);
        connessioni_.insert(nome);
    }
    if (QFileInfo::exists(percorso_) && condizione() != Condizione::Assente)
        db.open();
    return db;
}

QList<RispostaRegistrata> ArchivioSqlite::risposte(const QString &bambino)
{
    attendi();
    QSqlDatabase db = lettura();
    return db.isOpen() ? lettore_.risposte(db, bambino) : QList<RispostaRegistrata>();
}

QHash<QString, int> ArchivioSqlite::caselle(const QString &bambino)
{
    attendi();
    QSqlDatabase db = lettura();
    return db.isOpen() ? lettore_.caselle(db, bambino) : QHash<QString, int>();
}

QuadroClasse ArchivioSqlite::quadroClasse(const QStringList &bambini, const QDateTime &adesso)
{
    attendi();
    QSqlDatabase db = lettura();
    return lettore_.quadroClasse(db, bambini, adesso);
}

PaginaBambino ArchivioSqlite::paginaBambino(const QString &bambino, const QDateTime &adesso)
{
    attendi();
    QSqlDatabase db = lettura();
    return lettore_.paginaBambino(db, bambino, adesso);
}

QByteArray ArchivioSqlite::csv(const QString &bambino)
{
    attendi();
    QSqlDatabase db = lettura();
    return lettore_.csv(db, bambino);
}
