#include "windows/programma.h"

#include "core/avvio.h"
#include "core/casuale.h"
#include "core/cronometro.h"
#include "core/risposte.h"
#include "core/sessione.h"
#include "windows/applicazione.h"
#include "windows/dialoghiqt.h"
#include "windows/finestra.h"
#include "windows/gestorefinestre.h"
#include "windows/registro.h"
#include "windows/suoniqt.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QEvent>

// Outside any namespace: the resources' initializer is a global function.
static void CaricaRisorse()
{
    Q_INIT_RESOURCE(lettoria2);
}

namespace {

// The window icon is read from its pictures once the first window has been
// painted: reading them loads Qt's picture format plugins and sends a large
// property to the X server, which would keep the first window off the screen
// for a few milliseconds more. The window shows at once; its icon follows.
class IconaRitardata : public QObject
{
public:
    explicit IconaRitardata(QWidget *finestra) : QObject(finestra) { finestra->installEventFilter(this); }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint) {
            oggetto->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, [] {
                CaricaRisorse();
                QIcon icona;
                for (const int lato : {16, 32, 48, 64, 128, 256})
                    icona.addPixmap(QPixmap(QStringLiteral(":/lettoria2/icona%1.png").arg(lato), "PNG"));
                QApplication::setWindowIcon(icona);
            }, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }
};

void ImpostaIconaDopoLaPrimaPittura(QWidget *finestra)
{
    if (finestra)
        new IconaRitardata(finestra);
}

} // namespace

int EseguiProgramma(int argc, char *argv[], const OpzioniProgramma &opzioni)
{
    QApplication app(argc, argv);
    Applicazione applicazione(app);
    // The desktop matches the window to its menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lettoria2.Lettoria2"));

    const QString cartella =
        opzioni.cartellaProgramma.isEmpty() ? QApplication::applicationDirPath() : opzioni.cartellaProgramma;
    Sessione sessione;
    NessunRegistro risposte;
    const Cronometro cronometro;
    Casuale casuale;
    DialoghiQt dialoghi;
    SuoniQt suoni(cartella);
    const Ambiente ambiente = Ambiente::diSistema(cartella);

    const EsitoAvvio esito =
        Main(sessione, ambiente, dialoghi, [](const QString &font) { QFontDatabase::addApplicationFont(font); });
    if (esito.tipo != EsitoAvvio::Tipo::Prosegui)
        return 0;

    GestoreFinestre gestore(Contesto{sessione, ambiente, casuale, dialoghi, suoni, risposte, cronometro}, CreaFinestra);
    QObject::connect(&gestore, &GestoreFinestre::terminato, &app, &QApplication::quit, Qt::QueuedConnection);
    Finestra *avvio = gestore.mostra(IdFinestra::FormAvvio);
    ImpostaIconaDopoLaPrimaPittura(avvio);
    if (opzioni.primaFinestra)
        opzioni.primaFinestra(avvio);
    return QApplication::exec();
}
