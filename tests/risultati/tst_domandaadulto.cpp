#include "risultati/finestra/domandaadulto.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <random>

namespace {

std::function<int(int)> generatore(unsigned seme)
{
    auto motore = std::make_shared<std::mt19937>(seme);
    return [motore](int n) { return static_cast<int>((*motore)() % static_cast<unsigned>(n)); };
}

// Types a number on the digit buttons.
void digita(DomandaAdulto &d, int numero)
{
    for (const QChar c : QString::number(numero))
        QTest::mouseClick(d.Cifre[static_cast<size_t>(c.digitValue())], Qt::LeftButton);
}

} // namespace

class TestDomandaAdulto : public QObject
{
    Q_OBJECT

private slots:
    void risposta_data()
    {
        QTest::addColumn<QString>("come");
        QTest::addColumn<int>("scarto"); // from the right product
        QTest::newRow("giusta sui pulsanti") << "pulsanti" << 0;
        QTest::newRow("giusta da tastiera e invio") << "tastiera" << 0;
        QTest::newRow("uno in più") << "pulsanti" << 1;
        QTest::newRow("niente") << "" << 0;
    }
    // Right passes; wrong is told, a new pair asked, the field emptied.
    void risposta()
    {
        QFETCH(QString, come);
        QFETCH(int, scarto);
        DomandaAdulto d(generatore(11));
        d.show();
        const int a = d.primo(), b = d.secondo();
        QCOMPARE(d.Domanda->text(), QStringLiteral("Quanto fa %1 × %2?").arg(a).arg(b));
        if (come == QStringLiteral("pulsanti")) {
            digita(d, a * b + scarto);
            QCOMPARE(d.Risposta->text(), QString::number(a * b + scarto));
            QTest::mouseClick(d.Conferma, Qt::LeftButton);
        } else if (come == QStringLiteral("tastiera")) {
            QTest::keyClicks(d.Risposta, QString::number(a * b + scarto));
            QTest::keyClick(d.Risposta, Qt::Key_Return);
        } else {
            QTest::mouseClick(d.Conferma, Qt::LeftButton);
        }
        const bool giusta = !come.isEmpty() && scarto == 0;
        QCOMPARE(d.result(), int(giusta ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(d.isVisible(), !giusta);
        QCOMPARE(d.Esito->isVisible(), !giusta);
        if (!giusta) {
            QCOMPARE(d.Esito->text(), QStringLiteral("Risposta sbagliata. Prova con questa:"));
            QVERIFY(d.primo() != a || d.secondo() != b);
            QCOMPARE(d.Risposta->text(), QString());
        }
    }

    void coppie_data()
    {
        QTest::addColumn<int>("fisso"); // -1: a seeded generator; else what it always gives
        QTest::newRow("casuale") << -1;
        QTest::newRow("sempre 0") << 0;
        QTest::newRow("sempre 3") << 3;
    }
    // Two numbers from 6 to 9, a different pair after every wrong answer,
    // even from a generator that always says the same.
    void coppie()
    {
        QFETCH(int, fisso);
        DomandaAdulto d(fisso < 0 ? generatore(7) : [fisso](int) { return fisso; });
        QSet<int> visti;
        for (int volta = 0; volta < 200; ++volta) {
            const int a = d.primo(), b = d.secondo();
            QVERIFY(a >= 6 && a <= 9 && b >= 6 && b <= 9);
            visti.insert(a * 10 + b);
            QTest::mouseClick(d.Conferma, Qt::LeftButton);
            QVERIFY(d.primo() != a || d.secondo() != b);
        }
        QCOMPARE(visti.size(), fisso < 0 ? 16 : 2);
    }

    void chiediAdulto_data()
    {
        QTest::addColumn<bool>("giusta");
        QTest::newRow("giusta") << true;
        QTest::newRow("annullata") << false;
    }
    void chiediAdulto()
    {
        QFETCH(bool, giusta);
        bool risposto = false;
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<DomandaAdulto *>(QApplication::activeModalWidget());
            QVERIFY(d);
            risposto = true;
            digita(*d, d->primo() * d->secondo());
            QTest::mouseClick(giusta ? d->Conferma : d->Annulla, Qt::LeftButton);
        });
        QCOMPARE(ChiediAdulto(nullptr, generatore(9)), giusta);
        QVERIFY(risposto);
    }
};

QTEST_MAIN(TestDomandaAdulto)
#include "tst_domandaadulto.moc"
