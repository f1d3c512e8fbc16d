#include "tests/support/provefinestre.h"
#include "windows/applicazione.h"
#include "windows/browse/formvedi.h"
#include "windows/dialoghiqt.h"
#include "windows/exercises/formunnomeimmagini.h"
#include "windows/browse/formvedi3.h"
#include "windows/browse/listaordinata.h"
#include "windows/lists/crealista.h"
#include "windows/lists/opzioni.h"
#include "windows/menu/formchigioca.h"
#include "windows/lists/sceltaliste.h"
#include "windows/puzzles/finestrapuzzle.h"
#include "windows/puzzles/giocopuzzle.h"
#include "windows/riquadroimmagine.h"

#include <QApplication>
#include <QGroupBox>
#include <QListView>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScroller>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

// How much larger than at 1920 x 1080 a control for a finger must be here.
double fattore()
{
    return QGuiApplication::primaryScreen()->geometry().height() / 1080.0;
}

// The width over the height of the red shape drawn in a widget.
double aspettoDisegnato(QWidget *w)
{
    const QImage img = w->grab().toImage();
    QRect rosso;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                rosso |= QRect(x, y, 1, 1);
        }
    return rosso.isEmpty() ? 0 : double(rosso.width()) / rosso.height();
}

// The arrow button at the end of a scroll bar, as its style places it.
QRect freccia(const QScrollBar *b)
{
    QStyleOptionSlider o;
    o.initFrom(b);
    o.subControls = QStyle::SC_All;
    o.orientation = b->orientation();
    o.minimum = b->minimum();
    o.maximum = b->maximum();
    o.sliderPosition = b->sliderPosition();
    o.sliderValue = b->value();
    o.singleStep = b->singleStep();
    o.pageStep = b->pageStep();
    return b->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarAddLine, b);
}

// A finger swiping up the list: pressed, moved in steps 16 ms apart, let go.
void scorri(QAbstractItemView *l, int di)
{
    QWidget *v = l->viewport();
    const QPoint da(v->width() / 2, v->height() - 4);
    const QPoint a = da - QPoint(0, di);
    quint64 t = 50000;
    const auto manda = [&](QEvent::Type tipo, QPoint punto, Qt::MouseButtons premuti) {
        QMouseEvent e(tipo, punto, v->mapToGlobal(punto), Qt::LeftButton, premuti, Qt::NoModifier);
        e.setTimestamp(t);
        t += 16;
        QApplication::sendEvent(v, &e);
    };
    manda(QEvent::MouseButtonPress, da, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i)
        manda(QEvent::MouseMove, da + (a - da) * i / 10, Qt::LeftButton);
    manda(QEvent::MouseButtonRelease, a, Qt::NoButton);
}

} // namespace

