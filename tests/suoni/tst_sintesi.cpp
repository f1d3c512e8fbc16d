#include "suoni/sintesi.h"

#include "core/ambiente.h"
#include "core/paroleliste.h"
#include "core/voce.h"
#include "suoni/wav.h"
#include "tests/support/provecomuni.h"

#include <QLocale>
#include <QTest>

#include <cstdlib>

namespace {

const QString VocaliIpa = QStringLiteral("aeɛioɔuɪʊə");

bool vocale(QChar c)
{
    return QStringLiteral("aeiou").contains(c);
}

// The plain letter under an accented one.
QChar base(QChar c)
{
    return c.decomposition().isEmpty() ? c : c.decomposition().at(0);
}

// How many groups of `suono` the sounds hold (a doubled one, "ʃʃ" or "ʃː", is one).
int gruppi(const QString &ipa, QChar suono, QChar nonDopo = QChar())
{
    int n = 0;
    for (qsizetype i = 0; i < ipa.size(); ++i)
        if (ipa[i] == suono && (i == 0 || (ipa[i - 1] != suono && (nonDopo.isNull() || ipa[i - 1] != nonDopo))))
            ++n;
    return n;
}

// What the voice said wrong in `ipa` against the word's stressed form:
// where the stress fell, counted as the vowels after it (an I or U before
// another vowel may glide, heard or not), and the sounds of SC, GL and GN by
// Italian spelling: SCE SCI "sh", with the I of SCI silent before a vowel it
// does not stress; SC before anything else and SQ "sk"; GLI "lli", its I
// silent the same way; GN "gn". Empty when nothing.
QString sbagli(const QString &accentata, const QString &ipa)
{
    QStringList out;
    QString w;
    qsizetype accento = -1;
    for (const QChar c : accentata.normalized(QString::NormalizationForm_C)) {
        if (base(c) != c)
            accento = w.size();
        w += base(c);
    }
    if (accento < 0)
        return QStringLiteral("no stress marked");
    int dopo = 0, scivolano = 0;
    for (qsizetype k = accento + 1; k < w.size(); ++k) {
        if (!vocale(w[k]))
            continue;
        ++dopo;
        // An I or U before another vowel, or right after the stressed one (MAIS), may glide.
        if ((w[k] == 'i' || w[k] == 'u') && ((k + 1 < w.size() && vocale(w[k + 1])) || k == accento + 1))
            ++scivolano;
    }
    const qsizetype segno = ipa.indexOf(QChar(0x02C8)); // ˈ
    qsizetype v = segno;
    while (v >= 0 && v < ipa.size() && !VocaliIpa.contains(ipa[v]))
        ++v;
    if (segno < 0 || v >= ipa.size())
        return QStringLiteral("no stress said");
    static const QHash<QChar, QString> udite{{'a', "a"}, {'e', "eɛ"}, {'i', "iɪ"}, {'o', "oɔ"}, {'u', "uʊ"}};
    int udopo = 0;
    for (qsizetype k = v + 1; k < ipa.size(); ++k)
        udopo += VocaliIpa.contains(ipa[k]);
    if (!udite.value(w[accento]).contains(ipa[v]) || udopo < dopo - scivolano || udopo > dopo)
        out << QStringLiteral("stress on %1 with %2 vowels after it, not on %3 with %4").arg(ipa[v]).arg(udopo).arg(w[accento]).arg(dopo);

    int gn = 0, gli = 0, sce = 0, sk = 0;
    QList<bool> muta; // for each SCI and GLI, in order: is the I silent
    for (qsizetype k = 0; k + 1 < w.size(); ++k) {
        const QStringView due = QStringView(w).mid(k, 2);
        const QChar dopoDue = k + 2 < w.size() ? w[k + 2] : QChar();
        gn += due == u"gn";
        if (due == u"sc" && (dopoDue == 'e' || dopoDue == 'i'))
            ++sce;
        else if (due == u"sc" || due == u"sq")
            ++sk;
        if (due == u"gl" && dopoDue == 'i')
            ++gli;
        if ((due == u"sc" || due == u"gl") && dopoDue == 'i')
            muta << (k + 3 < w.size() && vocale(w[k + 3]) && k + 2 != accento);
    }
    if (gruppi(ipa, QChar(0x0272)) != gn) // ɲ
        out << QStringLiteral("GN not as in \"gnomo\"");
    if (gruppi(ipa, QChar(0x028E)) != gli) // ʎ
        out << QStringLiteral("GLI not as in \"aglio\"");
    if (gruppi(ipa, QChar(0x0283), 't') != sce) // ʃ, not the tʃ of CI
        out << QStringLiteral("SCE SCI not as in \"pesce\"");
    if (ipa.count(QStringLiteral("sk")) != sk)
        out << QStringLiteral("SC not as in \"scuola\"");
    QList<bool> mute;
    for (qsizetype k = 0; k < ipa.size(); ++k) {
        const bool fine = (ipa[k] == QChar(0x028E) || (ipa[k] == QChar(0x0283) && (k == 0 || ipa[k - 1] != 't')))
            && (k + 1 == ipa.size() || (ipa[k + 1] != ipa[k] && ipa[k + 1] != QChar(0x02D0)));
        if (!fine)
            continue;
        qsizetype j = k + 1;
        while (j < ipa.size() && QStringLiteral("ˈˌː").contains(ipa[j]))
            ++j;
        mute << !(j < ipa.size() && QStringLiteral("iɪj").contains(ipa[j]));
    }
    // ʃ and ʎ come from SCE too: only the SCI and GLI ones are compared.
    QList<bool> attese;
    for (qsizetype k = 0, n = 0; k + 1 < w.size(); ++k) {
        const QStringView due = QStringView(w).mid(k, 2);
        const QChar dopoDue = k + 2 < w.size() ? w[k + 2] : QChar();
        if ((due == u"sc" && (dopoDue == 'e' || dopoDue == 'i')) || (due == u"gl" && dopoDue == 'i'))
            attese << (dopoDue == 'i' ? muta.value(n++) : true);
    }
    if (out.isEmpty() && mute != attese)
        out << QStringLiteral("the I of SCI or GLI heard where it is silent, or silent where it is heard");
    return out.join(QStringLiteral("; "));
}

} // namespace

