#pragma once

#include <random>

// The program's one random generator: uniform numbers in [0, 1), seeded from
// the clock at start. Tests seed it to get repeatable draws.
class Casuale
{
public:
    Casuale();                        // seeded from the clock
    explicit Casuale(unsigned seme);  // repeatable

    double Rnd();
    // Integer part of r * n: 0..n-1.
    int scelta(int n);
    // A list position: integer part of r * n, plus 1: 1..n.
    int posizione(int n);

private:
    std::mt19937 motore_;
    std::uniform_real_distribution<double> uniforme_{0.0, 1.0};
};
