#include "core/carattere.h"

#include "core/listainuso.h"

#include <QLocale>

QString TestoCarattere(TipoCarattere carattere)
{
    switch (carattere) {
    case TipoCarattere::Maiuscolo: return QStringLiteral("maiuscolo");
    case TipoCarattere::Minuscolo: return QStringLiteral("minuscolo");
    case TipoCarattere::Corsivo: break;
    }
    return QStringLiteral("corsivo");
}

TipoCarattere CarattereDaTesto(const QString &testo)
{
    if (testo.startsWith(QLatin1String("mai")))
        return TipoCarattere::Maiuscolo;
    if (testo.startsWith(QLatin1String("min")))
        return TipoCarattere::Minuscolo;
    return TipoCarattere::Corsivo;
}

void TrasformaCarattere(ListaInUso &lista, TipoCarattere carattere)
{
    // Italian rules whatever the system's language: under a Turkish locale
    // "pizza" would become "PİZZA" and lose its picture.
    const QLocale locale(QLocale::Italian, QLocale::Italy);
    QStringList parole = lista.parole();
    for (QString &parola : parole)
        parola = carattere == TipoCarattere::Maiuscolo ? locale.toUpper(parola) : locale.toLower(parola);
    lista.imposta(parole);
}

QString FontParola(TipoCarattere carattere)
{
    return carattere == TipoCarattere::Corsivo ? QStringLiteral("Indis1") : QStringLiteral("Arial");
}
