#include "core/carattere.h"
#include "core/colori.h"
#include "core/paroleliste.h"
#include "tests/support/provefinestre.h"
#include "windows/browse/formvedi2.h"
#include "windows/browse/formvedi3.h"
#include "windows/browse/listaordinata.h"
#include "windows/lists/crealista.h"
#include "windows/lists/opzioni.h"
#include "windows/riquadroimmagine.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(IdFinestra)

namespace {
const QStringList Parole = {"CASA", "MARE", "ALBERO", "GATTO", "SOLE"};

quint32 sfondo(const QWidget *w)
{
    return w->palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
}

QString nomeFile(const RiquadroImmagine *r)
{
    return QFileInfo(r->file()).fileName();
}

QColor centro(RiquadroImmagine *r)
{
    return r->grab().toImage().pixelColor(r->width() / 2, r->height() / 2);
}

// Scrolls to the word and clicks it, as a child would.
void scegli(ListaOrdinata *lista, const QString &parola, bool doppio = false)
{
    QListWidgetItem *voce = lista->findItems(parola, Qt::MatchExactly).value(0);
    QVERIFY2(voce, qPrintable(parola));
    lista->scrollToItem(voce);
    const QPoint punto = lista->visualItemRect(voce).center();
    if (doppio)
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, punto);
    else
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, punto);
}

QString nomeDi(const Visore *v)
{
    auto *v2 = qobject_cast<const FormVedi2 *>(v);
    return v2 ? v2->Label1->text() : QString();
}

void viewers()
{
    QTest::addColumn<IdFinestra>("id");
    QTest::newRow("FormVedi") << IdFinestra::FormVedi;
    QTest::newRow("FormVedi2") << IdFinestra::FormVedi2;
}
} // namespace

