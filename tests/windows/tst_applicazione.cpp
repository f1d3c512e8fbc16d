#include "windows/applicazione.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

// The faces the windows ask for are resolved to one the machine has, so the
// font lookup never goes through fontconfig's fallbacks.
class TestApplicazione : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { PreparaApplicazione(*qApp); }

    void famiglie_data()
    {
        QTest::addColumn<QString>("chiesta");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("Comic Sans MS") << "Comic Sans MS" << "Comic Neue";
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
        QTest::newRow("present itself") << "Liberation Serif" << "Liberation Serif";
        QTest::newRow("other case") << "liberation sans" << "liberation sans";
        QTest::newRow("missing, no stand-in") << "Nessun Carattere" << "Nessun Carattere";
    }
    void famiglie()
    {
        QFETCH(QString, chiesta);
        QFETCH(QString, attesa);
        QCOMPARE(FamigliaDisponibile(chiesta), attesa);
        // What Qt then draws with is that very face.
        if (attesa != QLatin1String("Nessun Carattere"))
            QCOMPARE(QFontInfo(QFont(FamigliaDisponibile(chiesta))).family().toCaseFolded(), attesa.toCaseFolded());
    }

    // A face registered later is taken for itself from then on.
    void carattereAggiunto()
    {
        QFont::insertSubstitution(QStringLiteral("Indis1"), QStringLiteral("Liberation Serif"));
        QCOMPARE(FamigliaDisponibile(QStringLiteral("Indis1")), QStringLiteral("Liberation Serif"));
        const QString file = QFINDTESTDATA("../../data/indis1.ttf");
        QVERIFY(!file.isEmpty());
        QVERIFY(QFontDatabase::addApplicationFont(file) >= 0);
        QTRY_COMPARE(FamigliaDisponibile(QStringLiteral("Indis1")), QStringLiteral("Indis1"));
    }
};

QTEST_MAIN(TestApplicazione)
#include "tst_applicazione.moc"
