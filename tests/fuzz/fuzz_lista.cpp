// Any bytes as a word-list file: the reader never crashes, never returns more
// than its limit, and reads a file again to the same words.
#include "core/paroleliste.h"

#include <QBuffer>

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer a;
    a.setData(bytes);
    a.open(QIODevice::ReadOnly);
    const QStringList primo = LeggiElementi(a, 500);
    if (primo.size() > 500)
        std::abort();
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    if (LeggiElementi(b, 500) != primo)
        std::abort();
    // A smaller limit stops early. (The words themselves may differ: the
    // encoding is decided on the part actually read.)
    QBuffer c;
    c.setData(bytes);
    c.open(QIODevice::ReadOnly);
    const QStringList corto = LeggiElementi(c, 3);
    if (corto.size() != std::min<qsizetype>(3, primo.size()))
        std::abort();
    return 0;
}
