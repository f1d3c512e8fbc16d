#include "windows/gestorefinestre.h"

#include "core/scaling/clsresize.h"
#include "windows/finestra.h"

GestoreFinestre::GestoreFinestre(const Contesto &contesto, QObject *parent)
    : QObject(parent), contesto_(contesto)
{
}

GestoreFinestre::~GestoreFinestre()
{
    chiusura_ = true;
    const auto vive = vive_;
    for (const QPointer<Finestra> &f : vive)
        delete f.data();
}

Finestra *GestoreFinestre::mostra(IdFinestra id)
{
    Finestra *f = finestra(id);
    if (!f) {
        f = crea(id, contesto_, *this);
        if (!f)
            return nullptr;
        finestre_.insert(id, f);
        vive_.removeAll(nullptr);
        vive_.append(f);
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
    for (auto it = finestre_.begin(); it != finestre_.end();) {
        if (it.value() == f || it.value().isNull())
            it = finestre_.erase(it);
        else
            ++it;
    }
    if (f && ResizeAttivo == f->scalatore())
        ResizeAttivo = nullptr;
}

void GestoreFinestre::termina()
{
    chiusura_ = true;
    const auto aperte = finestre_.values();
    for (const QPointer<Finestra> &f : aperte)
        if (f)
            f->close();
    emit terminato();
}
