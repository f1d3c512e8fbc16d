#pragma once

#include "core/suoni.h"

#include <QLibrary>

#include <memory>

class LettoreWav;

// WAV playback through the sound module beside the executable, loaded on the
// first sound that has a file. Each file is loaded once; playing a sound stops
// the one still playing. A missing file, or a missing module, gives the
// platform's beep.
class SuoniQt : public RiproduttoreSuoni
{
public:
    // `cartellaModulo`: where the module is; the executable's folder when empty.
    explicit SuoniQt(const QString &cartellaModulo = QString());
    ~SuoniQt() override;
    void suona(const QString &percorso) override;
    bool moduloCaricato() const { return lettore_ != nullptr; }

private:
    bool caricaModulo();

    QString cartellaModulo_;
    QLibrary modulo_;
    std::unique_ptr<LettoreWav> lettore_;
    bool tentato_ = false;
};
