#include "core/avvio.h"
#include "tests/support/provefinestre.h"
#include "windows/exercises/controlliesercizio.h"
#include "windows/exercises/formesercizio.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTest>

Q_DECLARE_METATYPE(IdFinestra)

namespace {

// The frame with the least a family adds: one word label and a count of the exercises built.
class EsercizioProva : public FormEsercizio
{
public:
    EsercizioProva(IdFinestra id, const CorniceEsercizio &c, const Contesto &ctx, GestoreFinestre &g)
        : FormEsercizio(id, c, ctx, g)
    {
        parola = controllo(new QLabel(area()), QStringLiteral("Label1"), 1000, 1000, 4000, 1000);
    }
    void GeneraEsercizio() override { ++esercizi; }
    using Finestra::impostaColoreSfondo;
    using FormEsercizio::inserisciMenu;
    using FormEsercizio::inserisciVoce;

    QLabel *parola = nullptr;
    int esercizi = 0;
    int eserciziAlCaricamento = -1;
    QSize areaInPreparazione;

protected:
    void Command1_Click() override { GeneraEsercizio(); }
    QList<QWidget *> controlliParola() const override { return {parola}; }
    void preparaPrimoEsercizio() override { areaInPreparazione = area()->size(); }
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

class TestFormEsercizio : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgrammaProva> p;
    QPointer<EsercizioProva> f;

    void crea(IdFinestra id, const CorniceEsercizio &c = corniceProva())
    {
        f = new EsercizioProva(id, c, p->contesto(), *p->gestore);
    }
    bool mostra()
    {
        f->carica();
        f->show();
        return QTest::qWaitForWindowExposed(f);
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

    void barraDeiMenu_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("testo");
        QTest::newRow("Form1") << IdFinestra::Form1 << "mnuInformazioni" << "Informazioni             ";
        QTest::newRow("Form2") << IdFinestra::Form2 << "Informazioni" << "Informazioni          ";
        QTest::newRow("Form5") << IdFinestra::Form5 << "Informazioni" << "Informazioni     ";
        QTest::newRow("Form8") << IdFinestra::Form8 << "Informazioni" << "Informazioni      ";
    }
    void barraDeiMenu()
    {
        QFETCH(IdFinestra, id);
        QFETCH(QString, nome);
        QFETCH(QString, testo);
        crea(id);
        QVERIFY(mostra());
        QCOMPARE(captionsBarra(f), (QStringList{QStringLiteral("Azzera conteggio     "), testo, QStringLiteral("Esci")}));
        QCOMPARE(f->mnuAzzera->objectName(), QStringLiteral("mnuAzzera"));
        QCOMPARE(f->Informazioni->objectName(), nome);
        QCOMPARE(f->mnuEsci->objectName(), QStringLiteral("mnuEsci"));
        azioneMenu(f, testo)->trigger();
        QCOMPARE(p->dialoghi.testi(), QStringList{TestoCrediti()});
        QCOMPARE(p->dialoghi.chiamate.first().icona, Dialoghi::Icona::Informazione);
    }

    void contatoriOltreIlLimite()
    {
        crea(IdFinestra::Form2);
        QVERIFY(mostra());
        p->stato.Esatti = 32766;
        f->SegnaEsatto();
        f->SegnaEsatto();
        QCOMPARE(f->EtichettaEsatti->text(), QStringLiteral(" 32767"));
        p->stato.Errati = 32767;
        f->SegnaErrato();
        QCOMPARE(f->EtichettaErrati->text(), QStringLiteral(" 32767"));
    }

