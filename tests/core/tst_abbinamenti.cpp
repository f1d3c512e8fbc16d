#include "core/abbinamenti.h"
#include "core/casuale.h"

#include <QTest>

#include <set>

using namespace abbinamenti;

using Rilasci = QList<QPair<int, int>>; // name, box

Q_DECLARE_METATYPE(abbinamenti::Esito)

// Arrangements, slots, draws and the matching rule of the drag exercises.
class TestAbbinamenti : public QObject
{
    Q_OBJECT
private slots:
    void disposizioni_data()
    {
        QTest::addColumn<int>("coppie");
        QTest::addColumn<int>("disposizione");
        QTest::addColumn<QList<int>>("nomi"); // name in slot 0, 1, 2
        QTest::newRow("2/0") << 2 << 0 << QList<int>{0, 1};
        QTest::newRow("2/1") << 2 << 1 << QList<int>{1, 0};
        QTest::newRow("3/0") << 3 << 0 << QList<int>{0, 1, 2};
        QTest::newRow("3/1") << 3 << 1 << QList<int>{0, 2, 1};
        QTest::newRow("3/2") << 3 << 2 << QList<int>{1, 0, 2};
        QTest::newRow("3/3") << 3 << 3 << QList<int>{1, 2, 0};
        QTest::newRow("3/4") << 3 << 4 << QList<int>{2, 1, 0};
        QTest::newRow("3/5") << 3 << 5 << QList<int>{2, 0, 1};
    }
    void disposizioni()
    {
        QFETCH(int, coppie);
        QFETCH(int, disposizione);
        QFETCH(QList<int>, nomi);
        for (int s = 0; s < coppie; ++s) {
            QCOMPARE(nomeNelloSlot(coppie, disposizione, s), nomi[s]);
            QCOMPARE(slotDelNome(coppie, disposizione, nomi[s]), s);
        }
        QCOMPARE(nomeNelloSlot(coppie, disposizione, coppie), -1);
        QCOMPARE(nomeNelloSlot(coppie, disposizione, -1), -1);
        QCOMPARE(slotDelNome(coppie, disposizione, coppie), -1);
        QCOMPARE(nomeNelloSlot(coppie, numeroDisposizioni(coppie), 0), -1);
        QCOMPARE(nomeNelloSlot(coppie, -1, 0), -1);
    }

    void estrazioni_data()
    {
        QTest::addColumn<int>("coppie");
        QTest::addColumn<int>("parole");
        QTest::newRow("two of two") << 2 << 2;
        QTest::newRow("two of five") << 2 << 5;
        QTest::newRow("three of three") << 3 << 3;
        QTest::newRow("three of 500") << 3 << 500;
    }
    void estrazioni()
    {
        QFETCH(int, coppie);
        QFETCH(int, parole);
        Casuale casuale(7);
        std::set<int> posizioniViste;
        std::set<int> disposizioniViste;
        std::set<int> primeViste;
        for (int n = 0; n < 3000; ++n) {
            const Estrazione e = estrai(casuale, coppie, parole);
            QVERIFY(e.valida());
            QCOMPARE(e.coppie, coppie);
            std::set<int> diverse;
            for (int k = 0; k < coppie; ++k) {
                QVERIFY(e.scelte[k] >= 1 && e.scelte[k] <= parole);
                diverse.insert(e.scelte[k]);
                posizioniViste.insert(e.scelte[k]);
            }
            QCOMPARE(int(diverse.size()), coppie);
            QVERIFY(e.disposizione >= 0 && e.disposizione < numeroDisposizioni(coppie));
            disposizioniViste.insert(e.disposizione);
            primeViste.insert(e.scelte[0]);
        }
        QCOMPARE(int(disposizioniViste.size()), numeroDisposizioni(coppie));
        if (parole <= 5) {
            // Every word can come out, and in any place.
            QCOMPARE(int(posizioniViste.size()), parole);
            QCOMPARE(int(primeViste.size()), parole);
        }
    }

    void disposizioniUniformi()
    {
        Casuale casuale(3);
        int conti[6] = {};
        const int prove = 6000;
        for (int n = 0; n < prove; ++n)
            ++conti[estrai(casuale, 3, 10).disposizione];
        for (int c : conti)
            QVERIFY2(c > 850 && c < 1150, qPrintable(QString::number(c)));
    }

    void listaTroppoCorta_data()
    {
        QTest::addColumn<int>("coppie");
        QTest::addColumn<int>("parole");
        QTest::newRow("two, empty list") << 2 << 0;
        QTest::newRow("two, one word") << 2 << 1;
        QTest::newRow("three, two words") << 3 << 2;
        QTest::newRow("four pairs") << 4 << 20;
    }
    void listaTroppoCorta()
    {
        QFETCH(int, coppie);
        QFETCH(int, parole);
        Casuale casuale(1);
        QVERIFY(!estrai(casuale, coppie, parole).valida());
    }

    void regolaDegliAbbinamenti_data()
    {
        QTest::addColumn<int>("coppie");
        QTest::addColumn<Rilasci>("rilasci");
        QTest::addColumn<QList<Esito>>("esiti");
        QTest::addColumn<int>("fatte");
        using R = Rilasci;
        using E = QList<Esito>;
        QTest::newRow("wrong box") << 2 << R{{1, 0}} << E{Esito::Sbagliato} << 0;
        QTest::newRow("Errati caption") << 2 << R{{0, 2}, {1, 2}} << E{Esito::Sbagliato, Esito::Sbagliato} << 0;
        QTest::newRow("right, not complete") << 3 << R{{2, 2}} << E{Esito::Giusto} << 1;
        QTest::newRow("two right") << 2 << R{{1, 1}, {0, 0}} << E{Esito::Giusto, Esito::Completo} << 2;
        QTest::newRow("wrong drops on the way")
            << 2 << R{{0, 1}, {0, 0}, {1, 2}, {1, 1}}
            << E{Esito::Sbagliato, Esito::Giusto, Esito::Sbagliato, Esito::Completo} << 2;
        QTest::newRow("three in any order")
            << 3 << R{{1, 1}, {2, 0}, {2, 2}, {0, 0}}
            << E{Esito::Giusto, Esito::Sbagliato, Esito::Giusto, Esito::Completo} << 3;
        QTest::newRow("placed name again") << 3 << R{{0, 0}, {0, 0}, {0, 1}} << E{Esito::Giusto, Esito::Nessuno, Esito::Nessuno} << 1;
        QTest::newRow("after completion") << 2 << R{{0, 0}, {1, 1}, {1, 0}} << E{Esito::Giusto, Esito::Completo, Esito::Nessuno} << 2;
        QTest::newRow("out of range")
            << 2 << R{{-1, 0}, {2, 2}, {0, 3}, {0, -1}} << E{Esito::Nessuno, Esito::Nessuno, Esito::Nessuno, Esito::Nessuno}
            << 0;
    }
    void regolaDegliAbbinamenti()
    {
        QFETCH(int, coppie);
        QFETCH(Rilasci, rilasci);
        QFETCH(QList<Esito>, esiti);
        QFETCH(int, fatte);
        Esercizio e(coppie);
        for (int n = 0; n < rilasci.size(); ++n)
            QCOMPARE(e.rilascia(rilasci[n].first, rilasci[n].second), esiti[n]);
        QCOMPARE(int(e.CoppieFatte()), fatte);
        QCOMPARE(e.completo(), fatte == coppie);
    }

};

QTEST_GUILESS_MAIN(TestAbbinamenti)
#include "tst_abbinamenti.moc"
