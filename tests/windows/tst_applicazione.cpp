#include "windows/applicazione.h"
#include "windows/dialoghiqt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>

// What the program sets up before its first window: the faces the windows ask
// for resolved to one the machine has (so the font lookup never goes through
// fontconfig's fallbacks), and the real message boxes, with Italian buttons,
// Yes by default and Escape answering No.
class TestApplicazione : public QObject
{
    Q_OBJECT

    std::unique_ptr<Applicazione> applicazione;
    QStringList pulsanti;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QString titolo;

    // Once the box is up, reads it and presses `tasto`.
    void rispondiCon(Qt::Key tasto)
    {
        QTimer::singleShot(0, this, [this, tasto] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                rispondiCon(tasto);
                return;
            }
            pulsanti.clear();
            for (QAbstractButton *b : box->buttons())
                pulsanti.append(b->text().remove(QLatin1Char('&')));
            icona = box->icon();
            titolo = box->windowTitle();
            QTest::keyClick(box, tasto);
        });
    }

private slots:
    void initTestCase() { applicazione = std::make_unique<Applicazione>(*qApp); }

    void famiglie_data()
    {
        QTest::addColumn<QString>("chiesta");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("Comic Sans MS") << "Comic Sans MS" << "Comic Neue";
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
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
    void siNo()
    {
        DialoghiQt d;
        rispondiCon(Qt::Key_Return);
        QCOMPARE(d.messaggio(Dialoghi::Icona::Domanda, QStringLiteral("Lettoria 2"), QStringLiteral("Vuoi uscire dal programma?"),
                             Dialoghi::Pulsanti::SiNo),
                 Dialoghi::Risposta::Si);
        pulsanti.sort();
        QCOMPARE(pulsanti, (QStringList{QStringLiteral("No"), QString::fromUtf8("Sì")}));
        QCOMPARE(icona, QMessageBox::Question);
        QCOMPARE(titolo, QStringLiteral("Lettoria 2"));

        rispondiCon(Qt::Key_Escape);
        QCOMPARE(d.messaggio(Dialoghi::Icona::Domanda, QStringLiteral("Lettoria 2"), QStringLiteral("?"), Dialoghi::Pulsanti::SiNo),
                 Dialoghi::Risposta::No);
    }

};

QTEST_MAIN(TestApplicazione)
#include "tst_applicazione.moc"
