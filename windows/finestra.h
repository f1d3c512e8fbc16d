#pragma once

#include "core/contesto.h"

#include <QFont>
#include <QMainWindow>

class clsResize;
class GestoreFinestre;
enum class IdFinestra;

// What every window of the program does: a design client area in twips,
// a new scaling object on load (75% of the screen, centred), the whole screen
// on activation, the controls rescaled on every resize, and a close request
// from the window manager routed to the window's own way out.
class Finestra : public QMainWindow
{
    Q_OBJECT
public:
    Finestra(IdFinestra id, const Contesto &contesto, GestoreFinestre &gestore);
    ~Finestra() override;

    IdFinestra id() const { return id_; }
    // Load: scaling object, then the window's own Form_Load.
    void carica();
    clsResize *scalatore() const { return resize_.get(); }

    // Twips to pixels at the screen's logical resolution (15 twips a pixel at 96 DPI).
    static int twip(double twips);
    static QRect twip(int left, int top, int width, int height);
    // A font as the designs give it: face, points, bold, italic.
    static QFont carattere(const QString &famiglia, double punti, bool grassetto, bool corsivo = false);

    // Closed by the program: no question asked.
    void chiudiSenzaDomande();

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

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // A close request from the window manager: the window's own way out.
    virtual void richiestaChiusura() = 0;

    // Yes/No "Vuoi tornare al menù?": on Yes the counters go to 0, the menu
    // opens and this window closes. Returns true when it left.
    bool tornaAlMenu();

    void impostaColoreSfondo(quint32 rgb);

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    Contesto ctx;
    GestoreFinestre &gestore;

private:
    void attiva();

    IdFinestra id_;
    std::unique_ptr<clsResize> resize_;
    bool chiusuraProgrammata_ = false;
    bool attivata_ = false;
};
