#include "suoni/lettorewav.h"

#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Each file is loaded once. Without an audio device nothing blocks: the
// effect simply stays silent.
class LettoreQSoundEffect : public LettoreWav
{
public:
    ~LettoreQSoundEffect() override { qDeleteAll(effetti_); }

    void suona(const QString &percorso) override
    {
        ferma();
        QSoundEffect *effetto = effetti_.value(percorso);
        if (!effetto) {
            effetto = new QSoundEffect;
            effetto->setSource(QUrl::fromLocalFile(percorso));
            effetti_.insert(percorso, effetto);
        }
        effetto->play();
        inCorso_ = effetto;
    }

    void ferma() override
    {
        if (inCorso_)
            inCorso_->stop();
        inCorso_ = nullptr;
    }

private:
    QHash<QString, QSoundEffect *> effetti_;
    QSoundEffect *inCorso_ = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT LettoreWav *lettoria_crea_lettore_wav()
{
    return new LettoreQSoundEffect;
}
