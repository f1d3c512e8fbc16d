#include "windows/applicazione.h"
#include "windows/dialoghiqt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The real message boxes: Italian buttons, Yes by default, Escape answers No.
class TestDialoghiQt : public QObject
{
    Q_OBJECT

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
    void initTestCase() { PreparaApplicazione(*qApp); }

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

    void icone_data()
    {
        QTest::addColumn<int>("nostra");
        QTest::addColumn<int>("qt");
        QTest::newRow("critical") << int(Dialoghi::Icona::Critica) << int(QMessageBox::Critical);
        QTest::newRow("exclamation") << int(Dialoghi::Icona::Esclamazione) << int(QMessageBox::Warning);
        QTest::newRow("information") << int(Dialoghi::Icona::Informazione) << int(QMessageBox::Information);
        QTest::newRow("none") << int(Dialoghi::Icona::Nessuna) << int(QMessageBox::NoIcon);
    }
    void icone()
    {
        QFETCH(int, nostra);
        QFETCH(int, qt);
        DialoghiQt d;
        rispondiCon(Qt::Key_Return);
        QCOMPARE(d.messaggio(Dialoghi::Icona(nostra), QStringLiteral("Error"), QStringLiteral("x"), Dialoghi::Pulsanti::Ok),
                 Dialoghi::Risposta::Ok);
        QCOMPARE(int(icona), qt);
        QCOMPARE(pulsanti, QStringList{QStringLiteral("OK")});
        QCOMPARE(titolo, QStringLiteral("Error"));
    }
};

QTEST_MAIN(TestDialoghiQt)
#include "tst_dialoghiqt.moc"
