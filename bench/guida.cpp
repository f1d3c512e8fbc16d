#include "bench/guida.h"

#include "core/stato.h"
#include "windows/finestra.h"
#include "windows/gestorefinestre.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

QList<FinestraConProssimo> FinestreConProssimo()
{
    return {
        {IdFinestra::Form1, QStringLiteral("Form1")},         {IdFinestra::Form2, QStringLiteral("Form2")},
        {IdFinestra::Form3, QStringLiteral("Form3")},         {IdFinestra::Form4, QStringLiteral("Form4")},
        {IdFinestra::Form5, QStringLiteral("Form5")},         {IdFinestra::Form6, QStringLiteral("Form6")},
        {IdFinestra::Form7, QStringLiteral("Form7")},         {IdFinestra::Form8, QStringLiteral("Form8")},
        {IdFinestra::FormVedi, QStringLiteral("FormVedi")},   {IdFinestra::FormVedi2, QStringLiteral("FormVedi2")},
        {IdFinestra::pag1, QStringLiteral("pag1")},           {IdFinestra::pag2, QStringLiteral("pag2")},
    };
}

namespace {

void clicca(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

// The control that brings the next item: "avanti" and the viewers' arrow are
// Command1, the puzzles' button says "Gioca ancora".
QAbstractButton *pulsanteProssimo(Finestra *f)
{
    if (auto *b = f->findChild<QAbstractButton *>(QStringLiteral("Command1")))
        return b;
    const auto pulsanti = f->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : pulsanti)
        if (b->text().contains(QLatin1String("Gioca ancora"), Qt::CaseInsensitive))
            return b;
    return nullptr;
}

// Click exercises: the answers are the control arrays Image1(i) or Label1(i);
// the right one has the index drawn into Estratto.
bool rispondiGiusto(Finestra *f, const Stato &stato, QAbstractButton *avanti)
{
    const auto figli = f->findChildren<QWidget *>();
    QList<QWidget *> altre;
    for (QWidget *w : figli) {
        const QString nome = w->objectName();
        if (!(nome.startsWith(QLatin1String("Image1_")) || nome.startsWith(QLatin1String("Label1_"))))
            continue;
        if (!w->isVisible() || !w->isEnabled())
            continue;
        if (w->property("Index").toInt() == stato.Estratto)
            altre.prepend(w);
        else
            altre.append(w);
    }
    for (QWidget *w : std::as_const(altre)) {
        clicca(w);
        QCoreApplication::processEvents();
        if (avanti->isEnabled())
            return true;
    }
    return false;
}

} // namespace

QWidget *PreparaProssimo(Finestra *f, Stato &stato, QString &errore)
{
    QAbstractButton *prossimo = pulsanteProssimo(f);
    if (!prossimo) {
        errore = QStringLiteral("no control brings the next item");
        return nullptr;
    }
    if (!prossimo->isEnabled() && !rispondiGiusto(f, stato, prossimo)) {
        errore = QStringLiteral("the next-item control stays disabled after every answer");
        return nullptr;
    }
    return prossimo;
}
