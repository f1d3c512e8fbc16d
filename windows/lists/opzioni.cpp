#include "windows/lists/opzioni.h"

#include "core/creazioneliste.h"
#include "core/dialoghi.h"
#include "core/estrazione.h"
#include "core/paroleliste.h"
#include "core/sessione.h"
#include "windows/areaintera.h"
#include "windows/guardiadoppioclic.h"
#include "windows/navigazione.h"
#include "windows/lists/segnalestop.h"
#include "windows/pulsanteicona.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QStyleHints>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {

void coloraSfondo(QWidget *w, const QColor &colore)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colore);
    w->setPalette(p);
}

QString mostrabile(const QString &percorso)
{
    return QDir::toNativeSeparators(percorso);
}

// Design client area, in twips.
constexpr int LarghezzaProgetto = 11970;
constexpr int AltezzaProgetto = 8145;

// The chooser's three columns: 12, 12 and 10 options.
constexpr int Colonne = 3;
constexpr int OpzioniPerColonna = 12;
} // namespace

const QString OPZIONI::MessaggioNessunaLista = QStringLiteral("Non hai scelto nessuna lista!");
const QString OPZIONI::MessaggioListaVuota =
    QStringLiteral("Devi inserire almeno alcune parole nalla lista prima di salvarla.");
const QString OPZIONI::DomandaSovrascrivi = QStringLiteral("Un file con questo nome esiste già. Sovrascriverlo?");
const QString OPZIONI::MessaggioNomeMancante = QStringLiteral("Scrivi un nome per la lista prima di salvarla.");
const QString OPZIONI::FiltroApri = QStringLiteral("*.TXT (*.txt)");
const QString OPZIONI::FiltroSalva = QStringLiteral("Files di testo (*.txt)");

QString OPZIONI::messaggioApertura(const QString &percorso, const QString &motivo)
{
    return QStringLiteral("Non è stato possibile aprire la lista:\n%1\n%2").arg(mostrabile(percorso), motivo);
}

QString OPZIONI::messaggioSenzaImmagine(const QStringList &parole)
{
    // A long list of names is cut: the teacher needs to know, not to read them all.
    constexpr int Mostrate = 30;
    QString nomi = parole.mid(0, Mostrate).join(QStringLiteral(", "));
    if (parole.size() > Mostrate)
        nomi += QStringLiteral(" e altre %1").arg(parole.size() - Mostrate);
    return QStringLiteral("Queste parole della lista non hanno un'immagine in images0: negli esercizi non saranno "
                          "mai quelle da riconoscere dall'immagine.\n%1")
        .arg(nomi);
}

QString OPZIONI::messaggioSalvataggio(const QString &percorso, const QString &motivo)
{
    return QStringLiteral("Non è stato possibile salvare la lista:\n%1\n%2").arg(mostrabile(percorso), motivo);
}

