#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A private-profile (INI) file read and written as the Windows functions do,
// so that the older program sharing the settings folder reads what we write:
// - lines end at CR, LF or CR LF; blanks (space, tab, ^Z, ...) around a line,
//   a name or a value do not count; a line starting with ';' is a comment;
// - a section runs from its "[name]" (the ']' may be missing) to the next
//   one; section and key names match regardless of letter case; only the
//   first section of a name counts, and in it the first key of a name;
// - a value ends at a NUL character and loses one pair of matching quotes
//   (single or double) around it; an absent key gives nothing, a present
//   empty key gives an empty text;
// - a file starting with the UTF-16LE byte-order mark (Notepad's "Unicode")
//   is read and written back as UTF-16LE; anything else is Windows-1252.
// Our own departures: a file starting with the UTF-8 byte-order mark is read
// as UTF-8 (Windows loses its first line) and stays UTF-8; a Windows-1252
// file that must take a character it has no byte for becomes UTF-16LE, so
// the character comes back; a value is quoted when it would not read back
// the same, and a line end or NUL in it is written as '?'.
namespace profilo {

// The value of key in section, or nothing when absent, read from file bytes.
std::optional<QString> valore(const QByteArray &contenuto, const QString &sezione, const QString &chiave);
// The bytes with key in section set to value. Only that line changes (a
// key that exists keeps the spelling of its name); a missing key goes after
// the last line of its section, a missing section at the end of the file.
QByteArray conValore(const QByteArray &contenuto, const QString &sezione, const QString &chiave,
                     const QString &valore);

// A file's bytes for `valore`: a missing, unreadable or not plain file reads as empty.
QByteArray contenuto(const QString &file);

} // namespace profilo
