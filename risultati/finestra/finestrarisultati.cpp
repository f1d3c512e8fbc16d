#include "risultati/finestra/finestrarisultati.h"

#include "risultati/finestra/aspetto.h"
#include "risultati/finestra/domandaadulto.h"
#include "risultati/finestra/grafici.h"
#include "risultati/finestra/rapportopdf.h"

#include "core/estrazione.h"
#include "core/impostazioni.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSet>
#include <QShortcut>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

const QString FinestraRisultati::LegendaNonVisto = QStringLiteral("non visto");
const QString FinestraRisultati::LegendaImparando = QStringLiteral("da consolidare");
const QString FinestraRisultati::LegendaSicuro = QStringLiteral("sicuro");

namespace {

// The groups' names turned on their side, so that the 34 columns fit the screen.
class IntestazioneVerticale : public QHeaderView
{
public:
    explicit IntestazioneVerticale(QWidget *genitore) : QHeaderView(Qt::Horizontal, genitore) {}

protected:
    QSize sectionSizeFromContents(int i) const override
    {
        const QFontMetrics fm(font());
        const QString t = model()->headerData(i, orientation()).toString();
        return QSize(fm.height() + aspetto::px(12), fm.horizontalAdvance(t) + aspetto::px(20));
    }
    void paintSection(QPainter *p, const QRect &r, int i) const override
    {
        p->save();
        p->fillRect(r, aspetto::Sfondo);
        p->setPen(aspetto::Inchiostro);
        p->setFont(font());
        p->translate(r.left(), r.bottom());
        p->rotate(-90);
        p->drawText(QRect(aspetto::px(8), 0, r.height() - aspetto::px(8), r.width()), Qt::AlignLeft | Qt::AlignVCenter,
                    model()->headerData(i, orientation()).toString());
        p->restore();
    }
};

QPushButton *pulsante(const QString &testo, const QString &nome, QWidget *genitore)
{
    auto *b = new QPushButton(testo, genitore);
    b->setObjectName(nome);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QLabel *etichetta(const QFont &font, const QString &nome, QWidget *genitore, const QString &testo = QString())
{
    auto *l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    l->setFont(font);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QColor colore(Padronanza p)
{
    switch (p) {
    case Padronanza::Sicuro: return aspetto::ColoreSicuro;
    case Padronanza::Imparando: return aspetto::ColoreImparando;
    case Padronanza::NonVisto: break;
    }
    return aspetto::ColoreNonVisto;
}

// A mark beside the colour, for those who tell the colours apart badly and for paper in black and white.
QString segno(Padronanza p)
{
    switch (p) {
    case Padronanza::Sicuro: return QStringLiteral("✓");
    case Padronanza::Imparando: return QStringLiteral("•");
    case Padronanza::NonVisto: break;
    }
    return QString();
}

void cambiaGrafico(QChartView *vista, QChart *nuovo)
{
    QChart *vecchio = vista->chart();
    vista->setChart(nuovo);
    delete vecchio;
}

// Where the answers are kept now, and how many wait on this PC for the school's server.
QString testoArchivio(const QString &server, int inAttesa)
{
    if (server.isEmpty())
        return QStringLiteral("Le risposte sono salvate su questo computer.");
    QString t = QStringLiteral("Le risposte sono salvate sul server della scuola: %1.").arg(server);
    if (inAttesa == 1)
        t += QStringLiteral(" 1 risposta aspetta di essere inviata da questo computer.");
    else if (inAttesa > 1)
        t += QStringLiteral(" %1 risposte aspettano di essere inviate da questo computer.").arg(inAttesa);
    return t;
}

QString nomeFile(QString nome)
{
    static const QString vietati = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : nome)
        if (vietati.contains(c))
            c = QLatin1Char('_');
    return nome;
}

} // namespace

FinestraRisultati::FinestraRisultati(ArchivioRisultati &archivio, const QStringList &bambini, Dialoghi &dialoghi,
                                     const QDateTime &adesso, const Scuola &scuola, QWidget *genitore)
    : QWidget(genitore, Qt::Window | Qt::FramelessWindowHint), archivio_(archivio), bambini_(bambini),
      dialoghi_(dialoghi), adesso_(adesso), scuola_(scuola)
{
    setObjectName(QStringLiteral("finestraRisultati"));
    setWindowTitle(QStringLiteral("Lettoria 2: i risultati"));
    // The look goes on an inner widget, not on the window: the message boxes and
    // the file dialog opened over the window keep their own.
    auto *corpo = new QWidget(this);
    corpo->setObjectName(QStringLiteral("corpo"));
    corpo->setAttribute(Qt::WA_StyledBackground);
    corpo->setStyleSheet(aspetto::foglioDiStile());
    auto *tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(0, 0, 0, 0);
    tutto->addWidget(corpo);

    Titolo = etichetta(aspetto::titolo(), QStringLiteral("Titolo"), this);
    Titolo->setWordWrap(false);
    Sottotitolo = etichetta(aspetto::testo(), QStringLiteral("Sottotitolo"), this);
    Esci = pulsante(QStringLiteral("Esci"), QStringLiteral("pulsanteEsci"), this);
    connect(Esci, &QPushButton::clicked, this, &QWidget::close);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);
    Avviso = etichetta(aspetto::testo(), QStringLiteral("Avviso"), this, archivio_.avviso());
    Avviso->setStyleSheet(QStringLiteral("color: rgb(150, 30, 30);"));
    Avviso->setVisible(!Avviso->text().isEmpty());