OPZIONI::OPZIONI(const Attivita &a, const Contesto &c, Navigazione &n) : Finestra(a, c, n)
{
    setWindowTitle(QStringLiteral("Lettoria 2 - Liste di parole"));
    impostaAreaProgetto(LarghezzaProgetto, AltezzaProgetto);
    impostaColoreSfondo(0x80FFFF);

    const QFont fontPulsanti = carattere(QStringLiteral("Arial"), 14.25, true);

    // The list in use and the three ways to change it.
    Frame4 = controllo(new QGroupBox(QStringLiteral("File in uso"), area()), QStringLiteral("Frame4"), 360, 240, 11250,
                       4800);
    Frame4->setFont(carattere(QStringLiteral("Times New Roman"), 18, true));
    Label1 = controllo(new QLabel(Frame4), QStringLiteral("Label1"), 240, 720, 10770, 600);
    Label1->setFont(carattere(QStringLiteral("Arial"), 12, false));
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    coloraSfondo(Label1, Qt::white);
    const struct
    {
        QPushButton **pulsante;
        const char *nome;
        const char *testo;
        int top;
    } pulsanti[] = {
        {&Command6, "Command6", "Apri un archivio tra i predefiniti", 1680},
        {&Command1, "Command1", "Apri un archivio personalizzato", 2640},
        {&Command2, "Command2", "Crea altri files con liste parole", 3600},
    };
    for (const auto &p : pulsanti) {
        *p.pulsante = controllo(new QPushButton(QString::fromUtf8(p.testo), Frame4), QString::fromLatin1(p.nome), 1440,
                                p.top, 8370, 780);
        (*p.pulsante)->setFont(fontPulsanti);
        (*p.pulsante)->setCursor(Qt::PointingHandCursor);
    }
    connect(Command6, &QPushButton::clicked, this, &OPZIONI::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &OPZIONI::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &OPZIONI::Command2_Click);

    Command3D1 = controllo(new PulsanteIcona(QStringLiteral("Esci"), IconaStop(), area()), QStringLiteral("Command3D1"),
                           4050, 5520, 3870, 1560);
    Command3D1->setFont(carattere(QStringLiteral("Arial"), 24, false));
    connect(Command3D1, &QPushButton::clicked, this, &OPZIONI::Command3D1_Click);

    // The teacher's switch for the word read aloud after a right answer (it
    // also needs "Suoni attivati", in the menu); kept with the other settings.
    CheckVoce = controllo(new AreaIntera<QCheckBox>(QStringLiteral("Leggi le parole ad alta voce"), area()),
                          QStringLiteral("CheckVoce"), 360, 7260, 7200, 600);
    CheckVoce->setFont(carattere(QStringLiteral("Arial"), 12, true));
    CheckVoce->setCursor(Qt::PointingHandCursor);
    connect(CheckVoce, &QCheckBox::toggled, this, [this](bool si) { ctx.sessione.VoceAttivata = si; });

    // The chooser of predefined lists, hidden until asked for.
    Frame1 = controllo(new QGroupBox(QStringLiteral("Seleziona la lista da utilizzare"), area()),
                       QStringLiteral("Frame1"), 0, 0, LarghezzaProgetto, AltezzaProgetto);
    Frame1->setFont(carattere(QStringLiteral("Times New Roman"), 20.25, true));
    coloraSfondo(Frame1, QColor(255, 255, 192));
    gruppoOpzioni_ = new QButtonGroup(this);
    for (int i = 0; i < NumeroListePredefinite; ++i) {
        auto *o = new AreaIntera<QRadioButton>(QStringLiteral("Option1"), Frame1);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        o->setProperty("Index", i);
        o->setFont(carattere(QStringLiteral("Times New Roman"), 8.25, true));
        o->setCursor(Qt::PointingHandCursor);
        o->installEventFilter(this);
        gruppoOpzioni_->addButton(o, i);
        Option1[static_cast<size_t>(i)] = o;
        // A click on the option already marked still picks it: it is the way back.
        connect(o, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    disponiScelta();
    GuardiaDoppioClic::nuovaSchermata(Frame1);
    Frame1->hide();

    // The list maker, hidden until asked for.
    Frame5 = controllo(new QGroupBox(QStringLiteral("Creazione di nuovi files di liste parole"), area()),
                       QStringLiteral("Frame5"), 0, 0, LarghezzaProgetto, AltezzaProgetto);
    Frame5->setFont(carattere(QStringLiteral("Times New Roman"), 20.25, true));
    coloraSfondo(Frame5, QColor(192, 255, 192));
    const QFont fontTitoli = carattere(QStringLiteral("Arial"), 12, true);
    Label2 = controllo(new QLabel(QStringLiteral("Parole utilizzabili (immagini a disposizione)"), Frame5),
                       QStringLiteral("Label2"), 360, 660, 5400, 420);
    Label3 = controllo(new QLabel(QStringLiteral("Parole inserite nella lista"), Frame5), QStringLiteral("Label3"),
                       6210, 660, 5400, 420);
    const QFont fontListe = carattere(QStringLiteral("MS Sans Serif"), 13.5, true);
    List1 = controllo(new QListWidget(Frame5), QStringLiteral("List1"), 360, 1140, 5400, 4560);
    List2 = controllo(new QListWidget(Frame5), QStringLiteral("List2"), 6210, 1140, 5400, 4560);
    for (QLabel *l : {Label2, Label3})
        l->setFont(fontTitoli);
    for (QListWidget *l : {List1, List2}) {
        l->setFont(fontListe);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        // Thousands of words: every row is as tall as the first.
        l->setUniformItemSizes(true);
        l->installEventFilter(this);
        // Double taps are told here, with room for a finger that wanders.
        l->viewport()->installEventFilter(this);
    }
    Label4 = controllo(new QLabel(QStringLiteral("Per spostare le parole da una lista all'altra utilizzare il doppio "
                                                 "click oppure sfogliare la lista con le frecce e premere invio."),
                                  Frame5),
                       QStringLiteral("Label4"), 360, 5820, 11250, 720);
    Label4->setFont(carattere(QStringLiteral("Arial"), 12, false));
    Label4->setWordWrap(true);
    const QFont fontComandi = carattere(QStringLiteral("MS Sans Serif"), 18, true);
    Command4 = controllo(new QPushButton(QStringLiteral("Svuota lista"), Frame5), QStringLiteral("Command4"), 360, 6780,
                         3480, 900);
    Command5 = controllo(new QPushButton(QStringLiteral("Salva lista"), Frame5), QStringLiteral("Command5"), 4245, 6780,
                         3480, 900);
    Command3 = controllo(new QPushButton(QStringLiteral("Chiudi"), Frame5), QStringLiteral("Command3"), 8130, 6780,
                         3480, 900);
    for (QPushButton *b : {Command4, Command5, Command3}) {
        b->setFont(fontComandi);
        b->setCursor(Qt::PointingHandCursor);
    }
    connect(Command4, &QPushButton::clicked, this, &OPZIONI::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &OPZIONI::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &OPZIONI::Command3_Click);
    GuardiaDoppioClic::nuovaSchermata(Frame5);
    Frame5->hide();
}

void OPZIONI::Form_Activate()
{
    CheckVoce->setChecked(ctx.sessione.VoceAttivata);
    ImpostOpzioniSelezionate();
}

void OPZIONI::ImpostOpzioniSelezionate()
{
    Label1->setText(mostrabile(ctx.sessione.lista.FileInUso));
}

void OPZIONI::resizeEvent(QResizeEvent *event)
{
    Finestra::resizeEvent(event);
    // The scaling brings every control back to its design place: a frame on
    // show keeps covering the window, and the options keep their places.
    if (!Frame1->isHidden()) {
        Frame1->setGeometry(area()->rect());
        disponiScelta();
    }
    if (!Frame5->isHidden())
        Frame5->setGeometry(area()->rect());
}

void OPZIONI::mostraSopra(QGroupBox *frame)
{
    frame->setGeometry(area()->rect());
    frame->raise();
    // What lies beneath stays out of reach of the keyboard too.
    Frame4->setEnabled(false);
    Command3D1->setEnabled(false);
    CheckVoce->setEnabled(false);
    frame->show();
}

void OPZIONI::nascondi(QGroupBox *frame)
{
    frame->hide();
    Frame4->setEnabled(true);
    Command3D1->setEnabled(true);
    CheckVoce->setEnabled(true);
}

// The options fill the chooser, three columns of rows as tall as the frame
// allows, in one type size that fits the longest caption whole in its column:
// on a whiteboard each row takes a finger, at any screen size.
void OPZIONI::disponiScelta()
{
    const QRect r = Frame1->contentsRect();
    const int margine = std::max(4, r.width() / 50);
    const int titolo = QFontMetrics(Frame1->font()).height();
    const int alto = r.top() + titolo + margine / 2;
    const int larghezzaColonna = (r.width() - 2 * margine) / Colonne;
    const int altezzaRiga = std::max(1, (r.bottom() - alto - margine / 2) / OpzioniPerColonna);
    // The widest caption and the mark before it, with a gap before the next column.
    QFont f = Option1[0]->font();
    int pixel = std::max(8, altezzaRiga * 45 / 100);
    const auto larghezzaNecessaria = [&](int px) {
        f.setPixelSize(px);
        const QFontMetrics m(f);
        int larghezza = 0;
        for (const QRadioButton *o : Option1)
            larghezza = std::max(larghezza, m.horizontalAdvance(QString(o->text()).replace(QLatin1String("&&"),
                                                                                            QLatin1String("&"))));
        return larghezza + px * 2 + margine;
    };
    while (pixel > 8 && larghezzaNecessaria(pixel) > larghezzaColonna)
        --pixel;
    f.setPixelSize(pixel);
    const int lato = std::max(12, pixel);
    for (int i = 0; i < NumeroListePredefinite; ++i) {
        QRadioButton *o = Option1[static_cast<size_t>(i)];
        o->setFont(f);
        o->setStyleSheet(QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; }").arg(lato));
        o->setGeometry(r.left() + margine + (i / OpzioniPerColonna) * larghezzaColonna,
                       alto + (i % OpzioniPerColonna) * altezzaRiga, larghezzaColonna - margine, altezzaRiga);
    }
}

int OPZIONI::opzioneInUso() const
{
    const QFileInfo inUso(ctx.sessione.lista.FileInUso);
    const QString cartella = QDir::cleanPath(ctx.ambiente.cartellaListe());
    if (ctx.sessione.lista.FileInUso.isEmpty() || QDir::cleanPath(inUso.absolutePath()) != cartella)
        return -1;
    for (int i = 0; i < NumeroListePredefinite; ++i)
        if (inUso.fileName().compare(ListePredefinite()[static_cast<size_t>(i)].file, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void OPZIONI::Command6_Click()
{
    disponiScelta();
    const int inUso = opzioneInUso();
    // Marking from here loads nothing; the group only allows no mark while open.
    gruppoOpzioni_->setExclusive(false);
    for (int i = 0; i < NumeroListePredefinite; ++i) {
        QRadioButton *o = Option1[static_cast<size_t>(i)];
        // "QU & CQU" shows its ampersand rather than a shortcut.
        o->setText(QString(ListePredefinite()[static_cast<size_t>(i)].nome).replace(QLatin1Char('&'),
                                                                                          QLatin1String("&&")));
        o->setChecked(i == inUso);
    }
    gruppoOpzioni_->setExclusive(true);
    mostraSopra(Frame1);
    disponiScelta();
    Option1[static_cast<size_t>(inUso >= 0 ? inUso : 0)]->setFocus();
}

void OPZIONI::Option1_Click(int Index)
{
    const QString percorso = QDir(ctx.ambiente.cartellaListe()).filePath(ListePredefinite()[static_cast<size_t>(Index)].file);
    // Even when the file cannot be read the chooser closes: the list in use is still there.
    nascondi(Frame1);
    caricaLista(percorso);
}

void OPZIONI::Command1_Click()
{
    const QString percorso = ctx.dialoghi.apriFile(FiltroApri, ctx.ambiente.cartellaListe());
    if (percorso.isEmpty()) {
        ctx.dialoghi.avvisa(Dialoghi::Icona::Critica, MessaggioNessunaLista);
        return;
    }
    caricaLista(percorso);
}

void OPZIONI::caricaLista(const QString &percorso)
{
    const QFileInfo info(percorso);
    const LetturaLista lettura = LeggiListaParole(TrovaFile(info.absolutePath(), info.fileName()));
    if (!lettura.aperta) {
        ctx.dialoghi.avvisa(Dialoghi::Icona::Critica, messaggioApertura(percorso, lettura.errore));
        return;
    }
    ctx.sessione.lista.FileInUso = percorso;
    ctx.sessione.lista.imposta(lettura.parole);
    Label1->setText(mostrabile(percorso));
    // Said once, when the list is chosen: those words are never the one a
    // child has to find by its picture.
    const QStringList senza = ParoleDellaLista(ctx.sessione.lista, ctx.ambiente).senzaImmagine();
    if (!senza.isEmpty())
        ctx.dialoghi.avvisa(Dialoghi::Icona::Informazione, messaggioSenzaImmagine(senza));
}

void OPZIONI::Command2_Click()
{
    mostraSopra(Frame5);
    TrovaImmagini();
    // Ready for the arrows, with no word marked that the teacher did not pick.
    List1->setFocus();
    List1->setCurrentRow(-1);
}

void OPZIONI::Command3_Click()
{
    nascondi(Frame5);
    Command2->setFocus();
}

void OPZIONI::Command3D1_Click()
{
    navigazione.vai(this, IdFinestra::FormMenu);
}

void OPZIONI::richiestaChiusura()
{
    Command3D1_Click();
}

void OPZIONI::TrovaImmagini()
{
    List1->clear();
    List2->clear();
    List1->addItems(::TrovaImmagini(ctx.ambiente.cartellaImmagini()));
}

void OPZIONI::Command4_Click()
{
    TrovaImmagini();
}

void OPZIONI::sposta(QListWidget *da, QListWidget *a)
{
    const QList<QListWidgetItem *> scelte = da->selectedItems();
    if (scelte.isEmpty())
        return;
    const int riga = da->row(scelte.first());
    QListWidgetItem *voce = da->takeItem(riga);
    const OrdineAlfabetico ordine;
    const auto posto = ordine.posizione(a->count(), [a](qsizetype i) { return a->item(static_cast<int>(i))->text(); },
                                        voce->text());
    a->insertItem(static_cast<int>(posto), voce);
    voce->setSelected(false);
    a->scrollToItem(voce);
    // The arrows go on from where the word was, but nothing is marked: a
    // second Enter moves nothing the teacher did not pick.
    da->clearSelection();
    if (da->count() > 0)
        da->setCurrentRow(std::min(riga, da->count() - 1), QItemSelectionModel::NoUpdate);
}

bool OPZIONI::tastoScelta(int indice, QKeyEvent *tasto)
{
    const int ultima = NumeroListePredefinite - 1;
    int verso = -1;
    switch (tasto->key()) {
    case Qt::Key_Up: verso = indice - 1; break;
    case Qt::Key_Down: verso = indice + 1; break;
    case Qt::Key_Left: verso = indice - OpzioniPerColonna; break;
    case Qt::Key_Right: verso = indice + OpzioniPerColonna; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Option1_Click(indice);
        return true;
    case Qt::Key_Escape:
        nascondi(Frame1);
        Command6->setFocus();
        return true;
    default:
        return false;
    }
    // Moving the focus chooses nothing: only Enter, Space or a click do.
    Option1[static_cast<size_t>(std::clamp(verso, 0, ultima))]->setFocus(Qt::TabFocusReason);
    return true;
}

bool OPZIONI::doppioTocco(QListWidget *lista, QMouseEvent *evento)
{
    // A double tap on a whiteboard: the second tap lands a little off the first
    // and may come late for a mouse's double click. Any press that follows the
    // first on the same list soon enough and close enough takes the first tap's
    // word; Qt's own double click (it has judged the time already) too.
    const QPoint punto = evento->position().toPoint();
    const bool doppioQt = evento->type() == QEvent::MouseButtonDblClick;
    const int intervallo = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const int tolleranza = std::max(3 * QGuiApplication::styleHints()->startDragDistance(), 24);
    const bool secondo = tocco_.lista == lista && !tocco_.parola.isEmpty()
                         && (QLineF(tocco_.punto, punto).length() <= tolleranza)
                         && (doppioQt || evento->timestamp() - tocco_.tempo <= static_cast<quint64>(intervallo));
    if (!secondo) {
        const QListWidgetItem *toccata = lista->itemAt(punto);
        tocco_ = {lista, toccata ? toccata->text() : QString(), punto, evento->timestamp()};
        return false;
    }
    const QList<QListWidgetItem *> voci = lista->findItems(tocco_.parola, Qt::MatchExactly);
    tocco_ = {};
    if (voci.isEmpty())
        return true;
    lista->setCurrentItem(voci.first(), QItemSelectionModel::ClearAndSelect);
    sposta(lista, lista == List1 ? List2 : List1);
    return true;
}

bool OPZIONI::eventFilter(QObject *oggetto, QEvent *evento)
{
    if ((evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::MouseButtonDblClick)
        && static_cast<QMouseEvent *>(evento)->button() == Qt::LeftButton) {
        for (QListWidget *lista : {List1, List2})
            if (oggetto == lista->viewport())
                return doppioTocco(lista, static_cast<QMouseEvent *>(evento));
    }
    if (auto *o = qobject_cast<QRadioButton *>(oggetto); o && o->parentWidget() == Frame1) {
        // A radio button clicks itself on the arrows and on Space's release;
        // the chooser decides instead, on the press.
        if (evento->type() == QEvent::KeyPress && !static_cast<QKeyEvent *>(evento)->isAutoRepeat())
            return tastoScelta(o->property("Index").toInt(), static_cast<QKeyEvent *>(evento));
        if (evento->type() == QEvent::KeyRelease && static_cast<QKeyEvent *>(evento)->key() == Qt::Key_Space)
            return true;
    }
    if (evento->type() == QEvent::KeyRelease && (oggetto == List1 || oggetto == List2)) {
        const auto *tasto = static_cast<QKeyEvent *>(evento);
        if (!tasto->isAutoRepeat() && (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)) {
            if (oggetto == List1)
                sposta(List1, List2);
            else
                sposta(List2, List1);
            return true;
        }
    }
    return Finestra::eventFilter(oggetto, evento);
}

void OPZIONI::Command5_Click()
{
    if (List2->count() == 0) {
        ctx.dialoghi.messaggio(Dialoghi::Icona::Nessuna, TitoloProgramma, MessaggioListaVuota, Dialoghi::Pulsanti::Ok);
        return;
    }
    const QString scelto = ctx.dialoghi.salvaFile(FiltroSalva, ctx.ambiente.cartellaListe());
    if (scelto.isEmpty())
        return;
    const QString percorso = NomeFileLista(scelto);
    // ".txt" alone, or a folder: there is no name to give the file.
    if (QFileInfo(percorso).completeBaseName().trimmed().isEmpty() || QFileInfo(percorso).fileName().startsWith(QLatin1Char('.'))) {
        ctx.dialoghi.avvisa(Dialoghi::Icona::Esclamazione, MessaggioNomeMancante);
        return;
    }
    // Asked for hidden files too: nothing is overwritten unasked.
    if (QFileInfo(percorso).isFile()
        && ctx.dialoghi.messaggio(Dialoghi::Icona::Critica, TitoloProgramma, DomandaSovrascrivi,
                                  Dialoghi::Pulsanti::SiNo)
               != Dialoghi::Risposta::Si)
        return;
    QStringList parole;
    parole.reserve(List2->count());
    for (int i = 0; i < List2->count(); ++i)
        parole.append(List2->item(i)->text());
    QString errore;
    if (!SalvaFile(percorso, parole, &errore)) {
        ctx.dialoghi.avvisa(Dialoghi::Icona::Critica, messaggioSalvataggio(percorso, errore));
        return;
    }
    // The words in memory stay those of the list loaded before; the saved
    // file is the one the next start loads.
    ctx.sessione.lista.FileInUso = percorso;
}
