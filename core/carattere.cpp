#include "core/carattere.h"

#include "core/stato.h"

#include <QLocale>

void TrasformaCarattere(Stato &stato)
{
    const bool maiuscolo = stato.Carattere == QLatin1String("maiuscolo");
    // Italian rules whatever the system's language: under a Turkish locale
    // "pizza" would become "PİZZA" and lose its picture.
    const QLocale locale(QLocale::Italian, QLocale::Italy);
    for (int i = 0; i <= stato.NumeroParole; ++i) {
        QString &parola = stato.Parole[static_cast<size_t>(i)];
        parola = maiuscolo ? locale.toUpper(parola) : locale.toLower(parola);
    }
}

QString FontParola(const Stato &stato)
{
    return stato.Carattere == QLatin1String("corsivo") ? QStringLiteral("Indis1") : QStringLiteral("Arial");
}