// The picture viewer, the picture-and-name viewer and the picture chooser.
class TestVedi : public QObject
{
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QVERIFY(finestreVisibili().isEmpty()); }

    // Opening and every click draw the picture first, then the colour.
    void attivazioneEClic_data() { viewers(); }
    void attivazioneEClic()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(7);
        p.parole(Parole);
        p.cartella.creaImmagini(Parole);
        Casuale atteso(7);
        auto *v = p.apri<Visore>(id);
        const bool conNome = id == IdFinestra::FormVedi2;
        QStringList dette;
        for (int passo = 0; passo < 4; ++passo) {
            if (passo > 0)
                clic(v->Command1);
            const int n = atteso.posizione(Parole.size());
            QCOMPARE(v->Estratto, qint16(n));
            QCOMPARE(v->Image1->file(), PercorsoImmagine(p.cartella.ambiente(), Parole.at(n - 1)));
            QVERIFY(v->Image1->immagineValida());
            QCOMPARE(sfondo(v), ColoreCasuale(atteso));
            QCOMPARE(nomeDi(v), conNome ? Parole.at(n - 1) : QString());
            // Each new name is said as it appears; the picture viewer says nothing.
            if (conNome)
                dette.append(Parole.at(n - 1).toLower());
            QCOMPARE(p.suoni.parole(), dette);
        }
        // A tap on the name says it again.
        if (auto *v2 = qobject_cast<FormVedi2 *>(v)) {
            clic(v2->Label1);
            QCOMPARE(p.suoni.parole().size(), 5);
            QCOMPARE(p.suoni.parole().last(), dette.last());
        }
        QVERIFY(p.dialoghi.chiamate.isEmpty() && p.suoni.suonati.isEmpty());
        v->chiudiSenzaDomande();
    }

    // One word with its picture, beside empty lines, the same word again and a
    // word without a picture: the same picture and name every time; only the
    // colour changes.
    void unaParola_data() { viewers(); }
    void unaParola()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(3);
        p.parole({"", "LUNA", "  ", "NUVOLA"});
        p.cartella.creaImmagini({"LUNA"});
        auto *v = p.apri<Visore>(id);
        QSet<quint32> colori;
        for (int i = 0; i < 8; ++i) {
            clic(v->Command1);
            QCOMPARE(v->Estratto, qint16(2));
            QCOMPARE(nomeFile(v->Image1), QStringLiteral("LUNA.jpg"));
            QCOMPARE(nomeDi(v), id == IdFinestra::FormVedi2 ? QStringLiteral("LUNA") : QString());
            colori.insert(sfondo(v));
        }
        QVERIFY(colori.size() > 1);
        v->chiudiSenzaDomande();
    }

    // The words as the type style left them, in its face, size and weight as
    // designed: the name of "Immagine e nome", and
    // the chooser's list, which opens sorted, with no picture and no selection.
    void facciaDelloStile_data()
    {
        QTest::addColumn<QString>("carattere");
        QTest::addColumn<QString>("faccia");
        QTest::addColumn<QStringList>("mostrate");
        QTest::newRow("maiuscolo") << "maiuscolo" << "Arial" << QStringList{"ALBERO", QString::fromUtf8("CITTÀ"), "MARE"};
        QTest::newRow("minuscolo") << "minuscolo" << "Arial" << QStringList{"albero", QString::fromUtf8("città"), "mare"};
        QTest::newRow("corsivo") << "corsivo" << "Indis1" << QStringList{"albero", QString::fromUtf8("città"), "mare"};
    }
    void facciaDelloStile()
    {
        QFETCH(QString, carattere);
        QFETCH(QString, faccia);
        QFETCH(QStringList, mostrate);
        ProgrammaProva p(9);
        p.parole({"Mare", QString::fromUtf8("Città"), "ALBERO"});
        p.cartella.creaImmagine(QString::fromUtf8("CITTÀ.jpg"));
        p.sessione.Carattere = CarattereDaTesto(carattere);
        TrasformaCarattere(p.sessione.lista, p.sessione.Carattere);
        auto *v = p.apri<FormVedi2>(IdFinestra::FormVedi2);
        QCOMPARE(v->Label1->text(), mostrate.at(1));
        QVERIFY(v->Image1->immagineValida()); // found whatever the letter case
        QCOMPARE(v->Label1->font().family(), faccia);
        QCOMPARE(v->Label1->font().pointSize(), 36);
        QCOMPARE(v->Label1->textFormat(), Qt::PlainText); // a word that looks like markup shows as written
        v->chiudiSenzaDomande();
        svuotaEventi();
        p.parole({mostrate.at(2), mostrate.at(1), mostrate.at(0)});
        auto *f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        QVERIFY(f->Image1->file().isEmpty() && f->List1->selectedItems().isEmpty());
        QCOMPARE(f->List1->parole(), mostrate);
        QCOMPARE(f->List1->font().family(), faccia);
        QCOMPARE(f->List1->font().pointSizeF(), 27.75);
        QVERIFY(f->List1->font().bold());
        f->chiudiSenzaDomande();
    }

    // Missing or unreadable picture: a white box, no message, the window goes on.
    void immagineMancante_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::newRow("FormVedi") << IdFinestra::FormVedi;
        QTest::newRow("FormVedi2") << IdFinestra::FormVedi2;
        QTest::newRow("FormVedi3") << IdFinestra::FormVedi3;
    }
    void immagineMancante()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p;
        p.parole({"NUVOLA"});
        Finestra *f = p.apri(id);
        auto *immagine = f->findChild<RiquadroImmagine *>("Image1");
        auto mostra = [&] {
            if (auto *v3 = qobject_cast<FormVedi3 *>(f)) {
                scegli(v3->List1, "NUVOLA");
                clic(v3->Command1);
            } else {
                clic(f->findChild<QPushButton *>("Command1"));
            }
            QCOMPARE(nomeFile(immagine), QStringLiteral("NUVOLA.jpg"));
        };
        mostra();
        QVERIFY(!immagine->immagineValida());
        QCOMPARE(centro(immagine), QColor(Qt::white));
        p.cartella.scrivi("images0/NUVOLA.jpg", "non una figura");
        mostra();
        QVERIFY(!immagine->immagineValida());
        p.cartella.creaImmagine("NUVOLA.jpg", Qt::blue);
        mostra();
        QVERIFY2(centro(immagine).blue() > 200 && centro(immagine).red() < 60, qPrintable(centro(immagine).name()));
        QVERIFY(p.dialoghi.chiamate.isEmpty() && f->isVisible());
        f->chiudiSenzaDomande();
    }

    // The chooser's words in the order a reader expects, not in the order of the character codes.
    void ordine_data()
    {
        QTest::addColumn<QStringList>("inMemoria");
        QTest::addColumn<QStringList>("mostrate");
        QTest::newRow("maiuscole") << QStringList{"MARE", "CASA", "ALBERO"} << QStringList{"ALBERO", "CASA", "MARE"};
        QTest::newRow("maiuscole e minuscole") << QStringList{"mare", "Casa", "ALBERO", "cane", "Zebra", "ape"}
                                               << QStringList{"ALBERO", "ape", "cane", "Casa", "mare", "Zebra"};
        QTest::newRow("accenti")
            << QString::fromUtf8("perché,cittadino,città,pera,citta,zucca,Àncora,ago").split(',')
            << QString::fromUtf8("ago,Àncora,citta,città,cittadino,pera,perché,zucca").split(',');
        QTest::newRow("doppioni e righe vuote") << QStringList{"ORSO", "", "APE", "orso", "  "} << QStringList{"APE", "ORSO"};
        QTest::newRow("numeri") << QStringList{"ORSO10", "ORSO2", "ORSO", "ORSO1"} << QStringList{"ORSO", "ORSO1", "ORSO2", "ORSO10"};
        QTest::newRow("vuota") << QStringList{} << QStringList{};
    }
    void ordine()
    {
        QFETCH(QStringList, inMemoria);
        QFETCH(QStringList, mostrate);
        ProgrammaProva p;
        p.parole(inMemoria);
        auto *f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        QCOMPARE(f->List1->parole(), mostrate);
        QCOMPARE(p.sessione.lista.parole(), inMemoria);
        if (mostrate.isEmpty()) {
            clic(f->Command1);
            QTest::mouseDClick(f->List1->viewport(), Qt::LeftButton);
            QVERIFY(f->Image1->file().isEmpty());
        }
        f->chiudiSenzaDomande();
        svuotaEventi();
        // The list maker shows the words of the same pictures in the same order.
        for (const QString &parola : inMemoria)
            if (!parola.trimmed().isEmpty())
                p.cartella.creaImmagine(parola.toUpper() + QStringLiteral(".jpg"));
        auto *opzioni = p.apri<OPZIONI>(IdFinestra::OPZIONI);
        clic(opzioni->Command2);
        const QStringList maker = opzioni->Frame5->modello().parole(ListaInPreparazione::Lato::Disponibili);
        QStringList attese;
        for (const QString &parola : mostrate)
            attese.append(parola.toUpper());
        QCOMPARE(maker, attese);
        opzioni->chiudiSenzaDomande();
    }

    // A fresh chooser: no picture, no selection, a drawn colour, the face of the type style.
    // The check mark and a double click show the selected word's picture; nothing without one.
    void mostraImmagine()
    {
        ProgrammaProva p;
        p.parole({"MARE", "CASA", "ALBERO"});
        p.cartella.creaImmagini({"MARE", "CASA", "ALBERO"});
        auto *f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        const quint32 colore = sfondo(f);
        clic(f->Command1);
        QVERIFY(f->Image1->file().isEmpty());

        scegli(f->List1, "CASA");
        QVERIFY(f->Image1->file().isEmpty()); // selecting alone shows nothing yet
        QVERIFY(p.suoni.pronunce.isEmpty());
        clic(f->Command1);
        QCOMPARE(f->Image1->file(), PercorsoImmagine(p.cartella.ambiente(), "CASA"));
        // The word is said as its picture appears, and again at a tap on the picture.
        clic(f->Image1);
        QCOMPARE(p.suoni.parole(), QStringList(2, QStringLiteral("casa")));
        QVERIFY(f->Image1->immagineValida());
        scegli(f->List1, "MARE");
        QCOMPARE(nomeFile(f->Image1), QStringLiteral("CASA.jpg"));
        scegli(f->List1, "ALBERO", true);
        QCOMPARE(nomeFile(f->Image1), QStringLiteral("ALBERO.jpg"));
        QTest::keyClick(f->List1, Qt::Key_Down);
        clic(f->Command1);
        QCOMPARE(nomeFile(f->Image1), QStringLiteral("CASA.jpg"));
        QCOMPARE(sfondo(f), colore);
        QVERIFY(p.dialoghi.chiamate.isEmpty() && p.suoni.suonati.isEmpty());
        QCOMPARE(p.suoni.parole().size(), 4);
        // The red check mark is drawn whole: nothing of it touches the edge of its picture.
        const QImage segno = f->Command1->icon().pixmap(128).toImage();
        for (int i = 0; i < segno.width(); ++i)
            for (const QPoint bordo : {QPoint(i, 0), QPoint(i, segno.height() - 1), QPoint(0, i), QPoint(segno.width() - 1, i)})
                QCOMPARE(qAlpha(segno.pixel(bordo)), 0);
        f->chiudiSenzaDomande();
    }

    // A close request asks "Vuoi tornare al menù?": No leaves the chooser's
    // list, selection and picture as they were; Yes goes back to the menu.
    void esci()
    {
        ProgrammaProva p;
        p.parole(Parole);
        p.cartella.creaImmagini(Parole);
        p.dialoghi.risposte = {Dialoghi::Risposta::No, Dialoghi::Risposta::Si};
        QPointer<FormVedi3> f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        scegli(f->List1, "MARE");
        clic(f->Command1);
        const QStringList prima{f->Image1->file(), f->List1->parole().join(','), f->List1->Text()};
        f->close();
        QTRY_COMPARE(p.dialoghi.testi(), QStringList{QString::fromUtf8("Vuoi tornare al menù?")});
        svuotaEventi();
        QCOMPARE((QStringList{f->Image1->file(), f->List1->parole().join(','), f->List1->Text()}), prima);
        f->mnuEsci->trigger();
        QTRY_VERIFY(f.isNull());
        QVERIFY(p.gestore->finestra(IdFinestra::FormMenu)->isVisible());
        p.gestore->finestra(IdFinestra::FormMenu)->chiudiSenzaDomande();
        svuotaEventi();
    }
};

QTEST_MAIN(TestVedi)
#include "tst_vedi.moc"
