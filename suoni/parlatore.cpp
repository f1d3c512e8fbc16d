#include "suoni/parlatore.h"

#include "suoni/sintesi.h"
#include "suoni/wav.h"

#include <QAudioSink>
#include <QHash>
#include <QMediaDevices>
#include <QTimer>

#include <memory>

using namespace std::chrono;
using Orologio = ParolaDetta::Orologio;

namespace {

struct Richiesta
{
    quint64 numero;
    QString testo;
    QString registrazione;
    Orologio::time_point chiesta;
    QString suonoDopo;
};

// The output holds this much audio: enough to ride over a busy moment of a
// slow classroom PC, short enough that a cut-off word stops at once. A stream
// starts playing only once it is full.
constexpr microseconds BufferUscita = 100ms;
// How often the output is topped up once the word has been made.
constexpr int IntervalloMs = 10;
// An output that takes nothing for this long past the end of the word is
// stuck (a sound server gone, a device taken away): the word is dropped.
constexpr milliseconds OltreLaFine = 1000ms;
// An output left idle is closed, so it does not keep the device awake.
constexpr milliseconds ChiusuraDopo = 3000ms;

int millisecondiFino(Orologio::time_point t)
{
    return int(qMax<qint64>(0, ceil<milliseconds>(t - Orologio::now()).count()));
}

} // namespace

// Lives on the speaking thread; everything here runs there.
class Lavoratore : public QObject
{
public:
    Lavoratore(const std::atomic<quint64> &numero, std::function<void(const ParolaDetta &)> riferisci)
        : numero_(numero), riferisci_(std::move(riferisci))
    {
    }

    // The library and its Italian voice take a moment to load: done here,
    // before the first word, never on the window's thread.
    void avvia()
    {
        sintesi_ = std::make_unique<SintesiItaliana>();
        alimenta_ = new QTimer(this);
        alimenta_->setTimerType(Qt::PreciseTimer);
        alimenta_->setInterval(IntervalloMs);
        QObject::connect(alimenta_, &QTimer::timeout, this, [this] { alimenta(); });
        chiusura_ = new QTimer(this);
        chiusura_->setSingleShot(true);
        QObject::connect(chiusura_, &QTimer::timeout, this, [this] { chiudiFlusso(); });
    }

    void dici(const Richiesta &r)
    {
        if (r.numero != numero_.load())
            return; // a newer word, or a stop, came since
        interrompi();
        parola_ = r.numero;
        rapporto_ = ParolaDetta{};
        rapporto_.testo = r.testo;
        rapporto_.chiesta = r.chiesta;
        completa_ = consegnata_ = riferita_ = false;
        byteParola_ = 0;

        const DatiWav wav = r.registrazione.isEmpty() ? DatiWav{} : LeggiWav(r.registrazione);
        const DatiWav &suono = suonoDopo(r.suonoDopo);
        QAudioFormat formato;
        if (wav.valido) {
            formato = formatoDi(wav);
            rapporto_.registrazione = true;
        } else if (sintesi_->pronta()) {
            formato.setSampleRate(sintesi_->frequenza());
            formato.setChannelCount(1);
            formato.setSampleFormat(QAudioFormat::Int16);
        } else if (suono.valido) {
            formato = formatoDi(suono); // no word to say: the sound alone
        } else {
            parola_ = 0; // nothing to say it with
            return;
        }
        apriFlusso(formato);

        if (wav.valido) {
            aggiungi(wav.campioni.constData(), wav.campioni.size());
        } else if (sintesi_->pronta()) {
            const bool fatta = sintesi_->sintetizza(r.testo, [this](const qint16 *campioni, int quanti) {
                if (numero_.load() != parola_)
                    return false;
                aggiungi(reinterpret_cast<const char *>(campioni), qint64(quanti) * 2);
                return true;
            });
            if (!fatta) {
                interrompi();
                return;
            }
        }
        rapporto_.durata = microseconds(formato.durationForBytes(int(byteParola_)));
        // Only what was said is reported: a sound alone is not a word.
        riferita_ = byteParola_ == 0;
        // The sound goes on after the word's last sample, in the same stream,
        // so the two can neither overlap nor leave a gap the server adds.
        const QByteArray dopo = ConvertiCampioni(suono, formato.channelCount(), formato.sampleRate(),
                                                 formato.sampleFormat() == QAudioFormat::UInt8 ? 8 : 16);
        if (!dopo.isEmpty()) {
            rapporto_.durataSuono = microseconds(formato.durationForBytes(int(dopo.size())));
            aggiungi(dopo.constData(), dopo.size());
        }
        if (byteParola_ == 0) {
            interrompi(); // nothing to hear
            return;
        }
        completa_ = true;
        // Silence after the word fills the output's buffer, so a short word
        // starts too, and ends cleanly.
        inAttesa_.append(QByteArray(formato.bytesForDuration(BufferUscita.count()),
                                    formato.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0)));
        consegna();
        forseRiferisci();
        alimenta_->start();
    }

    void ferma() { interrompi(); }

