#include "windows/lists/editorclasse.h"

#include "core/ambiente.h"
#include "core/dialoghi.h"
#include "core/paroleliste.h"
#include "windows/finestra.h"
#include "windows/toccolista.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
const QString Nessuna = QStringLiteral("(nessuna immagine)");
}

EditorClasse::EditorClasse(const Ambiente &ambiente, Dialoghi &dialoghi, Archivio archivio, QWidget *parent)
    : QWidget(parent), ambiente_(ambiente), dialoghi_(dialoghi), archivio_(std::move(archivio))
{
    setObjectName(QStringLiteral("EditorClasse"));
    const double f = Finestra::fattoreSchermo();
    QFont testo = font();
    testo.setPointSizeF(16 * f);
    testo.setBold(true);
    setFont(testo);

    Titolo = new QLabel(QStringLiteral("Bambini della classe"), this);
    Titolo->setObjectName(QStringLiteral("Titolo"));
    QFont grande = testo;
    grande.setPointSizeF(24 * f);
    Titolo->setFont(grande);
    Elenco = new QListWidget(this);
    Elenco->setObjectName(QStringLiteral("Elenco"));
    Elenco->setIconSize(QSize(int(40 * f), int(40 * f)));
    new ToccoLista(Elenco, true); // a swipe scrolls, a tap chooses; finger-sized rows and bars
    Nome = new QLineEdit(this);
    Nome->setObjectName(QStringLiteral("Nome"));
    Nome->setMaxLength(MassimoLunghezzaNome);
    Nome->setPlaceholderText(QStringLiteral("Nome del bambino"));
    Segno = new QComboBox(this);
    Segno->setObjectName(QStringLiteral("Segno"));
    Segno->addItem(Nessuna);
    const QStringList immagini = QDir(ambiente.cartellaImmagini()).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    for (const QString &file : immagini)
        Segno->addItem(QFileInfo(file).completeBaseName());
    const auto pulsante = [&](const QString &testo, const QString &nome) {
        auto *p = new QPushButton(testo, this);
        p->setObjectName(nome);
        p->setMinimumHeight(int(56 * f));
        return p;
    };
    Aggiungi = pulsante(QStringLiteral("Aggiungi"), QStringLiteral("Aggiungi"));
    Rinomina = pulsante(QStringLiteral("Rinomina"), QStringLiteral("Rinomina"));
    Togli = pulsante(QStringLiteral("Togli"), QStringLiteral("Togli"));
    Chiudi = pulsante(QStringLiteral("Chiudi"), QStringLiteral("Chiudi"));
    for (QWidget *w : {static_cast<QWidget *>(Nome), static_cast<QWidget *>(Segno)})
        w->setMinimumHeight(int(56 * f));

    auto *griglia = new QGridLayout(this);
    griglia->setContentsMargins(int(24 * f), int(24 * f), int(24 * f), int(24 * f));
    griglia->setSpacing(int(12 * f));
    griglia->addWidget(Titolo, 0, 0, 1, 3);
    griglia->addWidget(Elenco, 1, 0, 6, 1);
    griglia->addWidget(new QLabel(QStringLiteral("Nome:"), this), 1, 1);
    griglia->addWidget(Nome, 1, 2);
    griglia->addWidget(new QLabel(QStringLiteral("Immagine:"), this), 2, 1);
    griglia->addWidget(Segno, 2, 2);
    griglia->addWidget(Aggiungi, 3, 1, 1, 2);
    griglia->addWidget(Rinomina, 4, 1, 1, 2);
    griglia->addWidget(Togli, 5, 1, 1, 2);
    griglia->addWidget(Chiudi, 6, 1, 1, 2);
    griglia->setColumnStretch(0, 3);
    griglia->setColumnStretch(2, 2);

    connect(Aggiungi, &QPushButton::clicked, this, &EditorClasse::aggiungi);
    connect(Rinomina, &QPushButton::clicked, this, &EditorClasse::rinomina);
    connect(Togli, &QPushButton::clicked, this, &EditorClasse::togli);
    connect(Chiudi, &QPushButton::clicked, this, [this] {
        close();
        emit chiuso();
    });
    connect(Elenco, &QListWidget::currentRowChanged, this, &EditorClasse::scelto);
    connect(Segno, &QComboBox::currentIndexChanged, this, &EditorClasse::cambiaSegno);

    const LetturaClasse lettura = LeggiClasse(ambiente.fileClasse());
    classe_ = lettura.bambini;
    mostra(-1);
}

