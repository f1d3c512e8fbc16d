#include "suoni/lettorewav.h"

#include "suoni/parlatore.h"

#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Each file is loaded once. Without an audio device nothing blocks: the
// effect simply stays silent. Words go to the speaking thread.
class LettoreQSoundEffect : public LettoreWav
{
public:
    LettoreQSoundEffect()
    {
        // Qt Multimedia's shared objects belong to the thread that first asks
        // for them: this one, not the speaking thread, which ends before them.
        QMediaDevices::defaultAudioOutput();
        parlatore_ = std::make_unique<Parlatore>();
    }

    ~LettoreQSoundEffect() override
    {
        parlatore_.reset();
        for (QSoundEffect *e : std::as_const(effetti_))
            delete e;
    }

    void suona(const QString &percorso) override
    {
        ferma();
        QSoundEffect *&e = effetti_[percorso];
        if (!e) {
            e = new QSoundEffect;
            e->setSource(QUrl::fromLocalFile(percorso));
        }
        e->play();
        inCorso_ = e;
    }

    void ferma() override
    {
        parlatore_->ferma();
        fermaEffetto();
    }

    void pronuncia(const QString &testo, const QString &registrazione, const QString &suonoDopo) override
    {
        // Nothing under the word: a sound still playing (a "try again" just
        // before the right answer) stops.
        fermaEffetto();
        parlatore_->pronuncia(testo, registrazione, suonoDopo);
    }

    void osserva(std::function<void(const ParolaDetta &)> osservatore) override
    {
        parlatore_->osserva(std::move(osservatore));
    }

private:
    void fermaEffetto()
    {
        if (QSoundEffect *effetto = std::exchange(inCorso_, nullptr))
            effetto->stop();
    }

    QHash<QString, QSoundEffect *> effetti_;
    QSoundEffect *inCorso_ = nullptr;
    std::unique_ptr<Parlatore> parlatore_;
};

} // namespace

extern "C" Q_DECL_EXPORT LettoreWav *lettoria_crea_lettore_wav()
{
    return new LettoreQSoundEffect;
}
