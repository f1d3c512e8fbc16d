#include "bench/avviox.h"

#include "bench/misure.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QStringList>

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

struct OsservatoreX::Dati
{
    pid_t xvfb = 0;
    QByteArray display;
    xcb_connection_t *connessione = nullptr;
    xcb_window_t radice = 0;
    QString problema;
};

namespace {

// Starts Xvfb on a free display, which it tells through a pipe.
pid_t avviaXvfb(QByteArray &display, QString &problema)
{
    int tubo[2];
    if (pipe(tubo) != 0) {
        problema = QStringLiteral("no pipe");
        return 0;
    }
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], 3);
    posix_spawn_file_actions_addopen(&azioni, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char *argomenti[] = {const_cast<char *>("Xvfb"),   const_cast<char *>("-displayfd"),
                         const_cast<char *>("3"),      const_cast<char *>("-screen"),
                         const_cast<char *>("0"),      const_cast<char *>("1920x1080x24"),
                         const_cast<char *>("-nolisten"), const_cast<char *>("tcp"),
                         nullptr};
    pid_t pid = 0;
    const int esito = posix_spawnp(&pid, "Xvfb", &azioni, nullptr, argomenti, environ);
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    if (esito != 0) {
        close(tubo[0]);
        problema = QStringLiteral("no X server: DISPLAY is not set and Xvfb cannot be started");
        return 0;
    }
    QByteArray numero;
    char c;
    pollfd attesa{tubo[0], POLLIN, 0};
    while (poll(&attesa, 1, 10000) > 0 && read(tubo[0], &c, 1) == 1 && c != '\n')
        numero.append(c);
    close(tubo[0]);
    if (numero.isEmpty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        problema = QStringLiteral("Xvfb did not start");
        return 0;
    }
    display = ':' + numero;
    return pid;
}

} // namespace

OsservatoreX::OsservatoreX() : d_(std::make_unique<Dati>())
{
    d_->display = qgetenv("DISPLAY");
    if (d_->display.isEmpty()) {
        d_->xvfb = avviaXvfb(d_->display, d_->problema);
        if (!d_->xvfb)
            return;
    }
    int schermo = 0;
    d_->connessione = xcb_connect(d_->display.constData(), &schermo);
    if (xcb_connection_has_error(d_->connessione)) {
        d_->problema = QStringLiteral("cannot connect to the X server %1").arg(QString::fromLatin1(d_->display));
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(d_->connessione));
    for (int i = 0; i < schermo; ++i)
        xcb_screen_next(&it);
    d_->radice = it.data->root;
    // Every window mapped as a child of the root is reported.
    const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(d_->connessione, d_->radice, XCB_CW_EVENT_MASK, &maschera);
    xcb_flush(d_->connessione);
}

OsservatoreX::~OsservatoreX()
{
    if (d_->connessione)
        xcb_disconnect(d_->connessione);
    if (d_->xvfb) {
        kill(d_->xvfb, SIGTERM);
        waitpid(d_->xvfb, nullptr, 0);
    }
}

bool OsservatoreX::pronto(QString &problema) const
{
    problema = d_->problema;
    return problema.isEmpty() && d_->connessione;
}

double OsservatoreX::avvio(const QString &eseguibile, QString &problema)
{
    if (!pronto(problema))
        return -1;
    // Events left from an earlier run are not this one's.
    while (xcb_generic_event_t *e = xcb_poll_for_event(d_->connessione))
        free(e);

    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(d_->display));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    std::vector<QByteArray> righe;
    for (const QString &r : ambiente.toStringList())
        righe.push_back(r.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &r : righe)
        envp.push_back(r.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&azioni, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray percorso = QFile::encodeName(eseguibile);
    char *argomenti[] = {const_cast<char *>(percorso.constData()), nullptr};
    pid_t pid = 0;
    const auto inizio = Orologio::now();
    const int esito = posix_spawn(&pid, percorso.constData(), &azioni, nullptr, argomenti, envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    if (esito != 0) {
        problema = QStringLiteral("cannot start %1").arg(eseguibile);
        return -1;
    }

    double ms = -1;
    const int fd = xcb_get_file_descriptor(d_->connessione);
    const auto limite = inizio + std::chrono::seconds(20);
    while (ms < 0 && Orologio::now() < limite) {
        xcb_generic_event_t *e = xcb_poll_for_event(d_->connessione);
        if (!e) {
            pollfd attesa{fd, POLLIN, 0};
            poll(&attesa, 1, 50);
            continue;
        }
        if ((e->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
            if (m->event == d_->radice && !m->override_redirect)
                ms = Millisecondi(inizio, Orologio::now());
        }
        free(e);
    }
    // Mapped (or given up on): the run is over. Neither program ends by
    // itself; a killed Lettoria 2 leaves a lock that the next start takes over.
    int stato = 0;
    kill(pid, SIGKILL);
    waitpid(pid, &stato, 0);
    if (ms < 0)
        problema = QStringLiteral("%1 mapped no window").arg(eseguibile);
    return ms;
}
