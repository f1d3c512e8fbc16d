#include "windows/dialoghiqt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "windows/finestra.h"

#include <algorithm>

Dialoghi::Risposta DialoghiQt::messaggio(Icona icona, const QString &titolo, const QString &testo, Pulsanti pulsanti)
{
    QMessageBox box(QApplication::activeWindow());
    // Buttons a finger finds on a whiteboard: 48 pixels tall with 18-pixel
    // text on a 1080-line screen, in proportion on others; the text as large.
    const double f = Finestra::fattoreSchermo();
    box.setStyleSheet(QStringLiteral("QLabel { font-size: %1px; }"
                                     "QPushButton { font-size: %2px; min-height: %3px; min-width: %4px; padding: 0 %5px; }")
                          .arg(qRound(22 * f))
                          .arg(std::max(18, qRound(20 * f)))
                          .arg(qRound(52 * f))
                          .arg(qRound(140 * f))
                          .arg(qRound(16 * f)));
    box.setWindowTitle(titolo);
    box.setText(testo);
    switch (icona) {
    case Icona::Nessuna: box.setIcon(QMessageBox::NoIcon); break;
    case Icona::Critica: box.setIcon(QMessageBox::Critical); break;
    case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
    case Icona::Esclamazione: box.setIcon(QMessageBox::Warning); break;
    case Icona::Informazione: box.setIcon(QMessageBox::Information); break;
    }
    if (pulsanti == Pulsanti::SiNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Risposta::Si : Risposta::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Risposta::Ok;
}

QString DialoghiQt::apriFile(const QString &filtro, const QString &cartellaIniziale)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), cartellaIniziale, filtro);
}

QString DialoghiQt::salvaFile(const QString &filtro, const QString &cartellaIniziale)
{
    // The program asks its own overwrite question.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), cartellaIniziale, filtro, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}
