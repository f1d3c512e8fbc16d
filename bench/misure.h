#pragma once

#include <QString>
#include <QVector>

#include <chrono>

// Samples of one figure and the two numbers printed for it.
class Campioni
{
public:
    void aggiungi(double valore) { valori_.append(valore); }
    void unisci(const Campioni &altri) { valori_ += altri.valori_; }
    int numero() const { return static_cast<int>(valori_.size()); }
    bool vuoto() const { return valori_.isEmpty(); }
    // Nearest-rank percentiles of the samples; 0 when there are none.
    double percentile(double p) const;
    double mediana() const { return percentile(50); }
    double p95() const { return percentile(95); }

private:
    QVector<double> valori_;
};

// Milliseconds between two readings of the monotonic clock.
using Orologio = std::chrono::steady_clock;
inline double Millisecondi(Orologio::time_point da, Orologio::time_point a)
{
    return std::chrono::duration<double, std::milli>(a - da).count();
}

// What a figure must reach: a ceiling on the median and one on the 95th
// percentile (a negative ceiling is not checked), and how it reads.
struct Obiettivo
{
    double mediana = -1;
    double p95 = -1;
    QString testo;
    bool raggiunto(const Campioni &c) const;
};

// One line: name, median, p95, unit, target and whether it was met.
// Returns whether it was met.
bool StampaFigura(const QString &nome, const Campioni &c, const QString &unita, const Obiettivo &obiettivo);
// A figure that could not be measured, with the reason.
void StampaAssente(const QString &nome, const QString &motivo);

// Resident memory of this process now and at its peak, in megabytes (from /proc).
double MemoriaResidenteMB();
double PiccoMemoriaResidenteMB();
