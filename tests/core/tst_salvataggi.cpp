#include "core/impostazioni.h"
#include "core/salvataggio.h"
#include "tests/support/provecomuni.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

// A save cut short by SIGKILL leaves the old file or the new one, byte for
// byte: never a mix, never a truncation. The kills are spread over the whole
// of a save by a seeded schedule; a writer that saves in place must fail here.
class TestSalvataggi : public QObject
{
    Q_OBJECT

    // What the writer process writes for a value, computed here the same way.
    static QByteArray atteso(const QString &tipo, const QString &percorso, const QString &valore, bool suoni)
    {
        QFile::remove(percorso);
        if (tipo == QLatin1String("impostazioni")) {
            Stato s;
            s.FileImpostazioni = percorso;
            s.Carattere = valore;
            s.SuoniAttivati = suoni;
            s.FileInUso = QStringLiteral("/liste/") + valore.repeated(200);
            FakeDialoghi d;
            SalvaImpostazioni(s, d);
        } else {
            ScriviFileIntero(percorso, (valore.toLatin1() + "\r\n").repeated(50000));
        }
        return leggiFile(percorso);
    }

private slots:
    void interrotti_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<bool>("rompe");
        QTest::newRow("settings file") << "impostazioni" << false;
        QTest::newRow("word list") << "lista" << false;
        QTest::newRow("word list written in place") << "sulposto" << true;
    }
    void interrotti()
    {
        QFETCH(QString, tipo);
        QFETCH(bool, rompe);
#ifndef Q_OS_UNIX
        QSKIP("the writer times its own kill with a POSIX timer");
#endif
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("file"));
        const QString prima = QStringLiteral("minuscolo"), dopo = QStringLiteral("corsivo");
        const QByteArray vecchio = atteso(tipo, percorso, prima, true);
        const QByteArray nuovo = atteso(tipo, percorso, dopo, false);
        QVERIFY(!vecchio.isEmpty() && !nuovo.isEmpty() && vecchio != nuovo);
        QRandomGenerator caso(20261206);
        const int punti = 12;
        int visteVecchio = 0, visteNuovo = 0, rotti = 0;
        for (int i = 0; i < punti; ++i) {
            QFile::remove(percorso);
            ScriviFileIntero(percorso, vecchio);
            // One kill in each twelfth of a save, somewhere within it.
            const double punto = (i + caso.generateDouble()) / punti;
            QProcess scrittore;
            scrittore.start(QStringLiteral(LETTORIA_SCRITTORE), {tipo, percorso, prima, dopo, QString::number(punto)});
            QVERIFY(scrittore.waitForFinished(30000));
            QCOMPARE(scrittore.exitStatus(), QProcess::CrashExit);
            const QByteArray ora = leggiFile(percorso);
            visteVecchio += ora == vecchio;
            visteNuovo += ora == nuovo;
            rotti += ora != vecchio && ora != nuovo;
        }
        if (rompe) {
            QVERIFY2(rotti > 0, "no kill landed inside a save: the schedule misses what it must catch");
            return;
        }
        QCOMPARE(rotti, 0);
        // The kills landed both before and after completed saves.
        QVERIFY(visteVecchio > 0 && visteNuovo > 0);
    }
};

QTEST_GUILESS_MAIN(TestSalvataggi)
#include "tst_salvataggi.moc"
