#include "suoni/sintesi.h"

#include "core/paroleliste.h"

#include <QLocale>
#include <QTest>

#include <cstdlib>

// The synthetic voice is Italian, and says every shipped word audibly.
class TestSintesi : public QObject
{
    Q_OBJECT
    SintesiItaliana sintesi_;

private slots:
    void initTestCase() { QVERIFY(sintesi_.pronta()); }

    // An English voice reads these letters otherwise ("nˈəʊməʊ", "skˈɪmiə",
    // "tʃˈaɪəv", "ɐɡlˈiːəʊ").
    void fonemi_data()
    {
        QTest::addColumn<QString>("parola");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<QString>("nonSuono");
        QTest::newRow("GN") << "gnomo" << "ɲ" << "n";
        QTest::newRow("SC before I") << "scimmia" << "ʃ" << "sk";
        QTest::newRow("CH") << "chiave" << "kj" << "tʃ";
        QTest::newRow("GLI") << "aglio" << "ʎ" << "ɡl";
    }
    void fonemi()
    {
        QFETCH(QString, parola);
        QFETCH(QString, suono);
        QFETCH(QString, nonSuono);
        const QString ipa = sintesi_.fonemi(parola);
        QVERIFY2(ipa.contains(suono) && !ipa.contains(nonSuono), qPrintable(ipa));
    }

    // From the first to the last sample louder than 1% of full scale.
    void paroleSpedite_data()
    {
        QTest::addColumn<QString>("parola");
        const LetturaLista lista = LeggiListaParole(QStringLiteral(LETTORIA_LISTA_TUTTE));
        QVERIFY(lista.aperta && !lista.parole.isEmpty());
        const QLocale italiano(QLocale::Italian);
        for (const QString &p : lista.parole)
            QTest::newRow(qPrintable(p)) << italiano.toLower(p.trimmed());
    }
    void paroleSpedite()
    {
        QFETCH(QString, parola);
        qint64 n = 0, primo = -1, ultimo = -1;
        const bool fatta = sintesi_.sintetizza(parola, [&](const qint16 *c, int quanti) {
            for (int i = 0; i < quanti; ++i, ++n) {
                if (std::abs(c[i]) > 328) {
                    if (primo < 0)
                        primo = n;
                    ultimo = n;
                }
            }
            return true;
        });
        QVERIFY(fatta);
        const double secondi = double(ultimo - primo) / sintesi_.frequenza();
        QVERIFY2(primo >= 0 && secondi >= 0.3 && secondi <= 2.5, qPrintable(QString::number(secondi)));
    }

    // A new word stops the one being made at its next piece.
    void fermata()
    {
        int pezzi = 0;
        QVERIFY(!sintesi_.sintetizza(QStringLiteral("orsacchiotto"), [&](const qint16 *, int) { return ++pezzi < 2; }));
        QCOMPARE(pezzi, 2);
        QVERIFY(sintesi_.sintetizza(QStringLiteral("ape"), [](const qint16 *, int) { return true; }));
    }
};

QTEST_GUILESS_MAIN(TestSintesi)
#include "tst_sintesi.moc"
