#include "core/voce.h"

#include "core/ambiente.h"
#include "core/paroleliste.h"
#include "core/sessione.h"
#include "core/suoni.h"

#include <QDir>
#include <QLocale>

void LeggiParola(const Sessione &sessione, const Ambiente &ambiente, RiproduttoreSuoni &suoni, const QString &parola)
{
    if (!sessione.SuoniAttivati || !sessione.VoceAttivata)
        return;
    // The type style does not change how a word sounds; the system's language
    // must not either (a Turkish one would make "ISOLA" "ısola").
    static const QLocale italiano(QLocale::Italian, QLocale::Italy);
    const QString testo = italiano.toLower(parola.trimmed());
    if (testo.isEmpty())
        return;
    QString registrazione;
    if (NomeSemplice(testo)) {
        const QString trovato = TrovaFile(QDir(ambiente.cartellaProgramma).filePath(QStringLiteral("voci")),
                                          testo + QStringLiteral(".wav"));
        if (FileEsiste(trovato))
            registrazione = trovato;
    }
    suoni.pronuncia(testo, registrazione);
}
