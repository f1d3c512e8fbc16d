#include "windows/suoniqt.h"

#include "core/paroleliste.h"
#include "suoni/lettorewav.h"

#include <QApplication>
#include <QDir>

SuoniQt::SuoniQt(const QString &cartellaModulo) : cartellaModulo_(cartellaModulo) {}

SuoniQt::~SuoniQt()
{
    // The player's code lives in the module: it goes first. The module stays
    // mapped, as Qt Multimedia keeps threads of its own.
    lettore_.reset();
}

bool SuoniQt::caricaModulo()
{
    if (tentato_)
        return lettore_ != nullptr;
    tentato_ = true;
    const QString cartella = cartellaModulo_.isEmpty() ? QCoreApplication::applicationDirPath() : cartellaModulo_;
    modulo_.setFileName(QDir(cartella).filePath(QStringLiteral("lettoria2_suoni")));
    using Crea = LettoreWav *(*)();
    const auto crea = reinterpret_cast<Crea>(modulo_.resolve(LETTORIA_CREA_LETTORE_WAV));
    if (!crea) {
        qWarning("Lettoria 2: no sound module, only beeps: %s", qPrintable(modulo_.errorString()));
        return false;
    }
    lettore_.reset(crea());
    if (lettore_ && osservatore_)
        lettore_->osserva(osservatore_);
    return lettore_ != nullptr;
}

void SuoniQt::suona(const QString &percorso)
{
    if (!FileEsiste(percorso)) {
        if (lettore_)
            lettore_->ferma();
        QApplication::beep();
        return;
    }
    if (caricaModulo())
        lettore_->suona(percorso);
    else
        QApplication::beep();
}

void SuoniQt::pronuncia(const QString &testo, const QString &registrazione, const QString &suonoDopo)
{
    // A missing sound is the beep, at once, as suona() gives it.
    const bool beep = !suonoDopo.isEmpty() && !FileEsiste(suonoDopo);
    if (caricaModulo())
        lettore_->pronuncia(testo, registrazione, beep ? QString() : suonoDopo);
    if (beep || (!lettore_ && !suonoDopo.isEmpty()))
        QApplication::beep();
}

void SuoniQt::osservaVoce(std::function<void(const ParolaDetta &)> osservatore)
{
    osservatore_ = std::move(osservatore);
    if (lettore_)
        lettore_->osserva(osservatore_);
}
