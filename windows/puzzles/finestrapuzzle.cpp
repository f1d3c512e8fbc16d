#include "windows/puzzles/finestrapuzzle.h"

#include "core/casuale.h"
#include "core/estrazione.h"
#include "core/paroleliste.h"
#include "core/sessione.h"
#include "windows/puzzles/giocopuzzle.h"
#include "windows/puzzles/modellopuzzle.h"

#include <QImageReader>
#include <QMenu>
#include <QMenuBar>

namespace {
// Larger pictures are read at this size at most: more than a screen needs.
constexpr int LatoMassimoImmagine = 1600;

const char *const Livelli[FinestraPuzzle::NumeroLivelli] = {
    "molto facile", "facile", "impegnativo", "difficile", "difficilissimo",
};
} // namespace

FinestraPuzzle::Griglia FinestraPuzzle::griglia(bool scambio, int Index)
{
    static constexpr Griglia Scambio[NumeroLivelli] = {{2, 2}, {3, 2}, {3, 3}, {4, 4}, {4, 5}};
    static constexpr Griglia Scivolamento[NumeroLivelli] = {{2, 2}, {3, 2}, {4, 3}, {4, 4}, {4, 5}};
    const int i = std::clamp(Index, 0, NumeroLivelli - 1);
    return scambio ? Scambio[i] : Scivolamento[i];
}

FinestraPuzzle::FinestraPuzzle(const Attivita &attivita, const Contesto &c, Navigazione &n, const Progetto &progetto)
    : Finestra(attivita, c, n), scambio_(progetto.scambio)
{
    QMenuBar *barra = barraMenu();
    mnuancora = barra->addAction(QStringLiteral("Gioca ancora     "));
    mnuancora->setObjectName(QStringLiteral("mnuancora"));
    connect(mnuancora, &QAction::triggered, this, &FinestraPuzzle::mnuancora_Click);

    mnuLivello = barra->addMenu(QString::fromUtf8("Difficoltà       "));
    mnuLivello->setObjectName(QStringLiteral("mnuLivello"));
    mnuLivello->setFont(barra->font());
    for (int i = 0; i < NumeroLivelli; ++i) {
        QAction *a = mnuLivello->addAction(QString::fromUtf8(Livelli[i]));
        a->setObjectName(QStringLiteral("m1_%1").arg(i));
        a->setProperty("Index", i);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] { m1_Click(i); });
        m1[static_cast<size_t>(i)] = a;
    }
    m1[2]->setChecked(true);

    aggiungiInformazioniEsci(QStringLiteral("Informazioni"), progetto.spaziInformazioni);

    impostaAreaProgetto(progetto.larghezza, progetto.altezza);
    impostaColoreSfondo(0x0000C0);

    GiocoPuzzle1 = controllo(new GiocoPuzzle(ctx.casuale, area()), QStringLiteral("GiocoPuzzle1"), 120, 120, 5040, 7065);
    GiocoPuzzle1->setRighe(3);
    GiocoPuzzle1->setColonne(3);
    GiocoPuzzle1->setSpessorelinea(2);
    GiocoPuzzle1->setPuzzleascambio(progetto.scambio);
    // A puzzle put together is the child's answer: the word it shows, found.
    connect(GiocoPuzzle1, &GiocoPuzzle::completato, this, [this] {
        const QString parola = ctx.sessione.lista.Parole(Estratto);
        registraRisposta(parola, parola, true);
    });

    // The model fills the free half of the window, centred in it.
    const int liberoSinistra = 120 + 5040 + 120;
    const int libero = progetto.larghezza - liberoSinistra - 120;
    const int lato = std::min(4200, libero);
    ImmagineModello = controllo(new ModelloPuzzle(area()), QStringLiteral("ImmagineModello"),
                                liberoSinistra + (libero - lato) / 2, (progetto.altezza - lato) / 2, lato, lato);
}

FinestraPuzzle::~FinestraPuzzle() = default;

QImage FinestraPuzzle::immagineParola(const QString &parola) const
{
    QImageReader lettore(PercorsoImmagine(ctx.ambiente, parola));
    lettore.setAutoTransform(true);
    const QSize originale = lettore.size();
    if (originale.isValid() && std::max(originale.width(), originale.height()) > LatoMassimoImmagine)
        lettore.setScaledSize(originale.scaled(LatoMassimoImmagine, LatoMassimoImmagine, Qt::KeepAspectRatio));
    const QImage img = lettore.read();
    // A word without a readable picture still gets a puzzle: its own name in colours.
    return img.isNull() ? ImmagineSostitutiva(parola) : img;
}

void FinestraPuzzle::estraiImmagine()
{
    if (!parole_ || parole_->numeroParole() != ctx.sessione.lista.NumeroParole())
        parole_ = std::make_unique<ParoleDellaLista>(ctx.sessione.lista, ctx.ambiente);
    // Never a blank word; a word with a picture whenever the list has one.
    const QList<int> estratte = EstraiParole(ctx.casuale, *parole_, 1, parole_->diverseConImmagine() > 0);
    if (!estratte.isEmpty()) {
        Estratto = static_cast<qint16>(estratte.front());
        GiocoPuzzle1->setPicture(immagineParola(ctx.sessione.lista.Parole(Estratto)));
    } else {
        // Nothing in the list to show: a puzzle all the same, without a name.
        const int n = ctx.sessione.lista.NumeroParole();
        Estratto = n < 1 ? qint16(0) : static_cast<qint16>(ctx.casuale.posizione(n));
        GiocoPuzzle1->setPicture(ImmagineSostitutiva(QString()));
    }
    ImmagineModello->setImmagine(GiocoPuzzle1->picture());
}

void FinestraPuzzle::Form_Load()
{
    // Looked over afresh at each opening: the list does not change while a puzzle is open.
    parole_ = std::make_unique<ParoleDellaLista>(ctx.sessione.lista, ctx.ambiente);
    estraiImmagine();
    GiocoPuzzle1->Mischia();
    itemMostrato();
}

void FinestraPuzzle::Form_Activate()
{
    m1_Click(2);
}

void FinestraPuzzle::m1_Click(int Index)
{
    if (Index < 0 || Index >= NumeroLivelli)
        return;
    for (QAction *a : m1)
        a->setChecked(false);
    m1[static_cast<size_t>(Index)]->setChecked(true);
    const Griglia g = griglia(scambio_, Index);
    GiocoPuzzle1->setRighe(g.righe);
    GiocoPuzzle1->setColonne(g.colonne);
    GiocoPuzzle1->Mischia();
    itemMostrato();
}

void FinestraPuzzle::mnuancora_Click()
{
    estraiImmagine();
    GiocoPuzzle1->Mischia();
    GiocoPuzzle1->Mischia();
    itemMostrato();
}
