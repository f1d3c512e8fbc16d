#include "core/impostazioni.h"
#include "core/profilo.h"
#include "tests/support/provefinestre.h"
#include "windows/lists/opzioni.h"
#include "windows/menu/formmenu.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList voci(const QListWidget *l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out.append(l->item(i)->text());
    return out;
}

// A click on the round mark, where a child would click.
void clicOpzione(QRadioButton *o)
{
    QTest::mouseClick(o, Qt::LeftButton, Qt::NoModifier, QPoint(o->height() / 2, o->height() / 2));
}

void doppioClic(QListWidget *l, const QString &parola)
{
    const auto trovate = l->findItems(parola, Qt::MatchExactly);
    QVERIFY(!trovate.isEmpty());
    l->scrollToItem(trovate.first());
    // As the mouse does it: a click, then the second press that makes it double.
    const QPoint punto = l->visualItemRect(trovate.first()).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, punto);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, punto);
}

void scegliConInvio(QListWidget *l, const QString &parola)
{
    const auto trovate = l->findItems(parola, Qt::MatchExactly);
    QVERIFY(!trovate.isEmpty());
    l->setCurrentItem(trovate.first());
    QTest::keyClick(l, Qt::Key_Return);
}

QString testoOpzione(const QRadioButton *o)
{
    return QString(o->text()).replace(QLatin1String("&&"), QLatin1String("&"));
}
} // namespace

