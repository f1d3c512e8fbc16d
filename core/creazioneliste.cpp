#include "core/creazioneliste.h"

#include "core/cp1252.h"
#include "core/salvataggio.h"

#include <QDirIterator>
#include <QLocale>
#include <QSet>

#include <algorithm>

OrdineAlfabetico::OrdineAlfabetico() : collatore_(QLocale(QLocale::Italian, QLocale::Italy))
{
    collatore_.setCaseSensitivity(Qt::CaseInsensitive);
    collatore_.setNumericMode(true);
}

void OrdineAlfabetico::ordina(QStringList &parole) const
{
    // Sort keys are computed once per word: thousands of pictures sort at once.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> chiavi;
    chiavi.reserve(static_cast<size_t>(parole.size()));
    for (qsizetype i = 0; i < parole.size(); ++i)
        chiavi.emplace_back(collatore_.sortKey(parole.at(i)), i);
    std::stable_sort(chiavi.begin(), chiavi.end(),
                     [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
    QStringList ordinate;
    ordinate.reserve(parole.size());
    for (const auto &c : chiavi)
        ordinate.append(parole.at(c.second));
    parole = std::move(ordinate);
}

namespace {
// The word a picture file stands for: its name less the ".jpg" extension
// (any letter case), in upper case. Empty for a name that is no picture of a
// word, or whose word could not find it again or live in a list file.
QString ParolaDaImmagine(const QString &nomeFile)
{
    static const QString estensione = QStringLiteral(".jpg");
    if (nomeFile.size() <= estensione.size() || !nomeFile.endsWith(estensione, Qt::CaseInsensitive))
        return {};
    const QString parola = nomeFile.left(nomeFile.size() - estensione.size()).toUpper();
    // A leading blank is dropped when a word looks for its picture, and a
    // double quote or a line end cannot be written in a list.
    if (parola.startsWith(QLatin1Char(' ')) || parola.contains(QLatin1Char('"')) || parola.contains(QLatin1Char('\r'))
        || parola.contains(QLatin1Char('\n')) || parola.contains(QLatin1String("..")))
        return {};
    return parola;
}
} // namespace

QStringList TrovaImmagini(const QString &cartella)
{
    QStringList parole;
    QSet<QString> viste;
    // One pass over the folder; the name filter ignores letter case.
    QDirIterator it(cartella, {QStringLiteral("*.jpg")}, QDir::Files);
    while (it.hasNext()) {
        const QString parola = ParolaDaImmagine(it.nextFileInfo().fileName());
        if (parola.isEmpty() || viste.contains(parola))
            continue;
        viste.insert(parola);
        parole.append(parola);
    }
    OrdineAlfabetico().ordina(parole);
    return parole;
}

QString NomeFileLista(const QString &scelto)
{
    if (scelto.right(4).toLower() == QLatin1String(".txt"))
        return scelto;
    return scelto + QStringLiteral(".txt");
}

namespace {
bool vaTraVirgolette(const QString &parola)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    return parola.contains(QLatin1Char(',')) || blank(parola.front()) || blank(parola.back());
}
} // namespace

QByteArray TestoListaParole(const QStringList &parole)
{
    QString testo;
    bool tutte1252 = true;
    for (const QString &p : parole) {
        if (p.isEmpty())
            continue;
        testo += vaTraVirgolette(p) ? QLatin1Char('"') + p + QLatin1Char('"') : p;
        testo += QLatin1String("\r\n");
        tutte1252 = tutte1252 && cp1252::canEncode(p);
    }
    if (tutte1252)
        return cp1252::encode(testo);
    return QByteArray("\xEF\xBB\xBF") + testo.toUtf8();
}

bool SalvaFile(const QString &percorso, const QStringList &parole, QString *errore)
{
    return ScriviFileIntero(percorso, TestoListaParole(parole), errore);
}
