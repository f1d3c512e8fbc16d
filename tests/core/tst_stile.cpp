#include "core/carattere.h"
#include "core/casuale.h"
#include "core/colori.h"
#include "core/suoni.h"
#include "tests/support/provecomuni.h"

#include <QTest>

// Type style, colours, sounds and the random generator.
class TestStile : public QObject
{
    Q_OBJECT
private slots:
    void trasformaCarattere()
    {
        ContestoProva c;
        c.parole({QStringLiteral("Casa"), QString::fromUtf8("città"), QStringLiteral("  Orso")});
        c.stato.Parole[4] = QStringLiteral("Fuori"); // beyond the list: untouched
        c.stato.Carattere = QStringLiteral("maiuscolo");
        TrasformaCarattere(c.stato);
        QCOMPARE(c.stato.Parole[1], QStringLiteral("CASA"));
        QCOMPARE(c.stato.Parole[2], QString::fromUtf8("CITTÀ"));
        QCOMPARE(c.stato.Parole[3], QStringLiteral("  ORSO"));
        QCOMPARE(c.stato.Parole[4], QStringLiteral("Fuori"));
        QCOMPARE(FontParola(c.stato), QStringLiteral("Arial"));

        c.stato.Carattere = QStringLiteral("minuscolo");
        TrasformaCarattere(c.stato);
        QCOMPARE(c.stato.Parole[1], QStringLiteral("casa"));
        QCOMPARE(c.stato.Parole[2], QString::fromUtf8("città"));
        QCOMPARE(FontParola(c.stato), QStringLiteral("Arial"));

        c.stato.Carattere = QStringLiteral("corsivo");
        TrasformaCarattere(c.stato);
        QCOMPARE(c.stato.Parole[1], QStringLiteral("casa"));
        QCOMPARE(FontParola(c.stato), QStringLiteral("Indis1"));

        // Back to capitals: the mixed case read from the file is gone for good.
        c.stato.Carattere = QStringLiteral("maiuscolo");
        TrasformaCarattere(c.stato);
        QCOMPARE(c.stato.Parole[1], QStringLiteral("CASA"));

        // An empty list stays empty.
        c.parole({});
        TrasformaCarattere(c.stato);
        QCOMPARE(c.stato.NumeroParole, qint16(0));
        QVERIFY(c.stato.Parole[0].isEmpty());
    }

    void tabellaColori()
    {
        QCOMPARE(colori::voce(1), 0xC0C0FFu);
        QCOMPARE(colori::inRgb(colori::voce(1)), 0xFFC0C0u); // red 255, green 192, blue 192
        QCOMPARE(colori::inRgb(colori::voce(8)), 0xC04000u);
        QCOMPARE(colori::inRgb(colori::voce(17)), 0x0000FFu);
        QCOMPARE(colori::voce(0), 0u);
        QCOMPARE(colori::voce(19), 0u);
    }

    void coloreCasuale()
    {
        Casuale r(7);
        QSet<quint32> permessi;
        for (int k = 1; k <= 18; ++k)
            permessi.insert(colori::inRgb(colori::voce(k)));
        QMap<quint32, int> conteggio;
        const int n = 18000;
        for (int i = 0; i < n; ++i) {
            const quint32 c = ColoreCasuale(r);
            QVERIFY(permessi.contains(c));
            ++conteggio[c];
        }
        QCOMPARE(conteggio.size(), 16); // 18 entries, one colour three times
        const int rosa = conteggio.value(0xFFC0FF);
        QVERIFY2(rosa > 2600 && rosa < 3400, qPrintable(QString::number(rosa)));
    }

    void suoni()
    {
        ContestoProva c;
        c.stato.SuoniAttivati = false;
        for (int i = 0; i < 20; ++i) {
            SuonoGiusto(c.stato, c.cartella.ambiente(), c.casuale, c.suoni);
            SuonoSbagliato(c.stato, c.cartella.ambiente(), c.suoni);
        }
        QVERIFY(c.suoni.suonati.isEmpty());

        c.stato.SuoniAttivati = true;
        SuonoSbagliato(c.stato, c.cartella.ambiente(), c.suoni);
        QCOMPARE(c.suoni.suonati, QStringList{c.cartella.ambiente().cartellaSuoni() + QStringLiteral("/no.wav")});
        c.suoni.suonati.clear();
        for (int i = 0; i < 200; ++i)
            SuonoGiusto(c.stato, c.cartella.ambiente(), c.casuale, c.suoni);
        const QStringList nomi = c.suoni.nomi();
        QCOMPARE(QSet<QString>(nomi.begin(), nomi.end()),
                 (QSet<QString>{"si1.wav", "si2.wav", "si3.wav", "si4.wav"}));
    }

    void casuale()
    {
        Casuale a(42), b(42);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(a.Rnd(), b.Rnd());
        Casuale r(3);
        QSet<int> visti;
        for (int i = 0; i < 1000; ++i) {
            const double x = r.Rnd();
            QVERIFY(x >= 0.0 && x < 1.0);
            const int p = r.posizione(5);
            QVERIFY(p >= 1 && p <= 5);
            visti.insert(p);
        }
        QCOMPARE(visti.size(), 5);
        QCOMPARE(r.scelta(0), 0);
    }

    void testoNumero()
    {
        QCOMPARE(TestoNumero(0), QStringLiteral(" 0"));
        QCOMPARE(TestoNumero(12), QStringLiteral(" 12"));
        QCOMPARE(TestoNumero(-3), QStringLiteral("-3"));
        int c = 32767;
        IncrementaContatore(c);
        QCOMPARE(c, 32768);
    }
};

QTEST_GUILESS_MAIN(TestStile)
#include "tst_stile.moc"
