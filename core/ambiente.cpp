#include "core/ambiente.h"

#include "core/indicecartelle.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
QString unisci(const QString &cartella, const QString &nome)
{
    return QDir(cartella).filePath(nome);
}
} // namespace

Ambiente::Ambiente() : indice(std::make_shared<IndiceCartelle>()) {}

QString Ambiente::fileImpostazioni() const { return unisci(cartellaImpostazioni, QStringLiteral("Lettoria2.INI")); }
QString Ambiente::fileLeggimi() const { return unisci(cartellaImpostazioni, QStringLiteral("leggimi.txt")); }
QString Ambiente::fileClasse() const { return unisci(cartellaImpostazioni, QStringLiteral("Bambini.txt")); }
QString Ambiente::cartellaImmagini() const { return unisci(cartellaProgramma, QStringLiteral("images0")); }
QString Ambiente::cartellaListe() const { return unisci(cartellaProgramma, QStringLiteral("testilettoria2")); }
QString Ambiente::cartellaSuoni() const { return unisci(cartellaProgramma, QStringLiteral("suoni")); }
QString Ambiente::fileFontProgramma() const { return unisci(cartellaProgramma, QStringLiteral("indis1.ttf")); }
QString Ambiente::listaPredefinita() const { return unisci(cartellaListe(), QStringLiteral("tutte.txt")); }

Ambiente Ambiente::diSistema(const QString &cartellaEseguibile)
{
    Ambiente a;
    a.cartellaProgramma = QDir::cleanPath(cartellaEseguibile);
#ifdef Q_OS_WIN
    a.cartellaImpostazioni = QStringLiteral("C:/ImpostazioniProgrammiQuorla");
    a.cartellaFont = unisci(qEnvironmentVariable("LOCALAPPDATA"), QStringLiteral("Microsoft/Windows/Fonts"));
#else
    a.cartellaImpostazioni = unisci(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                                    QStringLiteral("ImpostazioniProgrammiQuorla"));
    a.cartellaFont = unisci(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                            QStringLiteral("fonts"));
#endif
    // One copy per user: on a shared classroom PC each child's account has its own lock.
    QString cartellaBlocco = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (cartellaBlocco.isEmpty())
        cartellaBlocco = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    QString utente = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    utente.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")));
    a.fileBlocco = unisci(cartellaBlocco, QStringLiteral("Lettoria2-%1.lock").arg(utente));
    return a;
}
