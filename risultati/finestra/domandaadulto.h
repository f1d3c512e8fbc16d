#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// A question a grown-up answers at once and a six-year-old cannot: the product
// of two numbers from 6 to 9, typed in the field or on the big digit buttons.
// A wrong answer is told and a new pair asked.
class DomandaAdulto : public QDialog
{
    Q_OBJECT
public:
    // `casuale(n)` gives a whole number from 0 to n - 1.
    DomandaAdulto(std::function<int(int)> casuale, QWidget *genitore = nullptr);

    int primo() const { return primo_; }
    int secondo() const { return secondo_; }

    QLabel *Domanda;
    QLabel *Esito;
    QLineEdit *Risposta;
    std::array<QPushButton *, 10> Cifre{};
    QPushButton *Indietro;  // takes back the last digit
    QPushButton *Conferma;
    QPushButton *Annulla;

    static QString testoDomanda(int primo, int secondo);
    static const QString TestoSbagliato;

private:
    void nuovaCoppia();
    void controlla();

    std::function<int(int)> casuale_;
    int primo_ = 0;
    int secondo_ = 0;
};

// Asks the question until it is answered right (true) or the dialog is left (false).
bool ChiediAdulto(QWidget *genitore, std::function<int(int)> casuale);
