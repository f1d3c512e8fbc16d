// Word lists: reading a list file (or whatever a classroom PC holds in its
// place), the pictures of words, and writing new lists.
#include "core/cp1252.h"
#include "core/creazioneliste.h"
#include "core/paroleliste.h"
#include "tests/support/provecomuni.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
#ifdef Q_OS_UNIX
// A check that waits on a pipe or a device is ended by SIGALRM instead of hanging.
struct Sveglia { Sveglia() { ::alarm(10); } ~Sveglia() { ::alarm(0); } };
#else
struct Sveglia {};
#endif

QStringList elementi(const QByteArray &b, int massimo = 500)
{
    QBuffer buf;
    buf.setData(b);
    buf.open(QIODevice::ReadOnly);
    return LeggiElementi(buf, massimo);
}

QByteArray casuali(quint32 seme, int n)
{
    QByteArray dati(n, '\0');
    QRandomGenerator r(seme);
    for (char &c : dati)
        c = static_cast<char>(r.bounded(256));
    return dati;
}
} // namespace

class TestParoleListe : public QObject
{
    Q_OBJECT

private slots:
    void elementi_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("attese");
        QTest::newRow("two lines CR LF") << QByteArray("CASA\r\nCANE\r\n") << QStringList{"CASA", "CANE"};
        QTest::newRow("no final line end") << QByteArray("CASA\r\nCANE") << QStringList{"CASA", "CANE"};
        QTest::newRow("LF, CR") << QByteArray("CASA\nCANE\rORSO\r") << QStringList{"CASA", "CANE", "ORSO"};
        QTest::newRow("blanks around") << QByteArray("   CASA   \r\n\tCANE\r\n") << QStringList{"CASA", "CANE"};
        QTest::newRow("quoted comma") << QByteArray("\"CASA, BELLA\"\r\n") << QStringList{"CASA, BELLA"};
        QTest::newRow("unquoted comma") << QByteArray("CASA, BELLA\r\n") << QStringList{"CASA", "BELLA"};
        QTest::newRow("empty line inside") << QByteArray("CASA\r\n\r\nCANE\r\n") << QStringList{"CASA", "", "CANE"};
        QTest::newRow("quoted keeps blanks") << QByteArray("\"  ORSO \"\r\n") << QStringList{"  ORSO "};
        QTest::newRow("after closing quote skipped") << QByteArray("\"ORSO\"xyz,LUPO\r\n") << QStringList{"ORSO", "LUPO"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("comma then line end") << QByteArray("A,\r\nB\r\n") << QStringList{"A", "", "B"};
        QTest::newRow("windows-1252") << QByteArray("CITT\xC0\r\n\x80\x8A\x9C\r\n") << QStringList{QString::fromUtf8("CITTÀ"), QString::fromUtf8("€Šœ")};
        QTest::newRow("utf-8") << QByteArray("CITT\xC3\x80\r\n") << QStringList{QString::fromUtf8("CITTÀ")};
        QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBF" "CASA\r\n") << QStringList{"CASA"};
        QTest::newRow("invalid utf-8 is 1252") << QByteArray("\xC3\x28\r\n") << QStringList{QString::fromUtf8("Ã(")};
        QTest::newRow("NUL bytes dropped") << QByteArray("CA\0SA\r\n\0\0\r\nORSO", 15) << QStringList{"CASA", "", "ORSO"};
        QTest::newRow("control characters dropped") << QByteArray("\x1B[31mCANE\x07\r\n") << QStringList{"[31mCANE"};
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE" "C\0A\0S\0A\0\r\0\n\0c\0i\0t\0t\0\xE0\0", 24) << QStringList{"CASA", QString::fromUtf8("città")};
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0O\0R\0S\0O\0\r\0\n", 14) << QStringList{"ORSO"};
        QTest::newRow("odd UTF-16 tail") << QByteArray("\xFF\xFE" "A\0B", 5) << QStringList{"A"};
    }
    void elementi()
    {
        QFETCH(QByteArray, file);
        QTEST(::elementi(file), "attese");
    }

    void cp1252AndataERitorno()
    {
        QByteArray tutti;
        for (int b = 0; b < 256; ++b)
            tutti.append(static_cast<char>(b));
        QCOMPARE(cp1252::encode(cp1252::decode(tutti)), tutti);
        QCOMPARE(cp1252::encode(QString::fromUtf8("città € 日")), QByteArray("citt\xE0 \x80 ?"));
        QVERIFY(!cp1252::canEncode(QString::fromUtf8("日")) && cp1252::canEncode(QString::fromUtf8("Œ€")));
    }

