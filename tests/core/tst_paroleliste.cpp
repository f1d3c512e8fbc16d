#include "core/ambiente.h"
#include "core/cp1252.h"
#include "core/paroleliste.h"
#include "core/stato.h"
#include "tests/support/provecomuni.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

class TestParoleListe : public QObject
{
    Q_OBJECT

    static QStringList elementi(const QByteArray &b, int massimo = 500)
    {
        QBuffer buf;
        buf.setData(b);
        buf.open(QIODevice::ReadOnly);
        return LeggiElementi(buf, massimo);
    }

private slots:
    void formatoDegliElementi_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("attese");
        QTest::newRow("two lines CR LF") << QByteArray("CASA\r\nCANE\r\n") << QStringList{"CASA", "CANE"};
        QTest::newRow("no final line end") << QByteArray("CASA\r\nCANE") << QStringList{"CASA", "CANE"};
        QTest::newRow("LF only") << QByteArray("CASA\nCANE\n") << QStringList{"CASA", "CANE"};
        QTest::newRow("CR only") << QByteArray("CASA\rCANE\r") << QStringList{"CASA", "CANE"};
        QTest::newRow("leading blanks skipped") << QByteArray("   CASA\r\n\tCANE\r\n") << QStringList{"CASA", "CANE"};
        QTest::newRow("trailing blanks dropped") << QByteArray("CASA   \r\n") << QStringList{"CASA"};
        QTest::newRow("quoted comma") << QByteArray("\"CASA, BELLA\"\r\n") << QStringList{"CASA, BELLA"};
        QTest::newRow("unquoted comma") << QByteArray("CASA, BELLA\r\n") << QStringList{"CASA", "BELLA"};
        QTest::newRow("empty line inside") << QByteArray("CASA\r\n\r\nCANE\r\n") << QStringList{"CASA", "", "CANE"};
        QTest::newRow("quoted keeps blanks") << QByteArray("\"  ORSO \"\r\n") << QStringList{"  ORSO "};
        QTest::newRow("after closing quote skipped") << QByteArray("\"ORSO\"xyz,LUPO\r\n") << QStringList{"ORSO", "LUPO"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("comma then line end") << QByteArray("A,\r\nB\r\n") << QStringList{"A", "", "B"};
    }
    void formatoDegliElementi()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, attese);
        QCOMPARE(elementi(file), attese);
    }

    void codifiche_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("windows-1252 accent") << QByteArray("CITT\xC0\r\n") << QString::fromUtf8("CITTÀ");
        // 0x80..0x9F are not Latin-1: 0x80 is the euro sign, 0x8A is Š.
        QTest::newRow("windows-1252 high") << QByteArray("\x80\x8A\x9C\r\n") << QString::fromUtf8("€Šœ");
        QTest::newRow("utf-8 with a multibyte letter") << QByteArray("CITT\xC3\x80\r\n") << QString::fromUtf8("CITTÀ");
        QTest::newRow("utf-8 BOM") << QByteArray("\xEF\xBB\xBF" "CASA\r\n") << QStringLiteral("CASA");
        QTest::newRow("invalid utf-8 is 1252") << QByteArray("\xC3\x28\r\n") << QString::fromUtf8("Ã(");
    }
    void codifiche()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, attesa);
        const QStringList parole = elementi(file);
        QCOMPARE(parole.size(), 1);
        QCOMPARE(parole.first(), attesa);
    }

    void cp1252AndataERitorno()
    {
        QByteArray tutti;
        for (int b = 0; b < 256; ++b)
            tutti.append(static_cast<char>(b));
        QCOMPARE(cp1252::encode(cp1252::decode(tutti)), tutti);
        QCOMPARE(cp1252::encode(QString::fromUtf8("città €")), QByteArray("citt\xE0 \x80"));
        QCOMPARE(cp1252::encode(QString::fromUtf8("日")), QByteArray("?"));
        QVERIFY(!cp1252::canEncode(QString::fromUtf8("日")));
    }

    void limiteDi500()
    {
        QByteArray b;
        for (int i = 1; i <= 501; ++i)
            b += "P" + QByteArray::number(i) + "\r\n";
        const QStringList p = elementi(b);
        QCOMPARE(p.size(), 500);
        QCOMPARE(p.last(), QStringLiteral("P500"));

        ContestoProva c;
        const QString file = c.cartella.scrivi(QStringLiteral("lunga.txt"), b);
        QVERIFY(CaricaParole(c.stato, file));
        QCOMPARE(c.stato.NumeroParole, qint16(500));
        QCOMPARE(c.stato.Parole[500], QStringLiteral("P500"));
        QVERIFY(c.stato.Parole[0].isEmpty());
    }

    void elementoEnormeTagliato()
    {
        const QByteArray riga(100000, 'A');
        const QStringList p = elementi(riga + "\r\nCASA\r\n");
        QCOMPARE(p.size(), 2);
        QVERIFY(p.first().size() < 10000);
        QCOMPARE(p.last(), QStringLiteral("CASA"));
    }

    void caricaSostituisceLaLista()
    {
        ContestoProva c;
        const QString a = c.cartella.creaLista(QStringLiteral("a.txt"), {"UNO", "DUE", "TRE"});
        const QString b = c.cartella.creaLista(QStringLiteral("b.txt"), {"CASA"});
        QVERIFY(CaricaParole(c.stato, a));
        QCOMPARE(c.stato.NumeroParole, qint16(3));
        QVERIFY(CaricaParole(c.stato, b));
        QCOMPARE(c.stato.NumeroParole, qint16(1));
        QCOMPARE(c.stato.Parole[1], QStringLiteral("CASA"));

        // A missing file gives an empty list and says so.
        QVERIFY(!CaricaParole(c.stato, c.cartella.percorso(QStringLiteral("nessuna.txt"))));
        QCOMPARE(c.stato.NumeroParole, qint16(0));
        // A folder is not a list.
        const LetturaLista cartella = LeggiListaParole(c.cartella.ambiente().cartellaListe());
        QVERIFY(!cartella.aperta);
        QVERIFY(!cartella.errore.isEmpty());
    }

    void listaTrovataSenzaBadareAlleMaiuscole()
    {
        ContestoProva c;
        c.cartella.creaLista(QStringLiteral("TUTTE.txt"), {"CASA", "CANE"});
        QVERIFY(CaricaParole(c.stato, c.cartella.ambiente().listaPredefinita()));
        QCOMPARE(c.stato.NumeroParole, qint16(2));
    }

    void percorsoImmagine()
    {
        ContestoProva c;
        const QString casa = c.cartella.creaImmagine(QStringLiteral("Casa.jpg"));
        const Ambiente &a = c.cartella.ambiente();
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("CASA")), casa);
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("casa")), casa);
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("  casa")), casa);
        // A word with no picture still gets its path.
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("GATTO")), a.cartellaImmagini() + QStringLiteral("/GATTO.jpg"));
        // A picture added later is found too, whatever its case.
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("orso")), a.cartellaImmagini() + QStringLiteral("/orso.jpg"));
        const QString orso = c.cartella.creaImmagine(QStringLiteral("Orso.JPG"));
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("orso")), orso);
        QFile::remove(orso);
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("orso")), a.cartellaImmagini() + QStringLiteral("/orso.jpg"));
        // A word never reaches outside images0.
        c.cartella.scrivi(QStringLiteral("segreto.jpg"), "x");
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("../segreto")), QString());
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("sub/casa")), QString());
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("sub\\casa")), QString());
    }

    void fileEsiste()
    {
        ContestoProva c;
        const QString f = c.cartella.scrivi(QStringLiteral("x.txt"), "1");
        QVERIFY(FileEsiste(f));
        QVERIFY(!FileEsiste(c.cartella.ambiente().cartellaListe()));
        QVERIFY(!FileEsiste(c.cartella.scrivi(QStringLiteral(".nascosto"), "1")));
        QVERIFY(!FileEsiste(QString()));
    }

    void listePredefinite()
    {
        Stato s;
        RiempiListePredefinite(s);
        QCOMPARE(s.ListePredefinite[0][0], QStringLiteral("TUTTE"));
        QCOMPARE(s.ListePredefinite[0][1], QStringLiteral("TUTTE.txt"));
        QCOMPARE(s.ListePredefinite[17][0], QStringLiteral("CA, CO, CU, CI, CE"));
        QCOMPARE(s.ListePredefinite[17][1], QStringLiteral("1ca&ci.txt"));
        QCOMPARE(s.ListePredefinite[33][1], QStringLiteral("1mb&mp&nd&nt.txt"));
        QVERIFY(s.ListePredefinite[34][0].isEmpty() && s.ListePredefinite[34][1].isEmpty());
        QSet<QString> nomi;
        for (int i = 0; i < 34; ++i)
            nomi.insert(s.ListePredefinite[static_cast<size_t>(i)][1]);
        QCOMPARE(nomi.size(), 34);
    }
};

QTEST_GUILESS_MAIN(TestParoleListe)
#include "tst_paroleliste.moc"
