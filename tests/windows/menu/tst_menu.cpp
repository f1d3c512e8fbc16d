#include "core/colori.h"
#include "tests/support/provefinestre.h"
#include "windows/menu/formavvio.h"
#include "windows/menu/formchigioca.h"
#include "windows/exercises/formesercizio.h"
#include "windows/exercises/pulsanteavanti.h"
#include "windows/menu/formmenu.h"
#include "windows/registro.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QAccessible>
#include <QLabel>
#include <QTest>

class TestMenu : public QObject
{
    Q_OBJECT

    static QSet<QRgb> coloriTabella()
    {
        QSet<QRgb> out;
        for (int k = 1; k <= colori::NumeroColori; ++k)
            out.insert(0xFF000000u | colori::inRgb(colori::voce(k)));
        return out;
    }

private slots:
    void caricamento_data()
    {
        QTest::addColumn<QString>("carattere");
        QTest::addColumn<bool>("suoni");
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("prima");
        QTest::newRow("maiuscolo") << "maiuscolo" << true << "Option2" << "CASA";
        QTest::newRow("minuscolo") << "minuscolo" << false << "Option3" << "casa";
        QTest::newRow("corsivo") << "corsivo" << false << "Option4" << "casa";
    }
    // Each opening loads the menu afresh: the settings shown, the words
    // re-cased by the style, a colour of the table drawn anew.
    void caricamento()
    {
        QFETCH(QString, carattere);
        QFETCH(bool, suoni);
        QFETCH(QString, opzione);
        QFETCH(QString, prima);
        ProgrammaProva p;
        p.parole({QStringLiteral("Casa"), QString::fromUtf8("Città")});
        p.sessione.Carattere = CarattereDaTesto(carattere);
        p.sessione.SuoniAttivati = suoni;
        QSet<QRgb> colori;
        for (int volta = 0; volta < 8; ++volta) {
            auto *menu = p.apri<FormMenu>(IdFinestra::FormMenu);
            QCOMPARE(menu->Check1->isChecked(), suoni);
            QVERIFY(menu->findChild<QRadioButton *>(opzione)->isChecked());
            QCOMPARE(p.sessione.lista.Parole(1), prima);
            QVERIFY(coloriTabella().contains(menu->palette().color(QPalette::Window).rgb()));
            QCOMPARE(menu->Check1->palette().color(QPalette::Window), menu->palette().color(QPalette::Window));
            colori.insert(menu->palette().color(QPalette::Window).rgb());
            menu->chiudiSenzaDomande();
            svuotaEventi();
            QVERIFY(!p.gestore->finestra(IdFinestra::FormMenu));
        }
        QVERIFY(colori.size() > 1);
    }

    void stileESuoni()
    {
        ProgrammaProva p;
        p.parole({QStringLiteral("Casa"), QString::fromUtf8("perché")});
        p.sessione.SuoniAttivati = false;
        auto *menu = p.apri<FormMenu>(IdFinestra::FormMenu);
        QCOMPARE(p.sessione.lista.Parole(2), QString::fromUtf8("PERCHÉ"));
        // A finger lands anywhere in the option's box, far from its mark and its text.
        const auto inFondo = [](QWidget *w) { return QPoint(w->width() - 3, w->height() - 3); };
        QTest::mouseClick(menu->Option3, Qt::LeftButton, Qt::NoModifier, inFondo(menu->Option3));
        QCOMPARE(TestoCarattere(p.sessione.Carattere), QStringLiteral("minuscolo"));
        QCOMPARE(p.sessione.lista.Parole(1), QStringLiteral("casa"));
        clic(menu->Option4);
        QCOMPARE(TestoCarattere(p.sessione.Carattere), QStringLiteral("corsivo"));
        QCOMPARE(p.sessione.lista.Parole(2), QString::fromUtf8("perché"));
        clic(menu->Option2);
        QCOMPARE(TestoCarattere(p.sessione.Carattere), QStringLiteral("maiuscolo"));
        QCOMPARE(p.sessione.lista.Parole(1), QStringLiteral("CASA"));

        QTest::mouseClick(menu->Check1, Qt::LeftButton, Qt::NoModifier, inFondo(menu->Check1));
        QVERIFY(p.sessione.SuoniAttivati);
        clic(menu->Check1);
        QVERIFY(!p.sessione.SuoniAttivati);
        // Nothing reaches the settings file before "ESCI".
        QVERIFY(!QFile::exists(p.cartella.ambiente().fileImpostazioni()));
        QVERIFY(p.dialoghi.chiamate.isEmpty());
    }

