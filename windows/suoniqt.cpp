#include "windows/suoniqt.h"

#include "core/paroleliste.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

SuoniQt::SuoniQt() = default;

SuoniQt::~SuoniQt()
{
    qDeleteAll(effetti_);
}

void SuoniQt::suona(const QString &percorso)
{
    if (inCorso_)
        inCorso_->stop();
    inCorso_ = nullptr;
    if (!FileEsiste(percorso)) {
        QApplication::beep();
        return;
    }
    QSoundEffect *effetto = effetti_.value(percorso);
    if (!effetto) {
        effetto = new QSoundEffect;
        effetto->setSource(QUrl::fromLocalFile(percorso));
        effetti_.insert(percorso, effetto);
    }
    effetto->play();
    inCorso_ = effetto;
}
