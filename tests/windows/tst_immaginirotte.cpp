#include "core/paroleliste.h"
#include "tests/support/provecomuni.h"
#include "windows/riquadroimmagine.h"

#include <QBuffer>
#include <QtEndian>
#include <QDir>
#include <QPainter>
#include <QTest>
#include <QThreadPool>

#include <memory>

namespace {
// Blue, or shaded all over so that two decodings can be told apart.
QByteArray jpeg(QSize dimensione, const char *formato = "JPG", bool sfumata = false)
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(QColor(30, 144, 255));
    if (sfumata) {
        QLinearGradient g(0, 0, dimensione.width(), dimensione.height());
        g.setColorAt(0, Qt::yellow);
        g.setColorAt(1, Qt::darkMagenta);
        QPainter(&img).fillRect(img.rect(), g);
    }
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, formato);
    return b;
}

// A JPEG whose frame header claims another size.
QByteArray conDimensioneFinta(QByteArray b, quint16 w, quint16 h)
{
    const quint16 altezzaLarghezza[2] = {qToBigEndian(h), qToBigEndian(w)};
    return b.replace(b.indexOf("\xFF\xC0") + 5, 4, reinterpret_cast<const char *>(altezzaLarghezza), 4);
}

// Two boxes of one item side by side: the first waits for its paint, the
// second goes to the thread pool.
struct DueRiquadri
{
    explicit DueRiquadri(QSize riquadro)
    {
        finestra.resize(riquadro.width() * 2, riquadro.height());
        primo.setGeometry(riquadro.width(), 0, riquadro.width(), riquadro.height());
        r.resize(riquadro);
    }
    QWidget finestra;
    RiquadroImmagine primo{&finestra};
    RiquadroImmagine r{&finestra};
};
} // namespace

