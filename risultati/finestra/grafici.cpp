#include "risultati/finestra/grafici.h"

#include "risultati/finestra/aspetto.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>

namespace {

QChart *graficoVuoto(const QString &titolo, const QFont &testo)
{
    auto *g = new QChart;
    g->setAnimationOptions(QChart::NoAnimation);
    QFont grassetto = testo;
    grassetto.setBold(true);
    g->setTitleFont(grassetto);
    g->setTitleBrush(aspetto::Inchiostro);
    g->setTitle(titolo);
    g->legend()->setFont(testo);
    g->legend()->setLabelColor(aspetto::Inchiostro);
    g->setBackgroundRoundness(testo.pixelSize() > 0 ? testo.pixelSize() / 2.0 : 6.0);
    const int margine = std::max(2, testo.pixelSize() > 0 ? testo.pixelSize() / 4 : 4);
    g->setMargins(QMargins(margine, margine, margine, margine));
    return g;
}

// Whole numbers from 0 up to a round number at or above `massimo`; the
// callers leave room above their highest value for the numbers written there.
QValueAxis *asseConteggi(int massimo, const QFont &testo)
{
    auto *asse = new QValueAxis;
    asse->setLabelsFont(testo);
    asse->setLabelsColor(aspetto::Inchiostro);
    asse->setLabelFormat(QStringLiteral("%d"));
    int passo = 1;
    for (const int p : {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000, 5000})
        if ((massimo + p - 1) / p <= 5) {
            passo = p;
            break;
        }
    const int cima = std::max(passo, (massimo + passo - 1) / passo * passo);
    asse->setRange(0, cima);
    asse->setTickCount(cima / passo + 1);
    asse->setMinorTickCount(0);
    return asse;
}

QBarCategoryAxis *asseDate(const QStringList &date, const QFont &testo)
{
    auto *asse = new QBarCategoryAxis;
    asse->setLabelsFont(testo);
    asse->setLabelsColor(aspetto::Inchiostro);
    asse->append(date.isEmpty() ? QStringList{QString()} : date);
    return asse;
}

} // namespace

QChart *GraficoSettimane(const PaginaBambino &pagina, const QFont &testo)
{
    QChart *g = graficoVuoto(TitoloSettimane, testo);
    auto *giuste = new QLineSeries;
    giuste->setName(QStringLiteral("giuste"));
    auto *tutte = new QLineSeries;
    tutte->setName(QStringLiteral("tutte le risposte"));
    QStringList settimane;
    int massimo = 0;
    for (int i = 0; i < pagina.settimane.size(); ++i) {
        const PaginaBambino::Settimana &s = pagina.settimane.at(i);
        giuste->append(i, s.giuste);
        tutte->append(i, s.risposte);
        settimane.append(s.lunedi.toString(QStringLiteral("dd/MM")));
        massimo = std::max({massimo, s.giuste, s.risposte});
    }
    const qreal spessore = std::max(2.0, testo.pixelSize() / 5.0);
    QPen pennaGiuste(aspetto::ColoreGiuste, spessore);
    giuste->setPen(pennaGiuste);
    QPen pennaTutte(aspetto::ColoreRisposte, spessore / 2, Qt::DashLine);
    tutte->setPen(pennaTutte);
    for (QLineSeries *serie : {tutte, giuste}) {
        serie->setPointsVisible(true);
        g->addSeries(serie);
    }
    // The count of right answers written at each week, read without the axis.
    giuste->setPointLabelsVisible(true);
    giuste->setPointLabelsFormat(QStringLiteral("@yPoint"));
    giuste->setPointLabelsFont(testo);
    giuste->setPointLabelsColor(aspetto::ColoreGiuste);
    giuste->setPointLabelsClipping(false);
    QBarCategoryAxis *asseX = asseDate(settimane, testo);
    asseX->setTitleText(QStringLiteral("settimana dal lunedì"));
    asseX->setTitleFont(testo);
    asseX->setTitleBrush(aspetto::Inchiostro);
    g->addAxis(asseX, Qt::AlignBottom);
    QValueAxis *asseY = asseConteggi(massimo + massimo / 8 + 1, testo);
    g->addAxis(asseY, Qt::AlignLeft);
    for (QLineSeries *serie : {tutte, giuste}) {
        serie->attachAxis(asseX);
        serie->attachAxis(asseY);
    }
    g->legend()->setAlignment(Qt::AlignTop);
    return g;
}