    void limiti()
    {
        QByteArray b;
        for (int i = 1; i <= 501; ++i)
            b += "P" + QByteArray::number(i) + "\r\n";
        ContestoProva c;
        QVERIFY(CaricaParole(c.sessione.lista, c.cartella.scrivi(QStringLiteral("lunga.txt"), b)));
        QCOMPARE(c.sessione.lista.NumeroParole(), int(500));
        QCOMPARE(c.sessione.lista.Parole(500), QStringLiteral("P500"));
        QVERIFY(c.sessione.lista.Parole(0).isEmpty());
        // A huge file is read only as far as the 500th item.
        QBuffer enorme;
        enorme.setData(QByteArray("A\r\n").repeated(1000000));
        enorme.open(QIODevice::ReadOnly);
        QCOMPARE(LeggiElementi(enorme).size(), 500);
        QVERIFY2(enorme.pos() <= 65536, qPrintable(QString::number(enorme.pos())));
        // One line of 100,000 characters is cut, and the words after it stay.
        const QStringList p = ::elementi(QByteArray(100000, 'A') + "\r\nCASA\r\n");
        QCOMPARE(p.size(), 2);
        QVERIFY(p.first().size() <= 4096);
        QCOMPARE(p.last(), QStringLiteral("CASA"));
    }

