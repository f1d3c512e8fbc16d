#include "suoni/lettorewav.h"

#include "suoni/parlatore.h"
#include "suoni/wav.h"

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
        inCorso_ = nullptr; // a sound stopped by its deletion releases no word
        parlatore_.reset();
        for (const Effetto &e : std::as_const(effetti_))
            delete e.effetto;
    }

    void suona(const QString &percorso) override
    {
        ferma();
        Effetto &e = effetti_[percorso];
        if (!e.effetto) {
            e.effetto = new QSoundEffect;
            e.effetto->setSource(QUrl::fromLocalFile(percorso));
            e.durata = std::chrono::microseconds(qint64(LeggiWav(percorso, true).secondi() * 1e6));
            QSoundEffect *effetto = e.effetto;
            QObject::connect(effetto, &QSoundEffect::playingChanged, effetto, [this, effetto] {
                if (effetto == inCorso_ && !effetto->isPlaying()) {
                    inCorso_ = nullptr;
                    parlatore_->suonoFinito();
                }
            });
        }
        e.effetto->play();
        inCorso_ = e.effetto;
        fineSuono_ = Parlatore::Orologio::now() + e.durata;
    }

    void ferma() override
    {
        parlatore_->ferma();
        if (QSoundEffect *effetto = std::exchange(inCorso_, nullptr))
            effetto->stop();
    }

    void pronuncia(const QString &testo, const QString &registrazione) override
    {
        // The jingle and the word never overlap: the word waits for the end.
        // (Without an audio device an effect never reports its end.)
        std::optional<Parlatore::Orologio::time_point> attesa;
        if (inCorso_ && inCorso_->isPlaying() && Parlatore::Orologio::now() < fineSuono_ + Parlatore::RitardoSuono)
            attesa = fineSuono_;
        parlatore_->pronuncia(testo, registrazione, attesa);
    }

    void osserva(std::function<void(const ParolaDetta &)> osservatore) override
    {
        parlatore_->osserva(std::move(osservatore));
    }

private:
    struct Effetto
    {
        QSoundEffect *effetto = nullptr;
        std::chrono::microseconds durata{0};
    };
    QHash<QString, Effetto> effetti_;
    QSoundEffect *inCorso_ = nullptr;
    Parlatore::Orologio::time_point fineSuono_; // when the one playing should end
    std::unique_ptr<Parlatore> parlatore_;
};

} // namespace

extern "C" Q_DECL_EXPORT LettoreWav *lettoria_crea_lettore_wav()
{
    return new LettoreQSoundEffect;
}
