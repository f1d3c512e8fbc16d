#include "windows/applicazione.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
Applicazione *inCorso = nullptr;
} // namespace

Applicazione::Applicazione(QApplication &app) : traduzioni_(new QTranslator(&app))
{
    QApplication::setApplicationName(QStringLiteral("Lettoria2"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lettoria 2"));

    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));

    if (traduzioni_->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduzioni_);

    aggiornamento_ = QObject::connect(&app, &QGuiApplication::fontDatabaseChanged, &app, [this] {
        presenti_.clear();
        scelte_.clear();
    });
    inCorso = this;
}

Applicazione::~Applicazione()
{
    QObject::disconnect(aggiornamento_);
    if (inCorso == this)
        inCorso = nullptr;
}

QString Applicazione::famiglia(const QString &famiglia)
{
    const auto trovata = scelte_.constFind(famiglia);
    if (trovata != scelte_.constEnd())
        return *trovata;
    if (presenti_.isEmpty()) {
        for (const QString &f : QFontDatabase::families())
            presenti_.insert(f.toCaseFolded(), f);
    }
    QString scelta = famiglia;
    if (!presenti_.contains(famiglia.toCaseFolded())) {
        for (const QString &sostituta : QFont::substitutes(famiglia)) {
            const auto presente = presenti_.constFind(sostituta.toCaseFolded());
            if (presente != presenti_.constEnd()) {
                scelta = *presente;
                break;
            }
        }
    }
    scelte_.insert(famiglia, scelta);
    return scelta;
}

QString FamigliaDisponibile(const QString &famiglia)
{
    return inCorso ? inCorso->famiglia(famiglia) : famiglia;
}
