#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One child of the class: the name (or nickname) the teacher typed and, for a
// child who cannot read it yet, the word of a picture as his or her sign.
struct Bambino
{
    QString nome;
    QString segno; // a word of images0, or empty
    bool operator==(const Bambino &altro) const { return nome == altro.nome && segno == altro.segno; }
};

constexpr int MassimoBambini = 60;
constexpr int MassimoLunghezzaNome = 30;
inline const QString NomeFileClasse = QStringLiteral("Bambini.txt");

struct LetturaClasse
{
    QList<Bambino> bambini;
    // The names left out (too long, repeated, beyond the sixtieth), in their order.
    QStringList troppoLunghi;
    QStringList ripetuti;
    QStringList oltre;
    // Told once to the teacher; empty when nothing was left out.
    QString messaggio() const;
};

// The class list, read as a word list is (Windows-1252 or UTF-8, CR LF or LF):
// one child a line, the name trimmed, a picture's word after a TAB as the
// child's sign; empty lines skipped, a name equal to an earlier one once
// re-cased kept once, at most 60 names of at most 30 characters. A missing
// file is an empty class. A file others could read is made private.
LetturaClasse LeggiClasse(const QString &percorso);
// Writes the class list whole or not at all (UTF-8 with a byte-order mark,
// CR LF), readable by its user only. `errore` gets the reason of a failure.
bool ScriviClasse(const QString &percorso, const QList<Bambino> &bambini, QString *errore = nullptr);
// Why a name cannot join the class; empty when it can.
QString MotivoNomeNonValido(const QString &nome, const QList<Bambino> &classe);
