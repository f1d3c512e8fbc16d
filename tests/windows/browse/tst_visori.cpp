#include "core/avvio.h"
#include "core/carattere.h"
#include "core/colori.h"
#include "core/paroleliste.h"
#include "tests/support/provefinestre.h"
#include "windows/browse/formvedi.h"
#include "windows/browse/formvedi2.h"
#include "windows/menu/formmenu.h"
#include "windows/riquadroimmagine.h"

#include <QLabel>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(IdFinestra)

namespace {
quint32 sfondo(const QWidget *w)
{
    return w->palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
}

const QStringList kParole = {QStringLiteral("CASA"), QStringLiteral("MARE"), QStringLiteral("ALBERO"),
                             QStringLiteral("GATTO"), QStringLiteral("SOLE")};

// What a viewer shows, to compare before and after a step.
struct Vista
{
    QString file;
    QString nome;
    quint32 colore;
    qint16 estratto;
    bool operator==(const Vista &o) const
    {
        return file == o.file && nome == o.nome && colore == o.colore && estratto == o.estratto;
    }
};

Vista vista(Visore *v, const Stato &s)
{
    auto *v2 = qobject_cast<FormVedi2 *>(v);
    return {v->Image1->file(), v2 ? v2->Label1->text() : QString(), sfondo(v), s.Estratto};
}

void viewers()
{
    QTest::addColumn<IdFinestra>("id");
    QTest::newRow("FormVedi") << IdFinestra::FormVedi;
    QTest::newRow("FormVedi2") << IdFinestra::FormVedi2;
}
} // namespace

