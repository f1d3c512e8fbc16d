// Which class each window is. Windows are grouped by family; each family
// keeps its includes and cases in its own block.
#include "windows/gestorefinestre.h"

// -- menu
#include "windows/menu/formavvio.h"
#include "windows/menu/formmenu.h"

// -- exercises
#include "windows/exercises/form7.h"
#include "windows/exercises/form8.h"
#include "windows/exercises/formnomiunaimmagine.h"
#include "windows/exercises/formunnomeimmagini.h"

// -- browse
#include "windows/browse/formvedi.h"
#include "windows/browse/formvedi2.h"
#include "windows/browse/formvedi3.h"

// -- lists
#include "windows/lists/opzioni.h"

// -- puzzles
#include "windows/puzzles/pag1.h"
#include "windows/puzzles/pag2.h"

Finestra *GestoreFinestre::crea(IdFinestra id, const Contesto &c, GestoreFinestre &g)
{
    switch (id) {
    // -- menu
    case IdFinestra::FormAvvio:
        return new FormAvvio(c, g);
    case IdFinestra::FormMenu:
        return new FormMenu(c, g);

    // -- exercises
    case IdFinestra::Form1:
        return new Form1(c, g);
    case IdFinestra::Form2:
        return new Form2(c, g);
    case IdFinestra::Form3:
        return new Form3(c, g);
    case IdFinestra::Form4:
        return new Form4(c, g);
    case IdFinestra::Form5:
        return new Form5(c, g);
    case IdFinestra::Form6:
        return new Form6(c, g);

    case IdFinestra::Form7:
        return new Form7(c, g);
    case IdFinestra::Form8:
        return new Form8(c, g);

    // -- browse
    case IdFinestra::FormVedi:
        return new FormVedi(c, g);
    case IdFinestra::FormVedi2:
        return new FormVedi2(c, g);
    case IdFinestra::FormVedi3:
        return new FormVedi3(c, g);

    // -- lists
    case IdFinestra::OPZIONI:
        return new OPZIONI(c, g);

    // -- puzzles
    case IdFinestra::pag1:
        return new pag1(c, g);
    case IdFinestra::pag2:
        return new pag2(c, g);
    }
    return nullptr;
}