class TestOpzioni : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgrammaProva> p;
    OPZIONI *w = nullptr;

    void apri()
    {
        w = p->apri<OPZIONI>(IdFinestra::OPZIONI);
        QVERIFY(w);
    }
    QString lista(const QString &nome) const { return QDir(p->cartella.ambiente().cartellaListe()).filePath(nome); }
    QString parolaInUso(int i) const { return p->stato.Parole[static_cast<size_t>(i)]; }
    // The maker, open on pictures named as given.
    void apriCreazione(const QStringList &immagini)
    {
        for (const QString &nome : immagini)
            p->cartella.creaImmagine(nome);
        apri();
        clic(w->Command2);
        QVERIFY(w->Frame5->isVisible());
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammaProva>();
        p->cartella.creaLista(QStringLiteral("TUTTE.txt"), {"CASA", "CANE", "GATTO"});
        p->parole({"CASA", "CANE", "GATTO"});
    }
    void cleanup()
    {
        p.reset();
        w = nullptr;
    }

    void apertura()
    {
        apri();
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(p->stato.FileInUso));
        QVERIFY(w->Frame1->isHidden());
        QVERIFY(w->Frame5->isHidden());
        QCOMPARE(w->Frame4->title(), QStringLiteral("File in uso"));
        QCOMPARE(w->Command6->text(), QStringLiteral("Apri un archivio tra i predefiniti"));
        QCOMPARE(w->Command1->text(), QStringLiteral("Apri un archivio personalizzato"));
        QCOMPARE(w->Command2->text(), QStringLiteral("Crea altri files con liste parole"));
        QCOMPARE(w->Command3D1->text(), QStringLiteral("Esci"));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(128, 255, 255));
    }

    void sceltaPredefinita_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("file");
        QTest::newRow("TUTTE") << 0 << "TUTTE.txt";
        QTest::newRow("last of the first column") << 11 << "1t.txt";
        QTest::newRow("GLI") << 29 << "1gli.txt";
        QTest::newRow("last") << 33 << "1mb&mp&nd&nt.txt";
    }
    void sceltaPredefinita()
    {
        QFETCH(int, indice);
        QFETCH(QString, file);
        p->stato.FileInUso = QStringLiteral("/altrove/mia.txt");
        if (indice != 0)
            p->cartella.creaLista(file, {"UNO", "DUE"});
        apri();
        clic(w->Command6);
        clicOpzione(w->Option1[static_cast<size_t>(indice)]);

        QCOMPARE(p->stato.FileInUso, lista(file));
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(lista(file)));
        QCOMPARE(p->stato.NumeroParole, qint16(indice == 0 ? 3 : 2));
        QCOMPARE(parolaInUso(1), indice == 0 ? QStringLiteral("CASA") : QStringLiteral("UNO"));
        QVERIFY(w->Frame1->isHidden());
        QVERIFY(w->Frame4->isEnabled());
        QVERIFY(p->dialoghi.chiamate.isEmpty());
    }

    void sceltaDisposizioneSuDueAperture()
    {
        apri();
        for (int volta = 0; volta < 2; ++volta) {
            clic(w->Command6);
            QVERIFY(w->Frame1->isVisible());
            QCOMPARE(w->Frame1->title(), QStringLiteral("Seleziona la lista da utilizzare"));
            QCOMPARE(w->Frame1->geometry(), w->centralWidget()->rect());
            QVERIFY(!w->Command3D1->isEnabled());
            for (int i = 0; i < 34; ++i) {
                const QRadioButton *o = w->Option1[static_cast<size_t>(i)];
                QCOMPARE(o->objectName(), QStringLiteral("Option1_%1").arg(i));
                QCOMPARE(o->property("Index").toInt(), i);
                QCOMPARE(testoOpzione(o), p->stato.ListePredefinite[static_cast<size_t>(i)][0]);
                QCOMPARE(o->font().pointSizeF(), 10.0);
                const int left = i < 12 ? 200 : i < 24 ? 3100 : 6000;
                const int top = 600 + 450 * (i % 12);
                QCOMPARE(o->geometry().topLeft(), QPoint(Finestra::twip(left), Finestra::twip(top)));
                QCOMPARE(o->width(), Finestra::twip(3000));
                QVERIFY(o->isVisible());
            }
            QCOMPARE(testoOpzione(w->Option1[27]), QStringLiteral("QU & CQU"));
            clicOpzione(w->Option1[0]);
            QVERIFY(w->Frame1->isHidden());
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
        p->stato.FileInUso = p->cartella.percorso(inUso);
        apri();
        clic(w->Command6);
        for (int i = 0; i < 34; ++i)
            QCOMPARE(w->Option1[static_cast<size_t>(i)]->isChecked(), i == segnata);
        // Nothing is loaded until the user picks.
        QCOMPARE(p->stato.FileInUso, p->cartella.percorso(inUso));
        QCOMPARE(p->stato.NumeroParole, qint16(3));
    }

    void segnoAggiornatoDopoUnaListaPropria()
    {
        p->cartella.creaLista(QStringLiteral("1gli.txt"), {"FOGLIA"});
        const QString mia = p->cartella.creaLista(QStringLiteral("mia.txt"), {"ORSO"});
        apri();
        clic(w->Command6);
        clicOpzione(w->Option1[29]);
        p->dialoghi.fileDaAprire = {mia};
        clic(w->Command1);
        clic(w->Command6);
        for (QRadioButton *o : w->Option1)
            QVERIFY(!o->isChecked());
        QCOMPARE(parolaInUso(1), QStringLiteral("ORSO"));
    }

    void listaPropriaEDialogoAnnullato()
    {
        QTemporaryDir altrove;
        const QString mia = altrove.filePath(QStringLiteral("mia lista.txt"));
        QFile f(mia);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ORSO\r\nLUPO\r\n");
        f.close();
        apri();
        p->dialoghi.fileDaAprire = {mia, QString()};
        clic(w->Command1);

        QCOMPARE(p->dialoghi.dialoghiFile.size(), 1);
        QCOMPARE(p->dialoghi.dialoghiFile[0].salva, false);
        QCOMPARE(p->dialoghi.dialoghiFile[0].filtro, QStringLiteral("*.TXT (*.txt)"));
        QCOMPARE(p->dialoghi.dialoghiFile[0].cartella, p->cartella.ambiente().cartellaListe());
        QCOMPARE(p->stato.FileInUso, mia);
        QCOMPARE(p->stato.NumeroParole, qint16(2));
        QCOMPARE(parolaInUso(2), QStringLiteral("LUPO"));
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(mia));
        QVERIFY(p->dialoghi.chiamate.isEmpty());

        // Cancelled right after: the earlier choice stays.
        clic(w->Command1);
        QCOMPARE(p->dialoghi.chiamate.size(), 1);
        QCOMPARE(p->dialoghi.chiamate[0].icona, Dialoghi::Icona::Critica);
        QCOMPARE(p->dialoghi.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(p->dialoghi.chiamate[0].testo, QStringLiteral("Non hai scelto nessuna lista!"));
        QCOMPARE(p->dialoghi.chiamate[0].pulsanti, Dialoghi::Pulsanti::Ok);
        QCOMPARE(p->stato.FileInUso, mia);
        QCOMPARE(p->stato.NumeroParole, qint16(2));
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(mia));
    }

    void listaIlleggibile_data()
    {
        QTest::addColumn<QString>("percorso");
        QTest::addColumn<bool>("predefinita");
        QTest::newRow("missing file") << "altrove/nessuna.txt" << false;
        QTest::newRow("a folder") << "testilettoria2" << false;
        QTest::newRow("missing predefined list") << "testilettoria2/1gn.txt" << true;
    }
    void listaIlleggibile()
    {
        QFETCH(QString, percorso);
        QFETCH(bool, predefinita);
        const QString prima = p->stato.FileInUso;
        const QString assoluto = p->cartella.percorso(percorso);
        apri();
        if (predefinita) {
            clic(w->Command6);
            clicOpzione(w->Option1[30]);
            QVERIFY(w->Frame1->isHidden());
        } else {
            p->dialoghi.fileDaAprire = {assoluto};
            clic(w->Command1);
        }
        QCOMPARE(p->dialoghi.chiamate.size(), 1);
        QCOMPARE(p->dialoghi.chiamate[0].icona, Dialoghi::Icona::Critica);
        QCOMPARE(p->dialoghi.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        const QStringList righe = p->dialoghi.chiamate[0].testo.split(QLatin1Char('\n'));
        QCOMPARE(righe.size(), 3);
        QCOMPARE(righe[0], QStringLiteral("Non è stato possibile aprire la lista:"));
        QCOMPARE(righe[1], QDir::toNativeSeparators(assoluto));
        QVERIFY(!righe[2].isEmpty());
        QCOMPARE(p->stato.FileInUso, prima);
        QCOMPARE(p->stato.NumeroParole, qint16(3));
        QCOMPARE(parolaInUso(3), QStringLiteral("GATTO"));
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(prima));
    }

    void esciTornaAlMenuConLaListaScelta()
    {
        p->cartella.creaLista(QStringLiteral("1gli.txt"), {"FOGLIA", "AGLIO"});
        p->stato.Esatti = 4;
        apri();
        clic(w->Command6);
        clicOpzione(w->Option1[29]);
        clic(w->Command3D1);
        svuotaEventi();
        QVERIFY(p->gestore->finestra<FormMenu>(IdFinestra::FormMenu));
        QVERIFY(!p->gestore->finestra(IdFinestra::OPZIONI));
        QVERIFY(p->dialoghi.chiamate.isEmpty());
        QCOMPARE(p->stato.Esatti, qint16(4));
        QCOMPARE(p->stato.NumeroParole, qint16(2));
        QCOMPARE(parolaInUso(2), QStringLiteral("AGLIO"));
    }

    void chiusuraDallaFinestraComeEsci()
    {
        apri();
        clic(w->Command2);
        QPointer<OPZIONI> finestra = w;
        w->close();
        QTRY_VERIFY(!finestra);
        QVERIFY(p->gestore->finestra(IdFinestra::FormMenu));
        QVERIFY(p->dialoghi.chiamate.isEmpty());
    }

    void creazioneElencaLeImmagini()
    {
        apriCreazione({"casa.jpg", "Albero.JPG"});
        QCOMPARE(w->Frame5->title(), QStringLiteral("Creazione di nuovi files di liste parole"));
        QCOMPARE(w->Frame5->geometry(), w->centralWidget()->rect());
        QCOMPARE(w->Frame5->palette().color(QPalette::Window), QColor(192, 255, 192));
        QCOMPARE(w->Label2->text(), QStringLiteral("Parole utilizzabili (immagini a disposizione)"));
        QCOMPARE(w->Label3->text(), QStringLiteral("Parole inserite nella lista"));
        QCOMPARE(w->Label4->text(), QStringLiteral("Per spostare le parole da una lista all'altra utilizzare il doppio "
                                                   "click oppure sfogliare la lista con le frecce e premere invio."));
        QCOMPARE(voci(w->List1), (QStringList{"ALBERO", "CASA"}));
        QCOMPARE(w->List2->count(), 0);
        QVERIFY(!w->Command3D1->isEnabled());

        clic(w->Command3);
        QVERIFY(w->Frame5->isHidden());
        QVERIFY(w->Command3D1->isEnabled());
    }

    void spostamenti()
    {
        apriCreazione({"casa.jpg", "Albero.JPG", "zebra.jpg", "mela.jpg"});
        const QStringList tutte{"ALBERO", "CASA", "MELA", "ZEBRA"};

        // Enter with nothing selected moves nothing.
        w->List1->setFocus();
        QVERIFY(w->List1->selectedItems().isEmpty());
        QTest::keyClick(w->List1, Qt::Key_Return);
        QCOMPARE(voci(w->List1), tutte);

        doppioClic(w->List1, QStringLiteral("ZEBRA"));
        scegliConInvio(w->List1, QStringLiteral("CASA"));
        doppioClic(w->List1, QStringLiteral("ALBERO"));
        QCOMPARE(voci(w->List1), QStringList{"MELA"});
        QCOMPARE(voci(w->List2), (QStringList{"ALBERO", "CASA", "ZEBRA"}));

        // Other keys move nothing.
        QTest::keyClick(w->List2, Qt::Key_Space);
        QCOMPARE(w->List2->count(), 3);

        scegliConInvio(w->List2, QStringLiteral("CASA"));
        doppioClic(w->List2, QStringLiteral("ZEBRA"));
        QCOMPARE(voci(w->List1), (QStringList{"CASA", "MELA", "ZEBRA"}));
        QCOMPARE(voci(w->List2), QStringList{"ALBERO"});
        scegliConInvio(w->List2, QStringLiteral("ALBERO"));
        QCOMPARE(voci(w->List1), tutte);
        QCOMPARE(w->List2->count(), 0);
        QTest::keyClick(w->List2, Qt::Key_Return);
        QCOMPARE(voci(w->List1), tutte);

        // Starting over brings every word back; so does a new opening.
        doppioClic(w->List1, QStringLiteral("MELA"));
        clic(w->Command4);
        QCOMPARE(voci(w->List1), tutte);
        QCOMPARE(w->List2->count(), 0);
        doppioClic(w->List1, QStringLiteral("MELA"));
        clic(w->Command3);
        clic(w->Command2);
        QCOMPARE(voci(w->List1), tutte);
        QCOMPARE(w->List2->count(), 0);
    }

    void listaVuotaNonSiSalva()
    {
        apriCreazione({});
        QCOMPARE(w->List1->count(), 0);
        clic(w->Command5);
        QCOMPARE(p->dialoghi.chiamate.size(), 1);
        QCOMPARE(p->dialoghi.chiamate[0].icona, Dialoghi::Icona::Nessuna);
        QCOMPARE(p->dialoghi.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(p->dialoghi.chiamate[0].testo,
                 QStringLiteral("Devi inserire almeno alcune parole nalla lista prima di salvarla."));
        QCOMPARE(p->dialoghi.chiamate[0].pulsanti, Dialoghi::Pulsanti::Ok);
        QVERIFY(p->dialoghi.dialoghiFile.isEmpty());
    }

    void salvataggio_data()
    {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<QString>("salvato");
        QTest::newRow("no extension") << "nuova" << "nuova.txt";
        QTest::newRow("txt") << "nuova.txt" << "nuova.txt";
        QTest::newRow("TXT") << "nuova.TXT" << "nuova.TXT";
    }
    void salvataggio()
    {
        QFETCH(QString, scelto);
        QFETCH(QString, salvato);
        apriCreazione({"casa.jpg", "Albero.JPG", QString::fromUtf8("città.jpg"), "mela.jpg"});
        const QString primo = p->stato.FileInUso;
        doppioClic(w->List1, QStringLiteral("CASA"));
        doppioClic(w->List1, QString::fromUtf8("CITTÀ"));
        doppioClic(w->List1, QStringLiteral("ALBERO"));
        p->dialoghi.fileDaSalvare = {lista(scelto)};
        clic(w->Command5);

        QCOMPARE(p->dialoghi.dialoghiFile.size(), 1);
        QCOMPARE(p->dialoghi.dialoghiFile[0].salva, true);
        QCOMPARE(p->dialoghi.dialoghiFile[0].filtro, QStringLiteral("Files di testo (*.txt)"));
        QCOMPARE(p->dialoghi.dialoghiFile[0].cartella, p->cartella.ambiente().cartellaListe());
        QVERIFY(p->dialoghi.chiamate.isEmpty());
        QCOMPARE(leggiFile(lista(salvato)), QByteArray("ALBERO\r\nCASA\r\nCITT\xC0\r\n"));
        QCOMPARE(QDir(p->cartella.ambiente().cartellaListe()).entryList(QDir::Files).size(), 2);
        QCOMPARE(p->stato.FileInUso, lista(salvato));
        // The words in use and the label stay those of the list loaded before.
        QCOMPARE(w->Label1->text(), QDir::toNativeSeparators(primo));
        QCOMPARE(p->stato.NumeroParole, qint16(3));
        QCOMPARE(parolaInUso(1), QStringLiteral("CASA"));
        // The lists stay as they were, ready for another save.
        QCOMPARE(voci(w->List2), (QStringList{"ALBERO", "CASA", QString::fromUtf8("CITTÀ")}));
    }

    void salvataggioAnnullato()
    {
        apriCreazione({"casa.jpg"});
        const QString primo = p->stato.FileInUso;
        doppioClic(w->List1, QStringLiteral("CASA"));
        clic(w->Command5);
        QCOMPARE(p->dialoghi.dialoghiFile.size(), 1);
        QVERIFY(p->dialoghi.chiamate.isEmpty());
        QCOMPARE(p->stato.FileInUso, primo);
        QCOMPARE(QDir(p->cartella.ambiente().cartellaListe()).entryList(QDir::Files).size(), 1);
    }

    void sovrascrittura_data()
    {
        QTest::addColumn<bool>("si");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void sovrascrittura()
    {
        QFETCH(bool, si);
        const QString esistente = p->cartella.creaLista(QStringLiteral("nuova.txt"), {"VECCHIA"});
        apriCreazione({"casa.jpg"});
        const QString primo = p->stato.FileInUso;
        doppioClic(w->List1, QStringLiteral("CASA"));
        p->dialoghi.fileDaSalvare = {lista(QStringLiteral("nuova"))};
        p->dialoghi.risposte = {si ? Dialoghi::Risposta::Si : Dialoghi::Risposta::No};
        clic(w->Command5);

        QCOMPARE(p->dialoghi.chiamate.size(), 1);
        QCOMPARE(p->dialoghi.chiamate[0].icona, Dialoghi::Icona::Critica);
        QCOMPARE(p->dialoghi.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(p->dialoghi.chiamate[0].testo, QStringLiteral("Un file con questo nome esiste già. Sovrascriverlo?"));
        QCOMPARE(p->dialoghi.chiamate[0].pulsanti, Dialoghi::Pulsanti::SiNo);
        QCOMPARE(leggiFile(esistente), si ? QByteArray("CASA\r\n") : QByteArray("VECCHIA\r\n"));
        QCOMPARE(p->stato.FileInUso, si ? esistente : primo);
    }

    void scritturaFallita()
    {
        apriCreazione({"casa.jpg"});
        const QString primo = p->stato.FileInUso;
        doppioClic(w->List1, QStringLiteral("CASA"));
        const QString destinazione = p->cartella.percorso(QStringLiteral("non-esiste/nuova.txt"));
        p->dialoghi.fileDaSalvare = {destinazione};
        clic(w->Command5);

        QCOMPARE(p->dialoghi.chiamate.size(), 1);
        QCOMPARE(p->dialoghi.chiamate[0].icona, Dialoghi::Icona::Critica);
        QCOMPARE(p->dialoghi.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        const QStringList righe = p->dialoghi.chiamate[0].testo.split(QLatin1Char('\n'));
        QCOMPARE(righe.size(), 3);
        QCOMPARE(righe[0], QStringLiteral("Non è stato possibile salvare la lista:"));
        QCOMPARE(righe[1], QDir::toNativeSeparators(destinazione));
        QVERIFY(!righe[2].isEmpty());
        QCOMPARE(p->stato.FileInUso, primo);
        QVERIFY(!QFileInfo::exists(destinazione));
        QCOMPARE(w->List2->count(), 1);
    }

    void impostazioniScritteAllUscitaDopoIlSalvataggio()
    {
        QVERIFY(QDir().mkpath(p->cartella.ambiente().cartellaImpostazioni));
        apriCreazione({"casa.jpg", "mela.jpg"});
        doppioClic(w->List1, QStringLiteral("MELA"));
        p->dialoghi.fileDaSalvare = {lista(QStringLiteral("frutta"))};
        clic(w->Command5);
        clic(w->Command3);
        clic(w->Command3D1);
        svuotaEventi();
        auto *menu = p->gestore->finestra<FormMenu>(IdFinestra::FormMenu);
        QVERIFY(menu);
        p->dialoghi.risposte = {Dialoghi::Risposta::Si};
        clic(menu->Command3D5);
        QCOMPARE(p->terminazioni, 1);
        QCOMPARE(profilo::leggi(p->stato.FileImpostazioni, SezioneImpostazioni, ChiaveFileInUso, QString()),
                 lista(QStringLiteral("frutta.txt")));
        // This run still uses the words loaded before.
        QCOMPARE(p->stato.NumeroParole, qint16(3));
    }
};

QTEST_MAIN(TestOpzioni)
#include "tst_opzioni.moc"
