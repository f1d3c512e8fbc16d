// Keeps answers until it is killed, for the test that cuts the store short:
// answer n of run r is child n % 3's on the word "P<n % 40>", "S<r>-<n>"
// chosen, r days after the first run's start; each
// child and word is answered right, right, wrong in turn, so its box keeps
// moving (2, 3, 1, ...) and a lost move shows.
// After every hundred it waits for them to be stored and prints how many are,
// then goes on; after `microsecondi` it sends itself SIGKILL.
#include "risultati/archiviosqlite.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/time.h>
#endif

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
#ifdef Q_OS_UNIX
    if (a.size() < 4)
        return 2;
    ArchivioSqlite archivio(a[1]);
    if (archivio.condizione() != ArchivioRisultati::Condizione::Scrivibile)
        return 3;
    const long ritardo = a[2].toLong();
    std::signal(SIGALRM, [](int) { std::raise(SIGKILL); });
    itimerval timer{};
    timer.it_value.tv_sec = ritardo / 1000000;
    timer.it_value.tv_usec = ritardo % 1000000;
    setitimer(ITIMER_REAL, &timer, nullptr);
    const int giro = a[3].toInt();
    const QDateTime inizio = QDateTime(QDate(2026, 3, 2), QTime(9, 0), QTimeZone(3600)).addDays(giro);
    for (long n = 0;; ++n) {
        RispostaRegistrata r;
        r.bambino = QStringLiteral("Bambino-%1").arg(n % 3);
        r.momento = inizio.addMSecs(n * 1000);
        r.risposta = {r.bambino, QStringLiteral("Attività"), QStringLiteral("P%1").arg(n % 40), QStringLiteral("S%1-%2").arg(giro).arg(n), (n / 120) % 3 != 2,
                      n, QStringLiteral("1b.txt"), TipoCarattere::Minuscolo};
        archivio.registra(r);
        if (n % 100 == 99) {
            archivio.attendi();
            std::printf("%ld\n", n + 1);
            std::fflush(stdout);
        }
    }
#else
    return 4; // the kill is timed with a POSIX interval timer
#endif
}
