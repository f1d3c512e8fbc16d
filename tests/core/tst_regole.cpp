#include "core/abbinamenti.h"
#include "core/casuale.h"
#include "core/esercizioclic.h"
#include "core/estrazione.h"
#include "core/paroleliste.h"
#include "core/stato.h"

#include <QSet>
#include <QTest>

using namespace abbinamenti;

using Rilasci = QList<QPair<int, int>>; // name, box

Q_DECLARE_METATYPE(abbinamenti::Esito)
Q_DECLARE_METATYPE(EsercizioClic::Esito)

// The rules of the exercises: the words of an item, the right answer of the
// click exercises, the arrangements and the matching rule of the drag ones.
class TestRegole : public QObject
{
    Q_OBJECT
private slots:
    // Distinct positions in range; every word reaches every place; every
    // right index (click) and every arrangement (drag) comes out.
    void estrazioni_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("parole");
        for (int k = 2; k <= 4; ++k)
            for (int n : {k, k + 1, 10})
                QTest::addRow("k=%d n=%d", k, n) << k << n;
        QTest::newRow("k=3 n=500") << 3 << 500;
    }
    void estrazioni()
    {
        QFETCH(int, k);
        QFETCH(int, parole);
        Stato stato;
        QStringList lista;
        for (int i = 0; i < parole; ++i)
            lista.append(QStringLiteral("P%1").arg(i));
        ImpostaParole(stato, lista);
        Casuale casuale(7);
        EsercizioClic clic(k);
        QVector<QSet<int>> perPosto(k);
        QSet<int> giuste;
        QSet<int> disposizioni;
        for (int volta = 0; volta < 1500; ++volta) {
            QVERIFY(clic.genera(stato, casuale));
            QSet<int> diverse;
            for (int i = 0; i < k; ++i) {
                const int s = clic.Scelta[i];
                QVERIFY(s >= 1 && s <= parole);
                QCOMPARE(clic.parola(stato, i), lista.at(s - 1));
                diverse.insert(s);
                perPosto[i].insert(s);
            }
            QCOMPARE(diverse.size(), k);
            QVERIFY(clic.Estratto >= 0 && clic.Estratto < k);
            giuste.insert(clic.Estratto);
            if (k <= MassimoCoppie) {
                const Estrazione e = estrai(casuale, k, parole);
                QVERIFY(e.valida());
                QCOMPARE(QSet<int>(e.Scelta.begin(), e.Scelta.begin() + k).size(), k);
                disposizioni.insert(e.Estratto);
            }
        }
        QCOMPARE(giuste.size(), k);
        if (parole <= 10)
            for (int i = 0; i < k; ++i)
                QCOMPARE(perPosto[i].size(), parole);
        if (k <= MassimoCoppie)
            QCOMPARE(disposizioni.size(), numeroDisposizioni(k));
    }

    // Too few words: nothing is drawn, and nothing loops.
    void listaTroppoCorta_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("parole");
        QTest::newRow("two, empty list") << 2 << 0;
        QTest::newRow("two, one word") << 2 << 1;
        QTest::newRow("three, two words") << 3 << 2;
        QTest::newRow("four, three words") << 4 << 3;
    }
    void listaTroppoCorta()
    {
        QFETCH(int, k);
        QFETCH(int, parole);
        Casuale casuale(1);
        QVERIFY(EstraiPosizioni(casuale, k, parole).isEmpty());
        Stato stato;
        ImpostaParole(stato, QStringList(parole, QStringLiteral("CASA")));
        EsercizioClic clic(k);
        QVERIFY(!clic.genera(stato, casuale));
        QCOMPARE(clic.rispondi(0), EsercizioClic::Esito::Ignorata);
        if (k <= MassimoCoppie)
            QVERIFY(!estrai(casuale, k, parole).valida());
    }

    // Every arrangement puts each name in exactly one slot; no two are alike;
    // the first is the design order.
    void disposizioni()
    {
        for (int coppie : {2, 3}) {
            QSet<QList<int>> viste;
            for (int d = 0; d < numeroDisposizioni(coppie); ++d) {
                QList<int> nomi;
                for (int s = 0; s < coppie; ++s) {
                    const int n = nomeNelloSlot(coppie, d, s);
                    QCOMPARE(slotDelNome(coppie, d, n), s);
                    nomi.append(n);
                }
                QCOMPARE(QSet<int>(nomi.begin(), nomi.end()).size(), coppie);
                viste.insert(nomi);
                QCOMPARE(nomeNelloSlot(coppie, d, coppie), -1);
            }
            QCOMPARE(viste.size(), numeroDisposizioni(coppie));
            QCOMPARE(nomeNelloSlot(coppie, 0, 1), 1);
            QCOMPARE(nomeNelloSlot(coppie, numeroDisposizioni(coppie), 0), -1);
            QCOMPARE(nomeNelloSlot(coppie, -1, 0), -1);
        }
        Casuale casuale(3);
        int conti[6] = {};
        for (int n = 0; n < 6000; ++n)
            ++conti[estrai(casuale, 3, 10).Estratto];
        for (int c : conti)
            QVERIFY2(c > 850 && c < 1150, qPrintable(QString::number(c)));
    }

    void rispostaClic_data()
    {
        QTest::addColumn<QList<int>>("clic");
        QTest::addColumn<QList<EsercizioClic::Esito>>("esiti");
        using E = EsercizioClic::Esito;
        // The right index is 1 in every row.
        QTest::newRow("right at once") << QList<int>{1, 1, 0} << QList<E>{E::Giusta, E::Ignorata, E::Ignorata};
        QTest::newRow("the same wrong twice") << QList<int>{0, 0, 2, 1} << QList<E>{E::Sbagliata, E::Sbagliata, E::Sbagliata, E::Giusta};
        QTest::newRow("out of range") << QList<int>{-1, 3, 4, 1} << QList<E>{E::Ignorata, E::Ignorata, E::Ignorata, E::Giusta};
    }
    void rispostaClic()
    {
        QFETCH(QList<int>, clic);
        QFETCH(QList<EsercizioClic::Esito>, esiti);
        Stato stato;
        ImpostaParole(stato, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        Casuale casuale(2);
        EsercizioClic e(3);
        do
            QVERIFY(e.genera(stato, casuale));
        while (e.Estratto != 1);
        for (int n = 0; n < clic.size(); ++n)
            QCOMPARE(e.rispondi(clic[n]), esiti[n]);
        QVERIFY(!e.inAttesa());
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
        e.ricomincia();
        QCOMPARE(int(e.CoppieFatte()), 0);
        QCOMPARE(e.rilascia(0, 0), Esito::Giusto);
    }
};

QTEST_GUILESS_MAIN(TestRegole)
#include "tst_regole.moc"
