#include "core/indicecartelle.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

QString IndiceCartelle::trova(const QString &cartella, const QString &nome)
{
    const QFileInfo info(cartella);
    if (!info.isDir())
        return {};
    const QDateTime modificata = info.lastModified();
    const QString chiave = nome.toLower();
    const QMutexLocker blocco(&mutex_);
    Cartella &c = cartelle_[info.absoluteFilePath()];
    // A file that came after the listing changed the folder's time, unless it
    // came within the clock's resolution (two seconds on FAT) of the change the
    // listing saw: only then does a missing name read the folder again.
    const bool forseIncompleta = c.letta <= modificata.addSecs(2) && !c.nomi.contains(chiave);
    if (!c.modificata.isValid() || c.modificata != modificata || forseIncompleta) {
        c.modificata = modificata;
        c.letta = QDateTime::currentDateTimeUtc();
        c.nomi.clear();
        QDirIterator it(cartella, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        while (it.hasNext()) {
            it.next();
            c.nomi.insert(it.fileName().toLower(), it.fileName());
        }
    }
    return c.nomi.value(chiave);
}
