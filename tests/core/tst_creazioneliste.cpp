#include "core/creazioneliste.h"
#include "core/paroleliste.h"
#include "tests/support/provecomuni.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestCreazioneListe : public QObject
{
    Q_OBJECT

    static void vuoto(const QString &percorso)
    {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void parolaDaImmagine_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("parola");
        QTest::newRow("lower case") << "casa.jpg" << "CASA";
        QTest::newRow("upper extension") << "Albero.JPG" << "ALBERO";
        QTest::newRow("mixed extension") << "orso.JpG" << "ORSO";
        QTest::newRow("accented") << QString::fromUtf8("città.jpg") << QString::fromUtf8("CITTÀ");
        QTest::newRow("blank inside") << "gatto nero.jpg" << "GATTO NERO";
        QTest::newRow("trailing blank kept") << "casa .jpg" << "CASA ";
        QTest::newRow("other extension") << "casa.png" << "";
        QTest::newRow("jpeg is not jpg") << "casa.jpeg" << "";
        QTest::newRow("extension only") << ".jpg" << "";
        QTest::newRow("leading blank") << " casa.jpg" << "";
        QTest::newRow("double quote") << "a\"b.jpg" << "";
        QTest::newRow("two dots") << "a..b.jpg" << "";
    }
    void parolaDaImmagine()
    {
        QFETCH(QString, nome);
        QFETCH(QString, parola);
        QCOMPARE(ParolaDaImmagine(nome), parola);
    }

    void trovaImmaginiElencaEOrdina()
    {
        CartellaProva c;
        c.creaImmagine(QStringLiteral("casa.jpg"));
        c.creaImmagine(QStringLiteral("Albero.JPG"));
        QCOMPARE(TrovaImmagini(c.ambiente().cartellaImmagini()), (QStringList{"ALBERO", "CASA"}));

        // Same word twice, other files, a folder named like a picture, a hidden file.
        const QString img = c.ambiente().cartellaImmagini();
        vuoto(img + QStringLiteral("/CASA.jpg"));
        vuoto(img + QStringLiteral("/leggimi.txt"));
        vuoto(img + QStringLiteral("/.nascosta.jpg"));
        QVERIFY(QDir(img).mkdir(QStringLiteral("cartella.jpg")));
        vuoto(img + QStringLiteral("/orso10.jpg"));
        vuoto(img + QStringLiteral("/orso2.jpg"));
        vuoto(img + QString::fromUtf8("/àncora.jpg"));
        vuoto(img + QStringLiteral("/ancora.jpg"));
        vuoto(img + QStringLiteral("/zebra.jpg"));
        QCOMPARE(TrovaImmagini(img), (QStringList{"ALBERO", "ANCORA", QString::fromUtf8("ÀNCORA"), "CASA", "ORSO2",
                                                  "ORSO10", "ZEBRA"}));
    }

    void trovaImmaginiCartellaMancanteOVuota()
    {
        CartellaProva c;
        QVERIFY(TrovaImmagini(c.ambiente().cartellaImmagini()).isEmpty());
        QVERIFY(TrovaImmagini(c.percorso(QStringLiteral("non-esiste"))).isEmpty());
    }

    // Many pictures come back whole and sorted (the window fills its list in one go).
    void trovaImmaginiDiecimila()
    {
        CartellaProva c;
        const QString img = c.ambiente().cartellaImmagini();
        for (int i = 9999; i >= 0; --i)
            vuoto(img + QStringLiteral("/p%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        const QStringList parole = TrovaImmagini(img);
        QCOMPARE(parole.size(), 10000);
        QCOMPARE(parole.first(), QStringLiteral("P00000"));
        QCOMPARE(parole.at(4321), QStringLiteral("P04321"));
        QCOMPARE(parole.last(), QStringLiteral("P09999"));
    }

    void posizioneOrdinata_data()
    {
        QTest::addColumn<QString>("parola");
        QTest::addColumn<int>("attesa");
        QTest::newRow("first") << "ACQUA" << 0;
        QTest::newRow("middle") << "CANE" << 1;
        QTest::newRow("after an equal one") << "CASA" << 2;
        QTest::newRow("accented after plain") << QString::fromUtf8("ÈLICA") << 3;
        QTest::newRow("last") << "ZEBRA" << 4;
    }
    void posizioneOrdinata()
    {
        QFETCH(QString, parola);
        QFETCH(int, attesa);
        const QStringList ordinate{"ALBERO", "CASA", "ELICA", "ORSO"};
        const OrdineAlfabetico ordine;
        QCOMPARE(ordine.posizione(ordinate.size(), [&](qsizetype i) { return ordinate.at(i); }, parola), attesa);
    }

    void nomeFileLista_data()
    {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("no extension") << "/x/nuova" << "/x/nuova.txt";
        QTest::newRow("txt") << "/x/nuova.txt" << "/x/nuova.txt";
        QTest::newRow("TXT kept") << "/x/nuova.TXT" << "/x/nuova.TXT";
        QTest::newRow("other extension") << "/x/nuova.doc" << "/x/nuova.doc.txt";
        QTest::newRow("dot in folder") << "/x.txt/nuova" << "/x.txt/nuova.txt";
    }
    void nomeFileLista()
    {
        QFETCH(QString, scelto);
        QFETCH(QString, atteso);
        QCOMPARE(NomeFileLista(scelto), atteso);
    }

    void testoDellaLista_data()
    {
        QTest::addColumn<QStringList>("parole");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("plain") << QStringList{"ALBERO", "CASA"} << QByteArray("ALBERO\r\nCASA\r\n");
        QTest::newRow("empty words skipped") << QStringList{"", "CASA", ""} << QByteArray("CASA\r\n");
        QTest::newRow("nothing") << QStringList{} << QByteArray();
        QTest::newRow("windows-1252") << QStringList{QString::fromUtf8("CITTÀ"), QString::fromUtf8("€")}
                                      << QByteArray("CITT\xC0\r\n\x80\r\n");
        QTest::newRow("utf-8 when 1252 cannot") << QStringList{QString::fromUtf8("CITTÀ"), QString::fromUtf8("ŁÓDŹ")}
                                                << QByteArray("\xEF\xBB\xBF" "CITT\xC3\x80\r\n"
                                                              "\xC5\x81\xC3\x93" "D\xC5\xB9\r\n");
        QTest::newRow("comma quoted") << QStringList{"CASA, BELLA"} << QByteArray("\"CASA, BELLA\"\r\n");
        QTest::newRow("trailing blank quoted") << QStringList{"CASA "} << QByteArray("\"CASA \"\r\n");
    }
    void testoDellaLista()
    {
        QFETCH(QStringList, parole);
        QFETCH(QByteArray, byte);
        QCOMPARE(TestoListaParole(parole), byte);
    }

    // What the writer writes, the reader reads back word for word.
    void andataERitorno()
    {
        CartellaProva c;
        const QStringList parole{"ALBERO", "CASA ", "CASA, BELLA", QString::fromUtf8("ŁÓDŹ"), QString::fromUtf8("CITTÀ")};
        const QString file = c.percorso(QStringLiteral("testilettoria2/giro.txt"));
        QString errore;
        QVERIFY2(SalvaFile(file, parole, &errore), qPrintable(errore));
        const LetturaLista letta = LeggiListaParole(file);
        QVERIFY(letta.aperta);
        QCOMPARE(letta.parole, parole);
    }

    void scritturaFallita()
    {
        CartellaProva c;
        QString errore;
        QVERIFY(!SalvaFile(c.percorso(QStringLiteral("manca/nuova.txt")), {"CASA"}, &errore));
        QVERIFY(!errore.isEmpty());
        QVERIFY(!QFileInfo::exists(c.percorso(QStringLiteral("manca"))));

        // A folder where the list's name would go is left alone.
        const QString cartella = c.percorso(QStringLiteral("testilettoria2/occupato.txt"));
        QVERIFY(QDir().mkpath(cartella));
        errore.clear();
        QVERIFY(!SalvaFile(cartella, {"CASA"}, &errore));
        QVERIFY(!errore.isEmpty());
        QVERIFY(QFileInfo(cartella).isDir());
    }

    void scritturaFallitaLasciaIlFileVecchio()
    {
        CartellaProva c;
        const QString cartella = c.percorso(QStringLiteral("sola-lettura"));
        QVERIFY(QDir().mkpath(cartella));
        const QString file = cartella + QStringLiteral("/vecchia.txt");
        QVERIFY(SalvaFile(file, {"UNO", "DUE"}));
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::ExeOwner);
        const bool scrivibile = QFileInfo(cartella).isWritable();
        QString errore;
        const bool scritto = !scrivibile && SalvaFile(file, {"TRE"}, &errore);
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (scrivibile)
            QSKIP("this user writes in read-only folders");
        QVERIFY(!scritto);
        QVERIFY(!errore.isEmpty());
        QCOMPARE(leggiFile(file), QByteArray("UNO\r\nDUE\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCreazioneListe)
#include "tst_creazioneliste.moc"
