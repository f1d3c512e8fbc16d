// The module's one entry point, resolved by name by the program's loader.
#include "risultati/archiviosqlite.h"

extern "C" Q_DECL_EXPORT ArchivioRisultati *lettoria_crea_archivio(const QString &cartellaImpostazioni)
{
    return new ArchivioSqlite(cartellaImpostazioni);
}