    auto *testa = new QHBoxLayout;
    testa->setSpacing(aspetto::px(20));
    testa->addWidget(Titolo);
    testa->addWidget(Sottotitolo, 1, Qt::AlignBottom);
    testa->addWidget(Esci, 0, Qt::AlignTop);

    Pagine = new QStackedWidget(this);
    Pagine->addWidget(creaPaginaClasse());
    Pagine->addWidget(creaPaginaBambino());

    auto *colonna = new QVBoxLayout(corpo);
    const int m = aspetto::px(20);
    colonna->setContentsMargins(m, aspetto::px(12), m, aspetto::px(12));
    colonna->setSpacing(aspetto::px(10));
    colonna->addLayout(testa);
    colonna->addWidget(Avviso);
    colonna->addWidget(Pagine, 1);

    mostraClasse();
    // With a school's server, what waits on this PC and whether the server
    // answers change while the window is open: read again every few seconds.
    auto *aggiorna = new QTimer(this);
    aggiorna->setObjectName(QStringLiteral("AggiornaArchivio"));
    connect(aggiorna, &QTimer::timeout, this, [this] {
        if (!archivio_.server().isEmpty())
            aggiornaArchivio();
    });
    aggiorna->start(3000);
}

QWidget *FinestraRisultati::creaPaginaClasse()
{
    auto *pagina = new QWidget(this);
    auto *legenda = new QHBoxLayout;
    legenda->setSpacing(aspetto::px(10));
    const struct { Padronanza livello; QString testo; const char *nome; } voci[] = {
        {Padronanza::NonVisto, LegendaNonVisto, "LegendaNonVisto"},
        {Padronanza::Imparando, LegendaImparando, "LegendaImparando"},
        {Padronanza::Sicuro, LegendaSicuro, "LegendaSicuro"},
    };
    for (const auto &v : voci) {
        auto *quadretto = etichetta(aspetto::testo(), QStringLiteral("Colore") + QLatin1String(v.nome + 7), pagina,
                                    segno(v.livello));
        quadretto->setAlignment(Qt::AlignCenter);
        quadretto->setFixedSize(aspetto::px(40), aspetto::px(40));
        quadretto->setStyleSheet(QStringLiteral("background: %1; color: black; border-radius: %2px;")
                                     .arg(colore(v.livello).name())
                                     .arg(aspetto::px(6)));
        legenda->addWidget(quadretto);
        legenda->addWidget(etichetta(aspetto::testo(), QLatin1String(v.nome), pagina, v.testo));
        legenda->addSpacing(aspetto::px(24));
    }
    legenda->addStretch();

    Quadro = new QTableWidget(pagina);
    Quadro->setObjectName(QStringLiteral("Quadro"));
    Quadro->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Quadro->setSelectionMode(QAbstractItemView::NoSelection);
    Quadro->setFocusPolicy(Qt::NoFocus);
    Quadro->setFont(aspetto::testo());
    Quadro->setHorizontalHeader(new IntestazioneVerticale(Quadro));
    QFont gruppi = aspetto::testo();
    gruppi.setPixelSize(aspetto::px(20));
    Quadro->horizontalHeader()->setFont(gruppi);
    Quadro->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Quadro->horizontalHeader()->setDefaultSectionSize(aspetto::px(46));
    Quadro->horizontalHeader()->setSectionsClickable(false);
    Quadro->horizontalHeader()->setHighlightSections(false);
    QFont nomi = aspetto::testo();
    nomi.setBold(true);
    Quadro->verticalHeader()->setFont(nomi);
    Quadro->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Quadro->verticalHeader()->setDefaultSectionSize(aspetto::px(46));
    Quadro->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Quadro->verticalHeader()->setHighlightSections(false);
    Quadro->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    Quadro->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    Quadro->setShowGrid(true);
    Quadro->setCornerButtonEnabled(false);
    // A child's name, or any of his or her cells, opens the child's page.
    connect(Quadro->verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int riga) { mostraBambino(Quadro->verticalHeaderItem(riga)->text()); });
    connect(Quadro, &QTableWidget::cellClicked, this,
            [this](int riga, int) { mostraBambino(Quadro->verticalHeaderItem(riga)->text()); });

    Suggerimento = etichetta(aspetto::testo(), QStringLiteral("Suggerimento"), pagina);
    EsportaClasse = pulsante(QStringLiteral("Salva i dati della classe (CSV)"), QStringLiteral("EsportaClasse"), pagina);
    connect(EsportaClasse, &QPushButton::clicked, this, [this] { esportaCsv(QString()); });
    auto *piede = new QHBoxLayout;
    piede->addWidget(Suggerimento, 1);
    piede->addWidget(EsportaClasse);

    auto *colonna = new QVBoxLayout(pagina);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(aspetto::px(10));
    colonna->addLayout(legenda);
    colonna->addWidget(Quadro, 1);
    colonna->addLayout(piede);
    colonna->addSpacing(aspetto::px(6));
    colonna->addLayout(creaArchivio(pagina));
    return pagina;
}

