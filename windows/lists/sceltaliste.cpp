#include "windows/lists/sceltaliste.h"

#include "windows/areaintera.h"
#include "windows/finestra.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

namespace {
// Three columns: 12, 12 and 10 options.
constexpr int Colonne = 3;
constexpr int OpzioniPerColonna = 12;
} // namespace

SceltaListe::SceltaListe(QWidget *parent) : QGroupBox(QStringLiteral("Seleziona la lista da utilizzare"), parent)
{
    setFont(Finestra::carattere(QStringLiteral("Times New Roman"), 20.25, true));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(p);
    gruppo_ = new QButtonGroup(this);
    for (int i = 0; i < Numero; ++i) {
        auto *o = new AreaIntera<QRadioButton>(QStringLiteral("Option1"), this);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        o->setProperty("Index", i);
        o->setFont(Finestra::carattere(QStringLiteral("Times New Roman"), 8.25, true));
        o->setCursor(Qt::PointingHandCursor);
        o->installEventFilter(this);
        gruppo_->addButton(o, i);
        Option1[static_cast<size_t>(i)] = o;
        // A click on the option already marked still picks it: it is the way back.
        connect(o, &QRadioButton::clicked, this, [this, i] { emit scelta(i); });
    }
}

void SceltaListe::apri(const QStringList &titoli, int inUso)
{
    // Marking from here loads nothing; the group only allows no mark while open.
    gruppo_->setExclusive(false);
    for (int i = 0; i < Numero; ++i) {
        QRadioButton *o = Option1[static_cast<size_t>(i)];
        // "QU & CQU" shows its ampersand rather than a shortcut.
        o->setText(QString(titoli.value(i)).replace(QLatin1Char('&'), QLatin1String("&&")));
        o->setChecked(i == inUso);
    }
    gruppo_->setExclusive(true);
    disponi();
}

// The options fill the chooser, three columns of rows as tall as the frame
// allows, in one type size that fits the longest caption whole in its column:
// on a whiteboard each row takes a finger, at any screen size.
void SceltaListe::disponi()
{
    const QRect r = contentsRect();
    const int margine = std::max(4, r.width() / 50);
    const int titolo = QFontMetrics(font()).height();
    const int alto = r.top() + titolo + margine / 2;
    const int larghezzaColonna = (r.width() - 2 * margine) / Colonne;
    const int altezzaRiga = std::max(1, (r.bottom() - alto - margine / 2) / OpzioniPerColonna);
    // The widest caption and the mark before it, with a gap before the next column.
    QFont f = Option1[0]->font();
    int pixel = std::max(8, altezzaRiga * 45 / 100);
    const auto larghezzaNecessaria = [&](int px) {
        f.setPixelSize(px);
        const QFontMetrics m(f);
        int larghezza = 0;
        for (const QRadioButton *o : Option1)
            larghezza = std::max(larghezza, m.horizontalAdvance(QString(o->text()).replace(QLatin1String("&&"),
                                                                                            QLatin1String("&"))));
        return larghezza + px * 2 + margine;
    };
    while (pixel > 8 && larghezzaNecessaria(pixel) > larghezzaColonna)
        --pixel;
    f.setPixelSize(pixel);
    const int lato = std::max(12, pixel);
    for (int i = 0; i < Numero; ++i) {
        QRadioButton *o = Option1[static_cast<size_t>(i)];
        o->setFont(f);
        o->setStyleSheet(QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; }").arg(lato));
        o->setGeometry(r.left() + margine + (i / OpzioniPerColonna) * larghezzaColonna,
                       alto + (i % OpzioniPerColonna) * altezzaRiga, larghezzaColonna - margine, altezzaRiga);
    }
}

bool SceltaListe::tasto(int indice, QKeyEvent *tasto)
{
    int verso = -1;
    switch (tasto->key()) {
    case Qt::Key_Up: verso = indice - 1; break;
    case Qt::Key_Down: verso = indice + 1; break;
    case Qt::Key_Left: verso = indice - OpzioniPerColonna; break;
    case Qt::Key_Right: verso = indice + OpzioniPerColonna; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit scelta(indice);
        return true;
    case Qt::Key_Escape:
        emit annullata();
        return true;
    default:
        return false;
    }
    // Moving the focus chooses nothing: only Enter, Space or a click do.
    Option1[static_cast<size_t>(std::clamp(verso, 0, Numero - 1))]->setFocus(Qt::TabFocusReason);
    return true;
}

bool SceltaListe::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (auto *o = qobject_cast<QRadioButton *>(oggetto); o && o->parentWidget() == this) {
        // A radio button clicks itself on the arrows and on Space's release;
        // the chooser decides instead, on the press.
        if (evento->type() == QEvent::KeyPress && !static_cast<QKeyEvent *>(evento)->isAutoRepeat())
            return tasto(o->property("Index").toInt(), static_cast<QKeyEvent *>(evento));
        if (evento->type() == QEvent::KeyRelease && static_cast<QKeyEvent *>(evento)->key() == Qt::Key_Space)
            return true;
    }
    return QGroupBox::eventFilter(oggetto, evento);
}
