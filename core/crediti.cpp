#include "core/crediti.h"

#include "core/dialoghi.h"

QString TestoCrediti()
{
    return QStringLiteral(" Programma di Lettoria 2, software libero (GNU GPL 3 o successiva)  \r\n"
                          "Sito: nessuno, il programma funziona senza rete\r\n"
                          "mail: nessuna\r\n"
                          " ----------------------- \r\n"
                          "Archivi di Lettoria 2; immagini: Fluent Emoji (MIT), OpenMoji (CC BY-SA 4.0)\r\n"
                          "Corsivo: Playwrite IT Trad di TypeTogether (licenza SIL OFL 1.1)\r\n"
                          "mail: nessuna");
}

void MostraCrediti(Dialoghi &dialoghi)
{
    dialoghi.avvisa(Dialoghi::Icona::Informazione, TestoCrediti());
}