    void punteggio_data()
    {
        QTest::addColumn<int>("esatti");
        QTest::addColumn<int>("errati");
        QTest::addColumn<QString>("testo");
        QTest::newRow("3 and 1") << 3 << 1 << "Hai eseguito  3 esercizi esatti e  1 esercizi errati.";
        QTest::newRow("12 and 0") << 12 << 0 << "Hai eseguito  12 esercizi esatti e  0 esercizi errati.";
    }
    void punteggio()
    {
        QFETCH(int, esatti);
        QFETCH(int, errati);
        QFETCH(QString, testo);
        crea(IdFinestra::Form8);
        QVERIFY(mostra());
        for (int i = 0; i < esatti; ++i)
            f->SegnaEsatto();
        for (int i = 0; i < errati; ++i)
            f->SegnaErrato();
        f->MostraPunteggio();
        QCOMPARE(p->dialoghi.testi(), QStringList{testo});
        const auto &c = p->dialoghi.chiamate.first();
        QCOMPARE(c.titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(c.icona, Dialoghi::Icona::Informazione);
        QCOMPARE(c.pulsanti, Dialoghi::Pulsanti::Ok);
        QCOMPARE(p->stato.Esatti, qint16(esatti));
        QCOMPARE(p->stato.Errati, qint16(errati));
    }

    // The captions stay readable on every background colour of the table.
    void didascalieLeggibili_data()
    {
        QTest::addColumn<quint32>("sfondo");
        QTest::addColumn<QColor>("testo");
        QTest::newRow("blue") << 0x0000FFu << QColor(Qt::white);
        QTest::newRow("brown") << 0xC04000u << QColor(Qt::white);
        QTest::newRow("pale yellow") << 0xFFFFC0u << QColor(Qt::black);
        QTest::newRow("green") << 0x00C000u << QColor(Qt::black);
    }
    void didascalieLeggibili()
    {
        QFETCH(quint32, sfondo);
        QFETCH(QColor, testo);
        crea(IdFinestra::Form2);
        QVERIFY(mostra());
        f->impostaColoreSfondo(sfondo);
        QCOMPARE(f->Label3->palette().color(QPalette::WindowText), testo);
        QCOMPARE(f->Label2->palette().color(QPalette::WindowText), testo);
    }

    // Closing from the window manager asks as "Esci" does, and on Yes goes back to the menu.
    void chiusuraDalGestoreFinestre()
    {
        crea(IdFinestra::Form2);
        QVERIFY(mostra());
        f->SegnaEsatto();
        p->dialoghi.risposte = {Dialoghi::Risposta::Si};
        f->close();
        QTRY_VERIFY(!f);
        QCOMPARE(p->dialoghi.testi(), QStringList{QStringLiteral("Vuoi tornare al menù?")});
        QCOMPARE(p->dialoghi.chiamate.first().pulsanti, Dialoghi::Pulsanti::SiNo);
        QCOMPARE(p->stato.Esatti, qint16(0));
        QVERIFY(p->gestore->finestra(IdFinestra::FormMenu));
        QCOMPARE(finestreVisibili().size(), 1);
    }

    // Form7 and Form8 build their first exercise on activation, from the full-screen layout.
    void primoEsercizioDopoLAttivazione()
    {
        CorniceEsercizio c = corniceProva();
        c.primoEsercizioDopoAttivazione = true;
        crea(IdFinestra::Form7, c);
        QVERIFY(mostra());
        QCOMPARE(f->eserciziAlCaricamento, 0);
        QCOMPARE(f->esercizi, 1);
        const QRect schermo = f->screen()->geometry();
        QCOMPARE(f->geometry(), schermo);
        QCOMPARE(f->areaInPreparazione, f->centralWidget()->size());
        QCOMPARE(f->areaInPreparazione.width(), schermo.width());
        // Controls already at their scaled places.
        const double x = double(schermo.width()) / Finestra::twip(c.larghezza);
        QCOMPARE(f->Command1->x(), qRound(Finestra::twip(c.avanti.left()) * x));
    }

    // Form8: its two menus before "Informazioni"; "Errati" as Label2(3) of its boxes.
    void menuInPiuEErratiNellArray()
    {
        CorniceEsercizio c = corniceProva();
        c.indiceErrati = 3;
        crea(IdFinestra::Form8, c);
        QMenu *caratteri = f->inserisciMenu(QStringLiteral("mnuCaratteri"), QStringLiteral("Caratteri     "));
        caratteri->addAction(QStringLiteral("stampato minuscolo"));
        QAction *esercizi = f->inserisciVoce(QStringLiteral("mnuEsercizi"), QStringLiteral("Esercizi     "));
        QVERIFY(mostra());
        QCOMPARE(captionsBarra(f), (QStringList{QStringLiteral("Azzera conteggio     "), QStringLiteral("Caratteri     "),
                                                QStringLiteral("Esercizi     "), QStringLiteral("Informazioni      "),
                                                QStringLiteral("Esci")}));
        QCOMPARE(azioneMenu(f, QStringLiteral("Esercizi     ")), esercizi);
        QVERIFY(azioneMenu(f, QStringLiteral("stampato minuscolo")));
        QCOMPARE(f->Label2->objectName(), QStringLiteral("Label2_3"));
        QCOMPARE(f->Label2->property("Index").toInt(), 3);
        QCOMPARE(f->Label2->text(), QStringLiteral("Errati"));
    }
};

QTEST_MAIN(TestFormEsercizio)
#include "tst_formesercizio.moc"
