// Start-up, the settings file, the type style and the random colours.
#include "core/avvio.h"
#include "core/crediti.h"
#include "core/uscita.h"
#include "core/carattere.h"
#include "core/casuale.h"
#include "core/colori.h"
#include "core/cp1252.h"
#include "core/impostazioni.h"
#include "core/profilo.h"
#include "core/suoni.h"
#include "tests/support/provecomuni.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QSet>
#include <QSysInfo>
#include <QFileInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
QByteArray utf16(const QString &s, bool be = false)
{
    QByteArray b(be ? "\xFE\xFF" : "\xFF\xFE");
    for (const QChar c : s) {
        const char basso = static_cast<char>(c.unicode() & 0xFF), alto = static_cast<char>(c.unicode() >> 8);
        b.append(be ? alto : basso).append(be ? basso : alto);
    }
    return b;
}
#ifdef Q_OS_UNIX
// A check that waits on a pipe is ended by SIGALRM instead of hanging.
struct Sveglia { Sveglia() { ::alarm(10); } ~Sveglia() { ::alarm(0); } };
#else
struct Sveglia {};
#endif
const QString danneggiate = QString::fromUtf8("C'è stato un errore nel recuperare le configurazioni!");
const QString nonSalvate = QString::fromUtf8("C'è stato un errore nel salvare le configurazioni!");
} // namespace

class TestImpostazioni : public QObject
{
    Q_OBJECT

    QStringList fontRegistrati;
    std::function<void(const QString &)> registra()
    {
        return [this](const QString &f) { fontRegistrati.append(f); };
    }
    static void conFile(ContestoProva &c, const QByteArray &contenuto)
    {
        if (!contenuto.isNull())
            c.cartella.scrivi(c.cartella.ambiente().fileImpostazioni(), contenuto);
    }

private slots:
    void init() { fontRegistrati.clear(); }