QChart *GraficoGiorni(const PaginaBambino &pagina, const QFont &testo)
{
    QChart *g = graficoVuoto(TitoloGiorni, testo);
    auto *risposte = new QBarSet(QStringLiteral("risposte"));
    risposte->setColor(aspetto::ColoreRisposte);
    risposte->setBorderColor(aspetto::ColoreRisposte);
    risposte->setLabelFont(testo);
    risposte->setLabelColor(aspetto::Inchiostro);
    int massimo = 0;
    for (const PaginaBambino::Giorno &d : pagina.giorni) {
        risposte->append(d.risposte);
        massimo = std::max(massimo, d.risposte);
    }
    auto *serie = new QBarSeries;
    serie->append(risposte);
    serie->setBarWidth(0.7);
    serie->setLabelsVisible(true);
    serie->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    serie->setLabelsPrecision(6);
    g->addSeries(serie);

    // A month of days does not fit a date under every bar in letters read
    // from afar: one date every few bars, under its bar.
    auto *asseX = new QCategoryAxis;
    asseX->setLabelsFont(testo);
    asseX->setLabelsColor(aspetto::Inchiostro);
    asseX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    asseX->setGridLineVisible(false);
    const int n = static_cast<int>(pagina.giorni.size());
    asseX->setRange(-0.5, std::max(0, n - 1) + 0.5);
    const int passo = std::max(1, (n + 5) / 6);
    for (int i = 0; i < n; i += passo)
        asseX->append(pagina.giorni.at(i).giorno.toString(QStringLiteral("d/M")), i);
    g->addAxis(asseX, Qt::AlignBottom);
    QValueAxis *asseY = asseConteggi(massimo + massimo / 8 + 1, testo);
    g->addAxis(asseY, Qt::AlignLeft);
    serie->attachAxis(asseX);
    serie->attachAxis(asseY);
    g->legend()->hide();
    return g;
}

QString TestoPeriodo(const PaginaBambino &pagina)
{
    return QStringLiteral("dal %1 al %2")
        .arg(pagina.dal.toString(QStringLiteral("dd/MM/yyyy")), pagina.al.toString(QStringLiteral("dd/MM/yyyy")));
}

QString TestoErrore(const PaginaBambino::Errore &errore)
{
    return QStringLiteral("%1 al posto di %2: %3")
        .arg(errore.scelta, errore.parola,
             errore.volte == 1 ? QStringLiteral("1 volta") : QStringLiteral("%1 volte").arg(errore.volte));
}

QString TestoDurata(qint64 millisecondi)
{
    const qint64 secondi = (std::max<qint64>(0, millisecondi) + 500) / 1000;
    if (secondi < 60)
        return QStringLiteral("%1 s").arg(secondi);
    const qint64 minuti = (secondi + 30) / 60;
    if (minuti < 60)
        return QStringLiteral("%1 min").arg(minuti);
    return QStringLiteral("%1 h %2 min").arg(minuti / 60).arg(minuti % 60, 2, 10, QLatin1Char('0'));
}

QString TestoTempo(const PaginaBambino::TempoAttivita &tempo)
{
    return QStringLiteral("%1: %2, %3")
        .arg(tempo.attivita, TestoDurata(tempo.millisecondi),
             tempo.risposte == 1 ? QStringLiteral("1 risposta") : QStringLiteral("%1 risposte").arg(tempo.risposte));
}

QString TestoGruppi(const QStringList &gruppi)
{
    return gruppi.isEmpty() ? QStringLiteral("nessuno") : gruppi.join(QStringLiteral(" · "));
}
