#include "core/avvio.h"
#include "core/casuale.h"
#include "core/stato.h"
#include "windows/applicazione.h"
#include "windows/dialoghiqt.h"
#include "windows/gestorefinestre.h"
#include "windows/suoniqt.h"

#include <QApplication>
#include <QFontDatabase>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PreparaApplicazione(app);

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
    gestore.mostra(IdFinestra::FormAvvio);
    return QApplication::exec();
}
