#include "risultati/datisql.h"

#include "core/carattere.h"
#include "core/estrazione.h"
#include "core/gruppi.h"

#include <QMap>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace datisql {

namespace {


// Local time with its offset, to the second: 2026-03-02T09:15:00+01:00.
QString TestoMomento(const QDateTime &momento)
{
    const int scarto = momento.offsetFromUtc();
    const QDateTime locale = momento.toUTC().addSecs(scarto);
    const int minuti = std::abs(scarto) / 60;
    return locale.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (scarto < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        + QStringLiteral("%1:%2").arg(minuti / 60, 2, 10, QLatin1Char('0')).arg(minuti % 60, 2, 10, QLatin1Char('0'));
}

QDateTime MomentoDaTesto(const QString &testo)
{
    return QDateTime::fromString(testo, Qt::ISODate);
}

// The day and the time a child answered, as she saw them on the clock.
QDate GiornoDaTesto(const QString &momento)
{
    return QDate::fromString(momento.left(10), Qt::ISODate);
}

QDate Lunedi(const QDate &giorno)
{
    return giorno.addDays(1 - giorno.dayOfWeek());
}

qint64 Millisecondi(const QDateTime &momento)
{
    return momento.toMSecsSinceEpoch();
}

// The first id after the moment: ids are UTC milliseconds times 2^20 plus a count.
qint64 IdDopo(const QDateTime &momento)
{
    return (std::max<qint64>(0, Millisecondi(momento)) + 1) << 20;
}

// A field of the CSV, in quotes when it holds a separator, a quote or a line
// end. A text a spreadsheet would take for a formula (a name typed as
// "=..." or "+...") is kept as text by the apostrophe spreadsheets read so.
QByteArray CampoCsv(const QString &testo)
{
    QByteArray b = testo.toUtf8();
    if (!b.isEmpty() && QByteArrayView("=+-@\t\r").contains(b.front()))
        b.prepend('\'');
    if (b.contains(';') || b.contains('"') || b.contains('\n') || b.contains('\r'))
        b = '"' + b.replace("\"", "\"\"") + '"';
    return b;
}

// How sure a child is of each group, from his or her answers newest first
// (the word's groups as bits): secure after at least 8 answers, 80 % of them
// right and the last 3 right.
QList<Padronanza> Livelli(const QList<QPair<quint32, bool>> &recenti)
{
    const int n = static_cast<int>(NomiGruppi().size());
    QList<int> risposte(n, 0), giuste(n, 0);
    QList<bool> ultimeGiuste(n, true);
    for (const auto &[gruppi, esatta] : recenti) {
        for (int g = 0; g < n; ++g) {
            if (!(gruppi & (1u << g)))
                continue;
            ++risposte[g];
            giuste[g] += esatta;
            if (risposte[g] <= 3 && !esatta)
                ultimeGiuste[g] = false;
        }
    }
    QList<Padronanza> livelli(n, Padronanza::NonVisto);
    for (int g = 0; g < n; ++g) {
        if (risposte[g] == 0)
            continue;
        const bool sicuro = risposte[g] >= 8 && giuste[g] * 5 >= risposte[g] * 4 && ultimeGiuste[g];
        livelli[g] = sicuro ? Padronanza::Sicuro : Padronanza::Imparando;
    }
    return livelli;
}


} // namespace

QString Momento(const QDateTime &momento)
{
    return TestoMomento(momento);
}

// In time order, and unique: the milliseconds, then 20 bits counted on from a
// random start, so that two answers of one millisecond differ here and those
// of two PCs almost surely do.
qint64 NuovoId(const QDateTime &momento)
{
    static std::atomic<quint32> contatore{QRandomGenerator::system()->generate()};
    return IdDopo(momento.addMSecs(-1)) | (contatore++ & 0xFFFFF);
}

Scrittore::Scrittore(QSqlDatabase &db, bool postaInUscita)
    : db_(db), postaInUscita_(postaInUscita), cercaBambino_(db), nuovoBambino_(db), prossimoBambino_(db), cercaTesto_(db),
      nuovoTesto_(db), prossimoTesto_(db), risposta_(db), casella_(db), posta_(db)
{
    cercaBambino_.prepare(QStringLiteral("SELECT id FROM bambini WHERE nome = ?"));
    prossimoBambino_.prepare(QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM bambini"));
    nuovoBambino_.prepare(QStringLiteral("INSERT INTO bambini (id, nome) VALUES (?, ?) ON CONFLICT DO NOTHING"));
    cercaTesto_.prepare(QStringLiteral("SELECT id FROM testi WHERE testo = ?"));
    prossimoTesto_.prepare(QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM testi"));
    nuovoTesto_.prepare(QStringLiteral("INSERT INTO testi (id, testo) VALUES (?, ?) ON CONFLICT DO NOTHING"));
    risposta_.prepare(QStringLiteral("INSERT INTO registrazioni (id, bambino, momento, attivita, parola, scelta,"
                                     " esatta, millisecondi, lista, carattere) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                                     " ON CONFLICT DO NOTHING"));
    // Right: one box up, to 5 at most; wrong: back to box 1.
    casella_.prepare(QStringLiteral("INSERT INTO caselle (bambino, parola, casella) VALUES (?, ?, ?)"
                                    " ON CONFLICT (bambino, parola) DO UPDATE SET casella ="
                                    " CASE WHEN excluded.casella = 1 THEN 1 WHEN caselle.casella >= 5 THEN 5"
                                    " ELSE caselle.casella + 1 END"));
    if (postaInUscita_)
        posta_.prepare(QStringLiteral("INSERT INTO da_inviare (bambino, id) VALUES (?, ?) ON CONFLICT DO NOTHING"));
}

void Scrittore::dimentica()
{
    bambini_.clear();
    testi_.clear();
}

qint64 Scrittore::fallito(const QSqlQuery &q)
{
    errore_ = q.lastError();
    return -1;
}

// The id of a name or a text, added when new; -1 on an error. Another
// writer (another PC on the school's server) may take the same new id or
// add the same text at the same moment: then it is looked up again.
qint64 Scrittore::id(QHash<QString, qint64> &noti, QSqlQuery &cerca, QSqlQuery &prossimo, QSqlQuery &nuovo, const QString &dato)
{
    // No text (a drop on the "Errati" caption asks no word) is the empty
    // text: a null would bind as NULL, which the column refuses, and the
    // store would give up keeping answers.
    const QString testo = dato.isNull() ? QString(QLatin1String("")) : dato;
    const auto trovato = noti.constFind(testo);
    if (trovato != noti.constEnd())
        return *trovato;
    for (int prova = 0; prova < 20; ++prova) {
        cerca.addBindValue(testo);
        if (!cerca.exec())
            return fallito(cerca);
        qint64 id = cerca.next() ? cerca.value(0).toLongLong() : -1;
        cerca.finish();
        if (id < 0) {
            if (!prossimo.exec() || !prossimo.next())
                return fallito(prossimo);
            id = prossimo.value(0).toLongLong();
            prossimo.finish();
            nuovo.addBindValue(id);
            nuovo.addBindValue(testo);
            if (!nuovo.exec())
                return fallito(nuovo);
            if (nuovo.numRowsAffected() != 1)
                continue;
        }
        noti.insert(testo, id);
        return id;
    }
    return fallito(nuovo);
}

bool Scrittore::scrivi(const QList<DaScrivere> &lotto)
{
    errore_ = QSqlError();
    bool ok = db_.transaction();
    if (!ok)
        errore_ = db_.lastError();
    for (auto it = lotto.begin(); ok && it != lotto.end(); ++it) {
        const RispostaRegistrata &r = it->risposta;
        const qint64 bambino = id(bambini_, cercaBambino_, prossimoBambino_, nuovoBambino_, r.bambino);
        const auto testo = [&](const QString &t) { return id(testi_, cercaTesto_, prossimoTesto_, nuovoTesto_, t); };
        const qint64 attivita = testo(r.risposta.attivita), parola = testo(r.risposta.parola), scelta = testo(r.risposta.scelta),
                     lista = testo(r.risposta.lista), carattere = testo(TestoCarattere(r.risposta.carattere));
        ok = bambino >= 0 && attivita >= 0 && parola >= 0 && scelta >= 0 && lista >= 0 && carattere >= 0;
        if (!ok)
            break;
        QSqlQuery &q = risposta_;
        q.bindValue(0, it->id);
        q.bindValue(1, bambino);
        q.bindValue(2, TestoMomento(r.momento));
        q.bindValue(3, attivita);
        q.bindValue(4, parola);
        q.bindValue(5, scelta);
        q.bindValue(6, r.risposta.esatta ? 1 : 0);
        q.bindValue(7, r.risposta.millisecondi);
        q.bindValue(8, lista);
        q.bindValue(9, carattere);
        ok = q.exec();
        if (!ok) {
            errore_ = q.lastError();
            break;
        }
        const bool nuova = q.numRowsAffected() == 1;
        // The box moves with the answer, never twice for one answer; no word asked, no box.
        if (nuova && !ChiaveParola(r.risposta.parola).isEmpty()) {
            casella_.bindValue(0, bambino);
            casella_.bindValue(1, ChiaveParola(r.risposta.parola));
            casella_.bindValue(2, r.risposta.esatta ? 2 : 1);
            ok = casella_.exec();
            if (!ok)
                errore_ = casella_.lastError();
        }
        if (ok && nuova && postaInUscita_) {
            posta_.bindValue(0, bambino);
            posta_.bindValue(1, it->id);
            ok = posta_.exec();
            if (!ok)
                errore_ = posta_.lastError();
        }
    }
    if (ok) {
        ok = db_.commit();
        if (!ok)
            errore_ = db_.lastError();
    }
    if (!ok) {
        db_.rollback();
        // Ids read in the transaction may be gone with it.
        dimentica();
    }
    return ok;
}

namespace {

qint64 IdBambino(QSqlDatabase &db, const QString &bambino)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT id FROM bambini WHERE nome = ?"));
    q.addBindValue(bambino);
    return q.exec() && q.next() ? q.value(0).toLongLong() : -1;
}

QHash<qint64, QString> Testi(QSqlDatabase &db)
{
    QHash<qint64, QString> t;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT id, testo FROM testi"))) {
        while (q.next())
            t.insert(q.value(0).toLongLong(), q.value(1).toString());
    }
    return t;
}

QList<Padronanza> LivelliDelBambino(QSqlDatabase &db, qint64 bambino, const QDateTime &adesso, const QList<quint32> &gruppi)
{
    QList<QPair<quint32, bool>> recenti;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT parola, esatta FROM registrazioni WHERE bambino = ? AND id >= ? AND id < ?"
                             " ORDER BY id DESC"));
    q.addBindValue(bambino);
    q.addBindValue(IdDopo(adesso.addDays(-30)));
    q.addBindValue(IdDopo(adesso));
    if (q.exec()) {
        while (q.next()) {
            const qint64 parola = q.value(0).toLongLong();
            recenti.append({parola >= 0 && parola < gruppi.size() ? gruppi.at(parola) : 0u, q.value(1).toInt() == 1});
        }
    }
    return Livelli(recenti);
}

} // namespace

bool CancellaBambino(QSqlDatabase &db, const QString &bambino)
{
    const qint64 id = IdBambino(db, bambino);
    if (id < 0)
        return db.lastError().type() == QSqlError::NoError;
    QSqlQuery q(db);
    bool ok = db.transaction();
    for (const char *istruzione : {"DELETE FROM da_inviare WHERE bambino = ?", "DELETE FROM registrazioni WHERE bambino = ?",
                                   "DELETE FROM caselle WHERE bambino = ?", "DELETE FROM bambini WHERE id = ?"}) {
        ok = ok && q.prepare(QLatin1String(istruzione));
        q.addBindValue(id);
        ok = ok && q.exec();
    }
    ok = ok && db.commit();
    if (!ok)
        db.rollback();
    return ok;
}

bool RinominaBambino(QSqlDatabase &db, const QString &vecchio, const QString &nuovo)
{
    if (IdBambino(db, nuovo) >= 0)
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE bambini SET nome = ? WHERE nome = ?"));
    q.addBindValue(nuovo);
    q.addBindValue(vecchio);
    return q.exec();
}

// The groups of every text as bits, indexed by the text's id.
QList<quint32> Lettore::gruppiDeiTesti(QSqlDatabase &db)
{
    const QHash<qint64, QString> t = Testi(db);
    qint64 massimo = 0;
    for (auto it = t.constBegin(); it != t.constEnd(); ++it)
        massimo = std::max(massimo, it.key());
    QList<quint32> gruppi(massimo + 1, 0);
    std::lock_guard<std::mutex> l(mutexGruppi_);
    for (auto it = t.constBegin(); it != t.constEnd(); ++it) {
        auto noto = gruppiDelTesto_.constFind(it.value());
        if (noto == gruppiDelTesto_.constEnd()) {
            quint32 bit = 0;
            for (const QString &g : GruppiDellaParola(it.value()))
                bit |= 1u << NomiGruppi().indexOf(g);
            noto = gruppiDelTesto_.insert(it.value(), bit);
        }
        gruppi[it.key()] = *noto;
    }
    return gruppi;
}

QList<RispostaRegistrata> Lettore::risposte(QSqlDatabase &db, const QString &bambino)
{
    QList<RispostaRegistrata> elenco;
    const qint64 id = db.isOpen() ? IdBambino(db, bambino) : -1;
    if (id < 0)
        return elenco;
    const QHash<qint64, QString> t = Testi(db);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT momento, attivita, parola, scelta, esatta, millisecondi, lista, carattere"
                             " FROM registrazioni WHERE bambino = ? ORDER BY id"));
    q.addBindValue(id);
    if (!q.exec())
        return elenco;
    while (q.next()) {
        RispostaRegistrata r;
        r.bambino = r.risposta.bambino = bambino;
        r.momento = MomentoDaTesto(q.value(0).toString());
        r.risposta.attivita = t.value(q.value(1).toLongLong());
        r.risposta.parola = t.value(q.value(2).toLongLong());
        r.risposta.scelta = t.value(q.value(3).toLongLong());
        r.risposta.esatta = q.value(4).toInt() == 1;
        r.risposta.millisecondi = q.value(5).toLongLong();
        r.risposta.lista = t.value(q.value(6).toLongLong());
        r.risposta.carattere = CarattereDaTesto(t.value(q.value(7).toLongLong()));
        elenco.append(r);
    }
    return elenco;
}

