#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A private-profile (INI) file as the classic Windows functions handle it:
// section and key names match regardless of letter case, values lose their
// surrounding blanks, an absent key gives the caller's default while a
// present empty key gives no characters, and a write changes one line (or
// adds it) keeping every other section, key and comment. Text is
// Windows-1252 with CR LF line ends.
namespace profilo {

// The value of key in section, or nothing when absent, read from file bytes.
std::optional<QString> valore(const QByteArray &contenuto, const QString &sezione, const QString &chiave);
// The bytes with key in section set to value.
QByteArray conValore(const QByteArray &contenuto, const QString &sezione, const QString &chiave,
                     const QString &valore);

// On a file: a missing or unreadable file reads as empty.
QString leggi(const QString &file, const QString &sezione, const QString &chiave, const QString &predefinito);
// Writes whole or not at all; false on failure.
bool scrivi(const QString &file, const QString &sezione, const QString &chiave, const QString &valore);

} // namespace profilo
