#include "core/paroleliste.h"
#include "tests/support/provefinestre.h"
#include "windows/lists/crealista.h"
#include "windows/lists/interruttore.h"
#include "windows/lists/opzioni.h"
#include "windows/lists/sceltaliste.h"
#include "windows/menu/formmenu.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QDrag>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using Icona = Dialoghi::Icona;

namespace {
QStringList voci(const QListView *l)
{
    QStringList out;
    for (int i = 0; i < l->model()->rowCount(); ++i)
        out.append(l->model()->index(i, 0).data().toString());
    return out;
}

// On the round mark, where a child clicks.
void clicOpzione(QRadioButton *o)
{
    QTest::mouseClick(o, Qt::LeftButton, Qt::NoModifier, QPoint(o->height() / 2, o->height() / 2));
}

QModelIndex voce(QListView *l, const QString &parola)
{
    const int riga = static_cast<int>(voci(l).indexOf(parola));
    return riga < 0 ? QModelIndex() : l->model()->index(riga, 0);
}

// As the mouse does it: a click, then the second press that makes it double.
void doppioClic(QListView *l, const QString &parola)
{
    const QModelIndex v = voce(l, parola);
    QVERIFY(v.isValid());
    l->scrollTo(v);
    const QPoint punto = l->visualRect(v).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, punto);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, punto);
}

void invio(QListView *l, const QString &parola)
{
    QVERIFY(voce(l, parola).isValid());
    l->setCurrentIndex(voce(l, parola));
    QTest::keyClick(l, Qt::Key_Return);
}
} // namespace

