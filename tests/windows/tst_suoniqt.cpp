#include "windows/suoniqt.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
int avvisi = 0;
void conta(QtMsgType tipo, const QMessageLogContext &, const QString &)
{
    if (tipo != QtDebugMsg && tipo != QtInfoMsg)
        ++avvisi;
}

// A short 16-bit PCM WAV of silence.
QByteArray wav(int campioni)
{
    QByteArray dati(campioni * 2, '\0');
    QByteArray b;
    auto u32 = [&b](quint32 v) { for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF)); };
    auto u16 = [&b](quint16 v) { b.append(char(v & 0xFF)); b.append(char(v >> 8)); };
    b += "RIFF";
    u32(36 + dati.size());
    b += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(44100);
    u32(88200);
    u16(2);
    u16(16);
    b += "data";
    u32(dati.size());
    return b + dati;
}

// A WAV file of the given length in a folder, its path returned.
QString scriviWav(const QTemporaryDir &dir, int campioni)
{
    const QString percorso = dir.filePath(QStringLiteral("si1.wav"));
    QFile f(percorso);
    if (f.open(QIODevice::WriteOnly))
        f.write(wav(campioni));
    return percorso;
}
} // namespace

// Playback never blocks the window, whatever the machine has for audio.
class TestSuoniQt : public QObject
{
    Q_OBJECT
private slots:
    void suonaSenzaBloccare()
    {
        QTemporaryDir dir;
        const QString si = scriviWav(dir, 44100);
        QVERIFY(QFile::exists(si));

        auto *vecchio = qInstallMessageHandler(conta);
        SuoniQt suoni(QStringLiteral(LETTORIA_CARTELLA_MODULO));
        // A beep needs no module: it is loaded for the first real sound.
        suoni.suona(dir.filePath(QStringLiteral("manca.wav")));
        QVERIFY(!suoni.moduloCaricato());
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 50; ++i) {
            suoni.suona(si);
            suoni.suona(dir.filePath(QStringLiteral("manca.wav"))); // the platform's beep
        }
        const qint64 ms = t.elapsed();
        QCoreApplication::processEvents();
        qInstallMessageHandler(vecchio);
        // 100 sounds of a second each: they cut each other off instead of queueing.
        QVERIFY2(ms < 2000, qPrintable(QString::number(ms)));
        QVERIFY2(avvisi <= 5, qPrintable(QString::number(avvisi)));
        QVERIFY(suoni.moduloCaricato());
    }

    // Without the module beside the program every sound is a beep, said once.
    void senzaModulo()
    {
        QTemporaryDir dir;
        const QString si = scriviWav(dir, 4410);
        QVERIFY(QFile::exists(si));

        avvisi = 0;
        auto *vecchio = qInstallMessageHandler(conta);
        SuoniQt suoni(dir.path());
        for (int i = 0; i < 3; ++i) {
            suoni.suona(si);
            suoni.suona(dir.filePath(QStringLiteral("manca.wav")));
        }
        qInstallMessageHandler(vecchio);
        QVERIFY(!suoni.moduloCaricato());
        QCOMPARE(avvisi, 1);
    }
};

QTEST_MAIN(TestSuoniQt)
#include "tst_suoniqt.moc"
