#include "core/paroleliste.h"
#include "tests/support/provecomuni.h"
#include "windows/riquadroimmagine.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QThreadPool>

#include <memory>
#include <vector>

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
// Two boxes of one item side by side: the first waits for its paint, the
// second goes to the thread pool.
struct DueRiquadri
{
    DueRiquadri()
    {
        finestra.resize(600, 200);
        primo.setGeometry(300, 0, 300, 200);
        r.resize(300, 200);
    }
    QWidget finestra;
    RiquadroImmagine primo{&finestra};
    RiquadroImmagine r{&finestra};
};
} // namespace

// Whatever sits in images0 under a word's name, the picture box shows it or
// stays white with a grey border; it never crashes or hangs.
class TestImmaginiRotte : public QObject
{
    Q_OBJECT
private slots:
    // Each case twice: a hidden box decodes at its first paint, a box on
    // screen after another one on the thread pool.
    void immagini_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("valida");
        QTest::addColumn<bool>("mostrato");
        for (const bool mostrato : {false, true}) {
            const char *dove = mostrato ? ", shown" : ", hidden";
            QTest::addRow("a good JPEG%s", dove) << jpeg(QSize(512, 512)) << true << mostrato;
            QTest::addRow("zero bytes%s", dove) << QByteArray() << false << mostrato;
            QTest::addRow("a PNG named .jpg%s", dove) << jpeg(QSize(100, 80), "PNG") << true << mostrato;
            QTest::addRow("text named .jpg%s", dove) << QByteArray("non sono un'immagine") << false << mostrato;
            QTest::addRow("truncated JPEG%s", dove) << jpeg(QSize(512, 512)).left(300) << false << mostrato;
            QTest::addRow("claims 20000 x 20000%s", dove) << conDimensioneFinta(jpeg(QSize(64, 64)), 20000, 20000) << true
                                                         << mostrato;
        }
    }
    void immagini()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, valida);
        QFETCH(bool, mostrato);
        ContestoProva c;
        c.cartella.scrivi(QStringLiteral("images0/CASA.jpg"), contenuto);
        DueRiquadri d;
        QWidget &finestra = d.finestra;
        RiquadroImmagine &primo = d.primo;
        RiquadroImmagine &r = d.r;
        if (mostrato) {
            finestra.show();
            QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        }
        primo.CaricaFile(PercorsoImmagine(c.cartella.ambiente(), QStringLiteral("casa")));
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

    // The pool gives the very picture the box would decode itself, at the size
    // the box has when it is painted, and the file given last.
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
        const QString q = c.cartella.scrivi(QStringLiteral("images0/MARE.jpg"), jpeg(QSize(512, 512)));

        // The first box of an item waits for its paint, the second goes to the pool.
        DueRiquadri d;
        QWidget &finestra = d.finestra;
        RiquadroImmagine &primo = d.primo;
        RiquadroImmagine &r = d.r;
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        primo.CaricaFile(q);
        r.CaricaFile(p);
        QCOMPARE(r.immagine(), DecodificaImmagine(p, QSize(300, 200)));
        QCOMPARE(primo.immagine(), DecodificaImmagine(q, QSize(300, 200)));

        primo.CaricaFile(p);
        r.CaricaFile(q);
        r.CaricaFile(p); // the second file wins over the first, still decoding
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(r.immagine(), DecodificaImmagine(p, QSize(300, 200)));

        r.CaricaFile(q);
        r.resize(150, 100); // resized before its paint: decoded at the new size
        QCOMPARE(r.immagine(), DecodificaImmagine(q, QSize(150, 100)));
        QCOMPARE(r.file(), q);
        QCOMPARE(primo.immagine(), DecodificaImmagine(p, QSize(300, 200)));
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
