#include "core/casuale.h"
#include "core/puzzle.h"

#include <QSet>
#include <QTest>

using Pezzi = std::vector<int>;
Q_DECLARE_METATYPE(Pezzi)

namespace {
// The textbook rule, apart from the one under test: inversions among the real
// pieces, plus (for an even width) the gap's row counted from the bottom.
bool risolvibileDaManuale(int righe, int colonne, const Pezzi &p)
{
    const int n = righe * colonne;
    int inversioni = 0;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            inversioni += p[i] != n - 1 && p[j] != n - 1 && p[i] > p[j];
    if (colonne % 2 == 1)
        return inversioni % 2 == 0;
    const int v = static_cast<int>(std::find(p.begin(), p.end(), n - 1) - p.begin());
    return (inversioni + righe - v / colonne) % 2 == 1;
}
} // namespace

class TestPuzzle : public QObject
{
    Q_OBJECT
private slots:
    void mischia_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<bool>("scambio");
        for (bool scambio : {true, false})
            for (auto [r, c] : {std::pair{2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}, {4, 5}, {1, 4}, {3, 1}})
                QTest::addRow("%s %d x %d", scambio ? "swap" : "slide", r, c) << r << c << scambio;
    }
    void mischia()
    {
        QFETCH(int, righe);
        QFETCH(int, colonne);
        QFETCH(bool, scambio);
        const int n = righe * colonne;
        const bool linea = !scambio && (righe == 1 || colonne == 1);
        QSet<int> posti; // piece * n + cell, over all seeds
        for (unsigned seme = 1; seme <= 300; ++seme) {
            Casuale casuale(seme);
            Puzzle p(righe, colonne, scambio);
            p.mischia(casuale);
            const Pezzi &d = p.disposizione();
            QVERIFY2(!p.risolto(), qPrintable(QString::number(seme)));
            QVERIFY(Puzzle(righe, colonne, true).disponi(d)); // every piece once
            if (!scambio)
                QVERIFY(linea ? Puzzle::risolvibile(righe, colonne, d) : risolvibileDaManuale(righe, colonne, d));
            for (int c = 0; c < n; ++c)
                posti.insert(d[static_cast<size_t>(c)] * n + c);
        }
        // A fair shuffle sends every piece everywhere (in one line only the gap can travel).
        QCOMPARE(posti.size(), linea ? 3 * n - 4 : n * n);
    }

    // An arrangement given whole on a 2 x 2 grid (or a line of 4): refused, the old one kept, unless allowed.
    void disponi_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<int>("righe");
        QTest::addColumn<Pezzi>("pezzi");
        QTest::addColumn<bool>("accettata");
        QTest::newRow("too short") << true << 2 << Pezzi{0, 1, 2} << false;
        QTest::newRow("twice the same") << true << 2 << Pezzi{0, 1, 1, 3} << false;
        QTest::newRow("out of range") << false << 2 << Pezzi{-1, 1, 2, 3} << false;
        QTest::newRow("two traded: fine for swapping") << true << 2 << Pezzi{1, 0, 2, 3} << true;
        QTest::newRow("two traded: cannot slide back") << false << 2 << Pezzi{1, 0, 2, 3} << false;
        QTest::newRow("gap moved round") << false << 2 << Pezzi{3, 0, 2, 1} << true;
        QTest::newRow("one line, the gap moved") << false << 1 << Pezzi{0, 3, 1, 2} << true;
        QTest::newRow("one line, pieces crossed") << false << 1 << Pezzi{1, 0, 3, 2} << false;
    }
    void disponi()
    {
        QFETCH(bool, scambio);
        QFETCH(int, righe);
        QFETCH(Pezzi, pezzi);
        QFETCH(bool, accettata);
        Puzzle p(righe, 4 / righe, scambio);
        Casuale casuale(9);
        p.mischia(casuale);
        const Pezzi prima = p.disposizione();
        QCOMPARE(p.disponi(pezzi), accettata);
        QCOMPARE(p.disposizione(), accettata ? pezzi : prima);
    }

    void fineEPezziCheSiSomigliano()
    {
        // Finished, a sliding puzzle takes no more moves.
        Puzzle p(2, 2, false);
        QVERIFY(p.disponi({0, 3, 2, 1}) && p.scorri(3));
        QVERIFY(p.risolto() && !p.scorri(1));
        Casuale casuale(3);
        QCOMPARE(Puzzle(40, -3, true).righe() * Puzzle(40, -3, true).colonne(), Puzzle::MaxLato);
        // A white background: pieces 0, 1 and 2 look the same, anywhere; wrongly sized looks are ignored.
        Puzzle q(2, 2, true);
        q.impostaAspetto({0, 0, 0, 3});
        QVERIFY(q.disponi({1, 2, 0, 3}) && q.risolto());
        q.impostaAspetto({0, 0});
        QVERIFY(q.risolto());
        for (unsigned seme = 1; seme <= 50; ++seme) {
            q.mischia(casuale);
            QVERIFY(q.pezzo(3) != 3); // never looks finished
        }
        // All alike: swapping cannot hide anything, sliding still moves the gap away.
        Puzzle uguali(3, 3, true), scorre(2, 2, false);
        uguali.impostaAspetto(Pezzi(9, 7));
        uguali.mischia(casuale);
        scorre.impostaAspetto(Pezzi(4, 0));
        scorre.mischia(casuale);
        QVERIFY(uguali.risolto() && !scorre.risolto() && scorre.vuota() != 3);
    }
};

QTEST_GUILESS_MAIN(TestPuzzle)
#include "tst_puzzle.moc"
