#include "core/avvio.h"
#include "tests/support/provefinestre.h"
#include "windows/menu/formmenu.h"
#include "windows/puzzles/giocopuzzle.h"
#include "windows/puzzles/modellopuzzle.h"
#include "windows/puzzles/pag1.h"
#include "windows/puzzles/pag2.h"

#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using Pezzi = std::vector<int>;

namespace {
// Each word's picture has a size of its own: the size shown tells which word was drawn.
const QMap<QString, QSize> kImmagini{
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
            if (kImmagini.contains(p))
                ImmagineSostitutiva(p, kImmagini.value(p)).save(cartella.percorso("images0/" + p + ".jpg"), "JPG");
        this->parole(parole);
        f = apri<FinestraPuzzle>(scambio ? IdFinestra::pag1 : IdFinestra::pag2);
        g = f->GiocoPuzzle1;
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

const QStringList kTre{QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO")};
} // namespace

class TestFinestrePuzzle : public QObject
{
    Q_OBJECT
private slots:
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
        Casuale replica(21);
        Prova t(21, scambio, kTre);
        QCOMPARE(t.f->findChild<GiocoPuzzle *>(QStringLiteral("GiocoPuzzle1")), t.g);
        QCOMPARE(t.g->puzzleascambio(), scambio);
        QCOMPARE(t.g->spessorelinea(), 2);
        QCOMPARE(t.segnati(), QStringList{QStringLiteral("impegnativo")});
        QCOMPARE(t.g->stato().righe(), righe);
        QCOMPARE(t.g->stato().colonne(), colonne);
        QVERIFY(!t.g->risolto());

        // One draw, a shuffle on the design grid of 3 by 3, then the level's shuffle.
        const int estratto = replica.posizione(3);
        QCOMPARE(int(t.stato.Estratto), estratto);
        QCOMPARE(t.g->picture().size(), kImmagini.value(kTre[estratto - 1]));
        QCOMPARE(t.f->ImmagineModello->immagine(), t.g->picture());
        mischia(replica, t.g, 3, 3);
        QCOMPARE(t.g->stato().disposizione(), mischia(replica, t.g, righe, colonne));

        QCOMPARE(t.f->palette().color(QPalette::Window), QColor(0, 0, 192));
        QVERIFY(t.g->width() > Finestra::twip(5040)); // scaled with the full-screen window
        QCOMPARE(t.g->immagineScalata().size(), t.g->size());
        QStringList barra, livelli;
        for (QAction *a : t.f->menuBar()->actions())
            barra.append(a->text());
        QCOMPARE(barra, (QStringList{QStringLiteral("Gioca ancora     "), QString::fromUtf8("Difficoltà       "), informazioni,
                                     QStringLiteral("Esci")}));
        for (int i = 0; i < FinestraPuzzle::NumeroLivelli; ++i) {
            QAction *a = t.f->findChild<QAction *>(QStringLiteral("m1_%1").arg(i));
            QCOMPARE(a->property("Index").toInt(), i);
            livelli.append(a->text());
        }
        QCOMPARE(livelli, (QStringList{"molto facile", "facile", "impegnativo", "difficile", "difficilissimo"}));
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
        Prova t(indice + 3, scambio, kTre);
        const QImage immagine = t.g->picture();
        const qint16 estratto = t.stato.Estratto;
        // Twice: choosing the level already checked shuffles the same picture again.
        for (int volta = 0; volta < 2; ++volta) {
            Casuale replica = t.casuale;
            t.f->m1[static_cast<size_t>(indice)]->trigger();
            QCOMPARE(t.segnati(), QStringList{t.f->m1[static_cast<size_t>(indice)]->text()});
            QCOMPARE(t.g->righe(), righe);
            QCOMPARE(t.g->colonne(), colonne);
            QCOMPARE(t.g->picture(), immagine);
            QCOMPARE(t.stato.Estratto, estratto);
            QCOMPARE(t.g->stato().disposizione(), mischia(replica, t.g, righe, colonne));
        }
    }

    void giocaAncora_data()
    {
        QTest::addColumn<bool>("scambio");
        QTest::addColumn<QStringList>("parole");
        QTest::newRow("pag1, one word") << true << QStringList{QStringLiteral("GATTO")};
        QTest::newRow("pag2, one word") << false << QStringList{QStringLiteral("GATTO")};
        QTest::newRow("pag1, three words") << true << kTre;
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
            QCOMPARE(int(t.stato.Estratto), estratto);
            QCOMPARE(t.g->picture().size(), kImmagini.value(parole[estratto - 1]));
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
        Prova t(12, scambio, kTre);
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
        QCOMPARE(t.stato.Esatti, qint16(4));

        t.dialoghi.risposte = {Dialoghi::Risposta::Si};
        esci();
        QTRY_VERIFY(!t.gestore->finestra(id));
        QVERIFY(t.gestore->finestra(IdFinestra::FormMenu));
        QCOMPARE(finestreVisibili().size(), 1);
        QCOMPARE(t.stato.Esatti, qint16(0));
        QCOMPARE(t.stato.Errati, qint16(0));
    }

    void dalMenu()
    {
        ProgrammaProva prova(2);
        prova.parole({QStringLiteral("CASA")});
        for (const char *nome : {"SSCommand11", "SSCommand12"}) {
            auto *menu = prova.apri<FormMenu>(IdFinestra::FormMenu);
            clic(menu->findChild<QPushButton *>(QLatin1String(nome)));
            QTRY_VERIFY(!prova.gestore->finestra(IdFinestra::FormMenu));
            const bool scambio = QLatin1String(nome) == QLatin1String("SSCommand11");
            auto *f = prova.gestore->finestra<FinestraPuzzle>(scambio ? IdFinestra::pag1 : IdFinestra::pag2);
            QVERIFY(f && f->isVisible());
            QCOMPARE(f->GiocoPuzzle1->puzzleascambio(), scambio);
            f->chiudiSenzaDomande();
            svuotaEventi();
        }
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
        QCOMPARE(int(t.stato.Estratto), 0);
        QVERIFY(!t.g->picture().isNull());
        QVERIFY(!t.g->risolto());
        QVERIFY(t.dialoghi.chiamate.isEmpty());
    }
};

QTEST_MAIN(TestFinestrePuzzle)
#include "tst_finestrepuzzle.moc"
