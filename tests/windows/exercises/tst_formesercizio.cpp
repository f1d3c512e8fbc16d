#include "core/avvio.h"
#include "core/scaling/clsresize.h"
#include "tests/support/provefinestre.h"
#include "windows/exercises/controlliesercizio.h"
#include "windows/exercises/formesercizio.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

// The frame with the least a family adds: one word label and a count of the exercises built.
class EsercizioProva : public FormEsercizio
{
public:
    EsercizioProva(IdFinestra id, const CorniceEsercizio &c, const Contesto &ctx, GestoreFinestre &g)
        : FormEsercizio(id, c, ctx, g)
    {
        parola = controllo(new QLabel(QStringLiteral("Label1"), area()), QStringLiteral("Label1"), 1000, 1000, 4000, 1000);
        parola->setFont(carattere(QStringLiteral("Arial"), 27.75, true));
    }

    void GeneraEsercizio() override
    {
        ++esercizi;
        parola->setText(QStringLiteral("esercizio %1").arg(esercizi));
    }

    using FormEsercizio::inserisciMenu;
    using FormEsercizio::inserisciVoce;

    QLabel *parola = nullptr;
    int esercizi = 0;
    int eserciziAlCaricamento = -1;
    QSize areaInPreparazione;
    QRect avantiInPreparazione;

protected:
    void Command1_Click() override
    {
        Command1->setEnabled(false);
        GeneraEsercizio();
    }
    QList<QWidget *> controlliParola() const override { return {parola}; }
    void preparaPrimoEsercizio() override
    {
        areaInPreparazione = area()->size();
        avantiInPreparazione = Command1->geometry();
    }
    void Form_Load() override
    {
        FormEsercizio::Form_Load();
        eserciziAlCaricamento = esercizi;
    }
};

CorniceEsercizio corniceProva()
{
    CorniceEsercizio c;
    c.larghezza = 10545;
    c.altezza = 7200;
    c.facce = QRect(1200, 5400, 1095, 975);
    c.esatti = QRect(2640, 5760, 735, 375);
    c.etichettaEsatti = QRect(3480, 5655, 975, 615);
    c.errati = QRect(4680, 5775, 735, 495);
    c.etichettaErrati = QRect(5520, 5655, 855, 615);
    c.avanti = QRect(8040, 5520, 1725, 900);
    return c;
}

QStringList captionsBarra(QMainWindow *f)
{
    QStringList out;
    for (QAction *a : f->menuBar()->actions())
        out.append(a->text());
    return out;
}

} // namespace

Q_DECLARE_METATYPE(IdFinestra)

