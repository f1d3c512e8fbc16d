#include "risultati/server.h"

#include "risultati/schema.h"

#include "core/classe.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

bool IndirizzoServer::locale() const
{
    const QString h = parametri.value(QStringLiteral("host"), host);
    return h.isEmpty() || h.startsWith(QLatin1Char('/')) || h == QLatin1String("localhost") || h.startsWith(QLatin1String("127."))
        || h == QLatin1String("::1");
}

QString IndirizzoServer::opzioni() const
{
    QMap<QString, QString> o = parametri;
    o.insert(QStringLiteral("connect_timeout"), QStringLiteral("2"));
    if (!o.contains(QStringLiteral("sslmode")) && !locale())
        o.insert(QStringLiteral("sslmode"), QStringLiteral("require"));
    // A server that stops answering in the middle of a statement is given up
    // after 2 s on this side too.
    if (!locale())
        o.insert(QStringLiteral("tcp_user_timeout"), QStringLiteral("2000"));
    o.insert(QStringLiteral("options"), QStringLiteral("-c statement_timeout=2000 -c lock_timeout=2000"));
    o.insert(QStringLiteral("application_name"), QStringLiteral("lettoria2"));
    QStringList parti;
    for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
        // libpq's quoting: in single quotes, with \ and ' escaped. The
        // driver turns ';' into a space, so none may be in a value.
        QString v = it.value();
        v.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
        parti.append(it.key() + QLatin1String("='") + v + QLatin1Char('\''));
    }
    return parti.join(QLatin1Char(';'));
}

std::optional<IndirizzoServer> LeggiIndirizzo(const QString &testo, QString *errore)
{
    const auto no = [&](const QString &perche) -> std::optional<IndirizzoServer> {
        if (errore)
            *errore = perche;
        return std::nullopt;
    };
    IndirizzoServer a;
    a.testo = testo.trimmed();
    QString resto = a.testo;
    bool schema = false;
    for (const char *inizio : {"postgresql://", "postgres://"}) {
        if (resto.startsWith(QLatin1String(inizio), Qt::CaseInsensitive)) {
            resto = resto.mid(static_cast<int>(qstrlen(inizio)));
            schema = true;
        }
    }
    if (!schema)
        return no(QStringLiteral("L'indirizzo deve cominciare con postgresql:// (per esempio postgresql://lettoria@server-scuola/lettoria)."));
    if (resto.contains(QLatin1Char(';')))
        return no(QStringLiteral("L'indirizzo non può contenere il punto e virgola."));
    const qsizetype domanda = resto.indexOf(QLatin1Char('?'));
    const QString query = domanda < 0 ? QString() : resto.mid(domanda + 1);
    resto = resto.left(domanda < 0 ? resto.size() : domanda);
    const qsizetype barra = resto.indexOf(QLatin1Char('/'));
    a.database = barra < 0 ? QString() : QUrl::fromPercentEncoding(resto.mid(barra + 1).toUtf8());
    QString autorita = barra < 0 ? resto : resto.left(barra);
    const qsizetype chiocciola = autorita.lastIndexOf(QLatin1Char('@'));
    if (chiocciola >= 0) {
        const QString utente = autorita.left(chiocciola);
        if (utente.contains(QLatin1Char(':')))
            return no(QStringLiteral("La password non si scrive nell'indirizzo: va nel file .pgpass di questo computer "
                                     "(vedi il LEGGIMI, \"L'archivio della scuola\")."));
        a.utente = QUrl::fromPercentEncoding(utente.toUtf8());
        autorita = autorita.mid(chiocciola + 1);
    }
    QString porta;
    if (autorita.startsWith(QLatin1Char('['))) { // [::1]:5432
        const qsizetype chiusa = autorita.indexOf(QLatin1Char(']'));
        if (chiusa < 0)
            return no(QStringLiteral("L'indirizzo del server non è scritto bene."));
        a.host = autorita.mid(1, chiusa - 1);
        porta = autorita.mid(chiusa + 1);
        if (!porta.isEmpty() && !porta.startsWith(QLatin1Char(':')))
            return no(QStringLiteral("L'indirizzo del server non è scritto bene."));
        porta = porta.mid(1);
    } else {
        const qsizetype duePunti = autorita.lastIndexOf(QLatin1Char(':'));
        a.host = QUrl::fromPercentEncoding(autorita.left(duePunti < 0 ? autorita.size() : duePunti).toUtf8());
        porta = duePunti < 0 ? QString() : autorita.mid(duePunti + 1);
    }
    if (!porta.isEmpty()) {
        bool ok = false;
        a.porta = porta.toInt(&ok);
        if (!ok || a.porta < 1 || a.porta > 65535)
            return no(QStringLiteral("La porta del server deve essere un numero da 1 a 65535."));
    }
    for (const QString &coppia : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const qsizetype uguale = coppia.indexOf(QLatin1Char('='));
        const QString chiave = QUrl::fromPercentEncoding(coppia.left(uguale < 0 ? coppia.size() : uguale).toUtf8());
        const QString valore = uguale < 0 ? QString() : QUrl::fromPercentEncoding(coppia.mid(uguale + 1).toUtf8());
        if (chiave == QLatin1String("password"))
            return no(QStringLiteral("La password non si scrive nell'indirizzo: va nel file .pgpass di questo computer "
                                     "(vedi il LEGGIMI, \"L'archivio della scuola\")."));
        if (valore.contains(QLatin1Char(';')))
            return no(QStringLiteral("L'indirizzo non può contenere il punto e virgola."));
        a.parametri.insert(chiave, valore);
    }
    if (a.host.isEmpty() && !a.parametri.contains(QStringLiteral("host")))
        return no(QStringLiteral("Nell'indirizzo manca il nome del server."));
    return a;
}

