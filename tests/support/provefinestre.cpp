#include "tests/support/provefinestre.h"

#include "windows/registro.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

ProgrammaProva::ProgrammaProva(unsigned seme) : ContestoProva(seme)
{
    gestore = std::make_unique<GestoreFinestre>(contesto(), CreaFinestra);
    QObject::connect(gestore.get(), &GestoreFinestre::terminato, [this] { ++terminazioni; });
}

ProgrammaProva::~ProgrammaProva()
{
    gestore.reset();
    svuotaEventi();
}

Finestra *ProgrammaProva::apri(IdFinestra id)
{
    Finestra *f = gestore->mostra(id);
    if (f)
        (void)QTest::qWaitForWindowExposed(f);
    return f;
}

QAction *azioneMenu(QMainWindow *finestra, const QString &testo)
{
    if (!finestra || !finestra->menuBar())
        return nullptr;
    const auto azioni = finestra->menuBar()->findChildren<QAction *>();
    for (QAction *a : azioni)
        if (a->text() == testo)
            return a;
    for (QAction *a : finestra->menuBar()->actions())
        if (a->text() == testo)
            return a;
    return nullptr;
}

void clic(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void svuotaEventi()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QList<QWidget *> finestreVisibili()
{
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QMainWindow *>(w))
            out.append(w);
    return out;
}