QLayout *FinestraRisultati::creaArchivio(QWidget *pagina)
{
    auto *titolo = etichetta(aspetto::titoletto(), QStringLiteral("TitoloArchivio"), pagina,
                             QStringLiteral("Archivio della scuola"));
    titolo->setWordWrap(false);
    Archivio = etichetta(aspetto::testo(), QStringLiteral("Archivio"), pagina);
    Indirizzo = new QLineEdit(IndirizzoArchivio(scuola_.fileImpostazioni), pagina);
    Indirizzo->setObjectName(QStringLiteral("Indirizzo"));
    Indirizzo->setPlaceholderText(QStringLiteral("postgresql://lettoria@server-scuola/lettoria"));
    Indirizzo->setStyleSheet(QStringLiteral("QLineEdit { font-size: %1px; }").arg(aspetto::px(24)));
    Prova = pulsante(QStringLiteral("Prova il collegamento"), QStringLiteral("Prova"), pagina);
    connect(Prova, &QPushButton::clicked, this, [this] {
        if (provaIndirizzo(Indirizzo->text().trimmed()))
            mostraEsito(QStringLiteral("Collegamento riuscito: il server della scuola è pronto."));
    });
    SalvaIndirizzo = pulsante(QStringLiteral("Salva"), QStringLiteral("SalvaIndirizzo"), pagina);
    connect(SalvaIndirizzo, &QPushButton::clicked, this, &FinestraRisultati::salvaIndirizzo);
    Esito = etichetta(aspetto::testo(), QStringLiteral("EsitoProva"), pagina);
    Esito->setVisible(false);

    auto *testa = new QHBoxLayout;
    testa->setSpacing(aspetto::px(16));
    testa->addWidget(titolo, 0, Qt::AlignTop);
    testa->addWidget(Archivio, 1);
    auto *riga = new QHBoxLayout;
    riga->setSpacing(aspetto::px(14));
    riga->addWidget(Indirizzo, 1);
    riga->addWidget(Prova);
    riga->addWidget(SalvaIndirizzo);
    auto *colonna = new QVBoxLayout;
    colonna->setSpacing(aspetto::px(8));
    colonna->addLayout(testa);
    colonna->addLayout(riga);
    colonna->addWidget(Esito);
    return colonna;
}

