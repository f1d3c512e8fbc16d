#include "windows/lists/crealista.h"

#include "core/dialoghi.h"
#include "windows/finestra.h"
#include "windows/toccolista.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>

const QString CreaLista::MessaggioListaVuota =
    QStringLiteral("Devi inserire almeno alcune parole nalla lista prima di salvarla.");
const QString CreaLista::DomandaSovrascrivi = QStringLiteral("Un file con questo nome esiste già. Sovrascriverlo?");
const QString CreaLista::MessaggioNomeMancante = QStringLiteral("Scrivi un nome per la lista prima di salvarla.");
const QString CreaLista::FiltroSalva = QStringLiteral("Files di testo (*.txt)");

QString CreaLista::messaggioSalvataggio(const QString &percorso, const QString &motivo)
{
    return QStringLiteral("Non è stato possibile salvare la lista:\n%1\n%2")
        .arg(QDir::toNativeSeparators(percorso), motivo);
}

namespace {
template <typename W>
W *posto(W *w, const char *nome, int left, int top, int width, int height)
{
    w->setObjectName(QString::fromLatin1(nome));
    w->setGeometry(Finestra::twip(left, top, width, height));
    return w;
}
} // namespace

CreaLista::CreaLista(const Ambiente &ambiente, Dialoghi &dialoghi, QWidget *parent)
    : QGroupBox(QStringLiteral("Creazione di nuovi files di liste parole"), parent), ambiente_(ambiente),
      dialoghi_(dialoghi)
{
    setFont(Finestra::carattere(QStringLiteral("Times New Roman"), 20.25, true));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(p);

    const QFont fontTitoli = Finestra::carattere(QStringLiteral("Arial"), 12, true);
    Label2 = posto(new QLabel(QStringLiteral("Parole utilizzabili (immagini a disposizione)"), this), "Label2", 360, 660,
                   5400, 420);
    Label3 = posto(new QLabel(QStringLiteral("Parole inserite nella lista"), this), "Label3", 6210, 660, 5400, 420);
    for (QLabel *l : {Label2, Label3})
        l->setFont(fontTitoli);
    const QFont fontListe = Finestra::carattere(QStringLiteral("MS Sans Serif"), 13.5, true);
    List1 = posto(new QListView(this), "List1", 360, 1140, 5400, 4560);
    List2 = posto(new QListView(this), "List2", 6210, 1140, 5400, 4560);
    List1->setModel(modello_.elenco(ListaInPreparazione::Lato::Disponibili));
    List2->setModel(modello_.elenco(ListaInPreparazione::Lato::Scelte));
    for (QListView *l : {List1, List2}) {
        l->setFont(fontListe);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // Thousands of words: every row is as tall as the first.
        l->setUniformItemSizes(true);
        l->installEventFilter(this);
        connect(new ToccoLista(l, true), &ToccoLista::doppioTocco, this, [this, l] { sposta(l); });
    }
    Label4 = posto(new QLabel(QStringLiteral("Per spostare le parole da una lista all'altra utilizzare il doppio "
                                             "click oppure sfogliare la lista con le frecce e premere invio."),
                              this),
                   "Label4", 360, 5820, 11250, 720);
    Label4->setFont(Finestra::carattere(QStringLiteral("Arial"), 12, false));
    Label4->setWordWrap(true);
    const QFont fontComandi = Finestra::carattere(QStringLiteral("MS Sans Serif"), 18, true);
    Command4 = posto(new QPushButton(QStringLiteral("Svuota lista"), this), "Command4", 360, 6780, 3480, 900);
    Command5 = posto(new QPushButton(QStringLiteral("Salva lista"), this), "Command5", 4245, 6780, 3480, 900);
    Command3 = posto(new QPushButton(QStringLiteral("Chiudi"), this), "Command3", 8130, 6780, 3480, 900);
    for (QPushButton *b : {Command4, Command5, Command3}) {
        b->setFont(fontComandi);
        b->setCursor(Qt::PointingHandCursor);
    }
    connect(Command4, &QPushButton::clicked, this, &CreaLista::ricomincia);
    connect(Command5, &QPushButton::clicked, this, &CreaLista::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &CreaLista::chiusa);
}

void CreaLista::ricomincia()
{
    modello_.ricomincia(TrovaImmagini(ambiente_.cartellaImmagini()));
    // Ready for the arrows, with no word marked that the teacher did not pick.
    List1->setFocus();
    List1->setCurrentIndex({});
    List1->clearSelection();
}

void CreaLista::sposta(QListView *da)
{
    const QModelIndexList scelte = da->selectionModel()->selectedIndexes();
    if (scelte.isEmpty())
        return;
    const int riga = scelte.first().row();
    const auto lato = da == List1 ? ListaInPreparazione::Lato::Disponibili : ListaInPreparazione::Lato::Scelte;
    QListView *a = da == List1 ? List2 : List1;
    const int arrivo = modello_.sposta(lato, riga);
    if (arrivo < 0)
        return;
    a->scrollTo(a->model()->index(arrivo, 0));
    // The arrows go on from where the word was, but nothing is marked: a
    // second Enter moves nothing the teacher did not pick.
    da->clearSelection();
    const int rimaste = da->model()->rowCount();
    if (rimaste > 0)
        da->selectionModel()->setCurrentIndex(da->model()->index(std::min(riga, rimaste - 1), 0),
                                              QItemSelectionModel::NoUpdate);
}

bool CreaLista::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (evento->type() == QEvent::KeyRelease && (oggetto == List1 || oggetto == List2)) {
        const auto *tasto = static_cast<QKeyEvent *>(evento);
        if (!tasto->isAutoRepeat() && (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)) {
            sposta(static_cast<QListView *>(oggetto));
            return true;
        }
    }
    return QGroupBox::eventFilter(oggetto, evento);
}

void CreaLista::Command5_Click()
{
    const QStringList parole = modello_.parole(ListaInPreparazione::Lato::Scelte);
    if (parole.isEmpty()) {
        dialoghi_.messaggio(Dialoghi::Icona::Nessuna, TitoloProgramma, MessaggioListaVuota, Dialoghi::Pulsanti::Ok);
        return;
    }
    const QString scelto = dialoghi_.salvaFile(FiltroSalva, ambiente_.cartellaListe());
    if (scelto.isEmpty())
        return;
    const QString percorso = ListaInPreparazione::fileDaSalvare(scelto);
    if (percorso.isEmpty()) {
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione, MessaggioNomeMancante);
        return;
    }
    // Asked for hidden files too: nothing is overwritten unasked.
    if (QFileInfo(percorso).isFile()
        && dialoghi_.messaggio(Dialoghi::Icona::Critica, TitoloProgramma, DomandaSovrascrivi, Dialoghi::Pulsanti::SiNo)
               != Dialoghi::Risposta::Si)
        return;
    QString errore;
    if (!modello_.salva(percorso, &errore)) {
        dialoghi_.avvisa(Dialoghi::Icona::Critica, messaggioSalvataggio(percorso, errore));
        return;
    }
    emit salvata(percorso, parole);
}
