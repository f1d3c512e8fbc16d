#include "windows/icone.h"

#include <QPainter>
#include <QPainterPath>

namespace icone {
namespace {

constexpr int Lato = 96;

const QColor Blu(52, 120, 246);
const QColor Arancio(255, 149, 0);
const QColor Verde(52, 199, 89);
const QColor Rosso(255, 59, 48);
const QColor Viola(175, 82, 222);

QPixmap tela(int lato = Lato)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    return pm;
}

// A little picture: a framed square with a sun and a hill.
void disegnaFigura(QPainter &p, const QRectF &r, const QColor &cielo)
{
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(cielo);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 10));
    const double s = r.width() / 4.5;
    p.drawEllipse(QRectF(r.right() - s * 1.6, r.top() + s * 0.4, s, s));
    p.setBrush(Verde);
    QPainterPath collina;
    collina.moveTo(r.left() + 1, r.bottom() - 1);
    collina.quadTo(r.center().x(), r.center().y() - s * 0.2, r.right() - 1, r.bottom() - 1);
    collina.closeSubpath();
    p.drawPath(collina);
}

// A name: a white bar with a few letter strokes.
void disegnaNome(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(QPen(QColor(40, 40, 40), std::max(2.0, r.height() / 6)));
    const double y = r.center().y();
    const double passo = r.width() / 6;
    for (int i = 1; i <= 4; ++i)
        p.drawLine(QPointF(r.left() + i * passo, y - r.height() / 5), QPointF(r.left() + i * passo, y + r.height() / 5));
}

QPixmap figureENomi(int figure, int nomi)
{
    QPixmap pm = tela();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor cieli[] = {Blu.lighter(150), Arancio.lighter(140), Viola.lighter(150), Verde.lighter(150)};
    const double margine = 4;
    if (figure >= nomi) {
        // pictures in a row, names below
        const double w = (Lato - margine * (figure + 1)) / figure;
        for (int i = 0; i < figure; ++i)
            disegnaFigura(p, QRectF(margine + i * (w + margine), 14, w, w), cieli[i % 4]);
        const double wn = (Lato - margine * (nomi + 1)) / nomi;
        for (int i = 0; i < nomi; ++i)
            disegnaNome(p, QRectF(margine + i * (wn + margine), 20 + w, wn, 18));
    } else {
        // one picture at the left, names in a column
        disegnaFigura(p, QRectF(margine, 24, 40, 40), cieli[0]);
        const double h = (Lato - margine * (nomi + 1)) / nomi;
        for (int i = 0; i < nomi; ++i)
            disegnaNome(p, QRectF(50, margine + i * (h + margine), 42, std::min(h, 20.0)));
    }
    return pm;
}

QPixmap griglia(bool vuota)
{
    QPixmap pm = tela();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colori[] = {Rosso, Arancio, QColor(255, 204, 0), Verde, Blu, Viola, Rosso.lighter(130),
                             Verde.darker(120), Blu.lighter(140)};
    const double c = 28, m = 4;
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) {
            const int i = r * 3 + k;
            if (vuota && i == 8)
                continue;
            p.setPen(QPen(Qt::white, 2));
            p.setBrush(colori[(i * 4) % 9]);
            p.drawRoundedRect(QRectF(m + k * (c + m), m + r * (c + m), c, c), 4, 4);
        }
    if (!vuota) {
        p.setPen(QPen(QColor(40, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 74), QPointF(74, 22));
    }
    return pm;
}

QPixmap occhio()
{
    QPixmap pm = tela();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    disegnaFigura(p, QRectF(6, 6, 84, 84), Blu.lighter(150));
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(18, 52, 60, 32));
    p.setBrush(QColor(60, 40, 20));
    p.drawEllipse(QRectF(38, 56, 22, 24));
    return pm;
}

QPixmap lista()
{
    QPixmap pm = tela();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.setBrush(QColor(255, 250, 220));
    p.drawRoundedRect(QRectF(14, 6, 68, 84), 6, 6);
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(i % 2 ? Blu : Rosso, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(26, 22 + i * 14), QPointF(70 - (i % 3) * 8, 22 + i * 14));
    }
    p.setPen(QPen(Arancio.darker(120), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 84), QPointF(90, 60));
    return pm;
}

QPixmap porta()
{
    QPixmap pm = tela();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(80, 50, 20), 3));
    p.setBrush(QColor(190, 120, 60));
    p.drawRoundedRect(QRectF(12, 8, 48, 80), 4, 4);
    p.setBrush(QColor(255, 214, 10));
    p.drawEllipse(QRectF(48, 46, 7, 7));
    p.setPen(QPen(Rosso, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(56, 48), QPointF(88, 48));
    p.drawLine(QPointF(76, 34), QPointF(90, 48));
    p.drawLine(QPointF(76, 62), QPointF(90, 48));
    return pm;
}

