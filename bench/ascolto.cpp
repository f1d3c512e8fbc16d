#include "bench/ascolto.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

pid_t lancia(const std::vector<std::string> &argomenti, int uscita)
{
    std::vector<char *> argv;
    for (const std::string &a : argomenti)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    const int nulla = open("/dev/null", O_WRONLY);
    posix_spawn_file_actions_adddup2(&azioni, uscita >= 0 ? uscita : nulla, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&azioni, nulla, STDERR_FILENO);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &azioni, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&azioni);
    close(nulla);
    return pid;
}

void termina(pid_t &pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

} // namespace

Ascolto::~Ascolto()
{
    fine_ = true;
    termina(registratore_);
    if (lettore_.joinable())
        lettore_.join();
    if (tubo_ >= 0)
        close(tubo_);
    termina(server_);
}

bool Ascolto::avvia(QString &problema)
{
    const QString cartella = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString presa = QDir(cartella).filePath(QStringLiteral("pulse/native"));
    if (cartella.isEmpty() || QFileInfo::exists(presa)) {
        problema = QStringLiteral("no runtime folder of the benchmark's own for its audio server");
        return false;
    }
    server_ = lancia({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                      "-L", "module-null-sink sink_name=lettoria rate=44100 channels=1",
                      "-L", "module-native-protocol-unix"},
                     -1);
    for (int i = 0; i < 100 && server_ > 0 && !QFileInfo::exists(presa); ++i)
        QThread::msleep(50);
    if (server_ <= 0 || !QFileInfo::exists(presa)) {
        problema = QStringLiteral("pulseaudio did not start (Debian package pulseaudio)");
        return false;
    }
    int tubo[2];
    if (pipe(tubo) != 0) {
        problema = QStringLiteral("no pipe for the recording");
        return false;
    }
    // Small pieces, so each is dated close to when the sink played it.
    registratore_ = lancia({"parec", "--device=lettoria.monitor", "--raw", "--format=s16le", "--rate=44100",
                            "--channels=1", "--latency-msec=5"},
                           tubo[1]);
    close(tubo[1]);
    tubo_ = tubo[0];
    if (registratore_ <= 0) {
        problema = QStringLiteral("parec did not start (Debian package pulseaudio-utils)");
        return false;
    }
    lettore_ = std::thread([this] { leggi(); });
    // The recording is under way once a second of it has come (a busy
    // machine may take a few to start the two).
    for (int i = 0; i < 500; ++i) {
        {
            std::lock_guard blocco(mutex_);
            if (campioni_.size() > Frequenza)
                return true;
        }
        QThread::msleep(20);
    }
    problema = QStringLiteral("parec records nothing from the null sink");
    return false;
}

void Ascolto::leggi()
{
    char pezzo[4096];
    QByteArray resto;
    while (!fine_) {
        const ssize_t n = read(tubo_, pezzo, sizeof pezzo);
        const auto adesso = Orologio::now();
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            return;
        }
        resto.append(pezzo, n);
        const qsizetype interi = resto.size() / 2;
        std::lock_guard blocco(mutex_);
        for (qsizetype i = 0; i < interi; ++i)
            campioni_.push_back(qint16(quint8(resto[2 * i]) | (quint8(resto[2 * i + 1]) << 8)));
        resto.remove(0, interi * 2);
        letture_.push_back({qint64(campioni_.size()), adesso});
    }
}

std::optional<Ascolto::Udito> Ascolto::udito(Orologio::time_point da, Orologio::time_point a)
{
    for (int i = 0; i < 300; ++i) {
        {
            std::lock_guard blocco(mutex_);
            if (!letture_.empty() && letture_.back().quando > a + Intorno)
                break;
        }
        QThread::msleep(10);
    }
    std::lock_guard blocco(mutex_);
    std::optional<Udito> out;
    qint64 inizio = 0;
    for (const Lettura &l : letture_) {
        if (l.quando >= da && l.quando <= a) {
            for (qint64 i = inizio; i < l.campioni; ++i) {
                if (std::abs(campioni_[size_t(i)]) <= Soglia)
                    continue;
                if (!out)
                    out = Udito{l.quando, l.quando};
                out->ultimo = l.quando;
            }
        }
        inizio = l.campioni;
    }
    return out;
}
