#include "core/abbinamenti.h"
#include "core/paroleliste.h"
#include "core/scaling/clsresize.h"
#include "tests/support/provefinestre.h"
#include "windows/exercises/form7.h"
#include "windows/exercises/form8.h"
#include "windows/exercises/trascinamento.h"
#include "windows/riquadroimmagine.h"

#include <QAbstractButton>
#include <QDragEnterEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The offscreen platform ends every drag the moment it starts; the minimal
// one runs it as a desktop does, still without a screen.
static const bool piattaformaMinima = qputenv("QT_QPA_PLATFORM", "minimal");

namespace {

NomeTrascinabile *nome(QWidget *f, int i)
{
    return f->findChild<NomeTrascinabile *>(QStringLiteral("Label1_%1").arg(i));
}
QLabel *riquadro(QWidget *f, int j)
{
    return f->findChild<QLabel *>(QStringLiteral("Label2_%1").arg(j));
}
RiquadroImmagine *immagine(QWidget *f, int i)
{
    return f->findChild<RiquadroImmagine *>(QStringLiteral("Image1_%1").arg(i));
}
QString testo(QWidget *f, const char *controllo)
{
    return f->findChild<QLabel *>(QLatin1String(controllo))->text();
}
bool visibile(QWidget *f, const char *controllo)
{
    return !f->findChild<QWidget *>(QLatin1String(controllo))->isHidden();
}
bool avantiAbilitato(QWidget *f)
{
    return f->findChild<QAbstractButton *>(QStringLiteral("Command1"))->isEnabled();
}

// Enter, move and drop sent to a widget as the window system sends them.
bool rilasciaSu(QWidget *bersaglio, const QMimeData &dati)
{
    const QPoint centro = bersaglio->rect().center();
    QDragEnterEvent entra(centro, Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &entra);
    if (!entra.isAccepted())
        return false;
    QDropEvent lascia(centro, Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &lascia);
    return lascia.isAccepted();
}

// Name i dropped on box j (j = K: the "Errati" caption).
bool rilascia(QWidget *f, int i, int j)
{
    QMimeData dati;
    nome(f, i)->riempiDati(dati);
    return rilasciaSu(riquadro(f, j), dati);
}

// A drag by the pointer: press on the name, move over the target, let go.
void trascinaVero(NomeTrascinabile *n, QWidget *bersaglio)
{
    QWidget *finestra = n->window();
    QTimer::singleShot(0, n, [finestra, bersaglio] {
        const QPoint dove = bersaglio->mapTo(finestra, bersaglio->rect().center());
        QTest::mouseMove(finestra, dove / 2);
        QTest::mouseMove(finestra, dove);
        QTest::mouseRelease(finestra, Qt::LeftButton, Qt::NoModifier, dove);
    });
    QTest::mousePress(n, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

// The slot each name stands in, from its left edge; -1 off every slot.
QList<int> slotDeiNomi(FormTrascinamento *f)
{
    QList<int> out;
    for (int i = 0; i < f->coppie(); ++i) {
        int trovato = -1;
        for (int s = 0; s < f->coppie(); ++s)
            if (nome(f, i)->x() == abbinamenti::sinistraSlot(f->SinistraPrimoNome(), f->DistanzaNomi(), s))
                trovato = s;
        out.append(trovato);
    }
    return out;
}
QList<int> slotAttesi(FormTrascinamento *f, int disposizione)
{
    QList<int> out;
    for (int i = 0; i < f->coppie(); ++i)
        out.append(abbinamenti::slotDelNome(f->coppie(), disposizione, i));
    return out;
}

// A design left in twips, as the scaling places it in the window's present layout.
int sinistraScalata(FormTrascinamento *f, int twips)
{
    const double x = double(f->centralWidget()->width()) / f->scalatore()->dimensioneProgetto().width();
    return qRound(Finestra::twip(twips) * x);
}

QStringList barra(QMainWindow *f)
{
    QStringList out;
    for (QAction *a : f->menuBar()->actions())
        out << a->text();
    return out;
}

const QStringList Cinque{QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO"),
                         QStringLiteral("MELA"), QStringLiteral("SOLE")};

} // namespace

// Form7 and Form8: names dragged under their pictures.
class TestTrascinaFinestre : public QObject
{
    Q_OBJECT

    static FormTrascinamento *apri(ProgrammaProva &p, int coppie, const QStringList &lista = Cinque)
    {
        p.parole(lista);
        p.cartella.creaImmagini(lista);
        return qobject_cast<FormTrascinamento *>(p.apri(coppie == 2 ? IdFinestra::Form7 : IdFinestra::Form8));
    }

private slots:
    void apertura_data()
    {
        QTest::addColumn<int>("coppie");
        QTest::addColumn<double>("punti");
        QTest::addColumn<QSize>("progetto");
        QTest::addColumn<QList<int>>("sinistre"); // slots 0 and 1, in twips
        QTest::addColumn<QStringList>("menu");
        QTest::newRow("Form7") << 2 << 27.75 << QSize(11265, 8130) << QList<int>{100, 5800}
                               << QStringList{"Azzera conteggio     ", "Informazioni     ", "Esci"};
        QTest::newRow("Form8") << 3 << 24.0 << QSize(11445, 7965) << QList<int>{200, 3900}
                               << QStringList{"Azzera conteggio     ", "Caratteri     ", "Esercizi     ",
                                              "Informazioni      ", "Esci"};
    }
    void apertura()
    {
        QFETCH(int, coppie);
        QFETCH(double, punti);
        QFETCH(QSize, progetto);
        QFETCH(QList<int>, sinistre);
        QFETCH(QStringList, menu);
        ProgrammaProva p;
        FormTrascinamento *f = apri(p, coppie);
        QVERIFY(f);
        QCOMPARE(f->coppie(), coppie);
        QCOMPARE(barra(f), menu);
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 0"));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 0"));
        QVERIFY(visibile(f, "ComandoIconaSi") && !visibile(f, "ComandoIconaNo") && !avantiAbilitato(f));
        // The "Errati" caption closes the boxes' array, in its own type.
        QCOMPARE(riquadro(f, coppie)->text(), QStringLiteral("Errati"));
        QCOMPARE(riquadro(f, coppie)->font().pointSizeF(), 12.0);
        QVERIFY(!riquadro(f, coppie + 1) && !nome(f, coppie));
        const qint16 scelte[] = {p.stato.Scelta1, p.stato.Scelta2, p.stato.Scelta3};
        QSet<qint16> diverse;
        for (int i = 0; i < coppie; ++i) {
            diverse.insert(scelte[i]);
            const QString parola = p.stato.Parole[scelte[i]];
            QCOMPARE(nome(f, i)->text(), parola);
            QCOMPARE(nome(f, i)->property("Index").toInt(), i);
            QCOMPARE(immagine(f, i)->file(), PercorsoImmagine(p.cartella.ambiente(), parola));
            QVERIFY(immagine(f, i)->immagineValida());
            QCOMPARE(riquadro(f, i)->text(), QString());
            for (QLabel *l : {static_cast<QLabel *>(nome(f, i)), riquadro(f, i)}) {
                QCOMPARE(l->font().pointSizeF(), punti);
                QVERIFY(l->font().bold());
                QCOMPARE(l->font().family(), QStringLiteral("Arial"));
            }
        }
        QCOMPARE(diverse.size(), coppie);
        // Slots from the laid-out design; the names stand in the drawn arrangement.
        QCOMPARE(f->scalatore()->dimensioneProgetto(), QSize(Finestra::twip(progetto.width()), Finestra::twip(progetto.height())));
        QCOMPARE(f->SinistraPrimoNome(), sinistraScalata(f, sinistre[0]));
        QCOMPARE(f->SinistraPrimoNome() + f->DistanzaNomi(), sinistraScalata(f, sinistre[1]));
        QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
        QVERIFY(p.dialoghi.chiamate.isEmpty() && p.suoni.suonati.isEmpty());
    }