class TestFormEsercizio : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgrammaProva> p;
    QPointer<EsercizioProva> f;

    EsercizioProva *apri(IdFinestra id = IdFinestra::Form2, CorniceEsercizio c = corniceProva())
    {
        f = new EsercizioProva(id, c, p->contesto(), *p->gestore);
        f->carica();
        f->show();
        if (!QTest::qWaitForWindowExposed(f))
            return nullptr;
        return f;
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammaProva>(7);
        p->parole({QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO")});
    }
    void cleanup()
    {
        delete f.data();
        p.reset();
        QVERIFY(finestreVisibili().isEmpty());
    }

    void finestraAppenaAperta()
    {
        p->stato.Esatti = 5; // left over from an earlier window: loading starts again from 0
        p->stato.Errati = 2;
        QVERIFY(apri());
        QCOMPARE(f->EtichettaEsatti->text(), QStringLiteral(" 0"));
        QCOMPARE(f->EtichettaErrati->text(), QStringLiteral(" 0"));
        QCOMPARE(p->stato.Esatti, qint16(0));
        QCOMPARE(p->stato.Errati, qint16(0));
        QVERIFY(f->ComandoIconaSi->isVisible());
        QVERIFY(!f->ComandoIconaNo->isVisible());
        QCOMPARE(f->ComandoIconaSi->geometry(), f->ComandoIconaNo->geometry());
        QVERIFY(!f->Command1->isEnabled());
        QCOMPARE(f->Command1->text(), QStringLiteral("avanti"));
        QCOMPARE(f->Label3->text(), QStringLiteral("Esatti"));
        QCOMPARE(f->Label2->text(), QStringLiteral("Errati"));
        QCOMPARE(f->Label2->objectName(), QStringLiteral("Label2"));
        QCOMPARE(f->eserciziAlCaricamento, 1);
        QCOMPARE(f->esercizi, 1);
        QCOMPARE(p->dialoghi.chiamate.size(), 0);

        QCOMPARE(f->Command1->font().pointSizeF(), 14.25);
        QCOMPARE(f->Label3->font().pointSizeF(), 12.0);
        QCOMPARE(f->EtichettaEsatti->font().pointSizeF(), 18.0);
        for (QWidget *w : {static_cast<QWidget *>(f->Command1), static_cast<QWidget *>(f->Label3),
                           static_cast<QWidget *>(f->Label2), static_cast<QWidget *>(f->EtichettaEsatti),
                           static_cast<QWidget *>(f->EtichettaErrati)}) {
            QVERIFY2(w->font().bold(), qPrintable(w->objectName()));
            QCOMPARE(w->font().family(), QStringLiteral("Arial"));
        }
        QVERIFY(f->findChild<QWidget *>(QStringLiteral("EtichettaEsatti")));
        QVERIFY(f->findChild<QWidget *>(QStringLiteral("ComandoIconaNo")));
    }

    void barraDeiMenu_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("testo");
        QTest::newRow("Form1") << IdFinestra::Form1 << "mnuInformazioni" << "Informazioni             ";
        QTest::newRow("Form2") << IdFinestra::Form2 << "Informazioni" << "Informazioni          ";
        QTest::newRow("Form3") << IdFinestra::Form3 << "Informazioni" << "Informazioni     ";
        QTest::newRow("Form6") << IdFinestra::Form6 << "Informazioni" << "Informazioni     ";
        QTest::newRow("Form7") << IdFinestra::Form7 << "Informazioni" << "Informazioni     ";
        QTest::newRow("Form8") << IdFinestra::Form8 << "Informazioni" << "Informazioni      ";
    }
    void barraDeiMenu()
    {
        QFETCH(IdFinestra, id);
        QFETCH(QString, nome);
        QFETCH(QString, testo);
        QVERIFY(apri(id));
        QCOMPARE(captionsBarra(f), (QStringList{QStringLiteral("Azzera conteggio     "), testo, QStringLiteral("Esci")}));
        QCOMPARE(f->mnuAzzera->text().size(), 21);
        QCOMPARE(f->mnuAzzera->objectName(), QStringLiteral("mnuAzzera"));
        QCOMPARE(f->Informazioni->objectName(), nome);
        QCOMPARE(f->mnuEsci->objectName(), QStringLiteral("mnuEsci"));
    }

    void informazioniMostraICrediti()
    {
        QVERIFY(apri(IdFinestra::Form1));
        azioneMenu(f, QStringLiteral("Informazioni             "))->trigger();
        QCOMPARE(p->dialoghi.chiamate.size(), 1);
        const auto &c = p->dialoghi.chiamate.first();
        QCOMPARE(c.testo, TestoCrediti());
        QCOMPARE(c.titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(c.icona, Dialoghi::Icona::Informazione);
        QVERIFY(f);
    }

    void rispostaGiustaESbagliata_data()
    {
        QTest::addColumn<bool>("suoni");
        QTest::newRow("sounds on") << true;
        QTest::newRow("sounds off") << false;
    }
    void rispostaGiustaESbagliata()
    {
        QFETCH(bool, suoni);
        p->stato.SuoniAttivati = suoni;
        QVERIFY(apri());

        f->SegnaErrato();
        QVERIFY(!f->ComandoIconaSi->isVisible());
        QVERIFY(f->ComandoIconaNo->isVisible());
        QCOMPARE(f->EtichettaErrati->text(), QStringLiteral(" 1"));
        QCOMPARE(f->EtichettaEsatti->text(), QStringLiteral(" 0"));
        f->SegnaErrato();
        f->SegnaErrato();
        QCOMPARE(f->EtichettaErrati->text(), QStringLiteral(" 3"));
        QCOMPARE(p->suoni.nomi(), suoni ? QStringList(3, QStringLiteral("no.wav")) : QStringList());

        f->SegnaEsatto();
        QVERIFY(f->ComandoIconaSi->isVisible());
        QVERIFY(!f->ComandoIconaNo->isVisible());
        QCOMPARE(f->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(f->EtichettaErrati->text(), QStringLiteral(" 3"));
        QCOMPARE(p->stato.Esatti, qint16(1));
        QCOMPARE(p->stato.Errati, qint16(3));
        // The right answer's sound belongs to each family, not to the frame.
        QCOMPARE(p->suoni.suonati.size(), suoni ? 3 : 0);
        // Neither marks a new exercise.
        QCOMPARE(f->esercizi, 1);
    }

    void contatoriOltreIlLimite()
    {
        QVERIFY(apri());
        p->stato.Esatti = 32766;
        f->SegnaEsatto();
        f->SegnaEsatto();
        QCOMPARE(f->EtichettaEsatti->text(), QStringLiteral(" 32767"));
        p->stato.Errati = 32767;
        f->SegnaErrato();
        QCOMPARE(f->EtichettaErrati->text(), QStringLiteral(" 32767"));
        QCOMPARE(p->stato.Errati, qint16(32767));
    }

    void azzeraConteggioAMetaEsercizio()
    {
        QVERIFY(apri());
        f->SegnaEsatto();
        f->Command1->setEnabled(true);
        f->SegnaErrato();
        f->SegnaErrato();
        azioneMenu(f, QStringLiteral("Azzera conteggio     "))->trigger();
        QCOMPARE(f->EtichettaEsatti->text(), QStringLiteral(" 0"));
        QCOMPARE(f->EtichettaErrati->text(), QStringLiteral(" 0"));
        QCOMPARE(p->stato.Esatti, qint16(0));
        QCOMPARE(p->stato.Errati, qint16(0));
        // Faces, exercise and "avanti" stay as they were.
        QVERIFY(f->ComandoIconaNo->isVisible());
        QVERIFY(!f->ComandoIconaSi->isVisible());
        QVERIFY(f->Command1->isEnabled());
        QCOMPARE(f->esercizi, 1);
        QCOMPARE(f->parola->text(), QStringLiteral("esercizio 1"));
        f->SegnaEsatto();
        QCOMPARE(f->EtichettaEsatti->text(), QStringLiteral(" 1"));
    }

    void avantiPassaAlProssimo()
    {
        QVERIFY(apri());
        f->Command1->setEnabled(true);
        clic(f->Command1);
        QVERIFY(!f->Command1->isEnabled());
        QCOMPARE(f->esercizi, 2);
        QCOMPARE(f->parola->text(), QStringLiteral("esercizio 2"));
        // A disabled "avanti" does nothing.
        clic(f->Command1);
        QCOMPARE(f->esercizi, 2);
    }

    void punteggio_data()
    {
        QTest::addColumn<int>("esatti");
        QTest::addColumn<int>("errati");
        QTest::addColumn<QString>("testo");
        QTest::newRow("3 and 1") << 3 << 1 << "Hai eseguito  3 esercizi esatti e  1 esercizi errati.";
        QTest::newRow("none") << 0 << 0 << "Hai eseguito  0 esercizi esatti e  0 esercizi errati.";
        QTest::newRow("12 and 10") << 12 << 10 << "Hai eseguito  12 esercizi esatti e  10 esercizi errati.";
    }
    void punteggio()
    {
        QFETCH(int, esatti);
        QFETCH(int, errati);
        QFETCH(QString, testo);
        QVERIFY(apri(IdFinestra::Form8));
        for (int i = 0; i < esatti; ++i)
            f->SegnaEsatto();
        for (int i = 0; i < errati; ++i)
            f->SegnaErrato();
        f->MostraPunteggio();
        QCOMPARE(p->dialoghi.chiamate.size(), 1);
        const auto &c = p->dialoghi.chiamate.first();
        QCOMPARE(c.testo, testo);
        QCOMPARE(c.titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(c.icona, Dialoghi::Icona::Informazione);
        QCOMPARE(c.pulsanti, Dialoghi::Pulsanti::Ok);
        QCOMPARE(p->stato.Esatti, qint16(esatti));
        QCOMPARE(p->stato.Errati, qint16(errati));
    }

    void esciRispostaNo()
    {
        QVERIFY(apri());
        f->SegnaEsatto();
        f->SegnaErrato();
        p->dialoghi.risposte = {Dialoghi::Risposta::No};
        azioneMenu(f, QStringLiteral("Esci"))->trigger();
        svuotaEventi();
        QCOMPARE(p->dialoghi.chiamate.size(), 1);
        const auto &c = p->dialoghi.chiamate.first();
        QCOMPARE(c.testo, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(c.titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(c.icona, Dialoghi::Icona::Domanda);
        QCOMPARE(c.pulsanti, Dialoghi::Pulsanti::SiNo);
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(p->stato.Errati, qint16(1));
        QVERIFY(!p->gestore->finestra(IdFinestra::FormMenu));
    }

    void esciRispostaSi_data()
    {
        QTest::addColumn<bool>("dalGestoreFinestre");
        QTest::newRow("menu Esci") << false;
        QTest::newRow("window-manager close") << true;
    }
    void esciRispostaSi()
    {
        QFETCH(bool, dalGestoreFinestre);
        QVERIFY(apri());
        f->SegnaEsatto();
        f->SegnaErrato();
        p->dialoghi.risposte = {Dialoghi::Risposta::Si};
        if (dalGestoreFinestre)
            f->close();
        else
            azioneMenu(f, QStringLiteral("Esci"))->trigger();
        QTRY_VERIFY(!f);
        QCOMPARE(p->dialoghi.testi(), QStringList{QStringLiteral("Vuoi tornare al menù?")});
        QCOMPARE(p->stato.Esatti, qint16(0));
        QCOMPARE(p->stato.Errati, qint16(0));
        Finestra *menu = p->gestore->finestra(IdFinestra::FormMenu);
        QVERIFY(menu);
        QVERIFY(menu->isVisible());
        QCOMPARE(finestreVisibili().size(), 1);
    }

    void fontDelleParole_data()
    {
        QTest::addColumn<QString>("carattere");
        QTest::addColumn<QString>("faccia");
        QTest::newRow("maiuscolo") << "maiuscolo" << "Arial";
        QTest::newRow("minuscolo") << "minuscolo" << "Arial";
        QTest::newRow("corsivo") << "corsivo" << "Indis1";
    }
    void fontDelleParole()
    {
        QFETCH(QString, carattere);
        QFETCH(QString, faccia);
        p->stato.Carattere = carattere;
        QVERIFY(apri());
        QCOMPARE(f->parola->font().family(), faccia);
        QCOMPARE(f->parola->font().pointSizeF(), 27.75);
        QVERIFY(f->parola->font().bold());
        // Only the words change face.
        QCOMPARE(f->Label3->font().family(), QStringLiteral("Arial"));
    }

    void schermoInteroDopoLAttivazione()
    {
        QVERIFY(apri());
        const QRect schermo = f->screen()->geometry();
        QTRY_COMPARE(f->geometry(), schermo);
        const QSize progetto = f->scalatore()->dimensioneProgetto();
        const QRect avanti = Finestra::twip(8040, 5520, 1725, 900);
        const double x = double(f->centralWidget()->width()) / progetto.width();
        const double y = double(f->centralWidget()->height()) / progetto.height();
        QTRY_COMPARE(f->Command1->geometry().left(), qRound(avanti.left() * x));
        QCOMPARE(f->Command1->geometry().top(), qRound(avanti.top() * y));
        QCOMPARE(f->Command1->geometry().width(), qRound(avanti.width() * x));
    }

    void primoEsercizioDopoLAttivazione()
    {
        CorniceEsercizio c = corniceProva();
        c.primoEsercizioDopoAttivazione = true;
        QVERIFY(apri(IdFinestra::Form7, c));
        QCOMPARE(f->eserciziAlCaricamento, 0);
        QCOMPARE(f->esercizi, 1);
        // The hook sees the window laid out at full-screen size.
        const QRect schermo = f->screen()->geometry();
        QCOMPARE(f->areaInPreparazione.width(), schermo.width());
        QCOMPARE(f->avantiInPreparazione, f->Command1->geometry());
        QVERIFY(f->avantiInPreparazione.width() > Finestra::twip(1725));
    }

    void menuInPiuEErratiNellArray()
    {
        CorniceEsercizio c = corniceProva();
        c.indiceErrati = 3;
        f = new EsercizioProva(IdFinestra::Form8, c, p->contesto(), *p->gestore);
        QMenu *caratteri = f->inserisciMenu(QStringLiteral("mnuCaratteri"), QStringLiteral("Caratteri     "));
        caratteri->addAction(QStringLiteral("stampato minuscolo"));
        QAction *esercizi = f->inserisciVoce(QStringLiteral("mnuEsercizi"), QStringLiteral("Esercizi     "));
        f->carica();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCOMPARE(captionsBarra(f), (QStringList{QStringLiteral("Azzera conteggio     "), QStringLiteral("Caratteri     "),
                                                QStringLiteral("Esercizi     "), QStringLiteral("Informazioni      "),
                                                QStringLiteral("Esci")}));
        QCOMPARE(azioneMenu(f, QStringLiteral("Esercizi     ")), esercizi);
        QVERIFY(azioneMenu(f, QStringLiteral("stampato minuscolo")));
        QCOMPARE(f->findChild<QMenu *>(QStringLiteral("mnuCaratteri")), caratteri);
        QCOMPARE(f->Label2->objectName(), QStringLiteral("Label2_3"));
        QCOMPARE(f->Label2->property("Index").toInt(), 3);
        QCOMPARE(f->Label2->text(), QStringLiteral("Errati"));
        QVERIFY(!f->findChild<QLabel *>(QStringLiteral("Label2")));
    }
};

QTEST_MAIN(TestFormEsercizio)
#include "tst_formesercizio.moc"
