#include "windows/puzzles/giocopuzzle.h"

#include "core/casuale.h"
#include "windows/puzzles/modellopuzzle.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
// Dark lines: the pictures are mostly light, often on white. The empty
// cell is the same dark tray, so a piece being slid leaves no seam behind.
const QColor Fondo(0, 0, 90);
const QColor Oro(255, 204, 0);
const QColor kScelta(255, 230, 0);

int segno(int n)
{
    return (n > 0) - (n < 0);
}

QPainterPath stella(QPointF centro, double raggio, double rotazione)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? raggio : raggio * 0.45;
        const double a = rotazione - M_PI / 2 + i * M_PI / 5;
        const QPointF punto(centro.x() + r * std::cos(a), centro.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(punto);
        else
            path.lineTo(punto);
    }
    path.closeSubpath();
    return path;
}
} // namespace

QImage ImmagineSostitutiva(const QString &parola, QSize dimensione)
{
    if (dimensione.isEmpty())
        return {};
    QImage img(dimensione, QImage::Format_RGB32);
    const int w = dimensione.width();
    const int h = dimensione.height();
    // Hue runs across, brightness down: every piece gets a colour of its own.
    for (int y = 0; y < h; ++y) {
        auto *riga = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int tinta = (x * 300 / w + y * 60 / h) % 360;
            riga[x] = QColor::fromHsv(tinta, 170, 255 - 90 * y / h).rgb();
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    const int lato = std::min(w, h);
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < 7; ++j)
            if ((i + j) % 2 == 0)
                p.drawEllipse(QPointF((i + 0.5) * w / 7.0, (j + 0.5) * h / 7.0), lato / 30.0, lato / 30.0);

    const QString testo = parola.trimmed();
    if (!testo.isEmpty()) {
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        int pixel = h / 5;
        f.setPixelSize(pixel);
        while (pixel > 8 && QFontMetrics(f).horizontalAdvance(testo) > w * 9 / 10) {
            pixel = pixel * 9 / 10;
            f.setPixelSize(pixel);
        }
        QPainterPath path;
        const QFontMetrics fm(f);
        path.addText((w - fm.horizontalAdvance(testo)) / 2.0, (h + fm.ascent() - fm.descent()) / 2.0, f, testo);
        p.setPen(QPen(QColor(40, 40, 90), std::max(2.0, pixel / 12.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(path);
    }
    return img;
}

std::vector<int> AspettiPezzi(const QImage &immagine, int righe, int colonne)
{
    const int n = righe * colonne;
    std::vector<int> aspetto(static_cast<size_t>(std::max(0, n)));
    std::iota(aspetto.begin(), aspetto.end(), 0);
    if (immagine.isNull() || n <= 1)
        return aspetto;
    // Each piece seen as a small block of averaged colours; blocks that differ
    // nowhere by more than a shade are the same to the eye (and to JPEG noise).
    constexpr int Lato = 12;
    constexpr int Tolleranza = 18;
    const QImage piccola = immagine.scaled(colonne * Lato, righe * Lato, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
    auto uguali = [&](int a, int b) {
        const int ax = (a % colonne) * Lato, ay = (a / colonne) * Lato;
        const int bx = (b % colonne) * Lato, by = (b / colonne) * Lato;
        for (int y = 0; y < Lato; ++y) {
            const auto *ra = reinterpret_cast<const QRgb *>(piccola.constScanLine(ay + y)) + ax;
            const auto *rb = reinterpret_cast<const QRgb *>(piccola.constScanLine(by + y)) + bx;
            for (int x = 0; x < Lato; ++x)
                if (std::abs(qRed(ra[x]) - qRed(rb[x])) > Tolleranza || std::abs(qGreen(ra[x]) - qGreen(rb[x])) > Tolleranza
                    || std::abs(qBlue(ra[x]) - qBlue(rb[x])) > Tolleranza)
                    return false;
        }
        return true;
    };
    for (int k = 1; k < n; ++k)
        for (int j = 0; j < k; ++j)
            if (aspetto[static_cast<size_t>(j)] == j && uguali(j, k)) {
                aspetto[static_cast<size_t>(k)] = j;
                break;
            }
    return aspetto;
}

GiocoPuzzle::GiocoPuzzle(Casuale &casuale, QWidget *parent) : QWidget(parent), casuale_(casuale)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

GiocoPuzzle::~GiocoPuzzle() = default;

void GiocoPuzzle::setRighe(int righe)
{
    righe_ = std::clamp(righe, 1, Puzzle::MaxLato);
}

void GiocoPuzzle::setColonne(int colonne)
{
    colonne_ = std::clamp(colonne, 1, Puzzle::MaxLato);
}

void GiocoPuzzle::setSpessorelinea(int spessore)
{
    spessore_ = std::clamp(spessore, 0, MaxSpessore);
    update();
}

void GiocoPuzzle::setPicture(const QImage &picture)
{
    picture_ = picture;
    scalataValida_ = false;
    tagliaImmagine();
    update();
}

void GiocoPuzzle::tagliaImmagine()
{
    const QImage sorgente = picture_.isNull() ? ImmagineSostitutiva(QString(), QSize(240, 240)) : picture_;
    puzzle_.impostaAspetto(AspettiPezzi(sorgente, puzzle_.righe(), puzzle_.colonne()));
}

void GiocoPuzzle::setPuzzleascambio(bool scambio)
{
    scambio_ = scambio;
}

void GiocoPuzzle::Mischia()
{
    annullaTocco();
    if (movimento_)
        movimento_->stop();
    if (festa_)
        festa_->stop();
    scivolamenti_.clear();
    selezionata_ = -1;
    puzzle_ = Puzzle(righe_, colonne_, scambio_);
    tagliaImmagine();
    puzzle_.mischia(casuale_);
    update();
}

bool GiocoPuzzle::disponi(const std::vector<int> &pezzi)
{
    if (!puzzle_.disponi(pezzi))
        return false;
    selezionata_ = -1;
    annullaTocco();
    update();
    return true;
}

int GiocoPuzzle::bordo() const
{
    return BordoPuzzle(size());
}

QRect GiocoPuzzle::rettangoloTavola() const
{
    // Without a picture the stand-in is square.
    return AreaPuzzle(size(), picture_.isNull() ? QSize(1, 1) : picture_.size());
}

QRect GiocoPuzzle::rettangoloCella(int cella) const
{
    if (!puzzle_.valida(cella))
        return {};
    const QRect t = rettangoloTavola();
    const int r = puzzle_.riga(cella);
    const int c = puzzle_.colonna(cella);
    const int n = puzzle_.colonne();
    const int m = puzzle_.righe();
    const int x0 = c * t.width() / n;
    const int x1 = (c + 1) * t.width() / n;
    const int y0 = r * t.height() / m;
    const int y1 = (r + 1) * t.height() / m;
    return QRect(t.x() + x0, t.y() + y0, x1 - x0, y1 - y0);
}

QRect GiocoPuzzle::rettangoloPezzo(int cella) const
{
    QRect q = rettangoloCella(cella);
    if (q.isNull())
        return q;
    // A line of `spessorelinea` pixels is centred on each inner border.
    const int prima = spessore_ - spessore_ / 2;
    const int dopo = spessore_ / 2;
    const int c = puzzle_.colonna(cella);
    const int r = puzzle_.riga(cella);
    q.adjust(c > 0 ? prima : 0, r > 0 ? prima : 0, c < puzzle_.colonne() - 1 ? -dopo : 0,
             r < puzzle_.righe() - 1 ? -dopo : 0);
    return q;
}

int GiocoPuzzle::cellaIn(QPoint punto) const
{
    const QRect t = rettangoloTavola();
    if (t.isEmpty() || !t.adjusted(-bordo(), -bordo(), bordo(), bordo()).contains(punto))
        return -1;
    // A finger on the white edge means the piece beside it.
    const QPoint q(std::clamp(punto.x(), t.left(), t.right()) - t.left(), std::clamp(punto.y(), t.top(), t.bottom()) - t.top());
    const int c = std::min(q.x() * puzzle_.colonne() / std::max(1, t.width()), puzzle_.colonne() - 1);
    const int r = std::min(q.y() * puzzle_.righe() / std::max(1, t.height()), puzzle_.righe() - 1);
    // Integer borders: the point may sit just past the computed cell.
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
            const int rr = r + dr, cc = c + dc;
            if (rr < 0 || cc < 0 || rr >= puzzle_.righe() || cc >= puzzle_.colonne())
                continue;
            const int cella = rr * puzzle_.colonne() + cc;
            if (rettangoloCella(cella).contains(q + t.topLeft()))
                return cella;
        }
    return -1;
}

const QImage &GiocoPuzzle::immagineScalata()
{
    const QSize tavola = rettangoloTavola().size();
    if (scalataValida_ && scalata_.size() == tavola)
        return scalata_;
    scalataValida_ = true;
    if (tavola.isEmpty()) {
        scalata_ = QImage();
        return scalata_;
    }
    // The board has the picture's proportions: this keeps them too.
    const QImage sorgente = picture_.isNull() ? ImmagineSostitutiva(QString(), tavola) : picture_;
    // An opaque picture stays opaque: drawn on the opaque window it is a plain copy.
    scalata_ = sorgente.scaled(tavola, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scalata_ = scalata_.convertToFormat(scalata_.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return scalata_;
}

bool GiocoPuzzle::animazioneInCorso() const
{
    return (movimento_ && movimento_->state() == QAbstractAnimation::Running)
           || (festa_ && festa_->state() == QAbstractAnimation::Running);
}

int GiocoPuzzle::soglia() const
{
    // A finger or a pen wobbles more than a mouse: a tap stays a tap
    // until the point has really travelled.
    const QRect cella = rettangoloCella(0);
    return std::max(QApplication::startDragDistance(), std::min(cella.width(), cella.height()) / 8);
}

QPoint GiocoPuzzle::direzioneVersoVuota(int cella) const
{
    const int v = puzzle_.vuota();
    if (v < 0 || !puzzle_.valida(cella) || cella == v)
        return {};
    if (puzzle_.riga(cella) == puzzle_.riga(v))
        return QPoint(segno(puzzle_.colonna(v) - puzzle_.colonna(cella)), 0);
    if (puzzle_.colonna(cella) == puzzle_.colonna(v))
        return QPoint(0, segno(puzzle_.riga(v) - puzzle_.riga(cella)));
    return {};
}

int GiocoPuzzle::passo(QPoint direzione) const
{
    const QRect cella = rettangoloCella(0);
    return direzione.x() != 0 ? cella.width() : cella.height();
}

int GiocoPuzzle::spostamentoScorrimento() const
{
    const QPoint d = direzioneVersoVuota(tocco_.cella);
    const QPoint delta = tocco_.ora - tocco_.inizio;
    const int proiezione = delta.x() * d.x() + delta.y() * d.y();
    return std::clamp(proiezione, 0, passo(d));
}

bool GiocoPuzzle::inScorrimento(int cella) const
{
    if (scambio_ || !tocco_.trascinando)
        return false;
    const int v = puzzle_.vuota();
    const QPoint d = direzioneVersoVuota(tocco_.cella);
    if (d.isNull())
        return false;
    const int salto = d.x() + d.y() * puzzle_.colonne();
    for (int c = tocco_.cella; c != v; c += salto)
        if (c == cella)
            return true;
    return false;
}

QPoint GiocoPuzzle::spostamentoDisegnato(int cella) const
{
    QPoint s;
    const int pz = puzzle_.pezzo(cella);
    if (movimento_ && scivolamenti_.contains(pz)) {
        const double t = movimento_->currentValue().toDouble();
        const QPoint inizio = scivolamenti_.value(pz);
        s += QPoint(static_cast<int>(std::lround(inizio.x() * t)), static_cast<int>(std::lround(inizio.y() * t)));
    }
    if (tocco_.trascinando) {
        if (scambio_ && cella == tocco_.cella)
            s += tocco_.ora - tocco_.inizio;
        else if (inScorrimento(cella))
            s += direzioneVersoVuota(tocco_.cella) * spostamentoScorrimento();
    }
    return s;
}

QHash<int, QPoint> GiocoPuzzle::posizioniAttuali() const
{
    QHash<int, QPoint> pos;
    for (int c = 0; c < puzzle_.celle(); ++c)
        pos.insert(puzzle_.pezzo(c), rettangoloPezzo(c).topLeft() + spostamentoDisegnato(c));
    return pos;
}

void GiocoPuzzle::annullaTocco()
{
    tocco_ = Tocco();
}

void GiocoPuzzle::dopoMossa(const QHash<int, QPoint> &prima)
{
    // Each piece glides from where it was drawn to its new cell.
    QHash<int, QPoint> scivolamenti;
    for (int c = 0; c < puzzle_.celle(); ++c) {
        const int pz = puzzle_.pezzo(c);
        const QPoint distanza = prima.value(pz) - rettangoloPezzo(c).topLeft();
        if (!distanza.isNull() && c != puzzle_.vuota())
            scivolamenti.insert(pz, distanza);
    }
    if (movimento_)
        movimento_->stop();
    scivolamenti_ = scivolamenti;
    if (!scivolamenti_.isEmpty() && isVisible() && animato_) {
        auto *a = new QVariantAnimation(this);
        a->setStartValue(1.0);
        a->setEndValue(0.0);
        a->setDuration(160);
        a->setEasingCurve(QEasingCurve::OutCubic);
        connect(a, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
        connect(a, &QVariantAnimation::finished, this, [this] { scivolamenti_.clear(); update(); });
        movimento_ = a;
        a->start(QAbstractAnimation::DeleteWhenStopped);
    } else {
        scivolamenti_.clear();
    }
}

void GiocoPuzzle::fineTocco(QPoint punto)
{
    const Tocco t = tocco_;
    const QHash<int, QPoint> prima = posizioniAttuali();
    bool mosso = false;
    if (scambio_) {
        if (t.trascinando) {
            selezionata_ = -1;
            mosso = puzzle_.scambia(t.cella, cellaIn(punto));
        } else if (selezionata_ < 0) {
            selezionata_ = t.cella;
        } else if (selezionata_ == t.cella) {
            selezionata_ = -1;
        } else {
            mosso = puzzle_.scambia(selezionata_, t.cella);
            selezionata_ = -1;
        }
    } else if (t.trascinando) {
        // A drag past a third of the way is finished for the child.
        if (spostamentoScorrimento() * 3 >= passo(direzioneVersoVuota(t.cella)))
            mosso = puzzle_.scorri(t.cella);
    } else {
        mosso = puzzle_.scorri(t.cella);
    }
    annullaTocco();
    // Moved or not, a dragged piece glides to where it now belongs.
    dopoMossa(prima);
    update();
    if (!mosso)
        return;
    emit pezziMossi();
    if (puzzle_.risolto()) {
        if (isVisible() && animato_) {
            auto *a = new QVariantAnimation(this);
            a->setStartValue(0.0);
            a->setEndValue(1.0);
            a->setDuration(1800);
            connect(a, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
            festa_ = a;
            a->start(QAbstractAnimation::DeleteWhenStopped);
        }
        emit completato();
    }
}

void GiocoPuzzle::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || puzzle_.risolto())
        return;
    const QPoint punto = event->position().toPoint();
    const int cella = cellaIn(punto);
    if (cella < 0 || cella == puzzle_.vuota())
        return;
    tocco_ = Tocco{true, false, cella, punto, punto};
}

void GiocoPuzzle::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (!tocco_.attivo)
        return;
    tocco_.ora = event->position().toPoint();
    if (!tocco_.trascinando && (tocco_.ora - tocco_.inizio).manhattanLength() >= soglia()) {
        tocco_.trascinando = scambio_ || puzzle_.scorrevole(tocco_.cella);
        if (tocco_.trascinando && scambio_)
            selezionata_ = -1;
    }
    if (tocco_.trascinando)
        update();
}

void GiocoPuzzle::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!tocco_.attivo || event->button() != Qt::LeftButton)
        return;
    tocco_.ora = event->position().toPoint();
    fineTocco(tocco_.ora);
}

void GiocoPuzzle::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Every place in hand was measured on the old size.
    scalataValida_ = false;
    annullaTocco();
    if (movimento_)
        movimento_->stop();
    scivolamenti_.clear();
}

void GiocoPuzzle::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QImage &img = immagineScalata();
    if (img.isNull())
        return;

    // The board keeps the picture's proportions; the tray shows around it and
    // a white edge, as around the model beside it, tells the board from the
    // tray (and an empty cell at a corner from the margin).
    const QRect tavola = rettangoloTavola();
    p.fillRect(rect(), Fondo);
    {
        // Stroked, not filled: only the ring is painted, the pieces and lines cover the rest.
        const double b = bordo();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, b));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(tavola).adjusted(-b / 2, -b / 2, b / 2, b / 2), b / 2, b / 2);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    if (puzzle_.risolto() && !(movimento_ && movimento_->state() == QAbstractAnimation::Running)) {
        p.drawImage(tavola.topLeft(), img);
        disegnaFesta(p);
        return;
    }
    // Where a piece is cut from the picture scaled to the board.
    auto taglio = [&](int cella) { return rettangoloPezzo(puzzle_.pezzo(cella)).translated(-tavola.topLeft()); };

    const int vuota = puzzle_.vuota();
    const int sollevata = scambio_ && tocco_.trascinando ? tocco_.cella : -1;
    if (sollevata >= 0) {
        // Where the lifted piece came from: a dim ghost of it on the tray.
        const QRect r = rettangoloPezzo(sollevata);
        p.fillRect(r, Fondo);
        p.setOpacity(0.3);
        p.drawImage(r, img, taglio(sollevata));
        p.setOpacity(1.0);
    }

    auto pezzo = [&](int cella, QPoint spostamento) {
        p.drawImage(rettangoloPezzo(cella).translated(spostamento), img, taglio(cella));
    };
    QList<int> inMoto;
    for (int c = 0; c < puzzle_.celle(); ++c) {
        if (c == vuota || c == sollevata)
            continue;
        const QPoint s = spostamentoDisegnato(c);
        if (s.isNull())
            pezzo(c, s);
        else
            inMoto.append(c);
    }
    for (int c : std::as_const(inMoto))
        pezzo(c, spostamentoDisegnato(c));

    p.setRenderHint(QPainter::Antialiasing);
    const QRect base = rettangoloCella(0);
    const int cornice = std::max(3, std::min(base.width(), base.height()) / 18);
    auto evidenzia = [&](int cella, const QColor &colore) {
        p.setPen(QPen(colore, cornice, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rettangoloPezzo(cella)).adjusted(cornice / 2.0, cornice / 2.0, -cornice / 2.0, -cornice / 2.0));
    };
    if (selezionata_ >= 0)
        evidenzia(selezionata_, kScelta);

    if (sollevata >= 0) {
        const int destinazione = cellaIn(tocco_.ora);
        if (destinazione >= 0 && destinazione != sollevata)
            evidenzia(destinazione, kScelta);
        // The lifted piece floats above the others, with a soft shadow.
        const QRect r = rettangoloPezzo(sollevata).translated(tocco_.ora - tocco_.inizio);
        const int ombra = std::max(4, cornice);
        p.fillRect(r.translated(ombra, ombra), QColor(0, 0, 0, 90));
        p.drawImage(r, img, taglio(sollevata));
        // Yellow edge: a white piece must stand out over white pieces too.
        const int bordo = std::max(2, cornice / 2);
        p.setPen(QPen(kScelta, bordo, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(QRectF(r).adjusted(bordo / 2.0, bordo / 2.0, -bordo / 2.0, -bordo / 2.0));
    }
}

void GiocoPuzzle::disegnaFesta(QPainter &p)
{
    const bool inCorso = festa_ && festa_->state() == QAbstractAnimation::Running;
    const double t = inCorso ? festa_->currentValue().toDouble() : 1.0;
    p.setRenderHint(QPainter::Antialiasing);
    const QRect tavola = rettangoloTavola();

    // First the lines and the gap fade away, showing the whole picture.
    const double svanisce = std::clamp(1.0 - t / 0.35, 0.0, 1.0);
    if (svanisce > 0) {
        p.setOpacity(svanisce);
        for (int c = 1; c < puzzle_.colonne(); ++c) {
            const int x = rettangoloCella(c).left();
            p.fillRect(x - spessore_ / 2, tavola.top(), spessore_, tavola.height(), Fondo);
        }
        for (int r = 1; r < puzzle_.righe(); ++r) {
            const int y = rettangoloCella(r * puzzle_.colonne()).top();
            p.fillRect(tavola.left(), y - spessore_ / 2, tavola.width(), spessore_, Fondo);
        }
        if (!puzzle_.scambio())
            p.fillRect(rettangoloPezzo(puzzle_.celle() - 1), Fondo);
        p.setOpacity(1.0);
    }

    // Then a golden frame that swells gently a few times and stays.
    const int lato = std::min(tavola.width(), tavola.height());
    const double base = std::max(6.0, lato / 28.0);
    const double crescita = std::clamp(t / 0.35, 0.0, 1.0);
    const double pulsa = inCorso ? 1.0 + 0.4 * std::sin(t * 4 * M_PI) * (1.0 - t) : 1.0;
    const double spessore = base * crescita * pulsa;
    if (spessore > 0.5) {
        p.setPen(QPen(Oro, spessore, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(tavola).adjusted(spessore / 2, spessore / 2, -spessore / 2, -spessore / 2));
        p.setPen(QPen(Qt::white, std::max(1.0, spessore / 5)));
        p.drawRect(QRectF(tavola).adjusted(spessore, spessore, -spessore, -spessore));

        // A star in each corner.
        const double raggio = base * 2.2 * crescita * pulsa;
        const double giro = inCorso ? t * 2 * M_PI : 0.0;
        p.setPen(QPen(QColor(200, 120, 0), std::max(1.0, raggio / 10)));
        p.setBrush(Oro);
        const double m = base * 2.9; // whole stars, inside the frame's corners
        const QRectF angoli = QRectF(tavola).adjusted(m, m, -m, -m);
        for (const QPointF &centro : {angoli.topLeft(), angoli.topRight(), angoli.bottomLeft(), angoli.bottomRight()})
            p.drawPath(stella(centro, raggio, giro));
    }
}
