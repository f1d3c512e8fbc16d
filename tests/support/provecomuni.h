#pragma once

#include "core/ambiente.h"
#include "core/casuale.h"
#include "core/contesto.h"
#include "core/dialoghi.h"
#include "core/cronometro.h"
#include "core/risposte.h"
#include "core/sessione.h"
#include "core/suoni.h"

#include <QColor>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Records every box asked for and answers from a script (then with `predefinita`).
class FakeDialoghi : public Dialoghi
{
public:
    struct Chiamata
    {
        Icona icona;
        QString titolo;
        QString testo;
        Pulsanti pulsanti;
    };
    struct DialogoFile
    {
        bool salva;
        QString filtro;
        QString cartella;
    };

    Risposta messaggio(Icona icona, const QString &titolo, const QString &testo, Pulsanti pulsanti) override;
    QString apriFile(const QString &filtro, const QString &cartellaIniziale) override;
    QString salvaFile(const QString &filtro, const QString &cartellaIniziale) override;

    QList<Chiamata> chiamate;
    QList<Risposta> risposte;               // taken in order for Yes/No boxes
    Risposta predefinita = Risposta::No;    // once the script is used up
    QStringList fileDaAprire;               // answers of the open dialog ("" = cancel)
    QStringList fileDaSalvare;              // answers of the save dialog
    QList<DialogoFile> dialoghiFile;

    QStringList testi() const;
};

class FakeSuoni : public RiproduttoreSuoni
{
public:
    // A sound cuts off the word being said and the sound waiting after it.
    void suona(const QString &percorso) override
    {
        inAttesa.clear();
        suonati.append(percorso);
    }
    QStringList suonati;
    // File names only ("si2.wav", "no.wav").
    QStringList nomi() const;

    // Every word asked to be said: the text, the recording passed (empty for the
    // synthetic voice), the sound asked to follow it and how many sounds had
    // been played before it.
    struct Pronuncia
    {
        QString testo;
        QString registrazione;
        QString suonoDopo;
        int dopoSuoni;
    };
    // A new word drops the sound an earlier one still had waiting.
    void pronuncia(const QString &testo, const QString &registrazione, const QString &suonoDopo) override;
    QList<Pronuncia> pronunce;
    QStringList parole() const; // the texts only
    // The sound waiting for the word said last to be heard to its end.
    QString inAttesa;
    // That word heard to its end: the sound waiting after it plays.
    void finisciParola();
};

// Keeps every answer sent out.
class FakeRisposte : public RegistroRisposte
{
public:
    void registra(const Risposta &risposta) override { registrate.append(risposta); }
    QHash<QString, int> caselle(const QString &bambino) override { return caselleDi.value(bambino); }
    QList<Risposta> registrate;
    QHash<QString, QHash<QString, int>> caselleDi;
};

// A clock that moves only when told.
class FakeCronometro : public Cronometro
{
public:
    qint64 millisecondi() const override { return adesso; }
    qint64 adesso = 1000;
};

// A program folder, settings folder and font folder inside a temporary folder.
class CartellaProva
{
public:
    CartellaProva();
    const Ambiente &ambiente() const { return ambiente_; }
    QString percorso(const QString &relativo) const;

    // A small JPEG of one colour in images0, named as given (e.g. "CASA.jpg").
    QString creaImmagine(const QString &nomeFile, const QColor &colore = Qt::red, QSize dimensione = QSize(64, 48));
    void creaImmagini(const QStringList &parole);
    // Writes bytes to a path relative to the program folder (folders made as needed).
    QString scrivi(const QString &relativo, const QByteArray &contenuto);
    // A list of words, one per line, CR LF, in testilettoria2.
    QString creaLista(const QString &nomeFile, const QStringList &parole);

private:
    QTemporaryDir dir_;
    Ambiente ambiente_;
};

QByteArray leggiFile(const QString &percorso);

// Everything a window needs, with a seeded generator and fakes.
struct ContestoProva
{
    explicit ContestoProva(unsigned seme = 1);
    Contesto contesto();
    // Sets the words in use (as the menu would leave them).
    void parole(const QStringList &lista);

    CartellaProva cartella;
    Sessione sessione;
    Casuale casuale;
    FakeDialoghi dialoghi;
    FakeSuoni suoni;
    FakeRisposte risposte;
    FakeCronometro cronometro;
};
