#include "core/suoni.h"

#include "core/ambiente.h"
#include "core/casuale.h"
#include "core/sessione.h"

#include <QDir>

void SuonoGiusto(const Sessione &sessione, const Ambiente &ambiente, Casuale &casuale, RiproduttoreSuoni &suoni)
{
    if (!sessione.SuoniAttivati)
        return;
    const int n = casuale.scelta(4) + 1;
    suoni.suona(QDir(ambiente.cartellaSuoni()).filePath(QStringLiteral("si%1.wav").arg(n)));
}

void SuonoSbagliato(const Sessione &sessione, const Ambiente &ambiente, RiproduttoreSuoni &suoni)
{
    if (!sessione.SuoniAttivati)
        return;
    suoni.suona(QDir(ambiente.cartellaSuoni()).filePath(QStringLiteral("no.wav")));
}
