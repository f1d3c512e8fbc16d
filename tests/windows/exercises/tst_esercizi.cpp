#include "core/abbinamenti.h"
#include "core/colori.h"
#include "tests/support/provefinestre.h"
#include "windows/exercises/cornicerossa.h"
#include "windows/exercises/etichettaparola.h"
#include "windows/exercises/faccia.h"
#include "windows/exercises/formnomiunaimmagine.h"
#include "windows/exercises/formtrascinamento.h"
#include "windows/exercises/formunnomeimmagini.h"
#include "windows/exercises/nometrascinabile.h"
#include "windows/exercises/pulsanteavanti.h"
#include "windows/menu/formmenu.h"
#include "windows/registro.h"
#include "windows/riquadroimmagine.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QRadioButton>
#include <QSignalSpy>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(IdFinestra)

namespace {

// Name i dragged onto box j (j = K: the "Errati" caption) as a hand does it:
// pressed, carried over, let go. True when a drop reached the window.
bool rilascia(FormTrascinamento *f, int i, int j)
{
    NomeTrascinabile *nome = f->Label1[i];
    QWidget *bersaglio = j < f->coppie() ? static_cast<QWidget *>(f->Label2Riquadri[j]) : f->Label2;
    const QPoint arrivo = nome->mapFrom(f, bersaglio->mapTo(f, bersaglio->rect().center()));
    QSignalSpy rilasci(f->trascinamento(), &TrascinamentoNomi::rilasciato);
    QTest::mousePress(nome, Qt::LeftButton, {}, nome->rect().center());
    QTest::mouseMove(nome, arrivo);
    QTest::mouseRelease(nome, Qt::LeftButton, {}, arrivo);
    return rilasci.size() == 1;
}

// Any of the eight exercise windows, driven the way a child answers it.
struct Esercizio
{
    FormEsercizio *f;
    FormClic *clic;
    FormUnNomeImmagini *immagini; // Form1..Form3
    FormNomiUnaImmagine *nomi;    // Form4..Form6
    FormTrascinamento *trascina;  // Form7, Form8

    explicit Esercizio(QWidget *w)
        : f(qobject_cast<FormEsercizio *>(w)), clic(qobject_cast<FormClic *>(w)),
          immagini(qobject_cast<FormUnNomeImmagini *>(w)), nomi(qobject_cast<FormNomiUnaImmagine *>(w)),
          trascina(qobject_cast<FormTrascinamento *>(w))
    {
    }
    int k() const { return clic ? clic->k() : trascina->coppie(); }
    // The control that answers with word i: a picture, a name, or the dragged name.
    QWidget *risposta(int i) const
    {
        if (immagini)
            return immagini->Image1[i];
        return nomi ? static_cast<QWidget *>(nomi->Label1[i]) : trascina->Label1[i];
    }
    // The words shown on the answers (pictures by their file name).
    QStringList mostrate() const
    {
        QStringList out;
        for (int i = 0; i < k(); ++i)
            out.append(immagini ? QFileInfo(immagini->Image1[i]->file()).completeBaseName()
                                : static_cast<QLabel *>(risposta(i))->text());
        return out;
    }
    int giusta() const { return clic ? clic->esercizio().Estratto : -1; }
    // One wrong answer with word i: its picture or name clicked, or its name dropped in the next box.
    void sbaglia(int i) const
    {
        if (clic)
            ::clic(risposta(i));
        else
            QVERIFY(rilascia(trascina, i, (i + 1) % k()));
    }
    // The whole right answer: the right control, or every name in its own box.
    void completa() const
    {
        if (clic)
            ::clic(risposta(giusta()));
        else
            for (int i = 0; i < k(); ++i)
                QVERIFY(rilascia(trascina, i, i));
    }
    void prossimo() const
    {
        completa();
        ::clic(f->Command1);
    }
    // The counts, the face, "avanti", and which answers can still be given.
    QString quadro() const
    {
        const bool si = f->ComandoIconaSi->isVisible(), no = f->ComandoIconaNo->isVisible();
        QString attive;
        for (int i = 0; i < k(); ++i)
            attive += risposta(i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return QStringLiteral("%1|%2|%3|%4|%5")
            .arg(f->EtichettaEsatti->text(), f->EtichettaErrati->text(), si && !no ? "si" : no && !si ? "no" : "??",
                 f->Command1->isEnabled() ? "avanti" : "-", attive);
    }
    // Where the right answer is marked: the red frame, the yellow name, or the
    // names now standing in the boxes; -1 for none.
    int segnata() const
    {
        if (immagini) {
            for (int i = 0; immagini->Shape1->isVisible() && i < k(); ++i)
                if (immagini->Shape1->pos() == immagini->Image1[i]->pos())
                    return i;
            return -1;
        }
        if (nomi) {
            int gialla = -1;
            for (int i = 0; i < k(); ++i)
                if (ColoreEtichetta(nomi->Label1[i]) == Qt::yellow)
                    gialla = gialla == -1 ? i : 99;
            return gialla;
        }
        int pieni = 0;
        for (int j = 0; j < k(); ++j)
            pieni += !trascina->Label2Riquadri[j]->text().isEmpty();
        return pieni == k() ? 0 : -1;
    }
};

QString quadro(int esatti, int errati, const char *faccia, bool avanti, const QString &attive)
{
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(TestoNumero(esatti), TestoNumero(errati), QLatin1String(faccia), avanti ? "avanti" : "-", attive);
}

QStringList paroleDi(int n)
{
    return QStringList{"CASA", "CANE", "GATTO", "LUPO", "ORSO", "PANE", "MELA", "NAVE", "RANA", "SOLE"}.mid(0, n);
}

const IdFinestra Esercizi[] = {IdFinestra::Form1, IdFinestra::Form2, IdFinestra::Form3, IdFinestra::Form4,
                               IdFinestra::Form5, IdFinestra::Form6, IdFinestra::Form7, IdFinestra::Form8};

void perOgniEsercizio()
{
    QTest::addColumn<IdFinestra>("id");
    for (IdFinestra id : Esercizi)
        QTest::newRow(AttivitaDi(id)->testo) << id;
}

} // namespace

// Form1..Form8: the frame and the three families, one table over all eight.
class TestEsercizi : public QObject
{
    Q_OBJECT

