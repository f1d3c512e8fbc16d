#include "risultati/archiviosqlite.h"

#include "core/carattere.h"
#include "core/estrazione.h"
#include "core/gruppi.h"
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
    RispostaRegistrata risposta;
    qint64 id = 0;
    bool cancella = false;  // an erasure, or with `nuovoNome` a renaming: on its own, waited for
    QString nuovoNome;
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

// Local time with its offset, to the second: 2026-03-02T09:15:00+01:00.
QString TestoMomento(const QDateTime &momento)
{
    const int scarto = momento.offsetFromUtc();
    const QDateTime locale = momento.toUTC().addSecs(scarto);
    const int minuti = std::abs(scarto) / 60;
    return locale.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (scarto < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        + QStringLiteral("%1:%2").arg(minuti / 60, 2, 10, QLatin1Char('0')).arg(minuti % 60, 2, 10, QLatin1Char('0'));
}

QDateTime MomentoDaTesto(const QString &testo)
{
    return QDateTime::fromString(testo, Qt::ISODate);
}

// The day and the time a child answered, as she saw them on the clock.
QDate GiornoDaTesto(const QString &momento)
{
    return QDate::fromString(momento.left(10), Qt::ISODate);
}

QDate Lunedi(const QDate &giorno)
{
    return giorno.addDays(1 - giorno.dayOfWeek());
}

qint64 Millisecondi(const QDateTime &momento)
{
    return momento.toMSecsSinceEpoch();
}

// The first id after the moment: ids are UTC milliseconds times 2^20 plus a count.
qint64 IdDopo(const QDateTime &momento)
{
    return (std::max<qint64>(0, Millisecondi(momento)) + 1) << 20;
}

// A field of the CSV, in quotes when it holds a separator, a quote or a line
// end. A text a spreadsheet would take for a formula (a name typed as
// "=..." or "+...") is kept as text by the apostrophe spreadsheets read so.
QByteArray CampoCsv(const QString &testo)
{
    QByteArray b = testo.toUtf8();
    if (!b.isEmpty() && QByteArrayView("=+-@\t\r").contains(b.front()))
        b.prepend('\'');
    if (b.contains(';') || b.contains('"') || b.contains('\n') || b.contains('\r'))
        b = '"' + b.replace("\"", "\"\"") + '"';
    return b;
}

// How sure a child is of each group, from his or her answers newest first
// (the word's groups as bits): secure after at least 8 answers, 80 % of them
// right and the last 3 right.
QList<Padronanza> Livelli(const QList<QPair<quint32, bool>> &recenti)
{
    const int n = static_cast<int>(NomiGruppi().size());
    QList<int> risposte(n, 0), giuste(n, 0);
    QList<bool> ultimeGiuste(n, true);
    for (const auto &[gruppi, esatta] : recenti) {
        for (int g = 0; g < n; ++g) {
            if (!(gruppi & (1u << g)))
                continue;
            ++risposte[g];
            giuste[g] += esatta;
            if (risposte[g] <= 3 && !esatta)
                ultimeGiuste[g] = false;
        }
    }
    QList<Padronanza> livelli(n, Padronanza::NonVisto);
    for (int g = 0; g < n; ++g) {
        if (risposte[g] == 0)
            continue;
        const bool sicuro = risposte[g] >= 8 && giuste[g] * 5 >= risposte[g] * 4 && ultimeGiuste[g];
        livelli[g] = sicuro ? Padronanza::Sicuro : Padronanza::Imparando;
    }
    return livelli;
}

// The writer's statements, prepared once.
struct Istruzioni
{
    explicit Istruzioni(QSqlDatabase &db)
        : cercaBambino(db), nuovoBambino(db), prossimoBambino(db), cercaTesto(db), nuovoTesto(db), prossimoTesto(db),
          risposta(db), casella(db)
    {
        cercaBambino.prepare(QStringLiteral("SELECT id FROM bambini WHERE nome = ?"));
        prossimoBambino.prepare(QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM bambini"));
        nuovoBambino.prepare(QStringLiteral("INSERT INTO bambini (id, nome) VALUES (?, ?) ON CONFLICT DO NOTHING"));
        cercaTesto.prepare(QStringLiteral("SELECT id FROM testi WHERE testo = ?"));
        prossimoTesto.prepare(QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM testi"));
        nuovoTesto.prepare(QStringLiteral("INSERT INTO testi (id, testo) VALUES (?, ?) ON CONFLICT DO NOTHING"));
        risposta.prepare(QStringLiteral("INSERT INTO registrazioni (id, bambino, momento, attivita, parola, scelta,"
                                        " esatta, millisecondi, lista, carattere) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                                        " ON CONFLICT DO NOTHING"));
        // Right: one box up, to 5 at most; wrong: back to box 1.
        casella.prepare(QStringLiteral("INSERT INTO caselle (bambino, parola, casella) VALUES (?, ?, ?)"
                                       " ON CONFLICT (bambino, parola) DO UPDATE SET casella ="
                                       " CASE WHEN excluded.casella = 1 THEN 1 WHEN caselle.casella >= 5 THEN 5"
                                       " ELSE caselle.casella + 1 END"));
    }
    QSqlQuery cercaBambino, nuovoBambino, prossimoBambino, cercaTesto, nuovoTesto, prossimoTesto, risposta, casella;
    QHash<QString, qint64> bambini, testi;
    QSqlError errore;

    // The id of a name or a text, added when new; -1 on an error.
    qint64 id(QHash<QString, qint64> &noti, QSqlQuery &cerca, QSqlQuery &prossimo, QSqlQuery &nuovo, const QString &dato)
    {
        // No text (a drop on the "Errati" caption asks no word) is the empty
        // text: a null would bind as NULL, which the column refuses, and the
        // store would give up keeping answers.
        const QString testo = dato.isNull() ? QString(QLatin1String("")) : dato;
        const auto trovato = noti.constFind(testo);
        if (trovato != noti.constEnd())
            return *trovato;
        cerca.addBindValue(testo);
        if (!cerca.exec())
            return fallito(cerca);
        qint64 id = cerca.next() ? cerca.value(0).toLongLong() : -1;
        cerca.finish();
        if (id < 0) {
            if (!prossimo.exec() || !prossimo.next())
                return fallito(prossimo);
            id = prossimo.value(0).toLongLong();
            prossimo.finish();
            nuovo.addBindValue(id);
            nuovo.addBindValue(testo);
            if (!nuovo.exec())
                return fallito(nuovo);
        }
        noti.insert(testo, id);
        return id;
    }
    qint64 fallito(const QSqlQuery &q)
    {
        errore = q.lastError();
        return -1;
    }
};

} // namespace

ArchivioSqlite::ArchivioSqlite(const QString &cartellaImpostazioni, qint64 pagineMassime)
    : cartella_(cartellaImpostazioni),
      percorso_(QDir(cartellaImpostazioni).filePath(QLatin1String(NomeFile))),
      pagineMassime_(pagineMassime),
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
    lavoro.risposta = risposta;
    if (!lavoro.risposta.momento.isValid())
        lavoro.risposta.momento = QDateTime::currentDateTime();
    // In time order, and unique: the milliseconds, then 20 bits counted on
    // from a random start, so that two answers of one millisecond differ
    // here and those of two stores almost surely do.
    static std::atomic<quint32> contatore{QRandomGenerator::system()->generate()};
    lavoro.id = IdDopo(lavoro.risposta.momento.addMSecs(-1)) | (contatore++ & 0xFFFFF);
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

namespace {
// Every answer of the batch, with its practice box, in one transaction.
template<typename Lotto>
bool ScriviLotto(QSqlDatabase &db, Istruzioni &i, Lotto &lotto, QString *motivo)
{
    i.errore = QSqlError();
    bool ok = db.transaction();
    if (!ok)
        i.errore = db.lastError();
    for (auto it = lotto.begin(); ok && it != lotto.end(); ++it) {
        const RispostaRegistrata &r = it->risposta;
        const qint64 bambino = i.id(i.bambini, i.cercaBambino, i.prossimoBambino, i.nuovoBambino, r.bambino);
        const auto testo = [&](const QString &t) { return i.id(i.testi, i.cercaTesto, i.prossimoTesto, i.nuovoTesto, t); };
        const qint64 attivita = testo(r.risposta.attivita), parola = testo(r.risposta.parola), scelta = testo(r.risposta.scelta),
                     lista = testo(r.risposta.lista), carattere = testo(TestoCarattere(r.risposta.carattere));
        ok = bambino >= 0 && attivita >= 0 && parola >= 0 && scelta >= 0 && lista >= 0 && carattere >= 0;
        if (!ok)
            break;
        QSqlQuery &q = i.risposta;
        q.bindValue(0, it->id);
        q.bindValue(1, bambino);
        q.bindValue(2, TestoMomento(r.momento));
        q.bindValue(3, attivita);
        q.bindValue(4, parola);
        q.bindValue(5, scelta);
        q.bindValue(6, r.risposta.esatta ? 1 : 0);
        q.bindValue(7, r.risposta.millisecondi);
        q.bindValue(8, lista);
        q.bindValue(9, carattere);
        ok = q.exec();
        if (!ok) {
            i.errore = q.lastError();
            break;
        }
        // The box moves with the answer, never twice for one answer; no word asked, no box.
        if (q.numRowsAffected() == 1 && !ChiaveParola(r.risposta.parola).isEmpty()) {
            QSqlQuery &c = i.casella;
            c.bindValue(0, bambino);
            c.bindValue(1, ChiaveParola(r.risposta.parola));
            c.bindValue(2, r.risposta.esatta ? 2 : 1);
            ok = c.exec();
            if (!ok)
                i.errore = c.lastError();
        }
    }
    if (ok) {
        ok = db.commit();
        if (!ok)
            i.errore = db.lastError();
    }
    if (!ok) {
        db.rollback();
        // Ids read in the transaction may be gone with it.
        i.bambini.clear();
        i.testi.clear();
        *motivo = Motivo(i.errore);
    }
    return ok;
}
} // namespace

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
        std::unique_ptr<Istruzioni> istruzioni;
        if (pronto)
            istruzioni = std::make_unique<Istruzioni>(db);

        std::unique_lock<std::mutex> l(mutex_);
        for (;;) {
            cambiato_.wait(l, [&] { return fine_ || !coda_.empty(); });
            if (coda_.empty())
                break;
            // A batch of answers, or one erasure on its own.
            std::deque<Lavoro> lotto;
            if (coda_.front().cancella) {
                lotto.push_back(std::move(coda_.front()));
                coda_.pop_front();
            } else {
                while (!coda_.empty() && !coda_.front().cancella && lotto.size() < 4096) {
                    lotto.push_back(std::move(coda_.front()));
                    coda_.pop_front();
                }
            }
            const bool scrivibile = condizione_ == Condizione::Scrivibile;
            l.unlock();
            if (lotto.front().cancella) {
                const Lavoro &c = lotto.front();
                *c.esito = scrivibile
                           && (c.nuovoNome.isEmpty() ? cancellaOra(db, c.risposta.bambino)
                                                     : rinominaOra(db, c.risposta.bambino, c.nuovoNome));
                if (istruzioni) {
                    istruzioni->bambini.clear();
                    istruzioni->testi.clear();
                }
            } else if (scrivibile) {
                // A busy file is waited for a little; anything else is given up.
                for (int prova = 0;; ++prova) {
                    if (ScriviLotto(db, *istruzioni, lotto, &motivo))
                        break;
                    const int codice = Codice(istruzioni->errore.isValid() ? istruzioni->errore : db.lastError());
                    if (prova < 3 && (codice == SqliteOccupato || codice == SqliteBloccato)) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(100));
                        continue;
                    }
                    if (Rovinato(istruzioni->errore.isValid() ? istruzioni->errore : db.lastError()))
                        rovinatoInUso_ = true;
                    rinuncia(motivo);
                    break;
                }
            }
            l.lock();
            concluse_ += lotto.size();
            cambiato_.notify_all();
        }
        l.unlock();
        istruzioni.reset();
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
    Lavoro lavoro;
    lavoro.cancella = true;
    lavoro.nuovoNome = nuovoNome;
    lavoro.risposta.bambino = bambino;
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

// The rows go with their bytes overwritten (secure_delete), then the
// journal is copied into the file and emptied, so no old page of them is
// left in the -wal either.
bool ArchivioSqlite::cancellaOra(QSqlDatabase &db, const QString &bambino)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT id FROM bambini WHERE nome = ?"));
    q.addBindValue(bambino);
    if (!q.exec())
        return false;
    const qint64 id = q.next() ? q.value(0).toLongLong() : -1;
    q.finish();
    if (id >= 0) {
        bool ok = db.transaction();
        for (const char *istruzione : {"DELETE FROM registrazioni WHERE bambino = ?", "DELETE FROM caselle WHERE bambino = ?",
                                       "DELETE FROM bambini WHERE id = ?"}) {
            ok = ok && q.prepare(QLatin1String(istruzione));
            q.addBindValue(id);
            ok = ok && q.exec();
        }
        ok = ok && db.commit();
        if (!ok) {
            db.rollback();
            return false;
        }
    }
    // A reader in the middle of a query holds old pages: wait for it a little.
    for (int prova = 0; prova < 100; ++prova) {
        if (q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")) && q.next() && q.value(0).toInt() == 0)
            return true;
        q.finish();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// A child's answers and boxes follow him or her to a new name; a name some
// answers are already kept under is not taken.
bool ArchivioSqlite::rinominaOra(QSqlDatabase &db, const QString &vecchio, const QString &nuovo)
{
    if (idBambino(db, nuovo) >= 0)
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE bambini SET nome = ? WHERE nome = ?"));
    q.addBindValue(nuovo);
    q.addBindValue(vecchio);
    return q.exec();
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

qint64 ArchivioSqlite::idBambino(QSqlDatabase &db, const QString &bambino)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT id FROM bambini WHERE nome = ?"));
    q.addBindValue(bambino);
    return q.exec() && q.next() ? q.value(0).toLongLong() : -1;
}

QHash<qint64, QString> ArchivioSqlite::testi(QSqlDatabase &db)
{
    QHash<qint64, QString> t;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT id, testo FROM testi"))) {
        while (q.next())
            t.insert(q.value(0).toLongLong(), q.value(1).toString());
    }
    return t;
}

// The groups of every text as bits, indexed by the text's id.
QList<quint32> ArchivioSqlite::gruppiDeiTesti(QSqlDatabase &db)
{
    const QHash<qint64, QString> t = testi(db);
    qint64 massimo = 0;
    for (auto it = t.constBegin(); it != t.constEnd(); ++it)
        massimo = std::max(massimo, it.key());
    QList<quint32> gruppi(massimo + 1, 0);
    std::lock_guard<std::mutex> l(mutexGruppi_);
    for (auto it = t.constBegin(); it != t.constEnd(); ++it) {
        auto noto = gruppiDelTesto_.constFind(it.value());
        if (noto == gruppiDelTesto_.constEnd()) {
            quint32 bit = 0;
            for (const QString &g : GruppiDellaParola(it.value()))
                bit |= 1u << NomiGruppi().indexOf(g);
            noto = gruppiDelTesto_.insert(it.value(), bit);
        }
        gruppi[it.key()] = *noto;
    }
    return gruppi;
}

QList<Padronanza> ArchivioSqlite::livelli(QSqlDatabase &db, qint64 bambino, const QDateTime &adesso, const QList<quint32> &gruppi)
{
    QList<QPair<quint32, bool>> recenti;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT parola, esatta FROM registrazioni WHERE bambino = ? AND id >= ? AND id < ?"
                             " ORDER BY id DESC"));
    q.addBindValue(bambino);
    q.addBindValue(IdDopo(adesso.addDays(-30)));
    q.addBindValue(IdDopo(adesso));
    if (q.exec()) {
        while (q.next()) {
            const qint64 parola = q.value(0).toLongLong();
            recenti.append({parola >= 0 && parola < gruppi.size() ? gruppi.at(parola) : 0u, q.value(1).toInt() == 1});
        }
    }
    return Livelli(recenti);
}

QList<RispostaRegistrata> ArchivioSqlite::risposte(const QString &bambino)
{
    attendi();
    QSqlDatabase db = lettura();
    QList<RispostaRegistrata> elenco;
    const qint64 id = db.isOpen() ? idBambino(db, bambino) : -1;
    if (id < 0)
        return elenco;
    const QHash<qint64, QString> t = testi(db);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT momento, attivita, parola, scelta, esatta, millisecondi, lista, carattere"
                             " FROM registrazioni WHERE bambino = ? ORDER BY id"));
    q.addBindValue(id);
    if (!q.exec())
        return elenco;
    while (q.next()) {
        RispostaRegistrata r;
        r.bambino = r.risposta.bambino = bambino;
        r.momento = MomentoDaTesto(q.value(0).toString());
        r.risposta.attivita = t.value(q.value(1).toLongLong());
        r.risposta.parola = t.value(q.value(2).toLongLong());
        r.risposta.scelta = t.value(q.value(3).toLongLong());
        r.risposta.esatta = q.value(4).toInt() == 1;
        r.risposta.millisecondi = q.value(5).toLongLong();
        r.risposta.lista = t.value(q.value(6).toLongLong());
        r.risposta.carattere = CarattereDaTesto(t.value(q.value(7).toLongLong()));
        elenco.append(r);
    }
    return elenco;
}

