#include "core/avvio.h"
#include "core/puzzle.h"
#include "tests/support/provefinestre.h"
#include "windows/menu/formmenu.h"
#include "windows/puzzles/giocopuzzle.h"
#include "windows/puzzles/modellopuzzle.h"
#include "windows/puzzles/pag1.h"
#include "windows/puzzles/pag2.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using Pezzi = std::vector<int>;

namespace {
// Each word's picture has a size of its own, so the picture shown tells which word was drawn.
const QMap<QString, QSize> kImmagini{
    {QStringLiteral("CASA"), QSize(120, 90)},
    {QStringLiteral("CANE"), QSize(100, 100)},
    {QStringLiteral("GATTO"), QSize(90, 120)},
};

void creaImmagini(CartellaProva &cartella)
{
    for (auto it = kImmagini.begin(); it != kImmagini.end(); ++it)
        QVERIFY(ImmagineSostitutiva(it.key(), it.value()).save(cartella.percorso(QStringLiteral("images0/%1.jpg").arg(it.key())), "JPG"));
}

FinestraPuzzle *apriPuzzle(ProgrammaProva &prova, bool scambio)
{
    return prova.apri<FinestraPuzzle>(scambio ? IdFinestra::pag1 : IdFinestra::pag2);
}

// What a shuffle of the control gives from this generator state.
Pezzi mischiaAttesa(Casuale &casuale, const QImage &immagine, int righe, int colonne, bool scambio)
{
    Puzzle p(righe, colonne, scambio);
    p.impostaAspetto(AspettiPezzi(immagine, righe, colonne));
    p.mischia(casuale);
    return p.disposizione();
}

QStringList segnati(const FinestraPuzzle *f)
{
    QStringList out;
    for (QAction *a : f->m1)
        if (a->isChecked())
            out.append(a->text());
    return out;
}
} // namespace

