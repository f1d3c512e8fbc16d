#include "core/salvataggio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
const QString NonNormale = QStringLiteral("Non è un file ma una pipe o un dispositivo");
const QString Cartella = QStringLiteral("È una cartella, non un file");
const QString NonEsiste = QStringLiteral("Il file non esiste");
const QString Permesso = QStringLiteral("Permesso negato");

#ifdef Q_OS_UNIX
QString motivoDi(int e, const QString &percorso)
{
    switch (e) {
    case EACCES:
    case EPERM:
        return Permesso;
    case EISDIR:
        return Cartella;
    case EIO:
        return QStringLiteral("Errore di lettura");
    case EMFILE:
    case ENFILE:
    case ENOMEM:
        return QStringLiteral("Risorse del sistema esaurite");
    default:
        return MotivoErrore(QFileDevice::OpenError, percorso);
    }
}
#endif
} // namespace

QString MotivoErrore(QFileDevice::FileError errore, const QString &percorso)
{
    const QFileInfo info(percorso);
    if (info.isDir())
        return Cartella;
    switch (errore) {
    case QFileDevice::NoError:
        return {};
    case QFileDevice::ReadError:
        return QStringLiteral("Errore di lettura");
    case QFileDevice::WriteError:
        return QStringLiteral("Errore di scrittura");
    case QFileDevice::ResourceError:
        return QStringLiteral("Spazio su disco esaurito");
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
    case QFileDevice::CopyError:
        return QStringLiteral("Impossibile sostituire il file");
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        if (!info.absoluteDir().exists())
            return QStringLiteral("La cartella non esiste");
        if (info.exists() && !info.isFile())
            return NonNormale;
        if (info.exists())
            return Permesso;
        // Not there: reading fails for that; writing fails when the folder is closed to us.
        return QFileInfo(info.absolutePath()).isWritable() ? NonEsiste : Permesso;
    default:
        return QStringLiteral("Errore del disco");
    }
}

bool ApriInLettura(QFile &file, QString *motivo)
{
    QString m;
    const QString percorso = file.fileName();
#ifdef Q_OS_UNIX
    // Looked at before opening, since opening a device can already do something;
    // then opened without waiting for a writer, and looked at again.
    const QByteArray nome = QFile::encodeName(percorso);
    struct stat st {};
    int fd = -1;
    if (::stat(nome.constData(), &st) != 0)
        m = errno == ENOENT || errno == ENOTDIR ? NonEsiste : motivoDi(errno, percorso);
    else if (S_ISDIR(st.st_mode))
        m = Cartella;
    else if (!S_ISREG(st.st_mode))
        m = NonNormale;
    else if ((fd = ::open(nome.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) < 0)
        m = motivoDi(errno, percorso);
    else if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        m = NonNormale;
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0
             || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        m = MotivoErrore(file.error(), percorso);
    else
        fd = -1; // the file owns it now
    if (fd >= 0)
        ::close(fd);
#else
    const QFileInfo info(percorso);
    if (!info.exists())
        m = NonEsiste;
    else if (info.isDir())
        m = Cartella;
    else if (!info.isFile())
        m = NonNormale;
    else if (!file.open(QIODevice::ReadOnly))
        m = MotivoErrore(file.error(), percorso);
#endif
    if (motivo)
        *motivo = m;
    return m.isEmpty();
}

bool ScriviFileIntero(const QString &percorso, const QByteArray &contenuto, QString *errore, bool privato)
{
    QSaveFile file(percorso);
    // Never fall back to writing in place: that is what loses files.
    file.setDirectWriteFallback(false);
    bool ok = file.open(QIODevice::WriteOnly);
    // Private before a byte is written: the new file is never readable by others, not even for a moment.
    if (ok && privato)
        ok = file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ok = ok && file.write(contenuto) == contenuto.size() && file.commit();
    if (!ok) {
        if (errore)
            *errore = MotivoErrore(file.error(), percorso);
        file.cancelWriting();
    }
    return ok;
}