QHash<QString, int> ArchivioSqlite::caselle(const QString &bambino)
{
    attendi();
    QSqlDatabase db = lettura();
    QHash<QString, int> c;
    if (!db.isOpen())
        return c;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT c.parola, c.casella FROM caselle c JOIN bambini b ON b.id = c.bambino WHERE b.nome = ?"));
    q.addBindValue(bambino);
    if (q.exec()) {
        while (q.next())
            c.insert(q.value(0).toString(), q.value(1).toInt());
    }
    return c;
}

QuadroClasse ArchivioSqlite::quadroClasse(const QStringList &bambini, const QDateTime &adesso)
{
    attendi();
    QSqlDatabase db = lettura();
    QuadroClasse quadro;
    quadro.gruppi = NomiGruppi();
    quadro.bambini = bambini;
    const QList<quint32> gruppi = db.isOpen() ? gruppiDeiTesti(db) : QList<quint32>();
    for (const QString &bambino : bambini) {
        const qint64 id = db.isOpen() ? idBambino(db, bambino) : -1;
        quadro.livelli.append(id < 0 ? QList<Padronanza>(quadro.gruppi.size(), Padronanza::NonVisto)
                                     : livelli(db, id, adesso, gruppi));
    }
    return quadro;
}

PaginaBambino ArchivioSqlite::paginaBambino(const QString &bambino, const QDateTime &adesso)
{
    attendi();
    QSqlDatabase db = lettura();
    PaginaBambino pagina;
    pagina.bambino = bambino;
    pagina.al = adesso.date();
    // Twelve weeks, Monday to Sunday, the last one today's.
    const int Settimane = 12;
    pagina.dal = Lunedi(pagina.al).addDays(-7 * (Settimane - 1));
    for (int s = 0; s < Settimane; ++s)
        pagina.settimane.append({pagina.dal.addDays(7 * s), 0, 0});
    QList<Padronanza> livelli(NomiGruppi().size(), Padronanza::NonVisto);
    const qint64 id = db.isOpen() ? idBambino(db, bambino) : -1;
    if (id >= 0) {
        const QHash<qint64, QString> t = testi(db);
        const QList<quint32> gruppi = gruppiDeiTesti(db);
        QDateTime inizio = adesso;
        inizio.setDate(pagina.dal);
        inizio.setTime(QTime(0, 0));
        const qint64 trentaGiorni = IdDopo(adesso.addDays(-30));
        QMap<QDate, int> giorni;
        QHash<QPair<qint64, qint64>, int> errori;
        QMap<qint64, PaginaBambino::TempoAttivita> tempi;
        QList<QPair<quint32, bool>> recenti;
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT momento, attivita, parola, scelta, esatta, millisecondi, id FROM registrazioni"
                                 " WHERE bambino = ? AND id >= ? AND id < ? ORDER BY id"));
        q.addBindValue(id);
        q.addBindValue(IdDopo(inizio.addMSecs(-1)));
        q.addBindValue(IdDopo(adesso));
        if (q.exec()) {
            while (q.next()) {
                const QDate giorno = GiornoDaTesto(q.value(0).toString());
                const qint64 attivita = q.value(1).toLongLong(), parola = q.value(2).toLongLong();
                const bool esatta = q.value(4).toInt() == 1;
                ++giorni[giorno];
                const qint64 settimana = pagina.dal.daysTo(giorno) / 7;
                if (settimana >= 0 && settimana < Settimane) {
                    ++pagina.settimane[settimana].risposte;
                    pagina.settimane[settimana].giuste += esatta;
                }
                if (!esatta)
                    ++errori[{parola, q.value(3).toLongLong()}];
                PaginaBambino::TempoAttivita &tempo = tempi[attivita];
                tempo.millisecondi += q.value(5).toLongLong();
                ++tempo.risposte;
                if (q.value(6).toLongLong() >= trentaGiorni)
                    recenti.append({parola < gruppi.size() ? gruppi.at(parola) : 0u, esatta});
            }
        }
        for (auto it = giorni.constBegin(); it != giorni.constEnd(); ++it)
            pagina.giorni.append({it.key(), it.value()});
        for (auto it = errori.constBegin(); it != errori.constEnd(); ++it)
            pagina.errori.append({t.value(it.key().first), t.value(it.key().second), it.value()});
        std::sort(pagina.errori.begin(), pagina.errori.end(), [](const auto &a, const auto &b) {
            return a.volte != b.volte ? a.volte > b.volte : (a.parola != b.parola ? a.parola < b.parola : a.scelta < b.scelta);
        });
        for (auto it = tempi.begin(); it != tempi.end(); ++it) {
            it->attivita = t.value(it.key());
            pagina.tempi.append(*it);
        }
        std::sort(pagina.tempi.begin(), pagina.tempi.end(), [](const auto &a, const auto &b) {
            return a.millisecondi != b.millisecondi ? a.millisecondi > b.millisecondi : a.attivita < b.attivita;
        });
        std::reverse(recenti.begin(), recenti.end());
        livelli = Livelli(recenti);
    }
    for (int g = 0; g < livelli.size(); ++g) {
        if (livelli.at(g) == Padronanza::Sicuro)
            pagina.gruppiSicuri.append(NomiGruppi().at(g));
        else if (livelli.at(g) == Padronanza::Imparando)
            pagina.gruppiImparando.append(NomiGruppi().at(g));
    }
    return pagina;
}

