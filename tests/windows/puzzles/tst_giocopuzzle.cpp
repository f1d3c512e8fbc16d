#include "core/casuale.h"
#include "windows/puzzles/giocopuzzle.h"

#include <QApplication>
#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>

using Pezzi = std::vector<int>;

namespace {
// One plain colour per cell, all different: every piece can be told apart.
QColor coloreCella(int cella)
{
    return QColor::fromHsv((cella * 47) % 360, 220, 230);
}

QImage quadri(int righe, int colonne, QSize dimensione = QSize(240, 240))
{
    QImage img(dimensione, QImage::Format_RGB32);
    QPainter p(&img);
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c) {
            const QRect q(c * dimensione.width() / colonne, r * dimensione.height() / righe,
                          (c + 1) * dimensione.width() / colonne - c * dimensione.width() / colonne,
                          (r + 1) * dimensione.height() / righe - r * dimensione.height() / righe);
            p.fillRect(q, coloreCella(r * colonne + c));
        }
    return img;
}

bool simile(QColor a, QColor b, int tolleranza = 12)
{
    return std::abs(a.red() - b.red()) <= tolleranza && std::abs(a.green() - b.green()) <= tolleranza
           && std::abs(a.blue() - b.blue()) <= tolleranza;
}

// The dark tray the lines and the empty cell show.
bool vassoio(QColor c)
{
    return c.blue() > 60 && c.red() < 30 && c.green() < 30;
}

