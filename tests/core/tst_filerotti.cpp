#include "core/avvio.h"
#include "core/impostazioni.h"
#include "core/paroleliste.h"
#include "core/profilo.h"
#include "tests/support/provecomuni.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {
// An endless stream of random bytes that counts what was read from it.
class Casuali : public QIODevice
{
public:
    Casuali() { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 letti = 0;

protected:
    qint64 readData(char *data, qint64 max) override
    {
        QRandomGenerator r(static_cast<quint32>(letti));
        for (qint64 i = 0; i < max; ++i)
            data[i] = static_cast<char>(r.bounded(256));
        letti += max;
        return max;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
};
} // namespace

// Whatever a classroom PC holds in place of a list or a settings file, the
// program reads what it can, or falls back, and never crashes or hangs.
class TestFileRotti : public QObject
{
    Q_OBJECT
private slots:
    void listeRotte_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("attese");
        QTest::newRow("NUL bytes are dropped") << QByteArray("CA\0SA\r\n\0\0\r\nORSO", 15) << QStringList{"CASA", "", "ORSO"};
        QTest::newRow("control characters are dropped") << QByteArray("\x1B[31mCANE\x07\r\n") << QStringList{"[31mCANE"};
        QTest::newRow("UTF-16 LE with BOM") << QByteArray("\xFF\xFE" "C\0A\0S\0A\0\r\0\n\0c\0i\0t\0t\0\xE0\0", 24)
                                            << QStringList{"CASA", QString::fromUtf8("città")};
        QTest::newRow("UTF-16 BE with BOM") << QByteArray("\xFE\xFF\0O\0R\0S\0O\0\r\0\n", 14) << QStringList{"ORSO"};
        QTest::newRow("odd UTF-16 tail") << QByteArray("\xFF\xFE" "A\0B", 5) << QStringList{"A"};
    }
    void listeRotte()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, attese);
        QBuffer b;
        b.setData(file);
        b.open(QIODevice::ReadOnly);
        QCOMPARE(LeggiElementi(b), attese);
    }

    void spazzatura()
    {
        // Random binary data: at most 500 items, each one printable.
        for (quint32 seme = 1; seme <= 20; ++seme) {
            QByteArray dati(20000, '\0');
            QRandomGenerator r(seme);
            for (char &c : dati)
                c = static_cast<char>(r.bounded(256));
            QBuffer b;
            b.setData(dati);
            b.open(QIODevice::ReadOnly);
            const QStringList parole = LeggiElementi(b);
            QVERIFY(parole.size() <= 500);
            for (const QString &p : parole)
                for (const QChar c : p)
                    QVERIFY2(c.unicode() >= 0x20 || c == QLatin1Char('\t'), qPrintable(p));
        }
    }

    void fileEnormeLettoSoloFinoAl500()
    {
        // 100 MB or endless, the reader stops at the 500th item.
        Casuali infinito;
        const QStringList parole = LeggiElementi(infinito);
        QCOMPARE(parole.size(), 500);
        QVERIFY2(infinito.letti <= 1024 * 1024, qPrintable(QString::number(infinito.letti)));

        // One line of 100,000 characters, then words.
        ContestoProva c;
        const QString lunga = c.cartella.scrivi(QStringLiteral("lunga.txt"), QByteArray(100000, 'X') + "\r\nCASA\r\n");
        QVERIFY(CaricaParole(c.stato, lunga));
        QCOMPARE(c.stato.NumeroParole, qint16(2));
        QCOMPARE(c.stato.Parole[2], QStringLiteral("CASA"));
        QVERIFY(c.stato.Parole[1].size() <= 4096);
    }

    void listeCheNonSiAprono()
    {
        ContestoProva c;
        c.parole({QStringLiteral("VECCHIA")});
        // A folder where the list should be.
        QDir().mkpath(c.cartella.percorso(QStringLiteral("cartella.txt")));
        LetturaLista l = LeggiListaParole(c.cartella.percorso(QStringLiteral("cartella.txt")));
        QVERIFY(!l.aperta);
        QVERIFY(l.parole.isEmpty());
        QVERIFY(!l.errore.isEmpty());
        // A file that cannot be read (unless this user reads everything).
        const QString chiusa = c.cartella.scrivi(QStringLiteral("chiusa.txt"), "CASA\r\n");
        QFile::setPermissions(chiusa, QFileDevice::WriteOwner);
        if (!QFile(chiusa).open(QIODevice::ReadOnly)) {
            l = LeggiListaParole(chiusa);
            QVERIFY(!l.aperta);
            QVERIFY(!l.errore.isEmpty());
        }
    }

    void impostazioniRotte_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("carattere");
        QTest::newRow("garbage") << QByteArray("\xFF\xFE\x00\x01\x02[IMPOSTAZIONI\r\n=x\r\n", 24) << "maiuscolo";
        QTest::newRow("no section") << QByteArray("Carattere=corsivo\r\nSuoni attivati=Vero\r\n") << "maiuscolo";
        QTest::newRow("huge value") << "[IMPOSTAZIONI]\r\nCarattere=minuscolo\r\nFile in uso=" + QByteArray(5 * 1024 * 1024, 'a') + "\r\n" << "minuscolo";
        QTest::newRow("section twice") << QByteArray("[IMPOSTAZIONI]\r\nCarattere=corsivo\r\n[IMPOSTAZIONI]\r\nCarattere=minuscolo\r\n") << "corsivo";
    }
    void impostazioniRotte()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, carattere);
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        c.cartella.creaLista(QStringLiteral("TUTTE.txt"), {"CASA"});
        c.cartella.scrivi(QStringLiteral("../config/ImpostazioniProgrammiQuorla/Lettoria2.INI"), ini);
        const EsitoAvvio esito = Main(c.stato, a, c.dialoghi, {});
        QCOMPARE(esito.tipo, EsitoAvvio::Tipo::Prosegui);
        QCOMPARE(c.stato.Carattere, carattere);
        // Whatever the file named, a list that exists is in use.
        QCOMPARE(c.stato.FileInUso, a.listaPredefinita());
        QCOMPARE(c.stato.NumeroParole, qint16(1));
        // Saving on exit keeps the other lines and fixes ours.
        QCOMPARE(SalvaImpostazioni(c.stato, c.dialoghi), 0);
        Stato riletto;
        riletto.FileImpostazioni = a.fileImpostazioni();
        QVERIFY(LeggiImpostazioni(riletto, c.dialoghi));
        QCOMPARE(riletto.FileInUso, a.listaPredefinita());
    }

    void cartellaImpostazioniNonScrivibile()
    {
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        // A file where the settings folder should be: no readme, no settings.
        c.cartella.scrivi(QStringLiteral("../config/ImpostazioniProgrammiQuorla"), "occupato");
        const EsitoAvvio esito = Main(c.stato, a, c.dialoghi, {});
        QCOMPARE(esito.tipo, EsitoAvvio::Tipo::Prosegui);
        QVERIFY(c.dialoghi.chiamate.isEmpty());
        c.dialoghi.risposte = {Dialoghi::Risposta::Si};
        QVERIFY(ConfermaUscita(c.stato, c.dialoghi));
        QCOMPARE(c.dialoghi.testi(),
                 (QStringList{"Vuoi uscire dal programma?", QString::fromUtf8("C'è stato un errore nel salvare le configurazioni!"),
                              QString::fromUtf8("C'è stato un errore nel salvare le configurazioni!"),
                              QString::fromUtf8("C'è stato un errore nel salvare le configurazioni!")}));
        QCOMPARE(leggiFile(c.cartella.percorso(QStringLiteral("../config/ImpostazioniProgrammiQuorla"))), QByteArray("occupato"));
    }
};

QTEST_GUILESS_MAIN(TestFileRotti)
#include "tst_filerotti.moc"