QString MotivoServer(const QString &messaggio, const IndirizzoServer &indirizzo)
{
    const QString m = messaggio.toLower();
    const auto ha = [&](std::initializer_list<const char *> parti) {
        for (const char *p : parti) {
            if (m.contains(QLatin1String(p)))
                return true;
        }
        return false;
    };
    const QString utente = indirizzo.utente.isEmpty() ? QStringLiteral("di questo computer") : indirizzo.utente;
    const QString host = indirizzo.parametri.value(QStringLiteral("host"), indirizzo.host);
    // libpq's and the server's messages, in English or in Italian.
    if (ha({"password authentication failed", "autenticazione con password fallita"}))
        return QStringLiteral("La password dell'utente %1 è sbagliata: correggila nel file .pgpass di questo computer.").arg(utente);
    if (ha({"no password supplied", "nessuna password"}))
        return QStringLiteral("Manca la password dell'utente %1: va scritta nel file .pgpass di questo computer.").arg(utente);
    if (ha({"database \"", "il database \""}) && ha({"does not exist", "non esiste"}))
        return QStringLiteral("Il database %1 non esiste sul server %2.").arg(indirizzo.database, host);
    if (ha({"role \"", "il ruolo \""}) && ha({"does not exist", "non esiste"}))
        return QStringLiteral("L'utente %1 non esiste sul server %2.").arg(utente, host);
    if (ha({"ssl", "tls"}))
        return QStringLiteral("Il server %1 non accetta un collegamento cifrato (TLS), che fuori da questo computer è "
                              "obbligatorio.").arg(host);
    if (ha({"permission denied", "permesso negato"}))
        return QStringLiteral("L'utente %1 non ha i permessi che servono sul server (vedi il LEGGIMI, \"L'archivio della "
                              "scuola\").").arg(utente);
    // A connection that broke leaves no message at all.
    if (m.trimmed().isEmpty() || ha({"could not connect", "could not translate", "connection refused", "timeout", "no route", "unreachable",
            "connection to server", "no such file or directory", "is the server running", "nessun file o directory",
            "impossibile connettersi", "impossibile tradurre", "connessione rifiutata", "scaduto", "irraggiungibile",
            "server closed the connection", "terminating connection", "no connection to the server"}))
        return QStringLiteral("Il server %1 non risponde: controlla il nome, la porta e la rete.").arg(host);
    return QStringLiteral("Il server %1 ha risposto: %2").arg(host, messaggio.trimmed());
}

bool ApriServer(const QString &nomeConnessione, const IndirizzoServer &indirizzo, QString *motivo)
{
    QSqlDatabase db = QSqlDatabase::contains(nomeConnessione) ? QSqlDatabase::database(nomeConnessione, false)
                                                              : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nomeConnessione);
    if (!db.isValid()) {
        *motivo = QStringLiteral("Manca il pacchetto che fa parlare Lettoria con PostgreSQL (libqt6sql6-psql).");
        return false;
    }
    if (db.isOpen())
        return true;
    if (!indirizzo.host.isEmpty())
        db.setHostName(indirizzo.host);
    if (indirizzo.porta > 0)
        db.setPort(indirizzo.porta);
    db.setUserName(indirizzo.utente);
    db.setDatabaseName(indirizzo.database);
    db.setConnectOptions(indirizzo.opzioni());
    if (db.open())
        return true;
    *motivo = MotivoServer(db.lastError().databaseText() + QLatin1Char(' ') + db.lastError().driverText(), indirizzo);
    return false;
}

namespace {
// Any number, the same in every copy of the program: the lock its copies take
// to prepare the tables one at a time.
constexpr qint64 ChiavePreparazione = 0x4c6574746f726961; // "Lettoria"
}

