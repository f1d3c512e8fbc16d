#include "core/classe.h"

#include "core/estrazione.h"
#include "core/paroleliste.h"
#include "core/salvataggio.h"

#include <QFile>

#include <QSet>

QString LetturaClasse::messaggio() const
{
    QStringList parti;
    if (!troppoLunghi.isEmpty())
        parti.append(QStringLiteral("più lunghi di %1 caratteri: %2").arg(MassimoLunghezzaNome).arg(troppoLunghi.join(QStringLiteral(", "))));
    if (!ripetuti.isEmpty())
        parti.append(QStringLiteral("ripetuti: %1").arg(ripetuti.join(QStringLiteral(", "))));
    if (!oltre.isEmpty())
        parti.append(QStringLiteral("oltre i %1 bambini: %2").arg(MassimoBambini).arg(oltre.join(QStringLiteral(", "))));
    if (parti.isEmpty())
        return {};
    return QStringLiteral("Alcuni nomi di %1 non sono stati presi (%2).").arg(NomeFileClasse, parti.join(QStringLiteral("; ")));
}

LetturaClasse LeggiClasse(const QString &percorso)
{
    LetturaClasse esito;
    if (!FileEsiste(percorso))
        return esito;
    // Children's names, however the file was written (by hand, copied from
    // a stick): for the teacher's account only.
    const QFileDevice::Permissions privato = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if ((QFile::permissions(percorso) & ~(privato | QFileDevice::ReadUser | QFileDevice::WriteUser)) != 0)
        QFile::setPermissions(percorso, privato);
    // A few more lines than a class holds, so that what is left out can be told.
    const LetturaLista lettura = LeggiListaParole(percorso, 4 * MassimoBambini);
    QSet<QString> visti;
    for (const QString &riga : lettura.parole) {
        const qsizetype tab = riga.indexOf(QLatin1Char('\t'));
        const QString nome = riga.left(tab).trimmed();
        const QString segno = tab < 0 ? QString() : riga.mid(tab + 1).trimmed();
        if (nome.isEmpty())
            continue;
        if (nome.size() > MassimoLunghezzaNome) {
            esito.troppoLunghi.append(nome);
            continue;
        }
        const QString chiave = ChiaveParola(nome);
        if (visti.contains(chiave)) {
            esito.ripetuti.append(nome);
            continue;
        }
        if (esito.bambini.size() == MassimoBambini) {
            esito.oltre.append(nome);
            continue;
        }
        visti.insert(chiave);
        esito.bambini.append({nome, NomeSemplice(segno) ? segno : QString()});
    }
    return esito;
}

bool ScriviClasse(const QString &percorso, const QList<Bambino> &bambini, QString *errore)
{
    QByteArray testo("\xEF\xBB\xBF");
    for (const Bambino &b : bambini) {
        testo += b.nome.toUtf8();
        if (!b.segno.isEmpty())
            testo += '\t' + b.segno.toUtf8();
        testo += "\r\n";
    }
    // Children's names: for the teacher's account only.
    return ScriviFileIntero(percorso, testo, errore, true);
}

QString MotivoNomeNonValido(const QString &nome, const QList<Bambino> &classe)
{
    const QString n = nome.trimmed();
    if (n.isEmpty())
        return QStringLiteral("Scrivi il nome del bambino.");
    if (n.size() > MassimoLunghezzaNome)
        return QStringLiteral("Il nome è troppo lungo: al massimo %1 caratteri.").arg(MassimoLunghezzaNome);
    if (n.contains(QLatin1Char(',')) || n.contains(QLatin1Char('"')) || n.contains(QLatin1Char('\t')))
        return QStringLiteral("Il nome non può contenere virgole, virgolette o tabulazioni.");
    for (const Bambino &b : classe)
        if (ChiaveParola(b.nome) == ChiaveParola(n))
            return QStringLiteral("C'è già un bambino con questo nome.");
    if (classe.size() >= MassimoBambini)
        return QStringLiteral("La classe ha già %1 bambini.").arg(MassimoBambini);
    return {};
}