class TestOpzioni : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgrammaProva> p;
    OPZIONI *w = nullptr;
    QString primo; // the list in use before the test touches it

    void apri(const QStringList &immagini = {})
    {
        for (const QString &nome : immagini)
            p->cartella.creaImmagine(nome);
        w = p->apri<OPZIONI>(IdFinestra::OPZIONI);
        QVERIFY(w);
    }
    QString lista(const QString &nome) const { return QDir(p->cartella.ambiente().cartellaListe()).filePath(nome); }
    // The list in use is still the one of before the test.
    void invariata()
    {
        QCOMPARE(p->sessione.lista.FileInUso, primo);
        QCOMPARE(p->sessione.lista.NumeroParole(), int(3));
        QCOMPARE(p->sessione.lista.Parole(3), QStringLiteral("GATTO"));
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(primo));
    }
    // Exactly one box was shown, titled "Lettoria 2"; its text is returned.
    QString unMessaggio(Icona icona, Dialoghi::Pulsanti pulsanti = Dialoghi::Pulsanti::Ok)
    {
        if (p->dialoghi.chiamate.size() != 1)
            return QStringLiteral("%1 boxes").arg(p->dialoghi.chiamate.size());
        const auto &c = p->dialoghi.chiamate.first();
        if (c.icona != icona || c.pulsanti != pulsanti || c.titolo != QStringLiteral("Lettoria 2"))
            return QStringLiteral("wrong icon, buttons or title");
        return c.testo;
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammaProva>();
        p->cartella.creaLista(QStringLiteral("TUTTE.txt"), {"CASA", "CANE", "GATTO"});
        p->parole({"CASA", "CANE", "GATTO"});
        primo = p->sessione.lista.FileInUso;
    }
    void cleanup() { p.reset(); }

    void sceltaPredefinita_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("file");
        QTest::newRow("TUTTE") << 0 << "TUTTE.txt";
        QTest::newRow("last of the first column") << 11 << "1t.txt";
        QTest::newRow("last") << 33 << "1mb&mp&nd&nt.txt";
    }
    void sceltaPredefinita()
    {
        QFETCH(int, indice);
        QFETCH(QString, file);
        p->sessione.lista.FileInUso = QStringLiteral("/altrove/mia.txt");
        p->cartella.creaLista(file, {"UNO", "DUE", "", "TRE", "due"});
        apri({"uno.jpg"});
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(QStringLiteral("/altrove/mia.txt")));
        QVERIFY(w->Frame1->isHidden() && w->Frame5->isHidden());
        clic(w->Command6);
        clicOpzione(w->Frame1->Option1[static_cast<size_t>(indice)]);

        QCOMPARE(p->sessione.lista.FileInUso, lista(file));
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(lista(file)));
        QCOMPARE(p->sessione.lista.NumeroParole(), int(5));
        QCOMPARE(p->sessione.lista.Parole(1), QStringLiteral("UNO"));
        QVERIFY(w->Frame1->isHidden());
        QVERIFY(w->Command3D1->isEnabled());
        // The words without a picture are named once each, the empty line not at all.
        QCOMPARE(unMessaggio(Icona::Informazione),
                 QStringLiteral("Queste parole della lista non hanno un'immagine in images0: negli esercizi non saranno "
                                "mai quelle da riconoscere dall'immagine.\nDUE, TRE"));
    }

    // Opened twice, the chooser shows the same 34 captions ("QU & CQU" with its
    // ampersand, not a shortcut) over the whole window, "Esci" out of reach.
    void sceltaUgualeSuDueAperture()
    {
        apri();
        for (int volta = 0; volta < 2; ++volta) {
            clic(w->Command6);
            QCOMPARE(w->Frame1->geometry(), w->centralWidget()->rect());
            QVERIFY(!w->Command3D1->isEnabled());
            for (int i = 0; i < 34; ++i)
                QCOMPARE(QString(w->Frame1->Option1[static_cast<size_t>(i)]->text()).replace(QLatin1String("&&"), QLatin1String("&")),
                         ListePredefinite()[static_cast<size_t>(i)].nome);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(w->Frame1->isHidden() && w->Command3D1->isEnabled());
        }
    }

    void opzioneSegnataAllApertura_data()
    {
        QTest::addColumn<QString>("inUso");
        QTest::addColumn<int>("segnata");
        QTest::newRow("default name in lower case") << "testilettoria2/tutte.txt" << 0;
        QTest::newRow("GLI") << "testilettoria2/1gli.txt" << 29;
        QTest::newRow("same name, other folder") << "altrove/TUTTE.txt" << -1;
        QTest::newRow("a list of the user") << "testilettoria2/mia.txt" << -1;
    }
    void opzioneSegnataAllApertura()
    {
        QFETCH(QString, inUso);
        QFETCH(int, segnata);
        p->sessione.lista.FileInUso = primo = p->cartella.percorso(inUso);
        apri();
        clic(w->Command6);
        for (int i = 0; i < 34; ++i)
            QCOMPARE(w->Frame1->Option1[static_cast<size_t>(i)]->isChecked(), i == segnata);
        // Nothing is loaded until the user picks.
        QCOMPARE(p->sessione.lista.FileInUso, primo);
        QCOMPARE(p->sessione.lista.NumeroParole(), int(3));
    }

    // Arrows move between the options and load nothing; Enter or Space choose;
    // Escape closes the chooser and leaves the list in use as it was.
    void tastieraDellaScelta_data()
    {
        QTest::addColumn<QList<int>>("tasti");
        QTest::addColumn<int>("focus"); // the option with the focus at the end, -1: the chooser closed
        QTest::addColumn<QString>("scelta"); // the list loaded, "" none
        using K = QList<int>;
        QTest::newRow("arrows") << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up} << 13 << QString();
        QTest::newRow("past the edges") << K{Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}
                                        << 33 << QString();
        QTest::newRow("Enter") << K{Qt::Key_Down, Qt::Key_Return} << -1 << "1vocali.txt";
        QTest::newRow("Space") << K{Qt::Key_Right, Qt::Key_Space} << -1 << "1v.txt";
        QTest::newRow("Escape") << K{Qt::Key_Down, Qt::Key_Escape} << -1 << QString();
    }
    void tastieraDellaScelta()
    {
        QFETCH(QList<int>, tasti);
        QFETCH(int, focus);
        QFETCH(QString, scelta);
        p->cartella.creaLista(QStringLiteral("1vocali.txt"), {"APE"});
        p->cartella.creaLista(QStringLiteral("1v.txt"), {"VASO"});
        apri({"ape.jpg", "vaso.jpg"});
        clic(w->Command6);
        for (int tasto : tasti)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(tasto));
        QCOMPARE(w->Frame1->isHidden(), focus < 0);
        if (focus >= 0)
            QCOMPARE(QApplication::focusWidget(), w->Frame1->Option1[static_cast<size_t>(focus)]);
        if (scelta.isEmpty()) {
            invariata();
        } else {
            QCOMPARE(p->sessione.lista.FileInUso, lista(scelta));
            QCOMPARE(p->sessione.lista.NumeroParole(), int(1));
        }
        QVERIFY(p->dialoghi.chiamate.isEmpty());
    }

    void listaPropriaEDialogoAnnullato()
    {
        const QString mia = p->cartella.scrivi(QStringLiteral("altrove/mia lista.txt"), "ORSO\r\nLUPO\r\n");
        apri({"orso.jpg", "lupo.jpg"});
        p->dialoghi.fileDaAprire = {mia, QString()};
        clic(w->Command1);
        QCOMPARE(p->dialoghi.dialoghiFile.size(), 1);
        QVERIFY(!p->dialoghi.dialoghiFile[0].salva);
        QCOMPARE(p->dialoghi.dialoghiFile[0].filtro, QStringLiteral("*.TXT (*.txt)"));
        QCOMPARE(p->dialoghi.dialoghiFile[0].cartella, p->cartella.ambiente().cartellaListe());
        QCOMPARE(p->sessione.lista.FileInUso, mia);
        QCOMPARE(p->sessione.lista.NumeroParole(), int(2));
        QCOMPARE(p->sessione.lista.Parole(2), QStringLiteral("LUPO"));
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(mia));

        // Cancelled right after: the earlier choice stays.
        primo = mia;
        p->parole({"ORSO", "LUPO", "GATTO"});
        clic(w->Command1);
        QCOMPARE(unMessaggio(Icona::Critica), QStringLiteral("Non hai scelto nessuna lista!"));
        invariata();
    }

    void listaIlleggibile_data()
    {
        QTest::addColumn<QString>("percorso");
        QTest::newRow("missing file") << "altrove/nessuna.txt";
        QTest::newRow("a folder") << "testilettoria2";
        QTest::newRow("missing predefined list") << "testilettoria2/1gn.txt";
    }
    void listaIlleggibile()
    {
        QFETCH(QString, percorso);
        const QString assoluto = p->cartella.percorso(percorso);
        apri();
        if (percorso.endsWith(QLatin1String("1gn.txt"))) {
            clic(w->Command6);
            clicOpzione(w->Frame1->Option1[30]);
            QVERIFY(w->Frame1->isHidden());
        } else {
            p->dialoghi.fileDaAprire = {assoluto};
            clic(w->Command1);
        }
        const QStringList righe = unMessaggio(Icona::Critica).split(QLatin1Char('\n'));
        QCOMPARE(righe.size(), 3);
        QCOMPARE(righe[0], QStringLiteral("Non è stato possibile aprire la lista:"));
        QCOMPARE(righe[1], QDir::toNativeSeparators(assoluto));
        QVERIFY(!righe[2].isEmpty());
        invariata();
    }

    void esciEChiusuraTornanoAlMenu()
    {
        for (bool chiusura : {false, true}) {
            // A class list the second time: the practice switch shows too.
            if (chiusura)
                p->cartella.scrivi(p->cartella.ambiente().fileClasse(), "Bambino A\r\n");
            apri();
            // The voice's switch shows the setting and changes it at once.
            QCOMPARE(w->CheckVoce->isChecked(), !chiusura);
            clic(w->CheckVoce);
            QCOMPARE(p->sessione.VoceAttivata, chiusura);
            QCOMPARE(w->CheckRipasso->isVisible(), chiusura);
            if (chiusura) {
                QVERIFY(w->CheckRipasso->isChecked());
                clic(w->CheckRipasso);
                QVERIFY(!p->sessione.RipassoAttivo);
            }
            QPointer<OPZIONI> finestra = w;
            if (chiusura)
                w->close();
            else
                clic(w->Command3D1);
            QTRY_VERIFY(!finestra);
            QVERIFY(p->gestore->finestra<FormMenu>(IdFinestra::FormMenu));
        }
        QVERIFY(p->dialoghi.chiamate.isEmpty());
    }

    void creazioneESpostamenti()
    {
        apri({"casa.jpg", "Albero.JPG", "zebra.jpg", "mela.jpg"});
        clic(w->Command2);
        QCOMPARE(w->Frame5->geometry(), w->centralWidget()->rect());
        const QStringList tutte{"ALBERO", "CASA", "MELA", "ZEBRA"};
        QCOMPARE(voci(w->Frame5->List1), tutte);
        QCOMPARE(w->Frame5->List2->model()->rowCount(), 0);

        // Nothing looks chosen on opening, and Enter with nothing selected moves nothing.
        QVERIFY(w->Frame5->List1->selectionModel()->selectedIndexes().isEmpty());
        QVERIFY(!w->Frame5->List1->currentIndex().isValid());
        QTest::keyClick(w->Frame5->List1, Qt::Key_Return);
        QCOMPARE(voci(w->Frame5->List1), tutte);
        // Enter twice moves the one word picked, not the next one too.
        invio(w->Frame5->List1, QStringLiteral("CASA"));
        QTest::keyClick(w->Frame5->List1, Qt::Key_Return);
        QCOMPARE(voci(w->Frame5->List2), QStringList{"CASA"});
        QVERIFY(w->Frame5->List1->selectionModel()->selectedIndexes().isEmpty());
        invio(w->Frame5->List2, QStringLiteral("CASA"));

        doppioClic(w->Frame5->List1, QStringLiteral("ZEBRA"));
        invio(w->Frame5->List1, QStringLiteral("CASA"));
        doppioClic(w->Frame5->List1, QStringLiteral("ALBERO"));
        QCOMPARE(voci(w->Frame5->List1), QStringList{"MELA"});
        QCOMPARE(voci(w->Frame5->List2), (QStringList{"ALBERO", "CASA", "ZEBRA"}));
        invio(w->Frame5->List2, QStringLiteral("CASA"));
        doppioClic(w->Frame5->List2, QStringLiteral("ZEBRA"));
        QCOMPARE(voci(w->Frame5->List1), (QStringList{"CASA", "MELA", "ZEBRA"}));
        QCOMPARE(voci(w->Frame5->List2), QStringList{"ALBERO"});

        // A finger's double tap: the second tap 9 pixels off, too far for a mouse's double click.
        const QPoint primo = w->Frame5->List1->visualRect(voce(w->Frame5->List1, QStringLiteral("MELA"))).center();
        const auto tocca = [&](QPoint punto, quint64 tempo) {
            for (const QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent e(tipo, punto, w->Frame5->List1->viewport()->mapToGlobal(punto), Qt::LeftButton,
                              tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
                e.setTimestamp(tempo);
                QApplication::sendEvent(w->Frame5->List1->viewport(), &e);
            }
        };
        tocca(primo, 100000);
        tocca(primo + QPoint(7, 6), 100000 + 380);
        QCOMPARE(voci(w->Frame5->List2), (QStringList{"ALBERO", "MELA"}));
        // Two taps far apart in time are two single taps.
        tocca(primo, 200000);
        tocca(primo, 201000);
        QCOMPARE(voci(w->Frame5->List2), (QStringList{"ALBERO", "MELA"}));

        // "Svuota lista" starts over; so does opening the maker again after "Chiudi".
        clic(w->Frame5->Command4);
        QCOMPARE(voci(w->Frame5->List1), tutte);
        QCOMPARE(w->Frame5->List2->model()->rowCount(), 0);
        doppioClic(w->Frame5->List1, QStringLiteral("MELA"));
        clic(w->Frame5->Command3);
        QVERIFY(w->Frame5->isHidden());
        QVERIFY(w->Command3D1->isEnabled());
        clic(w->Command2);
        QCOMPARE(voci(w->Frame5->List1), tutte);
        QCOMPARE(w->Frame5->List2->model()->rowCount(), 0);
    }

    void listaVuotaNonSiSalva()
    {
        apri();
        clic(w->Command2);
        QCOMPARE(w->Frame5->List1->model()->rowCount(), 0);
        clic(w->Frame5->Command5);
        QCOMPARE(unMessaggio(Icona::Nessuna),
                 QStringLiteral("Devi inserire almeno alcune parole nalla lista prima di salvarla."));
        QVERIFY(p->dialoghi.dialoghiFile.isEmpty());
    }

    void salvataggio_data()
    {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<QString>("salvato");
        QTest::addColumn<int>("risposta"); // to the overwrite question; -1: none asked
        QTest::newRow("no extension") << "nuova" << "nuova.txt" << -1;
        QTest::newRow("txt") << "nuova.txt" << "nuova.txt" << -1;
        QTest::newRow("TXT") << "nuova.TXT" << "nuova.TXT" << -1;
        QTest::newRow("other extension") << "nuova.doc" << "nuova.doc.txt" << -1;
        QTest::newRow("cancelled") << "" << "" << -1;
        QTest::newRow("no name") << ".txt" << "" << -2;
        QTest::newRow("a folder") << "altrove/" << "" << -2;
        QTest::newRow("existing, No") << "TUTTE" << "TUTTE.txt" << int(Dialoghi::Risposta::No);
        QTest::newRow("existing, Yes") << "TUTTE" << "TUTTE.txt" << int(Dialoghi::Risposta::Si);
    }
    void salvataggio()
    {
        QFETCH(QString, scelto);
        QFETCH(QString, salvato);
        QFETCH(int, risposta);
        apri({"casa.jpg", "Albero.JPG", QString::fromUtf8("città.jpg"), "mela.jpg"});
        clic(w->Command2);
        for (const char *parola : {"CASA", "CITTÀ", "ALBERO"})
            doppioClic(w->Frame5->List1, QString::fromUtf8(parola));
        p->dialoghi.fileDaSalvare = {scelto.isEmpty() ? QString() : lista(scelto)};
        const bool senzaNome = risposta == -2;
        if (risposta >= 0)
            p->dialoghi.risposte = {Dialoghi::Risposta(risposta)};
        clic(w->Frame5->Command5);

        QCOMPARE(p->dialoghi.dialoghiFile.size(), 1);
        QVERIFY(p->dialoghi.dialoghiFile[0].salva);
        QCOMPARE(p->dialoghi.dialoghiFile[0].filtro, QStringLiteral("Files di testo (*.txt)"));
        QCOMPARE(p->dialoghi.dialoghiFile[0].cartella, p->cartella.ambiente().cartellaListe());
        const bool scritto = !scelto.isEmpty() && !senzaNome && risposta != int(Dialoghi::Risposta::No);
        if (senzaNome)
            QCOMPARE(unMessaggio(Icona::Esclamazione), QStringLiteral("Scrivi un nome per la lista prima di salvarla."));
        else if (risposta >= 0)
            QCOMPARE(unMessaggio(Icona::Critica, Dialoghi::Pulsanti::SiNo),
                     QStringLiteral("Un file con questo nome esiste già. Sovrascriverlo?"));
        else
            QVERIFY(p->dialoghi.chiamate.isEmpty());
        const int file = QDir(p->cartella.ambiente().cartellaListe()).entryList(QDir::Files).size();
        QCOMPARE(file, scritto && risposta < 0 ? 2 : 1);
        if (scritto) {
            QCOMPARE(leggiFile(lista(salvato)), QByteArray("ALBERO\r\nCASA\r\nCITT\xC0\r\n"));
            // The saved list is the list in use at once: path, words and label.
            QCOMPARE(p->sessione.lista.FileInUso, lista(salvato));
            QCOMPARE(p->sessione.lista.NumeroParole(), 3);
            QCOMPARE(p->sessione.lista.parole(),
                     (QStringList{"ALBERO", "CASA", QString::fromUtf8("CITTÀ")}));
            QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(lista(salvato)));
        } else {
            invariata();
        }
        if (risposta == int(Dialoghi::Risposta::No))
            QCOMPARE(leggiFile(lista(salvato)), QByteArray("CASA\r\nCANE\r\nGATTO\r\n"));
        // The lists are kept for another save.
        QCOMPARE(voci(w->Frame5->List2), (QStringList{"ALBERO", "CASA", QString::fromUtf8("CITTÀ")}));
    }

    void scritturaFallita()
    {
        apri({"casa.jpg"});
        clic(w->Command2);
        doppioClic(w->Frame5->List1, QStringLiteral("CASA"));
        const QString destinazione = p->cartella.percorso(QStringLiteral("non-esiste/nuova.txt"));
        p->dialoghi.fileDaSalvare = {destinazione};
        clic(w->Frame5->Command5);
        const QStringList righe = unMessaggio(Icona::Critica).split(QLatin1Char('\n'));
        QCOMPARE(righe.size(), 3);
        QCOMPARE(righe[0], QStringLiteral("Non è stato possibile salvare la lista:"));
        QCOMPARE(righe[1], QDir::toNativeSeparators(destinazione));
        QVERIFY(!righe[2].isEmpty());
        QVERIFY(!QFileInfo::exists(destinazione));
        invariata();
    }

    // The path of the list in use can be selected, but a press on the
    // selection and a move start no drag (a drag waits for a release).
    void percorsoSenzaTrascinamento()
    {
        apri();
        QLabel *l = w->Label1;
        QVERIFY(l->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
        l->setSelection(0, static_cast<int>(l->text().size()));
        QVERIFY(l->hasSelectedText());
        // On a real display the drag would wait for a release here: it is cut
        // short, and told, whenever it ends.
        bool trascinato = false;
        const auto guarda = [&] {
            if (!l->findChildren<QDrag *>().isEmpty()) {
                trascinato = true;
                QDrag::cancel();
            }
        };
        QTimer::singleShot(300, l, guarda);
        const QPoint da(20, l->height() / 2); // on the text
        QTest::mousePress(l, Qt::LeftButton, {}, da);
        for (int x = 1; x <= 6; ++x) {
            QTest::mouseMove(l, da + QPoint(20 * x, 0));
            guarda();
        }
        QTest::mouseRelease(l, Qt::LeftButton, {}, da + QPoint(120, 0));
        QTest::qWait(400);
        QVERIFY(!trascinato);
        // The move selected the text it went over instead.
        QVERIFY(l->hasSelectedText());
        QVERIFY(l->selectedText().size() < l->text().size());
    }
};

QTEST_MAIN(TestOpzioni)
#include "tst_opzioni.moc"
