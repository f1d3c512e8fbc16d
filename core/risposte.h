#pragma once

#include "core/carattere.h"

#include <QString>

// One answer of a child, in any exercise or puzzle.
struct Risposta
{
    QString attivita;      // the activity's caption in the menu
    QString parola;        // the word asked
    QString scelta;        // the word chosen or dropped
    bool esatta = false;
    qint64 millisecondi = 0; // since the item was shown
    QString lista;         // the list file's name
    TipoCarattere carattere = TipoCarattere::Maiuscolo;
};

// Where every answer goes. The program keeps them (or not); tests record them.
class RegistroRisposte
{
public:
    virtual ~RegistroRisposte() = default;
    virtual void registra(const Risposta &risposta) = 0;
};

// Answers nobody keeps.
class NessunRegistro final : public RegistroRisposte
{
public:
    void registra(const Risposta &) override {}
};
