#include "core/carattere.h"
#include "core/colori.h"
#include "core/paroleliste.h"
#include "tests/support/provefinestre.h"
#include "windows/browse/formvedi3.h"
#include "windows/browse/listaordinata.h"
#include "windows/riquadroimmagine.h"

#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {
quint32 sfondo(const QWidget *w)
{
    return w->palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
}

// Scrolls to the word and clicks it, as a child would.
void scegli(ListaOrdinata *lista, const QString &parola, bool doppio = false)
{
    const auto trovati = lista->findItems(parola, Qt::MatchExactly);
    QVERIFY2(!trovati.isEmpty(), qPrintable(parola));
    lista->scrollToItem(trovati.first());
    const QPoint punto = lista->visualItemRect(trovati.first()).center();
    if (doppio)
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, punto);
    else
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier, punto);
}

QString nomeFile(const RiquadroImmagine *r)
{
    return QFileInfo(r->file()).fileName();
}
} // namespace

// The picture chooser.
class TestFormVedi3 : public QObject
{
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QVERIFY(finestreVisibili().isEmpty()); }

    // The words in the order a reader expects, not in the order of the character codes.
    void ordine_data()
    {
        QTest::addColumn<QStringList>("inMemoria");
        QTest::addColumn<QStringList>("mostrate");
        QTest::newRow("maiuscole") << QStringList{"MARE", "CASA", "ALBERO"} << QStringList{"ALBERO", "CASA", "MARE"};
        QTest::newRow("maiuscole e minuscole")
            << QStringList{"mare", "Casa", "ALBERO", "cane", "Zebra", "ape"}
            << QStringList{"ALBERO", "ape", "cane", "Casa", "mare", "Zebra"};
        QTest::newRow("accenti")
            << QString::fromUtf8("perché,cittadino,città,pera,citta,zucca,Àncora,ago").split(QLatin1Char(','))
            << QString::fromUtf8("ago,Àncora,citta,città,cittadino,pera,perché,zucca").split(QLatin1Char(','));
        QTest::newRow("doppioni") << QStringList{"ORSO", "APE", "ORSO"} << QStringList{"APE", "ORSO", "ORSO"};
        QTest::newRow("una") << QStringList{"SOLE"} << QStringList{"SOLE"};
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
        // The words in memory keep their order.
        for (int i = 0; i < inMemoria.size(); ++i)
            QCOMPARE(p.stato.Parole[i + 1], inMemoria.at(i));
        f->chiudiSenzaDomande();
    }

    // A fresh opening: no picture, no selection, a new colour, the face of the type style.
    void apertura_data()
    {
        QTest::addColumn<QString>("carattere");
        QTest::addColumn<QString>("faccia");
        QTest::addColumn<QStringList>("mostrate");
        QTest::newRow("maiuscolo") << "maiuscolo" << "Arial" << QStringList{"ALBERO", "CASA", "MARE"};
        QTest::newRow("minuscolo") << "minuscolo" << "Arial" << QStringList{"albero", "casa", "mare"};
        QTest::newRow("corsivo") << "corsivo" << "Indis1" << QStringList{"albero", "casa", "mare"};
    }
    void apertura()
    {
        QFETCH(QString, carattere);
        QFETCH(QString, faccia);
        QFETCH(QStringList, mostrate);
        for (const unsigned seme : {2u, 9u}) {
            ProgrammaProva p(seme);
            p.parole({QStringLiteral("Mare"), QStringLiteral("casa"), QStringLiteral("ALBERO")});
            p.stato.Carattere = carattere;
            TrasformaCarattere(p.stato);
            Casuale atteso(seme);
            auto *f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
            QCOMPARE(sfondo(f), ColoreCasuale(atteso));
            QVERIFY(f->Image1->file().isEmpty());
            QVERIFY(f->List1->selectedItems().isEmpty());
            QVERIFY(f->List1->Text().isEmpty());
            QCOMPARE(f->List1->parole(), mostrate);
            QCOMPARE(f->List1->font().family(), faccia);
            QCOMPARE(f->List1->font().pointSizeF(), 27.75);
            QVERIFY(f->List1->font().bold());
            QVERIFY(f->Command1->text().isEmpty());
            QVERIFY(p.dialoghi.chiamate.isEmpty());
            f->chiudiSenzaDomande();
        }
    }

    // The button and a double click show the picture of the selected word, and nothing without one.
    void mostraImmagine()
    {
        ProgrammaProva p;
        const QStringList parole{QStringLiteral("MARE"), QStringLiteral("CASA"), QStringLiteral("ALBERO")};
        p.parole(parole);
        p.cartella.creaImmagini(parole);
        auto *f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        const quint32 colore = sfondo(f);

        clic(f->Command1);
        QVERIFY(f->Image1->file().isEmpty());

        scegli(f->List1, QStringLiteral("CASA"));
        QCOMPARE(f->List1->Text(), QStringLiteral("CASA"));
        QVERIFY(f->Image1->file().isEmpty()); // choosing alone shows nothing yet
        clic(f->Command1);
        QCOMPARE(f->Image1->file(), PercorsoImmagine(p.cartella.ambiente(), QStringLiteral("CASA")));
        QVERIFY(f->Image1->immagineValida());

        // The picture stays while another word is only selected.
        scegli(f->List1, QStringLiteral("MARE"));
        QCOMPARE(nomeFile(f->Image1), QStringLiteral("CASA.jpg"));

        scegli(f->List1, QStringLiteral("ALBERO"), true);
        QCOMPARE(nomeFile(f->Image1), QStringLiteral("ALBERO.jpg"));

        // The keyboard browses the list; the button shows the word reached.
        f->List1->setFocus();
        QTest::keyClick(f->List1, Qt::Key_Down);
        QCOMPARE(f->List1->Text(), QStringLiteral("CASA"));
        clic(f->Command1);
        QCOMPARE(nomeFile(f->Image1), QStringLiteral("CASA.jpg"));

        // Neither the picture nor the colour changes the rest of the window.
        QCOMPARE(sfondo(f), colore);
        QCOMPARE(f->List1->count(), 3);
        QVERIFY(p.dialoghi.chiamate.isEmpty());
        QVERIFY(p.suoni.suonati.isEmpty());
        f->chiudiSenzaDomande();
    }

    // A selected empty word does nothing, like no selection.
    void parolaVuota()
    {
        ProgrammaProva p;
        p.parole({QStringLiteral("LUNA"), QString()});
        p.cartella.creaImmagini({QStringLiteral("LUNA")});
        auto *f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        QCOMPARE(f->List1->parole(), (QStringList{QString(), QStringLiteral("LUNA")}));
        f->List1->item(0)->setSelected(true);
        clic(f->Command1);
        QVERIFY(f->Image1->file().isEmpty());
        scegli(f->List1, QStringLiteral("LUNA"));
        clic(f->Command1);
        QCOMPARE(nomeFile(f->Image1), QStringLiteral("LUNA.jpg"));
        f->chiudiSenzaDomande();
    }

    // A missing or unreadable picture leaves the box white; the window goes on.
    void immagineMancante()
    {
        ProgrammaProva p;
        p.parole({QStringLiteral("GATTO"), QStringLiteral("TOPO"), QStringLiteral("CANE")});
        p.cartella.creaImmagine(QStringLiteral("CANE.jpg"), Qt::green);
        p.cartella.scrivi(QStringLiteral("images0/TOPO.jpg"), QByteArray(300, 'x'));
        auto *f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        for (const QString &parola : {QStringLiteral("GATTO"), QStringLiteral("TOPO")}) {
            scegli(f->List1, parola);
            clic(f->Command1);
            QCOMPARE(nomeFile(f->Image1), parola + QStringLiteral(".jpg"));
            QVERIFY(!f->Image1->immagineValida());
            const QImage schermata = f->Image1->grab().toImage();
            QCOMPARE(schermata.pixelColor(schermata.width() / 2, schermata.height() / 2), QColor(Qt::white));
        }
        scegli(f->List1, QStringLiteral("CANE"));
        clic(f->Command1);
        QVERIFY(f->Image1->immagineValida());
        QVERIFY(p.dialoghi.chiamate.isEmpty());
        QVERIFY(f->isVisible());
        f->chiudiSenzaDomande();
    }

    void listaVuota()
    {
        ProgrammaProva p;
        p.parole({QStringLiteral("VECCHIA")});
        p.parole({});
        auto *f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        QCOMPARE(f->List1->count(), 0);
        clic(f->Command1);
        QTest::mouseDClick(f->List1->viewport(), Qt::LeftButton, Qt::NoModifier, f->List1->viewport()->rect().center());
        QVERIFY(f->Image1->file().isEmpty());
        QVERIFY(p.dialoghi.chiamate.isEmpty());
        f->chiudiSenzaDomande();
    }

    void menu()
    {
        ProgrammaProva p;
        p.parole({QStringLiteral("SOLE")});
        auto *f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        const auto azioni = f->menuBar()->actions();
        QCOMPARE(azioni.size(), 2);
        QCOMPARE(azioni.at(0)->text(), QStringLiteral("Informazioni           "));
        QCOMPARE(azioni.at(0)->objectName(), QStringLiteral("mnuInforma"));
        QCOMPARE(azioni.at(1)->text(), QStringLiteral("Esci"));
        QCOMPARE(azioni.at(1)->objectName(), QStringLiteral("mnuEsci"));
        azioni.at(0)->trigger();
        QCOMPARE(p.dialoghi.chiamate.size(), 1);
        QCOMPARE(p.dialoghi.chiamate.at(0).icona, Dialoghi::Icona::Informazione);
        f->chiudiSenzaDomande();
    }

    // "Esci" with No leaves list, selection and picture; with Yes the menu comes back.
    void esci()
    {
        ProgrammaProva p;
        p.parole({QStringLiteral("MARE"), QStringLiteral("CASA")});
        p.cartella.creaImmagini({QStringLiteral("MARE"), QStringLiteral("CASA")});
        p.stato.Esatti = 4;
        p.stato.Errati = 1;
        p.dialoghi.risposte = {Dialoghi::Risposta::No, Dialoghi::Risposta::Si};
        QPointer<FormVedi3> f = p.apri<FormVedi3>(IdFinestra::FormVedi3);
        scegli(f->List1, QStringLiteral("MARE"));
        clic(f->Command1);
        const quint32 colore = sfondo(f);

        azioneMenu(f, QStringLiteral("Esci"))->trigger();
        QCOMPARE(p.dialoghi.testi(), QStringList{QString::fromUtf8("Vuoi tornare al menù?")});
        QCOMPARE(p.dialoghi.chiamate.at(0).icona, Dialoghi::Icona::Domanda);
        QCOMPARE(p.dialoghi.chiamate.at(0).pulsanti, Dialoghi::Pulsanti::SiNo);
        QCOMPARE(p.dialoghi.chiamate.at(0).titolo, QStringLiteral("Lettoria 2"));
        svuotaEventi();
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->List1->parole(), (QStringList{"CASA", "MARE"}));
        QCOMPARE(f->List1->Text(), QStringLiteral("MARE"));
        QCOMPARE(nomeFile(f->Image1), QStringLiteral("MARE.jpg"));
        QCOMPARE(sfondo(f), colore);
        QCOMPARE(p.stato.Esatti, qint16(4));

        f->close(); // the window manager's close asks the same question
        QTRY_COMPARE(p.dialoghi.chiamate.size(), 2);
        QTRY_VERIFY(f.isNull());
        QCOMPARE(p.stato.Esatti, qint16(0));
        QCOMPARE(p.stato.Errati, qint16(0));
        auto *menu = p.gestore->finestra(IdFinestra::FormMenu);
        QVERIFY(menu && menu->isVisible());
        menu->chiudiSenzaDomande();
        svuotaEventi();
    }
};

QTEST_MAIN(TestFormVedi3)
#include "tst_formvedi3.moc"
