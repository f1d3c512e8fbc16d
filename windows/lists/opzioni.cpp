#include "windows/lists/opzioni.h"

#include "core/dialoghi.h"
#include "core/estrazione.h"
#include "core/paroleliste.h"
#include "core/classe.h"
#include "core/insegnante.h"
#include "core/sessione.h"
#include "windows/guardiadoppioclic.h"
#include "windows/lists/crealista.h"
#include "windows/lists/editorclasse.h"
#include "windows/lists/interruttore.h"
#include "windows/lists/sceltaliste.h"
#include "windows/lists/segnalestop.h"
#include "windows/navigazione.h"
#include "windows/pulsanteicona.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString mostrabile(const QString &percorso)
{
    return QDir::toNativeSeparators(percorso);
}

// Design client area, in twips.
constexpr int LarghezzaProgetto = 11970;
constexpr int AltezzaProgetto = 8145;

// The path of the list in use: its text can be selected and copied, but a
// press on a selection and a move start a new selection, never a drag of the
// text: nobody needs to carry the path away, and a drag waits for a release
// that a lost touch never sends.
class EtichettaPercorso : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent *evento) override
    {
        if (hasSelectedText())
            setSelection(0, 0);
        QLabel::mousePressEvent(evento);
    }
};

} // namespace

const QString OPZIONI::MessaggioNessunaLista = QStringLiteral("Non hai scelto nessuna lista!");
const QString OPZIONI::FiltroApri = QStringLiteral("*.TXT (*.txt)");

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

OPZIONI::OPZIONI(const Attivita &a, const Contesto &c, Navigazione &n) : Finestra(a, c, n)
{
    setWindowTitle(QStringLiteral("Lettoria 2 - Liste di parole"));
    impostaAreaProgetto(LarghezzaProgetto, AltezzaProgetto);
    impostaColoreSfondo(0x80FFFF);

    // The list in use and the three ways to change it.
    Frame4 = controllo(new QGroupBox(QStringLiteral("File in uso"), area()), QStringLiteral("Frame4"), 360, 240, 11250,
                       4800);
    Frame4->setFont(carattere(QStringLiteral("Times New Roman"), 18, true));
    Label1 = controllo(new EtichettaPercorso(Frame4), QStringLiteral("Label1"), 240, 720, 10770, 600);
    Label1->setFont(carattere(QStringLiteral("Arial"), 12, false));
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setAutoFillBackground(true);
    QPalette bianco = Label1->palette();
    bianco.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(bianco);
    const QFont fontPulsanti = carattere(QStringLiteral("Arial"), 14.25, true);
    const struct
    {
        QPushButton **pulsante;
        const char *nome;
        const char *testo;
        int top;
        void (OPZIONI::*clic)();
    } pulsanti[] = {
        {&Command6, "Command6", "Apri un archivio tra i predefiniti", 1680, &OPZIONI::Command6_Click},
        {&Command1, "Command1", "Apri un archivio personalizzato", 2640, &OPZIONI::Command1_Click},
        {&Command2, "Command2", "Crea altri files con liste parole", 3600, &OPZIONI::Command2_Click},
    };
    for (const auto &p : pulsanti) {
        *p.pulsante = controllo(new QPushButton(QString::fromUtf8(p.testo), Frame4), QString::fromLatin1(p.nome), 1440,
                                p.top, 8370, 780);
        (*p.pulsante)->setFont(fontPulsanti);
        (*p.pulsante)->setCursor(Qt::PointingHandCursor);
        connect(*p.pulsante, &QPushButton::clicked, this, p.clic);
    }

    Command3D1 = controllo(new PulsanteIcona(QStringLiteral("Esci"), IconaStop(), area()), QStringLiteral("Command3D1"),
                           4050, 5520, 3870, 1560);
    Command3D1->setFont(carattere(QStringLiteral("Arial"), 24, false));
    connect(Command3D1, &QPushButton::clicked, this, &OPZIONI::Command3D1_Click);

    CheckVoce = controllo(new Interruttore(QStringLiteral("Leggi le parole ad alta voce"), ctx.sessione.VoceAttivata, area()),
                          QStringLiteral("CheckVoce"), 360, 7260, 7200, 600);
    // The practice that comes back to missed words matters only with a class.
    CheckRipasso = controllo(new Interruttore(QStringLiteral("Ripassa le parole sbagliate"), ctx.sessione.RipassoAttivo, area()),
                             QStringLiteral("CheckRipasso"), 360, 6360, 3600, 600);
    CheckRipasso->setVisible(!LeggiClasse(ctx.ambiente.fileClasse()).bambini.isEmpty());

    CommandRisultati = controllo(new QPushButton(QStringLiteral("Risultati dei bambini"), area()),
                                 QStringLiteral("CommandRisultati"), 8070, 5520, 3540, 720);
    CommandClasse = controllo(new QPushButton(QStringLiteral("Bambini della classe"), area()),
                              QStringLiteral("CommandClasse"), 8070, 6360, 3540, 720);
    for (QPushButton *p : {CommandRisultati, CommandClasse}) {
        p->setFont(carattere(QStringLiteral("Arial"), 12, true));
        p->setCursor(Qt::PointingHandCursor);
    }
    connect(CommandRisultati, &QPushButton::clicked, this, [this] {
        if (ctx.insegnante.adulto())
            ctx.insegnante.risultati();
    });
    connect(CommandClasse, &QPushButton::clicked, this, &OPZIONI::CommandClasse_Click);

    // The chooser of predefined lists and the list maker, hidden until asked
    // for; each covers the window, so each is a new screen for a double click.
    Frame1 = controllo(new SceltaListe(area()), QStringLiteral("Frame1"), 0, 0, LarghezzaProgetto, AltezzaProgetto);
    Frame1->disponi();
    connect(Frame1, &SceltaListe::scelta, this, &OPZIONI::Option1_Click);
    connect(Frame1, &SceltaListe::annullata, this, [this] {
        nascondi(Frame1);
        Command6->setFocus();
    });
    Frame5 = controllo(new CreaLista(ctx.ambiente, ctx.dialoghi, area()), QStringLiteral("Frame5"), 0, 0,
                       LarghezzaProgetto, AltezzaProgetto);
    connect(Frame5, &CreaLista::chiusa, this, &OPZIONI::Command3_Click);
    connect(Frame5, &CreaLista::salvata, this, &OPZIONI::listaSalvata);
    for (QGroupBox *frame : {static_cast<QGroupBox *>(Frame1), static_cast<QGroupBox *>(Frame5)}) {
        GuardiaDoppioClic::nuovaSchermata(frame);
        frame->hide();
    }
}

