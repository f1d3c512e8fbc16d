#include "core/paroleliste.h"
#include "tests/support/provecomuni.h"
#include "windows/riquadroimmagine.h"

#include <QBuffer>
#include <QDir>
#include <QTest>
#include <QThreadPool>

#include <memory>
#include <vector>

namespace {
const QColor Blu(30, 144, 255);

QByteArray jpeg(QSize dimensione, const char *formato = "JPG")
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Blu);
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
    b[sof + 5] = char(h >> 8);
    b[sof + 6] = char(h & 0xFF);
    b[sof + 7] = char(w >> 8);
    b[sof + 8] = char(w & 0xFF);
    return b;
}

bool vicino(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 24;
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
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QSize>("riquadro");
        QTest::addColumn<QRect>("area"); // where the picture is drawn; empty: none
        QTest::addColumn<bool>("mostrato");
        for (const bool mostrato : {false, true}) {
            const char *dove = mostrato ? ", shown" : ", hidden";
            QTest::addRow("wide in a square%s", dove) << jpeg(QSize(200, 100)) << QSize(300, 300) << QRect(0, 75, 300, 150) << mostrato;
            QTest::addRow("square in a wide box%s", dove) << jpeg(QSize(512, 512)) << QSize(300, 200) << QRect(50, 0, 200, 200) << mostrato;
            QTest::addRow("tall, enlarged%s", dove) << jpeg(QSize(60, 90)) << QSize(301, 300) << QRect(50, 0, 200, 300) << mostrato;
            QTest::addRow("a PNG named .jpg%s", dove) << jpeg(QSize(100, 80), "PNG") << QSize(300, 200) << QRect(25, 0, 250, 200) << mostrato;
            QTest::addRow("claims 20000 x 20000%s", dove) << conDimensioneFinta(jpeg(QSize(64, 64)), 20000, 20000)
                                                         << QSize(300, 200) << QRect(50, 0, 200, 200) << mostrato;
            QTest::addRow("zero bytes%s", dove) << QByteArray() << QSize(300, 200) << QRect() << mostrato;
            QTest::addRow("text named .jpg%s", dove) << QByteArray("non sono un'immagine") << QSize(300, 200) << QRect() << mostrato;
            QTest::addRow("truncated JPEG%s", dove) << jpeg(QSize(512, 512)).left(300) << QSize(300, 200) << QRect() << mostrato;
        }
    }
    void immagini()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QSize, riquadro);
        QFETCH(QRect, area);
        QFETCH(bool, mostrato);
        ContestoProva c;
        const QString p = c.cartella.scrivi(QStringLiteral("images0/CASA.jpg"), contenuto);
        DueRiquadri d(riquadro);
        if (mostrato) {
            d.finestra.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d.finestra));
        }
        d.primo.CaricaFile(p);
        d.r.CaricaFile(PercorsoImmagine(c.cartella.ambiente(), QStringLiteral("casa")));
        // Decoded once at the size drawn: a 20,000 x 20,000 header allocates nothing of the kind.
        QCOMPARE(d.r.immagineValida(), !area.isEmpty());
        QCOMPARE(d.r.areaImmagine(), area);
        QCOMPARE(d.r.immagine().size(), area.size());
        const QImage schermo = d.r.grab().toImage();
        if (area.isEmpty()) {
            QCOMPARE(schermo.pixelColor(150, 100), QColor(Qt::white));
            QCOMPARE(schermo.pixelColor(0, 100), QColor(160, 160, 160));
            return;
        }
        // The picture to its very edges, white beyond them.
        for (const QPoint &dentro : {area.topLeft(), area.bottomRight(), area.center()})
            QCOMPARE(schermo.pixelColor(dentro), d.r.immagine().pixelColor(dentro - area.topLeft()));
        // (Past its real 64 x 64 pixels the lying file decodes as grey.)
        if (!QByteArray(QTest::currentDataTag()).startsWith("claims"))
            QVERIFY(vicino(schermo.pixelColor(area.center()), Blu));
        const QPoint a = area.topLeft(), b = area.bottomRight();
        for (const QPoint &fuori : {a - QPoint(1, 0), a - QPoint(0, 1), b + QPoint(1, 0), b + QPoint(0, 1)})
            if (schermo.rect().contains(fuori))
                QCOMPARE(schermo.pixelColor(fuori), QColor(Qt::white));
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
        QCOMPARE(r.areaImmagine(), QRect());
    }

    // The pool gives the very picture the box would decode itself, at the size
    // the box has when it is painted, and the file given last; a paint does
    // not decode again.
    void decodificaSulPool()
    {
        ContestoProva c;
        QImage sorgente(512, 512, QImage::Format_RGB32);
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x)
                sorgente.setPixel(x, y, qRgb(x / 2, y / 2, (x + y) / 4));
        QByteArray b;
        QBuffer buf(&b);
        buf.open(QIODevice::WriteOnly);
        QVERIFY(sorgente.save(&buf, "JPG"));
        const QString p = c.cartella.scrivi(QStringLiteral("images0/SOLE.jpg"), b);
        const QString q = c.cartella.scrivi(QStringLiteral("images0/MARE.jpg"), jpeg(QSize(512, 256)));

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

        d.r.CaricaFile(q);
        d.r.resize(150, 100); // resized before its paint: decoded at the new size
        QCOMPARE(d.r.immagine(), DecodificaImmagine(q, QSize(150, 100)));
        QCOMPARE(d.r.areaImmagine(), QRect(0, 12, 150, 75));
        QCOMPARE(d.r.file(), q);
        d.r.resize(300, 200); // and again at the next size
        QCOMPARE(d.r.areaImmagine(), QRect(0, 25, 300, 150));
        QCOMPARE(d.primo.immagine(), DecodificaImmagine(p, QSize(300, 200)));
    }

    // Boxes given a file and deleted at once, while the pool still decodes for
    // them, leave nothing behind that crashes.
    void riquadroEliminatoDuranteLaDecodifica()
    {
        ContestoProva c;
        const QString p = c.cartella.scrivi(QStringLiteral("images0/MARE.jpg"), jpeg(QSize(512, 512)));
        QWidget finestra;
        finestra.resize(400, 400);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        for (int giro = 0; giro < 20; ++giro) {
            std::vector<std::unique_ptr<RiquadroImmagine>> riquadri;
            for (int i = 0; i < 4; ++i) {
                riquadri.push_back(std::make_unique<RiquadroImmagine>(&finestra));
                riquadri.back()->setGeometry(i * 100, 0, 100, 100);
                riquadri.back()->show();
                riquadri.back()->CaricaFile(p);
            }
            if (giro % 2)
                QVERIFY(riquadri.front()->immagineValida());
        }
        QThreadPool::globalInstance()->waitForDone();
        RiquadroImmagine r(&finestra);
        r.setGeometry(0, 0, 100, 100);
        r.show();
        r.CaricaFile(p);
        QCOMPARE(r.immagine().size(), QSize(100, 100));
    }
};

QTEST_MAIN(TestImmaginiRotte)
#include "tst_immaginirotte.moc"