StatoServer PreparaServer(QSqlDatabase &db, const IndirizzoServer &indirizzo, QString *motivo)
{
    QSqlQuery q(db);
    const auto errore = [&](const QSqlError &e) {
        *motivo = MotivoServer(e.databaseText(), indirizzo);
        db.rollback();
        return StatoServer::Errore;
    };
    if (!db.transaction())
        return errore(db.lastError());
    q.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(?)"));
    q.addBindValue(ChiavePreparazione);
    if (!q.exec())
        return errore(q.lastError());
    // The version lives in a table of its own (SQLite keeps it in its header).
    if (!q.exec(QStringLiteral("SELECT to_regclass('versione_schema') IS NOT NULL")) || !q.next())
        return errore(q.lastError());
    int versione = 0;
    if (q.value(0).toBool()) {
        if (!q.exec(QStringLiteral("SELECT COALESCE(MAX(versione), 0) FROM versione_schema")) || !q.next())
            return errore(q.lastError());
        versione = q.value(0).toInt();
    } else if (!q.exec(QStringLiteral("CREATE TABLE versione_schema (versione INTEGER NOT NULL)"))) {
        return errore(q.lastError());
    }
    if (versione > VersioneSchema()) {
        db.rollback();
        *motivo = QStringLiteral("Le tabelle sul server vengono da una versione più nuova di Lettoria (%1, questa conosce "
                                 "la %2): aggiorna il programma su questo computer.").arg(versione).arg(VersioneSchema());
        return StatoServer::Nuovo;
    }
    for (int v = versione; v < VersioneSchema(); ++v) {
        for (const QString &istruzione : Migrazioni().at(v)) {
            if (!q.exec(istruzione))
                return errore(q.lastError());
        }
    }
    if (versione < VersioneSchema()) {
        q.prepare(QStringLiteral("DELETE FROM versione_schema"));
        if (!q.exec())
            return errore(q.lastError());
        q.prepare(QStringLiteral("INSERT INTO versione_schema (versione) VALUES (?)"));
        q.addBindValue(VersioneSchema());
        if (!q.exec())
            return errore(q.lastError());
    }
    if (!db.commit())
        return errore(db.lastError());
    return StatoServer::Pronto;
}

bool LeggiClasseServer(QSqlDatabase &db, QList<Bambino> *classe, QString *errore)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT nome, segno FROM classe ORDER BY posizione")) || !q.exec()) {
        if (errore)
            *errore = q.lastError().databaseText();
        return false;
    }
    classe->clear();
    while (q.next())
        classe->append({q.value(0).toString(), q.value(1).toString()});
    return true;
}

bool ScriviClasseServer(QSqlDatabase &db, const QList<Bambino> &classe)
{
    QSqlQuery q(db);
    bool ok = db.transaction() && q.prepare(QStringLiteral("DELETE FROM classe")) && q.exec()
        && q.prepare(QStringLiteral("INSERT INTO classe (posizione, nome, segno) VALUES (?, ?, ?)"));
    for (int i = 0; ok && i < classe.size(); ++i) {
        q.bindValue(0, i + 1);
        q.bindValue(1, classe.at(i).nome);
        q.bindValue(2, classe.at(i).segno.isNull() ? QString(QLatin1String("")) : classe.at(i).segno);
        ok = q.exec();
    }
    ok = ok && db.commit();
    if (!ok)
        db.rollback();
    return ok;
}

EsitoProva ProvaServer(const QString &testo)
{
    EsitoProva esito;
    const std::optional<IndirizzoServer> indirizzo = LeggiIndirizzo(testo, &esito.errore);
    if (!indirizzo)
        return esito;
    const QString nome = QStringLiteral("lettoria_prova_server");
    {
        if (ApriServer(nome, *indirizzo, &esito.errore)) {
            QSqlDatabase db = QSqlDatabase::database(nome, false);
            QString errore;
            if (PreparaServer(db, *indirizzo, &esito.errore) == StatoServer::Pronto && !LeggiClasseServer(db, &esito.classe, &errore))
                esito.errore = MotivoServer(errore, *indirizzo);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(nome);
    return esito;
}

// The class list the teacher chose, written on the school's server and then
// in this PC's `fileClasse`.
bool PortaClasseAlServer(const QString &testo, const QList<Bambino> &classe, const QString &fileClasse)
{
    QString motivo;
    const std::optional<IndirizzoServer> indirizzo = LeggiIndirizzo(testo, &motivo);
    if (!indirizzo)
        return false;
    const QString nome = QStringLiteral("lettoria_porta_classe");
    bool scritta = false;
    if (ApriServer(nome, *indirizzo, &motivo)) {
        QSqlDatabase db = QSqlDatabase::database(nome, false);
        scritta = PreparaServer(db, *indirizzo, &motivo) == StatoServer::Pronto && ScriviClasseServer(db, classe);
        db.close();
    }
    QSqlDatabase::removeDatabase(nome); // once no handle to it is left
    if (!scritta)
        qWarning("Lettoria 2: the class list is not on the school's server: %s", qPrintable(motivo));
    return scritta && ScriviClasse(fileClasse, classe);
}