QWidget *FinestraRisultati::creaPaginaBambino()
{
    auto *pagina = new QWidget(this);
    Settimane = new QChartView(pagina);
    Settimane->setObjectName(QStringLiteral("Settimane"));
    Giorni = new QChartView(pagina);
    Giorni->setObjectName(QStringLiteral("Giorni"));
    for (QChartView *v : {Settimane, Giorni}) {
        v->setRenderHint(QPainter::Antialiasing);
        v->setMinimumHeight(aspetto::px(220));
        v->setStyleSheet(QStringLiteral("background: transparent;"));
    }

    // Words and groups on the right, scrolled when a long list does not fit.
    auto *testi = new QWidget;
    testi->setObjectName(QStringLiteral("testi"));
    auto *colonnaTesti = new QVBoxLayout(testi);
    colonnaTesti->setContentsMargins(0, 0, aspetto::px(8), 0);
    colonnaTesti->setSpacing(aspetto::px(6));
    const auto sezione = [&](const QString &titolo, const QString &nome) {
        colonnaTesti->addSpacing(aspetto::px(8));
        colonnaTesti->addWidget(etichetta(aspetto::titoletto(), QStringLiteral("Titolo") + nome, testi, titolo));
        QLabel *l = etichetta(aspetto::testo(), nome, testi);
        l->setTextFormat(Qt::PlainText);
        colonnaTesti->addWidget(l);
        return l;
    };
    Errori = sezione(TitoloErrori, QStringLiteral("Errori"));
    Sicuri = sezione(TitoloSicuri, QStringLiteral("Sicuri"));
    Imparando = sezione(TitoloImparando, QStringLiteral("Imparando"));
    Tempi = sezione(TitoloTempi, QStringLiteral("Tempi"));
    colonnaTesti->addStretch();
    auto *scorrimento = new QScrollArea(pagina);
    scorrimento->setObjectName(QStringLiteral("scorrimentoTesti"));
    scorrimento->setWidget(testi);
    scorrimento->setWidgetResizable(true);
    scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Classe = pulsante(QStringLiteral("◀ Torna alla classe"), QStringLiteral("Classe"), pagina);
    connect(Classe, &QPushButton::clicked, this, &FinestraRisultati::mostraClasse);
    EsportaBambino = pulsante(QStringLiteral("Salva i dati (CSV)"), QStringLiteral("EsportaBambino"), pagina);
    connect(EsportaBambino, &QPushButton::clicked, this, [this] { esportaCsv(pagina_.bambino); });
    Rapporto = pulsante(QStringLiteral("Rapporto per i genitori (PDF)"), QStringLiteral("Rapporto"), pagina);
    connect(Rapporto, &QPushButton::clicked, this, &FinestraRisultati::salvaRapporto);
    Cancella = pulsante(QString(), QStringLiteral("pulsanteCancella"), pagina);
    connect(Cancella, &QPushButton::clicked, this, &FinestraRisultati::cancellaBambino);

    auto *griglia = new QGridLayout(pagina);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->setHorizontalSpacing(aspetto::px(20));
    griglia->setVerticalSpacing(aspetto::px(10));
    griglia->addWidget(Settimane, 0, 0);
    griglia->addWidget(Giorni, 1, 0);
    griglia->addWidget(scorrimento, 0, 1, 2, 1);
    auto *piede = new QHBoxLayout;
    piede->setSpacing(aspetto::px(14));
    piede->addWidget(Classe);
    piede->addWidget(EsportaBambino);
    piede->addWidget(Rapporto);
    piede->addStretch();
    piede->addWidget(Cancella);
    griglia->addLayout(piede, 2, 0, 1, 2);
    griglia->setColumnStretch(0, 3);
    griglia->setColumnStretch(1, 2);
    griglia->setRowStretch(0, 1);
    griglia->setRowStretch(1, 1);
    return pagina;
}

