#pragma once

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's own small pictures, drawn in code so they stay sharp at any size.
namespace icone {

enum class Attivita {
    VediImmagini,
    ScegliImmagini,
    ImmagineENome,
    UnNomeImmagini2,
    UnNomeImmagini3,
    UnNomeImmagini4,
    NomiUnaImmagine2,
    NomiUnaImmagine3,
    NomiUnaImmagine4,
    NomiImmagini2,
    NomiImmagini3,
    PuzzleScambio,
    PuzzleScivolamento,
    CambiaLista,
    Esci,
    Avvio,
};

QIcon attivita(Attivita a);
QPixmap facciaSi(int lato);       // yellow smiling face
QPixmap facciaNo(int lato);       // red frowning face
// Right arrow, grey unless told otherwise.
QPixmap frecciaAvanti(int lato, const QColor &riempimento = QColor(150, 150, 150), const QColor &bordo = QColor(70, 70, 70));
QCursor cursoreFreccia();         // arrow pointer
QCursor cursoreFrecciaGrande();   // large arrow pointer

} // namespace icone
