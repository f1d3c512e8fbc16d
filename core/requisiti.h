#pragma once

#include <QString>

class ListaInUso;
struct Ambiente;

// What an activity needs from the list in use: a number of words, and how
// many of them must have a picture.
struct RequisitiLista
{
    int parole = 0;
    int conImmagine = 0;
};

// Why the list in use cannot serve an activity, as the teacher reads it;
// empty when it can.
QString MotivoListaInsufficiente(const ListaInUso &lista, const Ambiente &ambiente, const RequisitiLista &requisiti);