void FinestraRisultati::mostraClasse()
{
    pagina_ = PaginaBambino();
    const QuadroClasse quadro = archivio_.quadroClasse(bambini_, adesso_);
    Quadro->clear();
    Quadro->setColumnCount(static_cast<int>(quadro.gruppi.size()));
    Quadro->setRowCount(static_cast<int>(quadro.bambini.size()));
    Quadro->setHorizontalHeaderLabels(quadro.gruppi);
    Quadro->setVerticalHeaderLabels(quadro.bambini);
    for (int r = 0; r < quadro.bambini.size(); ++r)
        for (int c = 0; c < quadro.gruppi.size(); ++c) {
            const Padronanza p = r < quadro.livelli.size() && c < quadro.livelli.at(r).size() ? quadro.livelli.at(r).at(c)
                                                                                               : Padronanza::NonVisto;
            auto *cella = new QTableWidgetItem(segno(p));
            cella->setTextAlignment(Qt::AlignCenter);
            cella->setBackground(colore(p));
            cella->setForeground(Qt::black);
            cella->setData(Qt::UserRole, static_cast<int>(p));
            cella->setToolTip(QStringLiteral("%1, %2").arg(quadro.bambini.at(r), quadro.gruppi.at(c)));
            Quadro->setItem(r, c, cella);
        }
    Titolo->setText(QStringLiteral("La classe"));
    Sottotitolo->setText(QStringLiteral("negli ultimi 30 giorni"));
    EsportaClasse->setEnabled(!quadro.bambini.isEmpty());
    Suggerimento->setText(quadro.bambini.isEmpty() ? QStringLiteral("Nessun bambino nell'elenco della classe.")
                                                   : QStringLiteral("Tocca un nome per vedere i suoi risultati."));
    aggiornaArchivio();
    Pagine->setCurrentIndex(0);
}

void FinestraRisultati::aggiornaArchivio()
{
    Avviso->setText(archivio_.avviso());
    Avviso->setVisible(!Avviso->text().isEmpty());
    const QString server = archivio_.server();
    Archivio->setText(testoArchivio(server, server.isEmpty() ? 0 : archivio_.inAttesa()));
}

void FinestraRisultati::mostraBambino(const QString &bambino)
{
    pagina_ = archivio_.paginaBambino(bambino, adesso_);
    pagina_.bambino = bambino;
    Titolo->setText(bambino);
    Sottotitolo->setText(TestoPeriodo(pagina_));

    QFont grafici = aspetto::testo();
    grafici.setPixelSize(aspetto::px(22));
    cambiaGrafico(Settimane, GraficoSettimane(pagina_, grafici));
    cambiaGrafico(Giorni, GraficoGiorni(pagina_, grafici));

    QStringList errori;
    for (const PaginaBambino::Errore &e : std::as_const(pagina_.errori))
        errori.append(TestoErrore(e));
    Errori->setText(errori.isEmpty() ? NessunErrore : errori.join(QLatin1Char('\n')));
    Sicuri->setText(TestoGruppi(pagina_.gruppiSicuri));
    Imparando->setText(TestoGruppi(pagina_.gruppiImparando));
    QStringList tempi;
    for (const PaginaBambino::TempoAttivita &t : std::as_const(pagina_.tempi))
        tempi.append(TestoTempo(t));
    Tempi->setText(tempi.isEmpty() ? NessunaRisposta : tempi.join(QLatin1Char('\n')));

    // A name with "&" is shown as it is, not as a keyboard shortcut.
    Cancella->setText(QStringLiteral("Cancella i dati di %1").arg(QString(bambino).replace(QLatin1Char('&'), QStringLiteral("&&"))));
    // A store that keeps nothing new (a newer version's file, a read-only
    // folder) cannot erase either: its warning says why.
    Cancella->setEnabled(archivio_.condizione() == ArchivioRisultati::Condizione::Scrivibile);
    Pagine->setCurrentIndex(1);
}