    static Esercizio apri(ProgrammaProva &p, IdFinestra id, const QStringList &parole = paroleDi(8))
    {
        p.parole(parole);
        p.cartella.creaImmagini(parole);
        return Esercizio(p.apri(id));
    }

private slots:
    void cleanup() { QVERIFY(finestreVisibili().isEmpty()); }

    // Opened by its menu button: counts at " 0", the smiling face, "avanti"
    // off, k distinct words, each word control in the face of the type style.
    void dalMenu_data() { perOgniEsercizio(); }
    void dalMenu()
    {
        QFETCH(IdFinestra, id);
        for (const QString carattere : {"corsivo", "maiuscolo"}) {
            ProgrammaProva p(5);
            p.sessione.Carattere = CarattereDaTesto(carattere);
            p.parole(paroleDi(6));
            p.cartella.creaImmagini(paroleDi(6));
            auto *menu = p.apri<FormMenu>(IdFinestra::FormMenu);
            QCOMPARE(menu->pulsante(id)->text(), QString::fromUtf8(AttivitaDi(id)->testo));
            clic(menu->pulsante(id));
            QTRY_VERIFY(!p.gestore->finestra(IdFinestra::FormMenu));
            const Esercizio e(p.gestore->finestra(id));
            QVERIFY(e.f && e.f->isVisible());
                        QCOMPARE(e.quadro(), quadro(0, 0, "si", false, QString(e.k(), '1')));
            // The words drawn, each on its own control (a picture by its file, in capitals).
            QStringList estratte;
            for (int i = 0; i < e.k(); ++i)
                estratte.append(e.clic ? e.clic->esercizio().parola(p.sessione.lista, i)
                                       : p.sessione.lista.Parole(e.trascina->estrazione().Scelta[i]));
            QCOMPARE(e.mostrate().join(',').toUpper(), estratte.join(',').toUpper());
            QCOMPARE(QSet<QString>(estratte.begin(), estratte.end()).size(), e.k());
            if (e.immagini)
                QCOMPARE(e.immagini->Label1->text(), estratte.at(e.giusta()));
            if (e.nomi)
                QCOMPARE(QFileInfo(e.nomi->Image1->file()).completeBaseName(), estratte.at(e.giusta()).toUpper());
            const QString faccia = carattere == QLatin1String("corsivo") ? "Indis1" : "Arial";
            QLabel *parola = e.immagini ? e.immagini->Label1 : static_cast<QLabel *>(e.risposta(0));
            QCOMPARE(parola->font().family(), faccia);
            if (e.trascina)
                QCOMPARE(e.trascina->Label2Riquadri[0]->font().family(), faccia);
            QVERIFY(p.dialoghi.chiamate.isEmpty() && p.suoni.suonati.isEmpty());
        }
    }

