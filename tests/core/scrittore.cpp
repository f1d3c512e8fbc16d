// Writes a file over and over until it is killed: the settings file through
// the settings writer, or a word list through the whole-file writer. Used by
// the test that kills a save half-way.
#include "core/dialoghi.h"
#include "core/impostazioni.h"
#include "core/salvataggio.h"
#include "core/stato.h"

#include <QCoreApplication>
#include <QFile>

class Muti : public Dialoghi
{
public:
    Risposta messaggio(Icona, const QString &, const QString &, Pulsanti) override { return Risposta::Ok; }
    QString apriFile(const QString &, const QString &) override { return {}; }
    QString salvaFile(const QString &, const QString &) override { return {}; }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 5)
        return 2;
    const QString tipo = a[1];
    const QString percorso = a[2];
    const QByteArray prima = a[3].toLatin1();
    const QByteArray dopo = a[4].toLatin1();
    QFile pronto(percorso + QStringLiteral(".pronto"));
    pronto.open(QIODevice::WriteOnly);
    pronto.close();
    Muti muti;
    for (unsigned long i = 0;; ++i) {
        const QByteArray &valore = (i % 2) ? prima : dopo;
        if (tipo == QLatin1String("impostazioni")) {
            Stato s;
            s.FileImpostazioni = percorso;
            s.Carattere = QString::fromLatin1(valore);
            s.SuoniAttivati = i % 2;
            s.FileInUso = QStringLiteral("/liste/") + QString::fromLatin1(valore).repeated(200);
            SalvaImpostazioni(s, muti);
        } else {
            ScriviFileIntero(percorso, (valore + "\r\n").repeated(5000));
        }
    }
}
