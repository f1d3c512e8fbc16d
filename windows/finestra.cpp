#include "windows/finestra.h"

#include "core/colori.h"
#include "core/crediti.h"
#include "core/cronometro.h"
#include "core/risposte.h"
#include "core/sessione.h"
#include "core/dialoghi.h"
#include "windows/scaling/clsresize.h"
#include "windows/applicazione.h"
#include "windows/navigazione.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <cmath>

Finestra::Finestra(const Attivita &attivita, const Contesto &contesto, Navigazione &n)
    : QMainWindow(nullptr, Qt::Window | Qt::FramelessWindowHint), ctx(contesto), navigazione(n), attivita_(attivita)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(TitoloProgramma);
    setAutoFillBackground(true);
}

Finestra::~Finestra() = default;

int Finestra::twip(double twips)
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInch() : 96.0;
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

QRect Finestra::twip(int left, int top, int width, int height)
{
    return QRect(twip(left), twip(top), twip(width), twip(height));
}

double Finestra::fattoreSchermo()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const double altezza = s ? s->geometry().height() : 1080.0;
    return std::clamp(altezza / 1080.0, 768.0 / 1080.0, 2.0);
}

QFont Finestra::carattere(const QString &famiglia, double punti, bool grassetto, bool corsivo)
{
    QFont f(FamigliaDisponibile(famiglia));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    return f;
}

void Finestra::impostaAreaProgetto(int larghezzaTwip, int altezzaTwip)
{
    auto *a = new QWidget(this);
    a->setObjectName(QStringLiteral("qt_area_cliente"));
    setCentralWidget(a);
    // The window takes the design client size plus its menu bar, if any.
    const int barra = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    resize(twip(larghezzaTwip), twip(altezzaTwip) + barra);
    a->resize(twip(larghezzaTwip), twip(altezzaTwip));
}

QWidget *Finestra::area() const
{
    return centralWidget();
}

QMenuBar *Finestra::barraMenu()
{
    const bool nuova = !menuWidget();
    QMenuBar *barra = menuBar();
    if (nuova) {
        barra->setNativeMenuBar(false);
        // "Esci" is the only way back from most windows: on a whiteboard it must
        // take a finger, 40 pixels tall on a 1080-line screen and in proportion on
        // others, in black on light grey over any background colour of the window.
        const double f = fattoreSchermo();
        QFont font = carattere(QStringLiteral("Arial"), 12, true);
        font.setPixelSize(qRound(20 * f));
        barra->setFont(font);
        const int verticale = std::max(2, (static_cast<int>(std::ceil(40 * f)) - QFontMetrics(font).height() + 1) / 2);
        const int orizzontale = qRound(14 * f);
        barra->setStyleSheet(QStringLiteral("QMenuBar { background: rgb(240, 240, 240); color: black; }"
                                            "QMenuBar::item { padding: %1px %2px; background: transparent; color: black; }"
                                            "QMenuBar::item:selected, QMenuBar::item:pressed { background: rgb(190, 215, 255); }"
                                            "QMenu { background: white; color: black; border: 1px solid gray; }"
                                            "QMenu::item { padding: %1px %2px %1px %3px; }"
                                            "QMenu::item:selected { background: rgb(190, 215, 255); color: black; }"
                                            "QMenu::indicator { width: %4px; height: %4px; left: %5px; }")
                                 .arg(verticale)
                                 .arg(orizzontale)
                                 .arg(qRound(44 * f))
                                 .arg(qRound(20 * f))
                                 .arg(qRound(10 * f)));
    }
    return barra;
}

void Finestra::aggiungiInformazioniEsci(const QString &nomeInformazioni, int spazi)
{
    QMenuBar *barra = barraMenu();
    Informazioni = barra->addAction(QStringLiteral("Informazioni") + QString(spazi, QLatin1Char(' ')));
    Informazioni->setObjectName(nomeInformazioni);
    connect(Informazioni, &QAction::triggered, this, [this] { MostraCrediti(ctx.dialoghi); });
    mnuEsci = barra->addAction(QStringLiteral("Esci"));
    mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    connect(mnuEsci, &QAction::triggered, this, [this] { richiestaChiusura(); });
}

void Finestra::carica()
{
    resize_ = std::make_unique<clsResize>();
    resize_->setSourceForm(this);
    resize_->SizeFormToScreen(75);
    Form_Load();
}

void Finestra::chiudiSenzaDomande()
{
    chiusuraProgrammata_ = true;
    close();
}

void Finestra::richiestaChiusura()
{
    tornaAlMenu();
}

bool Finestra::tornaAlMenu()
{
    if (!ctx.dialoghi.chiedi(QStringLiteral("Vuoi tornare al menù?")))
        return false;
    navigazione.tornaAlMenu(this);
    return true;
}

void ScriviSulloSfondo(QWidget *w, const QColor &sfondo)
{
    const QColor testo = QColor::fromRgb(TestoLeggibile(sfondo.rgb() & 0xFFFFFF));
    QPalette p = w->palette();
    p.setColor(QPalette::Window, sfondo);
    p.setColor(QPalette::Button, sfondo);
    p.setColor(QPalette::WindowText, testo);
    p.setColor(QPalette::ButtonText, testo);
    p.setColor(QPalette::Text, testo);
    w->setPalette(p);
}

void Finestra::itemMostrato()
{
    mostrato_ = ctx.cronometro.millisecondi();
}

void Finestra::registraRisposta(const QString &parola, const QString &scelta, bool esatta)
{
    Risposta r;
    r.bambino = ctx.sessione.bambino;
    r.attivita = QString::fromUtf8(attivita_.testo);
    r.parola = parola;
    r.scelta = scelta;
    r.esatta = esatta;
    r.millisecondi = std::max<qint64>(0, ctx.cronometro.millisecondi() - mostrato_);
    r.lista = ctx.sessione.lista.nomeFile();
    r.carattere = ctx.sessione.Carattere;
    if (!r.bambino.isEmpty())
        ctx.sessione.ripasso.risposta(parola, esatta);
    ctx.risposte.registra(r);
}

void Finestra::impostaColoreSfondo(quint32 rgb)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgb(rgb));
    setPalette(p);
}

void Finestra::attiva()
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s)
        setGeometry(s->geometry());
    Form_Activate();
}

void Finestra::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!attivata_) {
        attivata_ = true;
        attiva();
    }
}

void Finestra::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (resize_)
        resize_->ResizeControls();
}

void Finestra::closeEvent(QCloseEvent *event)
{
    if (chiusuraProgrammata_) {
        event->accept();
        emit chiusa();
        return;
    }
    event->ignore();
    // Answered after this close request has ended: a window cannot be closed
    // from inside its own refused close.
    QMetaObject::invokeMethod(this, [this] { richiestaChiusura(); }, Qt::QueuedConnection);
}
