#include "suoni/wav.h"

#include <QFile>
#include <QtEndian>

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