QHash<QString, int> Lettore::caselle(QSqlDatabase &db, const QString &bambino)
{
    QHash<QString, int> c;
    if (!db.isOpen())
        return c;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT c.parola, c.casella FROM caselle c JOIN bambini b ON b.id = c.bambino WHERE b.nome = ?"));
    q.addBindValue(bambino);
    if (q.exec()) {
        while (q.next())
            c.insert(q.value(0).toString(), q.value(1).toInt());
    }
    return c;
}

QuadroClasse Lettore::quadroClasse(QSqlDatabase &db, const QStringList &bambini, const QDateTime &adesso)
{
    QuadroClasse quadro;
    quadro.gruppi = NomiGruppi();
    quadro.bambini = bambini;
    const QList<quint32> gruppi = db.isOpen() ? gruppiDeiTesti(db) : QList<quint32>();
    for (const QString &bambino : bambini) {
        const qint64 id = db.isOpen() ? IdBambino(db, bambino) : -1;
        quadro.livelli.append(id < 0 ? QList<Padronanza>(quadro.gruppi.size(), Padronanza::NonVisto)
                                     : LivelliDelBambino(db, id, adesso, gruppi));
    }
    return quadro;
}

PaginaBambino Lettore::paginaBambino(QSqlDatabase &db, const QString &bambino, const QDateTime &adesso)
{
    PaginaBambino pagina;
    pagina.bambino = bambino;
    pagina.al = adesso.date();
    // Twelve weeks, Monday to Sunday, the last one today's.
    const int Settimane = 12;
    pagina.dal = Lunedi(pagina.al).addDays(-7 * (Settimane - 1));
    for (int s = 0; s < Settimane; ++s)
        pagina.settimane.append({pagina.dal.addDays(7 * s), 0, 0});
    QList<Padronanza> livelli(NomiGruppi().size(), Padronanza::NonVisto);
    const qint64 id = db.isOpen() ? IdBambino(db, bambino) : -1;
    if (id >= 0) {
        const QHash<qint64, QString> t = Testi(db);
        const QList<quint32> gruppi = gruppiDeiTesti(db);
        QDateTime inizio = adesso;
        inizio.setDate(pagina.dal);
        inizio.setTime(QTime(0, 0));
        const qint64 trentaGiorni = IdDopo(adesso.addDays(-30));
        QMap<QDate, int> giorni;
        QHash<QPair<qint64, qint64>, int> errori;
        QMap<qint64, PaginaBambino::TempoAttivita> tempi;
        QList<QPair<quint32, bool>> recenti;
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT momento, attivita, parola, scelta, esatta, millisecondi, id FROM registrazioni"
                                 " WHERE bambino = ? AND id >= ? AND id < ? ORDER BY id"));
        q.addBindValue(id);
        q.addBindValue(IdDopo(inizio.addMSecs(-1)));
        q.addBindValue(IdDopo(adesso));
        if (q.exec()) {
            while (q.next()) {
                const QDate giorno = GiornoDaTesto(q.value(0).toString());
                const qint64 attivita = q.value(1).toLongLong(), parola = q.value(2).toLongLong();
                const bool esatta = q.value(4).toInt() == 1;
                ++giorni[giorno];
                const qint64 settimana = pagina.dal.daysTo(giorno) / 7;
                if (settimana >= 0 && settimana < Settimane) {
                    ++pagina.settimane[settimana].risposte;
                    pagina.settimane[settimana].giuste += esatta;
                }
                if (!esatta)
                    ++errori[{parola, q.value(3).toLongLong()}];
                PaginaBambino::TempoAttivita &tempo = tempi[attivita];
                tempo.millisecondi += q.value(5).toLongLong();
                ++tempo.risposte;
                if (q.value(6).toLongLong() >= trentaGiorni)
                    recenti.append({parola < gruppi.size() ? gruppi.at(parola) : 0u, esatta});
            }
        }
        for (auto it = giorni.constBegin(); it != giorni.constEnd(); ++it)
            pagina.giorni.append({it.key(), it.value()});
        for (auto it = errori.constBegin(); it != errori.constEnd(); ++it)
            pagina.errori.append({t.value(it.key().first), t.value(it.key().second), it.value()});
        std::sort(pagina.errori.begin(), pagina.errori.end(), [](const auto &a, const auto &b) {
            return a.volte != b.volte ? a.volte > b.volte : (a.parola != b.parola ? a.parola < b.parola : a.scelta < b.scelta);
        });
        for (auto it = tempi.begin(); it != tempi.end(); ++it) {
            it->attivita = t.value(it.key());
            pagina.tempi.append(*it);
        }
        std::sort(pagina.tempi.begin(), pagina.tempi.end(), [](const auto &a, const auto &b) {
            return a.millisecondi != b.millisecondi ? a.millisecondi > b.millisecondi : a.attivita < b.attivita;
        });
        std::reverse(recenti.begin(), recenti.end());
        livelli = Livelli(recenti);
    }
    for (int g = 0; g < livelli.size(); ++g) {
        if (livelli.at(g) == Padronanza::Sicuro)
            pagina.gruppiSicuri.append(NomiGruppi().at(g));
        else if (livelli.at(g) == Padronanza::Imparando)
            pagina.gruppiImparando.append(NomiGruppi().at(g));
    }
    return pagina;
}