private:
    static QAudioFormat formatoDi(const DatiWav &wav)
    {
        QAudioFormat formato;
        formato.setSampleRate(wav.frequenza);
        formato.setChannelCount(wav.canali);
        formato.setSampleFormat(wav.bit == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        return formato;
    }

    // The sound to play after a word, read once: the cheerful sounds are few
    // and do not change while the program runs.
    const DatiWav &suonoDopo(const QString &percorso)
    {
        static const DatiWav nessuno;
        if (percorso.isEmpty())
            return nessuno;
        auto it = suoni_.find(percorso);
        if (it == suoni_.end())
            it = suoni_.insert(percorso, LeggiWav(percorso));
        return *it;
    }

    void aggiungi(const char *dati, qint64 quanti)
    {
        inAttesa_.append(dati, quanti);
        byteParola_ += quanti;
        consegna();
    }

    // Hands the output what it has room for.
    void consegna()
    {
        if (inAttesa_.isEmpty())
            return;
        if (!flusso_) {
            segnaPrimo();
            inAttesa_.clear();
            return;
        }
        const int frame = uscita_->format().bytesPerFrame();
        qint64 libero = uscita_->bytesFree();
        libero = qMin<qint64>(libero - libero % frame, inAttesa_.size());
        if (libero <= 0)
            return;
        const qint64 scritti = flusso_->write(inAttesa_.constData(), libero);
        if (scritti < 0) { // the output failed: the word goes on as with none
            chiudiFlusso();
            consegna();
            return;
        }
        if (scritti == 0)
            return;
        segnaPrimo();
        inAttesa_.remove(0, scritti);
        fineAudio_ = Orologio::now()
            + microseconds(uscita_->format().durationForBytes(int(inAttesa_.size())) + BufferUscita.count());
    }

    void alimenta()
    {
        consegna();
        if (consegnata_
            && Orologio::now() > rapporto_.primoCampione + rapporto_.durata + rapporto_.durataSuono + BufferUscita + OltreLaFine) {
            interrompi();
            return;
        }
        if (completa_ && inAttesa_.isEmpty()) {
            alimenta_->stop();
            parola_ = 0;
            if (flusso_)
                chiusura_->start(millisecondiFino(fineAudio_ + ChiusuraDopo));
        }
    }

    void segnaPrimo()
    {
        if (consegnata_)
            return;
        consegnata_ = true;
        rapporto_.primoCampione = Orologio::now();
        rapporto_.uscitaAudio = flusso_ != nullptr;
    }

    void forseRiferisci()
    {
        if (completa_ && consegnata_ && !riferita_) {
            riferita_ = true;
            riferisci_(rapporto_);
        }
    }

    // Drops the word under way; what the output still holds is cut off.
    void interrompi()
    {
        if (alimenta_->isActive() || Orologio::now() < fineAudio_)
            chiudiFlusso();
        alimenta_->stop();
        inAttesa_.clear();
        parola_ = 0;
    }

    // The output for this format, open: the one already open when it fits.
    // No audio device leaves it closed, and the word is made all the same.
    void apriFlusso(const QAudioFormat &formato)
    {
        chiusura_->stop();
        const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
        if (dispositivo.isNull()) {
            chiudiFlusso();
            return;
        }
        if (!uscita_ || uscita_->format() != formato || dispositivo != dispositivo_) {
            chiudiFlusso();
            if (uscita_)
                uscita_->deleteLater(); // its destructor runs the event loop: not in the middle of a word
            uscita_ = new QAudioSink(dispositivo, formato, this);
            uscita_->setBufferSize(formato.bytesForDuration(BufferUscita.count()));
            dispositivo_ = dispositivo;
        }
        if (!flusso_)
            flusso_ = uscita_->start();
    }

    void chiudiFlusso()
    {
        chiusura_->stop();
        if (flusso_) {
            uscita_->stop(); // also deletes flusso_
            // Started again, a stopped output (Qt 6.4, PulseAudio) ran dry
            // again and again: every later word came in pieces with gaps of
            // a quarter second. A new one for the next word.
            uscita_->deleteLater();
            uscita_ = nullptr;
        }
        flusso_ = nullptr;
        fineAudio_ = {};
    }

    const std::atomic<quint64> &numero_;
    std::function<void(const ParolaDetta &)> riferisci_;
    std::unique_ptr<SintesiItaliana> sintesi_;
    QTimer *alimenta_ = nullptr;
    QTimer *chiusura_ = nullptr;

    QAudioSink *uscita_ = nullptr;
    QAudioDevice dispositivo_;
    QIODevice *flusso_ = nullptr; // the open output, or none
    Orologio::time_point fineAudio_; // when the output will have played all it was given

    // The word under way (0: none).
    quint64 parola_ = 0;
    QByteArray inAttesa_; // made, not yet handed to the output
    qint64 byteParola_ = 0;
    bool completa_ = false;   // all of it made
    bool consegnata_ = false; // its first sample handed on
    bool riferita_ = false;
    ParolaDetta rapporto_;
    QHash<QString, DatiWav> suoni_;
};

Parlatore::Parlatore()
{
    lavoratore_ = new Lavoratore(numero_, [this](const ParolaDetta &p) {
        QMetaObject::invokeMethod(
            &ricevitore_, [this, p] {
                if (osservatore_)
                    osservatore_(p);
            },
            Qt::QueuedConnection);
    });
    lavoratore_->moveToThread(&filo_);
    // Deleted on its own thread as that ends, with the output it owns.
    QObject::connect(&filo_, &QThread::finished, lavoratore_, &QObject::deleteLater);
    filo_.setObjectName(QStringLiteral("Lettoria2 voce"));
    filo_.start();
    QMetaObject::invokeMethod(lavoratore_, [l = lavoratore_] { l->avvia(); }, Qt::QueuedConnection);
}

Parlatore::~Parlatore()
{
    ++numero_;
    filo_.quit();
    filo_.wait();
}

void Parlatore::pronuncia(const QString &testo, const QString &registrazione, const QString &suonoDopo)
{
    const Richiesta r{++numero_, testo, registrazione, Orologio::now(), suonoDopo};
    QMetaObject::invokeMethod(lavoratore_, [l = lavoratore_, r] { l->dici(r); }, Qt::QueuedConnection);
}

void Parlatore::ferma()
{
    ++numero_;
    QMetaObject::invokeMethod(lavoratore_, [l = lavoratore_] { l->ferma(); }, Qt::QueuedConnection);
}
