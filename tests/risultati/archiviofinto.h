#pragma once

#include "core/paroleliste.h"
#include "risultati/archivio.h"

// A store that answers with generated data for a class of generated names and
// records what it is asked.
class ArchivioFinto : public ArchivioRisultati
{
public:
    explicit ArchivioFinto(int numeroBambini)
    {
        for (int i = 1; i <= numeroBambini; ++i)
            bambini.append(QStringLiteral("Alunno %1").arg(i, 2, 10, QLatin1Char('0')));
        for (const ListaPredefinita &l : ListePredefinite())
            if (l.file != QStringLiteral("TUTTE.txt"))
                gruppi.append(l.nome);
    }
    // A child's level in a group, until the child is erased.
    Padronanza livello(int bambino, int gruppo) const
    {
        return cancellati.contains(bambini.value(bambino)) ? Padronanza::NonVisto
                                                           : static_cast<Padronanza>((bambino + 2 * gruppo) % 3);
    }

    Condizione condizione() const override { return stato; }
    QString avviso() const override { return testoAvviso; }
    void registra(const RispostaRegistrata &) override {}
    void attendi() override {}
    QList<RispostaRegistrata> risposte(const QString &) override { return {}; }
    QHash<QString, int> caselle(const QString &) override { return {}; }
    bool cancella(const QString &bambino) override
    {
        if (cancellaRiesce)
            cancellati.append(bambino);
        return cancellaRiesce;
    }
    bool rinomina(const QString &, const QString &) override { return true; }
    QuadroClasse quadroClasse(const QStringList &classe, const QDateTime &adesso) override
    {
        chiestiQuadro.append({classe, adesso});
        QuadroClasse q{gruppi, classe, {}};
        for (const QString &b : classe) {
            q.livelli.append(QList<Padronanza>());
            for (int g = 0; g < gruppi.size(); ++g)
                q.livelli.last().append(livello(static_cast<int>(bambini.indexOf(b)), g));
        }
        return q;
    }
    PaginaBambino paginaBambino(const QString &bambino, const QDateTime &adesso) override
    {
        PaginaBambino p;
        p.bambino = bambino;
        p.al = adesso.date();
        p.dal = p.al.addDays(-30);
        if (cancellati.contains(bambino))
            return p;
        const QDate lunedi = p.al.addDays(1 - p.al.dayOfWeek());
        for (int s = 0; s < 5; ++s)
            p.settimane.append({lunedi.addDays(7 * (s - 4)), 10 + 3 * s, 20 + 2 * s});
        for (int d = 0; d < giorni; ++d)
            p.giorni.append({p.dal.addDays(2 * d + 1), 5 + (d * 7) % 11});
        p.errori = errori;
        p.gruppiSicuri = {gruppi.at(1), gruppi.at(4)};
        p.gruppiImparando = {gruppi.at(7)};
        p.tempi = {{QStringLiteral("Un nome e due immagini"), 725'000, 40}, {QStringLiteral("Il puzzle"), 4'000'000, 1}};
        return p;
    }
    QString server() const override { return indirizzoServer; }
    int inAttesa() override { return attesa; }
    QByteArray csv(const QString &bambino) override
    {
        chiestiCsv.append(bambino);
        return "\xEF\xBB\xBF" "Bambino;Parola\r\n" + (bambino.isEmpty() ? QByteArray("tutti") : bambino.toUtf8()) + ";PALLA\r\n";
    }

    QStringList bambini, gruppi;
    QList<PaginaBambino::Errore> errori{{QStringLiteral("PALLA"), QStringLiteral("PALA"), 3},
                                        {QStringLiteral("SOLE"), QStringLiteral("SALE"), 1}};
    int giorni = 12;
    QString testoAvviso;
    QString indirizzoServer; // empty: this PC's file
    int attesa = 0;          // answers waiting for the server
    bool cancellaRiesce = true;
    Condizione stato = Condizione::Scrivibile;
    QStringList cancellati, chiestiCsv;
    QList<std::pair<QStringList, QDateTime>> chiestiQuadro;
};
