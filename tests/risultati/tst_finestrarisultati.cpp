#include "risultati/finestra/finestrarisultati.h"
#include "risultati/finestra/grafici.h"
#include "tests/risultati/archiviofinto.h"
#include "tests/support/provecomuni.h"

#include "core/impostazioni.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

const QDateTime Adesso(QDate(2026, 12, 7), QTime(10, 30));

// What a poppler tool prints about a PDF.
QString poppler(const QString &programma, const QStringList &argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

void clic(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }

// "Alunno 03", or "Alunno 03\tCASA" with a sign; alunni(1, 3): "Alunno 01" to "Alunno 03".
QList<Bambino> classe(const QStringList &righe)
{
    QList<Bambino> c;
    for (const QString &r : righe)
        c.append({r.section(QLatin1Char('\t'), 0, 0), r.section(QLatin1Char('\t'), 1)});
    return c;
}
QStringList alunni(int dal, int al)
{
    QStringList nomi;
    for (int i = dal; i <= al; ++i)
        nomi.append(QStringLiteral("Alunno %1").arg(i, 2, 10, QLatin1Char('0')));
    return nomi;
}

const QByteArray Impostazioni =
    "[IMPOSTAZIONI]\r\nSuoni attivati=1\r\nArchivio risultati=postgresql://vecchio@server/lettoria\r\nCarattere=Arial\r\n";

} // namespace

class TestFinestraRisultati : public QObject
{
    Q_OBJECT

    std::unique_ptr<ArchivioFinto> archivio;
    std::unique_ptr<FakeDialoghi> dialoghi;
    std::unique_ptr<FinestraRisultati> f;
    std::unique_ptr<QTemporaryDir> cartella;
    // The school's server as the window reaches it: what it answers, what it was asked.
    struct
    {
        FinestraRisultati::EsitoProvaScuola esito;
        bool riesce = true;
        QStringList provati;
        QList<std::pair<QString, QList<Bambino>>> portate;
    } server;
    FinestraRisultati::Scuola scuola;

