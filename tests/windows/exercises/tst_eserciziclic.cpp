#include "core/casuale.h"
#include "core/paroleliste.h"
#include "tests/support/provefinestre.h"
#include "windows/exercises/controlliesercizio.h"
#include "windows/exercises/esercizioclic.h"
#include "windows/exercises/formnomiunaimmagine.h"
#include "windows/exercises/formunnomeimmagini.h"
#include "windows/menu/formmenu.h"
#include "windows/riquadroimmagine.h"

#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(IdFinestra)

namespace {

// The counts as shown, the face, "avanti", the marked answer (-1: none, 99:
// a wrong mark) and which answer controls are enabled.
QString quadro(const QString &esatti, const QString &errati, const char *faccia, bool avanti, int segnata,
               const QString &attive)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(esatti, errati, QLatin1String(faccia), avanti ? "avanti" : "-")
        .arg(segnata)
        .arg(attive);
}
QString quadro(int esatti, int errati, const char *faccia, bool avanti, int segnata, const QString &attive)
{
    return quadro(TestoNumero(esatti), TestoNumero(errati), faccia, avanti, segnata, attive);
}

// One open click exercise, whichever family.
struct Esercizio
{
    FormEsercizio *f;
    FormUnNomeImmagini *immagini; // Form1..Form3
    FormNomiUnaImmagine *nomi;    // Form4..Form6

    explicit Esercizio(Finestra *w)
        : f(qobject_cast<FormEsercizio *>(w)), immagini(qobject_cast<FormUnNomeImmagini *>(w)),
          nomi(qobject_cast<FormNomiUnaImmagine *>(w))
    {
    }
    int k() const { return immagini ? immagini->k() : nomi->k(); }
    QWidget *risposta(int i) const
    {
        return f->findChild<QWidget *>(QStringLiteral("%1_%2").arg(immagini ? "Image1" : "Label1").arg(i));
    }
    // The words on the answer controls (pictures by their file name), and the one asked for.
    QStringList mostrate() const
    {
        QStringList out;
        for (int i = 0; i < k(); ++i)
            out.append(immagini ? QFileInfo(immagini->Image1[i]->file()).completeBaseName() : nomi->Label1[i]->text());
        return out;
    }
    QString chiesta() const
    {
        return immagini ? immagini->Label1->text() : QFileInfo(nomi->Image1->file()).completeBaseName();
    }
    RiquadroImmagine *figura(int giusta) const { return immagini ? immagini->Image1[giusta] : nomi->Image1; }
    QString quadro() const
    {
        QString attive;
        int segnata = -1;
        for (int i = 0; i < k(); ++i) {
            attive += risposta(i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
            if (nomi && ColoreEtichetta(nomi->Label1[i]) != Qt::white)
                segnata = segnata == -1 && ColoreEtichetta(nomi->Label1[i]) == Qt::yellow ? i : 99;
        }
        if (immagini && immagini->Shape1->isVisible()) {
            segnata = 99;
            for (int i = 0; i < k(); ++i)
                if (immagini->Shape1->pos() == risposta(i)->pos())
                    segnata = i;
        }
        const bool si = f->ComandoIconaSi->isVisible(), no = f->ComandoIconaNo->isVisible();
        return ::quadro(f->EtichettaEsatti->text(), f->EtichettaErrati->text(), si && !no ? "si" : no && !si ? "no" : "??",
                        f->Command1->isEnabled(), segnata, attive);
    }
    // The right answer, then "avanti".
    void prossimo(const Stato &stato) const
    {
        clic(risposta(stato.Estratto));
        clic(f->Command1);
    }
};

QStringList paroleDi(int n)
{
    return QStringList{"CASA", "CANE", "GATTO", "LUPO", "ORSO", "PANE", "MELA", "NAVE", "RANA", "SOLE"}.mid(0, n);
}

struct Riga
{
    const char *nome;
    IdFinestra id;
    int k;
    const char *carattere;
};
const Riga kFinestre[] = {
    {"Form1", IdFinestra::Form1, 2, "corsivo"}, {"Form2", IdFinestra::Form2, 3, "maiuscolo"},
    {"Form3", IdFinestra::Form3, 4, "minuscolo"}, {"Form4", IdFinestra::Form4, 2, "corsivo"},
    {"Form5", IdFinestra::Form5, 3, "maiuscolo"}, {"Form6", IdFinestra::Form6, 4, "minuscolo"},
};

void finestre()
{
    QTest::addColumn<IdFinestra>("id");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("carattere");
    for (const Riga &r : kFinestre)
        QTest::newRow(r.nome) << r.id << r.k << QString::fromLatin1(r.carattere);
}

void unaPerFamiglia()
{
    QTest::addColumn<IdFinestra>("id");
    QTest::newRow("Form1") << IdFinestra::Form1;
    QTest::newRow("Form4") << IdFinestra::Form4;
}

} // namespace

