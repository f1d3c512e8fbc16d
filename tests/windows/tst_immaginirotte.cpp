#include "core/paroleliste.h"
#include "tests/support/provecomuni.h"
#include "windows/riquadroimmagine.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

namespace {
QByteArray jpeg(QSize dimensione, const char *formato = "JPG")
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(QColor(30, 144, 255));
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, formato);
    return b;
}

// A JPEG whose frame header claims another size.
QByteArray conDimensioneFinta(QByteArray b, quint16 w, quint16 h)
{
    const qsizetype sof = b.indexOf("\xFF\xC0");
    if (sof < 0)
        return {};
    b[sof + 5] = char(h >> 8);
    b[sof + 6] = char(h & 0xFF);
    b[sof + 7] = char(w >> 8);
    b[sof + 8] = char(w & 0xFF);
    return b;
}
} // namespace

// Whatever sits in images0 under a word's name, the picture box shows it or
// stays white with a grey border; it never crashes or hangs.
class TestImmaginiRotte : public QObject
{
    Q_OBJECT
private slots:
    void immagini_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("valida");
        QTest::newRow("a good JPEG") << jpeg(QSize(512, 512)) << true;
        QTest::newRow("zero bytes") << QByteArray() << false;
        QTest::newRow("a PNG named .jpg") << jpeg(QSize(100, 80), "PNG") << true;
        QTest::newRow("text named .jpg") << QByteArray("non sono un'immagine") << false;
        QTest::newRow("truncated JPEG") << jpeg(QSize(512, 512)).left(300) << false;
        QTest::newRow("claims 20000 x 20000") << conDimensioneFinta(jpeg(QSize(64, 64)), 20000, 20000) << true;
    }
    void immagini()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, valida);
        ContestoProva c;
        c.cartella.scrivi(QStringLiteral("images0/CASA.jpg"), contenuto);
        RiquadroImmagine r;
        r.resize(300, 200);
        r.CaricaFile(PercorsoImmagine(c.cartella.ambiente(), QStringLiteral("casa")));
        // A 20,000 x 20,000 header must not make the box allocate for it.
        if (valida) {
            QVERIFY(r.immagineValida());
            QCOMPARE(r.immagine().size(), QSize(300, 200));
        } else {
            QVERIFY(!r.immagineValida());
        }
        const QImage schermo = r.grab().toImage();
        if (!valida) {
            QCOMPARE(QColor(schermo.pixel(150, 100)), QColor(Qt::white));
            QCOMPARE(QColor(schermo.pixel(0, 100)), QColor(160, 160, 160));
        }
    }

    void cartellaConIlNomeDiUnImmagine()
    {
        ContestoProva c;
        QDir().mkpath(c.cartella.ambiente().cartellaImmagini() + QStringLiteral("/ORSO.jpg"));
        RiquadroImmagine r;
        r.resize(100, 100);
        r.CaricaFile(PercorsoImmagine(c.cartella.ambiente(), QStringLiteral("orso")));
        QVERIFY(!r.immagineValida());
        r.CaricaFile(QString());
        QVERIFY(!r.immagineValida());
    }

    void decodificaAllaDimensioneMostrata()
    {
        ContestoProva c;
        const QString p = c.cartella.scrivi(QStringLiteral("images0/MARE.jpg"), jpeg(QSize(512, 512)));
        RiquadroImmagine r;
        r.resize(120, 90);
        r.CaricaFile(p);
        QCOMPARE(r.immagine().size(), QSize(120, 90));
        const qint64 chiave = r.immagine().cacheKey();
        r.grab();
        QCOMPARE(r.immagine().cacheKey(), chiave); // painting does not decode again
        r.resize(240, 180);
        QCOMPARE(r.immagine().size(), QSize(240, 180));
    }
};

QTEST_MAIN(TestImmaginiRotte)
#include "tst_immaginirotte.moc"
