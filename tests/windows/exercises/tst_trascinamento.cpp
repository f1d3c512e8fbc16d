#include "tests/support/provefinestre.h"
#include "windows/exercises/trascinamento.h"
#include "windows/icone.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The offscreen platform ends every drag the moment it starts; the minimal
// one runs it as a desktop does, still without a screen.
static const bool piattaformaMinima = qputenv("QT_QPA_PLATFORM", "minimal");

// The dragged names and the boxes that take them, outside any window.
class TestTrascinamento : public QObject
{
    Q_OBJECT

    struct Banco
    {
        QWidget finestra;
        NomeTrascinabile *nomi[2];
        QLabel *riquadri[3];
        RicevitoreNomi *ricevitori[3];
        QLabel *altro;

        Banco()
        {
            finestra.resize(600, 400);
            for (int i = 0; i < 2; ++i) {
                nomi[i] = new NomeTrascinabile(&finestra);
                nomi[i]->setProperty("Index", i);
                nomi[i]->setText(i ? QStringLiteral("CANE") : QStringLiteral("CASA"));
                nomi[i]->setGeometry(20 + i * 300, 250, 200, 60);
            }
            for (int j = 0; j < 3; ++j) {
                riquadri[j] = new QLabel(&finestra);
                riquadri[j]->setProperty("Index", j);
                riquadri[j]->setGeometry(20 + j * 200, 100, 150, 60);
                ricevitori[j] = new RicevitoreNomi(riquadri[j], {nomi[0], nomi[1]});
            }
            altro = new QLabel(&finestra);
            altro->setGeometry(20, 20, 100, 40);
        }
    };

