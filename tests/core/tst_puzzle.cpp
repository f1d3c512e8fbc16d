#include "core/casuale.h"
#include "core/puzzle.h"

#include <QSet>
#include <QTest>

#include <numeric>
#include <queue>

using Pezzi = std::vector<int>;
Q_DECLARE_METATYPE(Pezzi)

namespace {
QByteArray chiave(const Pezzi &p)
{
    return QByteArray(reinterpret_cast<const char *>(p.data()), static_cast<int>(p.size() * sizeof(int)));
}

// Every arrangement reached by walking the gap around from the finished one:
// an independent check of the solvability rule on small grids.
QSet<QByteArray> raggiungibili(int righe, int colonne)
{
    Pezzi inizio(static_cast<size_t>(righe * colonne));
    std::iota(inizio.begin(), inizio.end(), 0);
    QSet<QByteArray> visti{chiave(inizio)};
    std::queue<Pezzi> coda({inizio});
    while (!coda.empty()) {
        const Pezzi p = coda.front();
        coda.pop();
        const int v = static_cast<int>(std::find(p.begin(), p.end(), righe * colonne - 1) - p.begin());
        for (int vicino : {v - colonne, v + colonne, v % colonne ? v - 1 : -1, (v + 1) % colonne ? v + 1 : -1}) {
            if (vicino < 0 || vicino >= righe * colonne)
                continue;
            Pezzi q = p;
            std::swap(q[static_cast<size_t>(v)], q[static_cast<size_t>(vicino)]);
            if (!visti.contains(chiave(q))) {
                visti.insert(chiave(q));
                coda.push(q);
            }
        }
    }
    return visti;
}

// The textbook rule for grids too big to walk: inversions among the real
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
        const QSet<QByteArray> tutte = !scambio && n <= 9 ? raggiungibili(righe, colonne) : QSet<QByteArray>();
        QSet<int> posti; // piece * n + cell, over all seeds
        for (unsigned seme = 1; seme <= 300; ++seme) {
            Casuale casuale(seme);
            Puzzle p(righe, colonne, scambio);
            p.mischia(casuale);
            const Pezzi &d = p.disposizione();
            QVERIFY2(!p.risolto(), qPrintable(QString::number(seme)));
            Pezzi ordinati = d;
            std::sort(ordinati.begin(), ordinati.end());
            QCOMPARE(ordinati.back(), n - 1);
            QVERIFY(std::adjacent_find(ordinati.begin(), ordinati.end()) == ordinati.end());
            if (!scambio) {
                QVERIFY(Puzzle::risolvibile(righe, colonne, d));
                QVERIFY(n <= 9 ? tutte.contains(chiave(d)) : risolvibileDaManuale(righe, colonne, d));
            }
            for (int c = 0; c < n; ++c)
                posti.insert(d[static_cast<size_t>(c)] * n + c);
        }
        // A fair shuffle sends every piece everywhere (in one line only the gap can travel).
        const bool linea = !scambio && (righe == 1 || colonne == 1);
        QCOMPARE(posti.size(), linea ? 3 * n - 4 : n * n);
    }

    void unSoloPezzo()
    {
        Casuale casuale(3);
        Puzzle p(1, 1, true);
        p.mischia(casuale); // nothing can be out of place: it must still return
        QVERIFY(p.risolto());
    }

    void mosse_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<Pezzi>("prima");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b"); // second cell of a swap; unused when sliding
        QTest::addColumn<Pezzi>("dopo");
        const Pezzi s{1, 0, 2, 3, 5, 4};
        QTest::newRow("swap") << true << s << 0 << 5 << Pezzi{4, 0, 2, 3, 5, 1};
        QTest::newRow("swap same cell") << true << s << 4 << 4 << s;
        QTest::newRow("swap out of the grid") << true << s << 0 << 6 << s;
        QTest::newRow("swap neighbours") << true << s << 4 << 5 << Pezzi{1, 0, 2, 3, 4, 5};
        // 3 x 2, gap (5) at the top left:  5 0 / 2 1 / 4 3
        const Pezzi g{5, 0, 2, 1, 4, 3};
        QTest::newRow("slide neighbour") << false << g << 1 << 0 << Pezzi{0, 5, 2, 1, 4, 3};
        QTest::newRow("slide run up the column") << false << g << 4 << 0 << Pezzi{2, 0, 4, 1, 5, 3};
        QTest::newRow("slide diagonal: stays") << false << g << 3 << 0 << g;
        QTest::newRow("slide the gap: stays") << false << g << 0 << 0 << g;
    }
    void mosse()
    {
        QFETCH(bool, scambio);
        QFETCH(Pezzi, prima);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(Pezzi, dopo);
        Puzzle p(3, 2, scambio);
        QVERIFY(p.disponi(prima));
        const bool mosso = scambio ? p.scambia(a, b) : p.scorri(a);
        QCOMPARE(mosso, prima != dopo);
        QCOMPARE(p.disposizione(), dopo);
        // Moves of the other mode are refused.
        QVERIFY(scambio ? !p.scorri(0) : !p.scambia(0, 1));
    }

    void disponi_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<Pezzi>("pezzi");
        QTest::addColumn<bool>("accettata");
        QTest::newRow("too short") << true << Pezzi{0, 1, 2} << false;
        QTest::newRow("twice the same") << true << Pezzi{0, 1, 1, 3} << false;
        QTest::newRow("out of range") << false << Pezzi{-1, 1, 2, 3} << false;
        QTest::newRow("two traded: fine for swapping") << true << Pezzi{1, 0, 2, 3} << true;
        QTest::newRow("two traded: cannot slide back") << false << Pezzi{1, 0, 2, 3} << false;
        QTest::newRow("gap moved round") << false << Pezzi{3, 0, 2, 1} << true;
    }
    void disponi()
    {
        QFETCH(bool, scambio);
        QFETCH(Pezzi, pezzi);
        QFETCH(bool, accettata);
        Puzzle p(2, 2, scambio);
        Casuale casuale(9);
        p.mischia(casuale);
        const Pezzi prima = p.disposizione();
        QCOMPARE(p.disponi(pezzi), accettata);
        QCOMPARE(p.disposizione(), accettata ? pezzi : prima);
    }

    void fineEFile()
    {
        // A finished puzzle takes no more moves.
        Puzzle p(2, 2, false);
        QVERIFY(p.disponi({0, 3, 2, 1}));
        QVERIFY(p.scorri(3));
        QVERIFY(p.risolto());
        QVERIFY(!p.scorri(1));
        QVERIFY(!Puzzle(2, 2, true).scambia(0, 1));
        // In one line the pieces never cross.
        QVERIFY(Puzzle::risolvibile(1, 4, {0, 3, 1, 2}));
        QVERIFY(!Puzzle::risolvibile(1, 4, {1, 0, 3, 2}));
        // Sizes out of range are kept to 1..MaxLato.
        QCOMPARE(Puzzle(0, -3, true).celle(), 1);
        QCOMPARE(Puzzle(40, 2, true).righe(), Puzzle::MaxLato);
    }

    void pezziCheSiSomigliano()
    {
        // A white background: pieces 0, 1 and 2 look the same.
        Puzzle p(2, 2, true);
        p.impostaAspetto({0, 0, 0, 3});
        QVERIFY(p.disponi({1, 2, 0, 3}));
        QVERIFY(p.risolto());
        p.impostaAspetto({0, 0}); // wrong size: ignored
        QVERIFY(p.risolto());
        for (unsigned seme = 1; seme <= 50; ++seme) {
            Casuale casuale(seme);
            Puzzle q(2, 2, true);
            q.impostaAspetto({0, 0, 0, 3});
            q.mischia(casuale);
            QVERIFY(q.pezzo(3) != 3); // never looks finished
        }
        // All alike: swapping cannot hide anything, sliding still moves the gap away.
        Casuale casuale(11);
        Puzzle uguali(3, 3, true);
        uguali.impostaAspetto(Pezzi(9, 7));
        uguali.mischia(casuale);
        QVERIFY(uguali.risolto());
        Puzzle scorre(2, 2, false);
        scorre.impostaAspetto(Pezzi(4, 0));
        scorre.mischia(casuale);
        QVERIFY(!scorre.risolto());
        QVERIFY(scorre.vuota() != 3);
    }
};

QTEST_GUILESS_MAIN(TestPuzzle)
#include "tst_puzzle.moc"
