#include "core/paroleliste.h"

#include "core/ambiente.h"
#include "core/cp1252.h"
#include "core/salvataggio.h"
#include "core/stato.h"

#include <QDir>
#include <QBuffer>
#include <QDirIterator>
#include <QStringDecoder>
#include <QFile>
#include <QFileInfo>

namespace {

// Buffered byte reader over a device, so a huge file is read only as far as needed.
class Lettore
{
public:
    explicit Lettore(QIODevice &d) : dispositivo_(d) {}

    // -1 at the end of the data.
    int guarda()
    {
        if (pos_ >= buffer_.size() && !riempi())
            return -1;
        return static_cast<unsigned char>(buffer_[pos_]);
    }
    int prendi()
    {
        const int c = guarda();
        if (c >= 0)
            ++pos_;
        return c;
    }
    bool fine() { return guarda() < 0; }
    // Skips a UTF-8 byte-order mark at the very start; true when there was one.
    bool saltaBom()
    {
        if (guarda() < 0 || !buffer_.startsWith("\xEF\xBB\xBF"))
            return false;
        pos_ += 3;
        return true;
    }

private:
    bool riempi()
    {
        if (finito_)
            return false;
        buffer_ = dispositivo_.read(64 * 1024);
        pos_ = 0;
        if (buffer_.isEmpty()) {
            finito_ = true;
            return false;
        }
        return true;
    }

