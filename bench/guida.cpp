#include "bench/guida.h"

#include "windows/exercises/formclic.h"
#include "windows/exercises/formunnomeimmagini.h"
#include "windows/exercises/nometrascinabile.h"
#include "windows/finestra.h"
#include "windows/gestorefinestre.h"
#include "windows/riquadroimmagine.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QCoreApplication>
#include <QFileInfo>
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
// Command1 (the puzzles' "Gioca ancora" is a menu item).
QAbstractButton *pulsanteProssimo(Finestra *f)
{
    return f->findChild<QAbstractButton *>(QStringLiteral("Command1"));
}

// A name pressed, carried over the centre of a box and let go, as a hand does it.
void rilascia(NomeTrascinabile *nome, QWidget *riquadro)
{
    QWidget *f = nome->window();
    const QPoint arrivo = nome->mapFrom(f, riquadro->mapTo(f, riquadro->rect().center()));
    QTest::mousePress(nome, Qt::LeftButton, {}, nome->rect().center());
    QTest::mouseMove(nome, arrivo);
    QTest::mouseRelease(nome, Qt::LeftButton, {}, arrivo);
}

// Drag exercises: each name goes into the box Label2(j) under the picture
// Image1(j) whose file is named after it.
bool trascinaGiusto(Finestra *f, QAbstractButton *avanti)
{
    // One drop for each name at most, should a drop not take.
    for (int i = f->findChildren<NomeTrascinabile *>().size(); i > 0 && RilasciaUnoGiusto(f); --i)
        QCoreApplication::processEvents();
    return avanti->isEnabled();
}

// The puzzles' "Gioca ancora" is an item of the menu bar.
QAction *voceGiocaAncora(Finestra *f)
{
    if (!f->menuBar())
        return nullptr;
    const auto voci = f->menuBar()->findChildren<QAction *>();
    for (QAction *a : voci)
        if (a->text().startsWith(QLatin1String("Gioca ancora")))
            return a;
    for (QAction *a : f->menuBar()->actions())
        if (a->text().startsWith(QLatin1String("Gioca ancora")))
            return a;
    return nullptr;
}

} // namespace

bool RilasciaUnoGiusto(Finestra *f)
{
    const auto nomi = f->findChildren<NomeTrascinabile *>();
    for (NomeTrascinabile *n : nomi) {
        if (!n->isVisible() || !n->isEnabled() || n->text().trimmed().isEmpty())
            continue;
        for (int j = 0;; ++j) {
            auto *img = f->findChild<RiquadroImmagine *>(QStringLiteral("Image1_%1").arg(j));
            auto *box = f->findChild<QWidget *>(QStringLiteral("Label2_%1").arg(j));
            if (!img || !box)
                break;
            if (QFileInfo(img->file()).completeBaseName().compare(n->text().trimmed(), Qt::CaseInsensitive) == 0) {
                rilascia(n, box);
                return true;
            }
        }
    }
    return false;
}

bool RispondiGiusto(Finestra *f)
{
    auto *clic = qobject_cast<FormClic *>(f);
    if (!clic)
        return false;
    const QString nome = qobject_cast<FormUnNomeImmagini *>(f) ? QStringLiteral("Image1_%1") : QStringLiteral("Label1_%1");
    QWidget *giusta = f->findChild<QWidget *>(nome.arg(clic->esercizio().Estratto));
    if (!giusta || !giusta->isEnabled())
        return false;
    clicca(giusta);
    return true;
}

void Clicca(QObject *comando)
{
    if (auto *a = qobject_cast<QAction *>(comando))
        a->trigger();
    else if (auto *w = qobject_cast<QWidget *>(comando))
        clicca(w);
}

QObject *PreparaProssimo(Finestra *f, QString &errore)
{
    if (QAction *ancora = voceGiocaAncora(f))
        return ancora;
    QAbstractButton *prossimo = pulsanteProssimo(f);
    if (!prossimo) {
        errore = QStringLiteral("no control brings the next item");
        return nullptr;
    }
    const bool trascinamento = !f->findChildren<NomeTrascinabile *>().isEmpty();
    if (!prossimo->isEnabled() && !trascinamento && RispondiGiusto(f))
        QCoreApplication::processEvents();
    if (!prossimo->isEnabled() && !(trascinamento && trascinaGiusto(f, prossimo))) {
        errore = QStringLiteral("the next-item control stays disabled after the right answer");
        return nullptr;
    }
    return prossimo;
}
