#include "core/avvio.h"

#include "core/ambiente.h"
#include "core/dialoghi.h"
#include "core/impostazioni.h"
#include "core/paroleliste.h"
#include "core/sessione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

QString TestoFontInstallato()
{
    return QStringLiteral("Ho installato il font per il corsivo 'indis1.ttf'\r\n"
                          " ----------------------- \r\n"
                          "Carattere Playwrite IT Trad del progetto Playwrite (TypeTogether)\r\n"
                          "Licenza SIL Open Font License 1.1");
}

std::shared_ptr<QLockFile> BloccaSecondaCopia(const Ambiente &ambiente, Dialoghi &dialoghi, bool &secondaCopia)
{
    secondaCopia = false;
    if (ambiente.fileBlocco.isEmpty())
        return {};
    QDir().mkpath(QFileInfo(ambiente.fileBlocco).absolutePath());
    auto blocco = std::make_shared<QLockFile>(ambiente.fileBlocco);
    blocco->setStaleLockTime(0); // only a lock whose owner is gone counts as stale
    if (blocco->tryLock(100))
        return blocco;
    if (blocco->error() == QLockFile::LockFailedError) {
        dialoghi.messaggio(Dialoghi::Icona::Critica, QStringLiteral("Error"), MessaggioSecondaCopia,
                           Dialoghi::Pulsanti::Ok);
        secondaCopia = true;
    }
    return {};
}

bool InstallaFontCorsivo(const Ambiente &ambiente, Dialoghi &dialoghi)
{
    const QString destinazione = QDir(ambiente.cartellaFont).filePath(QStringLiteral("indis1.ttf"));
    if (FileEsiste(destinazione))
        return false;
    const QString sorgente = ambiente.fileFontProgramma();
    if (!FileEsiste(sorgente) || !QDir().mkpath(ambiente.cartellaFont))
        return false;
    if (!QFile::copy(sorgente, destinazione))
        return false;
    dialoghi.messaggio(Dialoghi::Icona::Nessuna, TitoloProgramma, TestoFontInstallato(), Dialoghi::Pulsanti::Ok);
    return true;
}

bool RegistraFontCorsivo(const Ambiente &ambiente, const std::function<void(const QString &)> &registraFont)
{
    QString font = ambiente.fileFontProgramma();
    if (!FileEsiste(font))
        font = QDir(ambiente.cartellaFont).filePath(QStringLiteral("indis1.ttf"));
    if (!FileEsiste(font))
        return false;
    if (registraFont)
        registraFont(font);
    return true;
}

void PreparaCartellaImpostazioni(const Ambiente &ambiente)
{
    if (!FileEsiste(ambiente.fileLeggimi()))
        CreaCartellaImpostazioni(ambiente);
}

void CaricaListaInUso(Sessione &sessione, const Ambiente &ambiente)
{
    ListaInUso &lista = sessione.lista;
    const QString predefinita = ambiente.listaPredefinita();
    const QFileInfo inUso(lista.FileInUso);
    if (!FileEsiste(TrovaFile(inUso.absolutePath(), inUso.fileName())))
        lista.FileInUso = predefinita;
    if (!CaricaParole(lista, lista.FileInUso) && lista.FileInUso != predefinita) {
        lista.FileInUso = predefinita;
        CaricaParole(lista, predefinita);
    }
}

EsitoAvvio Main(Sessione &sessione, const Ambiente &ambiente, Dialoghi &dialoghi,
                const std::function<void(const QString &)> &registraFont)
{
    EsitoAvvio esito;
    bool secondaCopia = false;
    esito.blocco = BloccaSecondaCopia(ambiente, dialoghi, secondaCopia);
    if (secondaCopia) {
        esito.tipo = EsitoAvvio::Tipo::SecondaCopia;
        return esito;
    }

    InstallaFontCorsivo(ambiente, dialoghi);
    const bool fontMancante = !RegistraFontCorsivo(ambiente, registraFont);

    // The random generator was seeded from the clock when it was made.
    PreparaCartellaImpostazioni(ambiente);
    if (!ImpostazioniIniziali(sessione, ambiente, dialoghi)) {
        esito.tipo = EsitoAvvio::Tipo::ImpostazioniDanneggiate;
        return esito;
    }
    CaricaListaInUso(sessione, ambiente);

    // What the installation lacks, told once.
    QStringList mancanti;
    if (fontMancante)
        mancanti.append(MessaggioFontMancante);
    if (!FileEsiste(TrovaFile(ambiente.cartellaListe(), QFileInfo(ambiente.listaPredefinita()).fileName())))
        mancanti.append(MessaggioListaMancante);
    if (!mancanti.isEmpty())
        dialoghi.avvisa(Dialoghi::Icona::Esclamazione, mancanti.join(QStringLiteral("\r\n")));
    return esito;
}
