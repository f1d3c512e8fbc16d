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
    QByteArray k;
    for (int x : p)
        k.append(static_cast<char>(x));
    return k;
}

// Every arrangement reachable by sliding from the finished one, found by
// walking the gap around: an independent check of the solvability rule.
QSet<QByteArray> raggiungibili(int righe, int colonne)
{
    const int n = righe * colonne;
    Pezzi inizio(static_cast<size_t>(n));
    std::iota(inizio.begin(), inizio.end(), 0);
    QSet<QByteArray> visti{chiave(inizio)};
    std::queue<Pezzi> coda;
    coda.push(inizio);
    while (!coda.empty()) {
        const Pezzi p = coda.front();
        coda.pop();
        const int v = static_cast<int>(std::find(p.begin(), p.end(), n - 1) - p.begin());
        const int r = v / colonne, c = v % colonne;
        const int vicini[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
        for (const auto &rc : vicini) {
            if (rc[0] < 0 || rc[0] >= righe || rc[1] < 0 || rc[1] >= colonne)
                continue;
            Pezzi q = p;
            std::swap(q[static_cast<size_t>(v)], q[static_cast<size_t>(rc[0] * colonne + rc[1])]);
            const QByteArray k = chiave(q);
            if (!visti.contains(k)) {
                visti.insert(k);
                coda.push(q);
            }
        }
    }
    return visti;
}

// The textbook rule for grids too big to walk: inversions among the real
// pieces, plus (for an even width) the row of the gap counted from the bottom.
bool risolvibileDaManuale(int righe, int colonne, const Pezzi &p)
{
    const int n = righe * colonne;
    int inversioni = 0;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (p[i] != n - 1 && p[j] != n - 1 && p[i] > p[j])
                ++inversioni;
    if (colonne % 2 == 1)
        return inversioni % 2 == 0;
    const int v = static_cast<int>(std::find(p.begin(), p.end(), n - 1) - p.begin());
    const int rigaDalBasso = righe - v / colonne;
    return (inversioni + rigaDalBasso) % 2 == 1;
}

bool ePermutazione(Pezzi p)
{
    std::sort(p.begin(), p.end());
    for (size_t i = 0; i < p.size(); ++i)
        if (p[i] != static_cast<int>(i))
            return false;
    return true;
}
} // namespace

