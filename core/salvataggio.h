#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

class QFile;

// Writes a file whole or not at all: a temporary file in the same folder,
// then a rename over the old one. A crash during the write leaves the old
// file or the new one, never a mix. `errore` gets the reason of a failure.
// A `privato` file is readable and writable by its user only.
bool ScriviFileIntero(const QString &percorso, const QByteArray &contenuto, QString *errore = nullptr,
                      bool privato = false);

// Opens a plain file for reading, never waiting: a folder, a named pipe or a
// device is refused at once. `motivo` gets the reason of a failure.
bool ApriInLettura(QFile &file, QString *motivo = nullptr);

// Why reading or writing the file at `percorso` failed, in Italian, whatever
// the language of the system: the reason a teacher reads in a message.
QString MotivoErrore(QFileDevice::FileError errore, const QString &percorso);
