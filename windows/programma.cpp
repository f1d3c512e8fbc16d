#include "windows/programma.h"

#include "core/avvio.h"
#include "core/casuale.h"
#include "core/stato.h"
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

int EseguiProgramma(int argc, char *argv[], const OpzioniProgramma &opzioni)
{
    QApplication app(argc, argv);
    Applicazione applicazione(app);
    // The desktop matches the window to its menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lettoria2.Lettoria2"));
    Q_INIT_RESOURCE(lettoria2);
    QIcon icona;
    // Told it is PNG, the reader does not load every picture format plugin to find out.
    for (const int lato : {16, 32, 48, 64, 128, 256})
        icona.addPixmap(QPixmap(QStringLiteral(":/lettoria2/icona%1.png").arg(lato), "PNG"));
    QApplication::setWindowIcon(icona);

    const QString cartella =
        opzioni.cartellaProgramma.isEmpty() ? QApplication::applicationDirPath() : opzioni.cartellaProgramma;
    Stato stato;
    Casuale casuale;
    DialoghiQt dialoghi;
    SuoniQt suoni(cartella);
    const Ambiente ambiente = Ambiente::diSistema(cartella);

    const EsitoAvvio esito =
        Main(stato, ambiente, dialoghi, [](const QString &font) { QFontDatabase::addApplicationFont(font); });
    if (esito.tipo != EsitoAvvio::Tipo::Prosegui)
        return 0;

    GestoreFinestre gestore(Contesto{stato, ambiente, casuale, dialoghi, suoni}, CreaFinestra);
    QObject::connect(&gestore, &GestoreFinestre::terminato, &app, &QApplication::quit, Qt::QueuedConnection);
    Finestra *avvio = gestore.mostra(IdFinestra::FormAvvio);
    if (opzioni.primaFinestra)
        opzioni.primaFinestra(avvio);
    return QApplication::exec();
}