class TestEserciziClic : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(finestreVisibili().isEmpty()); }

    // The rule alone: k distinct positions, every word reaching every place, every place asked for.
    void estrazioni_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("n");
        for (int k = 2; k <= 4; ++k)
            for (int n : {k, k + 1, 10})
                QTest::addRow("k=%d n=%d", k, n) << k << n;
    }
    void estrazioni()
    {
        QFETCH(int, k);
        QFETCH(int, n);
        Stato stato;
        ImpostaParole(stato, paroleDi(n));
        Casuale casuale(3);
        EsercizioClic esercizio(k);
        QVector<QSet<int>> perIndice(k);
        QSet<int> estratti;
        for (int volta = 0; volta < 400; ++volta) {
            QVERIFY(esercizio.genera(stato, casuale));
            QSet<int> distinte;
            for (int i = 0; i < k; ++i) {
                const int s = EsercizioClic::scelta(stato, i);
                QVERIFY(s >= 1 && s <= n);
                distinte.insert(s);
                perIndice[i].insert(s);
            }
            QCOMPARE(distinte.size(), k);
            estratti.insert(stato.Estratto);
        }
        for (int i = 0; i < k; ++i)
            QCOMPARE(perIndice[i].size(), n);
        QCOMPARE(estratti.size(), k);
        QVERIFY(*std::min_element(estratti.begin(), estratti.end()) == 0);
        QVERIFY(*std::max_element(estratti.begin(), estratti.end()) == k - 1);
    }

    void dalMenu_data() { finestre(); }
    void dalMenu()
    {
        QFETCH(IdFinestra, id);
        QFETCH(int, k);
        QFETCH(QString, carattere);
        ProgrammaProva p(5);
        p.stato.Carattere = carattere;
        p.parole(paroleDi(6));
        auto *menu = p.apri<FormMenu>(IdFinestra::FormMenu);
        clic(menu->pulsante(id));
        QTRY_VERIFY(!p.gestore->finestra(IdFinestra::FormMenu));
        Esercizio e(p.gestore->finestra(id));
        QVERIFY(e.f && e.f->isVisible());
        QCOMPARE(e.k(), k);
        QCOMPARE(e.quadro(), quadro(0, 0, "si", false, -1, QString(k, '1')));
        QVERIFY(!e.risposta(k));
        QStringList attese;
        for (int i = 0; i < k; ++i) {
            QCOMPARE(e.risposta(i)->property("Index").toInt(), i);
            QCOMPARE(e.risposta(i)->cursor().shape(), Qt::BitmapCursor);
            attese.append(EsercizioClic::parola(p.stato, i));
        }
        QCOMPARE(e.mostrate(), attese);
        QCOMPARE(e.chiesta(), attese.at(p.stato.Estratto));
        QList<QWidget *> parole{e.immagini ? static_cast<QWidget *>(e.immagini->Label1) : nullptr};
        if (e.nomi)
            parole = {e.nomi->Label1.begin(), e.nomi->Label1.end()};
        for (QWidget *w : std::as_const(parole)) {
            QCOMPARE(w->font().family(), carattere == QLatin1String("corsivo") ? "Indis1" : "Arial");
            QCOMPARE(w->font().pointSizeF(), 27.75);
        }
    }

    void sbagliateGiustaEAvanti_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::addColumn<bool>("suoni");
        for (const Riga &r : kFinestre)
            QTest::newRow(r.nome) << r.id << true;
        QTest::newRow("Form2 sounds off") << IdFinestra::Form2 << false;
        QTest::newRow("Form5 sounds off") << IdFinestra::Form5 << false;
    }
    void sbagliateGiustaEAvanti()
    {
        QFETCH(IdFinestra, id);
        QFETCH(bool, suoni);
        ProgrammaProva p(11);
        p.stato.SuoniAttivati = suoni;
        p.parole(paroleDi(8));
        p.cartella.creaImmagini(paroleDi(8));
        Esercizio e(p.apri(id));
        const int k = e.k(), giusta = p.stato.Estratto;
        const QString tutte(k, '1'), nessuna(k, '0');
        const QStringList prima = e.mostrate();

        // Every wrong control once, the first one twice: each click counts.
        QList<int> sbagliate;
        for (int i = 0; i < k; ++i)
            if (i != giusta)
                sbagliate.append(i);
        sbagliate.append(sbagliate.first());
        int errati = 0;
        for (int i : std::as_const(sbagliate)) {
            clic(e.risposta(i));
            QCOMPARE(e.quadro(), quadro(0, ++errati, "no", false, -1, tutte));
        }
        QCOMPARE(p.suoni.nomi(), suoni ? QStringList(errati, "no.wav") : QStringList());

        clic(e.risposta(giusta));
        QCOMPARE(e.quadro(), quadro(1, errati, "si", true, giusta, nessuna));
        QCOMPARE(p.suoni.suonati.size(), suoni ? errati + 1 : 0);
        if (suoni)
            QVERIFY(QRegularExpression("^si[1-4]\\.wav$").match(p.suoni.nomi().last()).hasMatch());

        // Answered: the pictures or names no longer react.
        for (int j = 0; j < k; ++j)
            clic(e.risposta(j));
        QCOMPARE(e.quadro(), quadro(1, errati, "si", true, giusta, nessuna));
        QCOMPARE(p.suoni.suonati.size(), suoni ? errati + 1 : 0);
        QCOMPARE(e.mostrate(), prima);

        // "avanti": a new exercise waiting, the face and counts as they were.
        clic(e.f->Command1);
        QCOMPARE(e.quadro(), quadro(1, errati, "si", false, -1, tutte));
        QStringList attese;
        for (int j = 0; j < k; ++j)
            attese.append(EsercizioClic::parola(p.stato, j));
        QCOMPARE(e.mostrate(), attese);
        QCOMPARE(e.chiesta(), attese.at(p.stato.Estratto));
    }

    void azzeraEdEsci_data() { finestre(); }
    void azzeraEdEsci()
    {
        QFETCH(IdFinestra, id);
        QFETCH(int, k);
        ProgrammaProva p(2);
        p.parole(paroleDi(6));
        Esercizio e(p.apri(id));
        const int giusta = p.stato.Estratto;
        const QStringList esercizio = e.mostrate();
        clic(e.risposta((giusta + 1) % k));
        azioneMenu(e.f, QStringLiteral("Azzera conteggio     "))->trigger();
        QCOMPARE(e.quadro(), quadro(0, 0, "no", false, -1, QString(k, '1')));
        QCOMPARE(e.mostrate(), esercizio);
        clic(e.risposta(giusta));
        QCOMPARE(e.quadro(), quadro(1, 0, "si", true, giusta, QString(k, '0')));

        p.dialoghi.risposte = {Dialoghi::Risposta::No, Dialoghi::Risposta::Si};
        azioneMenu(e.f, QStringLiteral("Esci"))->trigger();
        QCOMPARE(e.quadro(), quadro(1, 0, "si", true, giusta, QString(k, '0')));
        azioneMenu(e.f, QStringLiteral("Esci"))->trigger();
        QTRY_VERIFY(!p.gestore->finestra(id));
        auto *menu = p.gestore->finestra<FormMenu>(IdFinestra::FormMenu);
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(p.dialoghi.testi(), QStringList(2, QStringLiteral("Vuoi tornare al menù?")));

        clic(menu->pulsante(id));
        QTRY_VERIFY(p.gestore->finestra(id));
        QCOMPARE(Esercizio(p.gestore->finestra(id)).quadro(), quadro(0, 0, "si", false, -1, QString(k, '1')));
    }

    // Exactly k words: each exercise shows them all; every word reaches every place.
    void esattamenteKParole_data() { finestre(); }
    void esattamenteKParole()
    {
        QFETCH(IdFinestra, id);
        QFETCH(int, k);
        ProgrammaProva p(4);
        const QStringList parole = paroleDi(k);
        p.parole(parole);
        Esercizio e(p.apri(id));
        QVector<QSet<QString>> perPosto(k);
        QSet<int> chieste;
        for (int volta = 0; volta < 80; ++volta) {
            const QStringList mostrate = e.mostrate();
            QCOMPARE(QSet<QString>(mostrate.begin(), mostrate.end()), QSet<QString>(parole.begin(), parole.end()));
            QCOMPARE(e.chiesta(), mostrate.at(p.stato.Estratto));
            for (int i = 0; i < k; ++i)
                perPosto[i].insert(mostrate.at(i));
            chieste.insert(p.stato.Estratto);
            e.prossimo(p.stato);
        }
        for (int i = 0; i < k; ++i)
            QCOMPARE(perPosto[i].size(), k);
        QCOMPARE(chieste.size(), k);
        QCOMPARE(e.quadro(), quadro(80, 0, "si", false, -1, QString(k, '1')));
    }

    // The same word at two positions: only the control at Estratto is right.
    void stessaParolaDueVolte_data() { unaPerFamiglia(); }
    void stessaParolaDueVolte()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(6);
        p.parole({QStringLiteral("CASA"), QStringLiteral("CASA")});
        Esercizio e(p.apri(id));
        QCOMPARE(e.mostrate(), QStringList(2, QStringLiteral("CASA")));
        const int giusta = p.stato.Estratto;
        clic(e.risposta(1 - giusta));
        QCOMPARE(e.quadro(), quadro(0, 1, "no", false, -1, "11"));
        clic(e.risposta(giusta));
        QCOMPARE(e.quadro(), quadro(1, 1, "si", true, giusta, "00"));
    }

    // Leading blanks are shown and the picture found without them; a missing
    // or unreadable picture leaves a white box and the word stays answerable.
    void paroleParticolari_data() { unaPerFamiglia(); }
    void paroleParticolari()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(8);
        p.parole({QStringLiteral("  ORSO"), QStringLiteral("NUVOLA"), QStringLiteral("ROTTA")});
        p.cartella.creaImmagini({QStringLiteral("ORSO")});
        p.cartella.scrivi(QStringLiteral("images0/ROTTA.jpg"), "not a picture");
        Esercizio e(p.apri(id));
        for (const QString parola : {"  ORSO", "NUVOLA", "ROTTA"}) {
            for (int volta = 0; volta < 40 && EsercizioClic::parola(p.stato, p.stato.Estratto) != parola; ++volta)
                e.prossimo(p.stato);
            const int giusta = p.stato.Estratto;
            QCOMPARE(EsercizioClic::parola(p.stato, giusta), parola);
            QCOMPARE(e.immagini ? e.immagini->Label1->text() : e.nomi->Label1[giusta]->text(), parola);
            RiquadroImmagine *figura = e.figura(giusta);
            QCOMPARE(figura->file(), PercorsoImmagine(p.cartella.ambiente(), parola));
            QCOMPARE(figura->immagineValida(), parola == QLatin1String("  ORSO"));
            if (!figura->immagineValida())
                QCOMPARE(figura->grab().toImage().pixelColor(figura->width() / 2, figura->height() / 2), QColor(Qt::white));
            clic(e.risposta(giusta));
            QCOMPARE(e.quadro().section('|', 3, 4), QStringLiteral("avanti|%1").arg(giusta));
        }
        QCOMPARE(p.dialoghi.chiamate.size(), 0);
    }

    // Form3: Image1(2) stands below Image1(0); the top row is 0, 1, 3.
    void form3ImmagineInBasso()
    {
        ProgrammaProva p(1);
        p.parole(paroleDi(4));
        auto *f = p.apri<FormUnNomeImmagini>(IdFinestra::Form3);
        const auto &img = f->Image1;
        QCOMPARE(img[1]->y(), img[0]->y());
        QCOMPARE(img[3]->y(), img[0]->y());
        QVERIFY(img[0]->x() < img[1]->x() && img[1]->x() < img[3]->x());
        QCOMPARE(img[2]->x(), img[0]->x());
        QVERIFY(img[2]->y() >= img[0]->y() + img[0]->height());
        for (int volta = 0; volta < 30 && p.stato.Estratto != 2; ++volta)
            Esercizio(f).prossimo(p.stato);
        QCOMPARE(p.stato.Estratto, qint16(2));
        clic(img[2]);
        QCOMPARE(f->Shape1->pos(), img[2]->pos());
        QVERIFY(f->Shape1->isVisible());
        // A later re-layout keeps the frame on that picture.
        f->resize(f->width() - 100, f->height() - 80);
        QTRY_COMPARE(f->Shape1->pos(), img[2]->pos());
    }

    // Opened directly with too few words: no hang, nothing to answer.
    void troppoPocheParole_data() { finestre(); }
    void troppoPocheParole()
    {
        QFETCH(IdFinestra, id);
        QFETCH(int, k);
        ProgrammaProva p(1);
        p.parole(paroleDi(k - 1));
        Esercizio e(p.apri(id));
        for (int i = 0; i < k; ++i)
            clic(e.risposta(i));
        QCOMPARE(e.quadro(), quadro(0, 0, "si", false, -1, QString(k, '0')));
        QVERIFY(e.chiesta().isEmpty());
    }
};

QTEST_MAIN(TestEserciziClic)
#include "tst_eserciziclic.moc"
