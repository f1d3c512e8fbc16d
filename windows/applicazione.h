#pragma once

class QApplication;

// What the application needs before its first window: Qt's own texts in
// Italian ("Sì", "No", the file dialogs) and stand-ins for the type faces the
// windows ask for where the machine lacks them.
void PreparaApplicazione(QApplication &app);

class QString;

// Gives the memory freed so far back to the system (glibc otherwise keeps the
// freed picture buffers for good). Called once a window has gone.
void RestituisciMemoriaLibera();

// The face to ask for in place of `famiglia`: itself where the machine has it,
// else its first stand-in that the machine has. Asking for a missing face makes
// Qt look for fallbacks through fontconfig before it tries the stand-ins, a
// cost paid at every new size of the face.
QString FamigliaDisponibile(const QString &famiglia);
