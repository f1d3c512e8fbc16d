#pragma once

#include "core/contesto.h"
#include "windows/navigazione.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

#include <functional>

class Finestra;

// Builds a window; null for one that cannot be built.
using FabbricaFinestre = std::function<Finestra *(IdFinestra, const Contesto &, Navigazione &)>;

// Opens and closes the program's windows. Each window exists at most once;
// leaving a window destroys it, so opening it again starts from its design
// state; the next window is always shown before the last one closes.
class GestoreFinestre : public QObject, public Navigazione
{
    Q_OBJECT
public:
    GestoreFinestre(const Contesto &contesto, FabbricaFinestre fabbrica, QObject *parent = nullptr);
    ~GestoreFinestre() override;

    // Shows the window, loading it first when it is not loaded.
    Finestra *mostra(IdFinestra id);
    Finestra *vai(Finestra *da, IdFinestra a) override;
    void termina() override;

    // The loaded window, or null.
    Finestra *finestra(IdFinestra id) const;
    template <typename T>
    T *finestra(IdFinestra id) const { return qobject_cast<T *>(finestra(id)); }

signals:
    void terminato();

private:
    void dimentica(Finestra *f);

    Contesto contesto_;
    FabbricaFinestre fabbrica_;
    QMap<IdFinestra, QPointer<Finestra>> finestre_;
    // Every window made and not yet deleted, open or closing: none may outlive the manager.
    QList<QPointer<Finestra>> vive_;
};
