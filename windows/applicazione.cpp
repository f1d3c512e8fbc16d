#include "windows/applicazione.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void PreparaApplicazione(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Lettoria2"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lettoria 2"));

    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));

    auto *traduzioni = new QTranslator(&app);
    if (traduzioni->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduzioni);
}

void RestituisciMemoriaLibera()
{
#ifdef __GLIBC__
    // Every item decodes pictures of a few hundred kilobytes on the heap, whose
    // freed pages glibc keeps for the process. Mapping each buffer on its own
    // would give them back at once, but costs a fresh zeroed page at every
    // touch, about a millisecond an item; trimming when a window closes costs
    // nothing while the child plays.
    malloc_trim(0);
#endif
}

QString FamigliaDisponibile(const QString &famiglia)
{
    // Looked up once per face, again after a font is added.
    // Case-folded name -> the name as the machine spells it.
    static QHash<QString, QString> presenti;
    static QHash<QString, QString> scelte;
    static const bool collegato = [] {
        if (qApp)
            QObject::connect(qApp, &QGuiApplication::fontDatabaseChanged, qApp, [] {
                presenti.clear();
                scelte.clear();
            });
        return true;
    }();
    Q_UNUSED(collegato);
    const auto trovata = scelte.constFind(famiglia);
    if (trovata != scelte.constEnd())
        return *trovata;
    if (presenti.isEmpty()) {
        for (const QString &f : QFontDatabase::families())
            presenti.insert(f.toCaseFolded(), f);
    }
    QString scelta = famiglia;
    if (!presenti.contains(famiglia.toCaseFolded())) {
        for (const QString &sostituta : QFont::substitutes(famiglia)) {
            const auto presente = presenti.constFind(sostituta.toCaseFolded());
            if (presente != presenti.constEnd()) {
                scelta = *presente;
                break;
            }
        }
    }
    scelte.insert(famiglia, scelta);
    return scelta;
}
