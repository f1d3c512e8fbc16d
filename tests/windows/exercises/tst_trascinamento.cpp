#include "tests/support/provefinestre.h"
#include "windows/exercises/nometrascinabile.h"

#include <QSignalSpy>
#include <QTest>

// Names dragged into boxes by the window's own hand: pressed, carried and let
// go with a mouse or a finger, outside any exercise.
class TestTrascinamento : public QObject
{
    Q_OBJECT

    struct Banco
    {
        QWidget finestra;
        NomeTrascinabile *nomi[2];
        QLabel *riquadri[2];
        QLabel errati{QStringLiteral("Errati"), &finestra};
        TrascinamentoNomi *trascinamento;

        Banco()
        {
            finestra.resize(600, 400);
            for (int i = 0; i < 2; ++i) {
                nomi[i] = new NomeTrascinabile(&finestra);
                nomi[i]->setProperty("Index", i);
                nomi[i]->setText(QStringLiteral("CASA"));
                nomi[i]->setGeometry(20 + i * 300, 250, 200, 60);
                riquadri[i] = new QLabel(&finestra);
                riquadri[i]->setProperty("Index", i);
                riquadri[i]->setGeometry(20 + i * 300, 100, 200, 60);
            }
            errati.setProperty("Index", 2);
            errati.setGeometry(250, 340, 100, 40);
            trascinamento = new TrascinamentoNomi(&finestra, {nomi[0], nomi[1]}, {riquadri[0], riquadri[1]}, &errati);
            finestra.show();
        }
        // Where `w`'s centre is, seen from the name (the press gives the name every move).
        QPoint centroDi(QWidget *w, int nome) const
        {
            return nomi[nome]->mapFrom(&finestra, w->geometry().center());
        }
    };

private slots:
    void trascinaConIlMouse_data()
    {
        QTest::addColumn<int>("nome");
        QTest::addColumn<QString>("verso"); // the box "0"/"1", "errati", "nome" (the other name), "fuori"
        QTest::addColumn<int>("bersaglio");  // the target reported, -1 none
        QTest::newRow("own box") << 0 << "0" << 0;
        QTest::newRow("other box") << 1 << "0" << 0;
        QTest::newRow("Errati caption") << 0 << "errati" << 2;
        QTest::newRow("the other name") << 0 << "nome" << -1;
        QTest::newRow("the background") << 1 << "fuori" << -1;
    }
    void trascinaConIlMouse()
    {
        QFETCH(int, nome);
        QFETCH(QString, verso);
        QFETCH(int, bersaglio);
        Banco b;
        QVERIFY(QTest::qWaitForWindowExposed(&b.finestra));
        QSignalSpy rilasci(b.trascinamento, &TrascinamentoNomi::rilasciato);
        QWidget *dove = verso == QLatin1String("errati") ? static_cast<QWidget *>(&b.errati)
                        : verso == QLatin1String("nome") ? b.nomi[1 - nome]
                        : verso == QLatin1String("fuori") ? nullptr
                                                           : b.riquadri[verso.toInt()];
        const QPoint arrivo = dove ? b.centroDi(dove, nome) : b.nomi[nome]->mapFrom(&b.finestra, QPoint(590, 20));
        QCOMPARE(b.nomi[nome]->cursor().shape(), Qt::OpenHandCursor);
        QTest::mousePress(b.nomi[nome], Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(b.trascinamento->inCorso() && b.trascinamento->immagine()->isVisible());
        QTest::mouseMove(b.nomi[nome], (QPoint(10, 10) + arrivo) / 2);
        QTest::mouseMove(b.nomi[nome], arrivo);
        // The box under the name lights up; the caption and the rest do not.
        QCOMPARE(b.trascinamento->illuminato(), bersaglio >= 0 && bersaglio < 2 ? b.riquadri[bersaglio] : nullptr);
        QTest::mouseRelease(b.nomi[nome], Qt::LeftButton, {}, arrivo);
        QCOMPARE(rilasci.size(), bersaglio >= 0 ? 1 : 0);
        if (bersaglio >= 0)
            QCOMPARE(rilasci.at(0), (QList<QVariant>{bersaglio, nome}));
        QVERIFY(!b.trascinamento->inCorso() && !b.trascinamento->immagine()->isVisible());
        QVERIFY(!b.trascinamento->illuminato());
        // The name never moves from its slot.
        QCOMPARE(b.nomi[nome]->geometry(), QRect(20 + nome * 300, 250, 200, 60));
    }

    // Nothing to carry: the right button, an emptied slot, a disabled name.
    void nienteDaTrascinare()
    {
        Banco b;
        QSignalSpy rilasci(b.trascinamento, &TrascinamentoNomi::rilasciato);
        QTest::mousePress(b.nomi[0], Qt::RightButton);
        QVERIFY(!b.trascinamento->inCorso());
        QTest::mouseRelease(b.nomi[0], Qt::RightButton, {}, b.centroDi(b.riquadri[0], 0));
        b.nomi[1]->svuota();
        QVERIFY(!b.nomi[1]->isEnabled() && b.nomi[1]->text().isEmpty());
        QTest::mousePress(b.nomi[1], Qt::LeftButton);
        QTest::mouseRelease(b.nomi[1], Qt::LeftButton, {}, b.centroDi(b.riquadri[1], 1));
        QVERIFY(!b.trascinamento->inCorso());
        // A message box over the window takes the release away: the drag ends, the hand opens.
        QTest::mousePress(b.nomi[0], Qt::LeftButton);
        QCOMPARE(b.nomi[0]->cursor().shape(), Qt::ClosedHandCursor);
        QEvent bloccata(QEvent::WindowBlocked);
        QCoreApplication::sendEvent(&b.finestra, &bloccata);
        QVERIFY(!b.trascinamento->inCorso() && !b.trascinamento->immagine()->isVisible());
        QCOMPARE(b.nomi[0]->cursor().shape(), Qt::OpenHandCursor);
        QCOMPARE(rilasci.size(), 0);
    }

    // The window resized while a name is carried (the scaling resizes the
    // name): its picture takes the new size, still held at the same place.
    void ridimensionataDuranteIlTrascinamento()
    {
        Banco b;
        QVERIFY(QTest::qWaitForWindowExposed(&b.finestra));
        auto *immagine = qobject_cast<QLabel *>(b.trascinamento->immagine());
        QVERIFY(immagine);
        QTest::mousePress(b.nomi[0], Qt::LeftButton, {}, QPoint(50, 30));
        QTest::mouseMove(b.nomi[0], QPoint(60, -50));
        QCOMPARE(immagine->geometry(), QRect(30, 170, 200, 60));
        // The scaling sets the place, then the type size.
        b.nomi[0]->setGeometry(30, 375, 300, 90);
        QFont f = b.nomi[0]->font();
        f.setPixelSize(40);
        b.nomi[0]->setFont(f);
        QCOMPARE(immagine->size(), QSize(300, 90));
        QCOMPARE(immagine->pixmap().deviceIndependentSize().toSize(), QSize(300, 90));
        // Taken at a quarter of its width and half its height, so it stays there under the pointer.
        QCOMPARE(immagine->geometry(), QRect(80 - 75, 200 - 45, 300, 90));
        // The name as it is now, inside the orange edge.
        const QRect dentro(8, 8, 284, 74);
        QCOMPARE(immagine->pixmap().toImage().copy(dentro).convertToFormat(QImage::Format_RGB32),
                 b.nomi[0]->grab().toImage().copy(dentro).convertToFormat(QImage::Format_RGB32));
    }

    // A finger on a touch screen: the same press, move and release, through the platform.
    void conUnDito()
    {
        Banco b;
        QVERIFY(QTest::qWaitForWindowExposed(&b.finestra));
        QPointingDevice *dito = QTest::createTouchDevice();
        QSignalSpy rilasci(b.trascinamento, &TrascinamentoNomi::rilasciato);
        const QPoint da = b.nomi[0]->geometry().center();
        const QPoint a = b.riquadri[1]->geometry().center() + QPoint(30, 5);
        QTest::touchEvent(&b.finestra, dito).press(0, da, &b.finestra);
        for (int i = 1; i <= 5; ++i)
            QTest::touchEvent(&b.finestra, dito).move(0, da + (a - da) * i / 5, &b.finestra);
        QTRY_COMPARE(b.trascinamento->illuminato(), b.riquadri[1]);
        QTest::touchEvent(&b.finestra, dito).release(0, a, &b.finestra);
        QTRY_COMPARE(rilasci.size(), 1);
        QCOMPARE(rilasci.at(0), (QList<QVariant>{1, 0}));
    }
};

QTEST_MAIN(TestTrascinamento)
#include "tst_trascinamento.moc"
