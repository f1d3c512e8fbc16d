#include "core/salvataggio.h"

#include <QSaveFile>

bool ScriviFileIntero(const QString &percorso, const QByteArray &contenuto, QString *errore)
{
    QSaveFile file(percorso);
    // Never fall back to writing in place: that is what loses files.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errore)
            *errore = file.errorString();
        return false;
    }
    if (file.write(contenuto) != contenuto.size()) {
        if (errore)
            *errore = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errore)
            *errore = file.errorString();
        return false;
    }
    return true;
}
