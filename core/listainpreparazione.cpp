#include "core/listainpreparazione.h"

#include <QFileInfo>
#include <QSet>

int ElencoParole::rowCount(const QModelIndex &genitore) const
{
    return genitore.isValid() ? 0 : static_cast<int>(parole_.size());
}

QVariant ElencoParole::data(const QModelIndex &indice, int ruolo) const
{
    if (!indice.isValid() || indice.row() >= parole_.size() || (ruolo != Qt::DisplayRole && ruolo != Qt::EditRole))
        return {};
    return parole_.at(indice.row());
}

void ElencoParole::reimposta(const QStringList &parole)
{
    beginResetModel();
    parole_ = parole;
    endResetModel();
}

QString ElencoParole::togli(int riga)
{
    beginRemoveRows({}, riga, riga);
    QString parola = parole_.takeAt(riga);
    endRemoveRows();
    return parola;
}

int ElencoParole::inserisci(const QString &parola)
{
    const auto posto = static_cast<int>(
        ordine_.posizione(parole_.size(), [this](qsizetype i) { return parole_.at(i); }, parola));
    beginInsertRows({}, posto, posto);
    parole_.insert(posto, parola);
    endInsertRows();
    return posto;
}

ListaInPreparazione::ListaInPreparazione(QObject *genitore)
    : QObject(genitore), disponibili_(this), scelte_(this)
{
}

void ListaInPreparazione::ricomincia(const QStringList &disponibili)
{
    QStringList parole;
    QSet<QString> viste;
    for (const QString &p : disponibili)
        if (!p.isEmpty() && !viste.contains(p)) {
            viste.insert(p);
            parole.append(p);
        }
    OrdineAlfabetico().ordina(parole);
    disponibili_.reimposta(parole);
    scelte_.reimposta({});
}

int ListaInPreparazione::sposta(Lato da, int riga)
{
    ElencoParole &origine = *elenco(da);
    ElencoParole &destinazione = *elenco(da == Lato::Disponibili ? Lato::Scelte : Lato::Disponibili);
    if (riga < 0 || riga >= origine.rowCount())
        return -1;
    return destinazione.inserisci(origine.togli(riga));
}

QString ListaInPreparazione::fileDaSalvare(const QString &scelto)
{
    if (scelto.isEmpty())
        return {};
    const QString percorso = NomeFileLista(scelto);
    const QFileInfo info(percorso);
    if (info.completeBaseName().trimmed().isEmpty() || info.fileName().startsWith(QLatin1Char('.')))
        return {};
    return percorso;
}

bool ListaInPreparazione::salva(const QString &percorso, QString *errore) const
{
    return SalvaFile(percorso, scelte_.parole(), errore);
}
