#include "core/suoni.h"

#include "core/ambiente.h"
#include "core/casuale.h"
#include "core/sessione.h"

#include <QDir>

QString SuonoGiusto(const Ambiente &ambiente, Casuale &casuale)
{
    const int n = casuale.scelta(4) + 1;
    return QDir(ambiente.cartellaSuoni()).filePath(QStringLiteral("si%1.wav").arg(n));
}

void SuonoSbagliato(const Sessione &sessione, const Ambiente &ambiente, RiproduttoreSuoni &suoni)
{
    if (!sessione.SuoniAttivati)
        return;
    suoni.suona(QDir(ambiente.cartellaSuoni()).filePath(QStringLiteral("no.wav")));
}
