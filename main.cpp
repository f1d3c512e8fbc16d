#include "core/avvio.h"
#include "core/casuale.h"
#include "core/stato.h"
#include "windows/dialoghiqt.h"
#include "windows/gestorefinestre.h"
#include "windows/suoniqt.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettoria2"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lettoria 2"));

    // The faces the windows ask for, where the machine lacks them.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));

    // Qt's own texts in Italian: "Sì", "No", the file dialogs.
    QTranslator traduzioni;
    if (traduzioni.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioni);

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