// The synthetic voice is Italian, and says every shipped word audibly.
class TestSintesi : public QObject
{
    Q_OBJECT
    SintesiItaliana sintesi_;

private slots:
    void initTestCase() { QVERIFY(sintesi_.pronta()); }

    // An English voice reads these letters otherwise ("nˈəʊməʊ", "skˈɪmiə",
    // "tʃˈaɪəv", "ɐɡlˈiːəʊ").
    void fonemi_data()
    {
        QTest::addColumn<QString>("parola");
        QTest::addColumn<QString>("suono");
        QTest::addColumn<QString>("nonSuono");
        QTest::newRow("GN") << "gnomo" << "ɲ" << "n";
        QTest::newRow("SC before I") << "scimmia" << "ʃ" << "sk";
        QTest::newRow("CH") << "chiave" << "kj" << "tʃ";
        QTest::newRow("GLI") << "aglio" << "ʎ" << "ɡl";
    }
    void fonemi()
    {
        QFETCH(QString, parola);
        QFETCH(QString, suono);
        QFETCH(QString, nonSuono);
        const QString ipa = sintesi_.fonemi(parola);
        QVERIFY2(ipa.contains(suono) && !ipa.contains(nonSuono), qPrintable(ipa));
    }

    // From the first to the last sample louder than 1% of full scale.
    void paroleSpedite_data()
    {
        QTest::addColumn<QString>("parola");
        const LetturaLista lista = LeggiListaParole(QStringLiteral(LETTORIA_DATA_DIR "/testilettoria2/TUTTE.txt"));
        QVERIFY(lista.aperta && !lista.parole.isEmpty());
        const QLocale italiano(QLocale::Italian);
        for (const QString &p : lista.parole)
            QTest::newRow(qPrintable(p)) << italiano.toLower(p.trimmed());
    }
    void paroleSpedite()
    {
        QFETCH(QString, parola);
        qint64 n = 0, primo = -1, ultimo = -1;
        const bool fatta = sintesi_.sintetizza(parola, [&](const qint16 *c, int quanti) {
            for (int i = 0; i < quanti; ++i, ++n) {
                if (std::abs(c[i]) > 328) {
                    if (primo < 0)
                        primo = n;
                    ultimo = n;
                }
            }
            return true;
        });
        QVERIFY(fatta);
        const double secondi = double(ultimo - primo) / sintesi_.frequenza();
        QVERIFY2(primo >= 0 && secondi >= 0.3 && secondi <= 2.5, qPrintable(QString::number(secondi)));
    }

