#include "tests/support/provefinestre.h"
#include "windows/exercises/nometrascinabile.h"
#include "windows/icone.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// A dragged name and the places that take it, outside any window.
class TestTrascinamento : public QObject
{
    Q_OBJECT

    struct Banco
    {
        QWidget finestra;
        NomeTrascinabile *nomi[2];
        QLabel *riquadro;
        RicevitoreNomi *ricevitore;

        Banco()
        {
            finestra.resize(600, 400);
            for (int i = 0; i < 2; ++i) {
                nomi[i] = new NomeTrascinabile(&finestra);
                nomi[i]->setProperty("Index", i);
                nomi[i]->setText(QStringLiteral("CASA"));
                nomi[i]->setGeometry(20 + i * 300, 250, 200, 60);
            }
            riquadro = new QLabel(&finestra);
            riquadro->setProperty("Index", 1);
            riquadro->setGeometry(20, 100, 150, 60);
            ricevitore = new RicevitoreNomi(riquadro, {nomi[0], nomi[1]});
        }
    };

    static bool rilascia(QWidget *bersaglio, const QMimeData &dati)
    {
        QDragEnterEvent entra(QPoint(5, 5), Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bersaglio, &entra);
        QDropEvent lascia(QPointF(5, 5), Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bersaglio, &lascia);
        return entra.isAccepted() && lascia.isAccepted();
    }

private slots:
    void soloINostriNomi_data()
    {
        QTest::addColumn<int>("nome"); // -1: the data below; 2: a name of another window
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("abilitato");
        QTest::newRow("first name") << 0 << QString() << QByteArray() << true;
        QTest::newRow("second name, same text") << 1 << QString() << QByteArray() << true;
        QTest::newRow("disabled name") << 1 << QString() << QByteArray() << false;
        QTest::newRow("another window's name") << 2 << QString() << QByteArray() << true;
        QTest::newRow("plain text") << -1 << QStringLiteral("text/plain") << QByteArray("CASA") << true;
        QTest::newRow("our type, unknown name") << -1 << TipoNomeTrascinato << QByteArray("1 2 0") << true;
    }
    void soloINostriNomi()
    {
        QFETCH(int, nome);
        QFETCH(QString, tipo);
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, abilitato);
        Banco b;
        Banco altro;
        QMimeData dati;
        if (nome == 2) {
            altro.nomi[0]->riempiDati(dati);
        } else if (nome >= 0) {
            b.nomi[nome]->riempiDati(dati);
            b.nomi[nome]->setEnabled(abilitato);
        } else {
            dati.setData(tipo, contenuto);
        }
        QVERIFY(b.riquadro->acceptDrops());
        QSignalSpy rilasci(b.ricevitore, &RicevitoreNomi::rilasciato);
        const bool atteso = nome >= 0 && nome < 2 && abilitato;
        QCOMPARE(rilascia(b.riquadro, dati), atteso);
        QCOMPARE(rilasci.size(), atteso ? 1 : 0);
        if (atteso)
            QCOMPARE(rilasci.at(0), (QList<QVariant>{1, nome}));
        QCOMPARE(RicevitoreNomi::di(b.riquadro), b.ricevitore);
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
        // Where the platform runs the drag, let go over the name itself.
        QTimer::singleShot(0, n, [n, pulsante] { QTest::mouseRelease(n, pulsante); });
        QTest::mousePress(n, pulsante);
        QCOMPARE(inizio.size(), avviato ? 1 : 0);
        QCOMPARE(fine.size(), avviato ? 1 : 0);
        if (avviato)
            QCOMPARE(fine.at(0).at(1).value<Qt::DropAction>(), Qt::IgnoreAction);
        // The name never moves.
        QCOMPARE(n->geometry(), QRect(20, 250, 200, 60));
        QTest::mouseRelease(n, pulsante);
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