// Measured on the real windows at the screen size this run was given
// (1366 x 768 and 1920 x 1080): what a finger needs, and round pictures that
// stay round.
class TestSchermi : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgrammaProva> p;

    // A red disc on white: a picture whose proportions show at a glance.
    void disco(const QString &parola)
    {
        QImage img(400, 400, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter pittore(&img);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setPen(Qt::NoPen);
        pittore.setBrush(QColor(230, 20, 20));
        pittore.drawEllipse(QRect(40, 40, 320, 320));
        pittore.end();
        img.save(p->cartella.ambiente().cartellaImmagini() + QLatin1Char('/') + parola + QStringLiteral(".jpg"), "JPG", 95);
    }

private slots:
    void initTestCase() { QVERIFY(QGuiApplication::primaryScreen()->geometry().width() >= 1366); }
    void init()
    {
        p = std::make_unique<ProgrammaProva>(2);
        p->parole({QStringLiteral("PALLA"), QStringLiteral("SOLE")});
        disco(QStringLiteral("PALLA"));
        disco(QStringLiteral("SOLE"));
    }
    void cleanup() { p.reset(); }

    void barraDeiMenu()
    {
        Finestra *f = p->apri(IdFinestra::Form1);
        const int atteso = static_cast<int>(40 * fattore());
        for (QAction *a : f->menuBar()->actions())
            QVERIFY2(f->menuBar()->actionGeometry(a).height() >= atteso,
                     qPrintable(QStringLiteral("%1: %2 < %3").arg(a->text()).arg(f->menuBar()->actionGeometry(a).height()).arg(atteso)));
        // Black on light grey: well over the 4.5:1 that text needs.
        const QImage barra = f->menuBar()->grab().toImage();
        QCOMPARE(QColor(barra.pixel(barra.width() - 2, barra.height() / 2)), QColor(240, 240, 240));
    }

    void pulsantiDeiMessaggi()
    {
        Applicazione applicazione(*qApp);
        DialoghiQt dialoghi;
        QList<QRect> pulsanti;
        int pixel = 0;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *b : box->buttons()) {
                pulsanti.append(b->geometry());
                pixel = QFontInfo(b->font()).pixelSize();
            }
            box->reject();
        });
        dialoghi.messaggio(Dialoghi::Icona::Domanda, QStringLiteral("Lettoria 2"), QStringLiteral("Vuoi tornare al menù?"),
                           Dialoghi::Pulsanti::SiNo);
        QCOMPARE(pulsanti.size(), 2);
        for (const QRect &r : std::as_const(pulsanti))
            QVERIFY2(r.height() >= static_cast<int>(48 * fattore()), qPrintable(QString::number(r.height())));
        QVERIFY(pixel >= 18);
    }

    // "Chi gioca?" with a class of 5 and of 60: every button as tall as a
    // finger needs, its name whole, inside the window, none over another.
    void chiGioca_data()
    {
        QTest::addColumn<int>("bambini");
        QTest::newRow("5") << 5;
        QTest::newRow("60") << 60;
    }
    void chiGioca()
    {
        QFETCH(int, bambini);
        for (int i = 1; i <= bambini; ++i)
            p->sessione.classe.append({QStringLiteral("Bambino %1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("PALLA")});
        auto *f = p->apri<FormChiGioca>(IdFinestra::FormChiGioca);
        QList<QPushButton *> tutti = f->Bambini;
        tutti.append(f->Ospite);
        QCOMPARE(tutti.size(), bambini + 1);
        for (int i = 0; i < tutti.size(); ++i) {
            const QPushButton *b = tutti[i];
            QVERIFY2(b->height() >= static_cast<int>(48 * fattore()), qPrintable(QString::number(b->height())));
            QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
            QVERIFY(f->centralWidget()->rect().contains(b->geometry()));
            if (i > 0)
                QVERIFY(!b->geometry().intersects(tutti[i - 1]->geometry()));
        }
    }

    // The chooser of the 34 lists fills its frame: tall rows, captions whole,
    // clear of the next column.
    void sceltaDelleListe()
    {
        auto *w = p->apri<OPZIONI>(IdFinestra::OPZIONI);
        clic(w->Command6);
        for (int i = 0; i < 34; ++i) {
            const QRadioButton *o = w->Frame1->Option1[static_cast<size_t>(i)];
            QVERIFY(o->height() >= static_cast<int>(32 * fattore()));
            QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(o->text()));
            if (i + 12 < 34)
                QVERIFY(o->geometry().right() < w->Frame1->Option1[static_cast<size_t>(i + 12)]->x());
            QVERIFY(w->Frame1->rect().contains(o->geometry()));
        }
    }

    // The word lists a child or a teacher scrolls: the picture chooser's (one
    // row high) and the list maker's two. Scroll bars and arrows as wide as a
    // finger, rows as tall; a swipe scrolls and selects nothing; a tap selects.
    void listeAlDito_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::newRow("picture chooser") << "FormVedi3";
        QTest::newRow("maker, available words") << "List1";
        QTest::newRow("maker, new list") << "List2";
    }
    void listeAlDito()
    {
        QFETCH(QString, lista);
        QStringList parole;
        for (int i = 0; i < 120; ++i)
            parole.append(QStringLiteral("PAROLA%1").arg(i, 3, 10, QLatin1Char('0')));
        p->parole(parole);
        p->cartella.creaImmagini(parole);
        QAbstractItemView *l = nullptr;
        if (lista == QLatin1String("FormVedi3")) {
            l = p->apri<FormVedi3>(IdFinestra::FormVedi3)->List1;
        } else {
            auto *w = p->apri<OPZIONI>(IdFinestra::OPZIONI);
            clic(w->Command2);
            if (lista == QLatin1String("List2"))
                while (w->Frame5->modello().sposta(ListaInPreparazione::Lato::Disponibili, 0) >= 0) {
                }
            l = lista == QLatin1String("List1") ? w->Frame5->List1 : w->Frame5->List2;
        }
        QVERIFY(l->model()->rowCount() >= 120);
        const int dito = static_cast<int>(32 * fattore());
        QScrollBar *barra = l->verticalScrollBar();
        QTRY_VERIFY(barra->isVisible());
        QVERIFY2(barra->width() >= dito, qPrintable(QString::number(barra->width())));
        const QRect f = freccia(barra);
        QVERIFY2(f.width() >= dito && f.height() >= dito, qPrintable(QStringLiteral("%1x%2").arg(f.width()).arg(f.height())));
        QVERIFY(l->visualRect(l->model()->index(0, 0)).height() >= dito);
        qInfo("%s: scroll bar %d px, arrow %dx%d, row %d px", qPrintable(lista), barra->width(), f.width(), f.height(),
              l->visualRect(l->model()->index(0, 0)).height());

        QCOMPARE(barra->value(), 0);
        // A finger on a touch screen, through the platform.
        QWidget *finestra = l->window();
        const QPoint da = l->viewport()->mapTo(finestra, QPoint(l->viewport()->width() / 2, l->viewport()->height() - 4));
        QPointingDevice *schermo = QTest::createTouchDevice();
        QTest::touchEvent(finestra, schermo).press(0, da, finestra);
        for (int i = 1; i <= 10; ++i)
            QTest::touchEvent(finestra, schermo).move(0, da - QPoint(0, 15 * i), finestra);
        QTest::touchEvent(finestra, schermo).release(0, da - QPoint(0, 150), finestra);
        QTRY_COMPARE_WITH_TIMEOUT(QScroller::scroller(l->viewport())->state(), QScroller::Inactive, 10000);
        QVERIFY(barra->value() > 0);
        QVERIFY(l->selectionModel()->selectedIndexes().isEmpty());
        barra->setValue(0);
        // The mouse of a whiteboard.
        scorri(l, 150);
        QVERIFY(l->selectionModel()->selectedIndexes().isEmpty());
        // The rows follow the finger and glide on, then stop, still with nothing selected.
        QTRY_COMPARE_WITH_TIMEOUT(QScroller::scroller(l->viewport())->state(), QScroller::Inactive, 10000);
        QVERIFY2(barra->value() >= 150, qPrintable(QString::number(barra->value())));
        QVERIFY(l->selectionModel()->selectedIndexes().isEmpty());
        // A tap selects the row under it.
        const QModelIndex sotto = l->indexAt(QPoint(10, l->viewport()->height() / 2));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, QPoint(10, l->viewport()->height() / 2));
        QCOMPARE(l->selectionModel()->selectedIndexes(), QModelIndexList{sotto});
    }

    // A round picture is drawn round in an exercise, a viewer and a puzzle.
    void immaginiRotonde()
    {
        auto *f1 = p->apri<FormUnNomeImmagini>(IdFinestra::Form1);
        QVERIFY(std::abs(aspettoDisegnato(f1->Image1[0]) - 1.0) < 0.04);
        f1->chiudiSenzaDomande();
        auto *v = p->apri<FormVedi>(IdFinestra::FormVedi);
        QVERIFY(std::abs(aspettoDisegnato(v->Image1) - 1.0) < 0.04);
        v->chiudiSenzaDomande();
        auto *puzzle = p->apri<FinestraPuzzle>(IdFinestra::pag1);
        std::vector<int> inOrdine(static_cast<size_t>(puzzle->GiocoPuzzle1->righe() * puzzle->GiocoPuzzle1->colonne()));
        for (size_t i = 0; i < inOrdine.size(); ++i)
            inOrdine[i] = static_cast<int>(i);
        QVERIFY(puzzle->GiocoPuzzle1->disponi(inOrdine));
        QVERIFY(std::abs(aspettoDisegnato(puzzle->GiocoPuzzle1) - 1.0) < 0.04);
    }
};

QTEST_MAIN(TestSchermi)
#include "tst_schermi.moc"