    // One row per case: what Windows' GetPrivateProfileString reads as
    // "Carattere" in [IMPOSTAZIONI] (`valore` null), or the file that
    // WritePrivateProfileString leaves when it sets it to `valore`; and ours
    // where we differ on purpose. Sources: "wine profile.c" is Wine's
    // conformance suite (dlls/kernel32/tests/profile.c, also run on Windows);
    // IniFileFormatReverseEngineering's tests were run on Windows 10.
    void profiloComeWindows_data()
    {
        QTest::addColumn<QByteArray>("prima");
        QTest::addColumn<QString>("valore");
        QTest::addColumn<QByteArray>("windows");
        QTest::addColumn<QByteArray>("nostro"); // null: as Windows
        QTest::addColumn<QString>("fonte");
        const QByteArray s = "[IMPOSTAZIONI]\r\n", c = "corsivo", nessuna = "(no key)", no;
        const QString leggi, corsivo = QStringLiteral("corsivo");
        const QString wine = QStringLiteral("wine profile.c "), re = QStringLiteral("IniFileFormatReverseEngineering ");
        QTest::newRow("CR LF") << s + "Carattere=corsivo\r\n" << leggi << c << no << wine + "test_GetPrivateProfileString CR+LF";
        QTest::newRow("CR only") << QByteArray("[IMPOSTAZIONI]\rCarattere=corsivo\r") << leggi << c << no << wine + "test_GetPrivateProfileString CR only";
        QTest::newRow("LF only") << QByteArray("[IMPOSTAZIONI]\nCarattere=corsivo\n") << leggi << c << no << wine + "test_profile_delete_on_close";
        QTest::newRow("names in any case") << QByteArray("[impostazioni]\r\nCARATTERE=corsivo") << leggi << c << no << wine + "case does not match";
        QTest::newRow("blanks around") << QByteArray(" [ IMPOSTAZIONI ] \r\n\tCarattere \t= \vcorsivo\t \r\n") << leggi << c << no << wine + "test_profile_sections_names; " + re + "WhiteSpace_Tests";
        QTest::newRow("double quotes") << s + "Carattere=\"corsivo\"" << leggi << c << no << wine + "quotation marks which are stripped";
        QTest::newRow("single quotes") << s + "Carattere='corsivo'" << leggi << c << no << re + "Quotes_Tests single quotation marks";
        QTest::newRow("blanks inside quotes") << s + "Carattere=\" cor sivo \"" << leggi << QByteArray(" cor sivo ") << no << re + "Quotes_Tests spaces inside quotes";
        QTest::newRow("outermost quotes only") << s + "Carattere=\"\"corsivo\"\"" << leggi << QByteArray("\"corsivo\"") << no << re + "Quotes_Tests quotes in quotes";
        QTest::newRow("quotes that differ") << s + "Carattere=\"corsivo'" << leggi << QByteArray("\"corsivo'") << no << re + "Quotes_Tests different quotes";
        QTest::newRow("empty quotes") << s + "Carattere=\"\"" << leggi << QByteArray("") << no << "wine kernel32/profile.c PROFILE_CopyEntry";
        QTest::newRow("empty value") << s + "Carattere=" << leggi << QByteArray("") << no << wine + "test_profile_string name2=";
        QTest::newRow("no '=' is no key") << s + "Carattere" << leggi << nessuna << no << wine + "test_profile_string name3";
        QTest::newRow("comment") << s + ";Carattere=corsivo" << leggi << nessuna << no << re + "Semicolon_Tests semicolon at begin of key";
        QTest::newRow("key twice: the first") << s + "Carattere=corsivo\r\nCarattere=min" << leggi << c << no << re + "Reading_Tests duplicate keys";
        QTest::newRow("section twice: the first") << s + "x=1\r\n" + s + "Carattere=corsivo" << leggi << nessuna << no << re + "Reading_Tests duplicate sections";
        QTest::newRow("other section") << QByteArray("[ALTRO]\r\nCarattere=corsivo") << leggi << nessuna << no << wine + "lpAppName is missing";
        QTest::newRow("before any section") << "Carattere=corsivo\r\n" + s << leggi << nessuna << no << wine + "test_profile_string key=val_no_section";
        QTest::newRow("no closing bracket") << QByteArray("[IMPOSTAZIONI\r\nCarattere=corsivo") << leggi << c << no << re + "SquareBracket_Tests missing closing bracket";
        QTest::newRow("name ends at the first ]") << QByteArray("[IMPOSTAZIONI]x]\r\nCarattere=corsivo") << leggi << c << no << re + "SquareBracket_Tests closing bracket";
        QTest::newRow("NUL ends the value") << s + QByteArray("Carattere=cor\0sivo", 18) << leggi << QByteArray("cor") << no << "values are NUL-terminated strings";
        QTest::newRow("^Z at the end") << s + "Carattere=corsivo\x1A\r\n\x1A" << leggi << c << no << "wine kernel32/profile.c PROFILE_isspaceW";
        QTest::newRow("Windows-1252") << s + "Carattere=citt\xE0 \x80" << leggi << QByteArray("citt\xC3\xA0 \xE2\x82\xAC") << no << "ANSI code page of an Italian Windows";
        QTest::newRow("UTF-16LE") << utf16(QString::fromUtf8("[IMPOSTAZIONI]\r\nCarattere=Łódź\r\n")) << leggi << QByteArray("Łódź") << no << re + "UTF16LE_Tests reading";
        QTest::newRow("UTF-16BE is not read") << utf16("[IMPOSTAZIONI]\r\nCarattere=corsivo\r\n", true) << leggi << nessuna << no << re + "UTF16BE_Tests reading";
        QTest::newRow("UTF-8 mark") << "\xEF\xBB\xBF" + s + "Carattere=corsivo" << leggi << nessuna << c << re + "UTF8_Tests first line is broken";
        QTest::newRow("long value") << s + "Carattere=" + QByteArray(300, 'x') << leggi << QByteArray(99, 'x') << QByteArray(300, 'x') << "the older program's 100-character buffer";
        QTest::newRow("new file") << QByteArray() << corsivo << s + "Carattere=corsivo\r\n" << no << re + "Writing_Tests existing empty file";
        QTest::newRow("new section: no blank line") << QByteArray("[A]\r\nx=1\r\n") << corsivo << "[A]\r\nx=1\r\n" + s + "Carattere=corsivo\r\n" << no << wine + "test_WritePrivateProfileString make an addition";
        QTest::newRow("new key after the last") << s + "x=1\r\n\r\n[A]\r\n" << corsivo << s + "x=1\r\nCarattere=corsivo\r\n\r\n[A]\r\n" << no << re + "Writing_Tests chronological order";
        QTest::newRow("key keeps its spelling") << QByteArray("[impostazioni]\r\n  carattere = min\r\nz=1\r\n") << corsivo << QByteArray("[impostazioni]\r\ncarattere=corsivo\r\nz=1\r\n") << no << re + "Casing_Tests existing key";
        QTest::newRow("written without bracket") << QByteArray("[IMPOSTAZIONI\r\nCarattere=min\r\n") << corsivo << QByteArray("[IMPOSTAZIONI\r\nCarattere=corsivo\r\n") << no << re + "SquareBracket_Tests missing closing bracket";
        QTest::newRow("written in the first") << s + "x=1\r\n" + s + "Carattere=min\r\n" << corsivo << s + "x=1\r\nCarattere=corsivo\r\n" + s + "Carattere=min\r\n" << no << "wine kernel32/profile.c PROFILE_Find";
        QTest::newRow("other lines stay") << "; nota\r\n[A]\r\ny=2\r\n" + s + "Carattere=min\r\n" << corsivo << "; nota\r\n[A]\r\ny=2\r\n" + s + "Carattere=corsivo\r\n" << no << wine + "test_profile_string the file is quite usable";
        QTest::newRow("written in Windows-1252") << s + "Carattere=min\r\n" << QString::fromUtf8("città €") << s + "Carattere=citt\xE0 \x80\r\n" << no << "ANSI code page of an Italian Windows";
        QTest::newRow("UTF-16LE stays") << utf16("[IMPOSTAZIONI]\r\nCarattere=min\r\n") << corsivo << utf16("[IMPOSTAZIONI]\r\nCarattere=corsivo\r\n") << no << re + "UTF16LE_Tests writing";
        QTest::newRow("UTF-8 mark stays") << "\xEF\xBB\xBF" + s + "Carattere=min\r\n" << corsivo << "\xEF\xBB\xBF" + s + "Carattere=min\r\n" + s + "Carattere=corsivo\r\n" << "\xEF\xBB\xBF" + s + "Carattere=corsivo\r\n" << re + "UTF8_Tests writing";
        QTest::newRow("no Windows-1252 byte") << QByteArray() << QString::fromUtf8("Łódź") << s + "Carattere=?\xF3" "d?\r\n" << utf16(QString::fromUtf8("[IMPOSTAZIONI]\r\nCarattere=Łódź\r\n")) << "wine kernel32/profile.c PROFILE_WriteLine (CP_ACP)";
        QTest::newRow("quotes kept") << QByteArray() << "\"x\"" << s + "Carattere=\"x\"\r\n" << s + "Carattere=\"\"x\"\"\r\n" << re + "WritePrivateProfileString: nothing is escaped";
        QTest::newRow("line end in a value") << QByteArray() << "a\r\n[B]" << s + "Carattere=a\r\n[B]\r\n" << s + "Carattere=a??[B]\r\n" << re + "WritePrivateProfileString: nothing is escaped";
    }
    void profiloComeWindows()
    {
        QFETCH(QByteArray, prima);
        QFETCH(QString, valore);
        QFETCH(QByteArray, windows);
        QFETCH(QByteArray, nostro);
        QFETCH(QString, fonte);
        const QString sezione = QStringLiteral("IMPOSTAZIONI"), chiave = QStringLiteral("Carattere");
        QByteArray ottenuto = profilo::valore(prima, sezione, chiave).value_or(QStringLiteral("(no key)")).toUtf8();
        if (!valore.isNull()) {
            ottenuto = profilo::conValore(prima, sezione, chiave, valore);
            // What we write reads back (a line end, which a line cannot hold, as '?').
            QString letto = valore;
            letto.replace(QLatin1Char('\r'), QLatin1Char('?')).replace(QLatin1Char('\n'), QLatin1Char('?'));
            QCOMPARE(profilo::valore(ottenuto, QStringLiteral("impostazioni"), QStringLiteral("carattere")), std::optional<QString>(letto));
        }
        QVERIFY2(ottenuto == (nostro.isNull() ? windows : nostro), qPrintable(fonte + QStringLiteral(": ") + QString::fromLatin1(ottenuto.toPercentEncoding())));
    }

