#pragma once

#include "core/dialoghi.h"
#include "risultati/archivio.h"

#include <QDateTime>
#include <QStringList>
#include <QWidget>

class QChartView;
class QGridLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// The teacher's results, full screen: the class at a glance (each child's
// syllable groups over the last 30 days, coloured by how well they are read)
// and one child's page (charts, missed words, groups, time per activity), with
// the CSV and the parents' report to save and a child's data to erase.
class FinestraRisultati : public QWidget
{
    Q_OBJECT
public:
    // The store and the dialogs must outlive the window; `adesso` ends the
    // 30 days shown.
    FinestraRisultati(ArchivioRisultati &archivio, const QStringList &bambini, Dialoghi &dialoghi,
                      const QDateTime &adesso, QWidget *genitore = nullptr);

    // The class at a glance (again), read afresh from the store.
    void mostraClasse();
    // One child's page, read afresh from the store.
    void mostraBambino(const QString &bambino);
    // The child shown, or an empty text on the class page.
    QString bambino() const { return pagina_.bambino; }

    static QString domandaCancella(const QString &bambino);
    static const QString LegendaNonVisto, LegendaImparando, LegendaSicuro;

    // The class page.
    QLabel *Titolo;
    QLabel *Sottotitolo;
    QLabel *Avviso;          // what the store has to tell, when anything
    QPushButton *Esci;
    QStackedWidget *Pagine;
    QTableWidget *Quadro;    // [child][group]
    QPushButton *EsportaClasse;
    QLabel *Suggerimento;
    // The child's page.
    QChartView *Settimane;
    QChartView *Giorni;
    QLabel *Errori;
    QLabel *Sicuri;
    QLabel *Imparando;
    QLabel *Tempi;
    QPushButton *Classe;
    QPushButton *EsportaBambino;
    QPushButton *Rapporto;
    QPushButton *Cancella;

private:
    QWidget *creaPaginaClasse();
    QWidget *creaPaginaBambino();
    void esportaCsv(const QString &bambino);
    void salvaRapporto();
    void cancellaBambino();
    // The path the teacher chose for a file of `filtro`, with `estensione`
    // added when missing; empty when she cancelled or would not overwrite.
    QString sceltaFile(const QString &filtro, const QString &nomeProposto, const QString &estensione);

    ArchivioRisultati &archivio_;
    QStringList bambini_;
    Dialoghi &dialoghi_;
    QDateTime adesso_;
    PaginaBambino pagina_;
};

// The program's way in. Opens the results full screen over `genitore` and
// returns the window, deleted when closed; the store and the dialogs must
// outlive it. `bambini` is the class list.
#define LETTORIA_APRI_RISULTATI "lettoria_apri_risultati"
extern "C" QWidget *lettoria_apri_risultati(ArchivioRisultati *archivio, const QStringList &bambini,
                                           Dialoghi *dialoghi, QWidget *genitore);
// The question for a grown-up before the results; true when answered right.
#define LETTORIA_CHIEDI_ADULTO "lettoria_chiedi_adulto"
extern "C" bool lettoria_chiedi_adulto(QWidget *genitore);