    // Every wrong answer counts, the right one ends the exercise, "avanti"
    // brings the next; sounds only when they are on.
    void sbagliateGiustaEAvanti_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::addColumn<bool>("suoni");
        QTest::addColumn<bool>("voce");
        for (IdFinestra id : Esercizi)
            QTest::newRow(AttivitaDi(id)->testo) << id << true << true;
        QTest::newRow("Form2, sounds off") << IdFinestra::Form2 << false << true;
        QTest::newRow("Form8, sounds off") << IdFinestra::Form8 << false << true;
        QTest::newRow("Form4, voice off") << IdFinestra::Form4 << true << false;
        QTest::newRow("Form7, voice off") << IdFinestra::Form7 << true << false;
    }
    void sbagliateGiustaEAvanti()
    {
        QFETCH(IdFinestra, id);
        QFETCH(bool, suoni);
        QFETCH(bool, voce);
        ProgrammaProva p(11);
        p.sessione.SuoniAttivati = suoni;
        p.sessione.VoceAttivata = voce;
        const Esercizio e = apri(p, id);
        const int k = e.k();
        const QString tutte(k, '1'), nessuna(k, '0');
        const QStringList prima = e.mostrate();

        // Every wrong answer once, the first one twice: each counts.
        QList<int> sbagliate;
        for (int i = 0; i < k; ++i)
            if (i != e.giusta())
                sbagliate.append(i);
        sbagliate.append(sbagliate.first());
        int errati = 0;
        for (int i : std::as_const(sbagliate)) {
            e.sbaglia(i);
            QCOMPARE(e.quadro(), quadro(0, ++errati, "no", false, tutte));
        }
        QCOMPARE(p.suoni.nomi(), suoni ? QStringList(errati, "no.wav") : QStringList());
        // Before the answer the child reads: nothing is said, not at a wrong answer either.
        QVERIFY(p.suoni.pronunce.isEmpty());

        // Each right answer: its word said at once, in lower case, and the
        // cheerful sound only once the word has been heard; with the voice
        // off, the sound at once.
        const QRegularExpression si("^si[1-4]\\.wav$");
        QStringList trovate;
        for (int i = 0; i < k; ++i) {
            if (e.clic && i != e.giusta())
                continue;
            const qsizetype suonati = p.suoni.suonati.size();
            if (e.clic)
                clic(e.risposta(i));
            else
                QVERIFY(rilascia(e.trascina, i, i));
            if (voce && suoni) {
                trovate.append(prima.at(i).toLower());
                QCOMPARE(p.suoni.parole(), trovate);
                QCOMPARE(p.suoni.suonati.size(), suonati);
                QVERIFY(si.match(QFileInfo(p.suoni.inAttesa).fileName()).hasMatch());
                p.suoni.finisciParola();
            }
            QCOMPARE(p.suoni.suonati.size(), suonati + (suoni ? 1 : 0));
            if (suoni)
                QVERIFY(si.match(p.suoni.nomi().last()).hasMatch());
        }
        QCOMPARE(p.suoni.parole(), trovate);
        QCOMPARE(e.quadro(), quadro(1, errati, "si", true, nessuna));
        QCOMPARE(e.segnata(), qMax(e.giusta(), 0));
        // One cheerful sound for each right click or right drop.
        const int giuste = e.clic ? 1 : k;
        QCOMPARE(p.suoni.suonati.size(), suoni ? errati + giuste : 0);

        // Answered: nothing reacts any more but "avanti".
        for (int j = 0; j < k; ++j)
            e.clic ? clic(e.risposta(j)) : void(rilascia(e.trascina, j, k));
        QCOMPARE(e.quadro(), quadro(1, errati, "si", true, nessuna));
        QCOMPARE(p.suoni.suonati.size(), suoni ? errati + giuste : 0);

        // "avanti": a new exercise waiting, the face and counts as they were.
        QStringList dopo;
        for (int volta = 0; volta < 5 && (dopo.isEmpty() || dopo == prima); ++volta) {
            clic(e.f->Command1);
            QCOMPARE(e.quadro(), quadro(1 + volta, errati, "si", false, tutte));
            QCOMPARE(e.segnata(), -1);
            dopo = e.mostrate();
            if (dopo == prima)
                e.completa();
        }
        QVERIFY(dopo != prima);
    }

