#include "risultati/finestra/finestrarisultati.h"
#include "risultati/finestra/grafici.h"
#include "tests/risultati/archiviofinto.h"
#include "tests/support/provecomuni.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QDateTime Adesso(QDate(2026, 12, 7), QTime(10, 30));

// The text pdftotext reads in a PDF, and its page count from pdfinfo.
QString testoPdf(const QString &percorso)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), percorso, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pagine(const QString &percorso)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {percorso});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return -1;
    for (const QString &riga : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (riga.startsWith(QStringLiteral("Pages:")))
            return riga.mid(6).trimmed().toInt();
    return -1;
}

void clic(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

QColor sfondoCella(QTableWidget *t, int riga, int colonna)
{
    t->scrollToItem(t->item(riga, colonna));
    const QRect r = t->visualItemRect(t->item(riga, colonna));
    return t->viewport()->grab().toImage().pixelColor(r.topLeft() + QPoint(3, 3));
}

} // namespace

class TestFinestraRisultati : public QObject
{
    Q_OBJECT

    std::unique_ptr<ArchivioFinto> archivio;
    std::unique_ptr<FakeDialoghi> dialoghi;
    std::unique_ptr<FinestraRisultati> f;
    std::unique_ptr<QTemporaryDir> cartella;

    void apri()
    {
        f = std::make_unique<FinestraRisultati>(*archivio, archivio->bambini, *dialoghi, Adesso);
        f->resize(1600, 900);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "pdftotext (poppler-utils) is needed");
    }
    void init()
    {
        archivio = std::make_unique<ArchivioFinto>(7);
        dialoghi = std::make_unique<FakeDialoghi>();
        cartella = std::make_unique<QTemporaryDir>();
        apri();
    }
    void cleanup()
    {
        f.reset();
        archivio.reset();
    }

    // The class at a glance: one row a child, one column a group, each cell in
    // the colour its legend word has, asked over the class list up to now.
    void quadroDellaClasse()
    {
        QCOMPARE(archivio->chiestiQuadro, QList<QStringList>{archivio->bambini});
        QCOMPARE(archivio->momenti, QList<QDateTime>{Adesso});
        QCOMPARE(f->Titolo->text(), QStringLiteral("La classe"));
        QCOMPARE(f->Sottotitolo->text(), QStringLiteral("negli ultimi 30 giorni"));
        QTableWidget *t = f->Quadro;
        QCOMPARE(t->rowCount(), 7);
        QCOMPARE(t->columnCount(), 33);
        QCOMPARE(t->verticalHeaderItem(6)->text(), QStringLiteral("Alunno 07"));
        QCOMPARE(t->horizontalHeaderItem(1)->text(), QStringLiteral("BA BE BI BO BU"));

        const struct { Padronanza livello; const char *legenda; const char *colore; QString testo; } voci[] = {
            {Padronanza::NonVisto, "LegendaNonVisto", "ColoreNonVisto", QStringLiteral("non visto")},
            {Padronanza::Imparando, "LegendaImparando", "ColoreImparando", QStringLiteral("da consolidare")},
            {Padronanza::Sicuro, "LegendaSicuro", "ColoreSicuro", QStringLiteral("sicuro")},
        };
        QList<QColor> colori;
        for (const auto &v : voci) {
            QCOMPARE(f->findChild<QLabel *>(QLatin1String(v.legenda))->text(), v.testo);
            const QImage quadretto = f->findChild<QLabel *>(QLatin1String(v.colore))->grab().toImage();
            colori.append(quadretto.pixelColor(quadretto.width() / 2, 3));
        }
        QVERIFY(colori[0] != colori[1] && colori[1] != colori[2] && colori[0] != colori[2]);
        for (int r = 0; r < t->rowCount(); r += 3)
            for (int c = 0; c < t->columnCount(); c += 5) {
                const int livello = static_cast<int>(archivio->livello(r, c));
                QCOMPARE(sfondoCella(t, r, c), colori[livello]);
            }
    }

    void cliccaUnBambino_data()
    {
        QTest::addColumn<bool>("sulNome");
        QTest::newRow("nome") << true;
        QTest::newRow("cella") << false;
    }
    // A child's name or cell opens the page: the texts as the teacher reads
    // them, the charts with a point a week and a bar a day.
    void cliccaUnBambino()
    {
        QFETCH(bool, sulNome);
        QTableWidget *t = f->Quadro;
        if (sulNome) {
            QHeaderView *h = t->verticalHeader();
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->width() / 2, h->sectionViewportPosition(2) + 5));
        } else {
            QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(2, 3)).center());
        }
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
        QCOMPARE(giuste->count(), 5);
        QCOMPARE(giuste->at(0).y(), 10.0);
        QCOMPARE(giuste->at(4).y(), 22.0);
        QCOMPARE(qobject_cast<QLineSeries *>(linee.at(0))->at(4).y(), 28.0);
        const auto *barre = qobject_cast<QBarSeries *>(f->Giorni->chart()->series().at(0));
        QCOMPARE(barre->barSets().at(0)->count(), 12);
        QCOMPARE(barre->barSets().at(0)->at(1), 12.0);
        // Every other of the 12 days dated, under its own bar.
        auto *giorni = qobject_cast<QCategoryAxis *>(f->Giorni->chart()->axes(Qt::Horizontal).at(0));
        QCOMPARE(giorni->categoriesLabels(), (QStringList{"8/11", "12/11", "16/11", "20/11", "24/11", "28/11"}));
        QCOMPARE(giorni->endValue(QStringLiteral("12/11")), 2.0);

        clic(f->Classe);
        QCOMPARE(f->Pagine->currentIndex(), 0);
        QCOMPARE(f->Titolo->text(), QStringLiteral("La classe"));
    }

    void paginaSenzaErrori()
    {
        archivio->errori.clear();
        f->mostraBambino(QStringLiteral("Alunno 01"));
        QCOMPARE(f->Errori->text(), QStringLiteral("Nessuna parola sbagliata."));
    }

    void durate_data()
    {
        QTest::addColumn<qint64>("millisecondi");
        QTest::addColumn<QString>("testo");
        QTest::newRow("nulla") << qint64(0) << "0 s";
        QTest::newRow("meno di un minuto") << qint64(59'400) << "59 s";
        QTest::newRow("arrotondato al minuto") << qint64(59'600) << "1 min";
        QTest::newRow("un minuto e mezzo meno poco") << qint64(89'000) << "1 min";
        QTest::newRow("un minuto e mezzo") << qint64(90'000) << "2 min";
        QTest::newRow("quasi un'ora") << qint64(3'570'000) << "1 h 00 min";
        QTest::newRow("un'ora e sei") << qint64(3'930'000) << "1 h 06 min";
        QTest::newRow("negativo") << qint64(-5'000) << "0 s";
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
        QTest::addColumn<QString>("risposta");      // of the save dialog, in the temporary folder
        QTest::addColumn<QByteArray>("giaScritto"); // the file there before, if any
        QTest::addColumn<bool>("sovrascrivi");
        QTest::addColumn<QString>("salvato");       // the file written, empty when none
        QTest::addColumn<QStringList>("chiesti");   // the store's csv calls
        const QByteArray bom("\xEF\xBB\xBF");
        QTest::newRow("classe") << "" << "classe.csv" << QByteArray() << false << "classe.csv" << QStringList{""};
        QTest::newRow("bambino, estensione aggiunta") << "Alunno 04" << "alunno" << QByteArray() << false << "alunno.csv"
                                                      << QStringList{"Alunno 04"};
        QTest::newRow("estensione in maiuscolo") << "Alunno 04" << "A.CSV" << QByteArray() << false << "A.CSV"
                                                 << QStringList{"Alunno 04"};
        QTest::newRow("annullato") << "Alunno 04" << "" << QByteArray() << false << "" << QStringList{};
        QTest::newRow("sovrascritto") << "Alunno 04" << "c.csv" << QByteArray("vecchio") << true << "c.csv"
                                      << QStringList{"Alunno 04"};
        QTest::newRow("non sovrascritto") << "Alunno 04" << "c.csv" << QByteArray("vecchio") << false << ""
                                          << QStringList{};
    }
    // The store's bytes, unchanged, in the file the teacher chose.
    void salvaCsv()
    {
        QFETCH(QString, bambino);
        QFETCH(QString, risposta);
        QFETCH(QByteArray, giaScritto);
        QFETCH(bool, sovrascrivi);
        QFETCH(QString, salvato);
        QFETCH(QStringList, chiesti);
        const QDir dir(cartella->path());
        if (!giaScritto.isEmpty()) {
            QFile vecchio(dir.filePath(risposta));
            QVERIFY(vecchio.open(QIODevice::WriteOnly));
            vecchio.write(giaScritto);
        }
        dialoghi->fileDaSalvare = {risposta.isEmpty() ? QString() : dir.filePath(risposta)};
        dialoghi->risposte = {sovrascrivi ? Dialoghi::Risposta::Si : Dialoghi::Risposta::No};
        if (bambino.isEmpty()) {
            clic(f->EsportaClasse);
        } else {
            f->mostraBambino(bambino);
            clic(f->EsportaBambino);
        }
        QCOMPARE(dialoghi->dialoghiFile.size(), 1);
        QCOMPARE(dialoghi->dialoghiFile[0].filtro, QStringLiteral("File CSV (*.csv)"));
        QCOMPARE(QFileInfo(dialoghi->dialoghiFile[0].cartella).fileName(),
                 bambino.isEmpty() ? QStringLiteral("Risultati della classe.csv") : QStringLiteral("Risultati di %1.csv").arg(bambino));
        QCOMPARE(archivio->chiestiCsv, chiesti);
        if (!giaScritto.isEmpty())
            QCOMPARE(dialoghi->chiamate.value(0).testo, QStringLiteral("Un file con questo nome esiste già. Sovrascriverlo?"));
        if (salvato.isEmpty()) {
            if (!giaScritto.isEmpty())
                QCOMPARE(leggiFile(dir.filePath(risposta)), giaScritto);
            QCOMPARE(dir.entryList(QDir::Files).size(), giaScritto.isEmpty() ? 0 : 1);
            return;
        }
        QCOMPARE(dir.entryList(QDir::Files), QStringList{salvato});
        const QByteArray atteso = QByteArray("\xEF\xBB\xBF" "Bambino;Giorno;Parola\r\n")
            + (bambino.isEmpty() ? QByteArray("classe") : bambino.toUtf8()) + ";07/12/2026;PALLA\r\n";
        QCOMPARE(leggiFile(dir.filePath(salvato)), atteso);
        QCOMPARE(dialoghi->chiamate.last().testo,
                 QStringLiteral("Dati salvati in %1.").arg(QDir::toNativeSeparators(dir.filePath(salvato))));
    }

    // A folder that is not there: the teacher is told, nothing is left behind.
    void csvInUnaCartellaCheNonCe()
    {
        const QString percorso = cartella->path() + QStringLiteral("/manca/classe.csv");
        dialoghi->fileDaSalvare = {percorso};
        clic(f->EsportaClasse);
        QCOMPARE(dialoghi->chiamate.size(), 1);
        QCOMPARE(dialoghi->chiamate[0].icona, Dialoghi::Icona::Critica);
        QCOMPARE(dialoghi->chiamate[0].testo,
                 QStringLiteral("Non è stato possibile salvare il file %1.").arg(QDir::toNativeSeparators(percorso)));
        QVERIFY(!QFileInfo::exists(percorso));
    }

    void rapportoPdf_data()
    {
        QTest::addColumn<int>("errori");
        QTest::addColumn<int>("giorni");
        QTest::addColumn<int>("minimoPagine");
        QTest::newRow("due errori") << 2 << 12 << 1;
        QTest::newRow("nessuna risposta") << 0 << 0 << 1;
        QTest::newRow("ottanta errori, su più pagine") << 80 << 30 << 3;
    }
    // The parents' report: a PDF with the child's name, the period and every missed word.
    void rapportoPdf()
    {
        QFETCH(int, errori);
        QFETCH(int, giorni);
        QFETCH(int, minimoPagine);
        archivio->errori.clear();
        for (int i = 0; i < errori; ++i)
            archivio->errori.append({QStringLiteral("PAROLA%1").arg(i), QStringLiteral("SCELTA%1").arg(i), errori - i});
        archivio->giorni = giorni;
        f->mostraBambino(QStringLiteral("Alunno 05"));
        const QString percorso = QDir(cartella->path()).filePath(QStringLiteral("rapporto.pdf"));
        dialoghi->fileDaSalvare = {QDir(cartella->path()).filePath(QStringLiteral("rapporto"))};
        clic(f->Rapporto);
        QCOMPARE(dialoghi->dialoghiFile.value(0).filtro, QStringLiteral("Documento PDF (*.pdf)"));
        QCOMPARE(QFileInfo(dialoghi->dialoghiFile.value(0).cartella).fileName(), QStringLiteral("Rapporto di Alunno 05.pdf"));
        QCOMPARE(dialoghi->testi(), QStringList{QStringLiteral("Rapporto salvato in %1.").arg(QDir::toNativeSeparators(percorso))});
        QVERIFY(leggiFile(percorso).startsWith("%PDF"));
        const int n = pagine(percorso);
        QVERIFY2(n >= minimoPagine, qPrintable(QString::number(n)));
        // Words are kept whole, so spaces laid out by pdftotext do not matter.
        const QString testo = testoPdf(percorso).simplified();
        QVERIFY2(testo.contains(QStringLiteral("I risultati di Alunno 05")), qPrintable(testo));
        QVERIFY(testo.contains(QStringLiteral("dal 07/11/2026 al 07/12/2026")));
        QVERIFY(testo.contains(TitoloSettimane));
        if (errori == 0)
            QVERIFY(testo.contains(NessunErrore));
        for (int i = 0; i < errori; ++i)
            QVERIFY2(testo.contains(QStringLiteral("SCELTA%1 al posto di PAROLA%1: ").arg(i)), qPrintable(QString::number(i)));
        QVERIFY(testo.contains(QStringLiteral("Il puzzle: 1 h 07 min, 1 risposta")));
    }

    void cancella_data()
    {
        QTest::addColumn<bool>("si");
        QTest::addColumn<bool>("riesce");
        QTest::addColumn<QStringList>("cancellati");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("no") << false << true << QStringList{} << 1 << "";
        QTest::newRow("sì") << true << true << QStringList{"Alunno 06"} << 0 << "I dati di Alunno 06 sono stati cancellati.";
        QTest::newRow("sì, ma l'archivio non riesce") << true << false << QStringList{} << 1
                                                     << "Non è stato possibile cancellare i dati di Alunno 06.";
    }
    // Asked first, by name; erased, the class is shown again without the child's levels.
    void cancella()
    {
        QFETCH(bool, si);
        QFETCH(bool, riesce);
        QFETCH(QStringList, cancellati);
        QFETCH(int, pagina);
        QFETCH(QString, messaggio);
        archivio->cancellaRiesce = riesce;
        f->mostraBambino(QStringLiteral("Alunno 06"));
        dialoghi->risposte = {si ? Dialoghi::Risposta::Si : Dialoghi::Risposta::No};
        clic(f->Cancella);
        QCOMPARE(dialoghi->chiamate.value(0).testo,
                 QStringLiteral("Vuoi cancellare tutti i dati di Alunno 06? Non si potranno più recuperare."));
        QCOMPARE(dialoghi->chiamate.value(0).pulsanti, Dialoghi::Pulsanti::SiNo);
        QCOMPARE(archivio->cancellati, cancellati);
        QCOMPARE(dialoghi->chiamate.value(1).testo, messaggio);
        QCOMPARE(f->Pagine->currentIndex(), pagina);
        if (pagina == 0)
            for (int c = 0; c < f->Quadro->columnCount(); ++c)
                QCOMPARE(f->Quadro->item(5, c)->data(Qt::UserRole).toInt(), static_cast<int>(Padronanza::NonVisto));
    }

    void avvisoDellArchivio_data()
    {
        QTest::addColumn<QString>("avviso");
        QTest::newRow("nessuno") << "";
        QTest::newRow("sola lettura") << "I risultati vengono da una versione più nuova: si possono solo leggere.";
    }
    void avvisoDellArchivio()
    {
        QFETCH(QString, avviso);
        archivio->testoAvviso = avviso;
        apri();
        QCOMPARE(f->Avviso->isVisible(), !avviso.isEmpty());
        QCOMPARE(f->Avviso->text(), avviso);
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
