#include "core/avvio.h"
#include "core/casuale.h"
#include "core/stato.h"
#include "windows/applicazione.h"
#include "windows/dialoghiqt.h"
#include "windows/gestorefinestre.h"
#include "windows/suoniqt.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>

#ifdef LETTORIA_MISURA_AVVIO
#include "bench/primapittura.h"
#include "windows/finestra.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PreparaApplicazione(app);
    // The desktop matches the window to its menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lettoria2.Lettoria2"));
    QIcon icona;
    // Told it is PNG, the reader does not load every picture format plugin to
    // find out.
    for (const int lato : {16, 32, 48, 64, 128, 256})
        icona.addPixmap(QPixmap(QStringLiteral(":/lettoria2/icona%1.png").arg(lato), "PNG"));
    QApplication::setWindowIcon(icona);

    Stato stato;
    Casuale casuale;
    DialoghiQt dialoghi;
    SuoniQt suoni;
    const Ambiente ambiente = Ambiente::diSistema(QApplication::applicationDirPath());

    const EsitoAvvio esito = Main(stato, ambiente, dialoghi,
                                  [](const QString &font) { QFontDatabase::addApplicationFont(font); });
    if (esito.tipo != EsitoAvvio::Tipo::Prosegui)
        return 0;

    GestoreFinestre gestore(Contesto{stato, ambiente, casuale, dialoghi, suoni});
    QObject::connect(&gestore, &GestoreFinestre::terminato, &app, &QApplication::quit, Qt::QueuedConnection);
    [[maybe_unused]] Finestra *avvio = gestore.mostra(IdFinestra::FormAvvio);
#ifdef LETTORIA_MISURA_AVVIO
    // The benchmark's start-up probe: report the end of the first paint and quit.
    SegnalaFinePrimaPittura(avvio);
#endif
    return QApplication::exec();
}
