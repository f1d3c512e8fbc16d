#include "core/avvio.h"
#include "tests/support/provefinestre.h"
#include "windows/puzzles/giocopuzzle.h"
#include "windows/puzzles/modellopuzzle.h"
#include "windows/puzzles/pag1.h"
#include "windows/puzzles/pag2.h"

#include <QApplication>
#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>

using Pezzi = std::vector<int>;

namespace {
// One plain colour per cell, all different.
QColor coloreCella(int cella)
{
    return QColor::fromHsv((cella * 47) % 360, 220, 230);
}

QImage quadri(int righe, int colonne)
{
    QImage img(240, 240, QImage::Format_RGB32);
    QPainter p(&img);
    for (int c = 0; c < righe * colonne; ++c)
        p.fillRect(c % colonne * 240 / colonne, c / colonne * 240 / righe, 240 / colonne, 240 / righe, coloreCella(c));
    return img;
}

bool simile(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 30;
}

// The dark tray that the lines and the empty cell show.
bool vassoio(QColor c)
{
    return c.blue() > 60 && c.red() < 30 && c.green() < 30;
}

void invia(QWidget *w, QEvent::Type tipo, QPoint punto)
{
    const Qt::MouseButtons premuti = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(tipo, punto, w->mapToGlobal(punto), tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, premuti,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A press, a path of moves and a release, as a hand draws it.
void trascina(QWidget *w, QPoint da, QPoint a)
{
    invia(w, QEvent::MouseButtonPress, da);
    for (int i = 1; i <= 8; ++i)
        invia(w, QEvent::MouseMove, da + (a - da) * i / 8);
    invia(w, QEvent::MouseButtonRelease, a);
}

void tocca(QWidget *w, QPoint p)
{
    invia(w, QEvent::MouseButtonPress, p);
    invia(w, QEvent::MouseButtonRelease, p);
}

// Each word's picture has a size of its own: the size shown tells which word was drawn.
const QMap<QString, QSize> Immagini{
    {QStringLiteral("CASA"), QSize(120, 90)},
    {QStringLiteral("CANE"), QSize(100, 100)},
    {QStringLiteral("GATTO"), QSize(90, 120)},
};

// A program whose list holds `parole`, each with its picture, and the puzzle window open.
struct Prova : ProgrammaProva
{
    Prova(unsigned seme, bool scambio, const QStringList &parole) : ProgrammaProva(seme)
    {
        for (const QString &p : parole)
            if (Immagini.contains(p))
                ImmagineSostitutiva(p, Immagini.value(p)).save(cartella.percorso("images0/" + p + ".jpg"), "JPG");
        this->parole(parole);
        f = apri<FinestraPuzzle>(scambio ? IdFinestra::pag1 : IdFinestra::pag2);
        g = f->GiocoPuzzle1;
        g->setAnimato(false);
    }
    QStringList segnati() const
    {
        QStringList out;
        for (QAction *a : f->m1)
            if (a->isChecked())
                out.append(a->text());
        return out;
    }
    FinestraPuzzle *f;
    GiocoPuzzle *g;
};

// What the control's shuffle gives from this state of the generator.
Pezzi mischia(Casuale &casuale, const GiocoPuzzle *g, int righe, int colonne)
{
    Puzzle p(righe, colonne, g->puzzleascambio());
    p.impostaAspetto(AspettiPezzi(g->picture(), righe, colonne));
    p.mischia(casuale);
    return p.disposizione();
}

const QStringList Tre{QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO")};
} // namespace

// The puzzle control, and the swap and sliding puzzle windows around it.
class TestGiocoPuzzle : public QObject
{
    Q_OBJECT

    std::unique_ptr<Casuale> casuale;
    std::unique_ptr<GiocoPuzzle> gioco;

    // The shown control (300 x 400 pixels), cut as asked, in the given arrangement.
    void prepara(int righe, int colonne, bool scambio, const Pezzi &pezzi)
    {
        gioco->setRighe(righe);
        gioco->setColonne(colonne);
        gioco->setPuzzleascambio(scambio);
        gioco->setPicture(quadri(righe, colonne));
        gioco->Mischia();
        QVERIFY(gioco->disponi(pezzi));
    }
    QPoint centro(int cella) const { return gioco->rettangoloCella(cella).center(); }

private slots:
    void init()
    {
        casuale = std::make_unique<Casuale>(5);
        gioco = std::make_unique<GiocoPuzzle>(*casuale);
        gioco->setAnimato(false);
        gioco->resize(300, 400);
        gioco->show();
        QVERIFY(QTest::qWaitForWindowExposed(gioco.get()));
    }
    void cleanup()
    {
        gioco.reset();
        QVERIFY(finestreVisibili().isEmpty());
    }

    void valoriEGriglia()
    {
        QCOMPARE(gioco->property("righe").toInt(), 3);
        QCOMPARE(gioco->property("colonne").toInt(), 3);
        QCOMPARE(gioco->property("spessorelinea").toInt(), 2);
        QCOMPARE(gioco->property("puzzleascambio").toBool(), false);
        gioco->setSpessorelinea(-4);
        QCOMPARE(gioco->spessorelinea(), 0);
        gioco->setSpessorelinea(2);

        // The grid is cut only by the shuffle.
        gioco->setRighe(4);
        QCOMPARE(gioco->stato().righe(), 3);
        gioco->setRighe(3);
        gioco->Mischia();
        QVERIFY(!gioco->risolto());
        // 300 x 400: the middle cell spans x 100..199, y 133..265, and a line
        // of 2 pixels takes one pixel from each side of every inner border.
        QCOMPARE(gioco->rettangoloCella(4), QRect(100, 133, 100, 133));
        QCOMPARE(gioco->rettangoloPezzo(4), QRect(101, 134, 98, 131));
        QCOMPARE(gioco->rettangoloPezzo(8), QRect(201, 267, 99, 133));
        QCOMPARE(gioco->cellaIn(QPoint(199, 265)), 4);
        QCOMPARE(gioco->cellaIn(QPoint(200, 266)), 8);
        QCOMPARE(gioco->cellaIn(QPoint(300, 5)), -1);
    }

    void disegnoEScala()
    {
        prepara(2, 2, true, {3, 2, 1, 0});
        QCOMPARE(gioco->immagineScalata().size(), QSize(300, 400));
        const qint64 chiave = gioco->immagineScalata().cacheKey();
        const QImage schermo = gioco->grab().toImage();
        for (int c = 0; c < 4; ++c)
            QVERIFY(simile(schermo.pixelColor(centro(c)), coloreCella(3 - c)));
        QVERIFY(vassoio(schermo.pixelColor(150, 50)));
        QVERIFY(vassoio(schermo.pixelColor(100, 200)));
        // Painting again does not scale the picture again; a new size does.
        gioco->repaint();
        QCOMPARE(gioco->immagineScalata().cacheKey(), chiave);
        gioco->resize(600, 300);
        QCOMPARE(gioco->immagineScalata().size(), QSize(600, 300));
        QCOMPARE(gioco->rettangoloCella(3), QRect(300, 150, 300, 150));
        tocca(gioco.get(), QPoint(590, 290));
        QCOMPARE(gioco->selezionata(), 3);

        // Finished: the whole picture, no lines.
        QVERIFY(gioco->disponi({0, 1, 2, 3}));
        const QImage intera = gioco->grab().toImage();
        for (const QPoint &p : {QPoint(299, 75), QPoint(300, 75), QPoint(150, 149), QPoint(150, 150)})
            QVERIFY(!vassoio(intera.pixelColor(p)));
    }

    void scambioConTocchi()
    {
        prepara(2, 2, true, {1, 0, 3, 2});
        QSignalSpy mosse(gioco.get(), &GiocoPuzzle::pezziMossi);
        tocca(gioco.get(), centro(0));
        QCOMPARE(gioco->selezionata(), 0);
        tocca(gioco.get(), centro(0)); // the same piece again puts it down
        QCOMPARE(gioco->selezionata(), -1);
        tocca(gioco.get(), centro(1));
        tocca(gioco.get(), centro(0));
        QCOMPARE(gioco->stato().disposizione(), (Pezzi{0, 1, 3, 2}));
        QCOMPARE(gioco->selezionata(), -1);
        QCOMPARE(mosse.count(), 1);
        // A hand that trembles a little still taps; the right button does nothing.
        invia(gioco.get(), QEvent::MouseButtonPress, centro(3));
        invia(gioco.get(), QEvent::MouseMove, centro(3) + QPoint(3, 2));
        invia(gioco.get(), QEvent::MouseButtonRelease, centro(3) + QPoint(3, 2));
        QCOMPARE(gioco->selezionata(), 3);
        QTest::mouseClick(gioco.get(), Qt::RightButton, Qt::NoModifier, centro(2));
        QCOMPARE(gioco->selezionata(), 3);
    }

    void scambioTrascinando()
    {
        const Pezzi inizio{8, 1, 2, 4, 3, 5, 6, 7, 0};
        prepara(3, 3, true, inizio);
        trascina(gioco.get(), centro(0), centro(0) + QPoint(10, 30)); // back where it started
        trascina(gioco.get(), centro(0), QPoint(320, 450));           // outside
        QCOMPARE(gioco->stato().disposizione(), inizio);
        // A piece picked with a tap, then another dragged: the drag wins.
        tocca(gioco.get(), centro(1));
        trascina(gioco.get(), centro(4), centro(3));
        QCOMPARE(gioco->selezionata(), -1);
        QCOMPARE(gioco->stato().disposizione(), (Pezzi{8, 1, 2, 3, 4, 5, 6, 7, 0}));

        QSignalSpy fatto(gioco.get(), &GiocoPuzzle::completato);
        trascina(gioco.get(), centro(8), centro(0));
        QVERIFY(gioco->risolto());
        QCOMPARE(fatto.count(), 1);
        // A finished puzzle takes no more moves.
        trascina(gioco.get(), centro(1), centro(2));
        tocca(gioco.get(), centro(5));
        QVERIFY(gioco->risolto());
        QCOMPARE(gioco->selezionata(), -1);
    }

    void scorrimenti_data()
    {
        QTest::addColumn<int>("cella");
        QTest::addColumn<QPoint>("spinta"); // (0, 0): a tap
        QTest::addColumn<Pezzi>("dopo");
        // Gap (8) at the top left:  8 0 1 / 3 4 2 / 6 7 5
        const Pezzi fermo{8, 0, 1, 3, 4, 2, 6, 7, 5};
        QTest::newRow("tap the neighbour") << 1 << QPoint() << Pezzi{0, 8, 1, 3, 4, 2, 6, 7, 5};
        QTest::newRow("tap the end of the row") << 2 << QPoint() << Pezzi{0, 1, 8, 3, 4, 2, 6, 7, 5};
        QTest::newRow("tap the end of the column") << 6 << QPoint() << Pezzi{3, 0, 1, 6, 4, 2, 8, 7, 5};
        QTest::newRow("tap out of line") << 4 << QPoint() << fermo;
        QTest::newRow("drag a whole cell") << 1 << QPoint(-100, 0) << Pezzi{0, 8, 1, 3, 4, 2, 6, 7, 5};
        QTest::newRow("drag half way, a run") << 2 << QPoint(-50, 5) << Pezzi{0, 1, 8, 3, 4, 2, 6, 7, 5};
        QTest::newRow("drag a fifth of the way") << 1 << QPoint(-20, 0) << fermo;
        QTest::newRow("drag away from the gap") << 1 << QPoint(60, 0) << fermo;
        QTest::newRow("drag across") << 3 << QPoint(50, 0) << fermo;
    }
    void scorrimenti()
    {
        QFETCH(int, cella);
        QFETCH(QPoint, spinta);
        QFETCH(Pezzi, dopo);
        prepara(3, 3, false, {8, 0, 1, 3, 4, 2, 6, 7, 5});
        if (spinta.isNull())
            tocca(gioco.get(), centro(cella));
        else
            trascina(gioco.get(), centro(cella), centro(cella) + spinta);
        QCOMPARE(gioco->stato().disposizione(), dopo);
        QCOMPARE(gioco->selezionata(), -1);
    }

    void scorrimentoFinale()
    {
        prepara(2, 2, false, {0, 3, 2, 1});
        QSignalSpy fatto(gioco.get(), &GiocoPuzzle::completato);
        trascina(gioco.get(), centro(3), centro(1));
        QVERIFY(gioco->risolto());
        QCOMPARE(fatto.count(), 1);
        // Finished, the missing piece is back, without lines.
        QVERIFY(!gioco->animazioneInCorso());
        const QImage intera = gioco->grab().toImage();
        QVERIFY(simile(intera.pixelColor(225, 300), coloreCella(3)));
        QVERIFY(!vassoio(intera.pixelColor(150, 300)));
    }

    void conUnDito()
    {
        QPointingDevice *dito = QTest::createTouchDevice();
        auto tap = [&](QPoint p) {
            QTest::touchEvent(gioco.get(), dito).press(0, p, gioco.get());
            QTest::touchEvent(gioco.get(), dito).release(0, p, gioco.get());
        };
        prepara(2, 2, true, {1, 0, 2, 3});
        tap(centro(0));
        QTRY_COMPARE(gioco->selezionata(), 0);
        tap(centro(1));
        QTRY_VERIFY(gioco->risolto());

        prepara(2, 2, false, {0, 1, 3, 2});
        QTest::touchEvent(gioco.get(), dito).press(0, centro(3), gioco.get());
        for (int i = 1; i <= 6; ++i)
            QTest::touchEvent(gioco.get(), dito).move(0, centro(3) + (centro(2) - centro(3)) * i / 6, gioco.get());
        QTest::touchEvent(gioco.get(), dito).release(0, centro(2), gioco.get());
        QTRY_VERIFY(gioco->risolto());
    }

    void aspettiDeiPezzi_data()
    {
        QTest::addColumn<QImage>("immagine");
        QTest::addColumn<Pezzi>("attesi");
        QImage bianca(200, 200, QImage::Format_RGB32);
        bianca.fill(Qt::white);
        QImage angolo = bianca, punto = bianca;
        QPainter(&angolo).fillRect(100, 100, 100, 100, Qt::red);
        QPainter(&punto).fillRect(30, 30, 12, 12, Qt::black);
        QByteArray jpeg;
        QBuffer buf(&jpeg);
        buf.open(QIODevice::WriteOnly);
        angolo.save(&buf, "JPG", 40);
        QTest::newRow("all white") << bianca << Pezzi{0, 0, 0, 0};
        QTest::newRow("all different") << quadri(2, 2) << Pezzi{0, 1, 2, 3};
        QTest::newRow("one coloured corner") << angolo << Pezzi{0, 0, 0, 3};
        QTest::newRow("a small dot") << punto << Pezzi{0, 1, 1, 1};
        QTest::newRow("jpeg noise") << QImage::fromData(jpeg, "JPG") << Pezzi{0, 0, 0, 3};
        QTest::newRow("no picture") << QImage() << Pezzi{0, 1, 2, 3};
        QTest::newRow("the stand-in") << ImmagineSostitutiva(QString()) << Pezzi{0, 1, 2, 3};
    }
    void aspettiDeiPezzi()
    {
        QFETCH(QImage, immagine);
        QFETCH(Pezzi, attesi);
        QCOMPARE(AspettiPezzi(immagine, 2, 2), attesi);
    }

    void pezziUgualiAPosto()
    {
        // Three white pieces and a red one: the white ones may stand anywhere.
        QImage img(200, 200, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter(&img).fillRect(100, 100, 100, 100, Qt::red);
        gioco->setRighe(2);
        gioco->setColonne(2);
        gioco->setPuzzleascambio(true);
        gioco->setPicture(img);
        gioco->Mischia();
        QVERIFY(gioco->disponi({3, 1, 2, 0}));
        trascina(gioco.get(), centro(3), centro(0));
        QVERIFY(gioco->risolto());
    }

    void apertura_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::newRow("pag1") << true << 3 << 3;
        QTest::newRow("pag2") << false << 4 << 3;
    }
    void apertura()
    {
        QFETCH(bool, scambio);
        QFETCH(int, righe);
        QFETCH(int, colonne);
        Casuale replica(21);
        Prova t(21, scambio, Tre);
        QCOMPARE(t.f->findChild<GiocoPuzzle *>(QStringLiteral("GiocoPuzzle1")), t.g);
        QCOMPARE(t.g->puzzleascambio(), scambio);
        QCOMPARE(t.g->spessorelinea(), 2);
        QCOMPARE(t.segnati(), QStringList{QStringLiteral("impegnativo")});
        QCOMPARE(t.g->stato().righe(), righe);
        QCOMPARE(t.g->stato().colonne(), colonne);
        QVERIFY(!t.g->risolto());

        // One draw, a shuffle on the design grid of 3 by 3, then the level's shuffle.
        const int estratto = replica.posizione(3);
        QCOMPARE(int(t.f->Estratto), estratto);
        QCOMPARE(t.g->picture().size(), Immagini.value(Tre[estratto - 1]));
        QCOMPARE(t.f->ImmagineModello->immagine(), t.g->picture());
        mischia(replica, t.g, 3, 3);
        QCOMPARE(t.g->stato().disposizione(), mischia(replica, t.g, righe, colonne));

        QCOMPARE(t.f->palette().color(QPalette::Window), QColor(0, 0, 192));
        QVERIFY(t.g->width() > Finestra::twip(5040)); // scaled with the full-screen window
        QCOMPARE(t.g->immagineScalata().size(), t.g->size());
    }

    void livelli_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::newRow("pag1 molto facile") << true << 0 << 2 << 2;
        QTest::newRow("pag2 facile") << false << 1 << 3 << 2;
        QTest::newRow("pag2 impegnativo") << false << 2 << 4 << 3;
        QTest::newRow("pag1 difficilissimo") << true << 4 << 4 << 5;
    }
    void livelli()
    {
        QFETCH(bool, scambio);
        QFETCH(int, indice);
        QFETCH(int, righe);
        QFETCH(int, colonne);
        Prova t(indice + 3, scambio, Tre);
        const QImage immagine = t.g->picture();
        const qint16 estratto = t.f->Estratto;
        // Twice: choosing the level already checked shuffles the same picture again.
        for (int volta = 0; volta < 2; ++volta) {
            Casuale replica = t.casuale;
            t.f->m1[static_cast<size_t>(indice)]->trigger();
            QCOMPARE(t.segnati(), QStringList{t.f->m1[static_cast<size_t>(indice)]->text()});
            QCOMPARE(t.g->righe(), righe);
            QCOMPARE(t.g->colonne(), colonne);
            QCOMPARE(t.g->picture(), immagine);
            QCOMPARE(t.f->Estratto, estratto);
            QCOMPARE(t.g->stato().disposizione(), mischia(replica, t.g, righe, colonne));
        }
    }

    void giocaAncora_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<QStringList>("parole");
        QTest::newRow("pag1, one word") << true << QStringList{QStringLiteral("GATTO")};
        QTest::newRow("pag2, one word") << false << QStringList{QStringLiteral("GATTO")};
        QTest::newRow("pag1, three words") << true << Tre;
    }
    void giocaAncora()
    {
        QFETCH(bool, scambio);
        QFETCH(QStringList, parole);
        Prova t(4, scambio, parole);
        t.f->m1[0]->trigger();
        QSet<int> visti;
        for (int volta = 0; volta < 20; ++volta) {
            Casuale replica = t.casuale;
            t.f->mnuancora->trigger();
            // A new draw and its picture, the level kept, two shuffles.
            const int estratto = replica.posizione(int(parole.size()));
            QCOMPARE(int(t.f->Estratto), estratto);
            QCOMPARE(t.g->picture().size(), Immagini.value(parole[estratto - 1]));
            QCOMPARE(t.f->ImmagineModello->immagine(), t.g->picture());
            QCOMPARE(t.segnati(), QStringList{QStringLiteral("molto facile")});
            mischia(replica, t.g, 2, 2);
            QCOMPARE(t.g->stato().disposizione(), mischia(replica, t.g, 2, 2));
            visti.insert(estratto);
        }
        QCOMPARE(visti.size(), parole.size());
    }

    void informazioniEUscita_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<bool>("chiusura"); // the window manager's close instead of "Esci"
        QTest::newRow("pag1 Esci") << true << false;
        QTest::newRow("pag2 Esci") << false << false;
        QTest::newRow("pag2 close request") << false << true;
    }
    void informazioniEUscita()
    {
        QFETCH(bool, scambio);
        QFETCH(bool, chiusura);
        Prova t(12, scambio, Tre);
        const IdFinestra id = scambio ? IdFinestra::pag1 : IdFinestra::pag2;
        t.stato.Esatti = 4;
        t.stato.Errati = 2;
        const Pezzi prima = t.g->stato().disposizione();
        const QImage immagine = t.g->picture();
        auto esci = [&] { chiusura ? void(t.f->close()) : t.f->mnuEsci->trigger(); };

        t.f->Informazioni->trigger();
        t.dialoghi.risposte = {Dialoghi::Risposta::No};
        esci();
        QTRY_COMPARE(t.dialoghi.chiamate.size(), 2);
        const auto crediti = t.dialoghi.chiamate[0], domanda = t.dialoghi.chiamate[1];
        QCOMPARE(crediti.icona, Dialoghi::Icona::Informazione);
        QCOMPARE(crediti.testo, TestoCrediti());
        QCOMPARE(domanda.testo, QString::fromUtf8("Vuoi tornare al menù?"));
        QCOMPARE(domanda.titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(domanda.icona, Dialoghi::Icona::Domanda);
        QCOMPARE(domanda.pulsanti, Dialoghi::Pulsanti::SiNo);
        svuotaEventi();
        // Neither changed the picture, the pieces or the level.
        QVERIFY(t.f->isVisible());
        QCOMPARE(t.g->stato().disposizione(), prima);
        QCOMPARE(t.g->picture(), immagine);
        QCOMPARE(t.segnati(), QStringList{QStringLiteral("impegnativo")});
        QCOMPARE(t.stato.Esatti, 4);

        t.dialoghi.risposte = {Dialoghi::Risposta::Si};
        esci();
        QTRY_VERIFY(!t.gestore->finestra(id));
        QVERIFY(t.gestore->finestra(IdFinestra::FormMenu));
        QCOMPARE(finestreVisibili().size(), 1);
        QCOMPARE(t.stato.Esatti, 0);
        QCOMPARE(t.stato.Errati, 0);
    }

    void senzaImmagineOSenzaParole()
    {
        // No file, or a file that is no picture: a stand-in with the word, still
        // a puzzle to play, and no box for the child. An empty list does not stop it.
        Prova t(9, false, {QStringLiteral("ZEBRA")});
        QCOMPARE(t.g->picture(), ImmagineSostitutiva(QStringLiteral("ZEBRA")));
        QVERIFY(!t.g->risolto());
        t.cartella.scrivi(QStringLiteral("images0/ZEBRA.jpg"), QByteArray("not a picture"));
        t.f->mnuancora->trigger();
        QCOMPARE(t.g->picture(), ImmagineSostitutiva(QStringLiteral("ZEBRA")));
        t.parole({});
        t.f->mnuancora->trigger();
        QCOMPARE(int(t.f->Estratto), 0);
        QVERIFY(!t.g->picture().isNull());
        QVERIFY(!t.g->risolto());
        QVERIFY(t.dialoghi.chiamate.isEmpty());
    }
};

QTEST_MAIN(TestGiocoPuzzle)
#include "tst_giocopuzzle.moc"
