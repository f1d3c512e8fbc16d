#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLockFile;
struct Stato;
struct Ambiente;
class Dialoghi;

inline const QString MessaggioSecondaCopia = QStringLiteral("E' già stata avviata una copia di questo programma!");
inline const QString DomandaUscita = QStringLiteral("Vuoi uscire dal programma?");

QString TestoFontInstallato();
inline const QString MessaggioFontMancante =
    QStringLiteral("Non trovo il file del corsivo 'indis1.ttf': le parole in corsivo avranno un altro carattere.");
inline const QString MessaggioListaMancante = QStringLiteral(
    "Non trovo la lista di parole predefinita 'tutte.txt': scegline un'altra in \"Cambia lista di parole\".");
QString TestoCrediti();

struct EsitoAvvio
{
    enum class Tipo { Prosegui, SecondaCopia, ImpostazioniDanneggiate };
    Tipo tipo = Tipo::Prosegui;
    // Held for the whole run: it keeps a second copy out. A copy that crashed
    // leaves a stale lock that the next start takes over.
    std::shared_ptr<QLockFile> blocco;
};

// The start-up, up to the point where the start window is shown.
// `registraFont` makes a font file usable by this process (the window layer
// plugs in QFontDatabase); it is called in every run with the shipped font
// (or the installed copy when the shipped one is gone). A missing cursive
// font or default list is told in one message; the program goes on.
EsitoAvvio Main(Stato &stato, const Ambiente &ambiente, Dialoghi &dialoghi,
                const std::function<void(const QString &)> &registraFont);

// Copies indis1.ttf into the user's font folder when it is not there, and says so.
// Returns true when it was copied now.
bool InstallaFontCorsivo(const Ambiente &ambiente, Dialoghi &dialoghi);

// The credits box of every "Informazioni" menu.
void MostraCrediti(Dialoghi &dialoghi);

// Asks "Vuoi uscire dal programma?"; on Yes writes the settings and returns
// true: the caller then ends the program at once.
bool ConfermaUscita(const Stato &stato, Dialoghi &dialoghi);
