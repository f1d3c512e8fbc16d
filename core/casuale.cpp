#include "core/casuale.h"

#include <chrono>

Casuale::Casuale()
    : motore_(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()
                                    ^ std::chrono::system_clock::now().time_since_epoch().count()))
{
}

Casuale::Casuale(unsigned seme) : motore_(seme) {}

double Casuale::Rnd()
{
    double r = uniforme_(motore_);
    // uniform_real_distribution may round up to 1.0 on some libraries.
    return r < 1.0 ? r : 0.0;
}

int Casuale::scelta(int n)
{
    return n <= 0 ? 0 : static_cast<int>(Rnd() * n);
}

int Casuale::posizione(int n)
{
    return scelta(n) + 1;
}
