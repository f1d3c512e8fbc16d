#include "suoni/wav.h"

#include <QFile>
#include <QtEndian>

#include <cmath>

namespace {

constexpr qint64 MassimoFile = 16 * 1024 * 1024;

quint32 u32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 u16(const char *p) { return qFromLittleEndian<quint16>(p); }

} // namespace

double DatiWav::secondi() const
{
    return valido ? double(byteCampioni) / (double(frequenza) * canali * (bit / 8)) : 0.0;
}

DatiWav LeggiWav(const QByteArray &file, bool soloIntestazione)
{
    DatiWav wav;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return wav;
    bool formato = false;
    qint64 pos = 12;
    while (pos + 8 <= file.size()) {
        const char *testa = file.constData() + pos;
        const qint64 dimensione = u32(testa + 4);
        const qint64 inizio = pos + 8;
        const qint64 presenti = qMin<qint64>(dimensione, file.size() - inizio);
        if (qstrncmp(testa, "fmt ", 4) == 0) {
            if (presenti < 16)
                return wav;
            const char *f = testa + 8;
            quint16 tipo = u16(f);
            // WAVE_FORMAT_EXTENSIBLE names its real format in the first two
            // bytes of the sub-format GUID.
            if (tipo == 0xFFFE && presenti >= 26)
                tipo = u16(f + 24);
            wav.canali = u16(f + 2);
            wav.frequenza = int(u32(f + 4));
            wav.bit = u16(f + 14);
            formato = tipo == 1 && (wav.canali == 1 || wav.canali == 2) && (wav.bit == 8 || wav.bit == 16)
                && wav.frequenza >= 8000 && wav.frequenza <= 192000 && u16(f + 12) == wav.canali * wav.bit / 8;
            if (!formato)
                return wav;
        } else if (qstrncmp(testa, "data", 4) == 0) {
            if (!formato)
                return wav;
            // A file cut short keeps the samples it has, whole frames only.
            const int byteFrame = wav.canali * wav.bit / 8;
            wav.byteCampioni = presenti - presenti % byteFrame;
            wav.valido = wav.byteCampioni > 0;
            if (wav.valido && !soloIntestazione)
                wav.campioni = file.mid(inizio, wav.byteCampioni);
            return wav;
        }
        pos = inizio + dimensione + (dimensione & 1); // chunks are padded to an even length
    }
    return wav;
}

DatiWav LeggiWav(const QString &percorso, bool soloIntestazione)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly) || f.size() > MassimoFile)
        return {};
    return LeggiWav(f.readAll(), soloIntestazione);
}

QByteArray ConvertiCampioni(const DatiWav &wav, int canali, int frequenza, int bit)
{
    if (!wav.valido || wav.campioni.isEmpty() || (canali != 1 && canali != 2) || (bit != 8 && bit != 16)
        || frequenza <= 0)
        return {};
    // Each channel as numbers from -32768 to 32767.
    const int byteCampione = wav.bit / 8;
    const qint64 frame = wav.campioni.size() / (wav.canali * byteCampione);
    const auto leggi = [&](qint64 i, int c) -> double {
        const char *p = wav.campioni.constData() + (i * wav.canali + c) * byteCampione;
        return wav.bit == 8 ? (int(quint8(*p)) - 128) * 256.0 : double(qFromLittleEndian<qint16>(p));
    };
    const auto ingresso = [&](qint64 i, int c) {
        if (wav.canali == canali)
            return leggi(i, c);
        return wav.canali == 2 ? (leggi(i, 0) + leggi(i, 1)) / 2 : leggi(i, 0);
    };
    const qint64 uscite = frame * frequenza / wav.frequenza;
    const double passo = double(wav.frequenza) / frequenza;
    QByteArray out(uscite * canali * (bit / 8), Qt::Uninitialized);
    char *scrivi = out.data();
    for (qint64 j = 0; j < uscite; ++j) {
        for (int c = 0; c < canali; ++c) {
            double v;
            if (passo > 1) {
                // Fewer samples: the mean of those this one stands for, so
                // what the new rate cannot carry does not fold back in.
                const qint64 da = qint64(j * passo), a = qMin(frame, qMax(da + 1, qint64((j + 1) * passo)));
                double somma = 0;
                for (qint64 i = da; i < a; ++i)
                    somma += ingresso(i, c);
                v = somma / double(a - da);
            } else {
                const double pos = j * passo;
                const qint64 i = qint64(pos);
                const double f = pos - double(i);
                v = ingresso(i, c) * (1 - f) + (i + 1 < frame ? ingresso(i + 1, c) : ingresso(i, c)) * f;
            }
            const int intero = qBound(-32768, int(std::lround(v)), 32767);
            if (bit == 8) {
                *scrivi++ = char(quint8(qBound(0, int(std::lround(v / 256.0)) + 128, 255)));
            } else {
                qToLittleEndian<qint16>(qint16(intero), scrivi);
                scrivi += 2;
            }
        }
    }
    return out;
}
