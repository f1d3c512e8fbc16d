#include "core/impostazioni.h"

#include "core/ambiente.h"
#include "core/cp1252.h"
#include "core/dialoghi.h"
#include "core/paroleliste.h"
#include "core/profilo.h"
#include "core/salvataggio.h"
#include "core/sessione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool ImpostazioniIniziali(Sessione &sessione, const Ambiente &ambiente, Dialoghi &dialoghi)
{
    const QString file = ambiente.fileImpostazioni();
    if (!FileEsiste(file)) {
        sessione.Carattere = TipoCarattere::Maiuscolo;
        sessione.SuoniAttivati = true;
        sessione.VoceAttivata = true;
        sessione.lista.FileInUso = ambiente.listaPredefinita();
        return true;
    }
    return LeggiImpostazioni(sessione, file, dialoghi);
}

bool LeggiImpostazioni(Sessione &sessione, const QString &file, Dialoghi &dialoghi)
{
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
    const QString ripasso = leggi(ChiaveRipasso, QString());

    sessione.SuoniAttivati = suoni.startsWith(QLatin1Char('V'));
    sessione.VoceAttivata = voce.isEmpty() || voce.startsWith(QLatin1Char('V'));
    sessione.RipassoAttivo = ripasso.isEmpty() || ripasso.startsWith(QLatin1Char('V'));
    sessione.Carattere = CarattereDaTesto(carattere);
    QString percorso = fileInUso;
    while (percorso.endsWith(QLatin1Char(' ')))
        percorso.chop(1);
    sessione.lista.FileInUso = percorso;
    return true;
}

int SalvaImpostazioni(const Sessione &sessione, const QString &fileImpostazioni, Dialoghi &dialoghi)
{
    const std::pair<QString, QString> voci[] = {
        {ChiaveSuoni, sessione.SuoniAttivati ? QStringLiteral("Vero") : QStringLiteral("Falso")},
        {ChiaveCarattere, TestoCarattere(sessione.Carattere)},
        {ChiaveFileInUso, sessione.lista.FileInUso},
        {ChiaveVoce, sessione.VoceAttivata ? QStringLiteral("Vero") : QStringLiteral("Falso")},
    };
    // One write, so a crash leaves the old file or the new one, never a file
    // with only some keys changed.
    QByteArray contenuto;
    QFile file(fileImpostazioni);
    // Never write over a file we could not read (nor replace a pipe or a device).
    bool ok = ApriInLettura(file) || !QFileInfo::exists(fileImpostazioni);
    if (file.isOpen())
        contenuto = file.readAll();
    ok = ok && file.error() == QFileDevice::NoError;
    file.close();
    if (ok) {
        for (const auto &[chiave, valore] : voci)
            contenuto = profilo::conValore(contenuto, SezioneImpostazioni, chiave, valore);
        if (!sessione.RipassoAttivo || profilo::valore(contenuto, SezioneImpostazioni, ChiaveRipasso))
            contenuto = profilo::conValore(contenuto, SezioneImpostazioni, ChiaveRipasso,
                                           sessione.RipassoAttivo ? QStringLiteral("Vero") : QStringLiteral("Falso"));
        ok = ScriviFileIntero(fileImpostazioni, contenuto);
    }
    if (ok)
        return 0;
    // One write failed, so one message: the same box three times only makes
    // the teacher click three times.
    dialoghi.avvisa(Dialoghi::Icona::Esclamazione, MessaggioErroreSalvataggio);
    return 3;
}

QString IndirizzoArchivio(const QString &fileImpostazioni)
{
    return profilo::valore(profilo::contenuto(fileImpostazioni), SezioneImpostazioni, ChiaveArchivio).value_or(QString()).trimmed();
}

bool ScriviIndirizzoArchivio(const QString &fileImpostazioni, const QString &indirizzo)
{
    QFile file(fileImpostazioni);
    if (!ApriInLettura(file) && QFileInfo::exists(fileImpostazioni))
        return false;
    const QByteArray contenuto = file.isOpen() ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError)
        return false;
    file.close();
    return ScriviFileIntero(fileImpostazioni, profilo::conValore(contenuto, SezioneImpostazioni, ChiaveArchivio, indirizzo.trimmed()));
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
