#include "bench/misure.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>

double Campioni::percentile(double p) const
{
    if (valori_.isEmpty())
        return 0;
    QVector<double> ordinati = valori_;
    std::sort(ordinati.begin(), ordinati.end());
    const auto n = ordinati.size();
    auto rango = static_cast<qsizetype>(std::ceil(p / 100.0 * static_cast<double>(n)));
    rango = std::clamp<qsizetype>(rango, 1, n);
    return ordinati.at(rango - 1);
}

bool Obiettivo::raggiunto(const Campioni &c) const
{
    if (c.vuoto())
        return false;
    return (mediana < 0 || c.mediana() <= mediana) && (p95 < 0 || c.p95() <= p95);
}

bool StampaFigura(const QString &nome, const Campioni &c, const QString &unita, const Obiettivo &obiettivo)
{
    const bool ok = obiettivo.raggiunto(c);
    std::printf("%-34s median %10.3f  p95 %10.3f  %-3s  target %-40s %s  (n=%d)\n", qPrintable(nome), c.mediana(),
                c.p95(), qPrintable(unita), qPrintable(obiettivo.testo), ok ? "met" : "MISSED", c.numero());
    std::fflush(stdout);
    return ok;
}

void StampaAssente(const QString &nome, const QString &motivo)
{
    std::printf("%-34s not measured: %s\n", qPrintable(nome), qPrintable(motivo));
    std::fflush(stdout);
}

namespace {
double campoStatus(const char *campo)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray chiave = QByteArray(campo) + ':';
    const QList<QByteArray> righe = f.readAll().split('\n');
    for (const QByteArray &r : righe)
        if (r.startsWith(chiave))
            return r.mid(chiave.size()).trimmed().split(' ').value(0).toDouble() / 1024.0; // kB
    return 0;
}
} // namespace

double MemoriaResidenteMB() { return campoStatus("VmRSS"); }
double PiccoMemoriaResidenteMB() { return campoStatus("VmHWM"); }
