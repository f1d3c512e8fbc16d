#include "core/crediti.h"
#include "tests/support/provefinestre.h"
#include "windows/puzzles/finestrapuzzle.h"
#include "windows/puzzles/giocopuzzle.h"
#include "windows/puzzles/modellopuzzle.h"

#include <QApplication>
#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <numeric>

using Pezzi = std::vector<int>;

namespace {
QColor coloreCella(int cella) { return QColor::fromHsv((cella * 47) % 360, 220, 230); }

// One plain colour per cell, all different.
QImage quadri(int righe, int colonne, QSize dimensione = QSize(240, 240))
{
    QImage img(colonne, righe, QImage::Format_RGB32);
    for (int c = 0; c < righe * colonne; ++c)
        img.setPixelColor(c % colonne, c / colonne, coloreCella(c));
    return img.scaled(dimensione);
}

// White with a red corner, as a rough JPEG: three pieces of a 2 x 2 grid look the same.
QImage angoloRosso()
{
    QImage img(2, 2, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixelColor(1, 1, Qt::red);
    QByteArray jpeg;
    QBuffer buf(&jpeg);
    buf.open(QIODevice::WriteOnly);
    img.scaled(200, 200).save(&buf, "JPG", 40);
    return QImage::fromData(jpeg, "JPG");
}

// A red ball on white.
QImage palla(QSize dimensione)
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setBrush(Qt::red);
    const int d = std::min(dimensione.width(), dimensione.height()) * 3 / 4;
    p.drawEllipse((dimensione.width() - d) / 2, (dimensione.height() - d) / 2, d, d);
    return img;
}

bool simile(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 30;
}
// The dark tray that the lines, the margin and the empty cell show.
bool vassoio(QColor c) { return c.blue() > 60 && c.red() < 30 && c.green() < 30; }

// Each word's picture is a ball of a size of its own, which tells the word drawn; ROTTO's file is no picture.
const QMap<QString, QSize> Immagini{{"CASA", QSize(120, 90)}, {"CANE", QSize(100, 100)}, {"GATTO", QSize(90, 120)}, {"ROTTO", {}}};
const QStringList Tre{"CASA", "CANE", "GATTO"};

} // namespace

// The puzzle control, and the swap and sliding puzzle windows around it.
class TestGiocoPuzzle : public QObject
{
    Q_OBJECT

    std::unique_ptr<Casuale> casuale;
    std::unique_ptr<GiocoPuzzle> gioco;

    // The control shown at the given size, cut as asked, the pieces as given.
    void prepara(QSize dimensione, bool scambio, int righe, const QImage &immagine, const Pezzi &pezzi)
    {
        gioco->resize(dimensione);
        gioco->setRighe(righe);
        gioco->setColonne(int(pezzi.size()) / righe);
        gioco->setPuzzleascambio(scambio);
        gioco->setPicture(immagine);
        gioco->Mischia();
        QVERIFY(gioco->disponi(pezzi));
    }
    // "4": the middle of cell 4; "e": the white edge by the board's top left corner; "m": the tray's margin.
    QPoint punto(const QString &dove) const
    {
        if (dove == QLatin1String("m"))
            return QPoint(1, 1);
        return dove == QLatin1String("e") ? gioco->rettangoloTavola().topLeft() - QPoint(2, 2)
                                          : gioco->rettangoloCella(dove.toInt()).center();
    }
    // A hand's gestures, as "t0 t4>3 t1-50,5 f2 r2": t a mouse, f a finger, r the right button; a press
    // at a place, a path to a place (">") or by a shift, and a release there: without either, a tap.
    void esegui(const QString &gesti)
    {
        static QPointingDevice *const schermoTattile = QTest::createTouchDevice();
        static const QRegularExpression forma(QStringLiteral("^([tfr])(\\w+)(?:>(\\w+)|([-+]\\d+),(-?\\d+))?$"));
        QWidget *w = gioco.get();
        for (const QString &g : gesti.split(QLatin1Char(' '))) {
            const QRegularExpressionMatch m = forma.match(g);
            QVERIFY2(m.hasMatch(), qPrintable(g));
            const QPoint da = punto(m.captured(2));
            const QPoint a = m.hasCaptured(3) ? punto(m.captured(3)) : da + QPoint(m.captured(4).toInt(), m.captured(5).toInt());
            if (m.captured(1) == QLatin1String("r")) {
                QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, da);
                continue;
            }
            for (int i = 0; i <= 9; ++i) { // a press, eight steps, a release
                const QPoint p = da + (a - da) * std::min(i, 8) / 8;
                if (m.captured(1) == QLatin1String("f")) {
                    auto tocco = QTest::touchEvent(w, schermoTattile);
                    i == 0 ? tocco.press(0, p, w) : i == 9 ? tocco.release(0, p, w) : tocco.move(0, p, w);
                    continue;
                }
                const auto tipo = i == 0 ? QEvent::MouseButtonPress : i == 9 ? QEvent::MouseButtonRelease : QEvent::MouseMove;
                QMouseEvent e(tipo, p, w->mapToGlobal(p), i % 9 ? Qt::NoButton : Qt::LeftButton,
                              i == 9 ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(w, &e);
            }
        }
    }

private slots:
    void init()
    {
        casuale = std::make_unique<Casuale>(5);
        gioco = std::make_unique<GiocoPuzzle>(*casuale);
        gioco->setAnimato(false);
        gioco->show();
        QVERIFY(QTest::qWaitForWindowExposed(gioco.get()));
    }
    void cleanup()
    {
        gioco.reset();
        QVERIFY(finestreVisibili().isEmpty());
    }

