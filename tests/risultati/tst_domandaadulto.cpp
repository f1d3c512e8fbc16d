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
    void rispostaGiusta_data()
    {
        QTest::addColumn<bool>("tastiera");
        QTest::newRow("pulsanti") << false;
        QTest::newRow("tastiera e invio") << true;
    }
    void rispostaGiusta()
    {
        QFETCH(bool, tastiera);
        DomandaAdulto d(generatore(11));
        d.show();
        QCOMPARE(d.Domanda->text(), QStringLiteral("Quanto fa %1 × %2?").arg(d.primo()).arg(d.secondo()));
        if (tastiera) {
            QTest::keyClicks(d.Risposta, QString::number(d.primo() * d.secondo()));
            QTest::keyClick(d.Risposta, Qt::Key_Return);
        } else {
            digita(d, d.primo() * d.secondo());
            QCOMPARE(d.Risposta->text(), QString::number(d.primo() * d.secondo()));
            QTest::mouseClick(d.Conferma, Qt::LeftButton);
        }
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!d.isVisible());
    }

    void rispostaSbagliata_data()
    {
        QTest::addColumn<QString>("scritto");
        QTest::newRow("uno in più") << "+1";
        QTest::newRow("la somma") << "+";
        QTest::newRow("niente") << "";
        QTest::newRow("zero") << "0";
    }
    // Told in Italian, asked a new pair, the field emptied; the old answer
    // does not pass the new pair.
    void rispostaSbagliata()
    {
        QFETCH(QString, scritto);
        DomandaAdulto d(generatore(5));
        d.show();
        const int a = d.primo(), b = d.secondo();
        QString testo = scritto;
        if (scritto == QStringLiteral("+1"))
            testo = QString::number(a * b + 1);
        else if (scritto == QStringLiteral("+"))
            testo = QString::number(a + b);
        d.Risposta->setText(testo);
        QTest::mouseClick(d.Conferma, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(d.Esito->isVisible());
        QCOMPARE(d.Esito->text(), QStringLiteral("Risposta sbagliata. Prova con questa:"));
        QVERIFY(d.primo() != a || d.secondo() != b);
        QCOMPARE(d.Risposta->text(), QString());
        digita(d, a * b);
        QTest::mouseClick(d.Conferma, Qt::LeftButton);
        QCOMPARE(d.isVisible(), a * b != d.primo() * d.secondo());
    }

    void coppie_data()
    {
        QTest::addColumn<int>("fisso"); // -1: a seeded generator; else the value it always gives
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
        if (fisso < 0)
            QCOMPARE(visti.size(), 16);
    }

    // At most three digits; the arrow takes the last one back.
    void cifre()
    {
        DomandaAdulto d(generatore(2));
        for (int c : {4, 2, 7, 1})
            QTest::mouseClick(d.Cifre[static_cast<size_t>(c)], Qt::LeftButton);
        QCOMPARE(d.Risposta->text(), QStringLiteral("427"));
        QTest::mouseClick(d.Indietro, Qt::LeftButton);
        QCOMPARE(d.Risposta->text(), QStringLiteral("42"));
        d.Risposta->clear();
        QTest::keyClicks(d.Risposta, QStringLiteral("5a-6"));
        QCOMPARE(d.Risposta->text(), QStringLiteral("56"));
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
            if (giusta) {
                digita(*d, d->primo() * d->secondo());
                QTest::mouseClick(d->Conferma, Qt::LeftButton);
            } else {
                QTest::mouseClick(d->Annulla, Qt::LeftButton);
            }
        });
        QCOMPARE(ChiediAdulto(nullptr, generatore(9)), giusta);
        QVERIFY(risposto);
    }
};

QTEST_MAIN(TestDomandaAdulto)
#include "tst_domandaadulto.moc"
