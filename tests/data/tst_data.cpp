// Checks what only Qt can tell about the data shipped beside the program:
// that Qt's decoder reads every picture as the program will and finds it on
// a white margin, and that the cursive font loads under the name the program
// asks for and draws every letter of the shipped words. The word lists, the
// file formats, the sounds and the credits are checked by tools/check_data.py.

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QRawFont>
#include <QSet>
#include <QTest>

#ifndef LETTORIA_DATA_DIR
#error "LETTORIA_DATA_DIR must name the data folder"
#endif

namespace {

QDir dataDir()
{
    return QDir(QStringLiteral(LETTORIA_DATA_DIR));
}

// The words of a list file: Windows-1252 is Latin-1 for the letters the
// lists use, one word a line, CR LF after each.
QStringList readList(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// Points of the outer band of the picture that are not white.
QStringList darkInBand(const QImage &image, int band)
{
    QStringList dark;
    const auto check = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        if (qRed(p) < 240 || qGreen(p) < 240 || qBlue(p) < 240)
            dark << QStringLiteral("%1,%2").arg(x).arg(y);
    };
    for (int i = 0; i < image.width(); ++i)
        for (int j = 0; j < band; ++j) {
            check(i, j);
            check(i, image.height() - 1 - j);
            check(j, i);
            check(image.width() - 1 - j, i);
        }
    return dark;
}

} // namespace

class TestData : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data()
    {
        QTest::addColumn<QString>("file");
        const QDir dir(dataDir().filePath(QStringLiteral("images0")));
        const QStringList files = dir.entryList(QDir::Files);
        QVERIFY(files.size() >= 400);
        for (const QString &name : files)
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    void pictures()
    {
        QFETCH(QString, file);
        QImage image;
        QVERIFY(image.load(file, "JPEG"));
        QCOMPARE(image.size(), QSize(512, 512));
        // The picture sits on white with a margin: the outer band is all white.
        const QStringList dark = darkInBand(image, 8);
        QVERIFY2(dark.isEmpty(), qPrintable("not white at " + dark.mid(0, 5).join(' ')));
    }

    void marginCheckSeesADarkEdge()
    {
        QImage image(512, 512, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(darkInBand(image, 8).isEmpty());
        image.setPixel(300, 509, qRgb(200, 250, 250));
        QCOMPARE(darkInBand(image, 8), QStringList{QStringLiteral("300,509")});
    }

    void cursiveFont()
    {
        const QString path = dataDir().filePath(QStringLiteral("indis1.ttf"));
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
        const QStringList words = readList(dataDir().filePath(QStringLiteral("testilettoria2/TUTTE.txt")));
        QVERIFY(words.size() >= 400);
        QSet<QChar> letters;
        for (const QString &w : words)
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
};

QTEST_MAIN(TestData)
#include "tst_data.moc"
