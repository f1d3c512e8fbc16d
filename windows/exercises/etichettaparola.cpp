#include "windows/exercises/etichettaparola.h"

#include "windows/finestra.h"

#include <QLabel>

void PreparaEtichettaParola(QLabel *etichetta, double punti)
{
    etichetta->setFont(Finestra::carattere(QStringLiteral("Arial"), punti, true));
    etichetta->setAlignment(Qt::AlignCenter);
    etichetta->setTextFormat(Qt::PlainText);
    etichetta->setFrameShape(QFrame::Box);
    etichetta->setFrameShadow(QFrame::Plain);
    etichetta->setLineWidth(1);
    etichetta->setAutoFillBackground(true);
    QPalette p = etichetta->palette();
    for (const auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(gruppo, QPalette::WindowText, Qt::black);
        p.setColor(gruppo, QPalette::Text, Qt::black);
    }
    etichetta->setPalette(p);
    ColoraEtichetta(etichetta, Qt::white);
}

void ColoraEtichetta(QLabel *etichetta, const QColor &sfondo)
{
    QPalette p = etichetta->palette();
    for (const auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(gruppo, QPalette::Window, sfondo);
    etichetta->setPalette(p);
}

QColor ColoreEtichetta(const QLabel *etichetta)
{
    return etichetta->palette().color(QPalette::Active, QPalette::Window);
}
