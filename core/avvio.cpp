#include "core/avvio.h"

#include "core/ambiente.h"
#include "core/dialoghi.h"
#include "core/impostazioni.h"
#include "core/paroleliste.h"
#include "core/stato.h"

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

QString TestoCrediti()
{
    return QStringLiteral(" Programma di Lettoria 2, software libero (GNU GPL 3 o successiva)  \r\n"
                          "Sito: nessuno, il programma funziona senza rete\r\n"
                          "mail: nessuna\r\n"
                          " ----------------------- \r\n"
                          "Archivi di Lettoria 2; immagini: Fluent Emoji (MIT), OpenMoji (CC BY-SA 4.0)\r\n"
                          "Corsivo: Playwrite IT Trad di TypeTogether (licenza SIL OFL 1.1)\r\n"
                          "mail: nessuna");
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

EsitoAvvio Main(Stato &stato, const Ambiente &ambiente, Dialoghi &dialoghi,
                const std::function<void(const QString &)> &registraFont)
{
    EsitoAvvio esito;

    // 1. One copy at a time.
    if (!ambiente.fileBlocco.isEmpty()) {
        QDir().mkpath(QFileInfo(ambiente.fileBlocco).absolutePath());
        auto blocco = std::make_shared<QLockFile>(ambiente.fileBlocco);
        blocco->setStaleLockTime(0); // only a lock whose owner is gone counts as stale
        if (!blocco->tryLock(100)) {
            if (blocco->error() == QLockFile::LockFailedError) {
                dialoghi.messaggio(Dialoghi::Icona::Critica, QStringLiteral("Error"), MessaggioSecondaCopia,
                                   Dialoghi::Pulsanti::Ok);
                esito.tipo = EsitoAvvio::Tipo::SecondaCopia;
                return esito;
            }
            // A lock that cannot be created at all (no temporary folder) does not stop the program.
        } else {
            esito.blocco = std::move(blocco);
        }
    }

    // 2. The cursive font: copied once into the user's font folder; registered in every run.
    InstallaFontCorsivo(ambiente, dialoghi);
    QString font = ambiente.fileFontProgramma();
    if (!FileEsiste(font))
        font = QDir(ambiente.cartellaFont).filePath(QStringLiteral("indis1.ttf"));
    const bool fontMancante = !FileEsiste(font);
    if (registraFont && !fontMancante)
        registraFont(font);

    // 3. The random generator was seeded from the clock when it was made.

    // 4, 5. Settings folder and its readme.
    stato.FileImpostazioni = ambiente.fileImpostazioni();
    if (!FileEsiste(ambiente.fileLeggimi()))
        CreaCartellaImpostazioni(ambiente);

    // 6. Settings.
    if (!ImpostazioniIniziali(stato, ambiente, dialoghi)) {
        esito.tipo = EsitoAvvio::Tipo::ImpostazioniDanneggiate;
        return esito;
    }

    // 7, 8. The list in use, or the default one when it is gone or cannot be
    // read (a pipe, a picture renamed .txt): such a file never becomes the list.
    const QString predefinita = ambiente.listaPredefinita();
    QFileInfo inUso(stato.FileInUso);
    if (!FileEsiste(TrovaFile(inUso.absolutePath(), inUso.fileName())))
        stato.FileInUso = predefinita;
    if (!CaricaParole(stato, stato.FileInUso) && stato.FileInUso != predefinita) {
        stato.FileInUso = predefinita;
        CaricaParole(stato, predefinita);
    }

    // What the installation lacks, told once.
    QStringList mancanti;
    if (fontMancante)
        mancanti.append(MessaggioFontMancante);
    if (!FileEsiste(TrovaFile(ambiente.cartellaListe(), QFileInfo(predefinita).fileName())))
        mancanti.append(MessaggioListaMancante);
    if (!mancanti.isEmpty())
        dialoghi.avvisa(Dialoghi::Icona::Esclamazione, mancanti.join(QStringLiteral("\r\n")));

    // 9. The predefined lists.
    RiempiListePredefinite(stato);
    return esito;
}

void MostraCrediti(Dialoghi &dialoghi)
{
    dialoghi.avvisa(Dialoghi::Icona::Informazione, TestoCrediti());
}

bool ConfermaUscita(const Stato &stato, Dialoghi &dialoghi)
{
    if (!dialoghi.chiedi(DomandaUscita))
        return false;
    SalvaImpostazioni(stato, dialoghi);
    return true;
}