QString FinestraRisultati::domandaCancella(const QString &bambino)
{
    return QStringLiteral("Vuoi cancellare tutti i dati di %1? Non si potranno più recuperare.").arg(bambino);
}

QString FinestraRisultati::sceltaFile(const QString &filtro, const QString &nomeProposto, const QString &estensione)
{
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (cartella.isEmpty() || !QFileInfo(cartella).isDir())
        cartella = QDir::homePath();
    QString percorso = dialoghi_.salvaFile(filtro, QDir(cartella).filePath(nomeFile(nomeProposto)));
    if (percorso.isEmpty())
        return QString();
    if (QFileInfo(percorso).suffix().compare(estensione, Qt::CaseInsensitive) != 0)
        percorso += QLatin1Char('.') + estensione;
    if (QFileInfo::exists(percorso) && !dialoghi_.chiedi(QStringLiteral("Un file con questo nome esiste già. Sovrascriverlo?")))
        return QString();
    return percorso;
}

void FinestraRisultati::esportaCsv(const QString &bambino)
{
    const QString percorso = sceltaFile(QStringLiteral("File CSV (*.csv)"),
                                        bambino.isEmpty() ? QStringLiteral("Risultati della classe.csv")
                                                          : QStringLiteral("Risultati di %1.csv").arg(bambino),
                                        QStringLiteral("csv"));
    if (percorso.isEmpty())
        return;
    const QByteArray dati = archivio_.csv(bambino);
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(dati) != dati.size() || !file.commit()) {
        dialoghi_.avvisa(Dialoghi::Icona::Critica,
                         QStringLiteral("Non è stato possibile salvare il file %1.").arg(QDir::toNativeSeparators(percorso)));
        return;
    }
    dialoghi_.avvisa(Dialoghi::Icona::Informazione,
                     QStringLiteral("Dati salvati in %1.").arg(QDir::toNativeSeparators(percorso)));
}

void FinestraRisultati::salvaRapporto()
{
    const QString percorso = sceltaFile(QStringLiteral("Documento PDF (*.pdf)"),
                                        QStringLiteral("Rapporto di %1.pdf").arg(pagina_.bambino), QStringLiteral("pdf"));
    if (percorso.isEmpty())
        return;
    if (!ScriviRapportoPdf(pagina_, percorso)) {
        dialoghi_.avvisa(Dialoghi::Icona::Critica,
                         QStringLiteral("Non è stato possibile salvare il file %1.").arg(QDir::toNativeSeparators(percorso)));
        return;
    }
    dialoghi_.avvisa(Dialoghi::Icona::Informazione,
                     QStringLiteral("Rapporto salvato in %1.").arg(QDir::toNativeSeparators(percorso)));
}

void FinestraRisultati::cancellaBambino()
{
    const QString bambino = pagina_.bambino;
    if (bambino.isEmpty() || !dialoghi_.chiedi(domandaCancella(bambino)))
        return;
    if (!archivio_.cancella(bambino)) {
        dialoghi_.avvisa(Dialoghi::Icona::Critica, QStringLiteral("Non è stato possibile cancellare i dati di %1.").arg(bambino));
        return;
    }
    dialoghi_.avvisa(Dialoghi::Icona::Informazione, QStringLiteral("I dati di %1 sono stati cancellati.").arg(bambino));
    mostraClasse();
}

void FinestraRisultati::mostraEsito(const QString &testo)
{
    Esito->setText(testo);
    Esito->setVisible(!testo.isEmpty());
}

std::optional<FinestraRisultati::EsitoProvaScuola> FinestraRisultati::provaIndirizzo(const QString &indirizzo)
{
    if (!scuola_.prova)
        return std::nullopt;
    // A server that does not answer takes a few seconds to give up: the
    // teacher sees that something is going on.
    mostraEsito(QStringLiteral("Provo il collegamento con il server della scuola…"));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const EsitoProvaScuola esito = scuola_.prova(indirizzo);
    QGuiApplication::restoreOverrideCursor();
    if (!esito.errore.isEmpty()) {
        mostraEsito(esito.errore);
        return std::nullopt;
    }
    return esito;
}

