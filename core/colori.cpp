#include "core/colori.h"

#include "core/casuale.h"

#include <array>

namespace colori {
namespace {
constexpr std::array<quint32, NumeroColori> kTabella = {
    0xC0C0FF, 0x8080FF, 0xFFC0FF, 0x80C0FF, 0x0080FF, 0xC0FFFF,
    0x00FFFF, 0x0040C0, 0x80FF80, 0x00C000, 0xFFFFC0, 0xFFFF00,
    0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF};
} // namespace

quint32 voce(int numero)
{
    if (numero < 1 || numero > NumeroColori)
        return 0;
    return kTabella[static_cast<size_t>(numero - 1)];
}

quint32 inRgb(quint32 bbggrr)
{
    const quint32 r = bbggrr & 0xFF;
    const quint32 g = (bbggrr >> 8) & 0xFF;
    const quint32 b = (bbggrr >> 16) & 0xFF;
    return (r << 16) | (g << 8) | b;
}
} // namespace colori

quint32 ColoreCasuale(Casuale &casuale)
{
    const int k = casuale.scelta(colori::NumeroColori) + 1;
    return colori::inRgb(colori::voce(k));
}
