#pragma once

#include "core/classe.h"
#include "core/risposte.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A child's answer as it is kept.
struct RispostaRegistrata
{
    QString bambino;    // the name as the class list has it
    QDateTime momento;  // local time, with its offset from UTC
    Risposta risposta;
};

// How well a child reads the words of one syllable group over the last 30 days.
enum class Padronanza { NonVisto, Imparando, Sicuro };

// The class at a glance: one row for each child, one column for each group.
struct QuadroClasse
{
    QStringList gruppi;
    QStringList bambini;
    QList<QList<Padronanza>> livelli; // [child][group]
};

// One child's page.
struct PaginaBambino
{
    struct Settimana { QDate lunedi; int giuste = 0; int risposte = 0; };
    struct Giorno { QDate giorno; int risposte = 0; };
    struct Errore { QString parola; QString scelta; int volte = 0; }; // "PALA al posto di PALLA"
    struct TempoAttivita { QString attivita; qint64 millisecondi = 0; int risposte = 0; };
    QString bambino;
    QDate dal, al;
    QList<Settimana> settimane;   // oldest first
    QList<Giorno> giorni;         // oldest first, days with answers only
    QList<Errore> errori;         // most often missed first
    QStringList gruppiSicuri;
    QStringList gruppiImparando;
    QList<TempoAttivita> tempi;
};

// What the results module gives the program: the answers of the children named
// in the class list, kept in a store (by default Lettoria2-risultati.sqlite in
// the settings folder), read back for the teacher and for the practice that
// comes back to missed words. Nothing here ever makes the child wait: answers
// are written off the calling thread. The module is loaded when the first
// named child plays or the teacher opens the results, so start-up loads
// neither Qt SQL nor Qt Charts.
class ArchivioRisultati
{
public:
    enum class Condizione {
        Scrivibile,  // answers are kept
        SolaLettura, // a file from a newer version: shown, never written
        Assente,     // nothing can be kept (a read-only folder, a full disk)
    };
    virtual ~ArchivioRisultati() = default;

    virtual Condizione condizione() const = 0;
    // What the teacher is told, once a run, about the store (a damaged file
    // moved aside, a newer version, answers not being kept); empty when nothing.
    virtual QString avviso() const = 0;

    // Keeps one answer and returns at once.
    virtual void registra(const RispostaRegistrata &risposta) = 0;
    // Returns once every answer handed over is stored, or given up.
    virtual void attendi() = 0;

    // Every answer kept about one child, oldest first: all that is kept about him or her.
    virtual QList<RispostaRegistrata> risposte(const QString &bambino) = 0;
    // The practice boxes of one child: the word (case-folded, trimmed) and its
    // box, 1 (just missed) to 5 (known), for the words the child has answered.
    virtual QHash<QString, int> caselle(const QString &bambino) = 0;
    // Erases a child's answers and boxes so that they cannot be read back from the store.
    virtual bool cancella(const QString &bambino) = 0;
    // Moves a child's answers and boxes to a new name (the teacher renamed him or her).
    virtual bool rinomina(const QString &vecchio, const QString &nuovo) = 0;

    // For the teacher's results, over the last 30 days up to `adesso`.
    virtual QuadroClasse quadroClasse(const QStringList &bambini, const QDateTime &adesso) = 0;
    virtual PaginaBambino paginaBambino(const QString &bambino, const QDateTime &adesso) = 0;
    // A CSV an Italian spreadsheet opens as it is: semicolons, UTF-8 with a
    // byte-order mark, dates dd/mm/yyyy. One child, or the class when empty.
    virtual QByteArray csv(const QString &bambino) = 0;

    // A school's server: its address, empty for this PC's own file.
    virtual QString server() const { return QString(); }
    // The answers kept on this PC that the school's server has not got yet.
    virtual int inAttesa() { return 0; }
    // The teacher changed the class list on this PC: the school's server gets it.
    virtual void classeCambiata(const QList<Bambino> &) {}
};

// The module's entry point: the store in `cartellaImpostazioni`, or the
// school's server at `indirizzo` (a PostgreSQL address) with that folder's
// file as its outbox; the caller owns it. An address that cannot be read
// leaves the answers in the file, with a word for the teacher in avviso().
#define LETTORIA_CREA_ARCHIVIO "lettoria_crea_archivio"
extern "C" ArchivioRisultati *lettoria_crea_archivio(const QString &cartellaImpostazioni, const QString &indirizzo);
