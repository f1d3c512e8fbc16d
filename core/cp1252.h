#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252 in both directions. Not Latin-1: bytes 0x80 to 0x9F hold the
// euro sign, typographic quotes, dashes and a few letters (Š, Œ, Ž, ...).
namespace cp1252 {

QString decode(const QByteArray &bytes);
// Characters that have no Windows-1252 byte become '?'.
QByteArray encode(const QString &text);
// True when every character of the text has a Windows-1252 byte.
bool canEncode(const QString &text);

} // namespace cp1252
