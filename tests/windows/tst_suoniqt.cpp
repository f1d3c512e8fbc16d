#include "windows/suoniqt.h"

#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QTest>

namespace {
int avvisi = 0;
void conta(QtMsgType tipo, const QMessageLogContext &, const QString &)
{
    if (tipo != QtDebugMsg && tipo != QtInfoMsg)
        ++avvisi;
}

// A PCM WAV of silence, `frame` frames long; `esteso` writes the longer
// header some editors use (WAVE_FORMAT_EXTENSIBLE, 16-bit).
QByteArray wav(int frame, int canali = 1, int bit = 16, int frequenza = 44100, bool esteso = false)
{
    const int blocco = canali * bit / 8;
    QByteArray dati(frame * blocco, bit == 8 ? char(0x80) : char(0));
    QByteArray b;
    auto u32 = [&b](quint32 v) { for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF)); };
    auto u16 = [&b](quint16 v) { b.append(char(v & 0xFF)); b.append(char(v >> 8)); };
    b += "RIFF";
    u32((esteso ? 60 : 36) + dati.size());
    b += "WAVEfmt ";
    u32(esteso ? 40 : 16);
    u16(esteso ? 0xFFFE : 1);
    u16(quint16(canali));
    u32(quint32(frequenza));
    u32(quint32(frequenza * blocco));
    u16(quint16(blocco));
    u16(quint16(bit));
    if (esteso) // its size, bits, channel mask, then the sub-format GUID: PCM
        b += QByteArray::fromHex("1600" "1000" "00000000" "0100000000001000800000aa00389b71");
    b += "data";
    u32(quint32(dati.size()));
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

// Every word the player reports, in order.
struct Ascolto
{
    explicit Ascolto(SuoniQt &suoni)
    {
        suoni.osservaVoce([this](const ParolaDetta &p) { dette.append(p); });
    }
    QList<ParolaDetta> dette;
};

double millisecondi(ParolaDetta::Orologio::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
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
        suoni.suona(si); // loads the module: what follows times the sounds alone
        QVERIFY(suoni.moduloCaricato());
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

    // A playable recording is said as it is; anything else gets the
    // synthetic voice, and the child sees no message either way. The sound
    // asked for after it follows whole, in the word's own format.
    void registrazione_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file
        QTest::addColumn<bool>("registrazione");
        QTest::addColumn<double>("secondi");  // of the recording

        QTest::newRow("mono, 16-bit, 44.1 kHz") << wav(22050) << true << 0.5;
        QTest::newRow("stereo, 8-bit, 8 kHz") << wav(2000, 2, 8, 8000) << true << 0.25;
        QTest::newRow("stereo, 16-bit, 48 kHz, long header") << wav(12000, 2, 16, 48000, true) << true << 0.25;
        QTest::newRow("cut short") << wav(22050).left(44 + 2 * 4410 + 1) << true << 0.1;
        QTest::newRow("missing") << QByteArray() << false << 0.0;
        QTest::newRow("garbage named .wav") << QByteArray(3000, 'x') << false << 0.0;
        QTest::newRow("a header, then garbage") << wav(0).left(12) + QByteArray(3000, 'x') << false << 0.0;
        QTest::newRow("24-bit") << wav(4410, 1, 24) << false << 0.0;
        QTest::newRow("no samples") << wav(0) << false << 0.0;
    }
    void registrazione()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, registrazione);
        QFETCH(double, secondi);
#ifndef LETTORIA_SINTESI
        if (!registrazione)
            QSKIP("built without the synthetic voice");
#endif
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("fragola.wav"));
        QFile f(percorso);
        if (!file.isEmpty())
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
        f.close();

        const QString si = scriviWav(dir, 13230); // 0.3 s
        SuoniQt suoni(QStringLiteral(LETTORIA_CARTELLA_MODULO));
        Ascolto ascolto(suoni);
        // Nothing to say: only loads the module, and Qt tells once whether
        // there is a sound server.
        suoni.pronuncia(QString(), QString(), QString());
        avvisi = 0;
        auto *vecchio = qInstallMessageHandler(conta);
        suoni.pronuncia(QStringLiteral("fragola"), percorso, si);
        QTRY_COMPARE(ascolto.dette.size(), 1);
        qInstallMessageHandler(vecchio);

        const ParolaDetta &p = ascolto.dette.first();
        QCOMPARE(p.testo, QStringLiteral("fragola"));
        QCOMPARE(p.registrazione, registrazione);
        if (registrazione)
            QCOMPARE(qRound(p.durata.count() / 1000.0), qRound(secondi * 1000));
        else
            QVERIFY2(p.durata > std::chrono::milliseconds(300), qPrintable(QString::number(p.durata.count())));
        QCOMPARE(qRound(p.durataSuono.count() / 1000.0), 300);
        QCOMPARE(avvisi, 0);
    }

    // A word starts at once, even while a sound plays, with the sound asked
    // for after it in its stream; a new word cuts off one under way, with its
    // sound; the calls never wait, whatever the machine has for audio; and
    // the player goes at once with a word under way.
    void parolaPoiSuono()
    {
#ifndef LETTORIA_SINTESI
        QSKIP("built without the synthetic voice");
#endif
        QTemporaryDir dir;
        const QString si = scriviWav(dir, 13230); // 0.3 s
        auto suoni = std::make_unique<SuoniQt>(QStringLiteral(LETTORIA_CARTELLA_MODULO));
        Ascolto ascolto(*suoni);
        suoni->suona(si);
        QElapsedTimer t;
        t.start();
        qint64 piuLunga = 0;
        for (const char *parola : {"uno", "due", "orsacchiotto", "tre"}) {
            const qint64 prima = t.nsecsElapsed();
            suoni->pronuncia(QString::fromLatin1(parola), QString(), si);
            piuLunga = qMax(piuLunga, t.nsecsElapsed() - prima);
        }
        QTRY_COMPARE(ascolto.dette.size(), 1);
        const ParolaDetta &tre = ascolto.dette.first();
        QCOMPARE(tre.testo, QStringLiteral("tre"));
        QCOMPARE(qRound(tre.durataSuono.count() / 1000.0), 300);
        QVERIFY2(millisecondi(tre.primoCampione - tre.chiesta) < 250,
                 qPrintable(QString::number(millisecondi(tre.primoCampione - tre.chiesta))));

        // No sound after it, or a missing one (a beep): the word alone.
        for (const QString &dopo : {QString(), dir.filePath(QStringLiteral("manca.wav"))}) {
            const qsizetype prima = ascolto.dette.size();
            suoni->pronuncia(QStringLiteral("quattro"), QString(), dopo);
            QTRY_COMPARE(ascolto.dette.size(), prima + 1);
            QCOMPARE(ascolto.dette.last().durataSuono.count(), 0);
        }

        suoni->pronuncia(QStringLiteral("orsacchiotto"), QString(), si);
        t.restart();
        suoni.reset();
        QVERIFY2(t.elapsed() < 500, qPrintable(QString::number(t.elapsed())));
        QVERIFY2(piuLunga < 100'000'000, qPrintable(QString::number(piuLunga))); // a busy machine may stall a call, never by a sound's length
    }
};

QTEST_MAIN(TestSuoniQt)
#include "tst_suoniqt.moc"
