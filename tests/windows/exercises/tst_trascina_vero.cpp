#include "tests/windows/exercises/tst_trascina_aiuti.h"
#include "windows/exercises/form7.h"

#include <QSignalSpy>

using namespace prove;

// The offscreen platform ends every drag the moment it starts; the minimal
// one runs it as a desktop does, still without a screen.
static const bool piattaformaMinima = qputenv("QT_QPA_PLATFORM", "minimal");

// Names dragged by the pointer in the two-name window, press to release.
class TestTrascinaVero : public QObject
{
    Q_OBJECT

    static Form7 *apri(ProgrammaProva &p)
    {
        const QStringList lista{QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO")};
        p.parole(lista);
        p.cartella.creaImmagini(lista);
        return p.apri<Form7>(IdFinestra::Form7);
    }

private slots:
    void rilasciGiusti()
    {
        ProgrammaProva p;
        Form7 *f = apri(p);
        QVERIFY(f);
        const QString primo = nome(f, 0)->text();
        QSignalSpy fine(nome(f, 0), &NomeTrascinabile::trascinamentoFinito);
        trascinaVero(nome(f, 0), riquadro(f, 0));
        QTRY_COMPARE(fine.size(), 1);
        QCOMPARE(fine.at(0).at(1).value<Qt::DropAction>(), Qt::MoveAction);
        QCOMPARE(riquadro(f, 0)->text(), primo);
        QCOMPARE(nome(f, 0)->text(), QString());
        QCOMPARE(f->CoppieFatte(), qint16(1));
        // The last name by a drop event: on this platform the drag picture
        // of an earlier drag stays above the window it was dragged over.
        QVERIFY(rilascia(f, 1, 1));
        QCOMPARE(f->CoppieFatte(), qint16(2));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 1"));
    }

    void rilasciAltroveEsuErrati_data()
    {
        QTest::addColumn<QString>("bersaglio");
        QTest::addColumn<bool>("sbagliato");
        QTest::newRow("picture") << QStringLiteral("Image1_1") << false;
        QTest::newRow("own picture") << QStringLiteral("Image1_0") << false;
        QTest::newRow("other name") << QStringLiteral("Label1_1") << false;
        QTest::newRow("Esatti caption") << QStringLiteral("Label3") << false;
        QTest::newRow("avanti") << QStringLiteral("Command1") << false;
        QTest::newRow("other box") << QStringLiteral("Label2_1") << true;
        QTest::newRow("Errati caption") << QStringLiteral("Label2_2") << true;
    }
    void rilasciAltroveEsuErrati()
    {
        QFETCH(QString, bersaglio);
        QFETCH(bool, sbagliato);
        ProgrammaProva p;
        Form7 *f = apri(p);
        QWidget *dove = f->findChild<QWidget *>(bersaglio);
        QVERIFY(dove);
        const QRect posto = nome(f, 0)->geometry();
        QSignalSpy fine(nome(f, 0), &NomeTrascinabile::trascinamentoFinito);
        trascinaVero(nome(f, 0), dove);
        QTRY_COMPARE(fine.size(), 1);
        QCOMPARE(fine.at(0).at(1).value<Qt::DropAction>(), sbagliato ? Qt::MoveAction : Qt::IgnoreAction);
        QCOMPARE(testo(f, "EtichettaErrati"), sbagliato ? QStringLiteral(" 1") : QStringLiteral(" 0"));
        QCOMPARE(visibile(f, "ComandoIconaNo"), sbagliato);
        QCOMPARE(p.suoni.nomi(), sbagliato ? QStringList{QStringLiteral("no.wav")} : QStringList{});
        QCOMPARE(nome(f, 0)->geometry(), posto);
        QVERIFY(!nome(f, 0)->text().isEmpty());
        QCOMPARE(f->CoppieFatte(), qint16(0));
    }

    void sfondo()
    {
        ProgrammaProva p;
        Form7 *f = apri(p);
        QSignalSpy fine(nome(f, 1), &NomeTrascinabile::trascinamentoFinito);
        // An empty spot of the window, between the two pictures.
        QWidget *punto = new QWidget(f->centralWidget());
        const QRect a = immagine(f, 0)->geometry(), b = immagine(f, 1)->geometry();
        punto->setGeometry(a.right() + 10, a.top() + 10, 4, 4);
        QVERIFY(punto->geometry().right() < b.left());
        punto->setAttribute(Qt::WA_TransparentForMouseEvents);
        trascinaVero(nome(f, 1), punto);
        QTRY_COMPARE(fine.size(), 1);
        QCOMPARE(fine.at(0).at(1).value<Qt::DropAction>(), Qt::IgnoreAction);
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 0"));
        QVERIFY(p.suoni.suonati.isEmpty());
    }
};

QTEST_MAIN(TestTrascinaVero)
#include "tst_trascina_vero.moc"
