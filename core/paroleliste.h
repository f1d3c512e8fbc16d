#pragma once

#include <QString>
#include <QStringList>

#include <array>

class QIODevice;
class ListaInUso;
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
bool CaricaParole(ListaInUso &lista, const QString &percorso);

// One of the lists shipped with the program: its name on screen and its file in testilettoria2.
struct ListaPredefinita
{
    QString nome;
    QString file;
};
constexpr int NumeroListePredefinite = 34;
const std::array<ListaPredefinita, NumeroListePredefinite> &ListePredefinite();

inline const QString MotivoNonTesto =
    QStringLiteral("Non è un file di testo: forse è un'immagine o un altro tipo di documento");

// `nome` inside `cartella`, whatever the letter case of the name on disk.
// Returns the existing file's path, or the path as given when none matches.
QString TrovaFile(const QString &cartella, const QString &nome);

// A word that can name a file of its own: no path separator, no "..", no NUL
// (such a word would reach files outside the folder).
bool NomeSemplice(const QString &parola);

// The picture of a word: images0 + the word without its leading blanks + ".jpg",
// found regardless of letter case. A word holding a path separator or ".."
// has no picture: the result is empty.
QString PercorsoImmagine(const Ambiente &ambiente, const QString &parola);

// A plain file exists at the path (not a folder, not hidden).
bool FileEsiste(const QString &percorso);
