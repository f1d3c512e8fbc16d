// Checks the data shipped beside the program: the predefined word lists,
// the pictures, the answer sounds and the cursive font.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QRawFont>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>

#ifndef LETTORIA_DATA_DIR
#error "LETTORIA_DATA_DIR must name the data folder"
#endif

namespace {

const QDir dataDir()
{
    return QDir(QStringLiteral(LETTORIA_DATA_DIR));
}

// Windows-1252 from 0x80 to 0x9F; 0 marks the five bytes it leaves undefined.
// The rest of the code page is Latin-1.
const char16_t cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Decodes Windows-1252; false if a byte has no character there.
bool decodeCp1252(const QByteArray &bytes, QString *text)
{
    text->clear();
    text->reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F) {
            u = cp1252High[b - 0x80];
            if (u == 0)
                return false;
        }
        text->append(QChar(u));
    }
    return true;
}

// The plain letter under an accented one (È -> E).
QChar fold(QChar c)
{
    return QString(c).normalized(QString::NormalizationForm_D).at(0);
}

// Lists are sorted with accents folded, the raw word breaking ties.
bool alphabeticalLess(const QString &a, const QString &b)
{
    QString fa, fb;
    for (QChar c : a)
        fa += fold(c);
    for (QChar c : b)
        fb += fold(c);
    if (fa != fb)
        return fa < fb;
    return a < b;
}

bool isVowel(QChar c)
{
    return QStringLiteral("AEIOU").contains(fold(c));
}

// A consonant followed by a vowel; the L of GLI and the N of GN are other sounds.
bool hasConsonantSyllable(const QString &w, QChar consonant)
{
    for (qsizetype i = 0; i + 1 < w.size(); ++i) {
        if (w[i] != consonant || !isVowel(w[i + 1]))
            continue;
        const bool afterG = i > 0 && w[i - 1] == u'G';
        if (consonant == u'L' && afterG && fold(w[i + 1]) == u'I')
            continue;
        if (consonant == u'N' && afterG)
            continue;
        return true;
    }
    return false;
}

// Syllable groups of C or G: hard (CA CO CU), soft (CI CE, not after S for C),
// SCI/SCE, and H (CHI CHE).
enum Group { Hard = 1, Soft = 2, Sci = 4, WithH = 8 };

int groups(const QString &w, QChar letter)
{
    int found = 0;
    for (qsizetype i = 0; i + 1 < w.size(); ++i) {
        if (w[i] != letter)
            continue;
        const QChar next = fold(w[i + 1]);
        if (next == u'A' || next == u'O' || next == u'U')
            found |= Hard;
        else if (next == u'I' || next == u'E')
            found |= (letter == u'C' && i > 0 && w[i - 1] == u'S') ? Sci : Soft;
        else if (next == u'H' && i + 2 < w.size()
                 && (fold(w[i + 2]) == u'I' || fold(w[i + 2]) == u'E'))
            found |= WithH;
    }
    return found;
}

using Rule = std::function<bool(const QString &)>;

Rule onlyGroup(QChar letter, Group g)
{
    return [letter, g](const QString &w) { return groups(w, letter) == g; };
}

Rule containsAny(const QStringList &parts)
{
    return [parts](const QString &w) {
        return std::any_of(parts.begin(), parts.end(), [&w](const QString &p) { return w.contains(p); });
    };
}

struct ListRule
{
    QByteArray file;
    Rule rule;
};

// Rules of the lists made of one group; combined lists are checked as unions.
const QList<ListRule> &groupRules()
{
    static const QList<ListRule> rules = [] {
        QList<ListRule> r{
            {"1vocali.txt", [](const QString &w) { return !w.isEmpty() && isVowel(w[0]); }},
            {"1ca.txt", onlyGroup(u'C', Hard)},
            {"1ci.txt", onlyGroup(u'C', Soft)},
            {"1chi.txt", onlyGroup(u'C', WithH)},
            {"1ga.txt", onlyGroup(u'G', Hard)},
            {"1gi.txt", onlyGroup(u'G', Soft)},
            {"1ghi.txt", onlyGroup(u'G', WithH)},
            {"1qu.txt", containsAny({"QU"})},
            {"1sci.txt", containsAny({"SCI", "SCE"})},
            {"1gli.txt", containsAny({"GLI"})},
            {"1gn.txt", containsAny({"GN"})},
            {"1mb&mp.txt", containsAny({"MB", "MP"})},
            {"1nd&nt.txt", containsAny({"ND", "NT"})},
        };
        for (const char *c : {"b", "d", "f", "l", "m", "n", "p", "r", "s", "t", "v", "z"}) {
            const QChar consonant = QChar::fromLatin1(c[0]).toUpper();
            r.append({QByteArray("1") + c + ".txt",
                      [consonant](const QString &w) { return hasConsonantSyllable(w, consonant); }});
        }
        return r;
    }();
    return rules;
}

