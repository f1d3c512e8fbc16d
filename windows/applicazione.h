#pragma once

#include <QHash>
#include <QMetaObject>
#include <QString>

class QApplication;
class QTranslator;

// What the program needs before its first window and keeps for the whole
// run: Qt's own texts in Italian ("Sì", "No", the file dialogs) and the
// installed stand-ins for the type faces the designs ask for. One lives in
// the program's body for as long as its QApplication.
class Applicazione
{
public:
    explicit Applicazione(QApplication &app);
    ~Applicazione();
    Applicazione(const Applicazione &) = delete;
    Applicazione &operator=(const Applicazione &) = delete;

    // The face to ask for in place of `famiglia`: itself where the machine has
    // it, else its first stand-in that the machine has.
    QString famiglia(const QString &famiglia);

private:
    QTranslator *traduzioni_;
    // Case-folded name -> the name as the machine spells it, and the answers
    // given so far; both forgotten when a font is added.
    QHash<QString, QString> presenti_;
    QHash<QString, QString> scelte_;
    QMetaObject::Connection aggiornamento_;
};

// The running Applicazione's answer; `famiglia` itself when there is none
// (a test that builds windows alone). Asking Qt for a missing face makes it
// look for fallbacks through fontconfig before it tries the stand-ins, a cost
// paid at every new size of the face.
QString FamigliaDisponibile(const QString &famiglia);
