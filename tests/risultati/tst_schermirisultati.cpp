#include "risultati/finestra/domandaadulto.h"
#include "risultati/finestra/finestrarisultati.h"
#include "tests/risultati/archiviofinto.h"
#include "tests/support/provecomuni.h"

#include <QChartView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

namespace {

// How much larger than at 1920 x 1080 a control for a finger must be here.
double fattore()
{
    return QGuiApplication::primaryScreen()->geometry().height() / 1080.0;
}

bool inScorrimento(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QScrollArea *>(p))
            return true;
    return false;
}

// What a teacher sees of the page on screen: nothing cut off by the window's
// edge, buttons a finger takes with their words whole, text read from afar.
void controllaPagina(QWidget *finestra)
{
    const QRect schermo = finestra->rect();
    for (QPushButton *b : finestra->findChildren<QPushButton *>()) {
        if (!b->isVisibleTo(finestra))
            continue;
        const QRect r(b->mapTo(finestra, QPoint(0, 0)), b->size());
        QVERIFY2(schermo.contains(r), qPrintable(b->text()));
        QVERIFY2(b->height() >= static_cast<int>(48 * fattore()), qPrintable(QStringLiteral("%1: %2").arg(b->text()).arg(b->height())));
        QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
    }
    for (QLabel *l : finestra->findChildren<QLabel *>()) {
        if (!l->isVisibleTo(finestra) || inScorrimento(l))
            continue;
        const QRect r(l->mapTo(finestra, QPoint(0, 0)), l->size());
        QVERIFY2(schermo.contains(r), qPrintable(l->objectName()));
        if (!l->text().isEmpty()) {
            QVERIFY2(QFontInfo(l->font()).pixelSize() >= static_cast<int>(22 * fattore()), qPrintable(l->objectName()));
            const int serve = l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height();
            QVERIFY2(serve <= l->height(), qPrintable(l->objectName()));
            if (!l->wordWrap())
                QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(l->objectName()));
        }
    }
}

} // namespace

// Measured at the screen size this run was given (1024 x 768, 1366 x 768 and
// 1920 x 1080), on the window opened full screen as the module's entry point
// opens it.
class TestSchermiRisultati : public QObject
{
    Q_OBJECT

    ArchivioFinto archivio{24};
    FakeDialoghi dialoghi;

private slots:
    void classeEBambino()
    {
        archivio.testoAvviso = QStringLiteral("I risultati vengono da una versione più nuova di Lettoria 2: si possono solo leggere.");
        archivio.giorni = 30;
        // The school's section at its longest: a server, answers waiting, a failed try.
        archivio.indirizzoServer = QStringLiteral("postgresql://lettoria@server-della-scuola.example/lettoria?sslmode=require");
        archivio.attesa = 1234;
        const auto prova = [](const QString &) {
            return FinestraRisultati::EsitoProvaScuola{QStringLiteral("Il server della scuola non risponde: controlla che sia "
                                                                      "acceso e che il nome server-della-scuola.example sia giusto."), {}};
        };
        FinestraRisultati *f = FinestraRisultati::apri(archivio, archivio.bambini, dialoghi, {QString(), prova, {}}, nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCOMPARE(f->geometry(), QGuiApplication::primaryScreen()->geometry());
        QTest::mouseClick(f->Prova, Qt::LeftButton);
        QTest::qWait(0);

        QVERIFY(f->Avviso->isVisible() && f->Esito->isVisible());
        QCOMPARE(f->Avviso->text(), archivio.testoAvviso);
        QVERIFY(f->Indirizzo->height() >= static_cast<int>(48 * fattore()));
        controllaPagina(f);
        // Cells a finger takes, and the groups' names whole in their turned header.
        QTableWidget *t = f->Quadro;
        QVERIFY(t->columnWidth(0) >= static_cast<int>(40 * fattore()));
        QVERIFY(t->rowHeight(0) >= static_cast<int>(40 * fattore()));
        const QFontMetrics fm(t->horizontalHeader()->font());
        for (int c = 0; c < t->columnCount(); ++c)
            QVERIFY2(fm.horizontalAdvance(t->horizontalHeaderItem(c)->text()) < t->horizontalHeader()->height(),
                     qPrintable(t->horizontalHeaderItem(c)->text()));
        QVERIFY2(t->height() >= t->horizontalHeader()->height() + 4 * t->rowHeight(0), qPrintable(QString::number(t->height())));

        f->mostraBambino(archivio.bambini.at(7));
        QTest::qWait(0);
        controllaPagina(f);
        for (QChartView *v : {f->Settimane, f->Giorni})
            QVERIFY2(v->height() >= static_cast<int>(220 * fattore()), qPrintable(QString::number(v->height())));
        f->close();
    }

    // The adult's question fits the screen, its keys as large as a fingertip.
    void domandaAdulto()
    {
        DomandaAdulto d([](int) { return 1; });
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(d.height() <= schermo.height() && d.width() <= schermo.width());
        for (QPushButton *b : d.findChildren<QPushButton *>())
            QVERIFY2(b->height() >= static_cast<int>(48 * fattore()), qPrintable(b->objectName()));
        QVERIFY(QFontInfo(d.Domanda->font()).pixelSize() >= static_cast<int>(36 * fattore()));
    }
};

QTEST_MAIN(TestSchermiRisultati)
#include "tst_schermirisultati.moc"