void EditorClasse::mostra(int riga)
{
    aggiornando_ = true;
    Elenco->clear();
    for (const Bambino &b : std::as_const(classe_)) {
        auto *riga = new QListWidgetItem(b.nome, Elenco);
        const QString immagine = b.segno.isEmpty() ? QString() : PercorsoImmagine(ambiente_, b.segno);
        if (FileEsiste(immagine))
            riga->setIcon(QIcon(immagine));
    }
    Elenco->setCurrentRow(riga);
    aggiornando_ = false;
    scelto();
}

void EditorClasse::scelto()
{
    const int r = Elenco->currentRow();
    const bool c = r >= 0 && r < classe_.size();
    Rinomina->setEnabled(c);
    Togli->setEnabled(c);
    if (aggiornando_)
        return;
    aggiornando_ = true;
    Nome->setText(c ? classe_[r].nome : QString());
    const int i = c ? Segno->findText(classe_[r].segno, Qt::MatchFixedString) : 0;
    Segno->setCurrentIndex(std::max(i, 0));
    aggiornando_ = false;
}

bool EditorClasse::salva(const QList<Bambino> &nuova)
{
    QString errore;
    QDir().mkpath(ambiente_.cartellaImpostazioni); // made at start-up, unless it could not be then
    if (!ScriviClasse(ambiente_.fileClasse(), nuova, &errore)) {
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione,
                         QStringLiteral("Non è stato possibile salvare la lista dei bambini:\n%1").arg(errore));
        return false;
    }
    classe_ = nuova;
    if (archivio_.salvata)
        archivio_.salvata(nuova);
    return true;
}

void EditorClasse::aggiungi()
{
    const QString motivo = MotivoNomeNonValido(Nome->text(), classe_);
    if (!motivo.isEmpty()) {
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione, motivo);
        return;
    }
    QList<Bambino> nuova = classe_;
    nuova.append({Nome->text().trimmed(), Segno->currentIndex() > 0 ? Segno->currentText() : QString()});
    if (salva(nuova))
        mostra(int(classe_.size()) - 1);
}

void EditorClasse::rinomina()
{
    const int r = Elenco->currentRow();
    if (r < 0 || r >= classe_.size())
        return;
    const QString vecchio = classe_[r].nome;
    const QString nuovo = Nome->text().trimmed();
    if (nuovo == vecchio)
        return;
    QList<Bambino> altri = classe_;
    altri.removeAt(r);
    const QString motivo = MotivoNomeNonValido(nuovo, altri);
    if (!motivo.isEmpty()) {
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione, motivo);
        return;
    }
    // The answers follow the child to the new name first: a list that names
    // a child whose answers stayed under the old name would lose them from view.
    if (archivio_.rinomina && !archivio_.rinomina(vecchio, nuovo)) {
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione,
                         QStringLiteral("Non è stato possibile spostare le risposte di %1 al nuovo nome.").arg(vecchio));
        return;
    }
    QList<Bambino> nuova = classe_;
    nuova[r].nome = nuovo;
    if (salva(nuova))
        mostra(r);
}

void EditorClasse::togli()
{
    const int r = Elenco->currentRow();
    if (r < 0 || r >= classe_.size())
        return;
    const QString nome = classe_[r].nome;
    if (!dialoghi_.chiedi(QStringLiteral("Vuoi togliere %1 dalla classe?").arg(nome)))
        return;
    const bool cancella = dialoghi_.chiedi(QStringLiteral(
        "Vuoi cancellare anche tutte le risposte di %1?\nSì: sono cancellate per sempre.\nNo: restano nell'archivio.").arg(nome));
    QList<Bambino> nuova = classe_;
    nuova.removeAt(r);
    if (!salva(nuova))
        return;
    if (cancella && archivio_.cancella && !archivio_.cancella(nome))
        dialoghi_.avvisa(Dialoghi::Icona::Esclamazione,
                         QStringLiteral("Non è stato possibile cancellare le risposte di %1.").arg(nome));
    mostra(std::min(r, int(classe_.size()) - 1));
}

void EditorClasse::cambiaSegno()
{
    const int r = Elenco->currentRow();
    if (aggiornando_ || r < 0 || r >= classe_.size())
        return;
    QList<Bambino> nuova = classe_;
    nuova[r].segno = Segno->currentIndex() > 0 ? Segno->currentText() : QString();
    if (salva(nuova))
        mostra(r);
    else
        scelto();
}
