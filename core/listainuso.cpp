#include "core/listainuso.h"

#include <QFileInfo>

QString ListaInUso::Parole(int posizione) const
{
    if (posizione < 1 || posizione > parole_.size())
        return {};
    return parole_.at(posizione - 1);
}

void ListaInUso::imposta(const QStringList &parole)
{
    parole_ = parole.mid(0, MaxParole);
}

QString ListaInUso::nomeFile() const
{
    return QFileInfo(FileInUso).fileName();
}