    void regoleDiLettura_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("letto"); // sounds (V or F), style, path, voice, practice; null: damaged
        const QByteArray s = "[IMPOSTAZIONI]\r\n", f = "File in uso=/x.txt\r\n";
        QTest::newRow("vero, MAIUSCOLO") << s + "Suoni attivati=vero\r\nCarattere=MAIUSCOLO\r\n" + f << "F corsivo /x.txt V V";
        QTest::newRow("any capital V, min prefix") << s + "Suoni attivati=Vxyz\r\nCarattere=mini\r\n" + f << "V minuscolo /x.txt V V";
        QTest::newRow("mai before min, no keys") << s + "Carattere=maiu" << "F maiuscolo Non Capisco V V";
        QTest::newRow("trailing blanks of the path") << s + "File in uso=\"/x y.txt   \"\r\n" << "F maiuscolo /x y.txt V V";
        QTest::newRow("quoted values") << s + "Suoni attivati=\"Vero\"\r\nCarattere=\"minuscolo\"\r\nFile in uso=\"/x.txt\"" << "V minuscolo /x.txt V V";
        QTest::newRow("voice off") << s + "Voce attivata=Falso" << "F maiuscolo Non Capisco F V";
        QTest::newRow("practice off") << s + "Ripassa le parole sbagliate=Falso" << "F maiuscolo Non Capisco V F";
        QTest::newRow("practice empty is on") << s + "Ripassa le parole sbagliate=" << "F maiuscolo Non Capisco V V";
        QTest::newRow("voice empty is on") << s + "Voce attivata=" << "F maiuscolo Non Capisco V V";
        QTest::newRow("garbage reads as defaults") << QByteArray("\x01\x02garbage\xFF\r\n=\r\n") << "F maiuscolo Non Capisco V V";
        QTest::newRow("empty sounds") << s + "Suoni attivati=" << QString();
        QTest::newRow("blank style") << s + "Carattere=   " << QString();
        QTest::newRow("empty quotes") << s + "File in uso=\"\"" << QString();
    }
    void regoleDiLettura()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, letto);
        ContestoProva c;
        conFile(c, ini);
        // Both switches start the other way, so the file is seen to set them.
        c.sessione.VoceAttivata = !letto.endsWith(QLatin1String("V V")) && !letto.endsWith(QLatin1String("V F"));
        c.sessione.RipassoAttivo = !letto.endsWith(QLatin1Char('V'));
        QCOMPARE(LeggiImpostazioni(c.sessione, c.cartella.ambiente().fileImpostazioni(), c.dialoghi), !letto.isNull());
        if (letto.isNull()) { // a damaged file is deleted and said so; the program ends
            QVERIFY(!QFile::exists(c.cartella.ambiente().fileImpostazioni()));
            QCOMPARE(c.dialoghi.testi(), QStringList{danneggiate});
            QCOMPARE(c.dialoghi.chiamate[0].icona, Dialoghi::Icona::Esclamazione);
            return;
        }
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5").arg(QChar(c.sessione.SuoniAttivati ? 'V' : 'F'), TestoCarattere(c.sessione.Carattere), c.sessione.lista.FileInUso, QChar(c.sessione.VoceAttivata ? 'V' : 'F'), QChar(c.sessione.RipassoAttivo ? 'V' : 'F')), letto);
        QVERIFY(c.dialoghi.chiamate.isEmpty());
    }

    // An older file gains the voice key in its section; every other line stays byte for byte.
    void salvaUnFileVecchio()
    {
        ContestoProva c;
        conFile(c, "[ALTRO]\r\nx=1\r\n[IMPOSTAZIONI]\r\nSuoni attivati=Vero\r\nCarattere=corsivo\r\nFile in uso=/a.txt\r\n[Z]\r\n");
        c.sessione.SuoniAttivati = c.sessione.VoceAttivata = false;
        c.sessione.Carattere = TipoCarattere::Minuscolo;
        c.sessione.lista.FileInUso = QString::fromUtf8("/città.txt");
        QCOMPARE(SalvaImpostazioni(c.sessione, c.cartella.ambiente().fileImpostazioni(), c.dialoghi), 0);
        QCOMPARE(leggiFile(c.cartella.ambiente().fileImpostazioni()), QByteArray("[ALTRO]\r\nx=1\r\n[IMPOSTAZIONI]\r\nSuoni attivati=Falso\r\nCarattere=minuscolo\r\n"
                                                                "File in uso=/citt\xE0.txt\r\nVoce attivata=Falso\r\n[Z]\r\n"));
        // The practice switch is written once turned off, and from then on.
        c.sessione.RipassoAttivo = false;
        QCOMPARE(SalvaImpostazioni(c.sessione, c.cartella.ambiente().fileImpostazioni(), c.dialoghi), 0);
        c.sessione.RipassoAttivo = true;
        QCOMPARE(SalvaImpostazioni(c.sessione, c.cartella.ambiente().fileImpostazioni(), c.dialoghi), 0);
        QVERIFY(leggiFile(c.cartella.ambiente().fileImpostazioni()).endsWith("Voce attivata=Falso\r\nRipassa le parole sbagliate=Vero\r\n[Z]\r\n"));
    }

    // The start-up with what a classroom PC may hold: the list the settings
    // name ("%1" is the program folder; mia.txt holds `mia`), the font, the default list.
    void avvio_data()
    {
        QTest::addColumn<int>("font"); // 1: in the program folder, 2: installed
        QTest::addColumn<bool>("lista");
        QTest::addColumn<QByteArray>("inUso");
        QTest::addColumn<QByteArray>("mia");
        QTest::addColumn<int>("parole"); // 1: mia.txt is in use, 3: the default list
        QTest::addColumn<QStringList>("messaggi");
        const QByteArray m = "%1/mia.txt";
        QTest::newRow("quoted path") << 3 << true << "\"" + m + "\"" << QByteArray("ORSO") << 1 << QStringList{};
        QTest::newRow("deleted list") << 3 << true << m << QByteArray() << 3 << QStringList{};
        QTest::newRow("named pipe") << 3 << true << m << QByteArray("fifo") << 3 << QStringList{};
        QTest::newRow("picture renamed .txt") << 3 << true << m << QByteArray("jpeg") << 3 << QStringList{};
        QTest::newRow("installed font is enough") << 2 << true << QByteArray() << QByteArray() << 3 << QStringList{};
        QTest::newRow("no font") << 0 << true << QByteArray() << QByteArray() << 3 << QStringList{MessaggioFontMancante};
        QTest::newRow("no list") << 3 << false << QByteArray() << QByteArray() << 0 << QStringList{MessaggioListaMancante};
        QTest::newRow("neither") << 0 << false << QByteArray() << QByteArray() << 0 << QStringList{MessaggioFontMancante + QStringLiteral("\r\n") + MessaggioListaMancante};
        QTest::newRow("settings folder is a file") << 3 << true << QByteArray() << QByteArray("occupata") << 3 << QStringList{};
        QTest::newRow("settings file is a pipe") << 3 << true << QByteArray() << QByteArray("fifo.ini") << 3 << QStringList{};
    }
    void avvio()
    {
        const Sveglia sveglia;
        QFETCH(int, font);
        QFETCH(QByteArray, inUso);
        QFETCH(QByteArray, mia);
        QFETCH(int, parole);
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        const QString programma = a.fileFontProgramma(), installato = a.cartellaFont + QStringLiteral("/indis1.ttf");
        for (const QString &f : {programma, installato})
            if (font & (f == programma ? 1 : 2))
                c.cartella.scrivi(f, "font");
        QFETCH(bool, lista);
        if (lista)
            c.cartella.creaLista(QStringLiteral("TUTTE.txt"), {"CASA", "CANE", "GATTO"});
        const QString percorsoMia = c.cartella.percorso(QStringLiteral("mia.txt"));
        // Never to be read nor replaced: a pipe as the list or the settings file, a file as the settings folder.
        const QString inMezzo = mia == "occupata" ? a.cartellaImpostazioni : mia == "fifo.ini" ? a.fileImpostazioni() : percorsoMia;
        QDir().mkpath(QFileInfo(a.fileImpostazioni()).path());
#ifdef Q_OS_UNIX
        if (mia.startsWith("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(inMezzo).constData(), 0600), 0);
#else
        if (mia.startsWith("fifo"))
            QSKIP("no named pipes here");
#endif
        if (mia == "occupata")
            QVERIFY(QDir(a.cartellaImpostazioni).removeRecursively() && !c.cartella.scrivi(inMezzo, mia).isEmpty());
        else if (!mia.isEmpty() && !mia.startsWith("fifo"))
            c.cartella.scrivi(percorsoMia, mia == "jpeg" ? leggiFile(c.cartella.creaImmagine(QStringLiteral("X.jpg"))) : mia);
        if (!inUso.isEmpty())
            conFile(c, "[IMPOSTAZIONI]\r\nFile in uso=" + QString::fromUtf8(inUso).arg(a.cartellaProgramma).toUtf8());
        QCOMPARE(Main(c.sessione, a, c.dialoghi, registra()).tipo, EsitoAvvio::Tipo::Prosegui);
        QCOMPARE(c.sessione.lista.FileInUso, parole == 1 ? percorsoMia : a.listaPredefinita());
        QCOMPARE(c.sessione.lista.NumeroParole(), int(parole));
        QTEST(c.dialoghi.testi(), "messaggi");
        for (const auto &ch : c.dialoghi.chiamate)
            QCOMPARE(ch.icona, Dialoghi::Icona::Esclamazione);
        QCOMPARE(fontRegistrati, font & 1 ? QStringList{programma} : font ? QStringList{installato} : QStringList{});
        if (inMezzo != percorsoMia) { // on exit: one message; what is in the way stays
            QCOMPARE(SalvaImpostazioni(c.sessione, c.cartella.ambiente().fileImpostazioni(), c.dialoghi), 3);
            QCOMPARE(c.dialoghi.testi(), QStringList{nonSalvate});
            QVERIFY(QFileInfo(inMezzo).exists() && !QFileInfo(inMezzo).isDir() && QFileInfo(inMezzo).isFile() == (mia == "occupata"));
        }
    }

    void primoEsecondoAvvio()
    {
        ContestoProva c;
        const Ambiente &a = c.cartella.ambiente();
        c.cartella.scrivi(QStringLiteral("indis1.ttf"), "font");
        c.cartella.creaLista(QStringLiteral("TUTTE.txt"), {"CASA", "Cane"});
        const QString mia = c.cartella.creaLista(QString::fromUtf8("Łódź Ștefan Ключ.txt"), {"ORSO"});
        const QString altro = c.cartella.scrivi(a.cartellaImpostazioni + QStringLiteral("/Altro.INI"), "x");
        QVERIFY(Main(c.sessione, a, c.dialoghi, registra()).blocco);
        // The font is copied and announced; folder and readme made; no settings file yet.
        QCOMPARE(leggiFile(a.cartellaFont + QStringLiteral("/indis1.ttf")), QByteArray("font"));
        QCOMPARE(c.dialoghi.testi(), QStringList{TestoFontInstallato()});
        QCOMPARE(c.dialoghi.chiamate[0].icona, Dialoghi::Icona::Nessuna);
        QVERIFY(TestoFontInstallato().startsWith(QStringLiteral("Ho installato il font per il corsivo 'indis1.ttf'\r\n ----------------------- \r\n")));
        QVERIFY(QFile::exists(altro) && !QFile::exists(a.fileImpostazioni())); // an existing folder is left alone
        QCOMPARE(leggiFile(a.fileLeggimi()), cp1252::encode(QString::fromUtf8(
            "Questa cartella contiene i files di impostazione dei programmi presenti nel sito del progetto Lettoria 2.\r\n \r\n"
            "Se qualche programma presenta problemi di funzionamento può essere utile cancellare il file *.ini "
            "relativo al programma in quata cartella.\r\n \r\nNon cancellare questo file.\r\n")));
        QVERIFY(c.sessione.Carattere == TipoCarattere::Maiuscolo && c.sessione.SuoniAttivati && c.sessione.VoceAttivata);
        QCOMPARE(c.sessione.lista.Parole(2), QStringLiteral("Cane")); // as read
        // Leaving: No keeps the program; Yes writes the settings.
        c.sessione.lista.FileInUso = mia;
        c.sessione.Carattere = TipoCarattere::Corsivo;
        c.dialoghi.risposte = {Dialoghi::Risposta::No, Dialoghi::Risposta::Si};
        QVERIFY(!ConfermaUscita(c.sessione, a.fileImpostazioni(), c.dialoghi) && !QFile::exists(a.fileImpostazioni()));
        QVERIFY(ConfermaUscita(c.sessione, a.fileImpostazioni(), c.dialoghi));
        QCOMPARE(leggiFile(a.fileImpostazioni()), utf16(QStringLiteral("[IMPOSTAZIONI]\r\nSuoni attivati=Vero\r\nCarattere=corsivo\r\nFile in uso=%1\r\nVoce attivata=Vero\r\n").arg(mia)));
        QCOMPARE(c.dialoghi.chiamate[1].testo, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(c.dialoghi.chiamate[1].pulsanti, Dialoghi::Pulsanti::SiNo);
        c.cartella.scrivi(a.fileLeggimi(), "mio");
        // The next start: no font message, the readme left alone, the settings (and that path) read.
        ContestoProva d;
        QCOMPARE(Main(d.sessione, a, d.dialoghi, registra()).tipo, EsitoAvvio::Tipo::Prosegui);
        QVERIFY(d.dialoghi.chiamate.isEmpty());
        QCOMPARE(leggiFile(a.fileLeggimi()), QByteArray("mio"));
        QVERIFY(d.sessione.Carattere == TipoCarattere::Corsivo && d.sessione.lista.FileInUso == mia);
        QCOMPARE(fontRegistrati.size(), 2); // registered in every run
    }

    void secondaCopiaRifiutata()
    {
        ContestoProva c, d;
        // A lock left by a copy that crashed does not count; one held by a running copy does.
        c.cartella.scrivi(QStringLiteral("../tmp/Lettoria2.lock"), "999999\nLettoria2\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        const EsitoAvvio primo = Main(c.sessione, c.cartella.ambiente(), c.dialoghi, registra());
        QCOMPARE(primo.tipo, EsitoAvvio::Tipo::Prosegui);
        d.sessione.lista.FileInUso = QStringLiteral("x");
        QCOMPARE(Main(d.sessione, c.cartella.ambiente(), d.dialoghi, registra()).tipo, EsitoAvvio::Tipo::SecondaCopia);
        QCOMPARE(d.dialoghi.testi(), QStringList{QString::fromUtf8("E' già stata avviata una copia di questo programma!")});
        QVERIFY(d.dialoghi.chiamate[0].titolo == QStringLiteral("Error") && d.dialoghi.chiamate[0].icona == Dialoghi::Icona::Critica);
        QCOMPARE(d.sessione.lista.FileInUso, QStringLiteral("x")); // nothing else was done
    }

    void crediti()
    {
        FakeDialoghi d;
        MostraCrediti(d);
        QVERIFY(d.chiamate.size() == 1 && d.chiamate[0].icona == Dialoghi::Icona::Informazione && d.chiamate[0].titolo == QStringLiteral("Lettoria 2"));
        QCOMPARE(d.chiamate[0].testo, TestoCrediti());
    }

    // The process runs under a Turkish system locale (see main): casing is Italian all the same.
    void trasformaCarattere_data()
    {
        QTest::addColumn<QString>("carattere");
        QTest::addColumn<QStringList>("attese");
        QTest::addColumn<QString>("font");
        QTest::newRow("maiuscolo") << "maiuscolo" << QStringList{"PIZZA", QString::fromUtf8("CITTÀ"), "  ORSO"} << "Arial";
        QTest::newRow("minuscolo") << "minuscolo" << QStringList{"pizza", QString::fromUtf8("città"), "  orso"} << "Arial";
        QTest::newRow("corsivo") << "corsivo" << QStringList{"pizza", QString::fromUtf8("città"), "  orso"} << "Indis1";
    }
    void trasformaCarattere()
    {
        QCOMPARE(QLocale::system().language(), QLocale::Turkish);
        QFETCH(QString, carattere);
        ContestoProva c;
        c.parole({QStringLiteral("pizza"), QString::fromUtf8("CITTÀ"), QStringLiteral("  Orso")});
        const TipoCarattere tipo = CarattereDaTesto(carattere);
        QCOMPARE(TestoCarattere(tipo), carattere);
        TrasformaCarattere(c.sessione.lista, tipo);
        QTEST(c.sessione.lista.parole(), "attese");
        QTEST(FontParola(tipo), "font");
    }

    // 18 colours, one pink three times: 16 colours, pink a sixth of the time.
    void coloriESuoniCasuali()
    {
        Casuale r(7);
        QMap<quint32, int> conteggio;
        for (int i = 0; i < 18000; ++i)
            ++conteggio[ColoreCasuale(r)];
        QCOMPARE(conteggio.size(), 16);
        for (int k = 1; k <= colori::NumeroColori; ++k)
            QVERIFY(conteggio.contains(colori::inRgb(colori::voce(k))));
        QVERIFY2(conteggio.value(0xFFC0FF) > 2600 && conteggio.value(0xFFC0FF) < 3400, qPrintable(QString::number(conteggio.value(0xFFC0FF))));
        // A right answer sounds any of si1.wav..si4.wav.
        ContestoProva c;
        QSet<QString> nomi;
        for (int i = 0; i < 200; ++i)
            nomi.insert(QFileInfo(SuonoGiusto(c.cartella.ambiente(), c.casuale)).fileName());
        QCOMPARE(nomi, (QSet<QString>{"si1.wav", "si2.wav", "si3.wav", "si4.wav"}));
    }
};

int main(int argc, char *argv[])
{
    // A classroom PC may run in any language: the checks run under a Turkish one.
    qputenv("LC_ALL", "tr_TR.UTF-8");
    QCoreApplication app(argc, argv);
    TestImpostazioni prova;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_impostazioni.moc"