const QStringList predefinedFiles = {
    "TUTTE.txt", "1vocali.txt", "1b.txt", "1d.txt", "1f.txt", "1l.txt", "1m.txt",
    "1n.txt", "1p.txt", "1r.txt", "1s.txt", "1t.txt", "1v.txt", "1z.txt",
    "1ci.txt", "1chi.txt", "1ca.txt", "1ca&ci.txt", "1ca&chi.txt", "1ca&chi&ci.txt",
    "1gi.txt", "1ghi.txt", "1ga.txt", "1ga&gi.txt", "1ga&ghi.txt", "1ga&ghi&gi.txt",
    "1chi&ghi.txt", "1qu.txt", "1sci.txt", "1gli.txt", "1gn.txt", "1mb&mp.txt",
    "1nd&nt.txt", "1mb&mp&nd&nt.txt",
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

quint32 le32(const QByteArray &b, qsizetype at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8
        | quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
}

quint16 le16(const QByteArray &b, qsizetype at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

// The start-of-frame marker of a JPEG (0xC0 baseline, 0xC2 progressive...),
// found by walking the segments up to the first scan; 0 if there is none.
int startOfFrame(const QByteArray &jpeg)
{
    if (!jpeg.startsWith("\xFF\xD8"))
        return 0;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (quint8(jpeg[at]) != 0xFF)
            return 0;
        const int marker = quint8(jpeg[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker;
        if (marker == 0xDA || marker == 0xD9)
            return 0;
        at += 2 + (quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]));
    }
    return 0;
}

} // namespace

class TestData : public QObject
{
    Q_OBJECT

    QMap<QString, QByteArray> rawLists;
    QMap<QString, QStringList> lists;     // file name -> words, as decoded
    QMap<QString, QString> pictureByWord; // upper-case word -> file name

    QStringList listFiles() const
    {
        return dataDir().entryList({"*.txt"}, QDir::Files, QDir::Name);
    }