void FinestraRisultati::salvaIndirizzo()
{
    // An empty address sends the answers back to this PC's file: nothing to try.
    const QString indirizzo = Indirizzo->text().trimmed();
    std::optional<EsitoProvaScuola> esito;
    if (!indirizzo.isEmpty() && !(esito = provaIndirizzo(indirizzo)))
        return;
    if (!ScriviIndirizzoArchivio(scuola_.fileImpostazioni, indirizzo)) {
        mostraEsito(QStringLiteral("Non è stato possibile salvare l'indirizzo nelle impostazioni."));
        return;
    }
    Indirizzo->setText(indirizzo);
    if (indirizzo.isEmpty()) {
        mostraEsito(QStringLiteral("Fatto. Da quando Lettoria 2 sarà aperto di nuovo, le risposte resteranno su questo computer."));
        return;
    }
    if (!portaBambini(indirizzo, esito->classe)) {
        mostraEsito(QStringLiteral("L'indirizzo è salvato: da quando Lettoria 2 sarà aperto di nuovo, le risposte andranno "
                                   "al server della scuola. Non è stato possibile però portarci i bambini di questo "
                                   "computer: tocca di nuovo «Salva» per riprovare."));
        return;
    }
    mostraEsito(QStringLiteral("Fatto. Da quando Lettoria 2 sarà aperto di nuovo, le risposte andranno al server della scuola."));
}

bool FinestraRisultati::portaBambini(const QString &indirizzo, const QList<Bambino> &classe)
{
    // Once the server has a class, it is the class on every PC: this is the
    // one moment this PC's list can join it. Names are compared as the class
    // list compares them, and the class stays within its 60.
    QSet<QString> presenti;
    for (const Bambino &b : classe)
        presenti.insert(ChiaveParola(b.nome));
    QList<Bambino> mancanti;
    QStringList nomi;
    const QString fileClasse = QFileInfo(scuola_.fileImpostazioni).dir().filePath(NomeFileClasse);
    for (const Bambino &b : LeggiClasse(fileClasse).bambini) {
        if (classe.size() + mancanti.size() >= MassimoBambini)
            break;
        if (!presenti.contains(ChiaveParola(b.nome))) {
            mancanti.append(b);
            nomi.append(b.nome);
        }
    }
    if (mancanti.isEmpty())
        return true;
    QString domanda;
    if (!classe.isEmpty())
        domanda = mancanti.size() == 1
            ? QStringLiteral("Questo computer ha un bambino che la classe della scuola non ha: %1. Vuoi aggiungerlo?").arg(nomi.first())
            : QStringLiteral("Questo computer ha bambini che la classe della scuola non ha: %1. Vuoi aggiungerli?")
                  .arg(nomi.join(QStringLiteral(", ")));
    else if (mancanti.size() == 1)
        domanda = QStringLiteral("Sul server della scuola la classe è ancora vuota. Vuoi portarci il bambino di questo computer?");
    else
        domanda = QStringLiteral("Sul server della scuola la classe è ancora vuota. Vuoi portarci i %1 bambini di questo computer?")
                      .arg(mancanti.size());
    if (!dialoghi_.chiedi(domanda))
        return true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool fatto = scuola_.portaClasse && scuola_.portaClasse(indirizzo, classe + mancanti);
    QGuiApplication::restoreOverrideCursor();
    return fatto;
}

FinestraRisultati *FinestraRisultati::apri(ArchivioRisultati &archivio, const QStringList &bambini, Dialoghi &dialoghi,
                                           const Scuola &scuola, QWidget *genitore)
{
    auto *f = new FinestraRisultati(archivio, bambini, dialoghi, QDateTime::currentDateTime(), scuola, genitore);
    f->setAttribute(Qt::WA_DeleteOnClose);
    const QScreen *s = genitore && genitore->screen() ? genitore->screen() : QGuiApplication::primaryScreen();
    if (s)
        f->setGeometry(s->geometry());
    f->show();
    return f;
}

extern "C" Q_DECL_EXPORT bool lettoria_chiedi_adulto(QWidget *genitore)
{
    return ChiediAdulto(genitore, [](int n) { return static_cast<int>(QRandomGenerator::global()->bounded(n)); });
}
