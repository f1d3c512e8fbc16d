#include "core/voce.h"

#include "tests/support/provecomuni.h"

#include <QLocale>
#include <QTest>

// When a word is said, with which text and which recording.
class TestVoce : public QObject
{
    Q_OBJECT
private slots:
    // Lower case must not follow the machine's language: in Turkish "I" is "ı".
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void leggiParola_data()
    {
        QTest::addColumn<bool>("suoni");
        QTest::addColumn<bool>("voce");
        QTest::addColumn<QString>("parola");
        QTest::addColumn<QStringList>("file");  // created under the program folder
        QTest::addColumn<QString>("testo");     // empty: nothing is said
        QTest::addColumn<QString>("registrazione");

        const QStringList nessuno;
        QTest::newRow("sounds off") << false << true << "FRAGOLA" << QStringList{"voci/fragola.wav"} << "" << "";
        QTest::newRow("voice off") << true << false << "FRAGOLA" << QStringList{"voci/fragola.wav"} << "" << "";
        QTest::newRow("blank word") << true << true << "   " << nessuno << "" << "";
        QTest::newRow("no recording") << true << true << "ISOLA" << nessuno << "isola" << "";
        QTest::newRow("recording, other case") << true << true << " Fragola" << QStringList{"voci/FRAGOLA.Wav"}
                                               << "fragola" << "voci/FRAGOLA.Wav";
        QTest::newRow("apostrophe") << true << true << "L'APE" << QStringList{"voci/l'ape.wav"} << "l'ape"
                                    << "voci/l'ape.wav";
        QTest::newRow("accent") << true << true << "PERCHÉ" << QStringList{"voci/PERCHÉ.WAV"} << "perché"
                                << "voci/PERCHÉ.WAV";
        QTest::newRow("a folder, not a recording") << true << true << "CASA" << QStringList{"voci/casa.wav/x"}
                                                   << "casa" << "";
        QTest::newRow("word with a path") << true << true << "../SEGRETO" << QStringList{"segreto.wav"}
                                          << "../segreto" << "";
    }
    void leggiParola()
    {
        QFETCH(bool, suoni);
        QFETCH(bool, voce);
        QFETCH(QString, parola);
        QFETCH(QStringList, file);
        QFETCH(QString, testo);
        QFETCH(QString, registrazione);

        ContestoProva c;
        for (const QString &f : file)
            c.cartella.scrivi(f, "RIFF");
        c.sessione.SuoniAttivati = suoni;
        c.sessione.VoceAttivata = voce;
        LeggiParola(c.sessione, c.cartella.ambiente(), c.suoni, parola);

        QVERIFY(c.suoni.suonati.isEmpty());
        if (testo.isEmpty()) {
            QVERIFY(c.suoni.pronunce.isEmpty());
            return;
        }
        QCOMPARE(c.suoni.parole(), QStringList{testo});
        QCOMPARE(c.suoni.pronunce.first().registrazione,
                 registrazione.isEmpty() ? QString() : c.cartella.percorso(registrazione));
    }
};

QTEST_GUILESS_MAIN(TestVoce)
#include "tst_voce.moc"