    static QSet<QString> asSet(const QStringList &l) { return QSet<QString>(l.begin(), l.end()); }

private slots:
    void initTestCase()
    {
        QVERIFY2(dataDir().exists(), qPrintable(dataDir().path()));
        const QDir listDir(dataDir().filePath("testilettoria2"));
        for (const QString &name : listDir.entryList({"*.txt"}, QDir::Files)) {
            const QByteArray bytes = readAll(listDir.filePath(name));
            rawLists.insert(name, bytes);
            QString text;
            if (decodeCp1252(bytes, &text))
                lists.insert(name, text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
        }
        const QDir pictures(dataDir().filePath("images0"));
        for (const QString &name : pictures.entryList(QDir::Files))
            pictureByWord.insert(QFileInfo(name).completeBaseName().toUpper(), name);
    }

    void listFilesAreThePredefinedOnes()
    {
        QStringList found = rawLists.keys();
        QStringList expected = predefinedFiles;
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
    }

    void listFormat_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &f : predefinedFiles)
            QTest::newRow(qPrintable(f)) << f;
    }

    void listFormat()
    {
        QFETCH(QString, file);
        const QByteArray bytes = rawLists.value(file);
        QVERIFY2(!bytes.isEmpty(), "missing or empty");
        QVERIFY2(bytes.endsWith("\r\n"), "the last line must end with CR LF");
        QCOMPARE(bytes.count('\r'), bytes.count('\n'));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        QVERIFY2(!bytes.contains("\r\n\r\n") && !bytes.startsWith("\r\n"), "blank line");

        QString text;
        QVERIFY2(decodeCp1252(bytes, &text), "not Windows-1252");
        const QStringList words = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QVERIFY(words.size() <= 500); // the program reads at most 500 words
        for (const QString &w : words) {
            QVERIFY2(w == w.trimmed(), qPrintable("blanks around '" + w + "'"));
            QVERIFY2(std::all_of(w.begin(), w.end(), [](QChar c) { return c.isLetter() && c.isUpper(); }),
                     qPrintable("not an upper-case word: '" + w + "'"));
        }
        for (qsizetype i = 1; i < words.size(); ++i)
            QVERIFY2(alphabeticalLess(words[i - 1], words[i]),
                     qPrintable(words[i - 1] + " before " + words[i]));
    }

    void everyListedWordHasAPicture()
    {
        QStringList missing;
        for (auto it = lists.cbegin(); it != lists.cend(); ++it)
            for (const QString &w : it.value())
                if (!pictureByWord.contains(w.toUpper()))
                    missing << it.key() + ": " + w;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    }

    void tutteHoldsEveryPicture()
    {
        const QSet<QString> all = asSet(lists.value("TUTTE.txt"));
        QCOMPARE(all, asSet(pictureByWord.keys()));
        QVERIFY(all.size() >= 400);
    }

    void syllableLists_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < groupRules().size(); ++i)
            QTest::newRow(groupRules()[i].file.constData()) << i;
    }

    void syllableLists()
    {
        QFETCH(int, index);
        const ListRule &r = groupRules()[index];
        const QStringList words = lists.value(QString::fromLatin1(r.file));
        QVERIFY2(words.size() >= 8, qPrintable(QString::number(words.size()) + " words"));
        QStringList wrong;
        for (const QString &w : words)
            if (!r.rule(w))
                wrong << w;
        QVERIFY2(wrong.isEmpty(), qPrintable("outside the rule: " + wrong.join(", ")));
    }

    void syllableRulesOnKnownWords()
    {
        // Keeps the checks above honest: each rule must tell these apart.
        QCOMPARE(groups("CASA", u'C'), int(Hard));
        QCOMPARE(groups("SCUOLA", u'C'), int(Hard));
        QCOMPARE(groups("CIGNO", u'C'), int(Soft));
        QCOMPARE(groups("PESCE", u'C'), int(Sci));
        QCOMPARE(groups("CHIAVE", u'C'), int(WithH));
        QCOMPARE(groups("CIOCCOLATO", u'C'), Hard | Soft);
        QCOMPARE(groups("ACQUA", u'C'), 0);
        QCOMPARE(groups("FUNGHI", u'G'), int(WithH));
        QCOMPARE(groups("FOGLIA", u'G'), 0);
        QCOMPARE(groups("CIGNO", u'G'), 0);
        QCOMPARE(groups("FORMAGGIO", u'G'), int(Soft));
        QVERIFY(!hasConsonantSyllable("FOGLIA", u'L'));
        QVERIFY(hasConsonantSyllable("FOGLIA", u'F'));
        QVERIFY(!hasConsonantSyllable("RAGNO", u'N'));
        QVERIFY(hasConsonantSyllable("LUNA", u'N'));
    }

    void combinedListsAreUnions_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("CA CI") << "1ca&ci.txt" << QStringList{"1ca.txt", "1ci.txt"};
        QTest::newRow("CA CHI") << "1ca&chi.txt" << QStringList{"1ca.txt", "1chi.txt"};
        QTest::newRow("CA CHI CI") << "1ca&chi&ci.txt" << QStringList{"1ca.txt", "1chi.txt", "1ci.txt"};
        QTest::newRow("GA GI") << "1ga&gi.txt" << QStringList{"1ga.txt", "1gi.txt"};
        QTest::newRow("GA GHI") << "1ga&ghi.txt" << QStringList{"1ga.txt", "1ghi.txt"};
        QTest::newRow("GA GHI GI") << "1ga&ghi&gi.txt" << QStringList{"1ga.txt", "1ghi.txt", "1gi.txt"};
        QTest::newRow("CHI GHI") << "1chi&ghi.txt" << QStringList{"1chi.txt", "1ghi.txt"};
        QTest::newRow("MB MP ND NT") << "1mb&mp&nd&nt.txt" << QStringList{"1mb&mp.txt", "1nd&nt.txt"};
    }

    void combinedListsAreUnions()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, parts);
        QSet<QString> expected;
        for (const QString &p : parts)
            expected.unite(asSet(lists.value(p)));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(asSet(lists.value(file)), expected);
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &name : pictureByWord)
            QTest::newRow(qPrintable(name)) << name;
    }

    void pictures()
    {
        QFETCH(QString, file);
        const QFileInfo info(dataDir().filePath("images0/" + file));
        QCOMPARE(info.suffix(), QStringLiteral("jpg"));
        const QString word = info.completeBaseName();
        QCOMPARE(word, word.toUpper());
        QVERIFY2(info.size() <= 60 * 1024, qPrintable(QString::number(info.size()) + " bytes"));

        const QByteArray bytes = readAll(info.filePath());
        QCOMPARE(startOfFrame(bytes), 0xC0); // baseline, not progressive (0xC2)

        QImage image;
        QVERIFY(image.loadFromData(bytes, "JPEG"));
        QCOMPARE(image.size(), QSize(512, 512));
        // The picture sits on white with a margin: the outer band is all white.
        const int band = 8;
        QStringList dark;
        const auto checkWhite = [&](int x, int y) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) < 240 || qGreen(p) < 240 || qBlue(p) < 240)
                dark << QStringLiteral("%1,%2").arg(x).arg(y);
        };
        for (int i = 0; i < 512; ++i)
            for (int j = 0; j < band; ++j) {
                checkWhite(i, j);
                checkWhite(i, 511 - j);
                checkWhite(j, i);
                checkWhite(511 - j, i);
            }
        QVERIFY2(dark.isEmpty(), qPrintable("not white at " + dark.mid(0, 5).join(' ')));
    }

    void sounds()
    {
        const QDir dir(dataDir().filePath("suoni"));
        QStringList found = dir.entryList({"*.wav"}, QDir::Files);
        found.sort();
        QCOMPARE(found, (QStringList{"no.wav", "si1.wav", "si2.wav", "si3.wav", "si4.wav"}));

        QSet<QByteArray> samples;
        for (const QString &name : found) {
            const QByteArray b = readAll(dir.filePath(name));
            QVERIFY2(b.size() > 44 && b.startsWith("RIFF") && b.mid(8, 4) == "WAVE", qPrintable(name));
            QByteArray data;
            quint16 format = 0, channels = 0, bits = 0;
            quint32 rate = 0;
            for (qsizetype at = 12; at + 8 <= b.size();) {
                const QByteArray id = b.mid(at, 4);
                const quint32 size = le32(b, at + 4);
                if (id == "fmt " && size >= 16) {
                    format = le16(b, at + 8);
                    channels = le16(b, at + 10);
                    rate = le32(b, at + 12);
                    bits = le16(b, at + 22);
                } else if (id == "data") {
                    data = b.mid(at + 8, size);
                }
                at += 8 + size + (size & 1);
            }
            QCOMPARE(format, quint16(1)); // PCM
            QVERIFY(channels == 1 || channels == 2);
            QCOMPARE(rate, quint32(44100));
            QCOMPARE(bits, quint16(16));
            const double seconds = double(data.size()) / (2.0 * channels * rate);
            QVERIFY2(seconds > 0.1 && seconds <= 1.5, qPrintable(name + ": " + QString::number(seconds)));
            int peak = 0;
            for (qsizetype i = 0; i + 1 < data.size(); i += 2)
                peak = std::max(peak, std::abs(int(qint16(le16(data, i)))));
            QVERIFY2(peak > 3000, qPrintable(name + " is nearly silent"));
            samples.insert(data);
        }
        QCOMPARE(samples.size(), 5); // five different sounds
    }

    void cursiveFont()
    {
        const QString path = dataDir().filePath("indis1.ttf");
        const QRawFont font(path, 24);
        QVERIFY(font.isValid());
        QCOMPARE(font.familyName(), QStringLiteral("Indis1"));
        QCOMPARE(font.styleName(), QStringLiteral("Regular"));

        // The program asks for the face by this name.
        const int id = QFontDatabase::addApplicationFont(path);
        QVERIFY(id >= 0);
        QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("Indis1")));
        QFontDatabase::removeApplicationFont(id);

        // Every letter of the shipped words, in both cases, and the accented
        // letters that a user's own list may hold.
        QSet<QChar> letters;
        for (const QString &w : lists.value("TUTTE.txt"))
            for (QChar c : w + w.toLower())
                letters.insert(c);
        for (QChar c : QStringLiteral("àèéìòùÀÈÉÌÒÙ'"))
            letters.insert(c);
        QStringList missing;
        for (QChar c : letters)
            if (!font.supportsCharacter(c))
                missing << QString(c);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(' ')));
    }

    void licencesShipBesideTheAssets()
    {
        const QByteArray credits = readAll(dataDir().filePath("CREDITS.md"));
        QVERIFY(credits.contains("fluentui-emoji"));
        QVERIFY(credits.contains("1.3.0"));
        QVERIFY(credits.contains("@fontsource/playwrite-it-trad"));
        QVERIFY(credits.contains("MIT"));
        QVERIFY(readAll(dataDir().filePath("OFL.txt")).contains("SIL OPEN FONT LICENSE Version 1.1"));
    }
};

QTEST_MAIN(TestData)
#include "tst_data.moc"