// The picture viewer and the picture-and-name viewer; the layout and opening of all three browsing windows.
class TestVisori : public QObject
{
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QVERIFY(finestreVisibili().isEmpty()); }

    // Opening draws the picture first, then the colour; each click does the same.
    void attivazioneEClic_data() { viewers(); }
    void attivazioneEClic()
    {
        QFETCH(IdFinestra, id);
        for (const unsigned seme : {1u, 7u, 42u}) {
            ProgrammaProva p(seme);
            p.parole(kParole);
            p.cartella.creaImmagini(kParole);
            Casuale atteso(seme);

            auto *v = p.apri<Visore>(id);
            QVERIFY(v);
            for (int passo = 0; passo < 4; ++passo) {
                if (passo > 0)
                    clic(v->Command1);
                const int n = atteso.posizione(kParole.size());
                const quint32 colore = ColoreCasuale(atteso);
                QCOMPARE(p.stato.Estratto, qint16(n));
                QCOMPARE(v->Image1->file(), PercorsoImmagine(p.cartella.ambiente(), kParole.at(n - 1)));
                QVERIFY(v->Image1->immagineValida());
                QCOMPARE(sfondo(v), colore);
                if (auto *v2 = qobject_cast<FormVedi2 *>(v))
                    QCOMPARE(v2->Label1->text(), kParole.at(n - 1));
            }
            QVERIFY(v->Command1->isEnabled());
            QVERIFY(v->Command1->text().isEmpty());
            QVERIFY(p.dialoghi.chiamate.isEmpty());
            QVERIFY(p.suoni.suonati.isEmpty());
            QCOMPARE(p.stato.Esatti, qint16(0));
            v->chiudiSenzaDomande();
        }
    }

    // One word: always the same picture and name; only the colour follows the draws.
    void unaParola_data() { viewers(); }
    void unaParola()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p(3);
        p.parole({QStringLiteral("LUNA")});
        p.cartella.creaImmagini({QStringLiteral("LUNA")});
        Casuale atteso(3);
        auto *v = p.apri<Visore>(id);
        QVERIFY(v);
        QSet<quint32> colori;
        for (int i = 0; i < 8; ++i) {
            if (i > 0)
                clic(v->Command1);
            QCOMPARE(atteso.posizione(1), 1);
            const quint32 colore = ColoreCasuale(atteso);
            QCOMPARE(p.stato.Estratto, qint16(1));
            QCOMPARE(QFileInfo(v->Image1->file()).fileName(), QStringLiteral("LUNA.jpg"));
            if (auto *v2 = qobject_cast<FormVedi2 *>(v))
                QCOMPARE(v2->Label1->text(), QStringLiteral("LUNA"));
            QCOMPARE(sfondo(v), colore);
            colori.insert(colore);
        }
        QVERIFY(colori.size() > 1);
        v->chiudiSenzaDomande();
    }

    // No memory of earlier pictures: the same one can come twice in a row, and every one comes.
    void senzaMemoria()
    {
        ProgrammaProva p(11);
        p.parole({QStringLiteral("ORSO"), QStringLiteral("APE")});
        auto *v = p.apri<FormVedi2>(IdFinestra::FormVedi2);
        int ripetizioni = 0;
        QSet<QString> visti;
        QString prima = v->Label1->text();
        for (int i = 0; i < 40; ++i) {
            clic(v->Command1);
            const QString ora = v->Label1->text();
            QCOMPARE(ora, p.stato.Parole[p.stato.Estratto]);
            ripetizioni += ora == prima;
            visti.insert(ora);
            prima = ora;
        }
        QVERIFY(ripetizioni > 0);
        QCOMPARE(visti.size(), 2);
        v->chiudiSenzaDomande();
    }

    // The name is shown as stored and in the face of the type style; size and weight stay.
    void facciaDelNome_data()
    {
        QTest::addColumn<QString>("carattere");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("faccia");
        QTest::newRow("maiuscolo") << "maiuscolo" << QString::fromUtf8("CITTÀ") << "Arial";
        QTest::newRow("minuscolo") << "minuscolo" << QString::fromUtf8("città") << "Arial";
        QTest::newRow("corsivo") << "corsivo" << QString::fromUtf8("città") << "Indis1";
    }
    void facciaDelNome()
    {
        QFETCH(QString, carattere);
        QFETCH(QString, nome);
        QFETCH(QString, faccia);
        ProgrammaProva p;
        p.parole({QString::fromUtf8("Città")});
        p.cartella.creaImmagine(QString::fromUtf8("CITTÀ.jpg"));
        p.stato.Carattere = carattere;
        TrasformaCarattere(p.stato);
        auto *v = p.apri<FormVedi2>(IdFinestra::FormVedi2);
        QCOMPARE(v->Label1->text(), nome);
        QCOMPARE(v->Label1->font().family(), faccia);
        QCOMPARE(v->Label1->font().pointSize(), 36);
        QVERIFY(v->Label1->font().bold());
        QCOMPARE(v->Label1->alignment(), Qt::AlignCenter);
        // The picture is found whatever the letter case of the word.
        QVERIFY(v->Image1->immagineValida());
        clic(v->Command1);
        QCOMPARE(v->Label1->font().family(), faccia);
        v->chiudiSenzaDomande();
    }

    // A word that looks like markup is shown as it is written.
    void nomeComeTesto()
    {
        ProgrammaProva p;
        p.parole({QStringLiteral("<b>RE</b>")});
        auto *v = p.apri<FormVedi2>(IdFinestra::FormVedi2);
        QCOMPARE(v->Label1->textFormat(), Qt::PlainText);
        QCOMPARE(v->Label1->text(), QStringLiteral("<b>RE</b>"));
        v->chiudiSenzaDomande();
    }

    // A missing or unreadable picture leaves the box white; no message, the window goes on.
    void immagineMancante_data() { viewers(); }
    void immagineMancante()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p;
        p.parole({QStringLiteral("NUVOLA")});
        auto *v = p.apri<Visore>(id);
        QVERIFY(!v->Image1->immagineValida());
        QVERIFY(v->Image1->grab().toImage().pixelColor(v->Image1->width() / 2, v->Image1->height() / 2) == Qt::white);

        p.cartella.scrivi(QStringLiteral("images0/NUVOLA.jpg"), "non una figura");
        clic(v->Command1);
        QVERIFY(!v->Image1->immagineValida());

        p.cartella.creaImmagine(QStringLiteral("NUVOLA.jpg"), Qt::blue);
        clic(v->Command1);
        QVERIFY(v->Image1->immagineValida());
        const QColor c = v->Image1->grab().toImage().pixelColor(v->Image1->width() / 2, v->Image1->height() / 2);
        QVERIFY2(c.blue() > 200 && c.red() < 60, qPrintable(c.name()));
        QVERIFY(p.dialoghi.chiamate.isEmpty());
        QVERIFY(v->isVisible());
        v->chiudiSenzaDomande();
    }

    // The menu refuses an empty list; opened on one anyway, a viewer shows no old word.
    void listaVuota_data() { viewers(); }
    void listaVuota()
    {
        QFETCH(IdFinestra, id);
        ProgrammaProva p;
        p.parole({QStringLiteral("VECCHIA")});
        p.cartella.creaImmagini({QStringLiteral("VECCHIA")});
        p.parole({});
        auto *v = p.apri<Visore>(id);
        QCOMPARE(p.stato.Estratto, qint16(0));
        QVERIFY(v->Image1->file().isEmpty());
        if (auto *v2 = qobject_cast<FormVedi2 *>(v))
            QVERIFY(v2->Label1->text().isEmpty());
        const quint32 prima = sfondo(v);
        Casuale atteso(1);
        QCOMPARE(prima, ColoreCasuale(atteso));
        clic(v->Command1);
        QCOMPARE(sfondo(v), ColoreCasuale(atteso));
        QVERIFY(v->Image1->file().isEmpty());
        v->chiudiSenzaDomande();
    }

    void menu_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::addColumn<QString>("nomeInformazioni");
        QTest::addColumn<int>("spazi");
        QTest::newRow("FormVedi") << IdFinestra::FormVedi << "mnuInforma" << 11;
        QTest::newRow("FormVedi2") << IdFinestra::FormVedi2 << "mnuInformazioni" << 12;
    }
    void menu()
    {
        QFETCH(IdFinestra, id);
        QFETCH(QString, nomeInformazioni);
        QFETCH(int, spazi);
        ProgrammaProva p;
        p.parole(kParole);
        auto *v = p.apri<Visore>(id);
        const auto azioni = v->menuBar()->actions();
        QCOMPARE(azioni.size(), 2);
        QCOMPARE(azioni.at(0)->text(), QStringLiteral("Informazioni") + QString(spazi, QLatin1Char(' ')));
        QCOMPARE(azioni.at(0)->objectName(), nomeInformazioni);
        QCOMPARE(azioni.at(1)->text(), QStringLiteral("Esci"));
        QCOMPARE(azioni.at(1)->objectName(), QStringLiteral("mnuEsci"));

        const Vista prima = vista(v, p.stato);
        azioni.at(0)->trigger();
        QCOMPARE(p.dialoghi.chiamate.size(), 1);
        QCOMPARE(p.dialoghi.chiamate.at(0).icona, Dialoghi::Icona::Informazione);
        QCOMPARE(p.dialoghi.chiamate.at(0).titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(p.dialoghi.chiamate.at(0).testo, TestoCrediti());
        QVERIFY(vista(v, p.stato) == prima);
        v->chiudiSenzaDomande();
    }

    // "Esci" (and a close request from the window manager) asks first.
    void esci_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::addColumn<bool>("daMenu");
        QTest::newRow("FormVedi Esci") << IdFinestra::FormVedi << true;
        QTest::newRow("FormVedi2 Esci") << IdFinestra::FormVedi2 << true;
        QTest::newRow("FormVedi chiusura") << IdFinestra::FormVedi << false;
        QTest::newRow("FormVedi2 chiusura") << IdFinestra::FormVedi2 << false;
    }
    void esci()
    {
        QFETCH(IdFinestra, id);
        QFETCH(bool, daMenu);
        ProgrammaProva p;
        p.parole(kParole);
        p.cartella.creaImmagini(kParole);
        p.stato.Esatti = 3;
        p.stato.Errati = 2;
        p.dialoghi.risposte = {Dialoghi::Risposta::No, Dialoghi::Risposta::Si};
        QPointer<Visore> v = p.apri<Visore>(id);
        clic(v->Command1);
        const Vista prima = vista(v, p.stato);
        auto esci = [&] {
            if (daMenu)
                azioneMenu(v, QStringLiteral("Esci"))->trigger();
            else
                v->close();
        };

        esci();
        QTRY_COMPARE(p.dialoghi.chiamate.size(), 1);
        const auto &d = p.dialoghi.chiamate.at(0);
        QCOMPARE(d.testo, QString::fromUtf8("Vuoi tornare al menù?"));
        QCOMPARE(d.titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(d.icona, Dialoghi::Icona::Domanda);
        QCOMPARE(d.pulsanti, Dialoghi::Pulsanti::SiNo);
        svuotaEventi();
        QVERIFY(v && v->isVisible());
        QVERIFY(vista(v, p.stato) == prima);
        QCOMPARE(p.stato.Esatti, qint16(3));
        QCOMPARE(p.stato.Errati, qint16(2));
        QVERIFY(!p.gestore->finestra(IdFinestra::FormMenu));

        esci();
        QTRY_COMPARE(p.dialoghi.chiamate.size(), 2);
        QTRY_VERIFY(v.isNull());
        QCOMPARE(p.stato.Esatti, qint16(0));
        QCOMPARE(p.stato.Errati, qint16(0));
        QVERIFY(!p.gestore->finestra(id));
        auto *menu = p.gestore->finestra(IdFinestra::FormMenu);
        QVERIFY(menu && menu->isVisible());
        menu->chiudiSenzaDomande();
        svuotaEventi();
    }

    // Every control where the design puts it, in proportion to the window.
    void geometria_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QRectF>("progetto");
        QTest::addColumn<QSizeF>("area");
        const QSizeF a1(9255, 6945), a2(9825, 7200), a3(8475, 7200);
        QTest::newRow("FormVedi Image1") << IdFinestra::FormVedi << "Image1" << QRectF(2400, 840, 4035, 3720) << a1;
        QTest::newRow("FormVedi Command1") << IdFinestra::FormVedi << "Command1" << QRectF(7320, 5640, 1695, 975) << a1;
        QTest::newRow("FormVedi2 Image1") << IdFinestra::FormVedi2 << "Image1" << QRectF(2400, 840, 3885, 3480) << a2;
        QTest::newRow("FormVedi2 Label1") << IdFinestra::FormVedi2 << "Label1" << QRectF(360, 5160, 7365, 900) << a2;
        QTest::newRow("FormVedi2 Command1") << IdFinestra::FormVedi2 << "Command1" << QRectF(7800, 5160, 1695, 975) << a2;
        QTest::newRow("FormVedi3 Image1") << IdFinestra::FormVedi3 << "Image1" << QRectF(1800, 1080, 3885, 3480) << a3;
        QTest::newRow("FormVedi3 List1") << IdFinestra::FormVedi3 << "List1" << QRectF(120, 5400, 5895, 720) << a3;
        QTest::newRow("FormVedi3 Command1") << IdFinestra::FormVedi3 << "Command1" << QRectF(6360, 5280, 1695, 975) << a3;
    }
    void geometria()
    {
        QFETCH(IdFinestra, id);
        QFETCH(QString, nome);
        QFETCH(QRectF, progetto);
        QFETCH(QSizeF, area);
        ProgrammaProva p;
        p.parole(kParole);
        Finestra *f = p.apri(id);
        QCOMPARE(f->geometry(), f->screen()->geometry());
        const QWidget *centro = f->centralWidget();
        const QWidget *w = centro->findChild<QWidget *>(nome);
        QVERIFY(w);
        const QRect g = w->geometry();
        const double sx = centro->width() / area.width();
        const double sy = centro->height() / area.height();
        QVERIFY(std::abs(g.left() - progetto.left() * sx) <= 2);
        QVERIFY(std::abs(g.top() - progetto.top() * sy) <= 2);
        QVERIFY(std::abs(g.width() - progetto.width() * sx) <= 2);
        QVERIFY(std::abs(g.height() - progetto.height() * sy) <= 2);
        f->chiudiSenzaDomande();
    }

    // The menu's buttons open the three windows and close the menu.
    void dalMenu_data()
    {
        QTest::addColumn<IdFinestra>("id");
        QTest::addColumn<QString>("pulsante");
        QTest::newRow("Vedi immagini") << IdFinestra::FormVedi << "SSCommand9";
        QTest::newRow("Immagine e nome") << IdFinestra::FormVedi2 << "SSCommand10";
        QTest::newRow("Scegli le immagini") << IdFinestra::FormVedi3 << "Command1";
    }
    void dalMenu()
    {
        QFETCH(IdFinestra, id);
        QFETCH(QString, pulsante);
        ProgrammaProva p;
        p.parole(kParole);
        QPointer<Finestra> menu = p.apri(IdFinestra::FormMenu);
        clic(menu->findChild<QPushButton *>(pulsante));
        QTRY_VERIFY(menu.isNull());
        Finestra *f = p.gestore->finestra(id);
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->metaObject()->className(),
                 id == IdFinestra::FormVedi ? "FormVedi" : id == IdFinestra::FormVedi2 ? "FormVedi2" : "FormVedi3");
        f->chiudiSenzaDomande();
    }
};

QTEST_MAIN(TestVisori)
#include "tst_visori.moc"