    void primoEsercizioACaso()
    {
        for (int coppie : {2, 3}) {
            QSet<int> viste;
            for (unsigned seme = 1; seme <= 40 && viste.size() < abbinamenti::numeroDisposizioni(coppie); ++seme) {
                ProgrammaProva p(seme);
                FormTrascinamento *f = apri(p, coppie);
                viste.insert(p.stato.Estratto);
                QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
            }
            QCOMPARE(viste.size(), abbinamenti::numeroDisposizioni(coppie));
        }
    }

    void rilascioSbagliato_data()
    {
        QTest::addColumn<int>("coppie");
        QTest::addColumn<int>("nomeTrascinato");
        QTest::addColumn<int>("bersaglio");
        QTest::newRow("Form7: name 1 on box 0") << 2 << 1 << 0;
        QTest::newRow("Form7: name 0 on Errati") << 2 << 0 << 2;
        QTest::newRow("Form8: name 2 on box 1") << 3 << 2 << 1;
        QTest::newRow("Form8: name 1 on Errati") << 3 << 1 << 3;
    }
    void rilascioSbagliato()
    {
        QFETCH(int, coppie);
        QFETCH(int, nomeTrascinato);
        QFETCH(int, bersaglio);
        ProgrammaProva p;
        FormTrascinamento *f = apri(p, coppie);
        QList<QRect> posti;
        QStringList nomi;
        for (int i = 0; i < coppie; ++i) {
            posti << nome(f, i)->geometry();
            nomi << nome(f, i)->text();
        }
        QVERIFY(rilascia(f, nomeTrascinato, bersaglio));
        QVERIFY(!visibile(f, "ComandoIconaSi") && visibile(f, "ComandoIconaNo"));
        QCOMPARE(p.suoni.nomi(), QStringList{QStringLiteral("no.wav")});
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 1"));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 0"));
        for (int i = 0; i < coppie; ++i) {
            QCOMPARE(nome(f, i)->geometry(), posti[i]);
            QCOMPARE(nome(f, i)->text(), nomi[i]);
            QVERIFY(nome(f, i)->isEnabled());
            QCOMPARE(riquadro(f, i)->text(), QString());
        }
        QCOMPARE(riquadro(f, coppie)->text(), QStringLiteral("Errati"));
        QCOMPARE(f->CoppieFatte(), qint16(0));
        // The same name can be dragged again, and its own box takes it.
        QVERIFY(rilascia(f, nomeTrascinato, nomeTrascinato));
        QCOMPARE(f->CoppieFatte(), qint16(1));
    }

    // Real drags, each in a window of its own.
    void trascinamentiVeri_data()
    {
        QTest::addColumn<QString>("bersaglio");
        QTest::addColumn<QString>("errati");
        QTest::addColumn<int>("fatte");
        QTest::newRow("own box") << QStringLiteral("Label2_0") << QStringLiteral(" 0") << 1;
        QTest::newRow("other box") << QStringLiteral("Label2_1") << QStringLiteral(" 1") << 0;
        QTest::newRow("Errati caption") << QStringLiteral("Label2_2") << QStringLiteral(" 1") << 0;
        QTest::newRow("own picture") << QStringLiteral("Image1_0") << QStringLiteral(" 0") << 0;
        QTest::newRow("other name") << QStringLiteral("Label1_1") << QStringLiteral(" 0") << 0;
        QTest::newRow("Esatti caption") << QStringLiteral("Label3") << QStringLiteral(" 0") << 0;
        QTest::newRow("background") << QString() << QStringLiteral(" 0") << 0;
    }
    void trascinamentiVeri()
    {
        QFETCH(QString, bersaglio);
        QFETCH(QString, errati);
        QFETCH(int, fatte);
        ProgrammaProva p;
        FormTrascinamento *f = apri(p, 2);
        QWidget *dove = bersaglio.isEmpty() ? nullptr : f->findChild<QWidget *>(bersaglio);
        if (!dove) {
            // An empty spot between the two pictures.
            dove = new QWidget(f->centralWidget());
            dove->setGeometry(immagine(f, 0)->geometry().right() + 10, immagine(f, 0)->y() + 10, 4, 4);
            dove->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        const QString parola = nome(f, 0)->text();
        const QRect posto = nome(f, 0)->geometry();
        QSignalSpy fine(nome(f, 0), &NomeTrascinabile::trascinamentoFinito);
        trascinaVero(nome(f, 0), dove);
        QTRY_COMPARE(fine.size(), 1);
        QCOMPARE(testo(f, "EtichettaErrati"), errati);
        QCOMPARE(f->CoppieFatte(), qint16(fatte));
        QCOMPARE(riquadro(f, 0)->text(), fatte ? parola : QString());
        QCOMPARE(nome(f, 0)->text(), fatte ? QString() : parola);
        QCOMPARE(nome(f, 0)->geometry(), posto);
        QCOMPARE(p.suoni.suonati.isEmpty(), errati == QLatin1String(" 0") && !fatte);
    }

    void esercizioConErrori()
    {
        ProgrammaProva p;
        FormTrascinamento *f = apri(p, 3);
        const QStringList nomi{nome(f, 0)->text(), nome(f, 1)->text(), nome(f, 2)->text()};
        QVERIFY(rilascia(f, 2, 2));
        QVERIFY(rilascia(f, 0, 3));
        QVERIFY(rilascia(f, 0, 1));
        QVERIFY(rilascia(f, 1, 1));
        // Right drops that do not finish leave the red face up and count nothing right.
        QVERIFY(visibile(f, "ComandoIconaNo") && !visibile(f, "ComandoIconaSi"));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 0"));
        QCOMPARE(f->CoppieFatte(), qint16(2));
        QVERIFY(!avantiAbilitato(f));
        // A placed name leaves an empty white slot that cannot be dragged again.
        QCOMPARE(riquadro(f, 1)->text(), nomi[1]);
        QCOMPARE(nome(f, 1)->text(), QString());
        QVERIFY(!nome(f, 1)->isEnabled() && nome(f, 1)->isVisible());
        QSignalSpy inizio(nome(f, 1), &NomeTrascinabile::trascinamentoIniziato);
        QTest::mousePress(nome(f, 1), Qt::LeftButton);
        QTest::mouseRelease(nome(f, 1), Qt::LeftButton);
        QCOMPARE(inizio.size(), 0);
        QVERIFY(!rilascia(f, 1, 1));
        QVERIFY(!rilascia(f, 1, 0));

        QVERIFY(rilascia(f, 0, 0));
        QVERIFY(visibile(f, "ComandoIconaSi") && !visibile(f, "ComandoIconaNo"));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 1"));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 2"));
        QCOMPARE((QStringList{riquadro(f, 0)->text(), riquadro(f, 1)->text(), riquadro(f, 2)->text()}), nomi);
        QVERIFY(avantiAbilitato(f));
        QCOMPARE(p.suoni.nomi().count(QStringLiteral("no.wav")), 2);
        QCOMPARE(p.suoni.nomi().size(), 5);
        // After the end "Errati" takes nothing more.
        QVERIFY(!rilascia(f, 2, 3));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 2"));

        azioneMenu(f, QStringLiteral("Esercizi     "))->trigger();
        QCOMPARE(p.dialoghi.chiamate.size(), 1);
        QCOMPARE(p.dialoghi.chiamate[0].icona, Dialoghi::Icona::Informazione);
        QCOMPARE(p.dialoghi.chiamate[0].testo, QStringLiteral("Hai eseguito  1 esercizi esatti e  2 esercizi errati."));
    }

    void avantiConTutteLeParole()
    {
        // As many words as pairs, one of them twice: every exercise shows all
        // of them, and the two equal names are not interchangeable.
        ProgrammaProva p(9);
        p.stato.SuoniAttivati = false;
        FormTrascinamento *f = apri(p, 3, {QStringLiteral("ORSO"), QStringLiteral("ORSO"), QStringLiteral("LUPO")});
        QSet<int> disposizioni;
        QSet<QRgb> colori;
        for (int giro = 0; giro < 20; ++giro) {
            disposizioni.insert(p.stato.Estratto);
            colori.insert(f->palette().color(QPalette::Window).rgb());
            QStringList mostrati{nome(f, 0)->text(), nome(f, 1)->text(), nome(f, 2)->text()};
            mostrati.sort();
            QCOMPARE(mostrati, (QStringList{QStringLiteral("LUPO"), QStringLiteral("ORSO"), QStringLiteral("ORSO")}));
            QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
            QList<int> orsi;
            for (int i = 0; i < 3; ++i)
                if (nome(f, i)->text() == QLatin1String("ORSO"))
                    orsi << i;
            QVERIFY(rilascia(f, orsi[0], orsi[1]));
            for (int i = 0; i < 3; ++i)
                QVERIFY(rilascia(f, i, i));
            clic(f->findChild<QAbstractButton *>(QStringLiteral("Command1")));
            QVERIFY(!avantiAbilitato(f));
            QCOMPARE(f->CoppieFatte(), qint16(0));
            for (int i = 0; i < 3; ++i)
                QVERIFY(nome(f, i)->isEnabled() && riquadro(f, i)->text().isEmpty());
            // "avanti" leaves the faces alone.
            QVERIFY(visibile(f, "ComandoIconaSi"));
        }
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 20"));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 20"));
        QVERIFY(disposizioni.size() > 3);
        QVERIFY(colori.size() > 1);
        QVERIFY(p.suoni.suonati.isEmpty());
    }

    void stampatoMinuscoloNonFaNulla()
    {
        ProgrammaProva p;
        FormTrascinamento *f = apri(p, 3);
        QAction *minuscolo = azioneMenu(f, QStringLiteral("stampato minuscolo"));
        QAction *maiuscolo = azioneMenu(f, QStringLiteral("stampato maiuscolo"));
        QVERIFY(maiuscolo->isChecked() && !minuscolo->isChecked());
        const QStringList nomi{nome(f, 0)->text(), nome(f, 1)->text(), nome(f, 2)->text()};
        for (QAction *a : {minuscolo, maiuscolo, minuscolo})
            a->trigger();
        QVERIFY(maiuscolo->isChecked() && !minuscolo->isChecked());
        QCOMPARE((QStringList{nome(f, 0)->text(), nome(f, 1)->text(), nome(f, 2)->text()}), nomi);
        QCOMPARE(p.stato.Carattere, QStringLiteral("maiuscolo"));
        QCOMPARE(p.stato.Parole[1], QStringLiteral("CASA"));
        QVERIFY(p.dialoghi.chiamate.isEmpty());
    }

    void iNomiSeguonoIlRidimensionamento()
    {
        for (int coppie : {2, 3}) {
            ProgrammaProva p(4);
            FormTrascinamento *f = apri(p, coppie);
            QVERIFY(rilascia(f, 0, 0));
            const QList<int> slotPrima = slotDeiNomi(f);
            QCOMPARE(slotPrima, slotAttesi(f, p.stato.Estratto));
            for (const QSize nuova : {f->size() / 2, QSize(1000, 800)}) {
                f->resize(nuova);
                QTRY_COMPARE(f->size(), nuova);
                QCOMPARE(f->SinistraPrimoNome(), sinistraScalata(f, coppie == 2 ? 100 : 200));
                QCOMPARE(f->SinistraPrimoNome() + f->DistanzaNomi(), sinistraScalata(f, coppie == 2 ? 5800 : 3900));
                // Every name, the emptied one too, keeps its slot.
                QCOMPARE(slotDeiNomi(f), slotPrima);
            }
        }
    }

    void immagineMancanteECorsivo()
    {
        ProgrammaProva p;
        p.stato.Carattere = QStringLiteral("corsivo");
        p.parole({QStringLiteral("casa"), QStringLiteral("nuvola")});
        p.cartella.creaImmagini({QStringLiteral("casa")});
        auto *f = p.apri<Form7>(IdFinestra::Form7);
        const int senza = nome(f, 0)->text() == QLatin1String("nuvola") ? 0 : 1;
        QVERIFY(!immagine(f, senza)->immagineValida());
        QVERIFY(immagine(f, 1 - senza)->immagineValida());
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(nome(f, i)->font().family(), QStringLiteral("Indis1"));
            QCOMPARE(riquadro(f, i)->font().family(), QStringLiteral("Indis1"));
        }
        QCOMPARE(riquadro(f, 2)->font().family(), QStringLiteral("Arial"));
        // The exercise goes on without the picture.
        QVERIFY(rilascia(f, senza, senza));
        QCOMPARE(riquadro(f, senza)->text(), QStringLiteral("nuvola"));
    }

    void listaTroppoCorta()
    {
        // The menu refuses the window with too short a list; opened all the
        // same, it says why and goes back to the menu instead of hanging.
        ProgrammaProva p;
        p.parole({QStringLiteral("CASA"), QStringLiteral("CANE")});
        p.gestore->mostra(IdFinestra::Form8);
        QTRY_VERIFY(p.gestore->finestra(IdFinestra::FormMenu));
        QTRY_VERIFY(!p.gestore->finestra(IdFinestra::Form8));
        QCOMPARE(p.dialoghi.chiamate.size(), 1);
        QCOMPARE(p.dialoghi.chiamate[0].icona, Dialoghi::Icona::Esclamazione);
        QCOMPARE(p.dialoghi.chiamate[0].testo,
                 QStringLiteral("Per questa attività servono almeno 3 parole, ma la lista in uso ne ha 2."));
    }
};

QTEST_MAIN(TestTrascinaFinestre)
#include "tst_trascina_finestre.moc"
