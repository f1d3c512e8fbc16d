#include "core/profilo.h"

#include "core/cp1252.h"
#include "core/salvataggio.h"

#include <QFile>
#include <QList>

namespace profilo {
namespace {

enum class Codifica { Ansi, Utf8, Utf16 };

struct Testo
{
    QString testo;
    Codifica codifica = Codifica::Ansi;
};

Testo decodifica(const QByteArray &b)
{
    if (b.startsWith("\xFF\xFE")) {
        // Code unit by code unit, so that even a broken surrogate goes back unchanged.
        QString t(b.size() / 2 - 1, Qt::Uninitialized);
        for (qsizetype i = 0; i < t.size(); ++i)
            t[i] = QChar(static_cast<unsigned char>(b[2 + 2 * i]) | static_cast<unsigned char>(b[3 + 2 * i]) << 8);
        return {t, Codifica::Utf16};
    }
    if (b.startsWith("\xEF\xBB\xBF"))
        return {QString::fromUtf8(b.mid(3)), Codifica::Utf8};
    return {cp1252::decode(b), Codifica::Ansi};
}

QByteArray codifica(const QString &t, Codifica c)
{
    switch (c) {
    case Codifica::Utf16: {
        QByteArray b("\xFF\xFE");
        b.reserve(2 + 2 * t.size());
        for (const QChar ch : t)
            b.append(static_cast<char>(ch.unicode() & 0xFF)).append(static_cast<char>(ch.unicode() >> 8));
        return b;
    }
    case Codifica::Utf8:
        return "\xEF\xBB\xBF" + t.toUtf8();
    case Codifica::Ansi:
        break;
    }
    return cp1252::encode(t);
}

// Blanks as the profile functions skip them: ^Z is the end mark of old DOS files.
bool blank(QChar c) { return (c.unicode() >= 0x09 && c.unicode() <= 0x0D) || c.unicode() == 0x1A || c == QLatin1Char(' '); }

QString senzaBlank(QStringView s)
{
    qsizetype a = 0, b = s.size();
    while (a < b && blank(s[a]))
        ++a;
    while (b > a && blank(s[b - 1]))
        --b;
    return s.mid(a, b - a).toString();
}

struct Riga
{
    enum Tipo { Vuota, Altro, Sezione, Chiave };
    Tipo tipo = Vuota;
    qsizetype inizio = 0; // of the line, without its line end
    qsizetype fine = 0;
    QString nome;
    QString valore; // as written, blanks removed
};

QList<Riga> righe(const QString &t)
{
    QList<Riga> out;
    const qsizetype n = t.size();
    for (qsizetype i = 0; i < n;) {
        Riga r;
        r.inizio = i;
        while (i < n && t[i] != QLatin1Char('\r') && t[i] != QLatin1Char('\n'))
            ++i;
        r.fine = i;
        if (i < n)
            i += (t[i] == QLatin1Char('\r') && i + 1 < n && t[i + 1] == QLatin1Char('\n')) ? 2 : 1;
        const QString riga = senzaBlank(QStringView(t).mid(r.inizio, r.fine - r.inizio));
        if (riga.startsWith(QLatin1Char('['))) {
            r.tipo = Riga::Sezione;
            const qsizetype chiusa = riga.indexOf(QLatin1Char(']'));
            r.nome = senzaBlank(QStringView(riga).mid(1, chiusa < 0 ? -1 : chiusa - 1));
        } else if (const qsizetype uguale = riga.indexOf(QLatin1Char('=')); uguale >= 0 && !riga.startsWith(QLatin1Char(';'))) {
            r.tipo = Riga::Chiave;
            r.nome = senzaBlank(QStringView(riga).left(uguale));
            r.valore = senzaBlank(QStringView(riga).mid(uguale + 1));
        } else if (!riga.isEmpty()) {
            r.tipo = Riga::Altro;
        }
        out.append(r);
    }
    return out;
}

// What a reader gets from a value as written.
QString letto(QString v)
{
    if (const qsizetype nul = v.indexOf(QChar(0)); nul >= 0)
        v.truncate(nul);
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
        return v.mid(1, v.size() - 2);
    return v;
}

bool stesso(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

struct Posizione
{
    qsizetype sezione = -1; // index of the first section of the name
    qsizetype chiave = -1;  // the first key of the name in it
    qsizetype ultima = -1;  // its last line that is not blank
};

Posizione trova(const QList<Riga> &tutte, const QString &sezione, const QString &chiave)
{
    Posizione p;
    for (qsizetype i = 0; i < tutte.size(); ++i) {
        const Riga &r = tutte[i];
        if (r.tipo == Riga::Sezione) {
            if (p.sezione >= 0)
                break;
            if (stesso(r.nome, sezione))
                p.sezione = p.ultima = i;
        } else if (p.sezione >= 0 && r.tipo != Riga::Vuota) {
            p.ultima = i;
            if (r.tipo == Riga::Chiave && stesso(r.nome, chiave)) {
                p.chiave = i;
                break;
            }
        }
    }
    return p;
}

} // namespace

std::optional<QString> valore(const QByteArray &contenuto, const QString &sezione, const QString &chiave)
{
    const QList<Riga> tutte = righe(decodifica(contenuto).testo);
    const Posizione p = trova(tutte, sezione, chiave);
    if (p.chiave < 0)
        return std::nullopt;
    return letto(tutte[p.chiave].valore);
}

QByteArray conValore(const QByteArray &contenuto, const QString &sezione, const QString &chiave,
                     const QString &nuovo)
{
    QString v = nuovo;
    for (QChar &c : v)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.isNull())
            c = QLatin1Char('?');
    if (letto(senzaBlank(v)) != v)
        v = QLatin1Char('"') + v + QLatin1Char('"');

    Testo t = decodifica(contenuto);
    const QList<Riga> tutte = righe(t.testo);
    const Posizione p = trova(tutte, sezione, chiave);
    const QString crlf = QStringLiteral("\r\n");
    if (p.chiave >= 0) {
        const Riga &r = tutte[p.chiave];
        t.testo.replace(r.inizio, r.fine - r.inizio, r.nome + QLatin1Char('=') + v);
    } else if (p.sezione >= 0) {
        t.testo.insert(tutte[p.ultima].fine, crlf + chiave + QLatin1Char('=') + v);
    } else {
        if (!t.testo.isEmpty() && !t.testo.endsWith(QLatin1Char('\n')) && !t.testo.endsWith(QLatin1Char('\r')))
            t.testo += crlf;
        t.testo += QLatin1Char('[') + sezione + QLatin1Char(']') + crlf + chiave + QLatin1Char('=') + v + crlf;
    }
    if (t.codifica == Codifica::Ansi && !cp1252::canEncode(t.testo))
        t.codifica = Codifica::Utf16;
    return codifica(t.testo, t.codifica);
}

QByteArray contenuto(const QString &file)
{
    QFile f(file);
    if (!ApriInLettura(f))
        return {};
    return f.read(1024 * 1024); // a settings file is a few lines; ignore anything past 1 MB
}

} // namespace profilo