class TestPuzzle : public QObject
{
    Q_OBJECT
private slots:
    void griglia_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<int>("righeAttese");
        QTest::addColumn<int>("colonneAttese");
        QTest::newRow("2 x 2") << 2 << 2 << 2 << 2;
        QTest::newRow("3 x 2") << 3 << 2 << 3 << 2;
        QTest::newRow("4 x 3") << 4 << 3 << 4 << 3;
        QTest::newRow("4 x 5") << 4 << 5 << 4 << 5;
        QTest::newRow("zero rows") << 0 << 3 << 1 << 3;
        QTest::newRow("negative columns") << 3 << -4 << 3 << 1;
        QTest::newRow("too many") << 40 << 13 << Puzzle::MaxLato << Puzzle::MaxLato;
    }
    void griglia()
    {
        QFETCH(int, righe);
        QFETCH(int, colonne);
        QFETCH(int, righeAttese);
        QFETCH(int, colonneAttese);
        for (bool scambio : {true, false}) {
            const Puzzle p(righe, colonne, scambio);
            QCOMPARE(p.righe(), righeAttese);
            QCOMPARE(p.colonne(), colonneAttese);
            QCOMPARE(p.celle(), righeAttese * colonneAttese);
            QVERIFY(p.risolto());
            QCOMPARE(p.pezzo(p.celle() - 1), p.celle() - 1);
            QCOMPARE(p.pezzo(p.celle()), -1);
            QCOMPARE(p.pezzo(-1), -1);
            // The gap is the bottom right cell, and only in sliding mode.
            QCOMPARE(p.vuota(), scambio ? -1 : p.celle() - 1);
        }
        const Puzzle p(righe, colonne, true);
        const int c = p.celle() - 1;
        QCOMPARE(p.riga(c), righeAttese - 1);
        QCOMPARE(p.colonna(c), colonneAttese - 1);
    }

    void mischiaMaiRisoltoESempreRisolvibile_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<bool>("scambio");
        for (bool scambio : {true, false}) {
            const char *modo = scambio ? "swap" : "slide";
            for (auto [r, c] : {std::pair{2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}, {4, 5}, {1, 4}, {5, 1}, {1, 2}})
                QTest::addRow("%s %d x %d", modo, r, c) << r << c << scambio;
        }
    }
    void mischiaMaiRisoltoESempreRisolvibile()
    {
        QFETCH(int, righe);
        QFETCH(int, colonne);
        QFETCH(bool, scambio);
        const bool piccola = righe * colonne <= 9;
        const QSet<QByteArray> tutte = !scambio && piccola ? raggiungibili(righe, colonne) : QSet<QByteArray>();
        const int n = righe * colonne;
        // Where each piece was seen: a fair shuffle sends every piece everywhere.
        std::vector<std::vector<bool>> visto(static_cast<size_t>(n), std::vector<bool>(static_cast<size_t>(n), false));
        for (unsigned seme = 1; seme <= 400; ++seme) {
            Casuale casuale(seme);
            Puzzle p(righe, colonne, scambio);
            p.mischia(casuale);
            const Pezzi &d = p.disposizione();
            QVERIFY2(!p.risolto(), qPrintable(QStringLiteral("seed %1").arg(seme)));
            QVERIFY(ePermutazione(d));
            if (!scambio) {
                QVERIFY(Puzzle::risolvibile(righe, colonne, d));
                if (piccola)
                    QVERIFY2(tutte.contains(chiave(d)), qPrintable(QStringLiteral("seed %1").arg(seme)));
                else
                    QVERIFY2(risolvibileDaManuale(righe, colonne, d), qPrintable(QStringLiteral("seed %1").arg(seme)));
            }
            for (int c = 0; c < n; ++c)
                visto[static_cast<size_t>(d[static_cast<size_t>(c)])][static_cast<size_t>(c)] = true;
        }
        if (n == 2)
            return; // one way only to be out of order
        const bool linea = !scambio && (righe == 1 || colonne == 1);
        if (linea) {
            // In one line only the gap can travel: it reaches every other cell.
            for (int c = 0; c < n - 1; ++c)
                QVERIFY(visto[static_cast<size_t>(n - 1)][static_cast<size_t>(c)]);
            return;
        }
        for (int pz = 0; pz < n; ++pz)
            for (int c = 0; c < n; ++c)
                QVERIFY2(visto[static_cast<size_t>(pz)][static_cast<size_t>(c)],
                         qPrintable(QStringLiteral("piece %1 never in cell %2").arg(pz).arg(c)));
    }

    void unSoloPezzoRestaAlSuoPosto()
    {
        Casuale casuale(3);
        for (bool scambio : {true, false}) {
            Puzzle p(1, 1, scambio);
            p.mischia(casuale); // must not loop forever
            QVERIFY(p.risolto());
        }
    }

    void mischiaRicominciaDaCapo()
    {
        // Shuffling a half-done puzzle gives the same as shuffling a new one.
        Casuale a(77), b(77), altro(5);
        Puzzle p(3, 3, false), q(3, 3, false);
        p.mischia(altro);
        p.mischia(a);
        q.mischia(b);
        QCOMPARE(p.disposizione(), q.disposizione());
    }

    void scambi_data()
    {
        QTest::addColumn<Pezzi>("prima");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("mosso");
        QTest::addColumn<Pezzi>("dopo");
        const Pezzi inizio{1, 0, 2, 3, 5, 4};
        QTest::newRow("neighbours") << inizio << 0 << 1 << true << Pezzi{0, 1, 2, 3, 5, 4};
        QTest::newRow("far apart") << inizio << 0 << 5 << true << Pezzi{4, 0, 2, 3, 5, 1};
        QTest::newRow("pieces already home") << inizio << 2 << 3 << true << Pezzi{1, 0, 3, 2, 5, 4};
        QTest::newRow("same cell") << inizio << 4 << 4 << false << inizio;
        QTest::newRow("out of the grid") << inizio << 0 << 6 << false << inizio;
        QTest::newRow("negative") << inizio << -1 << 2 << false << inizio;
    }
    void scambi()
    {
        QFETCH(Pezzi, prima);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, mosso);
        QFETCH(Pezzi, dopo);
        Puzzle p(3, 2, true);
        QVERIFY(p.disponi(prima));
        QCOMPARE(p.scambia(a, b), mosso);
        QCOMPARE(p.disposizione(), dopo);
    }

    void scambiFinoAllaFine()
    {
        Puzzle p(2, 2, true);
        QVERIFY(p.disponi({3, 2, 1, 0}));
        QVERIFY(p.scambia(0, 3));
        QVERIFY(!p.risolto());
        QVERIFY(p.scambia(2, 1));
        QVERIFY(p.risolto());
        // A finished puzzle stays finished.
        QVERIFY(!p.scambia(0, 1));
        QVERIFY(p.risolto());
        // Sliding moves belong to the other mode.
        QVERIFY(p.disponi({1, 0, 2, 3}));
        QVERIFY(!p.scorri(0));
        QVERIFY(!p.scorrevole(0));
    }

    void scorrimenti_data()
    {
        QTest::addColumn<int>("cella");
        QTest::addColumn<bool>("mosso");
        QTest::addColumn<Pezzi>("dopo");
        // 3 x 3 with the gap (piece 8) in the middle:
        //   0 1 2
        //   3 8 4
        //   6 7 5
        const Pezzi fermo{0, 1, 2, 3, 8, 4, 6, 7, 5};
        QTest::newRow("left neighbour") << 3 << true << Pezzi{0, 1, 2, 8, 3, 4, 6, 7, 5};
        QTest::newRow("right neighbour") << 5 << true << Pezzi{0, 1, 2, 3, 4, 8, 6, 7, 5};
        QTest::newRow("above") << 1 << true << Pezzi{0, 8, 2, 3, 1, 4, 6, 7, 5};
        QTest::newRow("below") << 7 << true << Pezzi{0, 1, 2, 3, 7, 4, 6, 8, 5};
        QTest::newRow("diagonal") << 0 << false << fermo;
        QTest::newRow("the gap itself") << 4 << false << fermo;
        QTest::newRow("out of the grid") << 9 << false << fermo;
    }
    void scorrimenti()
    {
        QFETCH(int, cella);
        QFETCH(bool, mosso);
        QFETCH(Pezzi, dopo);
        Puzzle p(3, 3, false);
        QVERIFY(p.disponi({0, 1, 2, 3, 8, 4, 6, 7, 5}));
        QCOMPARE(p.scorrevole(cella), mosso);
        QCOMPARE(p.scorri(cella), mosso);
        QCOMPARE(p.disposizione(), dopo);
        QCOMPARE(p.vuota(), mosso ? cella : 4);
    }

    void scorrimentoDiUnaFila_data()
    {
        QTest::addColumn<Pezzi>("prima");
        QTest::addColumn<int>("cella");
        QTest::addColumn<Pezzi>("dopo");
        // 4 rows x 3 columns, gap (11) at top left.
        const Pezzi inizio{11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("whole row to the left") << inizio << 2 << Pezzi{0, 1, 11, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("whole column up") << inizio << 9 << Pezzi{2, 0, 1, 5, 3, 4, 8, 6, 7, 11, 9, 10};
        QTest::newRow("two of the column") << inizio << 6 << Pezzi{2, 0, 1, 5, 3, 4, 11, 6, 7, 8, 9, 10};
        const Pezzi destra{0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 9, 10};
        QTest::newRow("row to the right") << destra << 11 << Pezzi{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    }
    void scorrimentoDiUnaFila()
    {
        QFETCH(Pezzi, prima);
        QFETCH(int, cella);
        QFETCH(Pezzi, dopo);
        Puzzle p(4, 3, false);
        QVERIFY(p.disponi(prima));
        QVERIFY(p.scorri(cella));
        QCOMPARE(p.disposizione(), dopo);
    }

    void scorrimentiFinoAllaFine()
    {
        Puzzle p(2, 2, false);
        // 3 is the gap:  0 3      0 1
        //                2 1  ->  2 3
        QVERIFY(p.disponi({0, 3, 2, 1}));
        QVERIFY(!p.risolto());
        QVERIFY(p.scorri(3));
        QVERIFY(p.risolto());
        QVERIFY(!p.scorrevole(1));
        QVERIFY(!p.scorri(1));
        QVERIFY(!p.scambia(0, 1));
    }

    void disposizioniRifiutate_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<Pezzi>("pezzi");
        QTest::addColumn<bool>("accettata");
        QTest::newRow("too short") << true << Pezzi{0, 1, 2} << false;
        QTest::newRow("too long") << true << Pezzi{0, 1, 2, 3, 4} << false;
        QTest::newRow("twice the same") << true << Pezzi{0, 1, 1, 3} << false;
        QTest::newRow("out of range") << true << Pezzi{0, 1, 2, 4} << false;
        QTest::newRow("negative") << false << Pezzi{-1, 1, 2, 3} << false;
        QTest::newRow("two traded: fine for swapping") << true << Pezzi{1, 0, 2, 3} << true;
        QTest::newRow("two traded: cannot slide back") << false << Pezzi{1, 0, 2, 3} << false;
        QTest::newRow("gap moved round") << false << Pezzi{3, 0, 2, 1} << true;
    }
    void disposizioniRifiutate()
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

    void risolvibiliInUnaFila_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<Pezzi>("pezzi");
        QTest::addColumn<bool>("risolvibile");
        QTest::newRow("row, gap first") << 1 << 4 << Pezzi{3, 0, 1, 2} << true;
        QTest::newRow("row, gap inside") << 1 << 4 << Pezzi{0, 3, 1, 2} << true;
        QTest::newRow("row, pieces crossed") << 1 << 4 << Pezzi{1, 0, 3, 2} << false;
        QTest::newRow("column, gap first") << 3 << 1 << Pezzi{2, 0, 1} << true;
        QTest::newRow("column, crossed") << 3 << 1 << Pezzi{1, 0, 2} << false;
        QTest::newRow("not a rearrangement") << 2 << 2 << Pezzi{0, 0, 1, 3} << false;
        QTest::newRow("wrong size") << 2 << 2 << Pezzi{0, 1, 2} << false;
    }
    void risolvibiliInUnaFila()
    {
        QFETCH(int, righe);
        QFETCH(int, colonne);
        QFETCH(Pezzi, pezzi);
        QFETCH(bool, risolvibile);
        QCOMPARE(Puzzle::risolvibile(righe, colonne, pezzi), risolvibile);
    }

    void pezziUgualiSiScambianoSenzaDanno()
    {
        // A white background: pieces 0, 1 and 2 look the same.
        Puzzle p(2, 2, true);
        p.impostaAspetto({0, 0, 0, 3});
        QVERIFY(p.disponi({1, 2, 0, 3}));
        QVERIFY(p.risolto());
        QVERIFY(p.disponi({3, 1, 2, 0}));
        QVERIFY(!p.risolto());
        QVERIFY(p.scambia(0, 3));
        QVERIFY(p.risolto());
        // A wrong-sized description changes nothing.
        p.impostaAspetto({0, 0});
        QVERIFY(p.risolto());

        for (unsigned seme = 1; seme <= 100; ++seme) {
            Casuale casuale(seme);
            Puzzle q(2, 2, true);
            q.impostaAspetto({0, 0, 0, 3});
            q.mischia(casuale);
            QVERIFY(!q.risolto());
            QVERIFY(q.pezzo(3) != 3);
        }
    }

    void tuttiUgualiNonBloccanoLaMischia()
    {
        Casuale casuale(11);
        Puzzle scambio(3, 3, true);
        scambio.impostaAspetto(Pezzi(9, 7));
        scambio.mischia(casuale); // nothing can look out of place: it must still return
        QVERIFY(scambio.risolto());

        // When sliding, the gap always tells: the shuffle moves it away.
        for (unsigned seme = 1; seme <= 50; ++seme) {
            Casuale c(seme);
            Puzzle p(2, 2, false);
            p.impostaAspetto(Pezzi(4, 0));
            p.mischia(c);
            QVERIFY(!p.risolto());
            QVERIFY(p.vuota() != 3);
        }
        Puzzle p(2, 2, false);
        p.impostaAspetto(Pezzi(4, 0));
        QVERIFY(p.disponi({0, 3, 2, 1}));
        QVERIFY(!p.risolto());
        QVERIFY(p.scorri(3));
        QVERIFY(p.risolto());
    }

    void laRegolaCoincideConIlGiroDelVuoto()
    {
        // On 3 x 2 every one of the 720 arrangements: exactly the reachable half is solvable.
        const QSet<QByteArray> tutte = raggiungibili(3, 2);
        QCOMPARE(tutte.size(), 360);
        Pezzi p{0, 1, 2, 3, 4, 5};
        int risolvibili = 0;
        do {
            const bool atteso = tutte.contains(chiave(p));
            QCOMPARE(Puzzle::risolvibile(3, 2, p), atteso);
            risolvibili += atteso;
        } while (std::next_permutation(p.begin(), p.end()));
        QCOMPARE(risolvibili, 360);
    }
};

QTEST_GUILESS_MAIN(TestPuzzle)
#include "tst_puzzle.moc"
