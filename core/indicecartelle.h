#pragma once

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>

// The names in folders by their lower-case form, each folder listed once and
// again only when it changes, or when a name is missing and the listing was
// made so soon after the last change that the clock could not tell a newer
// file apart. Safe to share between threads.
class IndiceCartelle
{
public:
    // The name on disk of `nome` in `cartella`, whatever its letter case; empty when none.
    QString trova(const QString &cartella, const QString &nome);

private:
    struct Cartella
    {
        QDateTime modificata;
        QDateTime letta; // when the folder was listed
        QHash<QString, QString> nomi;
    };
    QMutex mutex_;
    QHash<QString, Cartella> cartelle_;
};