    // What cannot be a list is refused at once, with its reason in Italian.
    void listeRifiutate_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("missing") << "nessuna.txt" << "Il file non esiste";
        QTest::newRow("folder") << "cartella.txt" << QString::fromUtf8("È una cartella, non un file");
        QTest::newRow("named pipe") << "tubo.txt" << QString::fromUtf8("Non è un file ma una pipe o un dispositivo");
        QTest::newRow("device") << "/dev/zero" << QString::fromUtf8("Non è un file ma una pipe o un dispositivo");
        QTest::newRow("picture renamed .txt") << "foto.txt" << MotivoNonTesto;
        QTest::newRow("random bytes") << "casuale.txt" << MotivoNonTesto;
        QTest::newRow("unreadable") << "chiusa.txt" << "Permesso negato";
    }
    void listeRifiutate()
    {
        QFETCH(QString, caso);
        CartellaProva c;
        QString percorso = caso.startsWith(QLatin1Char('/')) ? caso : c.percorso(caso);
#ifdef Q_OS_UNIX
        if (caso == QLatin1String("tubo.txt"))
            QCOMPARE(::mkfifo(QFile::encodeName(percorso).constData(), 0600), 0);
#endif
        if (caso == QLatin1String("cartella.txt"))
            QDir().mkpath(percorso);
        if (caso == QLatin1String("foto.txt"))
            QFile::copy(c.creaImmagine(QStringLiteral("foto.jpg")), percorso);
        if (caso == QLatin1String("casuale.txt"))
            c.scrivi(caso, casuali(7, 20000));
        if (caso == QLatin1String("chiusa.txt")) {
            QFile::setPermissions(c.scrivi(caso, "CASA\r\n"), QFileDevice::WriteOwner);
            if (QFile(percorso).open(QIODevice::ReadOnly))
                QSKIP("this user reads every file (root): an unreadable file cannot be made");
        }
        if (!QFileInfo::exists(percorso) && caso != QLatin1String("nessuna.txt"))
            QSKIP("no named pipes or devices here");
        const Sveglia sveglia;
        const LetturaLista l = LeggiListaParole(percorso);
        QVERIFY(!l.aperta);
        QVERIFY(l.parole.isEmpty());
        QTEST(l.errore, "motivo");
    }

    void caricaParole()
    {
        ContestoProva c;
        c.cartella.creaLista(QStringLiteral("TUTTE.txt"), {"UNO", "DUE", "TRE"});
        QVERIFY(CaricaParole(c.sessione.lista, c.cartella.ambiente().listaPredefinita())); // "tutte.txt", any case
        QCOMPARE(c.sessione.lista.NumeroParole(), int(3));
        QVERIFY(CaricaParole(c.sessione.lista, c.cartella.creaLista(QStringLiteral("b.txt"), {"CASA"})));
        QVERIFY(c.sessione.lista.NumeroParole() == 1 && c.sessione.lista.Parole(1) == QStringLiteral("CASA"));
        QVERIFY(!CaricaParole(c.sessione.lista, c.cartella.percorso(QStringLiteral("nessuna.txt"))));
        QCOMPARE(c.sessione.lista.NumeroParole(), int(0));
        // A plain file: not a folder, not hidden, not a device.
        QVERIFY(FileEsiste(c.cartella.scrivi(QStringLiteral("x.txt"), "1")) && !FileEsiste(c.cartella.ambiente().cartellaListe()));
        QVERIFY(!FileEsiste(c.cartella.scrivi(QStringLiteral(".nascosto"), "1")) && !FileEsiste(QString()) && !FileEsiste(QStringLiteral("/dev/null")));
    }

    // Each of the 34 predefined lists names a list that ships with the program.
    void listePredefiniteSpedite()
    {
        const QString cartella = QFINDTESTDATA("../../data/testilettoria2");
        for (const ListaPredefinita &l : ListePredefinite())
            QVERIFY2(FileEsiste(TrovaFile(cartella, l.file)), qPrintable(l.file));
    }

    void percorsoImmagine()
    {
        ContestoProva c;
        const QString casa = c.cartella.creaImmagine(QStringLiteral("Casa.jpg"));
        const Ambiente a = c.cartella.ambiente(); // a copy shares the index of the folder
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("CASA")), casa);
        QCOMPARE(PercorsoImmagine(c.cartella.ambiente(), QStringLiteral("  casa")), casa);
        // A word with no picture still gets its path; a picture added later is found, whatever its case.
        const QString orsoAtteso = a.cartellaImmagini() + QStringLiteral("/orso.jpg");
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("orso")), orsoAtteso);
        const QString orso = c.cartella.creaImmagine(QStringLiteral("Orso.JPG"));
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("orso")), orso);
        QFile::remove(orso);
        QCOMPARE(PercorsoImmagine(a, QStringLiteral("orso")), orsoAtteso);
        // A word never reaches outside images0.
        c.cartella.scrivi(QStringLiteral("segreto.jpg"), "x");
        for (const char *parola : {"../segreto", "sub/casa", "sub\\casa"})
            QCOMPARE(PercorsoImmagine(a, QString::fromLatin1(parola)), QString());
    }

    void trovaImmagini()
    {
        CartellaProva c;
        const QString img = c.ambiente().cartellaImmagini();
        c.creaImmagine(QStringLiteral("casa.jpg"));
        c.creaImmagine(QStringLiteral("Albero.JPG"));
        // Each word once, sorted as a reader expects. Other files, a folder named
        // like a picture, a hidden file and names whose word could not find its
        // picture again (leading blank) or be written in a list (quote) are left out.
        for (const char *nome : {"CASA.jpg", "leggimi.txt", "casa.jpeg", ".nascosta.jpg", " gatto.jpg", "a\"b.jpg",
                                 "orso10.jpg", "orso2.jpg", "ancora.jpg", "\xC3\xA0ncora.jpg", "zebra.jpg"})
            QFile(img + QLatin1Char('/') + QString::fromUtf8(nome)).open(QIODevice::WriteOnly);
        QVERIFY(QDir(img).mkdir(QStringLiteral("cartella.jpg")));
        QCOMPARE(TrovaImmagini(img), (QStringList{"ALBERO", "ANCORA", QString::fromUtf8("ÀNCORA"), "CASA", "ORSO2", "ORSO10", "ZEBRA"}));
        QVERIFY(TrovaImmagini(c.percorso(QStringLiteral("non-esiste"))).isEmpty());
    }

    void testoDellaLista_data()
    {
        QTest::addColumn<QStringList>("parole");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("plain, empty words skipped") << QStringList{"", "ALBERO", "CASA", ""} << QByteArray("ALBERO\r\nCASA\r\n");
        QTest::newRow("windows-1252") << QStringList{QString::fromUtf8("CITTÀ"), QString::fromUtf8("€")} << QByteArray("CITT\xC0\r\n\x80\r\n");
        QTest::newRow("utf-8 when 1252 cannot") << QStringList{QString::fromUtf8("CITTÀ"), QString::fromUtf8("ŁÓDŹ")}
                                                << QByteArray("\xEF\xBB\xBF" "CITT\xC3\x80\r\n\xC5\x81\xC3\x93" "D\xC5\xB9\r\n");
        QTest::newRow("comma, trailing blank quoted") << QStringList{"CASA, BELLA", "CASA "} << QByteArray("\"CASA, BELLA\"\r\n\"CASA \"\r\n");
    }
    void testoDellaLista()
    {
        QFETCH(QStringList, parole);
        QTEST(TestoListaParole(parole), "byte");
        // What the writer writes, the reader reads back word for word.
        CartellaProva c;
        const QString file = c.percorso(QStringLiteral("testilettoria2/giro.txt"));
        QString errore;
        QVERIFY2(SalvaFile(file, parole, &errore), qPrintable(errore));
        const LetturaLista letta = LeggiListaParole(file);
        QVERIFY(letta.aperta);
        parole.removeAll(QString());
        QCOMPARE(letta.parole, parole);
    }

    void salvaFileFallito_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("no such folder") << "manca/nuova.txt" << "La cartella non esiste";
        QTest::newRow("a folder in its place") << "testilettoria2" << QString::fromUtf8("È una cartella, non un file");
        QTest::newRow("closed folder") << "chiusa/nuova.txt" << "Permesso negato";
    }
    void salvaFileFallito()
    {
        QFETCH(QString, nome);
        CartellaProva c;
        QDir().mkpath(c.percorso(QStringLiteral("chiusa")));
        QFile::setPermissions(c.percorso(QStringLiteral("chiusa")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (nome.startsWith(QLatin1String("chiusa")) && QFile(c.percorso(nome)).open(QIODevice::WriteOnly))
            QSKIP("this user writes everywhere (root): a closed folder cannot be made");
        QString errore;
        QVERIFY(!SalvaFile(c.percorso(nome), {"CASA"}, &errore));
        QTEST(errore, "motivo");
        QVERIFY(!QFileInfo(c.percorso(nome)).isFile());
    }
};

QTEST_GUILESS_MAIN(TestParoleListe)
#include "tst_paroleliste.moc"
