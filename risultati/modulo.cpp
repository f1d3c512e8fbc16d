// The module's entry points, resolved by name by the program's loader: the
// store, and the teacher's results window with the school's server behind it.
#include "risultati/archivioscuola.h"
#include "risultati/finestra/finestrarisultati.h"
#include "risultati/server.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>

extern "C" Q_DECL_EXPORT QWidget *lettoria_apri_risultati(ArchivioRisultati *archivio, const QStringList &bambini,
                                                         Dialoghi *dialoghi, const QString &fileImpostazioni,
                                                         QWidget *genitore)
{
    if (!archivio || !dialoghi)
        return nullptr;
    FinestraRisultati::Scuola scuola;
    scuola.fileImpostazioni = fileImpostazioni;
    scuola.prova = [](const QString &indirizzo) {
        const EsitoProva esito = ProvaServer(indirizzo);
        return FinestraRisultati::EsitoProvaScuola{esito.errore, esito.classe};
    };
    const QString fileClasse = QFileInfo(fileImpostazioni).dir().filePath(NomeFileClasse);
    scuola.portaClasse = [fileClasse](const QString &indirizzo, const QList<Bambino> &classe) {
        return PortaClasseAlServer(indirizzo, classe, fileClasse);
    };
    return FinestraRisultati::apri(*archivio, bambini, *dialoghi, scuola, genitore);
}

extern "C" Q_DECL_EXPORT ArchivioRisultati *lettoria_crea_archivio(const QString &cartellaImpostazioni, const QString &indirizzo)
{
    if (indirizzo.trimmed().isEmpty())
        return new ArchivioSqlite(cartellaImpostazioni);
    QString motivo;
    if (const std::optional<IndirizzoServer> server = LeggiIndirizzo(indirizzo, &motivo))
        return new ArchivioScuola(cartellaImpostazioni, *server);
    // This PC's file, with what is wrong in the address told to the teacher.
    auto *file = new ArchivioSqlite(cartellaImpostazioni);
    file->aggiungiAvviso(QStringLiteral("L'indirizzo dell'archivio della scuola non va bene: %1 Le risposte restano su questo computer.")
                             .arg(motivo));
    return file;
}
