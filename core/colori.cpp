#include "core/colori.h"

#include "core/casuale.h"

#include <array>
#include <cmath>

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

namespace {
double luminanza(quint32 rgb)
{
    const auto canale = [](quint32 v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canale((rgb >> 16) & 0xFF) + 0.7152 * canale((rgb >> 8) & 0xFF) + 0.0722 * canale(rgb & 0xFF);
}
} // namespace

double RapportoContrasto(quint32 a, quint32 b)
{
    const double la = luminanza(a), lb = luminanza(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

quint32 TestoLeggibile(quint32 sfondo)
{
    return RapportoContrasto(sfondo, 0x000000) >= RapportoContrasto(sfondo, 0xFFFFFF) ? 0x000000 : 0xFFFFFF;
}

quint32 ColoreCasuale(Casuale &casuale)
{
    const int k = casuale.scelta(colori::NumeroColori) + 1;
    return colori::inRgb(colori::voce(k));
}