class TestFinestrePuzzle : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void apertura_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("informazioni");
        QTest::newRow("pag1") << true << 3 << 3 << QStringLiteral("Informazioni     ");
        QTest::newRow("pag2") << false << 4 << 3 << QStringLiteral("Informazioni    ");
    }
    void apertura()
    {
        QFETCH(bool, scambio);
        QFETCH(int, righe);
        QFETCH(int, colonne);
        QFETCH(QString, informazioni);
        ProgrammaProva prova(21);
        creaImmagini(prova.cartella);
        prova.parole({QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO")});
        Casuale replica = prova.casuale;

        FinestraPuzzle *f = apriPuzzle(prova, scambio);
        QVERIFY(f);
        QCOMPARE(scambio, qobject_cast<pag1 *>(f) != nullptr);
        QCOMPARE(!scambio, qobject_cast<pag2 *>(f) != nullptr);
        GiocoPuzzle *g = f->findChild<GiocoPuzzle *>(QStringLiteral("GiocoPuzzle1"));
        QCOMPARE(g, f->GiocoPuzzle1);
        QCOMPARE(g->puzzleascambio(), scambio);
        QCOMPARE(g->spessorelinea(), 2);

        // Opened at "impegnativo", with that level's grid, shuffled.
        QCOMPARE(segnati(f), QStringList{QStringLiteral("impegnativo")});
        QCOMPARE(g->righe(), righe);
        QCOMPARE(g->colonne(), colonne);
        QCOMPARE(g->stato().righe(), righe);
        QCOMPARE(g->stato().colonne(), colonne);
        QVERIFY(!g->risolto());

        // One draw, a shuffle on the design grid of 3 by 3, then the level's shuffle.
        const int estratto = replica.posizione(3);
        QCOMPARE(int(prova.stato.Estratto), estratto);
        const QString parola = prova.stato.Parole[static_cast<size_t>(estratto)];
        QCOMPARE(g->picture().size(), kImmagini.value(parola));
        mischiaAttesa(replica, g->picture(), 3, 3, scambio);
        QCOMPARE(g->stato().disposizione(), mischiaAttesa(replica, g->picture(), righe, colonne, scambio));
        QCOMPARE(f->ImmagineModello->immagine(), g->picture());

        // Dark blue, and the control follows the full-screen window.
        QCOMPARE(f->palette().color(QPalette::Window), QColor(0, 0, 192));
        QCOMPARE(g->immagineScalata().size(), g->size());
        QVERIFY(g->width() > Finestra::twip(5040));

        // The menus, in order, with their captions.
        QStringList barra;
        for (QAction *a : f->menuBar()->actions())
            barra.append(a->text());
        QCOMPARE(barra, (QStringList{QStringLiteral("Gioca ancora     "), QString::fromUtf8("Difficoltà       "), informazioni,
                                     QStringLiteral("Esci")}));
        QStringList livelli;
        for (int i = 0; i < FinestraPuzzle::NumeroLivelli; ++i) {
            QAction *a = f->findChild<QAction *>(QStringLiteral("m1_%1").arg(i));
            QCOMPARE(a, f->m1[static_cast<size_t>(i)]);
            QCOMPARE(a->property("Index").toInt(), i);
            livelli.append(a->text());
        }
        QCOMPARE(livelli, (QStringList{QStringLiteral("molto facile"), QStringLiteral("facile"), QStringLiteral("impegnativo"),
                                       QStringLiteral("difficile"), QStringLiteral("difficilissimo")}));
        QVERIFY(prova.dialoghi.chiamate.isEmpty());
    }

    void livelli_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("colonne");
        const int scambio[5][2] = {{2, 2}, {3, 2}, {3, 3}, {4, 4}, {4, 5}};
        const int scivolamento[5][2] = {{2, 2}, {3, 2}, {4, 3}, {4, 4}, {4, 5}};
        for (int i = 0; i < 5; ++i) {
            QTest::addRow("pag1 level %d", i) << true << i << scambio[i][0] << scambio[i][1];
            QTest::addRow("pag2 level %d", i) << false << i << scivolamento[i][0] << scivolamento[i][1];
        }
    }
    void livelli()
    {
        QFETCH(bool, scambio);
        QFETCH(int, indice);
        QFETCH(int, righe);
        QFETCH(int, colonne);
        ProgrammaProva prova(indice + 3);
        creaImmagini(prova.cartella);
        prova.parole({QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO")});
        FinestraPuzzle *f = apriPuzzle(prova, scambio);
        const QImage immagine = f->GiocoPuzzle1->picture();
        const qint16 estratto = prova.stato.Estratto;
        Casuale replica = prova.casuale;

        f->m1[static_cast<size_t>(indice)]->trigger();
        QCOMPARE(segnati(f), QStringList{f->m1[static_cast<size_t>(indice)]->text()});
        GiocoPuzzle *g = f->GiocoPuzzle1;
        QCOMPARE(g->righe(), righe);
        QCOMPARE(g->colonne(), colonne);
        QCOMPARE(g->stato().celle(), righe * colonne);
        QVERIFY(!g->risolto());
        // The same picture, cut again and shuffled once.
        QCOMPARE(g->picture(), immagine);
        QCOMPARE(prova.stato.Estratto, estratto);
        QCOMPARE(g->stato().disposizione(), mischiaAttesa(replica, immagine, righe, colonne, scambio));
    }

    void stessoLivelloMescolaAncora()
    {
        ProgrammaProva prova(8);
        creaImmagini(prova.cartella);
        prova.parole({QStringLiteral("CASA"), QStringLiteral("CANE")});
        FinestraPuzzle *f = apriPuzzle(prova, false);
        const QImage immagine = f->GiocoPuzzle1->picture();
        for (int volta = 0; volta < 3; ++volta) {
            Casuale replica = prova.casuale;
            f->m1[2]->trigger();
            QCOMPARE(segnati(f), QStringList{QStringLiteral("impegnativo")});
            QCOMPARE(f->GiocoPuzzle1->picture(), immagine);
            QCOMPARE(f->GiocoPuzzle1->stato().disposizione(), mischiaAttesa(replica, immagine, 4, 3, false));
        }
    }

    void giocaAncoraConUnaParola_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::newRow("pag1") << true;
        QTest::newRow("pag2") << false;
    }
    void giocaAncoraConUnaParola()
    {
        QFETCH(bool, scambio);
        ProgrammaProva prova(4);
        creaImmagini(prova.cartella);
        prova.parole({QStringLiteral("GATTO")});
        FinestraPuzzle *f = apriPuzzle(prova, scambio);
        f->m1[0]->trigger();
        GiocoPuzzle *g = f->GiocoPuzzle1;
        Casuale replica = prova.casuale;

        f->mnuancora->trigger();
        // The same picture again, the level and grid kept, shuffled twice.
        QCOMPARE(int(prova.stato.Estratto), 1);
        QCOMPARE(g->picture().size(), kImmagini.value(QStringLiteral("GATTO")));
        QCOMPARE(segnati(f), QStringList{QStringLiteral("molto facile")});
        QCOMPARE(g->stato().righe(), 2);
        QCOMPARE(g->stato().colonne(), 2);
        QVERIFY(!g->risolto());
        QCOMPARE(replica.posizione(1), 1);
        mischiaAttesa(replica, g->picture(), 2, 2, scambio);
        QCOMPARE(g->stato().disposizione(), mischiaAttesa(replica, g->picture(), 2, 2, scambio));
    }

    void giocaAncoraCambiaImmagine()
    {
        ProgrammaProva prova(17);
        creaImmagini(prova.cartella);
        prova.parole({QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO")});
        FinestraPuzzle *f = apriPuzzle(prova, true);
        QSet<int> visti;
        for (int volta = 0; volta < 25; ++volta) {
            Casuale replica = prova.casuale;
            f->mnuancora->trigger();
            const int estratto = replica.posizione(3);
            QCOMPARE(int(prova.stato.Estratto), estratto);
            const QString parola = prova.stato.Parole[static_cast<size_t>(estratto)];
            QCOMPARE(f->GiocoPuzzle1->picture().size(), kImmagini.value(parola));
            QCOMPARE(f->ImmagineModello->immagine(), f->GiocoPuzzle1->picture());
            QCOMPARE(f->GiocoPuzzle1->stato().celle(), 9);
            visti.insert(estratto);
        }
        QCOMPARE(visti.size(), 3);
    }

    void informazioniNonCambiaNulla()
    {
        ProgrammaProva prova(6);
        creaImmagini(prova.cartella);
        prova.parole({QStringLiteral("CASA"), QStringLiteral("CANE")});
        FinestraPuzzle *f = apriPuzzle(prova, true);
        const Pezzi prima = f->GiocoPuzzle1->stato().disposizione();
        const QImage immagine = f->GiocoPuzzle1->picture();

        f->Informazioni->trigger();
        QCOMPARE(prova.dialoghi.chiamate.size(), 1);
        const FakeDialoghi::Chiamata c = prova.dialoghi.chiamate.first();
        QCOMPARE(c.icona, Dialoghi::Icona::Informazione);
        QCOMPARE(c.titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(c.testo, TestoCrediti());
        QCOMPARE(f->GiocoPuzzle1->stato().disposizione(), prima);
        QCOMPARE(f->GiocoPuzzle1->picture(), immagine);
        QCOMPARE(segnati(f), QStringList{QStringLiteral("impegnativo")});
    }

    void esci_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<bool>("daFinestra"); // the window manager's close button instead of the menu
        QTest::newRow("pag1 menu") << true << false;
        QTest::newRow("pag2 menu") << false << false;
        QTest::newRow("pag1 close button") << true << true;
    }
    void esci()
    {
        QFETCH(bool, scambio);
        QFETCH(bool, daFinestra);
        ProgrammaProva prova(12);
        creaImmagini(prova.cartella);
        prova.parole({QStringLiteral("CASA"), QStringLiteral("CANE")});
        const IdFinestra id = scambio ? IdFinestra::pag1 : IdFinestra::pag2;
        FinestraPuzzle *f = apriPuzzle(prova, scambio);
        prova.stato.Esatti = 4;
        prova.stato.Errati = 2;
        const Pezzi prima = f->GiocoPuzzle1->stato().disposizione();
        auto esci = [&] {
            if (daFinestra)
                f->close();
            else
                f->mnuEsci->trigger();
        };

        prova.dialoghi.risposte = {Dialoghi::Risposta::No};
        esci();
        QTRY_COMPARE(prova.dialoghi.chiamate.size(), 1);
        const FakeDialoghi::Chiamata c = prova.dialoghi.chiamate.first();
        QCOMPARE(c.testo, QString::fromUtf8("Vuoi tornare al menù?"));
        QCOMPARE(c.titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(c.icona, Dialoghi::Icona::Domanda);
        QCOMPARE(c.pulsanti, Dialoghi::Pulsanti::SiNo);
        svuotaEventi();
        QCOMPARE(prova.gestore->finestra(id), f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->GiocoPuzzle1->stato().disposizione(), prima);
        QCOMPARE(prova.stato.Esatti, qint16(4));

        prova.dialoghi.risposte = {Dialoghi::Risposta::Si};
        esci();
        QTRY_VERIFY(!prova.gestore->finestra(id));
        QCOMPARE(prova.dialoghi.chiamate.size(), 2);
        QVERIFY(prova.gestore->finestra(IdFinestra::FormMenu));
        QCOMPARE(prova.stato.Esatti, qint16(0));
        QCOMPARE(prova.stato.Errati, qint16(0));
        QCOMPARE(finestreVisibili().size(), 1);
    }

    void dalMenu_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::newRow("Puzzle a scambio") << true;
        QTest::newRow("Puzzle a scivolamento") << false;
    }
    void dalMenu()
    {
        QFETCH(bool, scambio);
        ProgrammaProva prova(2);
        creaImmagini(prova.cartella);
        prova.parole({QStringLiteral("CASA")});
        auto *menu = prova.apri<FormMenu>(IdFinestra::FormMenu);
        const IdFinestra id = scambio ? IdFinestra::pag1 : IdFinestra::pag2;
        QPushButton *b = menu->findChild<QPushButton *>(scambio ? QStringLiteral("SSCommand11") : QStringLiteral("SSCommand12"));
        QVERIFY(b);
        clic(b);
        QTRY_VERIFY(!prova.gestore->finestra(IdFinestra::FormMenu));
        auto *f = prova.gestore->finestra<FinestraPuzzle>(id);
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->GiocoPuzzle1->puzzleascambio(), scambio);
        QCOMPARE(f->GiocoPuzzle1->picture().size(), kImmagini.value(QStringLiteral("CASA")));
    }

    void parolaSenzaImmagine()
    {
        // No file for the word, and a file that is not a picture: a stand-in
        // with the word, still a puzzle to play, and no box for the child.
        ProgrammaProva prova(9);
        prova.cartella.scrivi(QStringLiteral("images0/ROTTO.jpg"), QByteArray("not a picture"));
        for (const QString &parola : {QStringLiteral("ZEBRA"), QStringLiteral("ROTTO")}) {
            prova.parole({parola});
            FinestraPuzzle *f = apriPuzzle(prova, false);
            QCOMPARE(f->GiocoPuzzle1->picture(), ImmagineSostitutiva(parola));
            QVERIFY(!f->GiocoPuzzle1->risolto());
            QVERIFY(prova.dialoghi.chiamate.isEmpty());
            f->chiudiSenzaDomande();
            svuotaEventi();
        }
    }

    void listaVuota()
    {
        ProgrammaProva prova(9);
        prova.parole({});
        FinestraPuzzle *f = apriPuzzle(prova, true);
        QCOMPARE(int(prova.stato.Estratto), 0);
        QVERIFY(!f->GiocoPuzzle1->picture().isNull());
        f->mnuancora->trigger();
        QVERIFY(!f->GiocoPuzzle1->risolto());
    }
};

QTEST_MAIN(TestFinestrePuzzle)
#include "tst_finestrepuzzle.moc"
