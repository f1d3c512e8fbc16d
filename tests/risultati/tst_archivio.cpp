#include "core/gruppi.h"
#include "risultati/archiviosqlite.h"
#include "risultati/schema.h"
#include "tests/support/provecomuni.h"

#include <QLibrary>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTimeZone>

#include <sys/stat.h>

using Condizione = ArchivioRisultati::Condizione;

namespace {

const QDateTime Inizio(QDate(2026, 3, 2), QTime(9, 15), QTimeZone(3600)); // a Monday

RispostaRegistrata Risp(const QString &bambino, const QDateTime &momento, const QString &parola, bool esatta,
                        const QString &scelta = QString(), qint64 ms = 1500,
                        const QString &attivita = QStringLiteral("Una parola e tre figure"))
{
    return {bambino, momento, {bambino, attivita, parola, scelta.isEmpty() ? parola : scelta, esatta, ms, QStringLiteral("1p.txt"), TipoCarattere::Maiuscolo}};
}

// A name no real child has.
QString NomeGenerato()
{
    return QStringLiteral("Alunno-%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// Runs SQL on the store's file through a connection of the test's own.
QList<QVariantList> Sql(const QString &percorso, const QString &istruzione)
{
    QList<QVariantList> righe;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prova"));
        db.setDatabaseName(percorso);
        db.open();
        QSqlQuery q(db);
        q.exec(istruzione);
        while (q.next()) {
            righe.append(QVariantList());
            for (int i = 0; i < q.record().count(); ++i)
                righe.last().append(q.value(i));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prova"));
    return righe;
}

QString Percorso(const QTemporaryDir &dir)
{
    return dir.filePath(QLatin1String(ArchivioSqlite::NomeFile));
}

} // namespace

class TestArchivio : public QObject
{
    Q_OBJECT

private slots:
    // Every field comes back as it was given, oldest first, for that child only;
    // the documented view shows the same answer in its columns.
    void registraERilegge()
    {
        QTemporaryDir dir;
        const QString a = NomeGenerato(), b = NomeGenerato();
        {
            ArchivioSqlite archivio(dir.path());
            QCOMPARE(archivio.condizione(), Condizione::Scrivibile);
            QCOMPARE(archivio.avviso(), QString());
            RispostaRegistrata corsivo = Risp(a, Inizio.addSecs(60), QStringLiteral("palla"), false, QStringLiteral("pala"), 2345,
                                              QStringLiteral("Trascina i nomi"));
            corsivo.risposta.carattere = TipoCarattere::Corsivo;
            corsivo.risposta.lista = QStringLiteral("mia lista.txt");
            archivio.registra(corsivo);
            archivio.registra(Risp(a, Inizio, QStringLiteral("PALLA"), true));
            archivio.registra(Risp(b, Inizio, QStringLiteral("RANA"), true));
            QStringList r;
            for (const RispostaRegistrata &x : archivio.risposte(a))
                r.append(QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9").arg(x.bambino, x.momento.toString(Qt::ISODate), x.risposta.attivita,
                    x.risposta.parola, x.risposta.scelta).arg(x.risposta.esatta).arg(x.risposta.millisecondi).arg(x.risposta.lista,
                    TestoCarattere(x.risposta.carattere)));
            QCOMPARE(r, QStringList({a + "|2026-03-02T09:15:00+01:00|Una parola e tre figure|PALLA|PALLA|1|1500|1p.txt|maiuscolo",
                                     a + "|2026-03-02T09:16:00+01:00|Trascina i nomi|palla|pala|0|2345|mia lista.txt|corsivo"}));
            QCOMPARE(archivio.risposte(NomeGenerato()).size(), 0);
        }
        // The view has exactly the documented columns, in order.
        const QVariantList riga{a, QStringLiteral("2026-03-02T09:16:00+01:00"), QStringLiteral("Trascina i nomi"), QStringLiteral("palla"),
                                QStringLiteral("pala"), 0, 2345, QStringLiteral("mia lista.txt"), QStringLiteral("corsivo")};
        QCOMPARE(Sql(Percorso(dir), QStringLiteral("SELECT * FROM risposte WHERE esatta = 0")), QList<QVariantList>{riga});
        QCOMPARE(Sql(Percorso(dir), QStringLiteral("SELECT bambino, momento, attivita, parola, scelta, esatta, millisecondi, lista,"
                                                   " carattere FROM risposte WHERE esatta = 0")),
                 QList<QVariantList>{riga});
        QCOMPARE(Sql(Percorso(dir), QStringLiteral("PRAGMA journal_mode"))[0][0].toString(), QStringLiteral("wal"));
    }

    // Leitner: right moves the asked word one box up, to 5 at most; wrong sends it to 1.
    void caselle_data()
    {
        QTest::addColumn<QString>("esiti");
        QTest::addColumn<int>("casella");
        QTest::newRow("one right") << "G" << 2;
        QTest::newRow("one wrong") << "S" << 1;
        QTest::newRow("four right") << "GGGG" << 5;
        QTest::newRow("capped at 5") << "GGGGGGG" << 5;
        QTest::newRow("wrong after 5") << "GGGGGS" << 1;
        QTest::newRow("up again") << "GSGG" << 3;
    }
    void caselle()
    {
        QFETCH(QString, esiti);
        QFETCH(int, casella);
        QTemporaryDir dir;
        ArchivioSqlite archivio(dir.path());
        const QString a = NomeGenerato();
        // The same word whatever its case and spaces; the chosen word gets no box.
        const QStringList forme = {QStringLiteral("PALLA"), QStringLiteral(" palla"), QStringLiteral("Palla ")};
        for (int i = 0; i < esiti.size(); ++i)
            archivio.registra(Risp(a, Inizio.addSecs(i), forme[i % 3], esiti[i] == QLatin1Char('G'), QStringLiteral("PALA")));
        archivio.registra(Risp(NomeGenerato(), Inizio, QStringLiteral("PALLA"), false));
        QCOMPARE(archivio.caselle(a), (QHash<QString, int>{{QStringLiteral("palla"), casella}}));
    }

    // After erasure nothing of the child is left in the file, its journal or
    // its shared memory, byte for byte; the other children stay.
    void cancella()
    {
        QTemporaryDir dir;
        const QString a = NomeGenerato(), b = NomeGenerato();
        ArchivioSqlite archivio(dir.path());
        for (int i = 0; i < 3000; ++i) {
            archivio.registra(Risp(i % 2 ? a : b, Inizio.addSecs(i), QStringLiteral("P%1").arg(i % 50), i % 3));
            if (i % 1000 == 0)
                archivio.attendi(); // several transactions, pages of the WAL and of the file
        }
        archivio.attendi();
        const QStringList file = {Percorso(dir), Percorso(dir) + QStringLiteral("-wal"), Percorso(dir) + QStringLiteral("-shm")};
        const auto trovato = [&](const QString &nome) {
            for (const QString &f : file) {
                if (leggiFile(f).contains(nome.toUtf8()))
                    return true;
            }
            return false;
        };
        QVERIFY(trovato(a));
        QVERIFY(archivio.cancella(a));
        QVERIFY(!trovato(a));
        QCOMPARE(archivio.risposte(a).size(), 0);
        QCOMPARE(archivio.caselle(a).size(), 0);
        QCOMPARE(archivio.risposte(b).size(), 1500);
        QVERIFY(archivio.cancella(NomeGenerato())); // nothing kept: nothing to erase
        // The store goes on keeping answers, for that name too.
        archivio.registra(Risp(a, Inizio, QStringLiteral("RANA"), true));
        QCOMPARE(archivio.risposte(a).size(), 1);
    }

    // Renamed by the teacher: the answers and boxes follow; a name answers are
    // already kept under is refused, and nothing moves.
    void rinomina()
    {
        QTemporaryDir dir;
        const QString a = NomeGenerato(), b = NomeGenerato(), c = NomeGenerato();
        ArchivioSqlite archivio(dir.path());
        for (int i = 0; i < 30; ++i)
            archivio.registra(Risp(i % 3 ? a : b, Inizio.addSecs(i), QStringLiteral("P%1").arg(i % 5), i % 2));
        archivio.attendi();
        const QHash<QString, int> caselle = archivio.caselle(a);
        QVERIFY(!archivio.rinomina(a, b));
        QCOMPARE(archivio.risposte(a).size(), 20);
        QVERIFY(archivio.rinomina(a, c));
        QCOMPARE(archivio.risposte(a).size(), 0);
        const QList<RispostaRegistrata> spostate = archivio.risposte(c);
        QCOMPARE(spostate.size(), 20);
        QCOMPARE(spostate.first().bambino, c);
        QCOMPARE(archivio.caselle(c), caselle);
        QCOMPARE(archivio.risposte(b).size(), 10);
    }

    // Semicolons, UTF-8 with a byte-order mark, dd/mm/yyyy, CR LF, quotes where needed.
    void csv()
    {
        QTemporaryDir dir;
        ArchivioSqlite archivio(dir.path());
        const QString strano = QStringLiteral("Alunno;\"7\"");
        const QString semplice = QStringLiteral("Alunno-8");
        archivio.registra(Risp(semplice, Inizio.addDays(1), QStringLiteral("RANA"), true, QString(), 900));
        archivio.registra(Risp(strano, Inizio.addSecs(3725), QStringLiteral("PERCHÉ"), true, QString(), 12));
        archivio.registra(Risp(strano, Inizio, QStringLiteral("PALLA"), false, QStringLiteral("PALA"), 1500));
        const QByteArray testa("\xEF\xBB\xBF" "Bambino;Data;Ora;Attività;Parola;Scelta;Esatta;Millisecondi;Lista;Carattere\r\n");
        const QByteArray righeStrano("\"Alunno;\"\"7\"\"\";02/03/2026;09:15:00;Una parola e tre figure;PALLA;PALA;0;1500;1p.txt;maiuscolo\r\n"
                                     "\"Alunno;\"\"7\"\"\";02/03/2026;10:17:05;Una parola e tre figure;PERCHÉ;PERCHÉ;1;12;1p.txt;maiuscolo\r\n");
        QCOMPARE(archivio.csv(strano), testa + righeStrano);
        // The class by name: '-' before ';'.
        QCOMPARE(archivio.csv(QString()),
                 testa + "Alunno-8;03/03/2026;09:15:00;Una parola e tre figure;RANA;RANA;1;900;1p.txt;maiuscolo\r\n" + righeStrano);
        QCOMPARE(archivio.csv(NomeGenerato()), testa);
        // A name a spreadsheet would run as a formula stays text.
        archivio.registra(Risp(QStringLiteral("=1+1"), Inizio, QStringLiteral("RANA"), true, QString(), 5));
        QCOMPARE(archivio.csv(QStringLiteral("=1+1")),
                 testa + "'=1+1;02/03/2026;09:15:00;Una parola e tre figure;RANA;RANA;1;5;1p.txt;maiuscolo\r\n");
    }

    // A file of every older version is brought to the newest, its answers
    // kept and the boxes made from them.
    void migrazioni_data()
    {
        QTest::addColumn<int>("versione");
        for (int v = 0; v < VersioneSchema(); ++v)
            QTest::newRow(qPrintable(QStringLiteral("version %1").arg(v))) << v;
    }
    void migrazioni()
    {
        QFETCH(int, versione);
        QTemporaryDir dir;
        const QString a = NomeGenerato();
        // The answers as the program of that version kept them.
        QList<RispostaRegistrata> vecchie;
        QList<int> parole;
        for (const char *esiti : {"GGSGG", "GGGGGG", "GS"}) {
            const int k = parole.isEmpty() ? 0 : parole.last() + 1;
            for (const char *e = esiti; *e; ++e) {
                vecchie.append(Risp(a, Inizio.addSecs(vecchie.size()), QStringLiteral("PAROLA%1").arg(k), *e == 'G'));
                parole.append(k);
            }
        }
        if (versione > 0) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("vecchio"));
            db.setDatabaseName(Percorso(dir));
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (int v = 0; v < versione; ++v) {
                for (const QString &s : Migrazioni().at(v))
                    QVERIFY2(q.exec(s), qPrintable(q.lastError().text()));
            }
            QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = %1").arg(versione)));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO bambini VALUES (1, '%1')").arg(a)));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO testi VALUES (1, 'Una parola e tre figure'), (2, '1p.txt'), (3, 'maiuscolo')")));
            for (int i = 0; i < vecchie.size(); ++i) {
                const RispostaRegistrata &r = vecchie[i];
                const int parola = 10 + parole[i];
                q.exec(QStringLiteral("INSERT INTO testi VALUES (%1, '%2') ON CONFLICT DO NOTHING").arg(parola).arg(r.risposta.parola));
                QVERIFY2(q.exec(QStringLiteral("INSERT INTO registrazioni VALUES (%1, 1, '%2', 1, %3, %3, %4, 1500, 2, 3)")
                                    .arg((r.momento.toMSecsSinceEpoch() << 20) + i)
                                    .arg(r.momento.toString(Qt::ISODate))
                                    .arg(parola)
                                    .arg(r.risposta.esatta ? 1 : 0)),
                         qPrintable(q.lastError().text()));
            }
            // From version 2 on, the program kept the boxes with the answers.
            if (versione >= 2)
                QVERIFY(q.exec(QStringLiteral("INSERT INTO caselle VALUES (1, 'parola0', 3), (1, 'parola1', 5), (1, 'parola2', 1)")));
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("vecchio"));
        ArchivioSqlite archivio(dir.path());
        QCOMPARE(archivio.condizione(), Condizione::Scrivibile);
        QCOMPARE(Sql(Percorso(dir), QStringLiteral("PRAGMA user_version"))[0][0].toInt(), VersioneSchema());
        if (versione == 0) {
            QCOMPARE(archivio.risposte(a).size(), 0);
            return;
        }
        QCOMPARE(archivio.risposte(a).size(), vecchie.size());
        QCOMPARE(archivio.risposte(a).last().momento, vecchie.last().momento);
        QCOMPARE(archivio.caselle(a), (QHash<QString, int>{{QStringLiteral("parola0"), 3}, {QStringLiteral("parola1"), 5},
                                                            {QStringLiteral("parola2"), 1}}));
        // Answers kept from now on move the boxes made by the migration.
        archivio.registra(Risp(a, Inizio.addDays(1), QStringLiteral("PAROLA2"), true));
        QCOMPARE(archivio.caselle(a).value(QStringLiteral("parola2")), 2);
    }

    // What is not a store, or a damaged one, is moved aside and a new store begins.
    void rovinato_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::newRow("not a database") << QByteArray("Questo non è un archivio.\n").repeated(300);
        QByteArray intestazione("SQLite format 3");
        intestazione.append('\0');
        QTest::newRow("damaged first page") << intestazione + QByteArray(8192, '\x5a');
    }
    void rovinato()
    {
        QFETCH(QByteArray, contenuto);
        QTemporaryDir dir;
        QFile f(Percorso(dir));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size());
        f.close();
        const QString daParte = dir.filePath(QStringLiteral("Lettoria2-risultati.danneggiato-%1.sqlite")
                                                 .arg(QDate::currentDate().toString(Qt::ISODate)));
        ArchivioSqlite archivio(dir.path());
        QVERIFY2(archivio.condizione() == Condizione::Scrivibile, qPrintable(archivio.avviso()));
        QCOMPARE(leggiFile(daParte), contenuto);
        QVERIFY2(archivio.avviso().contains(QFileInfo(daParte).fileName()), qPrintable(archivio.avviso()));
        const QString a = NomeGenerato();
        archivio.registra(Risp(a, Inizio, QStringLiteral("RANA"), true));
        QCOMPARE(archivio.risposte(a).size(), 1);
    }

    // Damage found only when writing: the answers are not kept from then on,
    // and the file is moved aside when the store closes.
    void rovinatoInUso()
    {
        QTemporaryDir dir;
        {
            ArchivioSqlite archivio(dir.path());
            archivio.registra(Risp(NomeGenerato(), Inizio, QStringLiteral("RANA"), true));
        }
        // Every page but the first (the schema), overwritten.
        QFile f(Percorso(dir));
        QVERIFY(f.open(QIODevice::ReadWrite) && f.size() > 4096);
        f.seek(4096);
        f.write(QByteArray(f.size() - 4096, '\x5a'));
        f.close();
        {
            ArchivioSqlite archivio(dir.path());
            QCOMPARE(archivio.condizione(), Condizione::Scrivibile);
            archivio.registra(Risp(NomeGenerato(), Inizio, QStringLiteral("PALLA"), true));
            archivio.attendi();
            QCOMPARE(archivio.condizione(), Condizione::Assente);
            QVERIFY2(archivio.avviso().contains(QStringLiteral("rovinato")), qPrintable(archivio.avviso()));
        }
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("Lettoria2-risultati.danneggiato-%1.sqlite")
                                                   .arg(QDate::currentDate().toString(Qt::ISODate)))));
        for (const char *coda : {"", "-wal", "-shm"}) // moved with it: a new store begins with nothing to replay
            QVERIFY(!QFileInfo::exists(Percorso(dir) + QLatin1String(coda)));
    }

    // A file written by a newer program is read, never written.
    void versioneNuova()
    {
        QTemporaryDir dir;
        const QString a = NomeGenerato();
        {
            ArchivioSqlite archivio(dir.path());
            archivio.registra(Risp(a, Inizio, QStringLiteral("RANA"), true));
        }
        Sql(Percorso(dir), QStringLiteral("PRAGMA user_version = %1").arg(VersioneSchema() + 1));
        const QByteArray prima = leggiFile(Percorso(dir));
        {
            ArchivioSqlite archivio(dir.path());
            QCOMPARE(archivio.condizione(), Condizione::SolaLettura);
            QVERIFY(!archivio.avviso().isEmpty());
            archivio.registra(Risp(a, Inizio.addSecs(5), QStringLiteral("PALLA"), true));
            archivio.attendi();
            QVERIFY(!archivio.cancella(a));
            QCOMPARE(archivio.risposte(a).size(), 1);
        }
        QCOMPARE(leggiFile(Percorso(dir)), prima);
    }

    // A settings folder that cannot be made, or a disk that fills up: the
    // answers are not kept, the teacher is told, and nothing breaks.
    void nienteSalvato()
    {
        QTemporaryDir dir;
        const QString nonCartella = dir.filePath(QStringLiteral("file"));
        QFile f(nonCartella);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        {
            ArchivioSqlite archivio(nonCartella + QStringLiteral("/impostazioni"));
            QCOMPARE(archivio.condizione(), Condizione::Assente);
            QVERIFY(archivio.avviso().contains(QStringLiteral("non vengono salvate")));
            archivio.registra(Risp(NomeGenerato(), Inizio, QStringLiteral("RANA"), true));
            archivio.attendi();
            QVERIFY(!archivio.cancella(QStringLiteral("x")));
            QCOMPARE(archivio.quadroClasse({QStringLiteral("x")}, Inizio).livelli.size(), 1);
        }
        // A full disk: the file may not grow past a few pages.
        ArchivioSqlite archivio(dir.path(), 12);
        QCOMPARE(archivio.condizione(), Condizione::Scrivibile);
        const QString a = NomeGenerato();
        for (int i = 0; i < 5000; ++i)
            archivio.registra(Risp(a, Inizio.addSecs(i), QStringLiteral("PAROLA%1").arg(i), true));
        archivio.attendi();
        QCOMPARE(archivio.condizione(), Condizione::Assente);
        QCOMPARE(archivio.avviso(), QStringLiteral("Le risposte dei bambini non vengono più salvate: il disco è pieno."));
        const int tenute = static_cast<int>(archivio.risposte(a).size());
        archivio.registra(Risp(a, Inizio.addDays(1), QStringLiteral("RANA"), true));
        QCOMPARE(archivio.risposte(a).size(), tenute);
        QCOMPARE(Sql(Percorso(dir), QStringLiteral("PRAGMA integrity_check"))[0][0].toString(), QStringLiteral("ok"));
    }

    // Only the user reads the file and its journal.
    void permessi()
    {
        QTemporaryDir dir;
        ArchivioSqlite archivio(dir.path());
        archivio.registra(Risp(NomeGenerato(), Inizio, QStringLiteral("RANA"), true));
        archivio.attendi();
        for (const char *coda : {"", "-wal", "-shm"}) {
            struct stat s {};
            QCOMPARE(::stat(QFile::encodeName(Percorso(dir) + QLatin1String(coda)).constData(), &s), 0);
            QCOMPARE(s.st_mode & 0777, 0600u);
        }
    }

    // The class at a glance, at the edges of its rule: over the last 30 days,
    // secure with 8 answers or more, 80 % right and the last 3 right.
    void quadro_data()
    {
        QTest::addColumn<QString>("esiti"); // oldest first, one a day; '.' a day without
        QTest::addColumn<int>("giorniFa");  // of the last answer
        QTest::addColumn<Padronanza>("livello");
        QTest::newRow("none") << "" << 0 << Padronanza::NonVisto;
        QTest::newRow("8, all right") << "GGGGGGGG" << 0 << Padronanza::Sicuro;
        QTest::newRow("7 right of 8 (87 %)") << "SGGGGGGG" << 0 << Padronanza::Sicuro;
        QTest::newRow("7, all right") << "GGGGGGG" << 0 << Padronanza::Imparando;
        QTest::newRow("8 right of 10 (80 %)") << "SSGGGGGGGG" << 0 << Padronanza::Sicuro;
        QTest::newRow("7 right of 9 (78 %)") << "SSGGGGGGG" << 0 << Padronanza::Imparando;
        QTest::newRow("third last wrong") << "GGGGGGGGGSGG" << 0 << Padronanza::Imparando;
        QTest::newRow("older than 30 days") << "GGGGGGGG" << 31 << Padronanza::NonVisto;
        // 10 answers, the 2 wrong ones 30 and 31 days ago: 8 of 8 within the window.
        QTest::newRow("wrong ones out of the window") << "SSGGGGGGGG" << 22 << Padronanza::Sicuro;
        QTest::newRow("8, the first 30 days back") << "GGGGGGGG" << 23 << Padronanza::Imparando;
    }
    void quadro()
    {
        QFETCH(QString, esiti);
        QFETCH(int, giorniFa);
        QFETCH(Padronanza, livello);
        QTemporaryDir dir;
        ArchivioSqlite archivio(dir.path());
        const QString a = NomeGenerato(), b = NomeGenerato();
        const QDateTime adesso = Inizio.addDays(60);
        // FOGLIA is FA FE FI FO FU and GLI; RANA (another child) neither.
        for (int i = 0; i < esiti.size(); ++i)
            archivio.registra(Risp(a, adesso.addDays(-giorniFa - (esiti.size() - 1 - i)), QStringLiteral("FOGLIA"), esiti[i] == QLatin1Char('G')));
        archivio.registra(Risp(b, adesso, QStringLiteral("RANA"), true));
        archivio.registra(Risp(a, adesso.addSecs(1), QStringLiteral("FOGLIA"), false)); // after `adesso`
        const QuadroClasse q = archivio.quadroClasse({a, NomeGenerato()}, adesso);
        QCOMPARE(q.gruppi, NomiGruppi());
        QCOMPARE(q.livelli.size(), 2);
        const int gli = static_cast<int>(q.gruppi.indexOf(QStringLiteral("GLI")));
        const int fa = static_cast<int>(q.gruppi.indexOf(QStringLiteral("FA FE FI FO FU")));
        QCOMPARE(q.livelli[0][gli], livello);
        QCOMPARE(q.livelli[0][fa], livello);
        QCOMPARE(q.livelli[0].count(Padronanza::NonVisto), q.gruppi.size() - (livello == Padronanza::NonVisto ? 0 : 2));
        QCOMPARE(q.livelli[1], QList<Padronanza>(q.gruppi.size(), Padronanza::NonVisto));
    }

    // One child's page: weeks, days, missed words, groups and time per activity.
    void pagina()
    {
        QTemporaryDir dir;
        ArchivioSqlite archivio(dir.path());
        const QString a = NomeGenerato();
        const QDateTime adesso = Inizio.addDays(7 * 11 + 2); // Wednesday of the twelfth week
        const QString uno = QStringLiteral("Una parola e tre figure"), trascina = QStringLiteral("Trascina i nomi");
        archivio.registra(Risp(a, Inizio.addDays(-1), QStringLiteral("RANA"), false, QStringLiteral("RAME"))); // before the page
        archivio.registra(Risp(a, Inizio, QStringLiteral("PALLA"), false, QStringLiteral("PALA"), 1000, uno));
        archivio.registra(Risp(a, Inizio.addSecs(10), QStringLiteral("PALLA"), false, QStringLiteral("PALA"), 2000, uno));
        archivio.registra(Risp(a, Inizio.addDays(3), QStringLiteral("PALLA"), true, QString(), 500, trascina));
        for (int i = 0; i < 8; ++i)
            archivio.registra(Risp(a, adesso.addSecs(-60 * i), QStringLiteral("FOGLIA"), true, QString(), 100, trascina));
        archivio.registra(Risp(a, adesso.addSecs(-1000), QStringLiteral("FOGLIA"), false, QStringLiteral("FOLLIA"), 100, trascina));
        const PaginaBambino p = archivio.paginaBambino(a, adesso);
        QStringList v{p.bambino, p.dal.toString(Qt::ISODate), p.al.toString(Qt::ISODate), p.settimane.value(0).lunedi.toString(Qt::ISODate)};
        for (const auto &x : p.settimane)
            v << QStringLiteral("%1/%2").arg(x.giuste).arg(x.risposte);
        for (const auto &x : p.giorni)
            v << QStringLiteral("%1:%2").arg(x.giorno.toString(QStringLiteral("d/M"))).arg(x.risposte);
        for (const auto &x : p.errori)
            v << QStringLiteral("%1>%2x%3").arg(x.scelta, x.parola).arg(x.volte);
        for (const auto &x : p.tempi)
            v << QStringLiteral("%1 %2/%3").arg(x.attivita).arg(x.millisecondi).arg(x.risposte);
        QCOMPARE(v.join(QLatin1Char(' ')), a + " 2026-03-02 2026-05-20 2026-03-02 1/3 " + QStringLiteral("0/0 ").repeated(10)
                 + "8/9 2/3:2 5/3:1 20/5:9 PALA>PALLAx2 FOLLIA>FOGLIAx1 Una parola e tre figure 3000/2 Trascina i nomi 1400/10");
        QCOMPARE(p.gruppiSicuri, QStringList({QStringLiteral("FA FE FI FO FU"), QStringLiteral("GLI")}));
        QCOMPARE(p.gruppiImparando, QStringList()); // PALLA is older than 30 days
    }

    // SIGKILL while answers are kept: the file is sound, every answer
    // reported stored is there, the answers kept are those handed over first,
    // and the boxes agree with them (one transaction for both).
    void uccisioni()
    {
#ifndef Q_OS_UNIX
        QSKIP("the writer times its own kill with a POSIX timer");
#endif
        QTemporaryDir dir;
        QRandomGenerator caso(20261207);
        const int punti = 8;
        long tenuteInTutto = 0;
        for (int i = 0; i < punti; ++i) {
            QProcess p;
            // Spread over 0.05 to 0.45 s: in the first batches and well into the run.
            const long ritardo = 50000 + static_cast<long>((i + caso.generateDouble()) / punti * 400000);
            p.start(QStringLiteral(LETTORIA_REGISTRATORE), {dir.path(), QString::number(ritardo), QString::number(i)});
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitStatus(), QProcess::CrashExit);
            const QList<QByteArray> righe = p.readAllStandardOutput().split('\n');
            const long riferite = righe.size() > 1 ? righe[righe.size() - 2].toLong() : 0;
            const QString percorso = Percorso(dir);
            QCOMPARE(Sql(percorso, QStringLiteral("PRAGMA integrity_check"))[0][0].toString(), QStringLiteral("ok"));
            // This run's answers: "S<i>-<n>", n from 0 with no gap.
            const auto scelte = Sql(percorso, QStringLiteral("SELECT t.testo FROM registrazioni r JOIN testi t ON t.id = r.scelta"
                                                             " WHERE t.testo LIKE 'S%1-%'").arg(i));
            const long tenute = static_cast<long>(scelte.size());
            QVERIFY2(tenute >= riferite, qPrintable(QStringLiteral("%1 kept, %2 reported").arg(tenute).arg(riferite)));
            QSet<QString> viste;
            for (const auto &riga : scelte)
                viste.insert(riga[0].toString());
            for (long n = 0; n < tenute; ++n)
                QVERIFY2(viste.contains(QStringLiteral("S%1-%2").arg(i).arg(n)), qPrintable(QStringLiteral("S%1-%2 missing").arg(i).arg(n)));
            tenuteInTutto += tenute;
            // The boxes, made again from the answers kept.
            QHash<QString, int> attese;
            const auto tutte = Sql(percorso, QStringLiteral("SELECT b.nome, p.testo, r.esatta FROM registrazioni r"
                                                            " JOIN bambini b ON b.id = r.bambino JOIN testi p ON p.id = r.parola"
                                                            " ORDER BY r.id"));
            for (const auto &r : tutte) {
                int &c = attese[r[0].toString() + QLatin1Char('/') + r[1].toString().toLower()];
                c = r[2].toInt() ? std::min(5, std::max(1, c) + 1) : 1;
            }
            QHash<QString, int> caselle;
            for (const auto &r : Sql(percorso, QStringLiteral("SELECT b.nome, c.parola, c.casella FROM caselle c JOIN bambini b ON b.id = c.bambino")))
                caselle.insert(r[0].toString() + QLatin1Char('/') + r[1].toString(), r[2].toInt());
            QCOMPARE(caselle, attese);
        }
        QVERIFY(tenuteInTutto > 0);
    }

    // The module the program loads: one factory, by name, beside the program;
    // the settings' address picks the store, and answers are kept on this PC
    // whatever the address.
    void modulo_data()
    {
        QTest::addColumn<QString>("indirizzo");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("avviso");
        QTest::addColumn<int>("inAttesa");
        QTest::newRow("none: this PC's file") << "" << "" << "" << 0;
        QTest::newRow("not an address") << "mysql://scuola/lettoria" << ""
                                        << "L'indirizzo dell'archivio della scuola non va bene: L'indirizzo deve cominciare con "
                                           "postgresql:// (per esempio postgresql://lettoria@server-scuola/lettoria). Le risposte "
                                           "restano su questo computer." << 0;
        // Nothing listens on port 1: the answer waits in the outbox.
        QTest::newRow("a server that does not answer") << "postgresql://lettoria@127.0.0.1:1/lettoria"
                                                       << "postgresql://lettoria@127.0.0.1:1/lettoria" << "" << 1;
    }
    void modulo()
    {
        QFETCH(QString, indirizzo);
        QFETCH(QString, server);
        QFETCH(QString, avviso);
        QFETCH(int, inAttesa);
        QLibrary libreria(QStringLiteral(LETTORIA_CARTELLA_MODULO "/lettoria2_risultati"));
        QVERIFY2(libreria.load(), qPrintable(libreria.errorString()));
        using Crea = ArchivioRisultati *(*)(const QString &, const QString &);
        const auto crea = reinterpret_cast<Crea>(libreria.resolve(LETTORIA_CREA_ARCHIVIO));
        QVERIFY(crea);
        QTemporaryDir dir;
        std::unique_ptr<ArchivioRisultati> archivio(crea(dir.filePath(QStringLiteral("Impostazioni")), indirizzo));
        QCOMPARE(archivio->condizione(), Condizione::Scrivibile);
        QCOMPARE(archivio->server(), server);
        QCOMPARE(archivio->avviso(), avviso);
        const QString a = NomeGenerato();
        archivio->registra(Risp(a, Inizio, QStringLiteral("RANA"), true));
        QCOMPARE(archivio->risposte(a).size(), 1);
        QCOMPARE(archivio->inAttesa(), inAttesa);
        archivio.reset();
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("Impostazioni/Lettoria2-risultati.sqlite"))));
    }
};

QTEST_GUILESS_MAIN(TestArchivio)
#include "tst_archivio.moc"
