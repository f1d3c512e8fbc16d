#include "bench/scuola.h"

#include "bench/classe.h"
#include "bench/misure.h"
#include "core/paroleliste.h"
#include "risultati/archivioscuola.h"
#include "risultati/schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QUrl>

#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// A PostgreSQL server of the benchmark's own, in a temporary folder: the
// tests' script makes, starts and removes it.
class ServerProva
{
public:
    explicit ServerProva(const QString &cartella) : cartella_(cartella)
    {
        avviato_ = QProcess::execute(QStringLiteral(LETTORIA_SERVER_SH), {QStringLiteral("avvia"), cartella_}) == 0;
        if (avviato_)
            qputenv("PGPASSFILE", (cartella_ + QStringLiteral("/pgpass")).toLocal8Bit());
    }
    ~ServerProva()
    {
        if (avviato_)
            QProcess::execute(QStringLiteral(LETTORIA_SERVER_SH), {QStringLiteral("togli"), cartella_});
    }
    bool avviato() const { return avviato_; }
    QString indirizzo(const QString &database) const
    {
        QFile f(cartella_ + QStringLiteral("/porta"));
        const QString porta = f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).trimmed() : QString();
        return QStringLiteral("postgresql://prova@%1:%2/%3").arg(QString::fromLatin1(QUrl::toPercentEncoding(cartella_)), porta, database);
    }
    IndirizzoServer leggi(const QString &database) const { return *LeggiIndirizzo(indirizzo(database), nullptr); }
    bool esegui(const QString &database, const QString &istruzione) const
    {
        const QString nome = QStringLiteral("bench_sql");
        bool ok = false;
        {
            QString motivo;
            if (ApriServer(nome, leggi(database), &motivo)) {
                QSqlDatabase db = QSqlDatabase::database(nome, false);
                QSqlQuery q(db);
                ok = q.exec(istruzione);
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(nome);
        return ok;
    }

private:
    QString cartella_;
    bool avviato_ = false;
};

// Watches the server's answers arrive: each new id is dated by its poll, and
// its answer's moment is in the id itself (milliseconds times 2^20).
class Osservatore
{
public:
    Osservatore(const IndirizzoServer &server) : filo_([this, server] { guarda(server); }) {}
    ~Osservatore()
    {
        fine_ = true;
        filo_.join();
    }
    qint64 arrivate() const { return arrivate_; }
    Campioni ritardi() const
    {
        std::lock_guard<std::mutex> l(mutex_);
        return ritardi_;
    }

private:
    void guarda(const IndirizzoServer &server)
    {
        const QString nome = QStringLiteral("bench_osservatore");
        {
            QString motivo;
            if (ApriServer(nome, server, &motivo)) {
                QSqlDatabase db = QSqlDatabase::database(nome, false);
                QSqlQuery q(db);
                q.setForwardOnly(true);
                QSet<qint64> viste;
                bool preparata = false;
                while (!fine_) {
                    // The PCs make the tables as they first connect.
                    preparata = preparata || q.prepare(QStringLiteral("SELECT id FROM registrazioni WHERE id > ?"));
                    // The last 20 seconds of answers: none of them is older when it arrives.
                    const qint64 adesso = QDateTime::currentMSecsSinceEpoch();
                    q.addBindValue((adesso - 20000) << 20);
                    if (preparata && q.exec()) {
                        while (q.next()) {
                            const qint64 id = q.value(0).toLongLong();
                            if (viste.contains(id))
                                continue;
                            viste.insert(id);
                            ++arrivate_;
                            std::lock_guard<std::mutex> l(mutex_);
                            ritardi_.aggiungi(static_cast<double>(adesso - (id >> 20)));
                        }
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(25));
                }
                q = QSqlQuery();
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(nome);
    }

    std::atomic<bool> fine_{false};
    std::atomic<qint64> arrivate_{0};
    mutable std::mutex mutex_;
    Campioni ritardi_;
    std::thread filo_;
};

// Copies a table of a PC's file to the server through psql's \copy.
bool CopiaTabella(const QString &file, const ServerProva &server, const QString &database, const QString &tabella,
                  const QString &cartella)
{
    const QString csv = QDir(cartella).filePath(tabella + QStringLiteral(".csv"));
    {
        const QString nome = QStringLiteral("bench_copia");
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(file);
        QFile out(csv);
        if (!db.open() || !out.open(QIODevice::WriteOnly))
            return false;
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT * FROM ") + tabella))
            return false;
        QByteArray blocco;
        while (q.next()) {
            for (int i = 0; i < q.record().count(); ++i) {
                if (i)
                    blocco += ',';
                QByteArray v = q.value(i).toString().toUtf8();
                blocco += '"' + v.replace("\"", "\"\"") + '"';
            }
            blocco += '\n';
            if (blocco.size() > (1 << 20)) {
                out.write(blocco);
                blocco.clear();
            }
        }
        out.write(blocco);
        q.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nome);
    }
    return QProcess::execute(QStringLiteral("psql"), {QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                                                      server.indirizzo(database),
                                                      QStringLiteral("-c"),
                                                      QStringLiteral("\\copy %1 FROM '%2' WITH (FORMAT csv)").arg(tabella, csv)})
        == 0;
}

} // namespace

void FigureScuola(bool rapido, const QString &cartellaProgramma, int &misurate, int &raggiunte, int &errori)
{
    const auto conta = [&](bool ok) {
        ++misurate;
        raggiunte += ok;
    };
    const QStringList parole = LeggiListaParole(QDir(cartellaProgramma).filePath(QStringLiteral("testilettoria2/TUTTE.txt"))).parole;
    QTemporaryDir temporanea;
    if (parole.size() < 2 || !temporanea.isValid()) {
        StampaAssente(QStringLiteral("school"), QStringLiteral("no word list TUTTE.txt, or no temporary folder"));
        ++errori;
        return;
    }
    // Under /tmp, which the server's own user can reach when run as root.
    QTemporaryDir perServer(QStringLiteral("/tmp/lettoria-pg-XXXXXX"));
    ServerProva server(perServer.filePath(QStringLiteral("pg")));
    if (!server.avviato() || !server.esegui(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE carico"))
        || !server.esegui(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE classe"))) {
        StampaAssente(QStringLiteral("school"), QStringLiteral("no PostgreSQL server (tests/risultati/server.sh)"));
        ++errori;
        return;
    }

    // 30 PCs, each a child answering 10 times a second for a minute, all
    // sending to one server; each PC's window thread only hands answers over.
    const int pc = rapido ? 3 : 30, secondi = rapido ? 3 : 60, alSecondo = 10;
    std::vector<std::unique_ptr<QTemporaryDir>> cartelle;
    std::vector<std::unique_ptr<ArchivioScuola>> archivi;
    for (int i = 0; i < pc; ++i) {
        cartelle.push_back(std::make_unique<QTemporaryDir>());
        archivi.push_back(std::make_unique<ArchivioScuola>(cartelle.back()->path(), server.leggi(QStringLiteral("carico"))));
    }
    {
        Osservatore osservatore(server.leggi(QStringLiteral("carico")));
        std::mutex mutex;
        Campioni consegna;
        double peggiore = 0;
        std::vector<std::thread> finestre;
        const auto inizio = Orologio::now();
        for (int i = 0; i < pc; ++i) {
            finestre.emplace_back([&, i] {
                Campioni mie;
                double mioPeggiore = 0;
                RispostaRegistrata r;
                r.bambino = QStringLiteral("Alunno %1").arg(i + 1, 2, 10, QLatin1Char('0'));
                for (int k = 0; k < secondi * alSecondo; ++k) {
                    std::this_thread::sleep_until(inizio + std::chrono::microseconds(k * 1000000 / alSecondo + i * 3000));
                    r.momento = QDateTime::currentDateTime();
                    r.risposta = {r.bambino, QStringLiteral("Una parola e tre figure"), parole.at((i * 7 + k) % parole.size()),
                                  parole.at((i + k) % parole.size()), k % 5 != 0, 1500, QStringLiteral("TUTTE.txt"), TipoCarattere::Maiuscolo};
                    const auto t = Orologio::now();
                    archivi[i]->registra(r);
                    const double ms = Millisecondi(t, Orologio::now());
                    mie.aggiungi(ms);
                    mioPeggiore = std::max(mioPeggiore, ms);
                }
                std::lock_guard<std::mutex> l(mutex);
                consegna.unisci(mie);
                peggiore = std::max(peggiore, mioPeggiore);
            });
        }
        for (std::thread &t : finestre)
            t.join();
        const qint64 totale = qint64(pc) * secondi * alSecondo;
        const auto attesa = Orologio::now();
        while (osservatore.arrivate() < totale && Millisecondi(attesa, Orologio::now()) < 30000)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const Campioni ritardi = osservatore.ritardi();
        conta(StampaFigura(QStringLiteral("school.arrive (%1 PCs x %2/s, answer to row on the server)").arg(pc).arg(alSecondo), ritardi,
                           QStringLiteral("ms"), {-1, 1000, QStringLiteral("p95 <= 1000")}));
        Campioni persi;
        persi.aggiungi(static_cast<double>(totale - osservatore.arrivate()));
        conta(StampaFigura(QStringLiteral("school.lost (of %1 answers)").arg(totale), persi, QStringLiteral("answers"),
                           {0, -1, QStringLiteral("none")}));
        conta(StampaFigura(QStringLiteral("school.record (window thread, one answer handed over)"), consegna, QStringLiteral("ms"),
                           {-1, 1, QStringLiteral("p95 <= 1")}));
        // The longest, and the one in a thousand: 30 PCs' threads share this machine's cores, so
        // these include the time a thread waited for a core.
        Campioni raro, peggio;
        raro.aggiungi(consegna.percentile(99.9));
        peggio.aggiungi(peggiore);
        conta(StampaFigura(QStringLiteral("school.record (p99.9)"), raro, QStringLiteral("ms"), {1, -1, QStringLiteral("<= 1")}));
        StampaFigura(QStringLiteral("school.record (the longest)"), peggio, QStringLiteral("ms"), {-1, -1, QString()});
        if (osservatore.arrivate() != totale)
            ++errori;
    }
    archivi.clear();

    // The class at a glance from the server holding the class of the store's
    // own figures: the same answers, copied from a PC's file.
    Classe classe;
    if (rapido) {
        classe.bambini = 5;
        classe.anni = 1;
        classe.risposte = 20000;
    }
    const QString dove = rapido ? temporanea.filePath(QStringLiteral("pc")) : qEnvironmentVariable("LETTORIA_BENCH_CLASSE", temporanea.filePath(QStringLiteral("pc")));
    QDir().mkpath(dove);
    const QString file = QDir(dove).filePath(QLatin1String(ArchivioSqlite::NomeFile));
    ClasseGenerata generata;
    if (QFileInfo::exists(file)) {
        generata = GeneraClasse(nullptr, classe, parole); // kept from before: its names and its end
    } else {
        ArchivioSqlite archivio(dove);
        generata = GeneraClasse(&archivio, classe, parole);
    }
    const auto t0 = Orologio::now();
    bool copiata = ProvaServer(server.indirizzo(QStringLiteral("classe"))).errore.isEmpty();
    for (const char *tabella : {"bambini", "testi", "registrazioni", "caselle"})
        copiata = copiata && CopiaTabella(file, server, QStringLiteral("classe"), QLatin1String(tabella), temporanea.path());
    copiata = copiata && server.esegui(QStringLiteral("classe"), QStringLiteral("ANALYZE"));
    if (!copiata) {
        StampaAssente(QStringLiteral("school.class"), QStringLiteral("the class could not be copied to the server"));
        ++errori;
        return;
    }
    std::printf("%-34s %lld answers copied to the server in %.1f s\n", "school.copy", static_cast<long long>(generata.risposte),
                Millisecondi(t0, Orologio::now()) / 1000);
    std::fflush(stdout);
    QTemporaryDir insegnante;
    ArchivioScuola archivio(insegnante.path(), server.leggi(QStringLiteral("classe")));
    archivio.invia(5000);
    Campioni quadro;
    for (int i = 0; i < (rapido ? 3 : 15); ++i) {
        const auto t = Orologio::now();
        const QuadroClasse q = archivio.quadroClasse(generata.bambini, generata.fine);
        quadro.aggiungi(Millisecondi(t, Orologio::now()));
        if (q.livelli.size() != generata.bambini.size())
            ++errori;
    }
    conta(StampaFigura(QStringLiteral("school.class (%1 answers on the server)").arg(generata.risposte), quadro, QStringLiteral("ms"),
                       {300, -1, QStringLiteral("median <= 300")}));
}
