#include "windows/applicazione.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void PreparaApplicazione(QApplication &app)
{
#ifdef __GLIBC__
    // Every item decodes pictures of a few hundred kilobytes. Kept on the heap,
    // their freed buffers stay with the process for good; mapped on their own,
    // they go back to the system as soon as they are freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
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
