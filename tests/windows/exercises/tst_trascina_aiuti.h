#pragma once

// Helpers shared by the tests of the two drag windows.
#include "core/abbinamenti.h"
#include "core/scaling/clsresize.h"
#include "tests/support/provefinestre.h"
#include "windows/exercises/trascinamento.h"
#include "windows/exercises/trascinamentoform.h"
#include "windows/riquadroimmagine.h"

#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QTimer>

namespace prove {

inline NomeTrascinabile *nome(QWidget *f, int i)
{
    return f->findChild<NomeTrascinabile *>(QStringLiteral("Label1_%1").arg(i));
}
inline QLabel *riquadro(QWidget *f, int j)
{
    return f->findChild<QLabel *>(QStringLiteral("Label2_%1").arg(j));
}
inline RiquadroImmagine *immagine(QWidget *f, int i)
{
    return f->findChild<RiquadroImmagine *>(QStringLiteral("Image1_%1").arg(i));
}
inline QString testo(QWidget *f, const char *nomeControllo)
{
    auto *l = f->findChild<QLabel *>(QLatin1String(nomeControllo));
    return l ? l->text() : QStringLiteral("<missing>");
}
inline bool visibile(QWidget *f, const char *nomeControllo)
{
    auto *w = f->findChild<QWidget *>(QLatin1String(nomeControllo));
    return w && !w->isHidden();
}

// Enter, move and drop of a name's drag, sent to a widget as the window
// system would send them over its centre. True when the widget took the drop.
inline bool rilasciaSu(QWidget *bersaglio, const QMimeData &dati)
{
    const QPointF centro = QRectF(bersaglio->rect()).center();
    QDragEnterEvent entra(centro.toPoint(), Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &entra);
    if (!entra.isAccepted())
        return false;
    QDragMoveEvent muovi(centro.toPoint(), Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &muovi);
    QDropEvent lascia(centro, Qt::MoveAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &lascia);
    return lascia.isAccepted();
}

// Name i dropped on box j (j = K is the "Errati" caption).
inline bool rilascia(QWidget *f, int i, int j)
{
    QMimeData dati;
    nome(f, i)->riempiDati(dati);
    return rilasciaSu(riquadro(f, j), dati);
}

// A real drag by the pointer: press on the name, move over the target, let go.
// Needs a platform that runs drags (the minimal one does, offscreen does not).
inline void trascinaVero(NomeTrascinabile *n, QWidget *bersaglio)
{
    QWidget *finestra = n->window();
    QTimer::singleShot(0, n, [finestra, bersaglio] {
        const QPoint dove = bersaglio->mapTo(finestra, bersaglio->rect().center());
        QTest::mouseMove(finestra, dove / 2);
        QTest::mouseMove(finestra, dove);
        QTest::mouseRelease(finestra, Qt::LeftButton, Qt::NoModifier, dove);
    });
    QTest::mousePress(n, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

// The slot each name stands in, read from its left edge.
inline QList<int> slotDeiNomi(FormTrascinamento *f)
{
    QList<int> out;
    for (int i = 0; i < f->coppie(); ++i) {
        const int x = nome(f, i)->x();
        int trovato = -1;
        for (int s = 0; s < f->coppie(); ++s)
            if (x == abbinamenti::sinistraSlot(f->SinistraPrimoNome(), f->DistanzaNomi(), s))
                trovato = s;
        out.append(trovato);
    }
    return out;
}

// The slots the table gives for the arrangement in `Estratto`.
inline QList<int> slotAttesi(FormTrascinamento *f, int disposizione)
{
    QList<int> out;
    for (int i = 0; i < f->coppie(); ++i)
        out.append(abbinamenti::slotDelNome(f->coppie(), disposizione, i));
    return out;
}

} // namespace prove
