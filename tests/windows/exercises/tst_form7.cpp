#include "tests/windows/exercises/tst_trascina_aiuti.h"
#include "core/paroleliste.h"
#include "windows/exercises/form7.h"

#include <QAbstractButton>
#include <QSignalSpy>

using namespace prove;

// Two names dragged under two pictures.
class TestForm7 : public QObject
{
    Q_OBJECT

    static const QStringList &parole()
    {
        static const QStringList p{QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO"),
                                   QStringLiteral("MELA")};
        return p;
    }

    static Form7 *apri(ProgrammaProva &p, const QStringList &lista = parole())
    {
        p.parole(lista);
        p.cartella.creaImmagini(lista);
        return p.apri<Form7>(IdFinestra::Form7);
    }

    // Everything a drop that changes nothing must leave as it was.
    struct Istantanea
    {
        QStringList testi;
        QList<QRect> posti;
        QList<bool> abilitati;
        bool si, no, avanti;
        QString esatti, errati;
        int suoni;
        qint16 fatte;

        explicit Istantanea(ProgrammaProva &p, FormTrascinamento *f)
        {
            for (int i = 0; i < f->coppie(); ++i) {
                testi << nome(f, i)->text() << riquadro(f, i)->text();
                posti << nome(f, i)->geometry();
                abilitati << nome(f, i)->isEnabled();
            }
            testi << riquadro(f, f->coppie())->text();
            si = visibile(f, "ComandoIconaSi");
            no = visibile(f, "ComandoIconaNo");
            avanti = f->findChild<QAbstractButton *>(QStringLiteral("Command1"))->isEnabled();
            esatti = testo(f, "EtichettaEsatti");
            errati = testo(f, "EtichettaErrati");
            suoni = p.suoni.suonati.size();
            fatte = f->CoppieFatte();
        }
        bool operator==(const Istantanea &o) const
        {
            return testi == o.testi && posti == o.posti && abilitati == o.abilitati && si == o.si && no == o.no
                   && avanti == o.avanti && esatti == o.esatti && errati == o.errati && suoni == o.suoni
                   && fatte == o.fatte;
        }
    };

private slots:
    void apertura()
    {
        ProgrammaProva p;
        Form7 *f = apri(p);
        QVERIFY(f);
        QCOMPARE(f->coppie(), 2);
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 0"));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 0"));
        QVERIFY(visibile(f, "ComandoIconaSi"));
        QVERIFY(!visibile(f, "ComandoIconaNo"));
        QVERIFY(!f->findChild<QAbstractButton *>(QStringLiteral("Command1"))->isEnabled());
        QCOMPARE(f->CoppieFatte(), qint16(0));
        // The "Errati" caption is the third member of the boxes' array.
        QCOMPARE(riquadro(f, 2)->text(), QStringLiteral("Errati"));
        QCOMPARE(riquadro(f, 2)->property("Index").toInt(), 2);
        QCOMPARE(riquadro(f, 2)->font().pointSizeF(), 12.0);
        QVERIFY(!riquadro(f, 3));
        QVERIFY(!nome(f, 2));
        // Names and pictures of the drawn words, boxes empty.
        const qint16 scelte[] = {p.stato.Scelta1, p.stato.Scelta2};
        QVERIFY(scelte[0] != scelte[1]);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(nome(f, i)->text(), p.stato.Parole[scelte[i]]);
            QCOMPARE(nome(f, i)->property("Index").toInt(), i);
            QVERIFY(nome(f, i)->isEnabled());
            QCOMPARE(riquadro(f, i)->text(), QString());
            QCOMPARE(immagine(f, i)->file(), PercorsoImmagine(p.cartella.ambiente(), p.stato.Parole[scelte[i]]));
            QVERIFY(immagine(f, i)->immagineValida());
            QCOMPARE(nome(f, i)->font().pointSizeF(), 27.75);
            QVERIFY(nome(f, i)->font().bold());
            QCOMPARE(nome(f, i)->font().family(), QStringLiteral("Arial"));
            QCOMPARE(riquadro(f, i)->font().pointSizeF(), 27.75);
        }
        // The names stand in the slots of the drawn arrangement.
        QVERIFY(p.stato.Estratto == 0 || p.stato.Estratto == 1);
        QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
        QVERIFY(p.dialoghi.chiamate.isEmpty());
        QVERIFY(p.suoni.suonati.isEmpty());
    }

    void slotDalLayout()
    {
        ProgrammaProva p;
        Form7 *f = apri(p);
        // The slots are those of the laid-out names in design order: the
        // scaled lefts of the design's two names.
        const QSize progetto = f->scalatore()->dimensioneProgetto();
        const double x = double(f->centralWidget()->width()) / progetto.width();
        QCOMPARE(progetto, QSize(Finestra::twip(11265), Finestra::twip(8130)));
        QCOMPARE(f->SinistraPrimoNome(), qRound(Finestra::twip(100) * x));
        QCOMPARE(f->SinistraPrimoNome() + f->DistanzaNomi(), qRound(Finestra::twip(5800) * x));
        // Only the left moves: the names keep their own tops.
        const double y = double(f->centralWidget()->height()) / progetto.height();
        QCOMPARE(nome(f, 0)->y(), qRound(Finestra::twip(4815) * y));
        QCOMPARE(nome(f, 1)->y(), qRound(Finestra::twip(4800) * y));
    }

    void primoEsercizioACaso()
    {
        // Over a few openings both arrangements come up for the first exercise.
        QSet<int> viste;
        for (unsigned seme = 1; seme <= 12; ++seme) {
            ProgrammaProva p(seme);
            Form7 *f = apri(p);
            viste.insert(p.stato.Estratto);
            QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
        }
        QCOMPARE(viste, (QSet<int>{0, 1}));
    }

    void rilascioSbagliato_data()
    {
        QTest::addColumn<int>("nomeTrascinato");
        QTest::addColumn<int>("bersaglio");
        QTest::newRow("name 1 on box 0") << 1 << 0;
        QTest::newRow("name 0 on box 1") << 0 << 1;
        QTest::newRow("name 0 on Errati") << 0 << 2;
        QTest::newRow("name 1 on Errati") << 1 << 2;
    }
    void rilascioSbagliato()
    {
        QFETCH(int, nomeTrascinato);
        QFETCH(int, bersaglio);
        ProgrammaProva p;
        Form7 *f = apri(p);
        const QList<QRect> posti{nome(f, 0)->geometry(), nome(f, 1)->geometry()};
        const QStringList nomi{nome(f, 0)->text(), nome(f, 1)->text()};
        QVERIFY(rilascia(f, nomeTrascinato, bersaglio));
        QVERIFY(!visibile(f, "ComandoIconaSi"));
        QVERIFY(visibile(f, "ComandoIconaNo"));
        QCOMPARE(p.suoni.nomi(), QStringList{QStringLiteral("no.wav")});
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 1"));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 0"));
        QCOMPARE(p.stato.Errati, qint16(1));
        // Nothing moves.
        QCOMPARE((QList<QRect>{nome(f, 0)->geometry(), nome(f, 1)->geometry()}), posti);
        QCOMPARE((QStringList{nome(f, 0)->text(), nome(f, 1)->text()}), nomi);
        QCOMPARE(riquadro(f, 0)->text(), QString());
        QCOMPARE(riquadro(f, 1)->text(), QString());
        QCOMPARE(riquadro(f, 2)->text(), QStringLiteral("Errati"));
        QVERIFY(nome(f, 0)->isEnabled() && nome(f, 1)->isEnabled());
        QCOMPARE(f->CoppieFatte(), qint16(0));
        // The name can be dragged again, and the right box still takes it.
        QVERIFY(rilascia(f, nomeTrascinato, nomeTrascinato));
        QCOMPARE(f->CoppieFatte(), qint16(1));
    }

    void soloIRiquadriPrendonoINomi()
    {
        ProgrammaProva p;
        Form7 *f = apri(p);
        QMimeData dati;
        nome(f, 0)->riempiDati(dati);
        const Istantanea prima(p, f);
        const QList<QWidget *> altrove{immagine(f, 0),
                                       immagine(f, 1),
                                       nome(f, 1),
                                       nome(f, 0),
                                       f->findChild<QLabel *>(QStringLiteral("Label3")),
                                       f->findChild<QWidget *>(QStringLiteral("EtichettaErrati")),
                                       f->centralWidget(),
                                       f};
        for (QWidget *w : altrove) {
            QVERIFY(w);
            QVERIFY2(!w->acceptDrops(), qPrintable(w->objectName()));
            QVERIFY(!rilasciaSu(w, dati));
        }
        QVERIFY(Istantanea(p, f) == prima);
        // A text dragged in from another program is refused by the boxes too.
        QMimeData estraneo;
        estraneo.setText(nome(f, 0)->text());
        QVERIFY(!rilasciaSu(riquadro(f, 0), estraneo));
        QVERIFY(!rilasciaSu(riquadro(f, 2), estraneo));
        QVERIFY(Istantanea(p, f) == prima);
    }

    void rilascioGiustoNonCompleta()
    {
        ProgrammaProva p;
        Form7 *f = apri(p);
        const QString parola = nome(f, 1)->text();
        const QRect posto = nome(f, 1)->geometry();
        // A wrong drop first: the red face stays through a right drop that
        // does not finish the exercise.
        QVERIFY(rilascia(f, 0, 1));
        QVERIFY(rilascia(f, 1, 1));
        QVERIFY(visibile(f, "ComandoIconaNo"));
        QVERIFY(!visibile(f, "ComandoIconaSi"));
        QCOMPARE(p.suoni.nomi().size(), 2);
        QVERIFY(p.suoni.nomi().at(1).startsWith(QLatin1String("si")));
        QCOMPARE(riquadro(f, 1)->text(), parola);
        QCOMPARE(nome(f, 1)->text(), QString());
        QVERIFY(!nome(f, 1)->isEnabled());
        QVERIFY(nome(f, 1)->isVisible());
        QCOMPARE(nome(f, 1)->geometry(), posto);
        QCOMPARE(f->CoppieFatte(), qint16(1));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 0"));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 1"));
        QVERIFY(!f->findChild<QAbstractButton *>(QStringLiteral("Command1"))->isEnabled());

        // The emptied slot cannot be dragged again, nor can an old drag of it count.
        QSignalSpy inizio(nome(f, 1), &NomeTrascinabile::trascinamentoIniziato);
        QTest::mousePress(nome(f, 1), Qt::LeftButton);
        QTest::mouseRelease(nome(f, 1), Qt::LeftButton);
        QCOMPARE(inizio.size(), 0);
        const Istantanea prima(p, f);
        QVERIFY(!rilascia(f, 1, 1));
        QVERIFY(!rilascia(f, 1, 0));
        QVERIFY(Istantanea(p, f) == prima);
    }

    void completaConErrori()
    {
        ProgrammaProva p;
        p.stato.SuoniAttivati = false;
        Form7 *f = apri(p);
        const QString primo = nome(f, 0)->text();
        const QString secondo = nome(f, 1)->text();
        QVERIFY(rilascia(f, 1, 0));
        QVERIFY(rilascia(f, 0, 0));
        QVERIFY(rilascia(f, 1, 2));
        QVERIFY(!f->findChild<QAbstractButton *>(QStringLiteral("Command1"))->isEnabled());
        QVERIFY(rilascia(f, 1, 1));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 1"));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 2"));
        QCOMPARE(p.stato.Esatti, qint16(1));
        QCOMPARE(p.stato.Errati, qint16(2));
        QVERIFY(visibile(f, "ComandoIconaSi"));
        QVERIFY(!visibile(f, "ComandoIconaNo"));
        QVERIFY(f->findChild<QAbstractButton *>(QStringLiteral("Command1"))->isEnabled());
        QCOMPARE(riquadro(f, 0)->text(), primo);
        QCOMPARE(riquadro(f, 1)->text(), secondo);
        QVERIFY(!nome(f, 0)->isEnabled() && !nome(f, 1)->isEnabled());
        // Sounds off: none played.
        QVERIFY(p.suoni.suonati.isEmpty());
        // A drop on "Errati" after the end counts nothing.
        QVERIFY(!rilascia(f, 0, 2));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 2"));
    }

    void avanti()
    {
        ProgrammaProva p;
        Form7 *f = apri(p, {QStringLiteral("CASA"), QStringLiteral("CANE")});
        auto *avanti = f->findChild<QAbstractButton *>(QStringLiteral("Command1"));
        const QPalette::ColorRole sfondo = QPalette::Window;
        QSet<QRgb> colori;
        QSet<int> disposizioni;
        QSet<QString> primiNomi;
        for (int giro = 0; giro < 12; ++giro) {
            colori.insert(f->palette().color(sfondo).rgb());
            disposizioni.insert(p.stato.Estratto);
            primiNomi.insert(nome(f, 0)->text());
            // With as many words as pairs, every exercise shows all of them.
            QCOMPARE((QSet<QString>{nome(f, 0)->text(), nome(f, 1)->text()}),
                     (QSet<QString>{QStringLiteral("CASA"), QStringLiteral("CANE")}));
            QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
            QVERIFY(rilascia(f, 0, 0));
            QVERIFY(rilascia(f, 1, 1));
            QVERIFY(avanti->isEnabled());
            clic(avanti);
            QVERIFY(!avanti->isEnabled());
            QCOMPARE(f->CoppieFatte(), qint16(0));
            QCOMPARE(riquadro(f, 0)->text(), QString());
            QCOMPARE(riquadro(f, 1)->text(), QString());
            QVERIFY(nome(f, 0)->isEnabled() && nome(f, 1)->isEnabled());
            // "avanti" leaves the faces alone.
            QVERIFY(visibile(f, "ComandoIconaSi"));
        }
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 12"));
        QCOMPARE(disposizioni, (QSet<int>{0, 1}));
        QCOMPARE(primiNomi.size(), 2);
        QVERIFY(colori.size() > 1);
    }

    void paroleUgualiInPosizioniDiverse()
    {
        ProgrammaProva p;
        Form7 *f = apri(p, {QStringLiteral("CASA"), QStringLiteral("CASA")});
        QCOMPARE(nome(f, 0)->text(), QStringLiteral("CASA"));
        QCOMPARE(nome(f, 1)->text(), QStringLiteral("CASA"));
        // Each box takes only the name of its own picture.
        QVERIFY(rilascia(f, 1, 0));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 1"));
        QCOMPARE(riquadro(f, 0)->text(), QString());
        QVERIFY(rilascia(f, 0, 0));
        QCOMPARE(riquadro(f, 0)->text(), QStringLiteral("CASA"));
        QVERIFY(nome(f, 1)->isEnabled());
        QVERIFY(!nome(f, 0)->isEnabled());
    }

    void immagineMancante()
    {
        ProgrammaProva p;
        p.parole({QStringLiteral("CASA"), QStringLiteral("NUVOLA")});
        p.cartella.creaImmagini({QStringLiteral("CASA")});
        auto *f = p.apri<Form7>(IdFinestra::Form7);
        QVERIFY(f);
        const int senza = nome(f, 0)->text() == QLatin1String("NUVOLA") ? 0 : 1;
        QVERIFY(!immagine(f, senza)->immagineValida());
        QVERIFY(immagine(f, 1 - senza)->immagineValida());
        // The exercise goes on as usual.
        QVERIFY(rilascia(f, senza, senza));
        QCOMPARE(riquadro(f, senza)->text(), QStringLiteral("NUVOLA"));
    }

    void corsivo()
    {
        ProgrammaProva p;
        p.stato.Carattere = QStringLiteral("corsivo");
        Form7 *f = apri(p, {QStringLiteral("casa"), QStringLiteral("cane")});
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(nome(f, i)->font().family(), QStringLiteral("Indis1"));
            QCOMPARE(riquadro(f, i)->font().family(), QStringLiteral("Indis1"));
            QCOMPARE(nome(f, i)->font().pointSizeF(), 27.75);
        }
        // The "Errati" caption keeps its own type.
        QCOMPARE(riquadro(f, 2)->font().family(), QStringLiteral("Arial"));
    }

    void iNomiSeguonoIlRidimensionamento()
    {
        ProgrammaProva p(5);
        Form7 *f = apri(p);
        QVERIFY(rilascia(f, 0, 0));
        const QList<int> slotPrima = slotDeiNomi(f);
        const int sinistraPrima = f->SinistraPrimoNome();
        const QSize nuova = f->size() / 2;
        f->resize(nuova);
        QTRY_COMPARE(f->size(), nuova);
        QTRY_VERIFY(f->SinistraPrimoNome() != sinistraPrima);
        // Slots taken again from the new layout: the scaled design lefts.
        const QSize progetto = f->scalatore()->dimensioneProgetto();
        const double x = double(f->centralWidget()->width()) / progetto.width();
        QCOMPARE(f->SinistraPrimoNome(), qRound(Finestra::twip(100) * x));
        QCOMPARE(f->SinistraPrimoNome() + f->DistanzaNomi(), qRound(Finestra::twip(5800) * x));
        // Every name, the emptied one too, keeps its slot.
        QCOMPARE(slotDeiNomi(f), slotPrima);
        QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
        QCOMPARE(nome(f, 0)->width(), qRound(Finestra::twip(4995) * x));
    }

    void listaTroppoCorta()
    {
        // The menu refuses the window with fewer than two words; opened all
        // the same, it says why and goes back to the menu instead of hanging.
        ProgrammaProva p;
        p.parole({QStringLiteral("CASA")});
        p.gestore->mostra(IdFinestra::Form7);
        QTRY_VERIFY(p.gestore->finestra(IdFinestra::FormMenu));
        QTRY_VERIFY(!p.gestore->finestra(IdFinestra::Form7));
        QCOMPARE(p.dialoghi.chiamate.size(), 1);
        QCOMPARE(p.dialoghi.chiamate[0].icona, Dialoghi::Icona::Esclamazione);
        QCOMPARE(p.dialoghi.chiamate[0].testo,
                 QStringLiteral("Per questa attività servono almeno 2 parole, ma la lista in uso ne ha 1."));
    }
};

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
