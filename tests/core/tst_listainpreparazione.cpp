#include "core/listainpreparazione.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using Lato = ListaInPreparazione::Lato;
using Mosse = QList<QPair<int, int>>; // (side, row); side 0: available, 1: chosen

// The list maker's words, without a window: moves between the two sides and
// the name a list is saved under (the file written: tst_opzioni).
class TestListaInPreparazione : public QObject
{
    Q_OBJECT

private slots:
    // A move is (side, row); each row of the table gives the two sides after
    // the moves, and what each move returned.
    void spostamenti_data()
    {
        QTest::addColumn<QStringList>("disponibili");
        QTest::addColumn<Mosse>("mosse");
        QTest::addColumn<QList<int>>("arrivi");
        QTest::addColumn<QStringList>("restano");
        QTest::addColumn<QStringList>("scelte");
        using M = Mosse;
        const QStringList quattro{"ZEBRA", "casa", "ALBERO", "MELA"};
        QTest::newRow("sorted on start, each once") << QStringList{"ZEBRA", "ORSO10", "ORSO2", "ZEBRA", "", "ÀNCORA", "ANCORA"}
                                                    << M{} << QList<int>{}
                                                    << QStringList{"ANCORA", "ÀNCORA", "ORSO2", "ORSO10", "ZEBRA"}
                                                    << QStringList{};
        QTest::newRow("each to its sorted place") << quattro << M{{0, 3}, {0, 0}, {0, 1}}
                                                  << QList<int>{0, 0, 1} << QStringList{"casa"}
                                                  << QStringList{"ALBERO", "MELA", "ZEBRA"};
        QTest::newRow("there and back") << quattro << M{{0, 1}, {1, 0}} << QList<int>{0, 1}
                                        << QStringList{"ALBERO", "casa", "MELA", "ZEBRA"} << QStringList{};
        QTest::newRow("rows that hold no word") << quattro << M{{0, -1}, {0, 4}, {1, 0}, {0, 2}, {1, 1}}
                                                << QList<int>{-1, -1, -1, 0, -1}
                                                << QStringList{"ALBERO", "casa", "ZEBRA"} << QStringList{"MELA"};
        QTest::newRow("no pictures") << QStringList{} << M{{0, 0}} << QList<int>{-1} << QStringList{} << QStringList{};
    }
    void spostamenti()
    {
        QFETCH(QStringList, disponibili);
        QFETCH(Mosse, mosse);
        QFETCH(QList<int>, arrivi);
        ListaInPreparazione m;
        // The views follow the rows removed and inserted: the models stay consistent.
        QAbstractItemModelTester a(m.elenco(Lato::Disponibili), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester b(m.elenco(Lato::Scelte), QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.sposta(Lato::Disponibili, 0); // before any start: nothing there
        m.ricomincia(disponibili);
        QList<int> fatti;
        for (const auto &[lato, riga] : mosse)
            fatti.append(m.sposta(lato == 0 ? Lato::Disponibili : Lato::Scelte, riga));
        QCOMPARE(fatti, arrivi);
        QTEST(m.parole(Lato::Disponibili), "restano");
        QTEST(m.parole(Lato::Scelte), "scelte");
        QCOMPARE(m.elenco(Lato::Scelte)->rowCount(), m.parole(Lato::Scelte).size());
        // Starting over takes every word back.
        m.ricomincia(disponibili);
        QVERIFY(m.parole(Lato::Scelte).isEmpty());
    }

    void fileDaSalvare_data()
    {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<QString>("file");
        QTest::newRow("no extension") << "/l/nuova" << "/l/nuova.txt";
        QTest::newRow("TXT kept") << "/l/nuova.TXT" << "/l/nuova.TXT";
        QTest::newRow("blanks only") << "/l/   .txt" << "";
        QTest::newRow("hidden name") << "/l/.nuova" << "";
    }
    void fileDaSalvare()
    {
        QFETCH(QString, scelto);
        QTEST(ListaInPreparazione::fileDaSalvare(scelto), "file");
    }
};

QTEST_GUILESS_MAIN(TestListaInPreparazione)
#include "tst_listainpreparazione.moc"
