// Any bytes as a settings file: reading never crashes, a value written into
// it reads back exactly (blanks, quotes and all), and writing it again
// changes nothing.
#include "core/cp1252.h"
#include "core/profilo.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    static const QString chiavi[] = {QStringLiteral("Suoni attivati"), QStringLiteral("Carattere"),
                                     QStringLiteral("File in uso")};
    const QString sezione = QStringLiteral("IMPOSTAZIONI");
    const QString &chiave = chiavi[data[0] % 3];
    // The value: bytes up to the first NUL; a line end in it is written as '?'.
    size_t fine = 1;
    while (fine < size && data[fine] != 0)
        ++fine;
    QByteArray grezzo(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(fine - 1));
    const QString valore = cp1252::decode(grezzo);
    grezzo.replace('\r', '?').replace('\n', '?');
    const QString atteso = cp1252::decode(grezzo);
    const QByteArray contenuto = fine < size ? QByteArray(reinterpret_cast<const char *>(data + fine + 1),
                                                          static_cast<qsizetype>(size - fine - 1))
                                             : QByteArray();

    for (const QString &k : chiavi)
        (void)profilo::valore(contenuto, sezione, k);

    const QByteArray scritto = profilo::conValore(contenuto, sezione, chiave, valore);
    const auto letto = profilo::valore(scritto, sezione, chiave);
    if (!letto || *letto != atteso)
        std::abort();
    // Writing the same value again changes nothing.
    if (profilo::conValore(scritto, sezione, chiave, valore) != scritto)
        std::abort();
    return 0;
}
