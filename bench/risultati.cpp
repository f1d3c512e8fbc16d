#include "bench/risultati.h"

#include "bench/classe.h"
#include "bench/misure.h"
#include "core/paroleliste.h"
#include "risultati/archiviosqlite.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <thread>

void FigureRisultati(bool rapido, const QString &cartellaProgramma, int &misurate, int &raggiunte, int &errori)
{
    const auto conta = [&](bool ok) {
        ++misurate;
        raggiunte += ok;
    };
    const QStringList parole = LeggiListaParole(QDir(cartellaProgramma).filePath(QStringLiteral("testilettoria2/TUTTE.txt"))).parole;
    // LETTORIA_BENCH_CLASSE names a folder that keeps the generated class
    // for the next run, which then reuses it.
    QTemporaryDir temporanea;
    const QString dove = rapido ? temporanea.path() : qEnvironmentVariable("LETTORIA_BENCH_CLASSE", temporanea.path());
    if (parole.size() < 2 || dove.isEmpty()) {
        StampaAssente(QStringLiteral("results"), QStringLiteral("no word list TUTTE.txt, or no temporary folder"));
        ++errori;
        return;
    }
    // Two school years of a class of 30; a few days of 5 children for the quick run.
    Classe classe;
    if (rapido) {
        classe.bambini = 5;
        classe.anni = 1;
        classe.risposte = 20000;
    }
    ClasseGenerata generata;
    const QString file = QDir(dove).filePath(QLatin1String(ArchivioSqlite::NomeFile));
    if (QFileInfo::exists(file)) {
        generata = GeneraClasse(nullptr, classe, parole);
        std::printf("%-34s reused from %s\n", "results.generate", qPrintable(dove));
    } else {
        ArchivioSqlite archivio(dove);
        const auto t0 = Orologio::now();
        generata = GeneraClasse(&archivio, classe, parole);
        const double secondi = Millisecondi(t0, Orologio::now()) / 1000;
        std::printf("%-34s %lld answers of %d children in %.1f s (%.0f a second)\n", "results.generate",
                    static_cast<long long>(generata.risposte), classe.bambini, secondi, generata.risposte / std::max(secondi, 0.001));
        std::fflush(stdout);
    }
    Campioni dimensione;
    dimensione.aggiungi((QFileInfo(file).size() + QFileInfo(file + QStringLiteral("-wal")).size()) / 1e6);
    conta(StampaFigura(QStringLiteral("results.file (%1 answers)").arg(generata.risposte), dimensione, QStringLiteral("MB"),
                       {rapido ? -1.0 : 300.0, -1, QStringLiteral("<= 300 for 3 million answers")}));

    ArchivioSqlite archivio(dove);
    const int giri = rapido ? 3 : 15;
    Campioni quadro, pagina, registra;
    for (int i = 0; i < giri; ++i) {
        auto t = Orologio::now();
        const QuadroClasse q = archivio.quadroClasse(generata.bambini, generata.fine);
        quadro.aggiungi(Millisecondi(t, Orologio::now()));
        if (q.livelli.size() != generata.bambini.size())
            ++errori;
        t = Orologio::now();
        archivio.paginaBambino(generata.bambini[i % generata.bambini.size()], generata.fine);
        pagina.aggiungi(Millisecondi(t, Orologio::now()));
    }
    conta(StampaFigura(QStringLiteral("results.class (%1 children x %2 groups)").arg(generata.bambini.size()).arg(25), quadro,
                       QStringLiteral("ms"), {300, -1, QStringLiteral("median <= 300")}));
    conta(StampaFigura(QStringLiteral("results.child (one child's page)"), pagina, QStringLiteral("ms"),
                       {200, -1, QStringLiteral("median <= 200")}));

    // An answer handed over while the writer stores the ones before it, as a
    // child answers: one every few milliseconds here, to keep the writer busy.
    RispostaRegistrata r;
    r.bambino = generata.bambini.first();
    r.risposta = {r.bambino, QStringLiteral("Una parola e tre figure"), parole.first(), parole.last(), false, 1200, QStringLiteral("TUTTE.txt"),
                  TipoCarattere::Maiuscolo};
    const int volte = rapido ? 200 : 2000;
    for (int i = 0; i < volte; ++i) {
        r.momento = generata.fine.addSecs(i);
        const auto t = Orologio::now();
        archivio.registra(r);
        registra.aggiungi(Millisecondi(t, Orologio::now()));
        if (i % 10 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    archivio.attendi();
    conta(StampaFigura(QStringLiteral("results.record (one answer handed over)"), registra, QStringLiteral("ms"),
                       {1, -1, QStringLiteral("median <= 1")}));
}