    // The board keeps the picture's proportions, as large as fits inside a
    // white edge (here 7 pixels, a 40th of the shorter side), centred on the tray.
    void tavola_data()
    {
        QTest::addColumn<QSize>("controllo");
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<int>("righe");
        QTest::addColumn<QSize>("immagine");
        QTest::addColumn<Pezzi>("pezzi");
        QTest::addColumn<QRect>("tavola");
        QTest::newRow("square, tall control") << QSize(300, 400) << true << 3 << QSize(240, 240)
                                              << Pezzi{8, 7, 6, 5, 4, 3, 2, 1, 0} << QRect(7, 57, 286, 286);
        QTest::newRow("square, wide control") << QSize(600, 300) << false << 2 << QSize(512, 512) << Pezzi{0, 3, 2, 1}
                                              << QRect(157, 7, 286, 286);
        QTest::newRow("wide picture") << QSize(300, 400) << true << 2 << QSize(240, 120) << Pezzi{5, 4, 3, 2, 1, 0}
                                      << QRect(7, 128, 286, 143);
        QTest::newRow("tall picture, 4 x 3") << QSize(600, 300) << false << 4 << QSize(90, 120)
                                             << Pezzi{11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QRect(193, 7, 214, 286);
    }
    void tavola()
    {
        QFETCH(QSize, controllo);
        QFETCH(bool, scambio);
        QFETCH(int, righe);
        QFETCH(QSize, immagine);
        QFETCH(Pezzi, pezzi);
        QFETCH(QRect, tavola);
        const int n = int(pezzi.size());
        prepara(controllo, scambio, righe, quadri(righe, n / righe, immagine), pezzi);
        QCOMPARE(gioco->rettangoloTavola(), tavola);
        QCOMPARE(gioco->immagineScalata().size(), tavola.size());
        QCOMPARE(gioco->rettangoloCella(0).united(gioco->rettangoloCella(n - 1)), tavola);
        // A line of 2 pixels takes one from each side of an inner border.
        QCOMPARE(gioco->rettangoloPezzo(0), gioco->rettangoloCella(0).adjusted(0, 0, -1, -1));
        // On the white edge, the piece beside it; on the tray, none.
        QCOMPARE(gioco->cellaIn(tavola.bottomRight() + QPoint(3, 3)), n - 1);
        const QPoint margine(1, 1), altroMargine = QPoint(controllo.width() - 2, controllo.height() - 2);

        const qint64 chiave = gioco->immagineScalata().cacheKey();
        const QImage schermo = gioco->grab().toImage();
        QCOMPARE(gioco->immagineScalata().cacheKey(), chiave); // not scaled again to paint
        for (int c = 0; c < n; ++c) {
            const QPoint centro = gioco->rettangoloCella(c).center();
            QCOMPARE(gioco->cellaIn(centro), c);
            const bool buco = !scambio && pezzi[size_t(c)] == n - 1;
            QVERIFY(buco ? vassoio(schermo.pixelColor(centro)) : simile(schermo.pixelColor(centro), coloreCella(pezzi[size_t(c)])));
        }
        QVERIFY(vassoio(schermo.pixelColor(gioco->rettangoloCella(1).topLeft()))); // a line
        QCOMPARE(schermo.pixelColor(tavola.topLeft() + QPoint(tavola.width() / 2, -2)), QColor(Qt::white));
        QVERIFY(vassoio(schermo.pixelColor(margine)) && vassoio(schermo.pixelColor(altroMargine)));

        // Finished: the whole picture, the missing piece back, no lines; the tray around.
        Pezzi ordine(pezzi.size());
        std::iota(ordine.begin(), ordine.end(), 0);
        QVERIFY(gioco->disponi(ordine));
        const QImage intera = gioco->grab().toImage();
        const QRect ultima = gioco->rettangoloCella(n - 1);
        QVERIFY(simile(intera.pixelColor(ultima.center()), coloreCella(n - 1)));
        QVERIFY(!vassoio(intera.pixelColor(ultima.topLeft() + QPoint(0, ultima.height() / 2)))
                && !vassoio(intera.pixelColor(ultima.topLeft() + QPoint(ultima.width() / 2, 0))));
        QVERIFY(vassoio(intera.pixelColor(margine)));
    }

    void gesti_data()
    {
        QTest::addColumn<bool>("alto"); // a control of 300 x 400, or else 600 x 300
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<QImage>("immagine"); // on a square grid
        QTest::addColumn<Pezzi>("prima");
        QTest::addColumn<QString>("gesti");
        QTest::addColumn<Pezzi>("dopo"); // one move made, or none
        QTest::addColumn<int>("scelta"); // the cell picked, waiting for its partner
        QTest::addColumn<bool>("risolto"); // pieces that look the same may stand for one another
        const QImage q2 = quadri(2, 2), q3 = quadri(3, 3);
        QImage punto(200, 200, QImage::Format_RGB32); // white, a small black dot in the first piece
        punto.fill(Qt::white);
        QPainter(&punto).fillRect(30, 30, 12, 12, Qt::black);
        const Pezzi s{8, 1, 2, 4, 3, 5, 6, 7, 0}, o{0, 1, 2, 3}, o9{0, 1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("pick, put down, tap-tap") << true << true << q2 << Pezzi{1, 0, 3, 2} << "t0 t0 t1 t0" << Pezzi{0, 1, 3, 2} << -1 << false;
        QTest::newRow("trembling tap, right button, margin") << false << true << q2 << Pezzi{1, 0, 3, 2} << "t3+3,2 r2 tm"
                                                             << Pezzi{1, 0, 3, 2} << 3 << false;
        QTest::newRow("dragged home, to the margin") << false << true << q3 << s << "t0+10,30 t0>m" << s << -1 << false;
        QTest::newRow("a pick, then a drag") << true << true << q3 << s << "t1 t4>3" << Pezzi{8, 1, 2, 3, 4, 5, 6, 7, 0} << -1 << false;
        QTest::newRow("dropped on the white edge") << false << true << q3 << s << "t8>e" << Pezzi{0, 1, 2, 4, 3, 5, 6, 7, 8} << -1 << false;
        QTest::newRow("finished: no more moves") << true << true << q3 << Pezzi{8, 1, 2, 3, 4, 5, 6, 7, 0} << "t8>0 t1>2 t5" << o9 << -1 << true;
        QTest::newRow("alike pieces are in place") << true << true << angoloRosso() << Pezzi{1, 3, 2, 0} << "t1>3" << Pezzi{1, 0, 2, 3} << -1 << true;
        QTest::newRow("a small dot: a piece of its own") << true << true << punto << Pezzi{1, 0, 2, 3} << "t2>3" << Pezzi{1, 0, 3, 2} << -1 << false;
        QTest::newRow("the stand-in: every piece its own") << false << true << ImmagineSostitutiva(QString()) << Pezzi{0, 1, 3, 2} << "t0>1"
                                                           << Pezzi{1, 0, 3, 2} << -1 << false;
        QTest::newRow("finger taps") << false << true << q2 << Pezzi{1, 0, 2, 3} << "f0 f1" << o << -1 << true;
        // Sliding, gap (8) at the top left:  8 0 1 / 3 4 2 / 6 7 5
        const Pezzi g{8, 0, 1, 3, 4, 2, 6, 7, 5};
        QTest::newRow("tap the neighbour") << true << false << q3 << g << "t1" << Pezzi{0, 8, 1, 3, 4, 2, 6, 7, 5} << -1 << false;
        QTest::newRow("tap the row's end") << false << false << q3 << g << "t2" << Pezzi{0, 1, 8, 3, 4, 2, 6, 7, 5} << -1 << false;
        QTest::newRow("tap the column's end") << true << false << q3 << g << "t6" << Pezzi{3, 0, 1, 6, 4, 2, 8, 7, 5} << -1 << false;
        QTest::newRow("tap out of line, the margin") << false << false << q3 << g << "t4 tm" << g << -1 << false;
        QTest::newRow("drag a whole cell") << true << false << q3 << g << "t1-100,0" << Pezzi{0, 8, 1, 3, 4, 2, 6, 7, 5} << -1 << false;
        QTest::newRow("drag a run half way") << false << false << q3 << g << "t2-50,5" << Pezzi{0, 1, 8, 3, 4, 2, 6, 7, 5} << -1 << false;
        QTest::newRow("drag a fifth, away, across") << true << false << q3 << g << "t1-20,0 t1+60,0 t3+50,0" << g << -1 << false;
        QTest::newRow("finger slide to the end") << false << false << q2 << Pezzi{0, 1, 3, 2} << "f3>2" << o << -1 << true;
    }
    void gesti()
    {
        QFETCH(bool, alto);
        QFETCH(bool, scambio);
        QFETCH(QImage, immagine);
        QFETCH(Pezzi, prima);
        QFETCH(QString, gesti);
        QFETCH(Pezzi, dopo);
        QFETCH(int, scelta);
        QFETCH(bool, risolto);
        prepara(alto ? QSize(300, 400) : QSize(600, 300), scambio, prima.size() == 4 ? 2 : 3, immagine, prima);
        QSignalSpy mossi(gioco.get(), &GiocoPuzzle::pezziMossi);
        QSignalSpy finito(gioco.get(), &GiocoPuzzle::completato);
        esegui(gesti);
        QCOMPARE(gioco->stato().disposizione(), dopo);
        QCOMPARE(gioco->selezionata(), scelta);
        QCOMPARE(mossi.count(), dopo == prima ? 0 : 1);
        QCOMPARE(gioco->risolto(), risolto);
        QCOMPARE(finito.count(), risolto ? 1 : 0);
    }

    // A puzzle window from opening to leaving: "impegnativo" and a drawn word's picture, shuffled on the design grid
    // and on the level's; a level chosen twice (the second time the same picture is shuffled again); "Gioca ancora"
    // draws again, never a blank word, a word with a picture whenever the list has one, keeps the level and shuffles
    // twice; "Informazioni" and a No to leaving change nothing; Yes goes back to the menu.
    void finestre_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<int>("indice"); // the level chosen, and its grid
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QStringList>("parole");
        QTest::addColumn<QList<int>>("estratti"); // every list position drawn, none other
        QTest::newRow("pag1 molto facile") << true << 0 << 2 << 2 << Tre << QList<int>{1, 2, 3};
        QTest::newRow("pag2 facile, one word") << false << 1 << 3 << 2 << QStringList{"GATTO"} << QList<int>{1};
        QTest::newRow("pag2 impegnativo, blanks, a word without a picture")
            << false << 2 << 4 << 3 << QStringList{"", "ZEBRA", "  ", "CANE", " "} << QList<int>{4};
        QTest::newRow("pag1 difficilissimo") << true << 4 << 4 << 5 << QStringList{"CASA", "CANE"} << QList<int>{1, 2};
        QTest::newRow("pag1 difficile, no picture at all") << true << 3 << 4 << 4 << QStringList{" ", "ZEBRA", "", "lupo "}
                                                           << QList<int>{2, 4};
        QTest::newRow("pag2 impegnativo, an unreadable picture is one") << false << 2 << 4 << 3 << QStringList{"ZEBRA", "ROTTO"}
                                                                        << QList<int>{2};
        QTest::newRow("pag1 facile, nothing to show") << true << 1 << 3 << 2 << QStringList{"", "   "} << QList<int>{1, 2};
        QTest::newRow("pag2 molto facile, an empty list") << false << 0 << 2 << 2 << QStringList{} << QList<int>{0};
    }
    void finestre()
    {
        QFETCH(bool, scambio);
        QFETCH(int, indice);
        QFETCH(int, righe);
        QFETCH(int, colonne);
        QFETCH(QStringList, parole);
        QFETCH(QList<int>, estratti);
        ProgrammaProva t(indice + 21);
        for (auto i = Immagini.begin(); i != Immagini.end(); ++i)
            if (i.value().isValid())
                palla(i.value()).save(t.cartella.percorso("images0/" + i.key() + ".jpg"), "JPG");
            else
                t.cartella.scrivi("images0/" + i.key() + ".jpg", "not a picture");
        t.parole(parole);
        auto *f = t.apri<FinestraPuzzle>(scambio ? IdFinestra::pag1 : IdFinestra::pag2);
        GiocoPuzzle *g = f->GiocoPuzzle1;
        g->setAnimato(false);
        auto segnati = [&] { // the levels with a check mark
            QStringList out;
            for (QAction *a : f->m1)
                if (a->isChecked())
                    out.append(a->text());
            return out;
        };
        QSet<int> visti;
        QString parola;
        auto disegnata = [&] { // the word drawn, and its picture in the puzzle and the model
            QVERIFY(estratti.contains(f->Estratto));
            visti.insert(f->Estratto);
            parola = f->Estratto > 0 ? parole[f->Estratto - 1].trimmed() : QString();
            if (Immagini.value(parola).isValid())
                QCOMPARE(g->picture().size(), Immagini.value(parola));
            else // its name in colours, or none
                QCOMPARE(g->picture(), ImmagineSostitutiva(parola));
            QCOMPARE(f->ImmagineModello->immagine(), g->picture());
        };
        disegnata();
        QCOMPARE(g->puzzleascambio(), scambio);
        QCOMPARE(segnati(), QStringList{QStringLiteral("impegnativo")});
        QCOMPARE(g->stato().righe() * 10 + g->stato().colonne(), scambio ? 33 : 43);
        // The level chosen twice: its grid, the same picture shuffled again.
        const QImage immagine = g->picture();
        for (int volta = 0; volta < 2; ++volta) {
            f->m1[size_t(indice)]->trigger();
            QCOMPARE(segnati(), QStringList{f->m1[size_t(indice)]->text()});
            QCOMPARE(g->picture(), immagine);
            QCOMPARE(g->stato().righe() * 10 + g->stato().colonne(), righe * 10 + colonne);
            QVERIFY(!g->risolto());
        }
        for (int volta = 0; volta < 30; ++volta) {
            f->mnuancora->trigger();
            disegnata();
            QCOMPARE(segnati(), QStringList{f->m1[size_t(indice)]->text()});
            QVERIFY(!g->risolto());
        }
        QCOMPARE(visti, QSet<int>(estratti.begin(), estratti.end()));
        // Put together, the puzzle is the child's answer: its word found, timed from the last shuffle.
        QVERIFY(t.risposte.registrate.isEmpty());
        t.cronometro.adesso += 4200;
        emit g->completato();
        QCOMPARE(t.risposte.registrate.size(), 1);
        const Risposta r = t.risposte.registrate.first();
        const QString chiesta = t.sessione.lista.Parole(f->Estratto);
        QCOMPARE(QStringList({r.attivita, r.parola, r.scelta, QString::number(r.millisecondi), r.esatta ? "1" : "0"}),
                 QStringList({scambio ? "Puzzle a scambio" : "Puzzle a scivolamento", chiesta, chiesta, "4200", "1"}));

        const Pezzi prima = g->stato().disposizione();
        f->Informazioni->trigger();
        f->mnuEsci->trigger();
        QTRY_COMPARE(t.dialoghi.testi(), QStringList({TestoCrediti(), QString::fromUtf8("Vuoi tornare al menù?")}));
        svuotaEventi();
        QCOMPARE(g->stato().disposizione(), prima);
        QCOMPARE(segnati(), QStringList{f->m1[size_t(indice)]->text()});

        t.dialoghi.risposte = {Dialoghi::Risposta::Si};
        f->mnuEsci->trigger();
        QTRY_VERIFY(t.gestore->finestra(IdFinestra::FormMenu) && !t.gestore->finestra(scambio ? IdFinestra::pag1 : IdFinestra::pag2));
    }
};

QTEST_MAIN(TestGiocoPuzzle)
#include "tst_giocopuzzle.moc"
