#pragma once

#include <QString>
#include <QStringList>

// The word list in use: the file it came from and its words, as a value.
// Positions run from 1 to NumeroParole, as the lists have always counted them.
class ListaInUso
{
public:
    // A longer file keeps its first MaxParole words.
    static constexpr int MaxParole = 500;

    QString FileInUso;

    int NumeroParole() const { return static_cast<int>(parole_.size()); }
    // The word at `posizione`; empty outside 1..NumeroParole.
    QString Parole(int posizione) const;
    const QStringList &parole() const { return parole_; }
    // Replaces the words (not the file): at most MaxParole of them.
    void imposta(const QStringList &parole);
    // The list file's name, without its folder.
    QString nomeFile() const;

private:
    QStringList parole_;
};
