// The module's entry points, resolved by name by the program's loader: the
// store, and the teacher's results window with the school's server behind it.
#include "risultati/archivioscuola.h"
#include "risultati/finestra/finestrarisultati.h"
#include "risultati/server.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>

namespace {

// This PC's file, with what is wrong in the server's address told to the teacher.
class ArchivioSenzaServer final : public ArchivioRisultati
{
public:
    ArchivioSenzaServer(const QString &cartella, const QString &motivo) : file_(cartella), motivo_(motivo) {}
    Condizione condizione() const override { return file_.condizione(); }
    QString avviso() const override
    {
        const QString a = file_.avviso();
        return (a.isEmpty() ? QString() : a + QLatin1Char('\n'))
            + QStringLiteral("L'indirizzo dell'archivio della scuola non va bene: %1 Le risposte restano su questo computer.").arg(motivo_);
    }
    void registra(const RispostaRegistrata &r) override { file_.registra(r); }
    void attendi() override { file_.attendi(); }
    QList<RispostaRegistrata> risposte(const QString &b) override { return file_.risposte(b); }
    QHash<QString, int> caselle(const QString &b) override { return file_.caselle(b); }
    bool cancella(const QString &b) override { return file_.cancella(b); }
    bool rinomina(const QString &v, const QString &n) override { return file_.rinomina(v, n); }
    QuadroClasse quadroClasse(const QStringList &b, const QDateTime &a) override { return file_.quadroClasse(b, a); }
    PaginaBambino paginaBambino(const QString &b, const QDateTime &a) override { return file_.paginaBambino(b, a); }
    QByteArray csv(const QString &b) override { return file_.csv(b); }

private:
    ArchivioSqlite file_;
    QString motivo_;
};

} // namespace

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
    return new ArchivioSenzaServer(cartellaImpostazioni, motivo);
}
