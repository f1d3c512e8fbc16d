#include "windows/browse/formvedi.h"

#include "windows/navigazione.h"

namespace {
const Visore::Progetto &progetto()
{
    static const Visore::Progetto p{
        QSize(9255, 6945), QRect(2400, 840, 4035, 3720), QRect(7320, 5640, 1695, 975), "mnuInforma", 11};
    return p;
}
} // namespace

FormVedi::FormVedi(const Attivita &a, const Contesto &c, Navigazione &n) : Visore(a, progetto(), c, n)
{
}
