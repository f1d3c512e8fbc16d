#include "core/cp1252.h"
#include "core/impostazioni.h"
#include "core/profilo.h"
#include "tests/support/provecomuni.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestImpostazioni : public QObject
{
    Q_OBJECT

    // A settings file with the given bytes, and the state pointing at it.
    static void conFile(ContestoProva &c, const QByteArray &contenuto)
    {
        QDir().mkpath(c.cartella.ambiente().cartellaImpostazioni);
        QFile f(c.stato.FileImpostazioni);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }

private slots:
    void profiloLettura()
    {
        const QByteArray ini = "; commento\r\n[altro]\r\nCarattere=no\r\n[ impostazioni ]\r\n"
                               "  SUONI ATTIVATI  =  Vero  \r\nvuota=\r\nvirgolette=\"  a b \"\r\n";
        const QString s = QStringLiteral("IMPOSTAZIONI");
        QCOMPARE(profilo::valore(ini, s, QStringLiteral("suoni attivati")), std::optional<QString>(QStringLiteral("Vero")));
        QCOMPARE(profilo::valore(ini, s, QStringLiteral("vuota")), std::optional<QString>(QString()));
        QCOMPARE(profilo::valore(ini, s, QStringLiteral("virgolette")), std::optional<QString>(QStringLiteral("\"  a b \"")));
        QCOMPARE(profilo::valore(ini, s, QStringLiteral("Carattere")), std::nullopt);
        QCOMPARE(profilo::valore(ini, QStringLiteral("nessuna"), QStringLiteral("x")), std::nullopt);
        // The first of two equal keys wins.
        QCOMPARE(profilo::valore("[A]\r\nk=1\r\nk=2\r\n", QStringLiteral("a"), QStringLiteral("K")),
                 std::optional<QString>(QStringLiteral("1")));
    }

    void profiloScrittura()
    {
        const QString s = QStringLiteral("IMPOSTAZIONI");
        // New file.
        QByteArray b = profilo::conValore({}, s, QStringLiteral("Carattere"), QStringLiteral("corsivo"));
        QCOMPARE(b, QByteArray("[IMPOSTAZIONI]\r\nCarattere=corsivo\r\n"));
        // A new key goes after the last line of its section; others stay as they are.
        const QByteArray prima = "[A]\r\nx=1\r\n\r\n[impostazioni]\r\ncarattere=min\r\n\r\n[B]\r\ny=2\r\n";
        b = profilo::conValore(prima, s, QStringLiteral("Suoni attivati"), QStringLiteral("Vero"));
        QCOMPARE(b, QByteArray("[A]\r\nx=1\r\n\r\n[impostazioni]\r\ncarattere=min\r\nSuoni attivati=Vero\r\n\r\n[B]\r\ny=2\r\n"));
        // An existing key is replaced in place, whatever its case.
        b = profilo::conValore(b, s, QStringLiteral("Carattere"), QStringLiteral("corsivo"));
        QCOMPARE(b, QByteArray("[A]\r\nx=1\r\n\r\n[impostazioni]\r\nCarattere=corsivo\r\nSuoni attivati=Vero\r\n\r\n[B]\r\ny=2\r\n"));
        // A missing section is added at the end after a blank line.
        b = profilo::conValore("[A]\r\nx=1\r\n", s, QStringLiteral("k"), QStringLiteral("v"));
        QCOMPARE(b, QByteArray("[A]\r\nx=1\r\n\r\n[IMPOSTAZIONI]\r\nk=v\r\n"));
        // Windows-1252 on disk.
        b = profilo::conValore({}, s, QStringLiteral("File in uso"), QString::fromUtf8("/città/€.txt"));
        QCOMPARE(b, QByteArray("[IMPOSTAZIONI]\r\nFile in uso=/citt\xE0/\x80.txt\r\n"));
    }

    void salvaScriveIByteAttesi()
    {
        ContestoProva c;
        QDir().mkpath(c.cartella.ambiente().cartellaImpostazioni);
        c.stato.SuoniAttivati = false;
        c.stato.Carattere = QStringLiteral("minuscolo");
        c.stato.FileInUso = QString::fromUtf8("/home/maestra/città.txt");
        QCOMPARE(SalvaImpostazioni(c.stato, c.dialoghi), 0);
        QCOMPARE(leggiFile(c.stato.FileImpostazioni),
                 QByteArray("[IMPOSTAZIONI]\r\nSuoni attivati=Falso\r\nCarattere=minuscolo\r\n"
                            "File in uso=/home/maestra/citt\xE0.txt\r\n"));
        QVERIFY(c.dialoghi.chiamate.isEmpty());
    }

    void andataERitorno_data()
    {
        QTest::addColumn<bool>("suoni");
        QTest::addColumn<QString>("carattere");
        QTest::addColumn<QString>("file");
        QTest::newRow("defaults") << true << "maiuscolo" << "/p/testilettoria2/tutte.txt";
        QTest::newRow("corsivo, silent") << false << "corsivo" << "C:\\liste\\mia lista.txt";
        // A path longer than 99 characters comes back whole.
        QTest::newRow("long path") << true << "minuscolo" << QStringLiteral("/").repeated(1) + QStringLiteral("cartella/").repeated(20) + "x.txt";
        // Found by fuzzing: a value between quotes came back without them.
        QTest::newRow("quoted") << true << "corsivo" << "\"C:\\liste\\x.txt\"";
        QTest::newRow("accents") << false << "maiuscolo" << QString::fromUtf8("/scuola/perché/città.txt");
    }
    void andataERitorno()
    {
        QFETCH(bool, suoni);
        QFETCH(QString, carattere);
        QFETCH(QString, file);
        ContestoProva c;
        QDir().mkpath(c.cartella.ambiente().cartellaImpostazioni);
        c.stato.SuoniAttivati = suoni;
        c.stato.Carattere = carattere;
        c.stato.FileInUso = file;
        QCOMPARE(SalvaImpostazioni(c.stato, c.dialoghi), 0);
        Stato letto;
        letto.FileImpostazioni = c.stato.FileImpostazioni;
        letto.SuoniAttivati = !suoni;
        QVERIFY(LeggiImpostazioni(letto, c.dialoghi));
        QCOMPARE(letto.SuoniAttivati, suoni);
        QCOMPARE(letto.Carattere, carattere);
        QCOMPARE(letto.FileInUso, file);
    }

    void regoleDiLettura_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("suoni");
        QTest::addColumn<QString>("carattere");
        QTest::addColumn<QString>("file");
        const QByteArray f = "File in uso=/x.txt\r\n";
        QTest::newRow("vero small v is off") << "[IMPOSTAZIONI]\r\nSuoni attivati=vero\r\nCarattere=maiuscolo\r\n" + f << false << "maiuscolo" << "/x.txt";
        QTest::newRow("any capital V is on") << "[IMPOSTAZIONI]\r\nSuoni attivati=Vxyz\r\nCarattere=maiuscolo\r\n" + f << true << "maiuscolo" << "/x.txt";
        QTest::newRow("MAIUSCOLO is corsivo") << "[IMPOSTAZIONI]\r\nSuoni attivati=Vero\r\nCarattere=MAIUSCOLO\r\n" + f << true << "corsivo" << "/x.txt";
        QTest::newRow("min prefix") << "[IMPOSTAZIONI]\r\nSuoni attivati=Vero\r\nCarattere=mini\r\n" + f << true << "minuscolo" << "/x.txt";
        QTest::newRow("mai before min") << "[IMPOSTAZIONI]\r\nSuoni attivati=Vero\r\nCarattere=maiu\r\n" + f << true << "maiuscolo" << "/x.txt";
        QTest::newRow("no sounds key: off") << "[IMPOSTAZIONI]\r\nCarattere=corsivo\r\n" + f << false << "corsivo" << "/x.txt";
        QTest::newRow("no style key: maiuscolo") << "[IMPOSTAZIONI]\r\nSuoni attivati=Vero\r\n" + f << true << "maiuscolo" << "/x.txt";
        QTest::newRow("no file key") << QByteArray("[IMPOSTAZIONI]\r\nSuoni attivati=Vero\r\n") << true << "maiuscolo" << "Non Capisco";
        QTest::newRow("trailing blanks of the path") << QByteArray("[IMPOSTAZIONI]\r\nFile in uso=/x y.txt   \r\n") << false << "maiuscolo" << "/x y.txt";
        QTest::newRow("garbage reads as defaults") << QByteArray("\x01\x02garbage\xFF\r\n=\r\n[[[\r\n") << false << "maiuscolo" << "Non Capisco";
        QTest::newRow("keys twice: first wins") << "[IMPOSTAZIONI]\r\nCarattere=corsivo\r\nCarattere=minuscolo\r\n" + f << false << "corsivo" << "/x.txt";
    }
    void regoleDiLettura()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, suoni);
        QFETCH(QString, carattere);
        QFETCH(QString, file);
        ContestoProva c;
        conFile(c, ini);
        QVERIFY(LeggiImpostazioni(c.stato, c.dialoghi));
        QCOMPARE(c.stato.SuoniAttivati, suoni);
        QCOMPARE(c.stato.Carattere, carattere);
        QCOMPARE(c.stato.FileInUso, file);
        QVERIFY(c.dialoghi.chiamate.isEmpty());
        QVERIFY(QFile::exists(c.stato.FileImpostazioni));
    }

    void fileDanneggiato_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("empty sounds") << QByteArray("[IMPOSTAZIONI]\r\nSuoni attivati=\r\n");
        QTest::newRow("empty style") << QByteArray("[IMPOSTAZIONI]\r\nCarattere=   \r\n");
        QTest::newRow("empty file key") << QByteArray("[IMPOSTAZIONI]\r\nSuoni attivati=Vero\r\nFile in uso=\r\n");
    }
    void fileDanneggiato()
    {
        QFETCH(QByteArray, ini);
        ContestoProva c;
        conFile(c, ini);
        QVERIFY(!LeggiImpostazioni(c.stato, c.dialoghi));
        QVERIFY(!QFile::exists(c.stato.FileImpostazioni));
        QCOMPARE(c.dialoghi.chiamate.size(), 1);
        QCOMPARE(c.dialoghi.chiamate[0].testo, QString::fromUtf8("C'è stato un errore nel recuperare le configurazioni!"));
        QCOMPARE(c.dialoghi.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(c.dialoghi.chiamate[0].icona, Dialoghi::Icona::Esclamazione);
    }

    void impostazioniIniziali()
    {
        ContestoProva c;
        c.stato.Carattere = QStringLiteral("corsivo");
        c.stato.SuoniAttivati = false;
        QVERIFY(ImpostazioniIniziali(c.stato, c.cartella.ambiente(), c.dialoghi));
        QCOMPARE(c.stato.Carattere, QStringLiteral("maiuscolo"));
        QVERIFY(c.stato.SuoniAttivati);
        QCOMPARE(c.stato.FileInUso, c.cartella.ambiente().cartellaProgramma + QStringLiteral("/testilettoria2/tutte.txt"));
        // Nothing is written.
        QVERIFY(!QFile::exists(c.stato.FileImpostazioni));
    }

    void scritturaFallita()
    {
        ContestoProva c;
        // The settings folder is a file: nothing can be written into it.
        c.cartella.scrivi(QStringLiteral("../config/ImpostazioniProgrammiQuorla"), "non una cartella");
        QCOMPARE(SalvaImpostazioni(c.stato, c.dialoghi), 3);
        QCOMPARE(c.dialoghi.chiamate.size(), 3);
        for (const auto &ch : c.dialoghi.chiamate) {
            QCOMPARE(ch.testo, QString::fromUtf8("C'è stato un errore nel salvare le configurazioni!"));
            QCOMPARE(ch.icona, Dialoghi::Icona::Esclamazione);
        }
    }

    void nonScriveSopraUnFileIlleggibile()
    {
        ContestoProva c;
        conFile(c, "[IMPOSTAZIONI]\r\nCarattere=corsivo\r\n");
        QFile::setPermissions(c.stato.FileImpostazioni, QFileDevice::WriteOwner);
        if (QFile(c.stato.FileImpostazioni).open(QIODevice::ReadOnly))
            QSKIP("this user reads every file (root)");
        QCOMPARE(SalvaImpostazioni(c.stato, c.dialoghi), 3);
        QFile::setPermissions(c.stato.FileImpostazioni, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(leggiFile(c.stato.FileImpostazioni), QByteArray("[IMPOSTAZIONI]\r\nCarattere=corsivo\r\n"));
    }

    void cartellaELeggimi()
    {
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        QVERIFY(CreaCartellaImpostazioni(a));
        const QByteArray atteso = cp1252::encode(QString::fromUtf8(
            "Questa cartella contiene i files di impostazione dei programmi presenti nel sito del progetto Lettoria 2.\r\n"
            " \r\n"
            "Se qualche programma presenta problemi di funzionamento può essere utile cancellare il file *.ini "
            "relativo al programma in quata cartella.\r\n"
            " \r\n"
            "Non cancellare questo file.\r\n"));
        QCOMPARE(leggiFile(a.fileLeggimi()), atteso);
        QVERIFY(atteso.contains("pu\xF2 essere"));
        // An existing folder is left alone; the readme is written again.
        const QString altro = QDir(a.cartellaImpostazioni).filePath(QStringLiteral("Altro.INI"));
        QFile f(altro);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        QFile::remove(a.fileLeggimi());
        QVERIFY(CreaCartellaImpostazioni(a));
        QVERIFY(QFile::exists(altro));
        QCOMPARE(leggiFile(a.fileLeggimi()), atteso);
    }
};

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