    // Every shipped word, given to the voice as the program gives it, is
    // stressed where pronuncia.txt says, with SC, GL and GN as Italian reads them.
    void accenti_data()
    {
        QTest::addColumn<QString>("parola");
        const LetturaLista lista = LeggiListaParole(QStringLiteral(LETTORIA_DATA_DIR "/testilettoria2/TUTTE.txt"));
        QVERIFY(lista.aperta && !lista.parole.isEmpty());
        for (const QString &p : lista.parole)
            QTest::newRow(qPrintable(p)) << p;
    }
    void accenti()
    {
        QFETCH(QString, parola);
        static const QHash<QString, PronunciaParola> pronunce
            = LeggiPronunce(QStringLiteral(LETTORIA_DATA_DIR "/pronuncia.txt"));
        const QString accentata = pronunce.value(QLocale(QLocale::Italian).toLower(parola)).accentata;
        QVERIFY2(!accentata.isEmpty(), "no stress in pronuncia.txt");
        ContestoProva c;
        Ambiente programma = c.cartella.ambiente();
        programma.cartellaProgramma = QStringLiteral(LETTORIA_DATA_DIR);
        LeggiParola(c.sessione, programma, c.suoni, parola);
        QCOMPARE(c.suoni.pronunce.size(), 1);
        const QString testo = c.suoni.pronunce.first().testo;
        const QString ipa = sintesi_.fonemi(testo);
        const QString errore = ::sbagli(accentata, ipa);
        QVERIFY2(errore.isEmpty(), qPrintable(QStringLiteral("%1 said %2: %3").arg(testo, ipa, errore)));
    }

    // A sound after a word takes the word's format: exact values.
    void conversione_data()
    {
        QTest::addColumn<QByteArray>("campioni"); // 16-bit little-endian, or 8-bit
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("frequenza");
        QTest::addColumn<int>("bit");
        QTest::addColumn<int>("aCanali");
        QTest::addColumn<int>("aFrequenza");
        QTest::addColumn<int>("aBit");
        QTest::addColumn<QByteArray>("attesi");
        const auto s16 = [](std::initializer_list<int> v) {
            QByteArray b;
            for (int x : v) {
                b.append(char(x & 0xFF));
                b.append(char((x >> 8) & 0xFF));
            }
            return b;
        };
        QTest::newRow("same format") << s16({1, -2, 3}) << 1 << 8000 << 16 << 1 << 8000 << 16 << s16({1, -2, 3});
        QTest::newRow("half the rate: means of pairs") << s16({100, 300, -50, -150}) << 1 << 44100 << 16 << 1 << 22050
                                                       << 16 << s16({200, -100});
        QTest::newRow("twice the rate: midpoints") << s16({0, 100}) << 1 << 8000 << 16 << 1 << 16000 << 16
                                                   << s16({0, 50, 100, 100});
        QTest::newRow("stereo to mono") << s16({100, 300, -1000, 1000}) << 2 << 8000 << 16 << 1 << 8000 << 16
                                        << s16({200, 0});
        QTest::newRow("mono to stereo") << s16({7, -7}) << 1 << 8000 << 16 << 2 << 8000 << 16 << s16({7, 7, -7, -7});
        QTest::newRow("16 to 8 bit") << s16({-32768, 0, 32767}) << 1 << 8000 << 16 << 1 << 8000 << 8
                                     << QByteArray::fromHex("0080ff");
        QTest::newRow("8 to 16 bit") << QByteArray::fromHex("0080ff") << 1 << 8000 << 8 << 1 << 8000 << 16
                                     << s16({-32768, 0, 32512});
        QTest::newRow("to 24 bit: none") << s16({1}) << 1 << 8000 << 16 << 1 << 8000 << 24 << QByteArray();
    }
    void conversione()
    {
        QFETCH(QByteArray, campioni);
        QFETCH(int, canali);
        QFETCH(int, frequenza);
        QFETCH(int, bit);
        DatiWav wav;
        wav.valido = true;
        wav.canali = canali;
        wav.frequenza = frequenza;
        wav.bit = bit;
        wav.campioni = campioni;
        wav.byteCampioni = campioni.size();
        QFETCH(int, aCanali);
        QFETCH(int, aFrequenza);
        QFETCH(int, aBit);
        QTEST(ConvertiCampioni(wav, aCanali, aFrequenza, aBit), "attesi");
    }

    // A new word stops the one being made at its next piece.
    void fermata()
    {
        int pezzi = 0;
        QVERIFY(!sintesi_.sintetizza(QStringLiteral("orsacchiotto"), [&](const qint16 *, int) { return ++pezzi < 2; }));
        QCOMPARE(pezzi, 2);
        QVERIFY(sintesi_.sintetizza(QStringLiteral("ape"), [](const qint16 *, int) { return true; }));
    }
};

QTEST_GUILESS_MAIN(TestSintesi)
#include "tst_sintesi.moc"
