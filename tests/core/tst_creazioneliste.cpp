#include "core/creazioneliste.h"
#include "core/paroleliste.h"
#include "tests/support/provecomuni.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestCreazioneListe : public QObject
{
    Q_OBJECT

    static void vuoto(const QString &cartella, const QString &nome) { QFile(cartella + '/' + nome).open(QIODevice::WriteOnly); }

private slots:
    void trovaImmagini()
    {
        CartellaProva c;
        const QString img = c.ambiente().cartellaImmagini();
        c.creaImmagine(QStringLiteral("casa.jpg"));
        c.creaImmagine(QStringLiteral("Albero.JPG"));
        QCOMPARE(TrovaImmagini(img), (QStringList{"ALBERO", "CASA"}));

        // Each word once, sorted as a reader expects. Other files, a folder named
        // like a picture, a hidden file and names whose word could not find its
        // picture again (leading blank) or be written in a list (quote) are left out.
        for (const char *nome : {"CASA.jpg", "leggimi.txt", "casa.jpeg", ".nascosta.jpg", " gatto.jpg", "a\"b.jpg",
                                 "orso10.jpg", "orso2.jpg", "ancora.jpg", "\xC3\xA0ncora.jpg", "zebra.jpg"})
            vuoto(img, QString::fromUtf8(nome));
        QVERIFY(QDir(img).mkdir(QStringLiteral("cartella.jpg")));
        QCOMPARE(TrovaImmagini(img), (QStringList{"ALBERO", "ANCORA", QString::fromUtf8("ÀNCORA"), "CASA", "ORSO2",
                                                  "ORSO10", "ZEBRA"}));
        QVERIFY(TrovaImmagini(c.percorso(QStringLiteral("non-esiste"))).isEmpty());
    }

    void trovaImmaginiDiecimila()
    {
        CartellaProva c;
        const QString img = c.ambiente().cartellaImmagini();
        for (int i = 9999; i >= 0; --i)
            vuoto(img, QStringLiteral("p%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        const QStringList parole = TrovaImmagini(img);
        QCOMPARE(parole.size(), 10000);
        QCOMPARE(parole.first(), QStringLiteral("P00000"));
        QCOMPARE(parole.at(4321), QStringLiteral("P04321"));
        QCOMPARE(parole.last(), QStringLiteral("P09999"));
    }

    void testoDellaLista_data()
    {
        QTest::addColumn<QStringList>("parole");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("plain") << QStringList{"ALBERO", "CASA"} << QByteArray("ALBERO\r\nCASA\r\n");
        QTest::newRow("empty words skipped") << QStringList{"", "CASA", ""} << QByteArray("CASA\r\n");
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
        // A folder where the list's name would go is left alone.
        const QString cartella = c.percorso(QStringLiteral("testilettoria2/occupato.txt"));
        QVERIFY(QDir().mkpath(cartella));
        QVERIFY(!SalvaFile(cartella, {"CASA"}));
        QVERIFY(QFileInfo(cartella).isDir());
    }
};

QTEST_GUILESS_MAIN(TestCreazioneListe)
#include "tst_creazioneliste.moc"