    QIODevice &dispositivo_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool finito_ = false;
};

// Longer items are cut here: no word is that long, and a file with no
// separators must not end up whole in memory.
constexpr qsizetype LunghezzaMassimaElemento = 4096;

// Control characters (NUL, escape, ...) never belong to a word; a damaged
// or binary file must not put them on screen.
void aggiungi(QByteArray &elemento, int c)
{
    if ((c < 0x20 && c != '\t') || c == 0x7F)
        return;
    if (elemento.size() < LunghezzaMassimaElemento)
        elemento.append(static_cast<char>(c));
}

bool eBlank(int c) { return c == ' ' || c == '\t'; }
bool eFineRiga(int c) { return c == '\r' || c == '\n'; }

// After a line end character, swallow the LF of a CR LF pair.
void consumaFineRiga(Lettore &in, int c)
{
    if (c == '\r' && in.guarda() == '\n')
        in.prendi();
}

QByteArray leggiElemento(Lettore &in)
{
    while (eBlank(in.guarda()))
        in.prendi();
    QByteArray elemento;
    int c = in.guarda();
    if (c == '"') {
        in.prendi();
        while ((c = in.prendi()) >= 0 && c != '"')
            aggiungi(elemento, c);
        // Skip what follows the closing quote up to the separator.
        while ((c = in.prendi()) >= 0 && c != ',' && !eFineRiga(c)) {
        }
        consumaFineRiga(in, c);
        return elemento;
    }
    while ((c = in.prendi()) >= 0 && c != ',' && !eFineRiga(c))
        aggiungi(elemento, c);
    consumaFineRiga(in, c);
    while (!elemento.isEmpty() && eBlank(static_cast<unsigned char>(elemento.back())))
        elemento.chop(1);
    return elemento;
}

// Well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
// `multibyte` is set when a sequence of two or more bytes was seen.
bool utf8Valido(const QByteArray &b, bool &multibyte)
{
    const qsizetype n = b.size();
    for (qsizetype i = 0; i < n;) {
        const auto c = static_cast<unsigned char>(b[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int seguito;
        unsigned minimo;
        unsigned cp;
        if (c >= 0xC2 && c <= 0xDF) {
            seguito = 1;
            minimo = 0x80;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguito = 2;
            minimo = 0x800;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguito = 3;
            minimo = 0x10000;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + seguito >= n)
            return false;
        for (int k = 1; k <= seguito; ++k) {
            const auto d = static_cast<unsigned char>(b[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        multibyte = true;
        i += seguito + 1;
    }
    return true;
}

// UTF-8 when the bytes start with a byte-order mark, or are valid UTF-8 with
// at least one multi-byte sequence; Windows-1252 otherwise.
bool eUtf8(const QList<QByteArray> &elementi, bool bom)
{
    if (bom)
        return true;
    bool multibyte = false;
    for (const QByteArray &e : elementi)
        if (!utf8Valido(e, multibyte))
            return false;
    return multibyte;
}

} // namespace

QStringList LeggiElementi(QIODevice &dispositivo, int massimo)
{
    // UTF-16 ("Unicode" in Windows' Notepad): turned into UTF-8 first. A list
    // of 500 words never needs more than the first few megabytes.
    const QByteArray inizio = dispositivo.peek(2);
    if (inizio == "\xFF\xFE" || inizio == "\xFE\xFF") {
        const bool le = inizio == "\xFF\xFE";
        dispositivo.read(2);
        QByteArray dati = dispositivo.read(4 * 1024 * 1024);
        if (dati.size() % 2)
            dati.chop(1);
        QStringDecoder decoder(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        QBuffer utf8;
        utf8.setData("\xEF\xBB\xBF" + QString(decoder.decode(dati)).toUtf8());
        utf8.open(QIODevice::ReadOnly);
        return LeggiElementi(utf8, massimo);
    }

    Lettore in(dispositivo);
    const bool bom = in.saltaBom();
    QList<QByteArray> grezzi;
    while (grezzi.size() < massimo && !in.fine())
        grezzi.append(leggiElemento(in));

    QStringList parole;
    parole.reserve(grezzi.size());
    if (eUtf8(grezzi, bom)) {
        for (const QByteArray &e : grezzi)
            parole.append(QString::fromUtf8(e));
    } else {
        for (const QByteArray &e : grezzi)
            parole.append(cp1252::decode(e));
    }
    return parole;
}

namespace {
// Text has no NUL byte and hardly any control characters; a picture or random
// bytes have plenty. UTF-16 with its byte-order mark is text, NULs and all.
bool sembraTesto(const QByteArray &inizio)
{
    if (inizio.startsWith("\xFF\xFE") || inizio.startsWith("\xFE\xFF"))
        return true;
    qsizetype controlli = 0;
    for (const char ch : inizio) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0)
            return false;
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != 0x1A) || c == 0x7F)
            ++controlli;
    }
    return controlli * 32 <= inizio.size();
}
} // namespace

LetturaLista LeggiListaParole(const QString &percorso, int massimo)
{
    LetturaLista esito;
    QFile file(percorso);
    if (!ApriInLettura(file, &esito.errore))
        return esito;
    if (!sembraTesto(file.peek(8192))) {
        esito.errore = MotivoNonTesto;
        return esito;
    }
    esito.parole = LeggiElementi(file, massimo);
    if (file.error() != QFileDevice::NoError) {
        esito.errore = MotivoErrore(file.error(), percorso);
        esito.parole.clear();
        return esito;
    }
    esito.aperta = true;
    return esito;
}

void ImpostaParole(Stato &stato, const QStringList &parole)
{
    const int n = static_cast<int>(std::min<qsizetype>(parole.size(), Stato::MaxParole));
    stato.NumeroParole = static_cast<qint16>(n);
    stato.Parole[0].clear();
    for (int i = 0; i < n; ++i)
        stato.Parole[static_cast<size_t>(i + 1)] = parole.at(i);
}

bool CaricaParole(Stato &stato, const QString &percorso)
{
    const LetturaLista lettura = LeggiListaParole(TrovaFile(QFileInfo(percorso).absolutePath(),
                                                            QFileInfo(percorso).fileName()));
    ImpostaParole(stato, lettura.parole);
    return lettura.aperta;
}

void RiempiListePredefinite(Stato &stato)
{
    static const char *const tabella[Stato::NumeroListePredefinite][2] = {
        {"TUTTE", "TUTTE.txt"},
        {"LE VOCALI", "1vocali.txt"},
        {"BA BE BI BO BU", "1b.txt"},
        {"DA DE DI DO DU", "1d.txt"},
        {"FA FE FI FO FU", "1f.txt"},
        {"LA LE LI LO LU", "1l.txt"},
        {"MA ME MI MO MU", "1m.txt"},
        {"NA NE NI NO NU", "1n.txt"},
        {"PA PE PI PO PU", "1p.txt"},
        {"RA RE RI RO RU", "1r.txt"},
        {"SA SE SI SO SU", "1s.txt"},
        {"TA TE TI TO TU", "1t.txt"},
        {"VA VE VI VO VU", "1v.txt"},
        {"ZA ZE ZI ZO ZU", "1z.txt"},
        {"CI, CE", "1ci.txt"},
        {"CHI CHE", "1chi.txt"},
        {"CA CO CU", "1ca.txt"},
        {"CA, CO, CU, CI, CE", "1ca&ci.txt"},
        {"CA, CO, CU, CHI, CHE", "1ca&chi.txt"},
        {"CA, CO, CU, CI, CE, CHI, CHE", "1ca&chi&ci.txt"},
        {"GI, GE", "1gi.txt"},
        {"GHI, GHE", "1ghi.txt"},
        {"GA GO GU", "1ga.txt"},
        {"GA, GO, GU, GI, GE", "1ga&gi.txt"},
        {"GA, GO, GU, GHI, GHE", "1ga&ghi.txt"},
        {"GA, GO, GU, GI, GE, GHI, GHE", "1ga&ghi&gi.txt"},
        {"CHI, CHE, GHI, GHE", "1chi&ghi.txt"},
        {"QU & CQU", "1qu.txt"},
        {"SCI & SCE", "1sci.txt"},
        {"GLI", "1gli.txt"},
        {"GN", "1gn.txt"},
        {"MP & MB", "1mb&mp.txt"},
        {"ND & NT", "1nd&nt.txt"},
        {"MB, MP, ND, NT", "1mb&mp&nd&nt.txt"},
    };
    for (int i = 0; i < Stato::NumeroListePredefinite; ++i) {
        stato.ListePredefinite[static_cast<size_t>(i)][0] = QString::fromUtf8(tabella[i][0]);
        stato.ListePredefinite[static_cast<size_t>(i)][1] = QString::fromUtf8(tabella[i][1]);
    }
    stato.ListePredefinite[Stato::NumeroListePredefinite] = {};
}

QString IndiceCartelle::trova(const QString &cartella, const QString &nome)
{
    const QFileInfo info(cartella);
    if (!info.isDir())
        return {};
    const QDateTime modificata = info.lastModified();
    const QString chiave = nome.toLower();
    const QMutexLocker blocco(&mutex_);
    Cartella &c = cartelle_[info.absoluteFilePath()];
    // A file that came after the listing changed the folder's time, unless it
    // came within the clock's resolution (two seconds on FAT) of the change the
    // listing saw: only then does a missing name read the folder again.
    const bool forseIncompleta = c.letta <= modificata.addSecs(2) && !c.nomi.contains(chiave);
    if (!c.modificata.isValid() || c.modificata != modificata || forseIncompleta) {
        c.modificata = modificata;
        c.letta = QDateTime::currentDateTimeUtc();
        c.nomi.clear();
        QDirIterator it(cartella, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        while (it.hasNext()) {
            it.next();
            c.nomi.insert(it.fileName().toLower(), it.fileName());
        }
    }
    return c.nomi.value(chiave);
}

namespace {
QString trovaCon(IndiceCartelle &indice, const QString &cartella, const QString &nome)
{
    const QString esatto = QDir(cartella).filePath(nome);
    if (QFileInfo::exists(esatto))
        return esatto;
    const QString trovato = indice.trova(cartella, nome);
    if (!trovato.isEmpty() && QFileInfo::exists(QDir(cartella).filePath(trovato)))
        return QDir(cartella).filePath(trovato);
    return esatto;
}
} // namespace

QString TrovaFile(const QString &cartella, const QString &nome)
{
    // A list is looked up now and then: a passing index is enough.
    IndiceCartelle indice;
    return trovaCon(indice, cartella, nome);
}

bool NomeSemplice(const QString &parola)
{
    return !parola.contains(QLatin1Char('/')) && !parola.contains(QLatin1Char('\\'))
        && !parola.contains(QLatin1String("..")) && !parola.contains(QChar(0));
}

QString PercorsoImmagine(const Ambiente &ambiente, const QString &parola)
{
    qsizetype inizio = 0;
    while (inizio < parola.size() && parola.at(inizio) == QLatin1Char(' '))
        ++inizio;
    const QString nome = parola.mid(inizio);
    if (!NomeSemplice(nome))
        return {};
    return trovaCon(*ambiente.indice, ambiente.cartellaImmagini(), nome + QStringLiteral(".jpg"));
}

bool FileEsiste(const QString &percorso)
{
    if (percorso.isEmpty())
        return false;
    const QFileInfo info(percorso);
    return info.exists() && info.isFile() && !info.isHidden();
}
