#include "core/avvio.h"
#include "core/impostazioni.h"
#include "tests/support/provecomuni.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTest>

class TestAvvio : public QObject
{
    Q_OBJECT

    QStringList fontRegistrati;
    std::function<void(const QString &)> registra()
    {
        return [this](const QString &f) { fontRegistrati.append(f); };
    }

private slots:
    void init() { fontRegistrati.clear(); }

    void primoAvvio()
    {
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        c.cartella.scrivi(QStringLiteral("indis1.ttf"), "font");
        c.cartella.creaLista(QStringLiteral("TUTTE.txt"), {"CASA", "Cane"});
        const EsitoAvvio esito = Main(c.stato, a, c.dialoghi, registra());
        QCOMPARE(esito.tipo, EsitoAvvio::Tipo::Prosegui);
        // The font is copied, announced and registered.
        QCOMPARE(leggiFile(a.cartellaFont + QStringLiteral("/indis1.ttf")), QByteArray("font"));
        QCOMPARE(c.dialoghi.chiamate.size(), 1);
        QCOMPARE(c.dialoghi.chiamate[0].icona, Dialoghi::Icona::Nessuna);
        QCOMPARE(c.dialoghi.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(c.dialoghi.chiamate[0].testo.split(QStringLiteral("\r\n")).size(), 4);
        QVERIFY(c.dialoghi.chiamate[0].testo.startsWith(QStringLiteral("Ho installato il font per il corsivo 'indis1.ttf'\r\n ----------------------- \r\n")));
        QCOMPARE(fontRegistrati, QStringList{a.fileFontProgramma()});
        // Settings folder and readme exist; no settings file yet.
        QVERIFY(QFile::exists(a.fileLeggimi()));
        QVERIFY(!QFile::exists(a.fileImpostazioni()));
        QCOMPARE(c.stato.Carattere, QStringLiteral("maiuscolo"));
        QVERIFY(c.stato.SuoniAttivati);
        QCOMPARE(c.stato.FileInUso, a.listaPredefinita());
        // The words stay exactly as read.
        QCOMPARE(c.stato.NumeroParole, qint16(2));
        QCOMPARE(c.stato.Parole[2], QStringLiteral("Cane"));
        QCOMPARE(c.stato.ListePredefinite[1][1], QStringLiteral("1vocali.txt"));
    }

    void secondoAvvio()
    {
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        c.cartella.scrivi(QStringLiteral("indis1.ttf"), "font");
        const QString mia = c.cartella.creaLista(QStringLiteral("mia.txt"), {"ORSO"});
        {
            const EsitoAvvio primo = Main(c.stato, a, c.dialoghi, registra());
            QVERIFY(primo.blocco);
        }
        c.stato.FileInUso = mia;
        c.stato.Carattere = QStringLiteral("corsivo");
        QCOMPARE(SalvaImpostazioni(c.stato, c.dialoghi), 0);
        QFile::remove(a.fileLeggimi());
        QFile leggimi(a.fileLeggimi());
        QVERIFY(leggimi.open(QIODevice::WriteOnly));
        leggimi.write("mio");
        leggimi.close();

        ContestoProva d;
        c.dialoghi.chiamate.clear();
        const EsitoAvvio esito = Main(d.stato, a, c.dialoghi, registra());
        QCOMPARE(esito.tipo, EsitoAvvio::Tipo::Prosegui);
        QVERIFY(c.dialoghi.chiamate.isEmpty()); // no font message this time
        QCOMPARE(leggiFile(a.fileLeggimi()), QByteArray("mio")); // readme not written again
        QCOMPARE(d.stato.Carattere, QStringLiteral("corsivo"));
        QCOMPARE(d.stato.FileInUso, mia);
        QCOMPARE(d.stato.NumeroParole, qint16(1));
        QCOMPARE(fontRegistrati.size(), 2); // registered in every run
    }

    void listaCancellataDiventaQuellaPredefinita()
    {
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        c.cartella.creaLista(QStringLiteral("TUTTE.txt"), {"CASA", "CANE", "GATTO"});
        c.stato.FileInUso = c.cartella.percorso(QStringLiteral("cancellata.txt"));
        QDir().mkpath(a.cartellaImpostazioni);
        QCOMPARE(SalvaImpostazioni(c.stato, c.dialoghi), 0);
        const QByteArray prima = leggiFile(a.fileImpostazioni());
        const EsitoAvvio esito = Main(c.stato, a, c.dialoghi, registra());
        QCOMPARE(esito.tipo, EsitoAvvio::Tipo::Prosegui);
        QCOMPARE(c.stato.FileInUso, a.listaPredefinita());
        QCOMPARE(c.stato.NumeroParole, qint16(3));
        QCOMPARE(leggiFile(a.fileImpostazioni()), prima); // corrected only when next written
    }

    void senzaListaNeFontSiParteLostesso()
    {
        ContestoProva c;
        const EsitoAvvio esito = Main(c.stato, c.cartella.ambiente(), c.dialoghi, registra());
        QCOMPARE(esito.tipo, EsitoAvvio::Tipo::Prosegui);
        QCOMPARE(c.stato.NumeroParole, qint16(0));
        QVERIFY(c.dialoghi.chiamate.isEmpty());
        QVERIFY(fontRegistrati.isEmpty());
    }

    void impostazioniDanneggiate()
    {
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        c.cartella.scrivi(QStringLiteral("../config/ImpostazioniProgrammiQuorla/Lettoria2.INI"),
                          "[IMPOSTAZIONI]\r\nCarattere=\r\n");
        const EsitoAvvio esito = Main(c.stato, a, c.dialoghi, registra());
        QCOMPARE(esito.tipo, EsitoAvvio::Tipo::ImpostazioniDanneggiate);
        QVERIFY(!QFile::exists(a.fileImpostazioni()));
        QCOMPARE(c.dialoghi.testi().last(), QString::fromUtf8("C'è stato un errore nel recuperare le configurazioni!"));
    }

    void secondaCopiaRifiutata()
    {
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        const EsitoAvvio primo = Main(c.stato, a, c.dialoghi, registra());
        QVERIFY(primo.blocco);

        // While the first copy holds its lock, a second start is refused.
        ContestoProva d;
        const EsitoAvvio secondo = Main(d.stato, a, d.dialoghi, registra());
        QCOMPARE(secondo.tipo, EsitoAvvio::Tipo::SecondaCopia);
        QCOMPARE(d.dialoghi.chiamate.size(), 1);
        QCOMPARE(d.dialoghi.chiamate[0].titolo, QStringLiteral("Error"));
        QCOMPARE(d.dialoghi.chiamate[0].icona, Dialoghi::Icona::Critica);
        QCOMPARE(d.dialoghi.chiamate[0].testo, QString::fromUtf8("E' già stata avviata una copia di questo programma!"));
        QCOMPARE(d.stato.NumeroParole, qint16(0)); // nothing else was done
    }

    void bloccoAbbandonatoNonFerma()
    {
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        // A lock file left by a copy that crashed: its process no longer exists.
        c.cartella.scrivi(QStringLiteral("../tmp/Lettoria2.lock"),
                          "999999\nLettoria2\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        const EsitoAvvio esito = Main(c.stato, a, c.dialoghi, registra());
        QCOMPARE(esito.tipo, EsitoAvvio::Tipo::Prosegui);
    }

    void uscita()
    {
        ContestoProva c;
        QDir().mkpath(c.cartella.ambiente().cartellaImpostazioni);
        c.dialoghi.risposte = {Dialoghi::Risposta::No, Dialoghi::Risposta::Si};
        QVERIFY(!ConfermaUscita(c.stato, c.dialoghi));
        QVERIFY(!QFile::exists(c.stato.FileImpostazioni));
        QVERIFY(ConfermaUscita(c.stato, c.dialoghi));
        QVERIFY(QFile::exists(c.stato.FileImpostazioni));
        QCOMPARE(c.dialoghi.chiamate[0].testo, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(c.dialoghi.chiamate[0].icona, Dialoghi::Icona::Domanda);
        QCOMPARE(c.dialoghi.chiamate[0].pulsanti, Dialoghi::Pulsanti::SiNo);
    }

    void crediti()
    {
        FakeDialoghi d;
        MostraCrediti(d);
        QCOMPARE(d.chiamate.size(), 1);
        QCOMPARE(d.chiamate[0].icona, Dialoghi::Icona::Informazione);
        QCOMPARE(d.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        const QStringList righe = d.chiamate[0].testo.split(QStringLiteral("\r\n"));
        QCOMPARE(righe.size(), 7);
        QVERIFY(righe[0].startsWith(QStringLiteral(" Programma di ")) && righe[0].endsWith(QStringLiteral("  ")));
        QVERIFY(righe[2].startsWith(QStringLiteral("mail: ")));
        QCOMPARE(righe[3], QStringLiteral(" ----------------------- "));
        QVERIFY(righe[4].startsWith(QStringLiteral("Archivi di ")));
        QVERIFY(righe[6].startsWith(QStringLiteral("mail: ")));
    }
};

QTEST_GUILESS_MAIN(TestAvvio)
#include "tst_avvio.moc"
