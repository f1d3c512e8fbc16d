#pragma once

#include "core/contesto.h"
#include "windows/attivita.h"

#include <QFont>
#include <QMainWindow>

#include <memory>

class clsResize;
class Navigazione;
class QAction;
class QMenuBar;

// Gives `w` the window's colour behind it and black or white text, whichever
// reads better on that colour.
void ScriviSulloSfondo(QWidget *w, const QColor &sfondo);

// What every window of the program does: a design client area in twips,
// a new scaling object on load (75% of the screen, centred), the whole screen
// on activation, the controls rescaled on every resize, and a close request
// from the window manager routed to the window's own way out.
class Finestra : public QMainWindow
{
    Q_OBJECT
public:
    Finestra(const Attivita &attivita, const Contesto &contesto, Navigazione &navigazione);
    ~Finestra() override;

    IdFinestra id() const { return attivita_.id; }
    // What this window is, as the registry's row says.
    const Attivita &attivita() const { return attivita_; }
    // Load: scaling object, then the window's own Form_Load.
    void carica();
    // The window's scaling object.
    clsResize *scalatore() const { return resize_.get(); }

    // Twips to pixels at the screen's logical resolution (15 twips a pixel at 96 DPI).
    static int twip(double twips);
    static QRect twip(int left, int top, int width, int height);
    static QRect twip(const QRect &r) { return twip(r.left(), r.top(), r.width(), r.height()); }
    // How much larger than on a 1080-line screen the controls that take a
    // finger are drawn: in proportion to the screen's height, from a 768-line
    // screen to a 2160-line one.
    static double fattoreSchermo();
    // A font as the designs give it: face, points, bold, italic. The face is
    // the installed stand-in where the machine lacks it.
    static QFont carattere(const QString &famiglia, double punti, bool grassetto, bool corsivo = false);

    // Closed by the program: no question asked.
    void chiudiSenzaDomande();

    // "Informazioni" and "Esci" on the menu bar, for the windows that have them.
    QAction *Informazioni = nullptr;
    QAction *mnuEsci = nullptr;

signals:
    // Closed for good; the window is deleted later.
    void chiusa();

protected:
    // The design client area; every control goes inside it.
    void impostaAreaProgetto(int larghezzaTwip, int altezzaTwip);
    QWidget *area() const;
    // Places a control at its design geometry (twips) and names it.
    template <typename W>
    W *controllo(W *w, const QString &nome, int left, int top, int width, int height)
    {
        w->setObjectName(nome);
        w->setGeometry(twip(left, top, width, height));
        return w;
    }
    template <typename W>
    W *controllo(W *w, const QString &nome, const QRect &r)
    {
        return controllo(w, nome, r.left(), r.top(), r.width(), r.height());
    }

    // The menu bar, in the program's own readable colours whatever the
    // window's background.
    QMenuBar *barraMenu();
    // Adds "Informazioni" followed by `spazi` blanks (the credits box) and
    // "Esci" (the way back) to the menu bar, after the window's own entries.
    // Called before the design area is set, so the window makes room for the bar.
    void aggiungiInformazioniEsci(const QString &nomeInformazioni, int spazi);

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // A close request from the window manager, and "Esci": the window's own
    // way out, "Vuoi tornare al menù?" unless the window says otherwise.
    virtual void richiestaChiusura();

    // Yes/No "Vuoi tornare al menù?": on Yes the menu opens and this window
    // closes, its counts with it. Returns true when it left.
    bool tornaAlMenu();

    void impostaColoreSfondo(quint32 rgb);

    // A new item is on screen: the time of each answer runs from here.
    void itemMostrato();
    // One answer of the child, sent out with this activity, the list and the
    // type style in use, and the time since the item was shown.
    void registraRisposta(const QString &parola, const QString &scelta, bool esatta);

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    Contesto ctx;
    Navigazione &navigazione;

private:
    void attiva();

    Attivita attivita_;
    qint64 mostrato_ = 0;
    std::unique_ptr<clsResize> resize_;
    bool chiusuraProgrammata_ = false;
    bool attivata_ = false;
};
