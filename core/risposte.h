#pragma once

#include "core/carattere.h"

#include <QHash>
#include <QString>

// One answer of a child, in any exercise or puzzle.
struct Risposta
{
    QString bambino;       // who answered, as the class list names him or her; empty for a guest
    QString attivita;      // the activity's caption in the menu
    QString parola;        // the word asked
    QString scelta;        // the word chosen or dropped
    bool esatta = false;
    qint64 millisecondi = 0; // since the item was shown
    QString lista;         // the list file's name
    TipoCarattere carattere = TipoCarattere::Maiuscolo;
};

// Where every answer goes. The program keeps those of named children; tests record them.
class RegistroRisposte
{
public:
    virtual ~RegistroRisposte() = default;
    virtual void registra(const Risposta &risposta) = 0;
    // The practice boxes kept for a child (see Ripasso): the word and its box.
    virtual QHash<QString, int> caselle(const QString &bambino)
    {
        Q_UNUSED(bambino);
        return {};
    }
};

// Answers nobody keeps.
class NessunRegistro final : public RegistroRisposte
{
public:
    void registra(const Risposta &) override {}
};
