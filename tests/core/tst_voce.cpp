#include "core/voce.h"

#include "tests/support/provecomuni.h"

#include <QLocale>
#include <QTest>

// When a word is said, with which text, which recording and which sound after it.
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
        QTest::addColumn<bool>("suonoDopo");    // si1.wav asked to follow the word

        const QStringList nessuno;
        QTest::newRow("sounds off") << false << true << "FRAGOLA" << QStringList{"voci/fragola.wav"} << "" << "" << true;
        QTest::newRow("voice off") << true << false << "FRAGOLA" << QStringList{"voci/fragola.wav"} << "" << "" << true;
        QTest::newRow("blank word") << true << true << "   " << nessuno << "" << "" << true;
        QTest::newRow("no recording") << true << true << "ISOLA" << nessuno << "isola" << "" << false;
        QTest::newRow("recording, other case") << true << true << " Fragola" << QStringList{"voci/FRAGOLA.Wav"}
                                               << "fragola" << "voci/FRAGOLA.Wav" << true;
        QTest::newRow("apostrophe") << true << true << "L'APE" << QStringList{"voci/l'ape.wav"} << "l'ape"
                                    << "voci/l'ape.wav" << false;
        QTest::newRow("accent") << true << true << "PERCHÉ" << QStringList{"voci/PERCHÉ.WAV"} << "perché"
                                << "voci/PERCHÉ.WAV" << false;
        QTest::newRow("a folder, not a recording") << true << true << "CASA" << QStringList{"voci/casa.wav/x"}
                                                   << "casa" << "" << false;
        QTest::newRow("word with a path") << true << true << "../SEGRETO" << QStringList{"segreto.wav"}
                                          << "../segreto" << "" << false;
        // pronuncia.txt (below) gives the voice "àncora"; the recording is
        // still found by the word, and wins in the player.
        QTest::newRow("the voice's form") << true << true << "Ancora" << nessuno << "àncora" << "" << true;
        QTest::newRow("recording of a word with a form") << true << true << "ANCORA" << QStringList{"voci/ancora.wav"}
                                                         << "àncora" << "voci/ancora.wav" << true;
        QTest::newRow("an entry with no form") << true << true << "FRAGOLA" << nessuno << "fragola" << "" << false;
    }
    void leggiParola()
    {
        QFETCH(bool, suoni);
        QFETCH(bool, voce);
        QFETCH(QString, parola);
        QFETCH(QStringList, file);
        QFETCH(QString, testo);
        QFETCH(QString, registrazione);
        QFETCH(bool, suonoDopo);

        ContestoProva c;
        for (const QString &f : file)
            c.cartella.scrivi(f, "RIFF");
        c.cartella.scrivi("pronuncia.txt", "ANCORA\t\xc3\xa0ncora\t\xc3\xa0ncora\r\nFRAGOLA\tfr\xc3\xa0gola\r\n");
        c.sessione.SuoniAttivati = suoni;
        c.sessione.VoceAttivata = voce;
        const QString si = suonoDopo ? c.cartella.percorso("suoni/si1.wav") : QString();
        LeggiParola(c.sessione, c.cartella.ambiente(), c.suoni, parola, si);

        if (testo.isEmpty()) {
            // No word: the sound at once, when sounds are on.
            QVERIFY(c.suoni.pronunce.isEmpty());
            QCOMPARE(c.suoni.suonati, suoni && suonoDopo ? QStringList{si} : QStringList());
            return;
        }
        QVERIFY(c.suoni.suonati.isEmpty());
        QCOMPARE(c.suoni.parole(), QStringList{testo});
        QCOMPARE(c.suoni.pronunce.first().registrazione,
                 registrazione.isEmpty() ? QString() : c.cartella.percorso(registrazione));
        QCOMPARE(c.suoni.pronunce.first().suonoDopo, si);
    }

    // Lines of pronuncia.txt: what each gives, or that it is skipped.
    void leggiPronunce_data()
    {
        QTest::addColumn<QByteArray>("riga");
        QTest::addColumn<QString>("parola"); // empty: the line gives nothing
        QTest::addColumn<QString>("accentata");
        QTest::addColumn<QString>("voce");
        QTest::newRow("two fields") << QByteArray("ISOLA\t\xc3\xacsola") << "isola" << "ìsola" << "";
        QTest::newRow("three fields, CR LF") << QByteArray("ROBOT\tr\xc3\xb2" "bot\tr\xc3\xb2" "bot\r")
                                             << "robot" << "ròbot" << "ròbot";
        QTest::newRow("lower case under Turkish") << QByteArray("ISOLA\t\xc3\xacsola\tx") << "isola" << "ìsola" << "x";
        QTest::newRow("comment") << QByteArray("#ISOLA\t\xc3\xacsola") << "" << "" << "";
        QTest::newRow("one field") << QByteArray("ISOLA") << "" << "" << "";
        QTest::newRow("four fields") << QByteArray("ISOLA\ta\tb\tc") << "" << "" << "";
        QTest::newRow("no word") << QByteArray("\t\xc3\xacsola") << "" << "" << "";
        QTest::newRow("no form") << QByteArray("ISOLA\t\tx") << "" << "" << "";
    }
    void leggiPronunce()
    {
        QFETCH(QByteArray, riga);
        QFETCH(QString, parola);
        ContestoProva c;
        const QHash<QString, PronunciaParola> letto
            = LeggiPronunce(c.cartella.scrivi("pronuncia.txt", "# prima\n" + riga + "\nUVA\t\xc3\xb9va\n"));
        QCOMPARE(letto.size(), parola.isEmpty() ? 1 : 2);
        QCOMPARE(letto.value("uva").accentata, QStringLiteral("ùva"));
        if (parola.isEmpty())
            return;
        QTEST(letto.value(parola).accentata, "accentata");
        QTEST(letto.value(parola).voce, "voce");
    }
};

QTEST_GUILESS_MAIN(TestVoce)
#include "tst_voce.moc"
