#pragma once

#include "core/suoni.h"

#include <QHash>

class QSoundEffect;

// WAV playback with Qt Multimedia. Each file is loaded once; playing a sound
// stops the one still playing. Without an audio device nothing blocks: the
// effect simply stays silent.
class SuoniQt : public RiproduttoreSuoni
{
public:
    SuoniQt();
    ~SuoniQt() override;
    void suona(const QString &percorso) override;

private:
    QHash<QString, QSoundEffect *> effetti_;
    QSoundEffect *inCorso_ = nullptr;
};
