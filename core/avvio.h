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
// plugs in QFontDatabase); it is called in every run with the shipped font.
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
