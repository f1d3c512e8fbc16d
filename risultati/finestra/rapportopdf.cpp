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
        QFont f;
        f.setPointSizeF(punti);
        f.setBold(grassetto);
        p_.setFont(f);
        const QRect misura = p_.boundingRect(QRect(0, 0, larghezza_, altezza_), Qt::TextWordWrap, t);
        spazio(misura.height());
        p_.drawText(QRect(0, y_, larghezza_, misura.height()), Qt::TextWordWrap, t);
        y_ += misura.height() + spazioDopo;
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
        testoGrafici.setPixelSize(17);
        foglio.grafico(GraficoSettimane(pagina, testoGrafici), foglio.larghezza() * 11 / 20, riga);
        foglio.grafico(GraficoGiorni(pagina, testoGrafici), foglio.larghezza() / 2, riga * 2);

        foglio.testo(TitoloErrori, 15, true, riga / 2);
        if (pagina.errori.isEmpty())
            foglio.testo(NessunErrore, 12, false, riga / 3);
        for (const PaginaBambino::Errore &e : pagina.errori)
            foglio.testo(TestoErrore(e), 12, false, riga / 3);
        foglio.testo(QString(), 6, false, riga);

        foglio.testo(TitoloSicuri, 15, true, riga / 2);
        foglio.testo(TestoGruppi(pagina.gruppiSicuri), 12, false, riga * 2);
        foglio.testo(TitoloImparando, 15, true, riga / 2);
        foglio.testo(TestoGruppi(pagina.gruppiImparando), 12, false, riga * 2);

        foglio.testo(TitoloTempi, 15, true, riga / 2);
        if (pagina.tempi.isEmpty())
            foglio.testo(NessunaRisposta, 12, false, riga / 3);
        for (const PaginaBambino::TempoAttivita &t : pagina.tempi)
            foglio.testo(TestoTempo(t), 12, false, riga / 3);
        if (!p.end())
            return false;
    }
    return file.commit();
}
