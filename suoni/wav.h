#pragma once

#include <QByteArray>
#include <QString>

// A PCM WAV file as the audio output can take it: 8-bit (unsigned) or 16-bit
// (signed, little-endian) samples, one or two channels, 8 to 192 kHz.
// Anything else, or a damaged file, is not valid.
struct DatiWav
{
    bool valido = false;
    int canali = 0;
    int frequenza = 0;
    int bit = 0;
    qint64 byteCampioni = 0; // the length of the samples, whole frames only
    QByteArray campioni;     // empty when only the header was asked for

    double secondi() const;
};

// Reads the file, or only what describes it when `soloIntestazione`.
// Files over a few megabytes are not read: a spoken word is short.
DatiWav LeggiWav(const QString &percorso, bool soloIntestazione = false);
DatiWav LeggiWav(const QByteArray &file, bool soloIntestazione = false);

// The samples of `wav` as `canali` channels of `bit`-bit samples at
// `frequenza`: two channels become one by their mean, one becomes two by
// copying; a higher rate is filled in by straight lines between the samples,
// a lower one takes the mean of the samples each new one stands for. Empty
// for an invalid file or format.
QByteArray ConvertiCampioni(const DatiWav &wav, int canali, int frequenza, int bit);
