// Saves a file over and over until it is killed, for the test that cuts a save
// short: the settings through SalvaImpostazioni, a word list through
// ScriviFileIntero, or a word list written in place (the way that loses files,
// to show that the test catches it). It times four saves, then sends itself
// SIGKILL at the given point (0 to 1) of a save, two saves later. Given
// "vecchio" or "nuovo" instead, it makes one whole save of that kind and ends.
#include "core/dialoghi.h"
#include "core/impostazioni.h"
#include "core/salvataggio.h"
#include "core/sessione.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/time.h>
#endif

struct Muti : Dialoghi
{
    Risposta messaggio(Icona, const QString &, const QString &, Pulsanti) override { return Risposta::Ok; }
    QString apriFile(const QString &, const QString &) override { return {}; }
    QString salvaFile(const QString &, const QString &) override { return {}; }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
#ifdef Q_OS_UNIX
    if (a.size() < 6)
        return 2;
    Muti muti;
    // Made once: the time between kills goes to saving, not to building what is saved.
    const QByteArray testi[2] = {(a[4].toLatin1() + "\r\n").repeated(50000), (a[3].toLatin1() + "\r\n").repeated(50000)};
    const auto salva = [&](unsigned long i) {
        const QString &valore = a[(i % 2) ? 3 : 4];
        const QByteArray &testo = testi[i % 2];
        QFile f(a[2]);
        if (a[1] == QLatin1String("impostazioni")) {
            Sessione s;
            s.Carattere = CarattereDaTesto(valore);
            s.SuoniAttivati = i % 2;
            s.lista.FileInUso = QStringLiteral("/liste/") + valore.repeated(200);
            SalvaImpostazioni(s, a[2], muti);
        } else if (a[1] == QLatin1String("lista")) {
            ScriviFileIntero(a[2], testo);
        } else if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            f.write(testo);
        }
    };
    if (a[5] == QLatin1String("vecchio") || a[5] == QLatin1String("nuovo")) {
        salva(a[5] == QLatin1String("vecchio"));
        return 0;
    }
    QElapsedTimer t;
    t.start();
    unsigned long i = 0;
    for (; i < 4; ++i)
        salva(i);
    const auto ritardo = static_cast<long>(t.nsecsElapsed() / 4000.0 * (2 + a[5].toDouble())) + 1; // microseconds
    std::signal(SIGALRM, [](int) { std::raise(SIGKILL); });
    itimerval timer{};
    timer.it_value.tv_sec = ritardo / 1000000;
    timer.it_value.tv_usec = ritardo % 1000000;
    setitimer(ITIMER_REAL, &timer, nullptr);
    for (;; ++i)
        salva(i);
#else
    return 3; // the kill is timed with a POSIX interval timer
#endif
}
