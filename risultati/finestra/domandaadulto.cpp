#include "risultati/finestra/domandaadulto.h"

#include "risultati/finestra/aspetto.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QString DomandaAdulto::TestoSbagliato = QStringLiteral("Risposta sbagliata. Prova con questa:");

QString DomandaAdulto::testoDomanda(int primo, int secondo)
{
    return QStringLiteral("Quanto fa %1 × %2?").arg(primo).arg(secondo);
}

DomandaAdulto::DomandaAdulto(std::function<int(int)> casuale, QWidget *genitore)
    : QDialog(genitore), casuale_(std::move(casuale))
{
    setObjectName(QStringLiteral("domandaAdulto"));
    setWindowTitle(QStringLiteral("Lettoria 2"));
    setStyleSheet(aspetto::foglioDiStile());

    auto *spiegazione = new QLabel(QStringLiteral("I risultati sono per gli insegnanti."), this);
    spiegazione->setFont(aspetto::testo());
    Esito = new QLabel(this);
    Esito->setObjectName(QStringLiteral("Esito"));
    Esito->setFont(aspetto::testo());
    Esito->setStyleSheet(QStringLiteral("color: rgb(190, 30, 30);"));
    Domanda = new QLabel(this);
    Domanda->setObjectName(QStringLiteral("Domanda"));
    Domanda->setFont(aspetto::titolo());
    Risposta = new QLineEdit(this);
    Risposta->setObjectName(QStringLiteral("Risposta"));
    Risposta->setValidator(new QIntValidator(0, 999, Risposta));
    Risposta->setMaxLength(3);
    Risposta->setAlignment(Qt::AlignCenter);

    // A keypad as on a telephone, each key as large as a fingertip on a whiteboard.
    auto *tastiera = new QGridLayout;
    tastiera->setSpacing(aspetto::px(10));
    const QString cifreTasto = QStringLiteral("789456123");
    for (int i = 0; i < 10; ++i) {
        auto *b = new QPushButton(QString::number(i), this);
        b->setObjectName(QStringLiteral("Cifra%1").arg(i));
        b->setFixedSize(aspetto::px(96), aspetto::px(80));
        b->setStyleSheet(QStringLiteral("font-size: %1px;").arg(aspetto::px(36)));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, i] {
            if (Risposta->text().size() < Risposta->maxLength())
                Risposta->setText(Risposta->text() + QString::number(i));
        });
        Cifre[static_cast<size_t>(i)] = b;
        if (i > 0) {
            const int posto = static_cast<int>(cifreTasto.indexOf(QString::number(i)));
            tastiera->addWidget(b, posto / 3, posto % 3);
        }
    }
    Indietro = new QPushButton(QStringLiteral("⌫"), this);
    Indietro->setObjectName(QStringLiteral("Indietro"));
    Indietro->setFixedSize(aspetto::px(96), aspetto::px(80));
    Indietro->setStyleSheet(QStringLiteral("font-size: %1px;").arg(aspetto::px(36)));
    Indietro->setFocusPolicy(Qt::NoFocus);
    Indietro->setAccessibleName(QStringLiteral("Cancella l'ultima cifra"));
    connect(Indietro, &QPushButton::clicked, this, [this] { Risposta->backspace(); });
    tastiera->addWidget(Indietro, 3, 0);
    tastiera->addWidget(Cifre[0], 3, 1);

    // OK where a telephone keeps its last key, under the finger that typed.
    Conferma = new QPushButton(QStringLiteral("OK"), this);
    Conferma->setObjectName(QStringLiteral("Conferma"));
    Conferma->setDefault(true);
    Conferma->setFixedSize(aspetto::px(96), aspetto::px(80));
    Conferma->setStyleSheet(QStringLiteral("font-size: %1px; font-weight: bold; background: rgb(200, 235, 200);"
                                           "border-color: rgb(46, 125, 50);")
                                .arg(aspetto::px(30)));
    tastiera->addWidget(Conferma, 3, 2);
    Annulla = new QPushButton(QStringLiteral("Annulla"), this);
    Annulla->setObjectName(QStringLiteral("Annulla"));
    Annulla->setAutoDefault(false);
    Annulla->setMinimumWidth(aspetto::px(160));
    connect(Conferma, &QPushButton::clicked, this, &DomandaAdulto::controlla);
    connect(Risposta, &QLineEdit::returnPressed, this, &DomandaAdulto::controlla);
    connect(Annulla, &QPushButton::clicked, this, &QDialog::reject);

    auto *pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(Annulla);

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(aspetto::px(32), aspetto::px(24), aspetto::px(32), aspetto::px(24));
    colonna->setSpacing(aspetto::px(14));
    colonna->addWidget(spiegazione);
    colonna->addWidget(Esito);
    colonna->addWidget(Domanda, 0, Qt::AlignHCenter);
    colonna->addWidget(Risposta);
    colonna->addLayout(tastiera);
    colonna->setAlignment(tastiera, Qt::AlignHCenter);
    colonna->addLayout(pulsanti);
    Esito->hide();

    nuovaCoppia();
    Risposta->setFocus();
}

void DomandaAdulto::nuovaCoppia()
{
    const int primaPrimo = primo_;
    const int primaSecondo = secondo_;
    // A different pair every time, so a wrong answer cannot simply be tried again.
    for (int tentativo = 0; tentativo < 8; ++tentativo) {
        primo_ = 6 + casuale_(4);
        secondo_ = 6 + casuale_(4);
        if (primo_ != primaPrimo || secondo_ != primaSecondo)
            break;
    }
    if (primo_ == primaPrimo && secondo_ == primaSecondo)
        primo_ = 6 + (primo_ - 6 + 1) % 4;
    Domanda->setText(testoDomanda(primo_, secondo_));
    Risposta->clear();
}

void DomandaAdulto::controlla()
{
    bool numero = false;
    const int valore = Risposta->text().toInt(&numero);
    if (numero && valore == primo_ * secondo_) {
        accept();
        return;
    }
    Esito->setText(TestoSbagliato);
    Esito->show();
    nuovaCoppia();
    Risposta->setFocus();
}

bool ChiediAdulto(QWidget *genitore, std::function<int(int)> casuale)
{
    DomandaAdulto domanda(std::move(casuale), genitore);
    return domanda.exec() == QDialog::Accepted;
}
