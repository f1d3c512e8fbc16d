#include "core/impostazioni.h"

#include "core/ambiente.h"
#include "core/cp1252.h"
#include "core/dialoghi.h"
#include "core/paroleliste.h"
#include "core/profilo.h"
#include "core/salvataggio.h"
#include "core/stato.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool ImpostazioniIniziali(Stato &stato, const Ambiente &ambiente, Dialoghi &dialoghi)
{
    stato.FileImpostazioni = ambiente.fileImpostazioni();
    if (!FileEsiste(stato.FileImpostazioni)) {
        stato.Carattere = QStringLiteral("maiuscolo");
        stato.SuoniAttivati = true;
        stato.VoceAttivata = true;
        stato.FileInUso = ambiente.listaPredefinita();
        return true;
    }
    return LeggiImpostazioni(stato, dialoghi);
}

bool LeggiImpostazioni(Stato &stato, Dialoghi &dialoghi)
{
    const QString &file = stato.FileImpostazioni;
    const auto danneggiato = [&] {
        QFile::remove(file);
        dialoghi.avvisa(Dialoghi::Icona::Esclamazione, MessaggioImpostazioniDanneggiate);
        return false;
    };

    const QByteArray contenuto = profilo::contenuto(file);
    const auto leggi = [&](const QString &chiave, const QString &predefinito) {
        return profilo::valore(contenuto, SezioneImpostazioni, chiave).value_or(predefinito);
    };
    const QString suoni = leggi(ChiaveSuoni, QStringLiteral("False"));
    if (suoni.isEmpty())
        return danneggiato();
    const QString carattere = leggi(ChiaveCarattere, QStringLiteral("maiuscolo"));
    if (carattere.isEmpty())
        return danneggiato();
    const QString fileInUso = leggi(ChiaveFileInUso, QStringLiteral("Non Capisco"));
    if (fileInUso.isEmpty())
        return danneggiato();
    const QString voce = leggi(ChiaveVoce, QString());

    stato.SuoniAttivati = suoni.startsWith(QLatin1Char('V'));
    stato.VoceAttivata = voce.isEmpty() || voce.startsWith(QLatin1Char('V'));
    if (carattere.startsWith(QLatin1String("mai")))
        stato.Carattere = QStringLiteral("maiuscolo");
    else if (carattere.startsWith(QLatin1String("min")))
        stato.Carattere = QStringLiteral("minuscolo");
    else
        stato.Carattere = QStringLiteral("corsivo");
    QString percorso = fileInUso;
    while (percorso.endsWith(QLatin1Char(' ')))
        percorso.chop(1);
    stato.FileInUso = percorso;
    return true;
}

int SalvaImpostazioni(const Stato &stato, Dialoghi &dialoghi)
{
    const std::pair<QString, QString> voci[] = {
        {ChiaveSuoni, stato.SuoniAttivati ? QStringLiteral("Vero") : QStringLiteral("Falso")},
        {ChiaveCarattere, stato.Carattere},
        {ChiaveFileInUso, stato.FileInUso},
        {ChiaveVoce, stato.VoceAttivata ? QStringLiteral("Vero") : QStringLiteral("Falso")},
    };
    // One write, so a crash leaves the old file or the new one, never a file
    // with only some keys changed.
    QByteArray contenuto;
    QFile file(stato.FileImpostazioni);
    // Never write over a file we could not read (nor replace a pipe or a device).
    bool ok = ApriInLettura(file) || !QFileInfo::exists(stato.FileImpostazioni);
    if (file.isOpen())
        contenuto = file.readAll();
    ok = ok && file.error() == QFileDevice::NoError;
    file.close();
    if (ok) {
        for (const auto &[chiave, valore] : voci)
            contenuto = profilo::conValore(contenuto, SezioneImpostazioni, chiave, valore);
        ok = ScriviFileIntero(stato.FileImpostazioni, contenuto);
    }
    if (ok)
        return 0;
    // One write failed, so one message: the same box three times only makes
    // the teacher click three times.
    dialoghi.avvisa(Dialoghi::Icona::Esclamazione, MessaggioErroreSalvataggio);
    return 3;
}

QByteArray TestoLeggimi()
{
    const QString righe[] = {
        QStringLiteral("Questa cartella contiene i files di impostazione dei programmi presenti nel sito "
                       "del progetto Lettoria 2."),
        QStringLiteral(" "),
        QStringLiteral("Se qualche programma presenta problemi di funzionamento può essere utile cancellare il "
                       "file *.ini relativo al programma in quata cartella."),
        QStringLiteral(" "),
        QStringLiteral("Non cancellare questo file."),
    };
    QByteArray out;
    for (const QString &r : righe)
        out += cp1252::encode(r) + "\r\n";
    return out;
}

bool CreaCartellaImpostazioni(const Ambiente &ambiente)
{
    if (!QDir().mkpath(ambiente.cartellaImpostazioni))
        return false;
    return ScriviFileIntero(ambiente.fileLeggimi(), TestoLeggimi());
}