// Whatever sits in images0 under a word's name, the picture box shows it
// whole and undistorted, or stays white with a grey border; it never crashes
// or hangs.
class TestImmaginiRotte : public QObject
{
    Q_OBJECT
private slots:
    // Each case twice: a hidden box decodes at its first paint, a box on
    // screen after another one on the thread pool.
    void immagini_data()
    {
        QTest::addColumn<QByteArray>("contenuto"); // "folder": a folder by that name
        QTest::addColumn<QSize>("riquadro");
        QTest::addColumn<QRect>("area"); // where the picture is drawn; empty: none
        QTest::addColumn<bool>("mostrato");
        const QSize r(300, 200);
        for (const bool mostrato : {false, true}) {
            const char *dove = mostrato ? ", shown" : ", hidden";
            QTest::addRow("wide in a square%s", dove) << jpeg(QSize(200, 100)) << QSize(300, 300) << QRect(0, 75, 300, 150) << mostrato;
            QTest::addRow("square in a wide box%s", dove) << jpeg(QSize(512, 512)) << r << QRect(50, 0, 200, 200) << mostrato;
            QTest::addRow("tall, enlarged%s", dove) << jpeg(QSize(60, 90)) << QSize(301, 300) << QRect(50, 0, 200, 300) << mostrato;
            QTest::addRow("a PNG named .jpg%s", dove) << jpeg(QSize(100, 80), "PNG") << r << QRect(25, 0, 250, 200) << mostrato;
            QTest::addRow("claims 20000 x 10000%s", dove) << conDimensioneFinta(jpeg(QSize(64, 64)), 20000, 10000) << r
                                                         << QRect(0, 25, 300, 150) << mostrato;
            QTest::addRow("zero bytes%s", dove) << QByteArray() << r << QRect() << mostrato;
            QTest::addRow("text named .jpg%s", dove) << QByteArray("non sono un'immagine") << r << QRect() << mostrato;
            QTest::addRow("truncated JPEG%s", dove) << jpeg(QSize(512, 512)).left(300) << r << QRect() << mostrato;
            QTest::addRow("a folder%s", dove) << QByteArray("folder") << r << QRect() << mostrato;
        }
    }
    void immagini()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QSize, riquadro);
        QFETCH(QRect, area);
        QFETCH(bool, mostrato);
        ContestoProva c;
        if (contenuto == "folder")
            QDir().mkpath(c.cartella.ambiente().cartellaImmagini() + QStringLiteral("/CASA.jpg"));
        else
            c.cartella.scrivi(QStringLiteral("images0/CASA.jpg"), contenuto);
        DueRiquadri d(riquadro);
        if (mostrato) {
            d.finestra.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d.finestra));
        }
        d.primo.CaricaFile(PercorsoImmagine(c.cartella.ambiente(), QStringLiteral("CASA")));
        d.r.CaricaFile(PercorsoImmagine(c.cartella.ambiente(), QStringLiteral("casa")));
        // Decoded once at the size drawn: a 20,000 x 10,000 header allocates nothing of the kind.
        QCOMPARE(d.r.immagineValida(), !area.isEmpty());
        QCOMPARE(d.r.areaImmagine(), area);
        QCOMPARE(d.r.immagine().size(), area.size());
        const QImage schermo = d.r.grab().toImage();
        if (area.isEmpty()) {
            QCOMPARE(schermo.pixelColor(150, 100), QColor(Qt::white));
            QCOMPARE(schermo.pixelColor(0, 100), QColor(160, 160, 160));
            return;
        }
        // The picture to its very edges, white beyond them. (Past its real 64 x 64
        // pixels the lying file decodes as grey.)
        for (const QPoint &dentro : {area.topLeft(), area.bottomRight(), area.center()})
            QCOMPARE(schermo.pixelColor(dentro), d.r.immagine().pixelColor(dentro - area.topLeft()));
        const QColor centro = schermo.pixelColor(area.center());
        QVERIFY(QByteArray(QTest::currentDataTag()).startsWith("claims") || (centro.blue() > 230 && centro.red() < 50));
        const QPoint a = area.topLeft(), b = area.bottomRight();
        for (const QPoint &fuori : {a - QPoint(1, 0), a - QPoint(0, 1), b + QPoint(1, 0), b + QPoint(0, 1)})
            if (schermo.rect().contains(fuori))
                QCOMPARE(schermo.pixelColor(fuori), QColor(Qt::white));
    }

    // The pool gives the very picture the box would decode itself, at the size
    // the box has when it is painted, and the file given last; a paint does
    // not decode again, a new size does.
    void decodificaSulPool()
    {
        ContestoProva c;
        const QString p = c.cartella.scrivi(QStringLiteral("images0/SOLE.jpg"), jpeg(QSize(512, 512), "JPG", true));
        const QString q = c.cartella.scrivi(QStringLiteral("images0/MARE.jpg"), jpeg(QSize(512, 256), "JPG", true));
        DueRiquadri d(QSize(300, 200));
        d.finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d.finestra));
        d.primo.CaricaFile(q);
        d.r.CaricaFile(p);
        QCOMPARE(d.r.immagine(), DecodificaImmagine(p, QSize(300, 200)));
        QCOMPARE(d.primo.immagine(), DecodificaImmagine(q, QSize(300, 200)));
        const qint64 chiave = d.r.immagine().cacheKey();
        d.r.grab();
        QCOMPARE(d.r.immagine().cacheKey(), chiave);

        d.primo.CaricaFile(p);
        d.r.CaricaFile(q);
        d.r.CaricaFile(p); // the second file wins over the first, still decoding
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(d.r.immagine(), DecodificaImmagine(p, QSize(300, 200)));
        QCOMPARE(d.primo.immagine(), DecodificaImmagine(p, QSize(300, 200)));

        d.r.CaricaFile(q);
        d.r.resize(150, 100); // resized before its paint: decoded at the new size
        QCOMPARE(d.r.immagine(), DecodificaImmagine(q, QSize(150, 100)));
        QCOMPARE(d.r.areaImmagine(), QRect(0, 12, 150, 75));
        d.r.resize(300, 200); // and again at the next size
        QCOMPARE(d.r.areaImmagine(), QRect(0, 25, 300, 150));

    }
};

QTEST_MAIN(TestImmaginiRotte)
#include "tst_immaginirotte.moc"
