#include "windows/programma.h"

#include "core/avvio.h"
#include "core/casuale.h"
#include "core/cronometro.h"
#include "core/sessione.h"
#include "windows/applicazione.h"
#include "windows/dialoghiqt.h"
#include "windows/finestra.h"
#include "windows/gestorefinestre.h"
#include "windows/registro.h"
#include "windows/risultatiqt.h"
#include "windows/suoniqt.h"

#include <QApplication>
#include <QFuture>
#include <QScopeGuard>
#include <QtConcurrent>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QEvent>

#include <thread>

#ifdef LETTORIA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

// Outside any namespace: the resources' initializer is a global function.
static void CaricaRisorse()
{
    Q_INIT_RESOURCE(lettoria2);
}

namespace {

// What the start window does not need waits until it has been painted: the
// window icon (reading it loads Qt's picture format plugins and sends a large
// property to the X server) and the cursive font (registering it makes Qt read
// the whole font file), each a few milliseconds that would keep the first
// window off the screen. The cursive is first needed in the menu.
class DopoLaPrimaPittura : public QObject
{
public:
    DopoLaPrimaPittura(QWidget *finestra, std::function<void()> lavoro)
        : QObject(finestra), lavoro_(std::move(lavoro))
    {
        finestra->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint) {
            oggetto->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, lavoro_, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> lavoro_;
};

void ImpostaIcona()
{
    CaricaRisorse();
    QIcon icona;
    for (const int lato : {16, 32, 48, 64, 128, 256})
        icona.addPixmap(QPixmap(QStringLiteral(":/lettoria2/icona%1.png").arg(lato), "PNG"));
    QApplication::setWindowIcon(icona);
}

} // namespace

int EseguiProgramma(int argc, char *argv[])
{
    // Reading the machine's fonts is the largest part of a start. Fontconfig
    // reads its configuration and caches beside the application's own start
    // (the connection to the display), then Qt lists the fonts beside the
    // lock, the settings and the list; the start window's first font waits
    // for what is left.
#ifdef LETTORIA_FONTCONFIG
    std::thread fontconfig([] { FcInit(); });
    const auto attendiFontconfig = qScopeGuard([&fontconfig] { fontconfig.join(); });
#endif
    QApplication app(argc, argv);
    QFuture<void> fonti = QtConcurrent::run([] { QFontDatabase::families(); });
    const auto attendiFonti = qScopeGuard([&fonti] { fonti.waitForFinished(); }); // before the application goes
    Applicazione applicazione(app);
    // The desktop matches the window to its menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lettoria2.Lettoria2"));

    const QString cartella = QApplication::applicationDirPath();
    Sessione sessione;
    const Cronometro cronometro;
    Casuale casuale;
    DialoghiQt dialoghi;
    SuoniQt suoni(cartella);
    const Ambiente ambiente = Ambiente::diSistema(cartella);
    RisultatiQt risposte(cartella, ambiente.cartellaImpostazioni, ambiente.fileImpostazioni(), dialoghi);

    QString corsivo;
    const EsitoAvvio esito = Main(sessione, ambiente, dialoghi, [&corsivo](const QString &font) { corsivo = font; });
    if (esito.tipo != EsitoAvvio::Tipo::Prosegui)
        return 0;

    GestoreFinestre gestore(Contesto{sessione, ambiente, casuale, dialoghi, suoni, risposte, cronometro, risposte},
                            CreaFinestra);
    QObject::connect(&gestore, &GestoreFinestre::terminato, &app, &QApplication::quit, Qt::QueuedConnection);
    Finestra *avvio = gestore.mostra(IdFinestra::FormAvvio);
    const auto dopo = [corsivo, &risposte] {
        if (!corsivo.isEmpty())
            QFontDatabase::addApplicationFont(corsivo);
        ImpostaIcona();
        risposte.avvia();
    };
    if (avvio)
        new DopoLaPrimaPittura(avvio, dopo);
    else
        dopo();
    return QApplication::exec();
}
