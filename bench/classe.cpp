#include "bench/classe.h"

#include "risultati/archivio.h"

#include <QRandomGenerator>
#include <QTimeZone>

ClasseGenerata GeneraClasse(ArchivioRisultati *archivio, const Classe &classe, const QStringList &parole)
{
    ClasseGenerata g;
    for (int b = 1; b <= classe.bambini; ++b)
        g.bambini.append(QStringLiteral("Alunno-%1").arg(b, 2, 10, QLatin1Char('0')));
    // School days: Monday to Friday, 16 September to 6 June.
    QList<QDate> giorni;
    const int primoAnno = 2024;
    for (int a = 0; a < classe.anni; ++a) {
        for (QDate d(primoAnno + a, 9, 16); d <= QDate(primoAnno + a + 1, 6, 6); d = d.addDays(1)) {
            if (d.dayOfWeek() <= 5)
                giorni.append(d);
        }
    }
    if (giorni.isEmpty() || parole.size() < 2 || classe.bambini < 1)
        return g;
    const qint64 alGiorno = std::max<qint64>(1, classe.risposte / (classe.bambini * giorni.size()));
    const QStringList attivita = {QStringLiteral("Una parola e due figure"), QStringLiteral("Una parola e tre figure"),
                                  QStringLiteral("Una parola e quattro figure"), QStringLiteral("Una figura e tre parole"),
                                  QStringLiteral("Trascina i nomi"), QStringLiteral("Puzzle")};
    const TipoCarattere caratteri[] = {TipoCarattere::Maiuscolo, TipoCarattere::Minuscolo, TipoCarattere::Corsivo};
    const QTimeZone roma("Europe/Rome");
    QRandomGenerator caso(classe.seme);
    for (int i = 0; i < giorni.size(); ++i) {
        const double avanti = double(i) / giorni.size();
        for (int b = 0; b < classe.bambini; ++b) {
            // One sitting a day, children one after the other, an answer every 3 to 8 seconds.
            QDateTime momento(giorni[i], QTime(8, 30).addSecs(b * 600), roma);
            RispostaRegistrata r;
            r.bambino = r.risposta.bambino = g.bambini[b];
            r.risposta.lista = QStringLiteral("TUTTE.txt");
            r.risposta.carattere = caratteri[(i / 20 + b) % 3];
            for (qint64 n = 0; n < alGiorno; ++n) {
                if (n % 25 == 0)
                    r.risposta.attivita = attivita[caso.bounded(static_cast<int>(attivita.size()))];
                momento = momento.addMSecs(3000 + caso.bounded(5000));
                r.momento = momento;
                r.risposta.parola = parole[caso.bounded(static_cast<int>(parole.size()))];
                r.risposta.esatta = caso.generateDouble() < 0.6 + 0.35 * avanti;
                r.risposta.scelta = r.risposta.esatta ? r.risposta.parola : parole[caso.bounded(static_cast<int>(parole.size()))];
                r.risposta.millisecondi = 800 + caso.bounded(4000);
                if (archivio)
                    archivio->registra(r);
                if (++g.risposte % 20000 == 0 && archivio)
                    archivio->attendi(); // a bounded queue
            }
            g.fine = momento.addSecs(1); // the last child of the last day ends last
        }
    }
    if (archivio)
        archivio->attendi();
    return g;
}
