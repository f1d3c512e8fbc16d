#pragma once

#include "core/classe.h"
#include "core/dialoghi.h"
#include "risultati/archivio.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class QChartView;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// The teacher's results, full screen: the class at a glance (each child's
// syllable groups over the last 30 days, coloured by how well they are read)
// and one child's page (charts, missed words, groups, time per activity), with
// the CSV and the parents' report to save and a child's data to erase.
// Under the class, the school's server where the answers may be kept: where
// they are now, and its address to try and to save.
class FinestraRisultati : public QWidget
{
    Q_OBJECT
public:
    // What trying a school's server found: an empty `errore` when it works
    // (otherwise why not, in Italian), and the class list it holds.
    struct EsitoProvaScuola
    {
        QString errore;
        QList<Bambino> classe;
    };
    // The school's server as the window reaches it. The window has no SQL:
    // the module hands it the two things done on the server.
    struct Scuola
    {
        // The settings file with the server's address; this PC's class list
        // (Bambini.txt) is beside it.
        QString fileImpostazioni;
        std::function<EsitoProvaScuola(const QString &indirizzo)> prova;
        // Writes `classe` as the class list on the server at `indirizzo` and
        // in this PC's Bambini.txt; true when both are written.
        std::function<bool(const QString &indirizzo, const QList<Bambino> &classe)> portaClasse;
    };

    // The store and the dialogs must outlive the window; `adesso` ends the
    // 30 days shown.
    FinestraRisultati(ArchivioRisultati &archivio, const QStringList &bambini, Dialoghi &dialoghi,
                      const QDateTime &adesso, const Scuola &scuola, QWidget *genitore = nullptr);
    // The window as the program opens it: full screen over `genitore` (or on
    // the main screen), shown, deleted when closed.
    static FinestraRisultati *apri(ArchivioRisultati &archivio, const QStringList &bambini, Dialoghi &dialoghi,
                                   const Scuola &scuola, QWidget *genitore);

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
    // The school's server, under the class.
    QLabel *Archivio;        // where the answers are kept now
    QLineEdit *Indirizzo;
    QPushButton *Prova;
    QPushButton *SalvaIndirizzo;
    QLabel *Esito;           // what trying or saving the address found
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
    QLayout *creaArchivio(QWidget *pagina);
    // The store's notice and where the answers are kept, read again.
    void aggiornaArchivio();
    void mostraEsito(const QString &testo);
    // What the server at `indirizzo` answers; nothing when it does not work,
    // the reason shown.
    std::optional<EsitoProvaScuola> provaIndirizzo(const QString &indirizzo);
    void salvaIndirizzo();
    // This PC's children that the server's `classe` lacks, offered to the
    // teacher once the server's address is saved; false when she wanted them
    // and they could not be written.
    bool portaBambini(const QString &indirizzo, const QList<Bambino> &classe);
    // The path the teacher chose for a file of `filtro`, with `estensione`
    // added when missing; empty when she cancelled or would not overwrite.
    QString sceltaFile(const QString &filtro, const QString &nomeProposto, const QString &estensione);

    ArchivioRisultati &archivio_;
    QStringList bambini_;
    Dialoghi &dialoghi_;
    QDateTime adesso_;
    Scuola scuola_;
    PaginaBambino pagina_;
};

// The program's way in, in the results module (risultati/modulo.cpp): the
// window opened with apri() above, the school's server reached through the
// module's SQL. The store and the dialogs must outlive it. `bambini` is the
// class list; `fileImpostazioni` the settings file.
#define LETTORIA_APRI_RISULTATI "lettoria_apri_risultati"
extern "C" QWidget *lettoria_apri_risultati(ArchivioRisultati *archivio, const QStringList &bambini,
                                           Dialoghi *dialoghi, const QString &fileImpostazioni, QWidget *genitore);
// The question for a grown-up before the results; true when answered right.
#define LETTORIA_CHIEDI_ADULTO "lettoria_chiedi_adulto"
extern "C" bool lettoria_chiedi_adulto(QWidget *genitore);
