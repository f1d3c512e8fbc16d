#include "suoni/sintesi.h"

#ifdef LETTORIA_SINTESI

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

// A slow, clear pace for children who are learning to read (the library's
// own is 175 words a minute).
constexpr int ParoleAlMinuto = 125;
// Samples this close to zero before the word are silence.
constexpr int SogliaSilenzio = 64;

std::mutex libreria;

// The word being made; the library calls back on the thread that asked.
struct Lavoro
{
    const SintesiItaliana::Campioni *campioni = nullptr;
    bool iniziata = false;
    bool fermata = false;
};
Lavoro *lavoro = nullptr;

int ricevi(short *campioni, int quanti, espeak_EVENT *)
{
    if (!campioni || quanti <= 0 || !lavoro)
        return 0;
    int inizio = 0;
    if (!lavoro->iniziata) {
        while (inizio < quanti && std::abs(campioni[inizio]) < SogliaSilenzio)
            ++inizio;
        if (inizio == quanti)
            return 0;
        lavoro->iniziata = true;
    }
    if (!(*lavoro->campioni)(campioni + inizio, quanti - inizio)) {
        lavoro->fermata = true;
        return 1; // stops the synthesis
    }
    return 0;
}

int avvia()
{
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT errore = nullptr;
    if (espeak_ng_Initialize(&errore) != ENS_OK) {
        espeak_ng_ClearErrorContext(&errore);
        return 0;
    }
    // Synchronous: the samples come back on the calling thread, in pieces of
    // 20 ms, so the first one can be played while the rest is made.
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 20, nullptr) != ENS_OK
        || espeak_ng_SetVoiceByName("it") != ENS_OK)
        return 0;
    espeak_SetSynthCallback(ricevi);
    espeak_ng_SetParameter(espeakRATE, ParoleAlMinuto, 0);
    return espeak_ng_GetSampleRate();
}

} // namespace

// The library is set up once and kept to the end of the process: once shut
// down, it hangs when set up again (its own threads wait for each other).
SintesiItaliana::SintesiItaliana()
{
    std::lock_guard blocco(libreria);
    static const int frequenza = avvia();
    frequenza_ = frequenza;
}

SintesiItaliana::~SintesiItaliana() = default;

bool SintesiItaliana::sintetizza(const QString &testo, const Campioni &campioni)
{
    if (!pronta())
        return false;
    const QByteArray utf8 = testo.toUtf8();
    std::lock_guard blocco(libreria);
    Lavoro l{&campioni};
    lavoro = &l;
    const espeak_ng_STATUS esito
        = espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                               nullptr, nullptr);
    lavoro = nullptr;
    return esito == ENS_OK && !l.fermata;
}

QString SintesiItaliana::fonemi(const QString &testo)
{
    if (!pronta())
        return {};
    // Said as sintetizza() says it, with the library writing down the sounds
    // it makes: the very ones a child hears.
    FILE *traccia = std::tmpfile();
    if (!traccia)
        return {};
    const Campioni scarta = [](const qint16 *, int) { return true; };
    {
        std::lock_guard blocco(libreria);
        espeak_SetPhonemeTrace(espeakPHONEMES_IPA, traccia);
    }
    const bool fatta = sintetizza(testo, scarta);
    QByteArray utf8;
    {
        std::lock_guard blocco(libreria);
        espeak_SetPhonemeTrace(0, nullptr);
    }
    std::rewind(traccia);
    char pezzo[256];
    for (size_t n; (n = std::fread(pezzo, 1, sizeof pezzo, traccia)) > 0;)
        utf8.append(pezzo, qsizetype(n));
    std::fclose(traccia);
    return fatta ? QString::fromUtf8(utf8).simplified().remove(QLatin1Char(' ')) : QString();
}

#else // built without eSpeak NG: no synthetic voice

SintesiItaliana::SintesiItaliana() = default;
SintesiItaliana::~SintesiItaliana() = default;

bool SintesiItaliana::sintetizza(const QString &, const Campioni &)
{
    return false;
}

QString SintesiItaliana::fonemi(const QString &)
{
    return {};
}

#endif