    // Sends enter, move and drop to a target as a drag over its centre would.
    static bool trascina(QWidget *bersaglio, const QMimeData &dati)
    {
        const QPointF centro = QRectF(bersaglio->rect()).center();
        QDragEnterEvent entra(centro.toPoint(), Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bersaglio, &entra);
        if (!entra.isAccepted())
            return false;
        QDragMoveEvent muovi(centro.toPoint(), Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bersaglio, &muovi);
        QDropEvent lascia(centro, Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bersaglio, &lascia);
        return lascia.isAccepted();
    }

private slots:
    void soloINostriNomi_data()
    {
        QTest::addColumn<int>("nome");      // -1: data made up below
        QTest::addColumn<QByteArray>("tipo");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("accettato");
        QTest::newRow("our name") << 0 << QByteArray() << QByteArray() << true;
        QTest::newRow("the other name") << 1 << QByteArray() << QByteArray() << true;
        QTest::newRow("plain text") << -1 << QByteArray("text/plain") << QByteArray("CASA") << false;
        QTest::newRow("our type, unknown name") << -1 << TipoNomeTrascinato.toLatin1() << QByteArray("1 2 0") << false;
        QTest::newRow("our type, empty") << -1 << TipoNomeTrascinato.toLatin1() << QByteArray() << false;
    }
    void soloINostriNomi()
    {
        QFETCH(int, nome);
        QFETCH(QByteArray, tipo);
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, accettato);
        Banco b;
        QMimeData dati;
        if (nome >= 0)
            b.nomi[nome]->riempiDati(dati);
        else
            dati.setData(QString::fromLatin1(tipo), contenuto);
        QSignalSpy rilasci(b.ricevitori[1], &RicevitoreNomi::rilasciato);
        QCOMPARE(trascina(b.riquadri[1], dati), accettato);
        if (accettato) {
            QCOMPARE(rilasci.size(), 1);
            QCOMPARE(rilasci.at(0).at(0).toInt(), 1);
            QCOMPARE(rilasci.at(0).at(1).toInt(), nome);
        } else {
            QCOMPARE(rilasci.size(), 0);
        }
    }

    void nomeDisabilitatoOEstraneo()
    {
        Banco b;
        Banco altroBanco;
        QMimeData dati;
        b.nomi[0]->riempiDati(dati);
        QSignalSpy rilasci(b.ricevitori[0], &RicevitoreNomi::rilasciato);
        // A name placed in its box is disabled: a drag of it left over is refused.
        b.nomi[0]->setEnabled(false);
        QVERIFY(!trascina(b.riquadri[0], dati));
        b.nomi[0]->setEnabled(true);
        QVERIFY(trascina(b.riquadri[0], dati));
        // Another window's box does not take our names, even with the same index.
        QSignalSpy altriRilasci(altroBanco.ricevitori[0], &RicevitoreNomi::rilasciato);
        QVERIFY(!trascina(altroBanco.riquadri[0], dati));
        QCOMPARE(rilasci.size(), 1);
        QCOMPARE(altriRilasci.size(), 0);
        // Plain labels take nothing.
        QVERIFY(!b.altro->acceptDrops());
        QVERIFY(!RicevitoreNomi::di(b.altro));
        QCOMPARE(RicevitoreNomi::di(b.riquadri[2]), b.ricevitori[2]);
        QVERIFY(!b.nomi[1]->acceptDrops());
    }

    void laPressioneAvviaIlTrascinamento_data()
    {
        QTest::addColumn<Qt::MouseButton>("pulsante");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("abilitato");
        QTest::addColumn<bool>("avviato");
        QTest::newRow("left button") << Qt::LeftButton << QStringLiteral("CASA") << true << true;
        QTest::newRow("right button") << Qt::RightButton << QStringLiteral("CASA") << true << false;
        QTest::newRow("empty slot") << Qt::LeftButton << QString() << true << false;
        QTest::newRow("disabled") << Qt::LeftButton << QStringLiteral("CASA") << false << false;
    }
    void laPressioneAvviaIlTrascinamento()
    {
        QFETCH(Qt::MouseButton, pulsante);
        QFETCH(QString, testo);
        QFETCH(bool, abilitato);
        QFETCH(bool, avviato);
        Banco b;
        b.finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.finestra));
        NomeTrascinabile *n = b.nomi[0];
        n->setText(testo);
        n->setEnabled(abilitato);
        QSignalSpy inizio(n, &NomeTrascinabile::trascinamentoIniziato);
        QSignalSpy fine(n, &NomeTrascinabile::trascinamentoFinito);
        // Whatever a drag does headless, let go of it at once.
        QTimer::singleShot(0, n, [n, pulsante] { QTest::mouseRelease(n, pulsante); });
        QTest::mousePress(n, pulsante);
        QCOMPARE(inizio.size(), avviato ? 1 : 0);
        QCOMPARE(fine.size(), avviato ? 1 : 0);
        if (avviato) {
            QCOMPARE(inizio.at(0).at(0).toInt(), 0);
            QCOMPARE(fine.at(0).at(1).value<Qt::DropAction>(), Qt::IgnoreAction);
        }
        QTest::mouseRelease(n, pulsante);
    }

    // A whole drag driven by the pointer: press on a name, move over a box, let go.
    void trascinamentoVero()
    {
        Banco b;
        b.finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.finestra));
        NomeTrascinabile *n = b.nomi[1];
        QLabel *r = b.riquadri[2];
        QSignalSpy rilasci(b.ricevitori[2], &RicevitoreNomi::rilasciato);
        QSignalSpy fine(n, &NomeTrascinabile::trascinamentoFinito);
        QTimer::singleShot(0, n, [n, r] {
            const QPoint meta = r->mapTo(n->window(), r->rect().center()) / 2;
            QTest::mouseMove(n->window(), meta);
            QTest::mouseMove(n->window(), r->mapTo(n->window(), r->rect().center()));
            QTest::mouseRelease(n->window(), Qt::LeftButton, Qt::NoModifier,
                                r->mapTo(n->window(), r->rect().center()));
        });
        QTest::mousePress(n, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTRY_COMPARE(fine.size(), 1);
        QCOMPARE(rilasci.size(), 1);
        QCOMPARE(rilasci.at(0).at(0).toInt(), 2);
        QCOMPARE(rilasci.at(0).at(1).toInt(), 1);
        QCOMPARE(fine.at(0).at(1).value<Qt::DropAction>(), Qt::MoveAction);
        // The name is still where it was.
        QCOMPARE(n->geometry(), QRect(320, 250, 200, 60));
        QCOMPARE(n->text(), QStringLiteral("CANE"));
    }

    void immagineDelNome()
    {
        Banco b;
        const QPixmap pm = b.nomi[0]->immagineTrascinamento();
        QCOMPARE(pm.size() / pm.devicePixelRatio(), QSize(200, 60));
    }

    void puntatoriConLaPuntaAlCentro()
    {
        for (const QCursor &c : {icone::cursoreFrecciaGrande(), icone::cursoreAereo()}) {
            const QImage originale = c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage tela = PuntatoreTrascinamento(c).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(tela.width(), 2 * std::max(originale.width(), originale.height()));
            const QPoint spostamento = QPoint(tela.width() / 2, tela.height() / 2) - c.hotSpot();
            for (int y = 0; y < originale.height(); y += 3)
                for (int x = 0; x < originale.width(); x += 3)
                    QCOMPARE(tela.pixel(QPoint(x, y) + spostamento), originale.pixel(x, y));
        }
    }
};

QTEST_MAIN(TestTrascinamento)
#include "tst_trascinamento.moc"
