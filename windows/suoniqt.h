#pragma once

#include "core/suoni.h"
#include "suoni/lettorewav.h"

#include <QLibrary>

#include <functional>
#include <memory>

// WAV playback through the sound module beside the executable, loaded on the
// first sound that has a file. Each file is loaded once; playing a sound stops
// the one still playing. A missing file, or a missing module, gives the
// platform's beep. Words are said by the module too (loaded for the first one
// if no sound came before), with the sound asked to follow a word in the same
// stream; without the module words are not said and that sound is a beep.
class SuoniQt : public RiproduttoreSuoni
{
public:
    // `cartellaModulo`: where the module is; the executable's folder when empty.
    explicit SuoniQt(const QString &cartellaModulo = QString());
    ~SuoniQt() override;
    void suona(const QString &percorso) override;
    void pronuncia(const QString &testo, const QString &registrazione, const QString &suonoDopo) override;
    bool moduloCaricato() const { return lettore_ != nullptr; }
    // Reports each word said, on this thread (see ParolaDetta); kept for the
    // module when it is not loaded yet.
    void osservaVoce(std::function<void(const ParolaDetta &)> osservatore);

private:
    bool caricaModulo();

    QString cartellaModulo_;
    QLibrary modulo_;
    std::unique_ptr<LettoreWav> lettore_;
    std::function<void(const ParolaDetta &)> osservatore_;
    bool tentato_ = false;
};
