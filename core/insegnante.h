#pragma once

#include "core/classe.h"

#include <QString>

// What only the teacher opens, behind a question a six-year-old cannot
// answer and an adult can. The program plugs in the results module's; tests
// plug in a fake.
class Insegnante
{
public:
    virtual ~Insegnante() = default;
    // Asks the question; true when it was answered right.
    virtual bool adulto() = 0;
    // The children's results, over the class list.
    virtual void risultati() = 0;
    // A child's answers, when he or she leaves the class or changes name:
    // erased for good, or moved to the new name. False when they could not be.
    virtual bool cancellaRisposte(const QString &bambino) = 0;
    virtual bool rinominaRisposte(const QString &vecchio, const QString &nuovo) = 0;
    // The class list was changed on this PC (the school's server keeps one for all).
    virtual void classeCambiata(const QList<Bambino> &) {}
};

// No teacher's side at all (the benchmark): the question is never passed.
class NessunInsegnante final : public Insegnante
{
public:
    bool adulto() override { return false; }
    void risultati() override {}
    bool cancellaRisposte(const QString &) override { return false; }
    bool rinominaRisposte(const QString &, const QString &) override { return false; }
};
