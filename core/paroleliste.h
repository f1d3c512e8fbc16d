#pragma once

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>

class QIODevice;
struct Stato;
struct Ambiente;

// Reading a word-list file: an item ends at a comma or a line end; blanks
// before an item are skipped; a quoted item runs to the next double quote and
// whatever follows it up to the comma or line end is skipped; an empty line
// is an empty item. Blanks that end an unquoted item are dropped.
// At most `massimo` items are read, and the file is read only as far as that.
// A folder, a named pipe, a device or a file that is not text (a picture,
// random bytes) is refused with its reason, and never waited on.
struct LetturaLista
{
    bool aperta = false;      // false when the file could not be opened or read
    QString errore;           // the reason in Italian, when not aperta
    QStringList parole;
};

LetturaLista LeggiListaParole(const QString &percorso, int massimo = 500);
QStringList LeggiElementi(QIODevice &dispositivo, int massimo = 500);

// Replaces the words in use with those of the file. A file that cannot be
// opened leaves an empty list. Does not touch FileInUso or the letter case.
bool CaricaParole(Stato &stato, const QString &percorso);
// Replaces the words in use with a list already read.
void ImpostaParole(Stato &stato, const QStringList &parole);

// The 34 predefined lists, rows 0..33.
void RiempiListePredefinite(Stato &stato);

inline const QString MotivoNonTesto =
    QStringLiteral("Non è un file di testo: forse è un'immagine o un altro tipo di documento");

// `nome` inside `cartella`, whatever the letter case of the name on disk.
// Returns the existing file's path, or the path as given when none matches.
QString TrovaFile(const QString &cartella, const QString &nome);

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
// A word that can name a file of its own: no path separator, no "..", no NUL
// (such a word would reach files outside the folder).
bool NomeSemplice(const QString &parola);

// The picture of a word: images0 + the word without its leading blanks + ".jpg",
// found regardless of letter case. A word holding a path separator or ".."
// has no picture: the result is empty.
QString PercorsoImmagine(const Ambiente &ambiente, const QString &parola);

// A plain file exists at the path (not a folder, not hidden).
bool FileEsiste(const QString &percorso);
