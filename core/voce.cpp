#include "core/voce.h"

#include "core/ambiente.h"
#include "core/paroleliste.h"
#include "core/sessione.h"
#include "core/suoni.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

const QLocale &italiano()
{
    static const QLocale l(QLocale::Italian, QLocale::Italy);
    return l;
}

// What the synthetic voice is given for `testo`: the file is read again only
// when it changes, so a word costs a look at its date, not a reading.
QString testoPerLaVoce(const Ambiente &ambiente, const QString &testo)
{
    struct Letto
    {
        QString percorso;
        QDateTime modificato;
        qint64 dimensione = -1;
        QHash<QString, PronunciaParola> pronunce;
    };
    static Letto letto;
    const QFileInfo info(QDir(ambiente.cartellaProgramma).filePath(QStringLiteral("pronuncia.txt")));
    if (info.filePath() != letto.percorso || info.lastModified() != letto.modificato || info.size() != letto.dimensione)
        letto = {info.filePath(), info.lastModified(), info.size(), LeggiPronunce(info.filePath())};
    const QString voce = letto.pronunce.value(testo).voce;
    return voce.isEmpty() ? testo : voce;
}

} // namespace

void LeggiParola(const Sessione &sessione, const Ambiente &ambiente, RiproduttoreSuoni &suoni, const QString &parola,
                 const QString &suonoDopo)
{
    if (!sessione.SuoniAttivati)
        return;
    // The type style does not change how a word sounds; the system's language
    // must not either (a Turkish one would make "ISOLA" "ısola").
    const QString testo = italiano().toLower(parola.trimmed());
    if (testo.isEmpty() || !sessione.VoceAttivata) {
        if (!suonoDopo.isEmpty())
            suoni.suona(suonoDopo);
        return;
    }
    QString registrazione;
    if (NomeSemplice(testo)) {
        const QString trovato = TrovaFile(QDir(ambiente.cartellaProgramma).filePath(QStringLiteral("voci")),
                                          testo + QStringLiteral(".wav"));
        if (FileEsiste(trovato))
            registrazione = trovato;
    }
    // A recording is named after the word and said as it is: the form for the
    // synthetic voice is only its fallback.
    suoni.pronuncia(testoPerLaVoce(ambiente, testo), registrazione, suonoDopo);
}

void RispostaGiusta(const Sessione &sessione, const Ambiente &ambiente, Casuale &casuale, RiproduttoreSuoni &suoni,
                    const QString &parola)
{
    if (!sessione.SuoniAttivati)
        return;
    LeggiParola(sessione, ambiente, suoni, parola, SuonoGiusto(ambiente, casuale));
}

QHash<QString, PronunciaParola> LeggiPronunce(const QString &percorso)
{
    QHash<QString, PronunciaParola> out;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    const QStringList righe = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (QString riga : righe) {
        if (riga.endsWith(QLatin1Char('\r')))
            riga.chop(1);
        if (riga.isEmpty() || riga.startsWith(QLatin1Char('#')))
            continue;
        const QStringList campi = riga.split(QLatin1Char('\t'));
        if (campi.size() < 2 || campi.size() > 3 || campi.at(0).isEmpty() || campi.at(1).isEmpty())
            continue;
        out.insert(italiano().toLower(campi.at(0)), {campi.at(1), campi.value(2)});
    }
    return out;
}
