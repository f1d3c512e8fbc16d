#include "windows/gestorefinestre.h"

#include "windows/finestra.h"
#include "windows/guardiadoppioclic.h"

#include <QTimer>

#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Gives the memory freed so far back to the system: glibc otherwise keeps the
// freed picture buffers for good. Mapping each buffer on its own would give
// them back at once, but costs a fresh zeroed page at every touch, about a
// millisecond an item; trimming once a window has gone costs nothing while
// the child plays.
void RestituisciMemoriaLibera()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

GestoreFinestre::GestoreFinestre(const Contesto &contesto, FabbricaFinestre fabbrica, QObject *parent)
    : QObject(parent), contesto_(contesto), fabbrica_(std::move(fabbrica))
{
    // Lives and dies with the windows it watches.
    new GuardiaDoppioClic(this);
}

GestoreFinestre::~GestoreFinestre()
{
    const auto vive = vive_;
    for (const QPointer<Finestra> &f : vive)
        delete f.data();
}

Finestra *GestoreFinestre::mostra(IdFinestra id)
{
    Finestra *f = finestra(id);
    if (!f) {
        f = fabbrica_ ? fabbrica_(id, contesto_, *this) : nullptr;
        if (!f)
            return nullptr;
        finestre_.insert(id, f);
        vive_.removeAll(nullptr);
        vive_.append(f);
        connect(f, &Finestra::chiusa, this, [this, f] { dimentica(f); });
        // Once its pictures and controls are freed too.
        connect(f, &QObject::destroyed, this,
                [this] { QTimer::singleShot(0, this, &RestituisciMemoriaLibera); });
        f->carica();
    }
    f->show();
    f->raise();
    f->activateWindow();
    return f;
}

Finestra *GestoreFinestre::vai(Finestra *da, IdFinestra a)
{
    Finestra *nuova = mostra(a);
    if (nuova && da && da != nuova)
        da->chiudiSenzaDomande();
    return nuova;
}

Finestra *GestoreFinestre::finestra(IdFinestra id) const
{
    return finestre_.value(id).data();
}

void GestoreFinestre::dimentica(Finestra *f)
{
    // Closed for good: opening it again must load a new one, even before
    // this one has been deleted.
    for (auto it = finestre_.begin(); it != finestre_.end();) {
        if (it.value() == f || it.value().isNull())
            it = finestre_.erase(it);
        else
            ++it;
    }
}

void GestoreFinestre::termina()
{
    const auto aperte = finestre_.values();
    for (const QPointer<Finestra> &f : aperte)
        if (f)
            f->chiudiSenzaDomande();
    emit terminato();
}
