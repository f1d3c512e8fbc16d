#pragma once

#include <QList>
#include <QStringList>

// The store's tables, as the scripts that bring a file from each version to
// the next: script i makes version i + 1 (PRAGMA user_version). A script is
// run once, whole, in one transaction. Only SQL that PostgreSQL also takes.
const QList<QStringList> &Migrazioni();

// The version this program writes.
inline int VersioneSchema() { return static_cast<int>(Migrazioni().size()); }
