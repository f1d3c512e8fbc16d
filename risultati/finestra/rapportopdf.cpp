#include "risultati/finestra/rapportopdf.h"

#include "risultati/finestra/aspetto.h"
#include "risultati/finestra/grafici.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// Writes down a page, starting a new one when the next block does not fit.
class Foglio
{
public:
    Foglio(QPdfWriter &pdf, QPainter &p) : pdf_(pdf), p_(p), larghezza_(pdf.width()), altezza_(pdf.height()) {}

    int larghezza() const { return larghezza_; }

    void testo(const QString &t, double punti, bool grassetto, int spazioDopo)
    {
        p_.setFont(carattere(punti, grassetto));
        const int alto = altezzaTesto(t);
        spazio(alto);
        p_.drawText(QRect(0, y_, larghezza_, alto), Qt::TextWordWrap, t);
        y_ += alto + spazioDopo;
    }

    // A heading and its lines; the heading never ends a page without its first line.
    void sezione(const QString &titolo, const QStringList &righe, int riga)
    {
        p_.setFont(carattere(12, false));
        const int primaRiga = altezzaTesto(righe.value(0));
        p_.setFont(carattere(15, true));
        spazio(altezzaTesto(titolo) + riga / 2 + primaRiga);
        testo(titolo, 15, true, riga / 2);
        for (const QString &r : righe)
            testo(r, 12, false, riga / 3);
        y_ += riga + riga / 2;
    }

    void grafico(QChart *g, int alto, int spazioDopo)
    {
        spazio(alto);
        // The chart is laid out at a screen-like size and drawn scaled to the
        // page, so its lines and letters keep the proportions they have on screen.
        QGraphicsScene scena;
        scena.addItem(g);
        const QSizeF dimensione(1000.0, 1000.0 * alto / larghezza_);
        g->resize(dimensione);
        g->layout()->activate();
        scena.setSceneRect(QRectF(QPointF(0, 0), dimensione));
        scena.render(&p_, QRectF(0, y_, larghezza_, alto), scena.sceneRect());
        y_ += alto + spazioDopo;
    }

private:
    static QFont carattere(double punti, bool grassetto)
    {
        QFont f;
        f.setPointSizeF(punti);
        f.setBold(grassetto);
        return f;
    }
    int altezzaTesto(const QString &t) const
    {
        return p_.boundingRect(QRect(0, 0, larghezza_, altezza_), Qt::TextWordWrap, t).height();
    }
    void spazio(int alto)
    {
        if (y_ > 0 && y_ + alto > altezza_) {
            pdf_.newPage();
            y_ = 0;
        }
    }

    QPdfWriter &pdf_;
    QPainter &p_;
    int larghezza_;
    int altezza_;
    int y_ = 0;
};

} // namespace

bool ScriviRapportoPdf(const PaginaBambino &pagina, const QString &percorso)
{
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(QStringLiteral("Lettoria 2: i risultati di %1").arg(pagina.bambino));
        pdf.setCreator(QStringLiteral("Lettoria 2"));
        pdf.setResolution(150);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 16),
                                      QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&pdf))
            return false;
        p.setPen(aspetto::Inchiostro);
        Foglio foglio(pdf, p);
        const int riga = foglio.larghezza() / 60;

        foglio.testo(QStringLiteral("I risultati di %1").arg(pagina.bambino), 22, true, riga / 2);
        foglio.testo(QStringLiteral("Lettoria 2, %1").arg(TestoPeriodo(pagina)), 13, false, riga * 2);

        QFont testoGrafici;
        testoGrafici.setPixelSize(24);
        foglio.grafico(GraficoSettimane(pagina, testoGrafici), foglio.larghezza() * 11 / 20, riga);
        foglio.grafico(GraficoGiorni(pagina, testoGrafici), foglio.larghezza() / 2, riga * 2);

        QStringList errori;
        for (const PaginaBambino::Errore &e : pagina.errori)
            errori.append(TestoErrore(e));
        foglio.sezione(TitoloErrori, errori.isEmpty() ? QStringList{NessunErrore} : errori, riga);
        foglio.sezione(TitoloSicuri, {TestoGruppi(pagina.gruppiSicuri)}, riga);
        foglio.sezione(TitoloImparando, {TestoGruppi(pagina.gruppiImparando)}, riga);
        QStringList tempi;
        for (const PaginaBambino::TempoAttivita &t : pagina.tempi)
            tempi.append(TestoTempo(t));
        foglio.sezione(TitoloTempi, tempi.isEmpty() ? QStringList{NessunaRisposta} : tempi, riga);
        if (!p.end())
            return false;
    }
    return file.commit();
}
