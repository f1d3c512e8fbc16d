#include "windows/scaling/clsresize.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

// A window with a menu bar and a few named controls inside its client area.
struct FinestraProva
{
    FinestraProva()
    {
        finestra.menuBar()->addMenu(QStringLiteral("Esci"));
        area = new QWidget;
        finestra.setCentralWidget(area);
        a = nuovo(QStringLiteral("a"), QRect(10, 20, 30, 40));
        b = nuovo(QStringLiteral("b"), QRect(100, 50, 60, 20));
        fisso = nuovo(QStringLiteral("fisso"), QRect(40, 40, 25, 15));
        fisso->setProperty("Tag", QStringLiteral("@lt"));
        parola = nuovo(QStringLiteral("parola"), QRect(5, 5, 10, 10));
        parola->setProperty("Tag", QStringLiteral("una parola"));
        lista = new QListWidget(area);
        lista->setObjectName(QStringLiteral("lista"));
        lista->setGeometry(0, 100, 80, 60);
        finestra.show();
        finestra.resize(400, 300 + finestra.menuBar()->sizeHint().height());
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    }
    QLabel *nuovo(const QString &nome, const QRect &g)
    {
        auto *l = new QLabel(nome, area);
        l->setObjectName(nome);
        l->setGeometry(g);
        return l;
    }
    // Makes the client area exactly w x h.
    void area_(int w, int h)
    {
        finestra.resize(finestra.width() + (w - area->width()), finestra.height() + (h - area->height()));
        QTRY_COMPARE(area->size(), QSize(w, h));
    }

    QMainWindow finestra;
    QWidget *area;
    QLabel *a, *b, *fisso, *parola;
    QListWidget *lista;
};

class TestClsResize : public QObject
{
    Q_OBJECT
private slots:
    // What counts as a control; the first call records and moves nothing;
    // ReInitialise takes the present geometry; a minimised window is left alone.
    void registrazione()
    {
        FinestraProva f;
        QStringList nomi;
        for (QWidget *w : clsResize::controlli(&f.finestra))
            nomi.append(w->objectName());
        // Qt's inner widgets of the list (viewport, scroll bars) are not controls.
        QCOMPARE(nomi, (QStringList{"a", "b", "fisso", "parola", "lista"}));
        f.area_(400, 300);
        clsResize r;
        r.setSourceForm(&f.finestra);
        QCOMPARE(r.SourceForm(), &f.finestra);
        QVERIFY(!r.registrato());
        f.area_(800, 600);
        r.ResizeControls();
        QVERIFY(r.registrato());
        QCOMPARE(r.dimensioneProgetto(), QSize(800, 600));
        QCOMPARE(f.a->geometry(), QRect(10, 20, 30, 40));
        f.a->setGeometry(0, 0, 10, 10);
        r.ReInitialise();
        f.area_(1600, 1200);
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), QRect(0, 0, 20, 20));
        f.area_(800, 600);
        f.finestra.setWindowState(Qt::WindowMinimized);
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), QRect(0, 0, 20, 20));
    }

    void doppiaDimensioneEAndataERitorno()
    {
        FinestraProva f;
        f.area_(400, 300);
        clsResize r;
        r.setSourceForm(&f.finestra);
        r.ResizeControls(); // records
        f.area_(800, 600);
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), QRect(20, 40, 60, 80));
        QCOMPARE(f.b->geometry(), QRect(200, 100, 120, 40));
        QCOMPARE(f.lista->geometry(), QRect(0, 200, 160, 120));
        // A tag that is not "@..." scales all four dimensions.
        QCOMPARE(f.parola->geometry(), QRect(10, 10, 20, 20));
        // "@LT" (either case) moves without resizing.
        QCOMPARE(f.fisso->geometry(), QRect(80, 80, 25, 15));

        // Back and forth ends exactly where the same size put them: no drift.
        for (const QSize s : {QSize(537, 311), QSize(1031, 777), QSize(333, 222)}) {
            f.area_(s.width(), s.height());
            r.ResizeControls();
        }
        f.area_(800, 600);
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), QRect(20, 40, 60, 80));
        QCOMPARE(f.b->geometry(), QRect(200, 100, 120, 40));
        f.area_(400, 300);
        r.ResizeControls();
        QCOMPARE(f.a->geometry(), QRect(10, 20, 30, 40));
        QCOMPARE(f.fisso->geometry(), QRect(40, 40, 25, 15));
        QVERIFY(f.finestra.updatesEnabled());
    }

    void dimensioneSulloSchermo()
    {
        FinestraProva f;
        clsResize r;
        r.setSourceForm(&f.finestra);
        r.SizeFormToScreen(75);
        const QRect s = f.finestra.screen()->geometry();
        const int w = static_cast<int>(0.75 * s.width());
        const int h = static_cast<int>(0.75 * s.height());
        QTRY_COMPARE(f.finestra.size(), QSize(w, h));
        QCOMPARE(f.finestra.geometry().topLeft(), QPoint((s.width() - w) / 2, (s.height() - h) / 2));
        QVERIFY(r.registrato());
    }

    void senzaFinestraNienteCrash()
    {
        clsResize r;
        r.ResizeControls();
        r.SizeFormToScreen(75);
        r.ReInitialise();
        QVERIFY(!r.registrato());
        QMainWindow vuota;
        vuota.setCentralWidget(new QWidget);
        r.setSourceForm(&vuota);
        r.ResizeControls(); // no controls: nothing recorded
        QVERIFY(!r.registrato());
    }
};

QTEST_MAIN(TestClsResize)
#include "tst_clsresize.moc"
