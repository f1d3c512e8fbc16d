#pragma once

#include "core/paroleliste.h"
#include "risultati/archivio.h"

// A store that answers with generated data for a class of generated names and
// records what it is asked.
class ArchivioFinto : public ArchivioRisultati
{
public:
    explicit ArchivioFinto(int numeroBambini = 6)
    {
        for (int i = 1; i <= numeroBambini; ++i)
            bambini.append(QStringLiteral("Alunno %1").arg(i, 2, 10, QLatin1Char('0')));
        for (const ListaPredefinita &l : ListePredefinite())
            if (l.file != QStringLiteral("TUTTE.txt"))
                gruppi.append(l.nome);
    }

    // The level of one child in one group, until the child is erased.
    Padronanza livello(int bambino, int gruppo) const
    {
        if (cancellati.contains(bambini.value(bambino)))
            return Padronanza::NonVisto;
        return static_cast<Padronanza>((bambino + 2 * gruppo) % 3);
    }

    Condizione condizione() const override { return Condizione::Scrivibile; }
    QString avviso() const override { return testoAvviso; }
    void registra(const RispostaRegistrata &) override {}
    void attendi() override {}
    QList<RispostaRegistrata> risposte(const QString &) override { return {}; }
    QHash<QString, int> caselle(const QString &) override { return {}; }
    bool cancella(const QString &bambino) override
    {
        if (!cancellaRiesce)
            return false;
        cancellati.append(bambino);
        return true;
    }

    QuadroClasse quadroClasse(const QStringList &classe, const QDateTime &adesso) override
    {
        chiestiQuadro.append(classe);
        momenti.append(adesso);
        QuadroClasse q;
        q.gruppi = gruppi;
        q.bambini = classe;
        for (const QString &b : classe) {
            QList<Padronanza> riga;
            for (int g = 0; g < gruppi.size(); ++g)
                riga.append(livello(static_cast<int>(bambini.indexOf(b)), g));
            q.livelli.append(riga);
        }
        return q;
    }

    PaginaBambino paginaBambino(const QString &bambino, const QDateTime &adesso) override
    {
        momenti.append(adesso);
        PaginaBambino p;
        p.bambino = bambino;
        p.al = adesso.date();
        p.dal = p.al.addDays(-30);
        if (cancellati.contains(bambino))
            return p;
        const QDate lunedi = p.al.addDays(1 - p.al.dayOfWeek());
        for (int s = 4; s >= 0; --s)
            p.settimane.append({lunedi.addDays(-7 * s), 10 + 3 * (4 - s), 20 + 2 * (4 - s)});
        for (int d = 0; d < giorni; ++d)
            p.giorni.append({p.dal.addDays(2 * d + 1), 5 + (d * 7) % 11});
        p.errori = errori;
        p.gruppiSicuri = {gruppi.at(1), gruppi.at(4)};
        p.gruppiImparando = {gruppi.at(7)};
        p.tempi = {{QStringLiteral("Un nome e due immagini"), 725'000, 40},
                   {QStringLiteral("Il puzzle"), 4'000'000, 1}};
        return p;
    }

    QByteArray csv(const QString &bambino) override
    {
        chiestiCsv.append(bambino);
        return QByteArray("\xEF\xBB\xBF" "Bambino;Giorno;Parola\r\n") + (bambino.isEmpty() ? QByteArray("classe") : bambino.toUtf8())
            + QByteArray(";07/12/2026;PALLA\r\n");
    }

    QStringList bambini;
    QStringList gruppi;
    QList<PaginaBambino::Errore> errori{{QStringLiteral("PALLA"), QStringLiteral("PALA"), 3},
                                        {QStringLiteral("SOLE"), QStringLiteral("SALE"), 1}};
    int giorni = 12;
    QString testoAvviso;
    bool cancellaRiesce = true;

    QStringList cancellati;
    QStringList chiestiCsv;
    QList<QStringList> chiestiQuadro;
    QList<QDateTime> momenti;
};