    void nuovaFinestra()
    {
        f = std::make_unique<FinestraRisultati>(*archivio, archivio->bambini, *dialoghi, Adesso, scuola);
        f->resize(1600, 900);
        f->show();
    }

private slots:
    void init()
    {
        archivio = std::make_unique<ArchivioFinto>(7);
        dialoghi = std::make_unique<FakeDialoghi>();
        cartella = std::make_unique<QTemporaryDir>();
        server = {};
        scuola = {cartella->filePath(QStringLiteral("Lettoria2.INI")),
                  [this](const QString &indirizzo) { server.provati.append(indirizzo); return server.esito; },
                  [this](const QString &indirizzo, const QList<Bambino> &c) { server.portate.append({indirizzo, c}); return server.riesce; }};
        nuovaFinestra();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup() { f.reset(); }

    // One row a child, one column a group, each cell drawn in the colour and
    // with the mark of its legend word: grey, amber, green.
    void quadroDellaClasse()
    {
        QCOMPARE(archivio->chiestiQuadro, (QList<std::pair<QStringList, QDateTime>>{{archivio->bambini, Adesso}}));
        QTableWidget *t = f->Quadro;
        QCOMPARE(t->rowCount(), 7);
        QCOMPARE(t->columnCount(), 33);
        QCOMPARE(t->verticalHeaderItem(6)->text(), QStringLiteral("Alunno 07"));
        QCOMPARE(t->horizontalHeaderItem(1)->text(), QStringLiteral("BA BE BI BO BU"));
        QList<QColor> colori;
        QStringList segni, parole;
        for (const QString &livello : {QStringLiteral("NonVisto"), QStringLiteral("Imparando"), QStringLiteral("Sicuro")}) {
            auto *quadretto = f->findChild<QLabel *>(QStringLiteral("Colore") + livello);
            colori.append(quadretto->grab().toImage().pixelColor(quadretto->width() / 2, 3));
            segni.append(quadretto->text());
            parole.append(f->findChild<QLabel *>(QStringLiteral("Legenda") + livello)->text());
        }
        QCOMPARE(parole, (QStringList{"non visto", "da consolidare", "sicuro"}));
        QVERIFY(qAbs(colori[0].red() - colori[0].blue()) < 20);                 // grey
        QVERIFY(colori[1].red() > 200 && colori[1].blue() < 120);             // amber
        QVERIFY(colori[2].green() > colori[2].red() + 50);                    // green
        for (int r = 0; r < t->rowCount(); r += 3)
            for (int c = 0; c < t->columnCount(); c += 5) {
                const int livello = static_cast<int>(archivio->livello(r, c));
                t->scrollToItem(t->item(r, c));
                const QPoint angolo = t->visualItemRect(t->item(r, c)).topLeft() + QPoint(3, 3);
                QCOMPARE(t->viewport()->grab().toImage().pixelColor(angolo), colori[livello]);
                QCOMPARE(t->item(r, c)->text(), segni[livello]);
            }
    }

    void paginaDelBambino_data()
    {
        QTest::addColumn<bool>("sulNome");
        QTest::newRow("nome") << true;
        QTest::newRow("cella") << false;
    }
    // A child's name or cell opens the page: the texts as the teacher reads
    // them, a point a week, a bar a day and a date every other bar.
    void paginaDelBambino()
    {
        QFETCH(bool, sulNome);
        QTableWidget *t = f->Quadro;
        QHeaderView *h = t->verticalHeader();
        if (sulNome)
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->width() / 2, h->sectionViewportPosition(2) + 5));
        else
            QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(2, 3)).center());
        QCOMPARE(f->Pagine->currentIndex(), 1);
        QCOMPARE(f->bambino(), QStringLiteral("Alunno 03"));
        QCOMPARE(f->Titolo->text(), QStringLiteral("Alunno 03"));
        QCOMPARE(f->Sottotitolo->text(), QStringLiteral("dal 07/11/2026 al 07/12/2026"));
        QCOMPARE(f->Errori->text(), QStringLiteral("PALA al posto di PALLA: 3 volte\nSALE al posto di SOLE: 1 volta"));
        QCOMPARE(f->Sicuri->text(), QStringLiteral("BA BE BI BO BU · LA LE LI LO LU"));
        QCOMPARE(f->Imparando->text(), QStringLiteral("PA PE PI PO PU"));
        QCOMPARE(f->Tempi->text(), QStringLiteral("Un nome e due immagini: 12 min, 40 risposte\nIl puzzle: 1 h 07 min, 1 risposta"));
        QCOMPARE(f->Cancella->text(), QStringLiteral("Cancella i dati di Alunno 03"));

        const QList<QAbstractSeries *> linee = f->Settimane->chart()->series();
        QCOMPARE(linee.size(), 2);
        const auto *giuste = qobject_cast<QLineSeries *>(linee.at(1));
        QCOMPARE(giuste->name(), QStringLiteral("giuste"));
        QCOMPARE(giuste->points(), (QList<QPointF>{{0, 10}, {1, 13}, {2, 16}, {3, 19}, {4, 22}}));
        QCOMPARE(qobject_cast<QLineSeries *>(linee.at(0))->at(4).y(), 28.0);
        const QBarSet *barre = qobject_cast<QBarSeries *>(f->Giorni->chart()->series().at(0))->barSets().at(0);
        QCOMPARE(barre->count(), 12);
        QCOMPARE(barre->at(1), 12.0);
        auto *date = qobject_cast<QCategoryAxis *>(f->Giorni->chart()->axes(Qt::Horizontal).at(0));
        QCOMPARE(date->categoriesLabels(), (QStringList{"8/11", "12/11", "16/11", "20/11", "24/11", "28/11"}));
        QCOMPARE(date->endValue(QStringLiteral("12/11")), 2.0);

        clic(f->Classe);
        QCOMPARE(f->Pagine->currentIndex(), 0);
        QCOMPARE(f->Titolo->text(), QStringLiteral("La classe"));
    }

    void durate_data()
    {
        QTest::addColumn<qint64>("millisecondi");
        QTest::addColumn<QString>("testo");
        QTest::newRow("meno di un minuto") << qint64(59'400) << "59 s";
        QTest::newRow("arrotondato al minuto") << qint64(59'600) << "1 min";
        QTest::newRow("un minuto e mezzo") << qint64(90'000) << "2 min";
        QTest::newRow("un'ora e sei") << qint64(3'930'000) << "1 h 06 min";
        QTest::newRow("negativo") << qint64(-5'000) << "0 s";
        QTest::newRow("quasi un'ora") << qint64(3'570'000) << "1 h 00 min";
    }
    void durate()
    {
        QFETCH(qint64, millisecondi);
        QFETCH(QString, testo);
        QCOMPARE(TestoDurata(millisecondi), testo);
    }

    void salvaCsv_data()
    {
        QTest::addColumn<QString>("bambino");       // empty: from the class page
        QTest::addColumn<QString>("risposta");      // of the save dialog, in the temporary folder ("" cancels)
        QTest::addColumn<bool>("esisteva");         // a file "vecchio" there before
        QTest::addColumn<bool>("sovrascrivi");
        QTest::addColumn<QString>("salvato");       // the file written, empty when none
        QTest::addColumn<QString>("messaggio");     // the last box, %1 the path
        QTest::newRow("classe") << "" << "classe.csv" << false << false << "classe.csv" << "Dati salvati in %1.";
        QTest::newRow("estensione aggiunta") << "Alunno 04" << "a" << false << false << "a.csv" << "Dati salvati in %1.";
        QTest::newRow("estensione maiuscola") << "Alunno 04" << "A.CSV" << false << false << "A.CSV" << "Dati salvati in %1.";
        QTest::newRow("annullato") << "Alunno 04" << "" << false << false << "" << "";
        QTest::newRow("sovrascritto") << "Alunno 04" << "c.csv" << true << true << "c.csv" << "Dati salvati in %1.";
        QTest::newRow("non sovrascritto") << "Alunno 04" << "c.csv" << true << false << "" << "Un file con questo nome esiste già. Sovrascriverlo?";
        QTest::newRow("cartella che non c'è") << "" << "manca/c.csv" << false << false << ""
                                              << "Non è stato possibile salvare il file %1.";
    }
    // The store's bytes, unchanged, in the file the teacher chose; nothing else touched.
    void salvaCsv()
    {
        QFETCH(QString, bambino);
        QFETCH(QString, risposta);
        QFETCH(bool, esisteva);
        QFETCH(bool, sovrascrivi);
        QFETCH(QString, salvato);
        QFETCH(QString, messaggio);
        const QDir dir(cartella->path());
        if (esisteva) {
            QFile vecchio(dir.filePath(risposta));
            QVERIFY(vecchio.open(QIODevice::WriteOnly) && vecchio.write("vecchio") == 7);
        }
        dialoghi->fileDaSalvare = {risposta.isEmpty() ? QString() : dir.filePath(risposta)};
        dialoghi->risposte = {sovrascrivi ? Dialoghi::Risposta::Si : Dialoghi::Risposta::No};
        if (!bambino.isEmpty())
            f->mostraBambino(bambino);
        clic(bambino.isEmpty() ? f->EsportaClasse : f->EsportaBambino);
        QCOMPARE(dialoghi->dialoghiFile.size(), 1);
        QCOMPARE(dialoghi->dialoghiFile[0].filtro, QStringLiteral("File CSV (*.csv)"));
        QCOMPARE(QFileInfo(dialoghi->dialoghiFile[0].cartella).fileName(),
                 bambino.isEmpty() ? QStringLiteral("Risultati della classe.csv") : QStringLiteral("Risultati di %1.csv").arg(bambino));
        const QString scritto = dir.filePath(salvato.isEmpty() ? risposta : salvato);
        QCOMPARE(dialoghi->chiamate.isEmpty() ? QString() : dialoghi->chiamate.last().testo,
                 messaggio.contains(QLatin1String("%1")) ? messaggio.arg(QDir::toNativeSeparators(scritto)) : messaggio);
        QCOMPARE(dir.entryList(QDir::Files), salvato.isEmpty() ? (esisteva ? QStringList{risposta} : QStringList{}) : QStringList{salvato});
        if (salvato.isEmpty()) {
            QCOMPARE(archivio->chiestiCsv.size(), messaggio.startsWith(QLatin1String("Non")) ? 1 : 0);
            if (esisteva)
                QCOMPARE(leggiFile(scritto), QByteArray("vecchio"));
            return;
        }
        QCOMPARE(archivio->chiestiCsv, QStringList{bambino});
        QCOMPARE(leggiFile(scritto), archivio->csv(bambino));
    }

    void rapportoPdf_data()
    {
        QTest::addColumn<int>("errori");
        QTest::addColumn<int>("minimoPagine");
        QTest::newRow("due errori") << 2 << 1;
        QTest::newRow("nessun errore") << 0 << 1;
        QTest::newRow("ottanta errori, su più pagine") << 80 << 3;
    }
    // The parents' report: a PDF with the child's name, the period and every missed word.
    void rapportoPdf()
    {
        QFETCH(int, errori);
        QFETCH(int, minimoPagine);
        archivio->errori.clear();
        for (int i = 0; i < errori; ++i)
            archivio->errori.append({QStringLiteral("PAROLA%1").arg(i), QStringLiteral("SCELTA%1").arg(i), errori - i});
        f->mostraBambino(QStringLiteral("Alunno 05"));
        const QString percorso = QDir(cartella->path()).filePath(QStringLiteral("rapporto.pdf"));
        dialoghi->fileDaSalvare = {QDir(cartella->path()).filePath(QStringLiteral("rapporto"))};
        clic(f->Rapporto);
        QCOMPARE(dialoghi->dialoghiFile.value(0).filtro, QStringLiteral("Documento PDF (*.pdf)"));
        QCOMPARE(QFileInfo(dialoghi->dialoghiFile.value(0).cartella).fileName(), QStringLiteral("Rapporto di Alunno 05.pdf"));
        QCOMPARE(dialoghi->testi(), QStringList{QStringLiteral("Rapporto salvato in %1.").arg(QDir::toNativeSeparators(percorso))});
        QVERIFY(leggiFile(percorso).startsWith("%PDF"));
        const QString info = poppler(QStringLiteral("pdfinfo"), {percorso});
        const int pagine = info.mid(info.indexOf(QLatin1String("Pages:")) + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
        QVERIFY2(pagine >= minimoPagine, qPrintable(info));
        // Lines are compared with the spaces pdftotext lays out made single.
        const QString testo = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), percorso, QStringLiteral("-")}).simplified();
        QVERIFY2(testo.contains(QStringLiteral("I risultati di Alunno 05")), qPrintable(testo));
        QVERIFY(testo.contains(QStringLiteral("dal 07/11/2026 al 07/12/2026")));
        QVERIFY(testo.contains(errori ? QStringLiteral("SCELTA0 al posto di PAROLA0") : NessunErrore));
        for (int i = 1; i < errori; ++i)
            QVERIFY2(testo.contains(QStringLiteral("SCELTA%1 al posto di PAROLA%1: %2 volt").arg(i).arg(errori - i)), qPrintable(QString::number(i)));
        QVERIFY(testo.contains(QStringLiteral("Il puzzle: 1 h 07 min, 1 risposta")));
    }

    void cancella_data()
    {
        QTest::addColumn<bool>("si");
        QTest::addColumn<bool>("riesce");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("no") << false << true << 1 << "";
        QTest::newRow("sì") << true << true << 0 << "I dati di Alunno 06 sono stati cancellati.";
        QTest::newRow("l'archivio non riesce") << true << false << 1 << "Non è stato possibile cancellare i dati di Alunno 06.";
    }
    // Asked first, by name; erased, the class is shown again without the child's levels.
    void cancella()
    {
        QFETCH(bool, si);
        QFETCH(bool, riesce);
        QFETCH(int, pagina);
        QFETCH(QString, messaggio);
        archivio->cancellaRiesce = riesce;
        f->mostraBambino(QStringLiteral("Alunno 06"));
        dialoghi->risposte = {si ? Dialoghi::Risposta::Si : Dialoghi::Risposta::No};
        clic(f->Cancella);
        QCOMPARE(dialoghi->chiamate.value(0).testo,
                 QStringLiteral("Vuoi cancellare tutti i dati di Alunno 06? Non si potranno più recuperare."));
        QCOMPARE(dialoghi->chiamate.value(0).pulsanti, Dialoghi::Pulsanti::SiNo);
        QCOMPARE(dialoghi->chiamate.value(1).testo, messaggio);
        QCOMPARE(archivio->cancellati, si && riesce ? QStringList{"Alunno 06"} : QStringList{});
        QCOMPARE(f->Pagine->currentIndex(), pagina);
        for (int c = 0; pagina == 0 && c < f->Quadro->columnCount(); ++c)
            QCOMPARE(f->Quadro->item(5, c)->text(), QString());
    }

    // A dialog opened over the window (the file dialog's name field) keeps its own look.
    void dialoghiSopra()
    {
        auto *campo = new QLineEdit(f.get());
        campo->ensurePolished();
        QCOMPARE(campo->font().pixelSize(), QLineEdit().font().pixelSize());
    }

    void classeVuotaESolaLettura()
    {
        archivio->stato = ArchivioRisultati::Condizione::SolaLettura;
        f = std::make_unique<FinestraRisultati>(*archivio, QStringList{}, *dialoghi, Adesso, scuola);
        QCOMPARE(f->Quadro->rowCount(), 0);
        QCOMPARE(f->Suggerimento->text(), QStringLiteral("Nessun bambino nell'elenco della classe."));
        QVERIFY(!f->EsportaClasse->isEnabled());
        f->mostraBambino(QStringLiteral("Alunno & <b>01</b>"));
        QCOMPARE(f->Titolo->text(), QStringLiteral("Alunno & <b>01</b>"));
        QCOMPARE(f->Titolo->textFormat(), Qt::PlainText);
        QCOMPARE(f->Cancella->text(), QStringLiteral("Cancella i dati di Alunno && <b>01</b>"));
        QVERIFY(!f->Cancella->isEnabled());
    }

    void doveSonoLeRisposte_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<int>("attesa");
        QTest::addColumn<QString>("testo");
        const QString server = QStringLiteral("Le risposte sono salvate sul server della scuola: postgresql://lettoria@scuola/lettoria.");
        QTest::newRow("questo computer") << "" << 4 << "Le risposte sono salvate su questo computer.";
        QTest::newRow("server") << "postgresql://lettoria@scuola/lettoria" << 0 << server;
        QTest::newRow("una in attesa") << "postgresql://lettoria@scuola/lettoria" << 1
                                       << server + " 1 risposta aspetta di essere inviata da questo computer.";
        QTest::newRow("cinque in attesa") << "postgresql://lettoria@scuola/lettoria" << 5
                                          << server + " 5 risposte aspettano di essere inviate da questo computer.";
    }
    // Read again each time the class comes back on screen.
    void doveSonoLeRisposte()
    {
        QFETCH(QString, server);
        QFETCH(int, attesa);
        archivio->indirizzoServer = server;
        archivio->attesa = attesa;
        f->mostraBambino(QStringLiteral("Alunno 02"));
        clic(f->Classe);
        QTEST(f->Archivio->text(), "testo");
    }

    // With a school's server the open page follows the outbox and the server's state by itself.
    void siAggiornaDaSolo()
    {
        archivio->indirizzoServer = QStringLiteral("postgresql://lettoria@scuola/lettoria");
        archivio->attesa = 8;
        archivio->testoAvviso = QStringLiteral("L'archivio della scuola non si può usare.");
        f->mostraClasse();
        QVERIFY(f->Archivio->text().endsWith(QStringLiteral(" 8 risposte aspettano di essere inviate da questo computer.")));
        QVERIFY(f->Avviso->isVisibleTo(f.get()));
        archivio->attesa = 0;
        archivio->testoAvviso.clear();
        f->findChild<QTimer *>(QStringLiteral("AggiornaArchivio"))->setInterval(10);
        QTRY_COMPARE(f->Archivio->text(),
                     QStringLiteral("Le risposte sono salvate sul server della scuola: postgresql://lettoria@scuola/lettoria."));
        QVERIFY(!f->Avviso->isVisibleTo(f.get()));
    }

    void salvaIndirizzo_data()
    {
        QTest::addColumn<QString>("scritto");          // in the address field
        QTest::addColumn<QString>("errore");           // of the server's try
        QTest::addColumn<QStringList>("sulServer");    // the server's class list
        QTest::addColumn<QStringList>("qui");          // this PC's Bambini.txt
        QTest::addColumn<bool>("si");                  // the answer to the question
        QTest::addColumn<QString>("domanda");          // "" when none
        QTest::addColumn<QStringList>("portati");      // the list handed to the server
        QTest::addColumn<QString>("esito");
        const QString s = QStringLiteral("postgresql://lettoria@scuola/lettoria");
        const QString e = QStringLiteral("Fatto. Da quando Lettoria 2 sarà aperto di nuovo, le risposte andranno al server della scuola.");
        const QString vuota = QStringLiteral("Sul server della scuola la classe è ancora vuota. Vuoi portarci ");
        const QString mancano = QStringLiteral("Questo computer ha bambini che la classe della scuola non ha: ");
        QTest::newRow("indirizzo sbagliato") << "mysql://scuola" << "Serve postgresql://." << QStringList{} << alunni(1, 2) << false << ""
                                             << QStringList{} << "Serve postgresql://.";
        QTest::newRow("nessun bambino qui") << " " + s + " " << "" << alunni(1, 2) << QStringList{} << false << "" << QStringList{} << e;
        QTest::newRow("classe vuota, sì") << s << "" << QStringList{} << QStringList{"Alunno 01", "Alunno 02\tCASA"}
                                          << true << vuota + "i 2 bambini di questo computer?"
                                          << QStringList{"Alunno 01", "Alunno 02\tCASA"} << e;
        QTest::newRow("classe vuota, no") << s << "" << QStringList{} << alunni(1, 1) << false
                                          << vuota + "il bambino di questo computer?" << QStringList{} << e;
        QTest::newRow("mancanti, sì") << s << "" << QStringList{"Alunno 01\tSOLE", "Alunno 02"}
                                      << QStringList{"alunno 02", "Alunno 03", "Alunno 04\tRANA"} << true
                                      << mancano + "Alunno 03, Alunno 04. Vuoi aggiungerli?"
                                      << QStringList{"Alunno 01\tSOLE", "Alunno 02", "Alunno 03", "Alunno 04\tRANA"} << e;
        QTest::newRow("uno mancante, no") << s << "" << alunni(1, 2) << alunni(2, 3) << false
                                          << "Questo computer ha un bambino che la classe della scuola non ha: Alunno 03. Vuoi aggiungerlo?"
                                          << QStringList{} << e;
        QTest::newRow("nessuno mancante") << s << "" << alunni(1, 3) << alunni(2, 3) << false << "" << QStringList{} << e;
        QTest::newRow("fino a sessanta") << s << "" << alunni(1, 58) << alunni(57, 63) << true
                                         << mancano + "Alunno 59, Alunno 60. Vuoi aggiungerli?" << alunni(1, 60) << e;
        QTest::newRow("classe non portata") << s << "" << QStringList{} << alunni(1, 2) << true
                                            << vuota + "i 2 bambini di questo computer?" << alunni(1, 2)
                                            << "L'indirizzo è salvato: da quando Lettoria 2 sarà aperto di nuovo, le risposte andranno al server "
                                               "della scuola. Non è stato possibile però portarci i bambini di questo computer: tocca di nuovo «Salva» per riprovare.";
        QTest::newRow("vuoto: questo computer") << " " << "Manca l'indirizzo." << QStringList{} << alunni(1, 2) << false << ""
                                                << QStringList{}
                                                << "Fatto. Da quando Lettoria 2 sarà aperto di nuovo, le risposte resteranno su questo computer.";
    }
    // "Prova" tries the address as typed and saves nothing; "Salva" tries it
    // again, changes only the key's line, then offers this PC's missing children.
    void salvaIndirizzo()
    {
        QFETCH(QString, scritto);
        QFETCH(QString, errore);
        QFETCH(QString, domanda);
        QFETCH(QStringList, portati);
        QFile file(scuola.fileImpostazioni);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Impostazioni) == Impostazioni.size());
        file.close();
        QFETCH(QStringList, qui);
        QVERIFY(ScriviClasse(QDir(cartella->path()).filePath(NomeFileClasse), classe(qui)));
        QFETCH(QStringList, sulServer);
        QFETCH(QString, esito);
        server = {{errore, classe(sulServer)}, !esito.endsWith(QStringLiteral("riprovare.")), {}, {}};
        QFETCH(bool, si);
        dialoghi->risposte = {si ? Dialoghi::Risposta::Si : Dialoghi::Risposta::No};
        nuovaFinestra();
        QCOMPARE(f->Indirizzo->text(), QStringLiteral("postgresql://vecchio@server/lettoria"));
        QCOMPARE(f->Indirizzo->placeholderText(), QStringLiteral("postgresql://lettoria@server-scuola/lettoria"));
        f->Indirizzo->setText(scritto);
        clic(f->Prova);
        QCOMPARE(f->Esito->text(), errore.isEmpty() ? QStringLiteral("Collegamento riuscito: il server della scuola è pronto.") : errore);
        QCOMPARE(leggiFile(scuola.fileImpostazioni), Impostazioni);
        clic(f->SalvaIndirizzo);
        const bool vuoto = scritto.trimmed().isEmpty();
        QCOMPARE(server.provati, QStringList(vuoto ? 1 : 2, scritto.trimmed()));
        QCOMPARE(dialoghi->testi(), domanda.isEmpty() ? QStringList{} : QStringList{domanda});
        using Portate = decltype(server.portate);
        QCOMPARE(server.portate, (portati.isEmpty() ? Portate{} : Portate{{scritto.trimmed(), classe(portati)}}));
        const QString chiave = errore.isEmpty() || vuoto ? scritto.trimmed() : QStringLiteral("postgresql://vecchio@server/lettoria");
        QCOMPARE(leggiFile(scuola.fileImpostazioni),
                 QByteArray(Impostazioni).replace("postgresql://vecchio@server/lettoria", chiave.toUtf8()));
        QCOMPARE(IndirizzoArchivio(scuola.fileImpostazioni), chiave);
        QCOMPARE(f->Esito->text(), esito);
    }

    // Nothing offered when the key cannot be written.
    void impostazioniNonScrivibili()
    {
        scuola.fileImpostazioni = QDir(cartella->path()).filePath(QStringLiteral("manca/Lettoria2.INI"));
        nuovaFinestra();
        f->Indirizzo->setText(QStringLiteral("postgresql://lettoria@scuola/lettoria"));
        clic(f->SalvaIndirizzo);
        QCOMPARE(f->Esito->text(), QStringLiteral("Non è stato possibile salvare l'indirizzo nelle impostazioni."));
        QVERIFY(dialoghi->chiamate.isEmpty() && server.portate.isEmpty() && !QFileInfo::exists(scuola.fileImpostazioni));
    }

    void esci()
    {
        clic(f->Esci);
        QVERIFY(!f->isVisible());
        QVERIFY(dialoghi->chiamate.isEmpty());
    }
};

QTEST_MAIN(TestFinestraRisultati)
#include "tst_finestrarisultati.moc"