QByteArray ArchivioSqlite::csv(const QString &bambino)
{
    attendi();
    QSqlDatabase db = lettura();
    QByteArray b("\xEF\xBB\xBF" "Bambino;Data;Ora;Attività;Parola;Scelta;Esatta;Millisecondi;Lista;Carattere\r\n");
    if (!db.isOpen())
        return b;
    const QHash<qint64, QString> t = testi(db);
    QList<QPair<qint64, QString>> bambini;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (bambino.isEmpty()) {
        if (q.exec(QStringLiteral("SELECT id, nome FROM bambini ORDER BY nome"))) {
            while (q.next())
                bambini.append({q.value(0).toLongLong(), q.value(1).toString()});
        }
    } else if (const qint64 id = idBambino(db, bambino); id >= 0) {
        bambini.append({id, bambino});
    }
    q.prepare(QStringLiteral("SELECT momento, attivita, parola, scelta, esatta, millisecondi, lista, carattere"
                             " FROM registrazioni WHERE bambino = ? ORDER BY id"));
    for (const auto &[id, nome] : bambini) {
        q.addBindValue(id);
        if (!q.exec())
            continue;
        const QByteArray campoNome = CampoCsv(nome);
        while (q.next()) {
            const QString momento = q.value(0).toString();
            const QDate giorno = GiornoDaTesto(momento);
            b += campoNome + ';' + giorno.toString(QStringLiteral("dd/MM/yyyy")).toLatin1() + ';' + momento.mid(11, 8).toLatin1()
                + ';' + CampoCsv(t.value(q.value(1).toLongLong())) + ';' + CampoCsv(t.value(q.value(2).toLongLong())) + ';'
                + CampoCsv(t.value(q.value(3).toLongLong())) + ';' + (q.value(4).toInt() == 1 ? '1' : '0') + ';'
                + QByteArray::number(q.value(5).toLongLong()) + ';' + CampoCsv(t.value(q.value(6).toLongLong())) + ';'
                + CampoCsv(t.value(q.value(7).toLongLong())) + "\r\n";
        }
    }
    return b;
}
