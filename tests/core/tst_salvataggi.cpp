#include "core/impostazioni.h"
#include "core/salvataggio.h"
#include "tests/support/provecomuni.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

// A save cut short by SIGKILL at a random moment leaves the old file or the
// new one, byte for byte: never a mix, never a truncation.
class TestSalvataggi : public QObject
{
    Q_OBJECT

    // What the writer process writes for a value, computed here the same way.
    static QByteArray atteso(const QString &tipo, const QString &percorso, const QByteArray &valore, bool suoni)
    {
        QFile::remove(percorso);
        if (tipo == QLatin1String("impostazioni")) {
            Stato s;
            s.FileImpostazioni = percorso;
            s.Carattere = QString::fromLatin1(valore);
            s.SuoniAttivati = suoni;
            s.FileInUso = QStringLiteral("/liste/") + QString::fromLatin1(valore).repeated(200);
            FakeDialoghi d;
            SalvaImpostazioni(s, d);
        } else {
            ScriviFileIntero(percorso, (valore + "\r\n").repeated(5000));
        }
        return leggiFile(percorso);
    }

private slots:
    void interrotti_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("settings file") << "impostazioni";
        QTest::newRow("word list") << "lista";
    }
    void interrotti()
    {
        QFETCH(QString, tipo);
        QTemporaryDir dir;
        const QString percorso = dir.filePath(tipo == QLatin1String("lista") ? QStringLiteral("mia.txt")
                                                                             : QStringLiteral("Lettoria2.INI"));
        const QByteArray prima = "minuscolo", dopo = "corsivo";
        const QByteArray vecchio = atteso(tipo, percorso, prima, true);
        const QByteArray nuovo = atteso(tipo, percorso, dopo, false);
        QVERIFY(!vecchio.isEmpty() && !nuovo.isEmpty() && vecchio != nuovo);

        int visteVecchio = 0, visteNuovo = 0;
        const int prove = 150;
        for (int i = 0; i < prove; ++i) {
            QFile::remove(percorso + QStringLiteral(".pronto"));
            {
                QFile f(percorso);
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(vecchio);
            }
            QProcess scrittore;
            scrittore.start(QStringLiteral(LETTORIA_SCRITTORE),
                            {tipo, percorso, QString::fromLatin1(prima), QString::fromLatin1(dopo)});
            QVERIFY(scrittore.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(percorso + QStringLiteral(".pronto")), 10000);
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            scrittore.kill(); // SIGKILL: no chance to tidy up
            QVERIFY(scrittore.waitForFinished());
            const QByteArray ora = leggiFile(percorso);
            if (ora == vecchio)
                ++visteVecchio;
            else if (ora == nuovo)
                ++visteNuovo;
            else
                QFAIL(qPrintable(QStringLiteral("round %1: a file of %2 bytes that is neither").arg(i).arg(ora.size())));
        }
        // The kills landed both before and after completed writes.
        QVERIFY(visteVecchio > 0);
        QVERIFY(visteNuovo > 0);
    }
};

QTEST_GUILESS_MAIN(TestSalvataggi)
#include "tst_salvataggi.moc"