void invia(QWidget *w, QEvent::Type tipo, QPoint punto, Qt::MouseButtons premuti)
{
    QMouseEvent e(tipo, punto, w->mapToGlobal(punto), tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  premuti, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A press, a path of moves and a release, as a hand draws it.
void trascina(QWidget *w, QPoint da, QPoint a, int passi = 8)
{
    invia(w, QEvent::MouseButtonPress, da, Qt::LeftButton);
    for (int i = 1; i <= passi; ++i)
        invia(w, QEvent::MouseMove, da + (a - da) * i / passi, Qt::LeftButton);
    invia(w, QEvent::MouseButtonRelease, a, Qt::NoButton);
}

void tocca(QWidget *w, QPoint punto)
{
    invia(w, QEvent::MouseButtonPress, punto, Qt::LeftButton);
    invia(w, QEvent::MouseButtonRelease, punto, Qt::NoButton);
}
} // namespace

class TestGiocoPuzzle : public QObject
{
    Q_OBJECT

    std::unique_ptr<Casuale> casuale;
    std::unique_ptr<GiocoPuzzle> gioco;

    // A shown control of 300 x 400 pixels with the given grid and mode, shuffled.
    GiocoPuzzle *prepara(int righe, int colonne, bool scambio)
    {
        gioco->setRighe(righe);
        gioco->setColonne(colonne);
        gioco->setPuzzleascambio(scambio);
        gioco->setPicture(quadri(righe, colonne));
        gioco->Mischia();
        return gioco.get();
    }
    QPoint centro(int cella) const { return gioco->rettangoloCella(cella).center(); }

private slots:
    void init()
    {
        casuale = std::make_unique<Casuale>(5);
        gioco = std::make_unique<GiocoPuzzle>(*casuale);
        gioco->resize(300, 400);
        gioco->show();
        QVERIFY(QTest::qWaitForWindowExposed(gioco.get()));
    }
    void cleanup()
    {
        gioco.reset();
    }

    void valoriDiProgetto()
    {
        QCOMPARE(gioco->property("righe").toInt(), 3);
        QCOMPARE(gioco->property("colonne").toInt(), 3);
        QCOMPARE(gioco->property("spessorelinea").toInt(), 2);
        QCOMPARE(gioco->property("puzzleascambio").toBool(), false);
        QCOMPARE(gioco->stato().celle(), 9);

        // Out-of-range values are kept to what a grid can be.
        gioco->setRighe(0);
        gioco->setColonne(99);
        gioco->setSpessorelinea(-4);
        QCOMPARE(gioco->righe(), 1);
        QCOMPARE(gioco->colonne(), Puzzle::MaxLato);
        QCOMPARE(gioco->spessorelinea(), 0);
        QVERIFY(gioco->setProperty("righe", 4));
        QCOMPARE(gioco->righe(), 4);
    }

    void grigliaAllaMischia_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<bool>("scambio");
        QTest::newRow("swap 2 x 2") << 2 << 2 << true;
        QTest::newRow("swap 3 x 3") << 3 << 3 << true;
        QTest::newRow("slide 4 x 3") << 4 << 3 << false;
        QTest::newRow("slide 4 x 5") << 4 << 5 << false;
    }
    void grigliaAllaMischia()
    {
        QFETCH(int, righe);
        QFETCH(int, colonne);
        QFETCH(bool, scambio);
        gioco->setRighe(righe);
        gioco->setColonne(colonne);
        gioco->setPuzzleascambio(scambio);
        // Nothing is cut until the shuffle.
        QCOMPARE(gioco->stato().righe(), 3);
        QCOMPARE(gioco->stato().colonne(), 3);
        gioco->Mischia();
        QCOMPARE(gioco->stato().righe(), righe);
        QCOMPARE(gioco->stato().colonne(), colonne);
        QCOMPARE(gioco->stato().scambio(), scambio);
        QCOMPARE(gioco->stato().vuota() >= 0, !scambio);
        QVERIFY(!gioco->risolto());

        // The cells tile the control exactly, and the pieces leave room for the lines.
        int area = 0;
        for (int c = 0; c < righe * colonne; ++c) {
            const QRect q = gioco->rettangoloCella(c);
            area += q.width() * q.height();
            QVERIFY(gioco->rect().contains(q));
            QCOMPARE(gioco->cellaIn(q.center()), c);
            QCOMPARE(gioco->cellaIn(q.topLeft()), c);
            QCOMPARE(gioco->cellaIn(q.bottomRight()), c);
            QVERIFY(q.contains(gioco->rettangoloPezzo(c)));
        }
        QCOMPARE(area, 300 * 400);
        QCOMPARE(gioco->cellaIn(QPoint(-1, 5)), -1);
        QCOMPARE(gioco->cellaIn(QPoint(300, 5)), -1);
    }

    void lineeTraIPezzi()
    {
        gioco->Mischia();
        // 3 x 3 on 300 x 400: the middle cell spans x 100..199, y 133..265;
        // a line of 2 pixels takes one pixel from each side of a border.
        QCOMPARE(gioco->rettangoloCella(4), QRect(100, 133, 100, 133));
        QCOMPARE(gioco->rettangoloPezzo(4), QRect(101, 134, 98, 131));
        QCOMPARE(gioco->rettangoloPezzo(0), QRect(0, 0, 99, 132));
        QCOMPARE(gioco->rettangoloPezzo(8), QRect(201, 267, 99, 133));
        gioco->setSpessorelinea(5);
        QCOMPARE(gioco->rettangoloPezzo(4), QRect(103, 136, 95, 128));
        gioco->setSpessorelinea(0);
        QCOMPARE(gioco->rettangoloPezzo(4), gioco->rettangoloCella(4));
    }

    void pezziDisegnatiDallImmagine()
    {
        prepara(2, 2, true);
        QVERIFY(gioco->disponi({3, 2, 1, 0}));
        const QImage schermo = gioco->grab().toImage();
        for (int c = 0; c < 4; ++c)
            QVERIFY2(simile(schermo.pixelColor(centro(c)), coloreCella(3 - c)), qPrintable(QString::number(c)));
        // Between two pieces: a line, not the picture.
        QVERIFY(vassoio(schermo.pixelColor(150, 50)));
        QVERIFY(vassoio(schermo.pixelColor(100, 200)));

        // Finished: the whole picture, no lines left once the celebration is over.
        QVERIFY(gioco->disponi({0, 1, 2, 3}));
        QVERIFY(gioco->risolto());
        const QImage intera = gioco->grab().toImage();
        for (const QPoint &p : {QPoint(149, 100), QPoint(150, 100), QPoint(100, 199), QPoint(100, 200)})
            QVERIFY2(!vassoio(intera.pixelColor(p)), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }

    void immagineScalataUnaVolta()
    {
        prepara(3, 3, true);
        const QImage &prima = gioco->immagineScalata();
        QCOMPARE(prima.size(), QSize(300, 400));
        const qint64 chiave = prima.cacheKey();
        gioco->grab();
        gioco->repaint();
        QCOMPARE(gioco->immagineScalata().cacheKey(), chiave);

        // A new size cuts the picture again, and the grid follows.
        gioco->resize(600, 300);
        QCOMPARE(gioco->immagineScalata().size(), QSize(600, 300));
        QVERIFY(gioco->immagineScalata().cacheKey() != chiave);
        QCOMPARE(gioco->rettangoloCella(4), QRect(200, 100, 200, 100));
        QCOMPARE(gioco->cellaIn(QPoint(590, 290)), 8);

        // A new picture, at the same size, too.
        const qint64 seconda = gioco->immagineScalata().cacheKey();
        gioco->setPicture(quadri(2, 2));
        QVERIFY(gioco->immagineScalata().cacheKey() != seconda);
    }

    void scambioConDueTocchi()
    {
        prepara(2, 2, true);
        QVERIFY(gioco->disponi({1, 0, 3, 2}));
        QSignalSpy mosse(gioco.get(), &GiocoPuzzle::pezziMossi);
        tocca(gioco.get(), centro(0));
        QCOMPARE(gioco->selezionata(), 0);
        QCOMPARE(gioco->stato().disposizione(), (Pezzi{1, 0, 3, 2}));
        // The same piece again puts it down.
        tocca(gioco.get(), centro(0));
        QCOMPARE(gioco->selezionata(), -1);
        QCOMPARE(mosse.count(), 0);

        tocca(gioco.get(), centro(1));
        tocca(gioco.get(), centro(0));
        QCOMPARE(gioco->stato().disposizione(), (Pezzi{0, 1, 3, 2}));
        QCOMPARE(gioco->selezionata(), -1);
        QCOMPARE(mosse.count(), 1);

        // A hand that trembles a little still taps.
        const QPoint p = centro(3);
        invia(gioco.get(), QEvent::MouseButtonPress, p, Qt::LeftButton);
        invia(gioco.get(), QEvent::MouseMove, p + QPoint(3, 2), Qt::LeftButton);
        invia(gioco.get(), QEvent::MouseButtonRelease, p + QPoint(3, 2), Qt::NoButton);
        QCOMPARE(gioco->selezionata(), 3);
        // Only the left button (or a finger) plays.
        QTest::mouseClick(gioco.get(), Qt::RightButton, Qt::NoModifier, centro(2));
        QCOMPARE(gioco->selezionata(), 3);
    }

    void scambioTrascinando()
    {
        prepara(3, 3, true);
        const Pezzi inizio{8, 1, 2, 3, 4, 5, 6, 7, 0};
        QVERIFY(gioco->disponi(inizio));
        // Dropped back where it started, or outside: nothing changes.
        trascina(gioco.get(), centro(0), centro(0) + QPoint(10, 30));
        QCOMPARE(gioco->stato().disposizione(), inizio);
        trascina(gioco.get(), centro(0), QPoint(320, 450));
        QCOMPARE(gioco->stato().disposizione(), inizio);
        QCOMPARE(gioco->selezionata(), -1);

        // A piece picked with a tap and then another dragged: the drag wins.
        tocca(gioco.get(), centro(1));
        trascina(gioco.get(), centro(4), centro(3));
        QCOMPARE(gioco->selezionata(), -1);
        QCOMPARE(gioco->stato().disposizione(), (Pezzi{8, 1, 2, 4, 3, 5, 6, 7, 0}));

        QSignalSpy fatto(gioco.get(), &GiocoPuzzle::completato);
        trascina(gioco.get(), centro(3), centro(4));
        QVERIFY(!gioco->risolto());
        trascina(gioco.get(), centro(8), centro(0));
        QVERIFY(gioco->risolto());
        QCOMPARE(fatto.count(), 1);
        QTRY_VERIFY(!gioco->animazioneInCorso());
        // A finished puzzle takes no more moves.
        trascina(gioco.get(), centro(1), centro(2));
        tocca(gioco.get(), centro(5));
        QCOMPARE(gioco->selezionata(), -1);
        QVERIFY(gioco->risolto());
        QCOMPARE(fatto.count(), 1);
    }

    void scorrimenti_data()
    {
        QTest::addColumn<Pezzi>("prima");
        QTest::addColumn<int>("cella");
        QTest::addColumn<Pezzi>("dopo");
        // 3 x 3, gap (8) in the middle:  0 1 2 / 3 8 4 / 6 7 5
        const Pezzi centrale{0, 1, 2, 3, 8, 4, 6, 7, 5};
        QTest::newRow("left neighbour") << centrale << 3 << Pezzi{0, 1, 2, 8, 3, 4, 6, 7, 5};
        QTest::newRow("below") << centrale << 7 << Pezzi{0, 1, 2, 3, 7, 4, 6, 8, 5};
        QTest::newRow("diagonal: stays") << centrale << 0 << centrale;
        QTest::newRow("the gap: stays") << centrale << 4 << centrale;
        // Gap at the top left: a tap at the far end moves the whole run.
        const Pezzi angolo{8, 0, 1, 3, 4, 2, 6, 7, 5};
        QTest::newRow("run along the row") << angolo << 2 << Pezzi{0, 1, 8, 3, 4, 2, 6, 7, 5};
        QTest::newRow("run down the column") << angolo << 6 << Pezzi{3, 0, 1, 6, 4, 2, 8, 7, 5};
    }
    void scorrimenti()
    {
        QFETCH(Pezzi, prima);
        QFETCH(int, cella);
        QFETCH(Pezzi, dopo);
        prepara(3, 3, false);
        QVERIFY(gioco->disponi(prima));
        QSignalSpy mosse(gioco.get(), &GiocoPuzzle::pezziMossi);
        tocca(gioco.get(), centro(cella));
        QCOMPARE(gioco->stato().disposizione(), dopo);
        QCOMPARE(mosse.count(), prima == dopo ? 0 : 1);
        QCOMPARE(gioco->selezionata(), -1); // sliding never picks a piece
    }

    void scorrimentoTrascinando_data()
    {
        QTest::addColumn<QPoint>("spinta");
        QTest::addColumn<bool>("scivola");
        // The gap is to the left of the piece at cell 5 (cells are 100 wide).
        QTest::newRow("all the way") << QPoint(-100, 0) << true;
        QTest::newRow("half way") << QPoint(-50, 4) << true;
        QTest::newRow("a fifth of the way") << QPoint(-20, 0) << false;
        QTest::newRow("away from the gap") << QPoint(60, 0) << false;
        QTest::newRow("across") << QPoint(0, 80) << false;
    }
    void scorrimentoTrascinando()
    {
        QFETCH(QPoint, spinta);
        QFETCH(bool, scivola);
        prepara(3, 3, false);
        const Pezzi prima{0, 1, 2, 3, 8, 4, 6, 7, 5};
        QVERIFY(gioco->disponi(prima));
        trascina(gioco.get(), centro(5), centro(5) + spinta);
        const Pezzi scivolato{0, 1, 2, 3, 4, 8, 6, 7, 5};
        QCOMPARE(gioco->stato().disposizione(), scivola ? scivolato : prima);
        QTRY_VERIFY(!gioco->animazioneInCorso());
    }

    void scorrimentoFinoAllaFine()
    {
        prepara(2, 2, false);
        QVERIFY(gioco->disponi({0, 3, 2, 1}));
        QSignalSpy fatto(gioco.get(), &GiocoPuzzle::completato);
        // The piece below the gap is dragged up a whole cell.
        trascina(gioco.get(), centro(3), centro(1));
        QVERIFY(gioco->risolto());
        QCOMPARE(fatto.count(), 1);
        QTRY_VERIFY(!gioco->animazioneInCorso());
        // The missing piece is back and the lines are gone.
        const QImage intera = gioco->grab().toImage();
        QVERIFY(simile(intera.pixelColor(225, 300), coloreCella(3)));
        QVERIFY(!vassoio(intera.pixelColor(150, 300)));
        QVERIFY(!vassoio(intera.pixelColor(225, 200)));
    }

    void unDitoSulloSchermo()
    {
        prepara(2, 2, true);
        QVERIFY(gioco->disponi({1, 0, 2, 3}));
        QPointingDevice *dito = QTest::createTouchDevice();
        auto tap = [&](QPoint p) {
            QTest::touchEvent(gioco.get(), dito).press(0, p, gioco.get());
            QTest::touchEvent(gioco.get(), dito).release(0, p, gioco.get());
        };
        tap(centro(0));
        QTRY_COMPARE(gioco->selezionata(), 0);
        tap(centro(1));
        QTRY_VERIFY(gioco->risolto());
    }

    void unDitoCheTrascina()
    {
        prepara(2, 2, false);
        QVERIFY(gioco->disponi({0, 1, 3, 2}));
        QPointingDevice *dito = QTest::createTouchDevice();
        const QPoint da = centro(3), a = centro(2);
        QTest::touchEvent(gioco.get(), dito).press(0, da, gioco.get());
        for (int i = 1; i <= 6; ++i)
            QTest::touchEvent(gioco.get(), dito).move(0, da + (a - da) * i / 6, gioco.get());
        QTest::touchEvent(gioco.get(), dito).release(0, a, gioco.get());
        QTRY_VERIFY(gioco->risolto());
    }

    void mischiaNonLasciaMaiRisolto()
    {
        for (bool scambio : {true, false})
            for (auto [r, c] : {std::pair{2, 2}, {3, 2}, {4, 5}})
                for (int volta = 0; volta < 30; ++volta) {
                    prepara(r, c, scambio);
                    QVERIFY(!gioco->risolto());
                    if (!scambio)
                        QVERIFY(Puzzle::risolvibile(r, c, gioco->stato().disposizione()));
                }
        // A new shuffle also drops a piece picked before.
        prepara(3, 3, true);
        tocca(gioco.get(), centro(2));
        QCOMPARE(gioco->selezionata(), 2);
        gioco->Mischia();
        QCOMPARE(gioco->selezionata(), -1);
    }

    void aspettiDeiPezzi_data()
    {
        QTest::addColumn<QImage>("immagine");
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<Pezzi>("attesi");
        QImage bianca(200, 200, QImage::Format_RGB32);
        bianca.fill(Qt::white);
        QTest::newRow("all white") << bianca << 2 << 2 << Pezzi{0, 0, 0, 0};
        QTest::newRow("all different") << quadri(2, 3) << 2 << 3 << Pezzi{0, 1, 2, 3, 4, 5};
        QImage unAngolo = bianca;
        QPainter(&unAngolo).fillRect(100, 100, 100, 100, Qt::red);
        QTest::newRow("one coloured corner") << unAngolo << 2 << 2 << Pezzi{0, 0, 0, 3};
        QImage dueRighe = bianca;
        QPainter(&dueRighe).fillRect(0, 100, 200, 100, Qt::blue);
        QTest::newRow("white over blue") << dueRighe << 2 << 2 << Pezzi{0, 0, 2, 2};
        // A small dot still makes a piece different.
        QImage punto = bianca;
        QPainter(&punto).fillRect(30, 30, 12, 12, Qt::black);
        QTest::newRow("a dot") << punto << 2 << 2 << Pezzi{0, 1, 1, 1};
        // JPEG noise on a white background is still white.
        QByteArray jpeg;
        QBuffer buf(&jpeg);
        buf.open(QIODevice::WriteOnly);
        unAngolo.save(&buf, "JPG", 40);
        QTest::newRow("jpeg") << QImage::fromData(jpeg, "JPG") << 2 << 2 << Pezzi{0, 0, 0, 3};
        QTest::newRow("no picture") << QImage() << 2 << 2 << Pezzi{0, 1, 2, 3};
    }
    void aspettiDeiPezzi()
    {
        QFETCH(QImage, immagine);
        QFETCH(int, righe);
        QFETCH(int, colonne);
        QFETCH(Pezzi, attesi);
        QCOMPARE(AspettiPezzi(immagine, righe, colonne), attesi);
    }

    void pezziUgualiContanoComeAPosto()
    {
        // Three white pieces and a red one: the white ones may stand anywhere.
        QImage img(200, 200, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter(&img).fillRect(100, 100, 100, 100, Qt::red);
        gioco->setRighe(2);
        gioco->setColonne(2);
        gioco->setPuzzleascambio(true);
        gioco->setPicture(img);
        for (int volta = 0; volta < 20; ++volta) {
            gioco->Mischia();
            QVERIFY(gioco->stato().pezzo(3) != 3); // never already looking finished
        }
        QVERIFY(gioco->disponi({3, 1, 2, 0}));
        QSignalSpy fatto(gioco.get(), &GiocoPuzzle::completato);
        trascina(gioco.get(), centro(3), centro(0));
        QVERIFY(gioco->risolto());
        QCOMPARE(fatto.count(), 1);
    }

    void senzaImmagine()
    {
        // No picture at all: a bright stand-in whose pieces all differ.
        gioco->setRighe(4);
        gioco->setColonne(5);
        gioco->setPicture(QImage());
        gioco->Mischia();
        QVERIFY(!gioco->immagineScalata().isNull());
        const Pezzi aspetti = AspettiPezzi(ImmagineSostitutiva(QString()), 4, 5);
        for (size_t k = 0; k < aspetti.size(); ++k)
            QCOMPARE(aspetti[k], static_cast<int>(k));
        const QImage parola = ImmagineSostitutiva(QStringLiteral("ZEBRA"), QSize(300, 200));
        QCOMPARE(parola.size(), QSize(300, 200));
        QVERIFY(parola != ImmagineSostitutiva(QString(), QSize(300, 200)));
        QVERIFY(ImmagineSostitutiva(QStringLiteral("ZEBRA"), QSize(0, 10)).isNull());
    }
};

QTEST_MAIN(TestGiocoPuzzle)
#include "tst_giocopuzzle.moc"
