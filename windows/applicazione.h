#pragma once

class QApplication;

// What the application needs before its first window: Qt's own texts in
// Italian ("Sì", "No", the file dialogs) and stand-ins for the type faces the
// windows ask for where the machine lacks them; and, with glibc, picture
// buffers given back to the system once freed.
void PreparaApplicazione(QApplication &app);
