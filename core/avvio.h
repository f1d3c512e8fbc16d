#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLockFile;
struct Sessione;
struct Ambiente;
class Dialoghi;

inline const QString MessaggioSecondaCopia = QStringLiteral("E' già stata avviata una copia di questo programma!");

QString TestoFontInstallato();
inline const QString MessaggioFontMancante =
    QStringLiteral("Non trovo il file del corsivo 'indis1.ttf': le parole in corsivo avranno un altro carattere.");
inline const QString MessaggioListaMancante = QStringLiteral(
    "Non trovo la lista di parole predefinita 'tutte.txt': scegline un'altra in \"Cambia lista di parole\".");

struct EsitoAvvio
{
    enum class Tipo { Prosegui, SecondaCopia, ImpostazioniDanneggiate };
    Tipo tipo = Tipo::Prosegui;
    // Held for the whole run: it keeps a second copy out. A copy that crashed
    // leaves a stale lock that the next start takes over.
    std::shared_ptr<QLockFile> blocco;
};

// The start-up, up to the point where the start window is shown: the steps
// below in their order. `registraFont` makes a font file usable by this
// process (the window layer plugs in QFontDatabase). A missing cursive font
// or default list is told in one message; the program goes on.
EsitoAvvio Main(Sessione &sessione, const Ambiente &ambiente, Dialoghi &dialoghi,
                const std::function<void(const QString &)> &registraFont);

// 1. One copy at a time: the lock, or null when another copy holds it (said
//    in a box). A lock that cannot be made at all does not stop the program.
std::shared_ptr<QLockFile> BloccaSecondaCopia(const Ambiente &ambiente, Dialoghi &dialoghi, bool &secondaCopia);
// 2. The cursive font copied once into the user's font folder (said in a
//    box; true when copied now), then registered in every run. The second
//    returns false when there is no font file to register.
bool InstallaFontCorsivo(const Ambiente &ambiente, Dialoghi &dialoghi);
bool RegistraFontCorsivo(const Ambiente &ambiente, const std::function<void(const QString &)> &registraFont);
// 3. The settings folder and its readme, when the readme is missing.
void PreparaCartellaImpostazioni(const Ambiente &ambiente);
// 4. The list in use as the settings name it, or the default one when it is
//    gone or cannot be read (a pipe, a picture renamed .txt).
void CaricaListaInUso(Sessione &sessione, const Ambiente &ambiente);