    // Once found, a tap on the right name or picture says the word again;
    // before the answer, a tap says nothing.
    void paroleRipetute_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::newRow("Form2") << IdFinestra::Form2;
        QTest::newRow("Form5") << IdFinestra::Form5;
        QTest::newRow("Form7") << IdFinestra::Form7;
    }
    void paroleRipetute()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(4);
        const Esercizio e = apri(p, id);
        // What names the word: the name label, or the box the name goes into.
        QWidget *nome = e.immagini ? static_cast<QWidget *>(e.immagini->Label1)
                        : e.nomi   ? static_cast<QWidget *>(e.nomi->Label1[e.giusta()])
                                   : e.trascina->Label2Riquadri[0];
        QWidget *immagine = e.immagini ? static_cast<QWidget *>(e.immagini->Image1[e.giusta()])
                            : e.nomi   ? static_cast<QWidget *>(e.nomi->Image1)
                                       : nullptr;
        const QString parola = (e.trascina ? e.mostrate().at(0) : e.mostrate().at(e.giusta())).toLower();
        // Before: the name of Form2, the picture of Form5 (its name would be the answer), the empty box of Form7.
        clic(e.nomi ? immagine : nome);
        QVERIFY(p.suoni.pronunce.isEmpty());
        e.completa();
        const int dette = static_cast<int>(p.suoni.pronunce.size());
        clic(nome);
        if (immagine)
            clic(immagine);
        QCOMPARE(p.suoni.parole().mid(dette), QStringList(immagine ? 2 : 1, parola));
        QCOMPARE(e.quadro().left(5), QStringLiteral(" 1| 0"));
    }

    // The sound waiting after a word: a new word drops it (the player cuts the
    // word off and starts the next at once); "avanti" and leaving the window
    // cut nothing and play nothing, so it follows its word whole.
    void suonoInAttesa_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::newRow("Form3") << IdFinestra::Form3;
        QTest::newRow("Form8") << IdFinestra::Form8;
    }
    void suonoInAttesa()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(6);
        const Esercizio e = apri(p, id);
        if (e.trascina) {
            // Two right drops, the second before the first word was heard.
            QVERIFY(rilascia(e.trascina, 0, 0));
            QVERIFY(rilascia(e.trascina, 1, 1));
            QCOMPARE(p.suoni.pronunce.size(), 2);
            QVERIFY(!p.suoni.pronunce.at(0).suonoDopo.isEmpty());
            QVERIFY(rilascia(e.trascina, 2, 2));
        } else {
            e.completa();
        }
        const QString inAttesa = p.suoni.inAttesa;
        QVERIFY(!inAttesa.isEmpty());
        QCOMPARE(p.suoni.pronunce.size(), e.trascina ? e.k() : 1);
        clic(e.f->Command1);
        p.dialoghi.risposte = {Dialoghi::Risposta::Si};
        e.f->close();
        QTRY_VERIFY(!p.gestore->finestra(id));
        QVERIFY(p.suoni.suonati.isEmpty());
        QCOMPARE(p.suoni.inAttesa, inAttesa);
        p.suoni.finisciParola();
        QCOMPARE(p.suoni.suonati, QStringList{inAttesa});
    }

    // "Azzera conteggio" in mid-exercise; "Esci" and a window-manager close ask
    // first, No changes nothing, Yes goes back to the menu with the counts at 0.
    void azzeraEdEsci_data() { perOgniEsercizio(); }
    void azzeraEdEsci()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(2);
        const Esercizio e = apri(p, id);
        const int k = e.k();
        const QStringList esercizio = e.mostrate();
        e.sbaglia(e.giusta() == 0 ? 1 : 0);
        e.f->mnuAzzera->trigger();
        QCOMPARE(e.quadro(), quadro(0, 0, "no", false, QString(k, '1')));
        QCOMPARE(e.mostrate(), esercizio);
        e.completa();
        QCOMPARE(e.quadro(), quadro(1, 0, "si", true, QString(k, '0')));

        p.dialoghi.risposte = {Dialoghi::Risposta::No, Dialoghi::Risposta::Si};
        e.f->mnuEsci->trigger();
        QCOMPARE(e.quadro(), quadro(1, 0, "si", true, QString(k, '0')));
        e.f->close();
        QTRY_VERIFY(!p.gestore->finestra(id));
        auto *menu = p.gestore->finestra<FormMenu>(IdFinestra::FormMenu);
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(p.dialoghi.testi().mid(p.dialoghi.testi().size() - 2),
                 QStringList(2, QStringLiteral("Vuoi tornare al menù?")));

        clic(menu->pulsante(id));
        QTRY_VERIFY(p.gestore->finestra(id));
        QCOMPARE(Esercizio(p.gestore->finestra(id)).quadro(), quadro(0, 0, "si", false, QString(k, '1')));
    }

    // Every answer goes out once, as the child gave it: the word asked, the
    // word chosen or dropped, right or wrong, the time since the item was
    // shown, the list and the type style; an answer that does not count sends nothing.
    void ogniRispostaRegistrata_data() { perOgniEsercizio(); }
    void ogniRispostaRegistrata()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(4);
        p.sessione.Carattere = TipoCarattere::Corsivo;
        p.sessione.bambino = QStringLiteral("Bambino 7");
        const Esercizio e = apri(p, id);
        p.sessione.lista.FileInUso = p.cartella.percorso(QStringLiteral("testilettoria2/Mia lista.txt"));
        const auto chiesta = [&](int i) { // the word of picture i, or the name to find
            if (e.immagini)
                return e.immagini->Label1->text();
            const RiquadroImmagine *img = e.nomi ? e.nomi->Image1 : e.trascina->Image1[i];
            return QFileInfo(img->file()).completeBaseName();
        };
        const QStringList mostrate = e.mostrate();
        const int sbagliata = e.clic ? (e.giusta() + 1) % e.k() : 0;
        // A wrong drop lands in the next box: the word asked is that picture's.
        const QString primaChiesta = chiesta(e.clic ? 0 : 1);
        p.cronometro.adesso += 1500;
        e.sbaglia(sbagliata);
        p.cronometro.adesso += 700;
        e.completa();
        if (e.clic) // found: its picture or name no longer answers
            ::clic(e.risposta(e.giusta()));
        const auto riga = [](const Risposta &r) {
            return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                .arg(r.bambino, r.attivita, r.parola, r.scelta, r.esatta ? "1" : "0", QString::number(r.millisecondi),
                     r.lista, TestoCarattere(r.carattere));
        };
        QStringList righe;
        for (const Risposta &r : std::as_const(p.risposte.registrate))
            righe.append(riga(r));
        const QString attivita = QString::fromUtf8(AttivitaDi(id)->testo);
        const auto attesa = [&](const QString &parola, const QString &scelta, bool esatta, int ms) {
            return riga({QStringLiteral("Bambino 7"), attivita, parola, scelta, esatta, ms, QStringLiteral("Mia lista.txt"), TipoCarattere::Corsivo});
        };
        QStringList attese{attesa(primaChiesta, mostrate.at(sbagliata), false, 1500)};
        if (e.clic)
            attese.append(attesa(chiesta(0), mostrate.at(e.giusta()), true, 2200));
        else
            for (int i = 0; i < e.k(); ++i)
                attese.append(attesa(mostrate.at(i), mostrate.at(i), true, 2200));
        QCOMPARE(righe, attese);
        // The child's practice follows: the word missed back in box 1, then up one when found.
        QCOMPARE(p.sessione.ripasso.casella(primaChiesta), 2);
        // The next item starts the time again.
        ::clic(e.f->Command1);
        p.cronometro.adesso += 300;
        e.completa();
        QCOMPARE(p.risposte.registrate.last().millisecondi, 300);
        QCOMPARE(p.risposte.registrate.size(), attese.size() + (e.clic ? 1 : e.k()));
    }

    // A finger pressed on an answer that slides off it before it lifts answers
    // nothing, right or wrong; lifted on it, it answers.
    void scivolaVia_data()
    {
        QTest::addColumn<IdFinestra>("id");
        for (IdFinestra id : {IdFinestra::Form1, IdFinestra::Form3, IdFinestra::Form4, IdFinestra::Form6})
            QTest::newRow(AttivitaDi(id)->testo) << id;
    }
    void scivolaVia()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(6);
        const Esercizio e = apri(p, id);
        const int sbagliata = (e.giusta() + 1) % e.k();
        for (int i : {e.giusta(), sbagliata}) {
            QWidget *w = e.risposta(i);
            const QPoint fuori(w->width() + 5, w->height() / 2);
            QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
            QTest::mouseMove(w, fuori);
            QTest::mouseRelease(w, Qt::LeftButton, {}, fuori);
        }
        QCOMPARE(e.quadro(), quadro(0, 0, "si", false, QString(e.k(), '1')));
        QVERIFY(p.risposte.registrate.isEmpty());
        QWidget *w = e.risposta(sbagliata);
        QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(e.quadro(), quadro(0, 1, "no", false, QString(e.k(), '1')));
    }

    // Each caption, count and switch reads on every one of the window's colours:
    // its text stands out at least 4.5 : 1 from what is behind it.
    void leggibileSuOgniColore_data()
    {
        perOgniEsercizio();
        QTest::newRow("menu") << IdFinestra::FormMenu;
    }
    void leggibileSuOgniColore()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(2);
        p.parole(paroleDi(8));
        p.cartella.creaImmagini(paroleDi(8));
        Finestra *f = p.apri(id);
        QStringList illeggibili;
        for (int k = 1; k <= colori::NumeroColori; ++k) {
            QPalette colore = f->palette();
            colore.setColor(QPalette::Window, QColor::fromRgb(colori::inRgb(colori::voce(k))));
            f->setPalette(colore);
            const auto testi = f->centralWidget()->findChildren<QWidget *>();
            for (QWidget *w : testi) {
                auto *etichetta = qobject_cast<QLabel *>(w);
                auto *casella = qobject_cast<QCheckBox *>(w); // the buttons paint their own faces
                auto *opzione = qobject_cast<QRadioButton *>(w);
                const QString testo = etichetta ? etichetta->text() : casella ? casella->text() : opzione ? opzione->text() : QString();
                if (testo.trimmed().isEmpty() || !w->isVisible())
                    continue;
                const QWidget *dietro = w;
                while (dietro != f && !dietro->autoFillBackground())
                    dietro = dietro->parentWidget();
                const double rapporto = RapportoContrasto(w->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF,
                                                          dietro->palette().color(QPalette::Window).rgb() & 0xFFFFFF);
                if (rapporto < 4.5)
                    illeggibili.append(QStringLiteral("%1 on colour %2: %3").arg(w->objectName()).arg(k).arg(rapporto, 0, 'f', 2));
            }
        }
        QVERIFY2(illeggibili.isEmpty(), qPrintable(illeggibili.join(QStringLiteral("; "))));
    }

    // A teacher's list with blank lines, a word twice in two letter cases and a
    // word without its picture: every item shows k different words, never an
    // empty one, and a picture is always the word's own.
    void listaDiUnInsegnante_data() { perOgniEsercizio(); }
    void listaDiUnInsegnante()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(8);
        const int k = AttivitaDi(id)->requisiti.parole;
        QStringList lista = paroleDi(k);
        lista << QString() << QStringLiteral("   ") << lista.first().toLower() << QStringLiteral("NUVOLA");
        p.cartella.creaImmagini(paroleDi(k));
        p.parole(lista);
        const Esercizio e(p.apri(id));
        for (int volta = 0; volta < 25; ++volta) {
            const QStringList mostrate = e.mostrate();
            QSet<QString> diverse;
            for (const QString &parola : mostrate) {
                QVERIFY2(!parola.trimmed().isEmpty(), "an empty word on show");
                diverse.insert(parola.toUpper());
            }
            QCOMPARE(diverse.size(), k);
            if (e.immagini || e.trascina)
                QVERIFY(!diverse.contains(QStringLiteral("NUVOLA")));
            if (e.nomi)
                QVERIFY(e.nomi->Image1->immagineValida());
            e.prossimo();
        }
        QVERIFY(p.dialoghi.chiamate.isEmpty());
    }

    // A busy class counts past 32,767 without a wrong number on screen.
    void contatoriGrandi()
    {
        ProgrammaProva p(3);
        const Esercizio e = apri(p, IdFinestra::Form5);
        Conteggio &conteggio = qobject_cast<FormEsercizio *>(e.f)->conteggio();
        conteggio.Esatti = 32767;
        conteggio.Errati = 65535;
        e.sbaglia(e.giusta() == 0 ? 1 : 0);
        e.completa();
        QCOMPARE(e.quadro(), quadro(32768, 65536, "si", true, QStringLiteral("000")));
        QCOMPARE(e.quadro().left(13), QStringLiteral(" 32768| 65536"));
    }

    // Opened with too few words (the menu refuses it): it says why and goes back.
    void troppoPocheParole_data() { perOgniEsercizio(); }
    void troppoPocheParole()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(1);
        const int k = AttivitaDi(id)->requisiti.parole;
        p.parole(paroleDi(k - 1));
        p.gestore->mostra(id);
        QTRY_VERIFY(p.gestore->finestra(IdFinestra::FormMenu));
        QTRY_VERIFY(!p.gestore->finestra(id));
        QCOMPARE(p.dialoghi.testi(),
                 QStringList{QStringLiteral("Per questa attività servono almeno %1 parole, ma la lista in uso ne ha %2.")
                                 .arg(k)
                                 .arg(k - 1)});
        QCOMPARE(p.dialoghi.chiamate[0].icona, Dialoghi::Icona::Esclamazione);
    }

    // Form3: the red frame goes on Image1(2), the picture below the top row,
    // and follows it through a new layout.
    void form3ImmagineInBasso()
    {
        ProgrammaProva p(1);
        const Esercizio e = apri(p, IdFinestra::Form3);
        const auto &img = e.immagini->Image1;
        for (int volta = 0; volta < 30 && e.giusta() != 2; ++volta)
            e.prossimo();
        QCOMPARE(e.giusta(), 2);
        clic(img[2]);
        QCOMPARE(e.immagini->Shape1->pos(), img[2]->pos());
        e.f->resize(e.f->width() - 100, e.f->height() - 80);
        QTRY_COMPARE(e.immagini->Shape1->pos(), img[2]->pos());
    }

    // Form7, Form8: the names stand in the drawn arrangement (the first one at
    // random too) and keep their slots through a new layout; a placed name
    // leaves an empty slot that drags nothing.
    void nomiTrascinati()
    {
        for (const IdFinestra id : {IdFinestra::Form7, IdFinestra::Form8}) {
            QSet<int> prime;
            for (unsigned seme = 1; seme <= 30; ++seme) {
                ProgrammaProva p(seme);
                const Esercizio e = apri(p, id, paroleDi(5));
                FormTrascinamento *f = e.trascina;
                const int k = f->coppie();
                prime.insert(f->estrazione().Estratto);
                // Each name at the left of the slot its arrangement gives it.
                const auto alloSlot = [&] {
                    for (int i = 0; i < k; ++i) {
                        const int slot = abbinamenti::slotDelNome(k, f->estrazione().Estratto, i);
                        if (f->Label1[i]->x() != abbinamenti::sinistraSlot(f->SinistraPrimoNome(), f->DistanzaNomi(), slot))
                            return false;
                    }
                    return true;
                };
                QVERIFY(alloSlot());
                if (seme > 1)
                    continue;
                QVERIFY(rilascia(f, 0, 1));
                const QString primo = f->Label1[0]->text();
                QVERIFY(rilascia(f, 0, 0));
                QCOMPARE(f->Label2Riquadri[0]->text(), primo);
                QVERIFY(f->Label1[0]->text().isEmpty() && !f->Label1[0]->isEnabled() && f->Label1[0]->isVisible());
                QVERIFY(!f->Label1[0]->autoFillBackground()); // no white box that looks like a target
                QVERIFY(!rilascia(f, 0, 1));
                // A right drop that does not finish leaves the red face of the wrong one.
                QCOMPARE(e.quadro().left(8), QStringLiteral(" 0| 1|no"));
                for (const QSize nuova : {f->size() / 2, QSize(1000, 800)}) {
                    f->resize(nuova);
                    QTRY_COMPARE(f->size(), nuova);
                    QVERIFY(alloSlot());
                }
                for (int i = 1; i < k; ++i)
                    QVERIFY(rilascia(f, i, i));
                QCOMPARE(e.quadro(), quadro(1, 1, "si", true, QString(k, '0')));
            }
            QCOMPARE(prime.size(), abbinamenti::numeroDisposizioni(id == IdFinestra::Form7 ? 2 : 3));
        }
    }

    // Form7, Form8: Escape during a drag (no other key) puts the name back
    // and counts nothing, even let go over a wrong box; a name carried through
    // a resize is drawn at its new size, and its drop counts.
    void trascinamentoInterrotto_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::newRow("Form7") << IdFinestra::Form7;
        QTest::newRow("Form8") << IdFinestra::Form8;
    }
    void trascinamentoInterrotto()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p;
        const Esercizio e = apri(p, id);
        FormTrascinamento *f = e.trascina;
        NomeTrascinabile *nome = f->Label1[0];
        const QString parola = nome->text();
        const QString prima = e.quadro();
        const auto sopra = [&](int j) {
            return nome->mapFrom(f, f->Label2Riquadri[j]->mapTo(f, f->Label2Riquadri[j]->rect().center()));
        };
        QTest::mousePress(nome, Qt::LeftButton, {}, nome->rect().center());
        QTest::mouseMove(nome, sopra(1));
        QTest::keyClick(f, Qt::Key_A);
        QVERIFY(f->trascinamento()->inCorso());
        QTest::keyClick(f, Qt::Key_Escape);
        QTest::mouseRelease(nome, Qt::LeftButton, {}, sopra(1));
        QCOMPARE(e.quadro(), prima);
        QVERIFY(!f->trascinamento()->inCorso() && !f->trascinamento()->immagine()->isVisible());
        QCOMPARE(nome->text(), parola);

        QTest::mousePress(nome, Qt::LeftButton, {}, nome->rect().center());
        const QSize vecchia = nome->size();
        f->resize(f->size() / 2);
        QTRY_VERIFY(nome->size() != vecchia);
        QCOMPARE(f->trascinamento()->immagine()->size(), nome->size());
        QTest::mouseRelease(nome, Qt::LeftButton, {}, sopra(0));
        QCOMPARE(f->Label2Riquadri[0]->text(), parola);
    }

    // Form8's own menus: the score summary, and a type-style menu that changes nothing.
    void menuDiForm8()
    {
        ProgrammaProva p;
        const Esercizio e = apri(p, IdFinestra::Form8);
        e.sbaglia(0);
        e.sbaglia(1);
        e.completa();
        azioneMenu(e.f, QStringLiteral("Esercizi     "))->trigger();
        QCOMPARE(p.dialoghi.testi(), QStringList{QStringLiteral("Hai eseguito  1 esercizi esatti e  2 esercizi errati.")});
        QCOMPARE(p.dialoghi.chiamate[0].icona, Dialoghi::Icona::Informazione);
        QAction *minuscolo = azioneMenu(e.f, QStringLiteral("stampato minuscolo"));
        QAction *maiuscolo = azioneMenu(e.f, QStringLiteral("stampato maiuscolo"));
        const QStringList nomi = e.mostrate();
        for (QAction *a : {minuscolo, maiuscolo, minuscolo})
            a->trigger();
        QVERIFY(maiuscolo->isChecked() && !minuscolo->isChecked());
        QCOMPARE(e.mostrate(), nomi);
        QCOMPARE(p.sessione.Carattere, TipoCarattere::Maiuscolo);
    }
};

QTEST_MAIN(TestEsercizi)
#include "tst_esercizi.moc"