QPixmap razzo()
{
    QPixmap pm = tela();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath corpo;
    corpo.moveTo(48, 4);
    corpo.cubicTo(70, 20, 70, 50, 62, 72);
    corpo.lineTo(34, 72);
    corpo.cubicTo(26, 50, 26, 20, 48, 4);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.setBrush(Qt::white);
    p.drawPath(corpo);
    p.setBrush(Blu);
    p.drawEllipse(QRectF(40, 26, 16, 16));
    p.setBrush(Rosso);
    p.drawPolygon(QPolygonF({QPointF(34, 56), QPointF(20, 80), QPointF(36, 72)}));
    p.drawPolygon(QPolygonF({QPointF(62, 56), QPointF(76, 80), QPointF(60, 72)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Arancio);
    p.drawEllipse(QRectF(38, 72, 20, 22));
    return pm;
}

QPixmap frecciaCursore(int lato, const QColor &riempimento)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = lato / 32.0;
    QPolygonF f({QPointF(1, 1), QPointF(1, 24), QPointF(7, 18), QPointF(11, 28), QPointF(15, 26), QPointF(11, 17),
                 QPointF(19, 17)});
    for (QPointF &q : f)
        q *= s;
    p.setPen(QPen(Qt::black, std::max(1.0, s * 1.2)));
    p.setBrush(riempimento);
    p.drawPolygon(f);
    return pm;
}

} // namespace

QIcon attivita(Attivita a)
{
    switch (a) {
    case Attivita::VediImmagini: return QIcon(occhio());
    case Attivita::ScegliImmagini: {
        QPixmap pm = lista();
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        disegnaFigura(p, QRectF(44, 44, 48, 48), Verde.lighter(150));
        return QIcon(pm);
    }
    case Attivita::ImmagineENome: {
        QPixmap pm = tela();
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        disegnaFigura(p, QRectF(14, 4, 68, 62), Arancio.lighter(140));
        disegnaNome(p, QRectF(8, 70, 80, 22));
        return QIcon(pm);
    }
    case Attivita::UnNomeImmagini2: return QIcon(figureENomi(2, 1));
    case Attivita::UnNomeImmagini3: return QIcon(figureENomi(3, 1));
    case Attivita::UnNomeImmagini4: return QIcon(figureENomi(4, 1));
    case Attivita::NomiUnaImmagine2: return QIcon(figureENomi(1, 2));
    case Attivita::NomiUnaImmagine3: return QIcon(figureENomi(1, 3));
    case Attivita::NomiUnaImmagine4: return QIcon(figureENomi(1, 4));
    case Attivita::NomiImmagini2: return QIcon(figureENomi(2, 2));
    case Attivita::NomiImmagini3: return QIcon(figureENomi(3, 3));
    case Attivita::PuzzleScambio: return QIcon(griglia(false));
    case Attivita::PuzzleScivolamento: return QIcon(griglia(true));
    case Attivita::CambiaLista: return QIcon(lista());
    case Attivita::Esci: return QIcon(porta());
    case Attivita::Avvio: return QIcon(razzo());
    }
    return {};
}

QPixmap facciaSi(int lato)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = lato / 100.0;
    p.setPen(QPen(QColor(150, 100, 0), 3 * s));
    p.setBrush(QColor(255, 214, 10));
    p.drawEllipse(QRectF(4 * s, 4 * s, 92 * s, 92 * s));
    p.setBrush(QColor(60, 40, 20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(30 * s, 30 * s, 10 * s, 14 * s));
    p.drawEllipse(QRectF(60 * s, 30 * s, 10 * s, 14 * s));
    p.setPen(QPen(QColor(60, 40, 20), 6 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(26 * s, 34 * s, 48 * s, 40 * s), 200 * 16, 140 * 16);
    return pm;
}

QPixmap facciaNo(int lato)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = lato / 100.0;
    p.setPen(QPen(QColor(140, 20, 20), 3 * s));
    p.setBrush(QColor(240, 60, 50));
    p.drawEllipse(QRectF(4 * s, 4 * s, 92 * s, 92 * s));
    p.setBrush(QColor(60, 20, 20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(30 * s, 32 * s, 10 * s, 12 * s));
    p.drawEllipse(QRectF(60 * s, 32 * s, 10 * s, 12 * s));
    p.setPen(QPen(QColor(60, 20, 20), 6 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(28 * s, 60 * s, 44 * s, 30 * s), 30 * 16, 120 * 16);
    return pm;
}

QPixmap frecciaAvanti(int lato, const QColor &riempimento, const QColor &bordo)
{
    QPixmap pm(lato, lato);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = lato / 100.0;
    QPolygonF f({QPointF(8, 38), QPointF(56, 38), QPointF(56, 14), QPointF(94, 50), QPointF(56, 86), QPointF(56, 62),
                 QPointF(8, 62)});
    for (QPointF &q : f)
        q *= s;
    p.setPen(QPen(bordo, 3 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(riempimento);
    p.drawPolygon(f);
    return pm;
}

QCursor cursoreFreccia()
{
    return QCursor(frecciaCursore(32, Qt::white), 1, 1);
}

QCursor cursoreFrecciaGrande()
{
    return QCursor(frecciaCursore(48, QColor(255, 214, 10)), 1, 1);
}

} // namespace icone