void OPZIONI::CommandClasse_Click()
{
    if (editorClasse || !ctx.insegnante.adulto())
        return;
    EditorClasse::Archivio archivio;
    archivio.cancella = [this](const QString &b) { return ctx.insegnante.cancellaRisposte(b); };
    archivio.rinomina = [this](const QString &v, const QString &n) { return ctx.insegnante.rinominaRisposte(v, n); };
    archivio.salvata = [this](const QList<Bambino> &classe) { ctx.insegnante.classeCambiata(classe); };
    editorClasse = new EditorClasse(ctx.ambiente, ctx.dialoghi, archivio, this);
    editorClasse->setWindowFlag(Qt::Window); // a screen of its own, gone with this window
    editorClasse->setAttribute(Qt::WA_DeleteOnClose);
    editorClasse->setWindowTitle(QStringLiteral("Lettoria 2 - Bambini della classe"));
    connect(editorClasse, &EditorClasse::chiuso, this, [this] {
        // The practice switch follows the class: shown while it names children.
        CheckRipasso->setVisible(!LeggiClasse(ctx.ambiente.fileClasse()).bambini.isEmpty());
    });
    editorClasse->showFullScreen();
}

void OPZIONI::Form_Activate()
{
    CheckVoce->aggiorna();
    CheckRipasso->aggiorna();
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
        Frame1->disponi();
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
    QStringList titoli;
    for (int i = 0; i < NumeroListePredefinite; ++i)
        titoli.append(ListePredefinite()[static_cast<size_t>(i)].nome);
    const int inUso = opzioneInUso();
    Frame1->apri(titoli, inUso);
    mostraSopra(Frame1);
    Frame1->disponi();
    Frame1->Option1[static_cast<size_t>(inUso >= 0 ? inUso : 0)]->setFocus();
}

void OPZIONI::Option1_Click(int Index)
{
    const QString percorso =
        QDir(ctx.ambiente.cartellaListe()).filePath(ListePredefinite()[static_cast<size_t>(Index)].file);
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
    inUso(percorso, lettura.parole);
    // Said once, when the list is chosen: those words are never the one a
    // child has to find by its picture.
    const QStringList senza = ParoleDellaLista(ctx.sessione.lista, ctx.ambiente).senzaImmagine();
    if (!senza.isEmpty())
        ctx.dialoghi.avvisa(Dialoghi::Icona::Informazione, messaggioSenzaImmagine(senza));
}

void OPZIONI::inUso(const QString &percorso, const QStringList &parole)
{
    ctx.sessione.lista.FileInUso = percorso;
    ctx.sessione.lista.imposta(parole);
    Label1->setText(mostrabile(percorso));
}

void OPZIONI::listaSalvata(const QString &percorso, const QStringList &parole)
{
    // The saved file is named as the list in use, so its words are the ones in
    // use now, not only from the next start. Every word has its picture.
    inUso(percorso, parole);
}

void OPZIONI::Command2_Click()
{
    mostraSopra(Frame5);
    Frame5->ricomincia();
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
