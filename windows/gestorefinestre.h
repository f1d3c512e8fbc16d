#pragma once

#include "core/contesto.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

class clsResize;
class Finestra;

enum class IdFinestra {
    FormAvvio,
    FormMenu,
    Form1,
    Form2,
    Form3,
    Form4,
    Form5,
    Form6,
    Form7,
    Form8,
    FormVedi,
    FormVedi2,
    FormVedi3,
    OPZIONI,
    pag1,
    pag2,
};

// Opens and closes the program's windows. Each window exists at most once;
// leaving a window destroys it, so opening it again starts from its design
// state; the next window is always shown before the last one closes.
class GestoreFinestre : public QObject
{
    Q_OBJECT
public:
    explicit GestoreFinestre(const Contesto &contesto, QObject *parent = nullptr);
    ~GestoreFinestre() override;

    // Shows the window, loading it first when it is not loaded.
    Finestra *mostra(IdFinestra id);
    // Shows `a`, then closes `da`.
    Finestra *vai(Finestra *da, IdFinestra a);
    // The loaded window, or null.
    Finestra *finestra(IdFinestra id) const;
    template <typename T>
    T *finestra(IdFinestra id) const { return qobject_cast<T *>(finestra(id)); }

    // Ends the program at once: every window closes without its own handling.
    void termina();
    bool inChiusura() const { return chiusura_; }

    // The scaling object of the window on screen (owned by that window).
    clsResize *ResizeAttivo = nullptr;

    // Builds a window; null for one that does not exist yet.
    static Finestra *crea(IdFinestra id, const Contesto &contesto, GestoreFinestre &gestore);

signals:
    void terminato();

private:
    friend class Finestra;
    void dimentica(Finestra *f);

    Contesto contesto_;
    QMap<IdFinestra, QPointer<Finestra>> finestre_;
    // Every window made and not yet deleted, open or closing: none may outlive the manager.
    QList<QPointer<Finestra>> vive_;
    bool chiusura_ = false;
};
