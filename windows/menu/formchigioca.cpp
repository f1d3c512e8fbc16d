#include "windows/menu/formchigioca.h"

#include "core/colori.h"
#include "core/dialoghi.h"
#include "core/paroleliste.h"
#include "core/risposte.h"
#include "core/sessione.h"
#include "windows/navigazione.h"
#include "windows/pulsanteicona.h"

#include <QLabel>
#include <QPixmap>


namespace {
constexpr int Larghezza = 11970;
constexpr int Altezza = 8145;
constexpr int InizioPulsanti = 1500; // below the title
} // namespace

FormChiGioca::FormChiGioca(const Attivita &a, const Contesto &c, Navigazione &n) : Finestra(a, c, n)
{
    impostaAreaProgetto(Larghezza, Altezza);
    Titolo = controllo(new QLabel(QStringLiteral("Chi gioca?"), area()), QStringLiteral("Titolo"), 600, 240, 10770, 1080);
    Titolo->setAlignment(Qt::AlignCenter);
    Titolo->setFont(carattere(QStringLiteral("Comic Sans MS"), 40, true));

    const QFont font = carattere(QStringLiteral("Arial"), 16, true);
    int i = 0;
    for (const Bambino &b : std::as_const(ctx.sessione.classe)) {
        const QString immagine = b.segno.isEmpty() ? QString() : PercorsoImmagine(ctx.ambiente, b.segno);
        const QIcon segno = FileEsiste(immagine) ? QIcon(QPixmap(immagine)) : QIcon();
        auto *p = new PulsanteIcona(b.nome, segno, area());
        p->setObjectName(QStringLiteral("Bambino_%1").arg(i++));
        p->setAccessibleName(b.nome);
        p->setFont(font);
        const QString nome = b.nome;
        connect(p, &QPushButton::clicked, this, [this, nome] { scegli(nome); });
        Bambini.append(p);
    }
    Ospite = new PulsanteIcona(QStringLiteral("Ospite"), QIcon(), area());
    Ospite->setObjectName(QStringLiteral("Ospite"));
    Ospite->setAccessibleName(QStringLiteral("Ospite"));
    Ospite->setFont(font);
    connect(Ospite, &QPushButton::clicked, this, [this] { scegli(QString()); });
    disponi();
}

void FormChiGioca::disponi()
{
    // Every child at once, in as few columns as leave each row a finger's
    // height (wide buttons keep a name and its picture whole), six at most;
    // rows share the height left under the title.
    QList<QPushButton *> tutti = Bambini;
    tutti.append(Ospite);
    const int n = static_cast<int>(tutti.size());
    const int spazio = 120;
    const int libera = Altezza - InizioPulsanti - 240;
    int colonne = 2;
    while (colonne < 6) {
        const int r = (n + colonne - 1) / colonne;
        if ((libera - (r - 1) * spazio) / r >= 750)
            break;
        ++colonne;
    }
    const int righe = (n + colonne - 1) / colonne;
    const int larghezza = (Larghezza - 2 * 600 - (colonne - 1) * spazio) / colonne;
    const int altezza = std::min(1200, (libera - (righe - 1) * spazio) / righe);
    for (int k = 0; k < n; ++k) {
        const int x = 600 + (k % colonne) * (larghezza + spazio);
        const int y = InizioPulsanti + (k / colonne) * (altezza + spazio);
        tutti[k]->setGeometry(twip(x, y, larghezza, altezza));
    }
}

void FormChiGioca::Form_Load()
{
    impostaColoreSfondo(ColoreCasuale(ctx.casuale));
    ScriviSulloSfondo(Titolo, palette().color(QPalette::Window));
}

void FormChiGioca::scegli(const QString &bambino)
{
    // One child for one tap: a second tap before the menu is up picks nobody else.
    if (scelto_)
        return;
    scelto_ = true;
    ctx.sessione.bambino = bambino;
    ctx.sessione.ripasso.svuota();
    if (!bambino.isEmpty())
        ctx.sessione.ripasso.imposta(ctx.risposte.caselle(bambino));
    navigazione.vai(this, IdFinestra::FormMenu);
}
