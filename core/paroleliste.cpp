#include "core/paroleliste.h"

#include "core/ambiente.h"
#include "core/cp1252.h"
#include "core/indicecartelle.h"
#include "core/salvataggio.h"
#include "core/listainuso.h"

#include <QDir>
#include <QBuffer>
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

bool CaricaParole(ListaInUso &lista, const QString &percorso)
{
    const LetturaLista lettura = LeggiListaParole(TrovaFile(QFileInfo(percorso).absolutePath(),
                                                            QFileInfo(percorso).fileName()));
    lista.imposta(lettura.parole);
    return lettura.aperta;
}

const std::array<ListaPredefinita, NumeroListePredefinite> &ListePredefinite()
{
    static const std::array<ListaPredefinita, NumeroListePredefinite> liste = {{
        {QStringLiteral("TUTTE"), QStringLiteral("TUTTE.txt")},
        {QStringLiteral("LE VOCALI"), QStringLiteral("1vocali.txt")},
        {QStringLiteral("BA BE BI BO BU"), QStringLiteral("1b.txt")},
        {QStringLiteral("DA DE DI DO DU"), QStringLiteral("1d.txt")},
        {QStringLiteral("FA FE FI FO FU"), QStringLiteral("1f.txt")},
        {QStringLiteral("LA LE LI LO LU"), QStringLiteral("1l.txt")},
        {QStringLiteral("MA ME MI MO MU"), QStringLiteral("1m.txt")},
        {QStringLiteral("NA NE NI NO NU"), QStringLiteral("1n.txt")},
        {QStringLiteral("PA PE PI PO PU"), QStringLiteral("1p.txt")},
        {QStringLiteral("RA RE RI RO RU"), QStringLiteral("1r.txt")},
        {QStringLiteral("SA SE SI SO SU"), QStringLiteral("1s.txt")},
        {QStringLiteral("TA TE TI TO TU"), QStringLiteral("1t.txt")},
        {QStringLiteral("VA VE VI VO VU"), QStringLiteral("1v.txt")},
        {QStringLiteral("ZA ZE ZI ZO ZU"), QStringLiteral("1z.txt")},
        {QStringLiteral("CI, CE"), QStringLiteral("1ci.txt")},
        {QStringLiteral("CHI CHE"), QStringLiteral("1chi.txt")},
        {QStringLiteral("CA CO CU"), QStringLiteral("1ca.txt")},
        {QStringLiteral("CA, CO, CU, CI, CE"), QStringLiteral("1ca&ci.txt")},
        {QStringLiteral("CA, CO, CU, CHI, CHE"), QStringLiteral("1ca&chi.txt")},
        {QStringLiteral("CA, CO, CU, CI, CE, CHI, CHE"), QStringLiteral("1ca&chi&ci.txt")},
        {QStringLiteral("GI, GE"), QStringLiteral("1gi.txt")},
        {QStringLiteral("GHI, GHE"), QStringLiteral("1ghi.txt")},
        {QStringLiteral("GA GO GU"), QStringLiteral("1ga.txt")},
        {QStringLiteral("GA, GO, GU, GI, GE"), QStringLiteral("1ga&gi.txt")},
        {QStringLiteral("GA, GO, GU, GHI, GHE"), QStringLiteral("1ga&ghi.txt")},
        {QStringLiteral("GA, GO, GU, GI, GE, GHI, GHE"), QStringLiteral("1ga&ghi&gi.txt")},
        {QStringLiteral("CHI, CHE, GHI, GHE"), QStringLiteral("1chi&ghi.txt")},
        {QStringLiteral("QU & CQU"), QStringLiteral("1qu.txt")},
        {QStringLiteral("SCI & SCE"), QStringLiteral("1sci.txt")},
        {QStringLiteral("GLI"), QStringLiteral("1gli.txt")},
        {QStringLiteral("GN"), QStringLiteral("1gn.txt")},
        {QStringLiteral("MP & MB"), QStringLiteral("1mb&mp.txt")},
        {QStringLiteral("ND & NT"), QStringLiteral("1nd&nt.txt")},
        {QStringLiteral("MB, MP, ND, NT"), QStringLiteral("1mb&mp&nd&nt.txt")},
    }};
    return liste;
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