QByteArray Lettore::csv(QSqlDatabase &db, const QString &bambino)
{
    QByteArray b("\xEF\xBB\xBF" "Bambino;Data;Ora;Attività;Parola;Scelta;Esatta;Millisecondi;Lista;Carattere\r\n");
    if (!db.isOpen())
        return b;
    const QHash<qint64, QString> t = Testi(db);
    QList<QPair<qint64, QString>> bambini;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (bambino.isEmpty()) {
        if (q.exec(QStringLiteral("SELECT id, nome FROM bambini ORDER BY nome"))) {
            while (q.next())
                bambini.append({q.value(0).toLongLong(), q.value(1).toString()});
        }
    } else if (const qint64 id = IdBambino(db, bambino); id >= 0) {
        bambini.append({id, bambino});
    }
    q.prepare(QStringLiteral("SELECT momento, attivita, parola, scelta, esatta, millisecondi, lista, carattere"
                             " FROM registrazioni WHERE bambino = ? ORDER BY id"));
    for (const auto &[id, nome] : bambini) {
        q.addBindValue(id);
        if (!q.exec())
            continue;
        const QByteArray campoNome = CampoCsv(nome);
        while (q.next()) {
            const QString momento = q.value(0).toString();
            const QDate giorno = GiornoDaTesto(momento);
            b += campoNome + ';' + giorno.toString(QStringLiteral("dd/MM/yyyy")).toLatin1() + ';' + momento.mid(11, 8).toLatin1()
                + ';' + CampoCsv(t.value(q.value(1).toLongLong())) + ';' + CampoCsv(t.value(q.value(2).toLongLong())) + ';'
                + CampoCsv(t.value(q.value(3).toLongLong())) + ';' + (q.value(4).toInt() == 1 ? '1' : '0') + ';'
                + QByteArray::number(q.value(5).toLongLong()) + ';' + CampoCsv(t.value(q.value(6).toLongLong())) + ';'
                + CampoCsv(t.value(q.value(7).toLongLong())) + "\r\n";
        }
    }
    return b;
}

} // namespace datisql
