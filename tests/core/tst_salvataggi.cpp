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
        // The writer, saving "minuscolo" and "corsivo" in turn until the kill at `punto`.
        const auto scrittore = [&](const QString &punto) {
            QProcess p;
            p.start(QStringLiteral(LETTORIA_SCRITTORE), {tipo, percorso, QStringLiteral("minuscolo"), QStringLiteral("corsivo"), punto});
            return p.waitForFinished(30000) ? p.exitStatus() : QProcess::NormalExit;
        };
        QCOMPARE(scrittore(QStringLiteral("nuovo")), QProcess::NormalExit);
        const QByteArray nuovo = leggiFile(percorso);
        QCOMPARE(scrittore(QStringLiteral("vecchio")), QProcess::NormalExit);
        const QByteArray vecchio = leggiFile(percorso);
        QVERIFY(!vecchio.isEmpty() && !nuovo.isEmpty() && vecchio != nuovo);

        QRandomGenerator caso(20261206);
        const int punti = 12;
        int visteVecchio = 0, visteNuovo = 0, rotti = 0;
        for (int i = 0; i < punti; ++i) {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(vecchio) == vecchio.size());
            f.close();
            // One kill in each twelfth of a save, somewhere within it.
            QCOMPARE(scrittore(QString::number((i + caso.generateDouble()) / punti)), QProcess::CrashExit);
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
