#include "windows/risultatiqt.h"

#include "core/classe.h"
#include "core/dialoghi.h"
#include "core/impostazioni.h"
#include "risultati/finestra/finestrarisultati.h"

#include <QApplication>
#include <QDir>

#include <utility>

RisultatiQt::RisultatiQt(const QString &cartellaModulo, const QString &cartellaImpostazioni, const QString &fileImpostazioni,
                         Dialoghi &dialoghi)
    : cartellaModulo_(cartellaModulo), cartellaImpostazioni_(cartellaImpostazioni), fileImpostazioni_(fileImpostazioni),
      dialoghi_(dialoghi)
{
}

RisultatiQt::~RisultatiQt()
{
    delete finestra_.data(); // it uses the store
    // The last answers reach the file before the program ends; the store's
    // code lives in the module, so it goes first.
    if (archivio_)
        archivio_->attendi();
    archivio_.reset();
}

ArchivioRisultati *RisultatiQt::archivio()
{
    if (tentato_)
        return archivio_.get();
    tentato_ = true;
    modulo_.setFileName(QDir(cartellaModulo_).filePath(QStringLiteral("lettoria2_risultati")));
    using Crea = ArchivioRisultati *(*)(const QString &, const QString &);
    const auto crea = reinterpret_cast<Crea>(modulo_.resolve(LETTORIA_CREA_ARCHIVIO));
    if (!crea) {
        qWarning("Lettoria 2: no results module, answers are not kept: %s", qPrintable(modulo_.errorString()));
        return nullptr;
    }
    archivio_.reset(crea(cartellaImpostazioni_, IndirizzoArchivio(fileImpostazioni_)));
    if (archivio_ && !archivio_->avviso().isEmpty())
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione, archivio_->avviso());
    return archivio_.get();
}

void RisultatiQt::registra(const Risposta &risposta)
{
    if (risposta.bambino.isEmpty())
        return;
    if (ArchivioRisultati *a = archivio())
        a->registra({risposta.bambino, QDateTime::currentDateTime(), risposta});
    else if (!std::exchange(avvisato_, true))
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione, MessaggioRisposteNonRicordate);
}

bool RisultatiQt::adulto()
{
    archivio(); // the module, even when it has no store to open
    using Chiedi = bool (*)(QWidget *);
    const auto chiedi = reinterpret_cast<Chiedi>(modulo_.resolve(LETTORIA_CHIEDI_ADULTO));
    if (!chiedi) {
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione, MessaggioSenzaRisultati);
        return false;
    }
    return chiedi(QApplication::activeWindow());
}

void RisultatiQt::risultati()
{
    ArchivioRisultati *a = archivio();
    using Apri = decltype(&lettoria_apri_risultati);
    const auto apri = reinterpret_cast<Apri>(modulo_.resolve(LETTORIA_APRI_RISULTATI));
    if (!a || !apri) {
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione, MessaggioSenzaRisultati);
        return;
    }
    QStringList bambini;
    for (const Bambino &b : LeggiClasse(QDir(cartellaImpostazioni_).filePath(NomeFileClasse)).bambini)
        bambini.append(b.nome);
    finestra_ = apri(a, bambini, &dialoghi_, fileImpostazioni_, nullptr);
}

bool RisultatiQt::cancellaRisposte(const QString &bambino)
{
    ArchivioRisultati *a = archivio();
    return a && a->cancella(bambino);
}

bool RisultatiQt::rinominaRisposte(const QString &vecchio, const QString &nuovo)
{
    ArchivioRisultati *a = archivio();
    return a && a->rinomina(vecchio, nuovo);
}

QHash<QString, int> RisultatiQt::caselle(const QString &bambino)
{
    if (bambino.isEmpty())
        return {};
    ArchivioRisultati *a = archivio();
    return a ? a->caselle(bambino) : QHash<QString, int>{};
}

void RisultatiQt::classeCambiata(const QList<Bambino> &classe)
{
    if (!IndirizzoArchivio(fileImpostazioni_).isEmpty()) {
        if (ArchivioRisultati *a = archivio())
            a->classeCambiata(classe);
    }
}

void RisultatiQt::avvia()
{
    if (!IndirizzoArchivio(fileImpostazioni_).isEmpty())
        archivio();
}
