#include "core/profilo.h"

#include "core/cp1252.h"
#include "core/salvataggio.h"

#include <QFile>
#include <QList>

namespace profilo {
namespace {

QList<QByteArray> righe(const QByteArray &contenuto)
{
    QList<QByteArray> out;
    qsizetype inizio = 0;
    const qsizetype n = contenuto.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = contenuto[i];
        if (c == '\r' || c == '\n') {
            out.append(contenuto.mid(inizio, i - inizio));
            if (c == '\r' && i + 1 < n && contenuto[i + 1] == '\n')
                ++i;
            inizio = i + 1;
        }
    }
    if (inizio < n)
        out.append(contenuto.mid(inizio));
    return out;
}

QString testo(const QByteArray &b) { return cp1252::decode(b); }

// "[name]" on a line gives name (trimmed); otherwise nothing.
std::optional<QString> nomeSezione(const QString &riga)
{
    const QString t = riga.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype chiusa = t.indexOf(QLatin1Char(']'));
    if (chiusa < 0)
        return std::nullopt;
    return t.mid(1, chiusa - 1).trimmed();
}

// "key=value" gives key (trimmed); lines without '=' are not keys.
std::optional<QString> nomeChiave(const QString &riga)
{
    const qsizetype uguale = riga.indexOf(QLatin1Char('='));
    if (uguale < 0)
        return std::nullopt;
    return riga.left(uguale).trimmed();
}

QString valoreDi(const QString &riga)
{
    // Quotes are kept: whatever the program writes reads back the same.
    return riga.mid(riga.indexOf(QLatin1Char('=')) + 1).trimmed();
}

bool stesso(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

std::optional<QString> valore(const QByteArray &contenuto, const QString &sezione, const QString &chiave)
{
    bool dentro = false;
    for (const QByteArray &b : righe(contenuto)) {
        const QString riga = testo(b);
        if (const auto s = nomeSezione(riga)) {
            dentro = stesso(*s, sezione);
            continue;
        }
        if (!dentro)
            continue;
        if (const auto k = nomeChiave(riga); k && stesso(*k, chiave))
            return valoreDi(riga);
    }
    return std::nullopt;
}

QByteArray conValore(const QByteArray &contenuto, const QString &sezione, const QString &chiave,
                     const QString &nuovo)
{
    const QByteArray rigaNuova = cp1252::encode(chiave + QLatin1Char('=') + nuovo);
    QList<QByteArray> tutte = righe(contenuto);

    qsizetype inizioSezione = -1; // index of the section header
    qsizetype ultimaDellaSezione = -1; // last non-blank line inside the section
    for (qsizetype i = 0; i < tutte.size(); ++i) {
        const QString riga = testo(tutte[i]);
        if (const auto s = nomeSezione(riga)) {
            if (inizioSezione >= 0)
                break; // past our section
            if (stesso(*s, sezione)) {
                inizioSezione = i;
                ultimaDellaSezione = i;
            }
            continue;
        }
        if (inizioSezione < 0)
            continue;
        if (!riga.trimmed().isEmpty())
            ultimaDellaSezione = i;
        if (const auto k = nomeChiave(riga); k && stesso(*k, chiave)) {
            tutte[i] = rigaNuova;
            return tutte.join("\r\n") + "\r\n";
        }
    }

    if (inizioSezione >= 0) {
        tutte.insert(ultimaDellaSezione + 1, rigaNuova);
    } else {
        // A new section goes at the end, after a blank line when the file has text.
        while (!tutte.isEmpty() && tutte.back().trimmed().isEmpty())
            tutte.removeLast();
        if (!tutte.isEmpty())
            tutte.append(QByteArray());
        tutte.append(cp1252::encode(QLatin1Char('[') + sezione + QLatin1Char(']')));
        tutte.append(rigaNuova);
    }
    return tutte.join("\r\n") + "\r\n";
}

QString leggi(const QString &file, const QString &sezione, const QString &chiave, const QString &predefinito)
{
    QFile f(file);
    QByteArray contenuto;
    if (f.open(QIODevice::ReadOnly))
        contenuto = f.read(1024 * 1024); // a settings file is a few lines; ignore anything past 1 MB
    return valore(contenuto, sezione, chiave).value_or(predefinito);
}

bool scrivi(const QString &file, const QString &sezione, const QString &chiave, const QString &nuovo)
{
    QByteArray contenuto;
    QFile f(file);
    if (f.exists()) {
        if (!f.open(QIODevice::ReadOnly))
            return false; // never write over a file we could not read
        contenuto = f.readAll();
        f.close();
    }
    return ScriviFileIntero(file, conValore(contenuto, sezione, chiave, nuovo));
}

} // namespace profilo
