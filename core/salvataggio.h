#pragma once

#include <QByteArray>
#include <QString>

// Writes a file whole or not at all: a temporary file in the same folder,
// then a rename over the old one. A crash during the write leaves the old
// file or the new one, never a mix. `errore` gets the reason of a failure.
bool ScriviFileIntero(const QString &percorso, const QByteArray &contenuto, QString *errore = nullptr);
