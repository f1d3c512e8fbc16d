#include "windows/browse/formvedi3.h"

#include "core/carattere.h"
#include "core/colori.h"
#include "core/estrazione.h"
#include "core/paroleliste.h"
#include "core/sessione.h"
#include "core/voce.h"
#include "windows/browse/listaordinata.h"
#include "windows/navigazione.h"
#include "windows/icone.h"
#include "windows/pulsanteicona.h"
#include "windows/riquadroimmagine.h"
#include "windows/toccolista.h"

#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QFontMetrics>

#include <algorithm>

namespace {
// A red check mark, drawn so it stays sharp at any button size.
QPixmap segnoDiSpunta(int lato)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // The dark edge is 20 wide, so every point of the path keeps 10 from the
    // border: the round ends and the corner are drawn whole.
    const double s = lato / 100.0;
    QPainterPath segno;
    segno.moveTo(14 * s, 54 * s);
    segno.lineTo(40 * s, 78 * s);
    segno.lineTo(86 * s, 20 * s);
    p.setPen(QPen(QColor(120, 0, 0), 20 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(segno);
    p.setPen(QPen(QColor(230, 20, 20), 14 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(segno);
    return pm;
}
} // namespace

FormVedi3::FormVedi3(const Attivita &a, const Contesto &c, Navigazione &n) : Finestra(a, c, n)
{
    // The menu bar first: the window's height counts it.
    aggiungiInformazioniEsci(QStringLiteral("mnuInforma"), 11);

    impostaAreaProgetto(8475, 7200);

    Image1 = controllo(new RiquadroImmagine(area()), QStringLiteral("Image1"), 1800, 1080, 3885, 3480);
    // A tap on the picture shown says its word again.
    connect(Image1, &RiquadroImmagine::clicked, this,
            [this] { LeggiParola(ctx.sessione, ctx.ambiente, ctx.suoni, mostrata_); });

    List1 = controllo(new ListaOrdinata(area()), QStringLiteral("List1"), 120, 5400, 5895, 720);
    List1->setFont(carattere(QStringLiteral("Arial"), 27.75, true));
    // A finger swipes through the words, taps one, or taps twice to see its picture.
    connect(new ToccoLista(List1), &ToccoLista::doppioTocco, this, &FormVedi3::Command1_Click);

    Command1 = controllo(new PulsanteIcona(QString(), QIcon(segnoDiSpunta(128)), area()), QStringLiteral("Command1"),
                         6360, 5280, 1695, 975);
    Command1->setCursor(icone::cursoreFreccia());
    Command1->setAccessibleName(QStringLiteral("Mostra l'immagine"));
    connect(Command1, &QPushButton::clicked, this, &FormVedi3::Command1_Click);
}

void FormVedi3::Form_Activate()
{
    mostrata_.clear();
    Image1->CaricaFile(QString());
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));

    List1->clear();
    QFont f = List1->font();
    f.setFamily(FontParola(ctx.sessione.Carattere));
    List1->setFont(f);
    // Each word once, whatever its letter case; a line with no word is no word to choose.
    const ListaInUso &s = ctx.sessione.lista;
    QSet<QString> viste;
    for (int i = 1; i <= s.NumeroParole(); ++i) {
        const QString chiave = ChiaveParola(s.Parole(i));
        if (chiave.isEmpty() || viste.contains(chiave))
            continue;
        viste.insert(chiave);
        List1->AddItem(s.Parole(i));
    }
    // With the focus in the list its first word would look chosen while nothing is.
    Command1->setFocus();
    righeIntere();
}

void FormVedi3::resizeEvent(QResizeEvent *event)
{
    Finestra::resizeEvent(event);
    if (List1) {
        scatola_ = List1->geometry();
        righeIntere();
    }
}

void FormVedi3::righeIntere()
{
    const QRect progetto = scatola_.isValid() ? scatola_ : List1->geometry();
    const int bordo = 2 * List1->frameWidth();
    const int riga = List1->count() > 0 ? List1->sizeHintForRow(0) : QFontMetrics(List1->font()).height() + 2;
    if (riga <= 0)
        return;
    // At least the room of the scroll bar's two arrows and its slider, each as
    // big as a finger: a list one row high would squeeze them smaller, so it
    // grows past its design box (there is room above and below it).
    const int perLaBarra = (3 * ToccoLista::latoDito() + riga - 1) / riga;
    const int righe = std::max({1, perLaBarra, (progetto.height() - bordo) / riga});
    const int altezza = righe * riga + bordo;
    List1->setGeometry(progetto.x(), progetto.y() + (progetto.height() - altezza) / 2, progetto.width(), altezza);
}

void FormVedi3::CaricaImmagine()
{
    mostrata_ = List1->Text();
    Image1->CaricaFile(PercorsoImmagine(ctx.ambiente, mostrata_));
    LeggiParola(ctx.sessione, ctx.ambiente, ctx.suoni, mostrata_);
}

void FormVedi3::Command1_Click()
{
    if (!List1->Text().isEmpty())
        CaricaImmagine();
}