    // Every activity of the registry: its button says what it is and opens it,
    // closing the menu; its window exists once.
    void ogniAttivita()
    {
        ProgrammaProva p;
        QStringList parole;
        for (int i = 0; i < 6; ++i)
            parole.append(QStringLiteral("P%1").arg(i));
        p.parole(parole);
        p.cartella.creaImmagini(parole);
        int pulsanti = 0;
        for (const Attivita &a : RegistroAttivita()) {
            if (!a.pulsante)
                continue;
            ++pulsanti;
            auto *menu = p.apri<FormMenu>(IdFinestra::FormMenu);
            auto *b = menu->findChild<QPushButton *>(QLatin1String(a.pulsante));
            QVERIFY(b && b->isVisible());
            QCOMPARE(b->text(), QString::fromUtf8(a.testo));
            clic(b);
            QTRY_VERIFY(!p.gestore->finestra(IdFinestra::FormMenu));
            Finestra *f = p.gestore->finestra(a.id);
            QVERIFY2(f && f->isVisible(), a.testo);
            QCOMPARE(f->id(), a.id);
            QCOMPARE(finestreVisibili(), QList<QWidget *>{f});
            QCOMPARE(p.gestore->mostra(a.id), f);
            // Every button says what it is to a screen reader (and to a test that looks for it).
            const auto pulsanti = f->findChildren<QAbstractButton *>();
            for (QAbstractButton *b : pulsanti)
                if (b->isVisible())
                    QVERIFY2(!QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name).isEmpty(),
                             qPrintable(b->objectName()));
            f->chiudiSenzaDomande();
            svuotaEventi();
        }
        QCOMPARE(pulsanti, 14);
        // An id no window has builds nothing and opens nothing.
        const auto nessuna = static_cast<IdFinestra>(99);
        QVERIFY(!AttivitaDi(nessuna) && !CreaFinestra(nessuna, p.contesto(), *p.gestore));
        QVERIFY(!p.gestore->mostra(nessuna));
        QVERIFY(finestreVisibili().isEmpty());
    }

    // A double click (or a quick second tap) on a button that opens a window:
    // its second half lands on the new window and must answer nothing there.
    void doppioClic_data()
    {
        QTest::addColumn<IdFinestra>("da");
        QTest::addColumn<QString>("pulsante");
        QTest::newRow("Form1") << IdFinestra::FormMenu << "SSCommand1";
        QTest::newRow("Form4") << IdFinestra::FormMenu << "SSCommand4";
        QTest::newRow("Form7") << IdFinestra::FormMenu << "SSCommand7";
        QTest::newRow("Immagine e nome") << IdFinestra::FormMenu << "SSCommand10";
        QTest::newRow("the start window's Avvio") << IdFinestra::FormAvvio << "Command1";
        QTest::newRow("the chooser of the lists") << IdFinestra::OPZIONI << "Command6";
    }
    void doppioClic()
    {
        QFETCH(IdFinestra, da);
        QFETCH(QString, pulsante);
        ProgrammaProva p;
        const QStringList parole{"CASA", "CANE", "LUPO", "ORSO"};
        p.parole(parole);
        p.cartella.creaImmagini(parole);
        QPointer<Finestra> prima = p.apri(da);
        const QString inUso = p.sessione.lista.FileInUso;
        clic(prima->findChild<QPushButton *>(pulsante));
        svuotaEventi();
        Finestra *nuova = nullptr;
        for (QWidget *w : finestreVisibili())
            nuova = qobject_cast<Finestra *>(w);
        QVERIFY(nuova);
        // The second half of the double click, on every control of the new screen.
        QStringList prese;
        const auto controlli = nuova->centralWidget()->findChildren<QWidget *>();
        for (QWidget *w : controlli) {
            if (!w->isVisible() || w->objectName().isEmpty())
                continue;
            QTest::mouseDClick(w, Qt::LeftButton);
            QTest::mouseRelease(w, Qt::LeftButton);
            svuotaEventi();
        }
        QCOMPARE(finestreVisibili(), QList<QWidget *>{nuova});
        QVERIFY(p.suoni.suonati.isEmpty());
        QVERIFY(p.dialoghi.chiamate.isEmpty());
        QCOMPARE(p.sessione.lista.FileInUso, inUso);
        if (auto *e = qobject_cast<FormEsercizio *>(nuova)) {
            QCOMPARE(e->EtichettaEsatti->text() + e->EtichettaErrati->text(), QStringLiteral(" 0 0"));
            QVERIFY(!e->Command1->isEnabled());
        }
        // Its own click is taken as usual.
        if (auto *menu = qobject_cast<FormMenu *>(nuova)) {
            clic(menu->Option3);
            QCOMPARE(TestoCarattere(p.sessione.Carattere), QStringLiteral("minuscolo"));
        }
        nuova->chiudiSenzaDomande();
        svuotaEventi();
    }

    // "ESCI" (and the window manager's close) asks; No leaves the menu as it
    // is and writes nothing; Yes writes the settings and ends the program.
    // "Avvio" with a class list asks who plays: a big button for each child
    // (named for a screen reader) and "Ospite"; the child picked plays on, the
    // menu says who and offers "Cambia bambino"; a second tap picks nobody
    // else. Without a class list "Avvio" leads to the menu as it always did.
    void chiGioca()
    {
        for (const bool classe : {true, false}) {
            ProgrammaProva p;
            if (classe)
                p.cartella.scrivi(p.cartella.ambiente().fileClasse(), "Bambino A\tCASA\r\nBambino B\r\n");
            p.cartella.creaImmagine(QStringLiteral("CASA.jpg")); // Bambino A's sign
            p.risposte.caselleDi.insert(QStringLiteral("Bambino B"), {{QStringLiteral("LUPO"), 1}});
            auto *avvio = p.apri<FormAvvio>(IdFinestra::FormAvvio);
            clic(avvio->Command1);
            QTRY_VERIFY(!p.gestore->finestra(IdFinestra::FormAvvio));
            if (!classe) {
                auto *menu = p.gestore->finestra<FormMenu>(IdFinestra::FormMenu);
                QVERIFY(menu && !menu->EtichettaBambino && !menu->CambiaBambino);
                QVERIFY(!menu->findChild<QLabel *>(QStringLiteral("EtichettaBambino")));
                menu->chiudiSenzaDomande();
                svuotaEventi();
                continue;
            }
            auto *chi = p.gestore->finestra<FormChiGioca>(IdFinestra::FormChiGioca);
            QVERIFY(chi && chi->isVisible());
            QCOMPARE(chi->Titolo->text(), QStringLiteral("Chi gioca?"));
            QStringList nomi;
            for (QPushButton *b : std::as_const(chi->Bambini))
                nomi << b->text() + QLatin1Char('/') + QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name)
                            + (b->icon().isNull() ? "" : "+");
            nomi << chi->Ospite->text();
            QCOMPARE(nomi, (QStringList{"Bambino A/Bambino A+", "Bambino B/Bambino B", "Ospite"}));
            clic(chi->Bambini[1]);
            clic(chi->Bambini[0]); // the second tap of a double tap
            QTRY_VERIFY(!p.gestore->finestra(IdFinestra::FormChiGioca));
            QCOMPARE(p.sessione.bambino, QStringLiteral("Bambino B"));
            QCOMPARE(p.sessione.ripasso.casella(QStringLiteral("lupo")), 1);
            auto *menu = p.gestore->finestra<FormMenu>(IdFinestra::FormMenu);
            QCOMPARE(menu->EtichettaBambino->text(), QStringLiteral("Gioca: Bambino B"));
            clic(menu->CambiaBambino);
            QTRY_VERIFY(p.gestore->finestra(IdFinestra::FormChiGioca));
            clic(p.gestore->finestra<FormChiGioca>(IdFinestra::FormChiGioca)->Ospite);
            QTRY_VERIFY(p.gestore->finestra(IdFinestra::FormMenu));
            QVERIFY(p.sessione.bambino.isEmpty() && p.sessione.ripasso.vuoto());
            QCOMPARE(p.gestore->finestra<FormMenu>(IdFinestra::FormMenu)->EtichettaBambino->text(), QStringLiteral("Gioca: Ospite"));
            QVERIFY(p.dialoghi.chiamate.isEmpty());
            p.gestore->finestra(IdFinestra::FormMenu)->chiudiSenzaDomande();
            svuotaEventi();
        }
    }

    void esci()
    {
        ProgrammaProva p;
        p.sessione.Carattere = TipoCarattere::Minuscolo;
        QDir().mkpath(p.cartella.ambiente().cartellaImpostazioni);
        auto *menu = p.apri<FormMenu>(IdFinestra::FormMenu);
        clic(menu->Option4);
        clic(menu->Check1);
        p.dialoghi.risposte = {Dialoghi::Risposta::No, Dialoghi::Risposta::No};
        clic(menu->Command3D5);
        menu->close();
        svuotaEventi();
        QCOMPARE(p.dialoghi.testi(), QStringList(2, "Vuoi uscire dal programma?"));
        QCOMPARE(p.terminazioni, 0);
        QVERIFY(menu->isVisible() && p.gestore->finestra(IdFinestra::FormMenu));
        QVERIFY(!QFile::exists(p.cartella.ambiente().fileImpostazioni()));

        p.dialoghi.risposte = {Dialoghi::Risposta::Si};
        clic(menu->Command3D5);
        QCOMPARE(p.terminazioni, 1);
        QCOMPARE(leggiFile(p.cartella.ambiente().fileImpostazioni()),
                 "[IMPOSTAZIONI]\r\nSuoni attivati=Falso\r\nCarattere=corsivo\r\nFile in uso="
                     + p.sessione.lista.FileInUso.toLatin1() + "\r\nVoce attivata=Vero\r\n");
    }

    void listaTroppoCorta_data()
    {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<int>("parole");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("four pictures, one word") << "SSCommand3" << 1 << QString::fromUtf8("Per questa attività servono almeno 4 parole, ma la lista in uso ne ha 1.");
        QTest::newRow("puzzle, empty") << "SSCommand12" << 0 << QStringLiteral("La lista in uso non contiene parole.");
    }
    void listaTroppoCorta()
    {
        QFETCH(QString, pulsante);
        QFETCH(int, parole);
        QFETCH(QString, messaggio);
        ProgrammaProva p;
        QStringList lista;
        for (int i = 0; i < parole; ++i)
            lista.append(QStringLiteral("P%1").arg(i));
        p.parole(lista);
        auto *menu = p.apri<FormMenu>(IdFinestra::FormMenu);
        clic(menu->findChild<QPushButton *>(pulsante));
        svuotaEventi();
        QCOMPARE(p.dialoghi.chiamate.size(), 1);
        QCOMPARE(p.dialoghi.chiamate[0].testo, messaggio);
        QCOMPARE(p.dialoghi.chiamate[0].icona, Dialoghi::Icona::Esclamazione);
        QCOMPARE(p.dialoghi.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(finestreVisibili(), QList<QWidget *>{menu});
    }

    // "Avvio" opens the menu and the start window is gone; a close request on
    // the start window ends the program without a question or a save.
    void finestraDiAvvio()
    {
        ProgrammaProva p;
        auto *avvio = p.apri<FormAvvio>(IdFinestra::FormAvvio);
        QPointer<FormAvvio> guardia(avvio);
        clic(avvio->Command1);
        svuotaEventi();
        QVERIFY(guardia.isNull());
        auto *menu = p.gestore->finestra<FormMenu>(IdFinestra::FormMenu);
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(finestreVisibili().size(), 1);
        menu->chiudiSenzaDomande();
        svuotaEventi();

        p.apri<FormAvvio>(IdFinestra::FormAvvio)->close();
        QTRY_COMPARE(p.terminazioni, 1);
        QVERIFY(p.dialoghi.chiamate.isEmpty());
        QVERIFY(!QFile::exists(p.cartella.ambiente().fileImpostazioni()));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
