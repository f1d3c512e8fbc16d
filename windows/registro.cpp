#include "windows/registro.h"

#include "windows/browse/formvedi.h"
#include "windows/browse/formvedi2.h"
#include "windows/browse/formvedi3.h"
#include "windows/exercises/form7.h"
#include "windows/exercises/form8.h"
#include "windows/exercises/formnomiunaimmagine.h"
#include "windows/exercises/formunnomeimmagini.h"
#include "windows/lists/opzioni.h"
#include "windows/menu/formavvio.h"
#include "windows/menu/formchigioca.h"
#include "windows/menu/formmenu.h"
#include "windows/puzzles/pag1.h"
#include "windows/puzzles/pag2.h"

namespace {

template <typename W>
Finestra *costruisci(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione)
{
    return new W(attivita, contesto, navigazione);
}

Finestra *costruisciMenu(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);

using Icona = icone::Attivita;
using F = Attivita::Famiglia;

// Words each activity needs, and how many of them with their picture: the
// exercises one word for each name or picture they show, every picture shown
// being a word's own; the viewers one word with its picture; the puzzles one
// word (a word without a picture gets a stand-in puzzle).
const QList<Attivita> Registro = {
    {IdFinestra::FormAvvio, nullptr, "", Icona::Avvio, {}, F::Nessuna, 0, 0, {}, costruisci<FormAvvio>},
    {IdFinestra::FormMenu, nullptr, "", Icona::Esci, {}, F::Nessuna, 0, 0, {}, costruisciMenu},
    {IdFinestra::FormChiGioca, nullptr, "Chi gioca?", Icona::Avvio, {}, F::Nessuna, 0, 0, {}, costruisci<FormChiGioca>},
    {IdFinestra::FormVedi, "SSCommand9", "Vedi immagini", Icona::VediImmagini, {600, 120}, F::Visore, 0, 1, {1, 1}, costruisci<FormVedi>},
    {IdFinestra::FormVedi3, "Command1", "Scegli le immagini", Icona::ScegliImmagini, {600, 960}, F::Visore, 1, 1, {0, 0}, costruisci<FormVedi3>},
    {IdFinestra::FormVedi2, "SSCommand10", "Immagine e nome", Icona::ImmagineENome, {600, 1800}, F::Visore, 1, 1, {1, 1}, costruisci<FormVedi2>},
    {IdFinestra::Form1, "SSCommand1", "Un nome e due immagini", Icona::UnNomeImmagini2, {600, 2640}, F::UnNomeImmagini, 1, 2, {2, 2}, costruisci<Form1>},
    {IdFinestra::Form2, "SSCommand2", "Un nome e tre immagini", Icona::UnNomeImmagini3, {600, 3480}, F::UnNomeImmagini, 1, 3, {3, 3}, costruisci<Form2>},
    {IdFinestra::Form3, "SSCommand3", "Un nome e quattro immagini", Icona::UnNomeImmagini4, {600, 4320}, F::UnNomeImmagini, 1, 4, {4, 4}, costruisci<Form3>},
    {IdFinestra::Form4, "SSCommand4", "Due nomi e un'immagine", Icona::NomiUnaImmagine2, {600, 5160}, F::NomiUnaImmagine, 2, 1, {2, 1}, costruisci<Form4>},
    {IdFinestra::Form5, "SSCommand5", "Tre nomi e un'immagine", Icona::NomiUnaImmagine3, {600, 6000}, F::NomiUnaImmagine, 3, 1, {3, 1}, costruisci<Form5>},
    {IdFinestra::Form6, "SSCommand6", "Quattro nomi e un'immagine", Icona::NomiUnaImmagine4, {600, 6840}, F::NomiUnaImmagine, 4, 1, {4, 1}, costruisci<Form6>},
    {IdFinestra::Form7, "SSCommand7", "Due nomi e due immagini", Icona::NomiImmagini2, {6120, 120}, F::Trascinamento, 2, 2, {2, 2}, costruisci<Form7>},
    {IdFinestra::Form8, "SSCommand8", "Tre nomi e tre immagini", Icona::NomiImmagini3, {6120, 1080}, F::Trascinamento, 3, 3, {3, 3}, costruisci<Form8>},
    {IdFinestra::pag1, "SSCommand11", "Puzzle a scambio", Icona::PuzzleScambio, {6120, 1920}, F::Puzzle, 0, 1, {1, 0}, costruisci<pag1>},
    {IdFinestra::pag2, "SSCommand12", "Puzzle a scivolamento", Icona::PuzzleScivolamento, {6120, 2760}, F::Puzzle, 0, 1, {1, 0}, costruisci<pag2>},
    {IdFinestra::OPZIONI, "Command2", "Cambia lista di parole", Icona::CambiaLista, {6120, 6000}, F::Nessuna, 0, 0, {0, 0}, costruisci<OPZIONI>},
};

// The menu reads every row for its buttons: it is handed them, as every
// window is handed its own row.
Finestra *costruisciMenu(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione)
{
    return new FormMenu(attivita, Registro, contesto, navigazione);
}

} // namespace

const QList<Attivita> &RegistroAttivita()
{
    return Registro;
}

const Attivita *AttivitaDi(IdFinestra id)
{
    for (const Attivita &a : Registro)
        if (a.id == id)
            return &a;
    return nullptr;
}

Finestra *CreaFinestra(IdFinestra id, const Contesto &contesto, Navigazione &navigazione)
{
    const Attivita *a = AttivitaDi(id);
    return a ? a->crea(*a, contesto, navigazione) : nullptr;
}
