#include "windows/risultatiqt.h"

#include "core/dialoghi.h"

#include <QDir>

RisultatiQt::RisultatiQt(const QString &cartellaModulo, const QString &cartellaImpostazioni, Dialoghi &dialoghi)
    : cartellaModulo_(cartellaModulo), cartellaImpostazioni_(cartellaImpostazioni), dialoghi_(dialoghi)
{
}

RisultatiQt::~RisultatiQt()
{
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
    using Crea = ArchivioRisultati *(*)(const QString &);
    const auto crea = reinterpret_cast<Crea>(modulo_.resolve(LETTORIA_CREA_ARCHIVIO));
    if (!crea) {
        qWarning("Lettoria 2: no results module, answers are not kept: %s", qPrintable(modulo_.errorString()));
        return nullptr;
    }
    archivio_.reset(crea(cartellaImpostazioni_));
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
}

QHash<QString, int> RisultatiQt::caselle(const QString &bambino)
{
    if (bambino.isEmpty())
        return {};
    ArchivioRisultati *a = archivio();
    return a ? a->caselle(bambino) : QHash<QString, int>{};
}
