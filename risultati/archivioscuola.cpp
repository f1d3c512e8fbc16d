#include "risultati/archivioscuola.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include <chrono>

namespace {

constexpr int LottoInvio = 500;
constexpr auto OgniMinuto = std::chrono::seconds(60);

// The name of an erased or renamed child as the server's log keeps it.
QString Impronta(const QString &nome)
{
    return QString::fromLatin1(QCryptographicHash::hash(nome.toUtf8(), QCryptographicHash::Sha256).toHex());
}

// The class list as one text: a child a line, the sign after a TAB.
QString TestoClasse(const QList<Bambino> &classe)
{
    QStringList righe;
    for (const Bambino &b : classe)
        righe.append(b.nome + QLatin1Char('\t') + b.segno);
    return righe.join(QLatin1Char('\n'));
}

QList<Bambino> ClasseDaTesto(const QString &testo)
{
    QList<Bambino> classe;
    for (const QString &riga : testo.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype tab = riga.indexOf(QLatin1Char('\t'));
        classe.append({riga.left(tab), tab < 0 ? QString() : riga.mid(tab + 1)});
    }
    return classe;
}

QString NonRisponde(const QString &motivo)
{
    return QStringLiteral("L'archivio della scuola non si può usare: %1 Le risposte restano su questo computer e "
                          "partiranno appena si potrà; qui si vedono solo quelle date su questo computer.")
        .arg(motivo);
}

struct Modifica
{
    qint64 id = 0;
    QString azione, nome, nuovo;
};

// The changes after `dopo`, in order (this PC's waiting ones, or the server's log).
bool LeggiModifiche(QSqlDatabase &db, qint64 dopo, QList<Modifica> *modifiche)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, azione, nome, nuovo FROM modifiche WHERE id > ? ORDER BY id"));
    q.addBindValue(dopo);
    if (!q.exec())
        return false;
    while (q.next())
        modifiche->append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    return true;
}

bool EseguiCon(QSqlDatabase &db, const QString &istruzione, const QVariantList &valori)
{
    QSqlQuery q(db);
    if (!q.prepare(istruzione))
        return false;
    for (const QVariant &v : valori)
        q.addBindValue(v);
    return q.exec();
}

QString Valore(QSqlDatabase &db, const QString &chiave)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT valore FROM invio WHERE chiave = ?"));
    q.addBindValue(chiave);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

bool ScriviValore(QSqlDatabase &db, const QString &chiave, const QString &valore)
{
    return EseguiCon(db, QStringLiteral("INSERT INTO invio (chiave, valore) VALUES (?, ?)"
                                        " ON CONFLICT (chiave) DO UPDATE SET valore = excluded.valore"),
                     {chiave, valore});
}

} // namespace

ArchivioScuola::ArchivioScuola(const QString &cartellaImpostazioni, const IndirizzoServer &server)
    : cartella_(cartellaImpostazioni), server_(server), locale_(cartellaImpostazioni, 0, true),
      prefissoConnessioni_(QStringLiteral("lettoria_scuola_%1_").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
    // A PC that kept its answers on its own, or sent them to another server,
    // sends them all to this one: the ids keep each answer once.
    locale_.esegui([this](QSqlDatabase &db) {
        if (Valore(db, QStringLiteral("destinazione")) == server_.testo)
            return true;
        bool ok = db.transaction();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral("INSERT INTO da_inviare (bambino, id) SELECT bambino, id FROM registrazioni WHERE true"
                                         " ON CONFLICT DO NOTHING"));
        ok = ok && ScriviValore(db, QStringLiteral("destinazione"), server_.testo);
        ok = ok && ScriviValore(db, QStringLiteral("letto"), QStringLiteral("0"));
        ok = ok && db.commit();
        if (!ok)
            db.rollback();
        return ok;
    });
    filo_ = std::thread([this] { spedisci(); });
}

ArchivioScuola::~ArchivioScuola()
{
    {
        std::lock_guard<std::mutex> l(mutex_);
        fine_ = true;
    }
    cambiato_.notify_all();
    filo_.join();
    const QString prefisso = prefissoConnessioni_;
    for (const QString &nome : QSqlDatabase::connectionNames()) {
        if (nome.startsWith(prefisso))
            QSqlDatabase::removeDatabase(nome);
    }
}

ArchivioRisultati::Condizione ArchivioScuola::condizione() const
{
    return locale_.condizione();
}

QString ArchivioScuola::avviso() const
{
    std::lock_guard<std::mutex> l(mutex_);
    const QString locale = locale_.avviso();
    return locale.isEmpty() ? avvisoServer_ : avvisoServer_.isEmpty() ? locale : locale + QLatin1Char('\n') + avvisoServer_;
}

void ArchivioScuola::registra(const RispostaRegistrata &risposta)
{
    locale_.registra(risposta);
    std::lock_guard<std::mutex> l(mutex_);
    sollecito_ = true;
    cambiato_.notify_all();
}

void ArchivioScuola::attendi()
{
    locale_.attendi();
}

bool ArchivioScuola::invia(int millisecondi)
{
    std::unique_lock<std::mutex> l(mutex_);
    const quint64 mio = ++richiesti_;
    cambiato_.notify_all();
    cambiato_.wait_for(l, std::chrono::milliseconds(millisecondi), [&] { return fatti_ >= mio || fine_; });
    return fatti_ >= mio && ultimoRiuscito_;
}

void ArchivioScuola::nonRisponde(const QString &motivo)
{
    std::lock_guard<std::mutex> l(mutex_);
    if (!schemaNuovo_)
        avvisoServer_ = NonRisponde(motivo);
}

// --- the sending thread ----------------------------------------------------------

void ArchivioScuola::spedisci()
{
    const QString nome = prefissoConnessioni_ + QStringLiteral("invio");
    {
        QSqlDatabase db;
        bool preparato = false;
        std::unique_ptr<datisql::Scrittore> scrittore;
        std::unique_lock<std::mutex> l(mutex_);
        // The first round at once: the outbox drains at start-up.
        auto prossimo = std::chrono::steady_clock::now();
        for (;;) {
            cambiato_.wait_until(l, prossimo, [&] { return fine_ || richiesti_ > fatti_ || (sollecito_ && ultimoRiuscito_); });
            if (fine_)
                break;
            const quint64 richiesta = richiesti_;
            sollecito_ = false;
            const bool nuovo = schemaNuovo_;
            l.unlock();
            bool ok = false;
            QString motivo;
            if (!nuovo && ApriServer(nome, server_, &motivo)) {
                db = QSqlDatabase::database(nome, false);
                if (!preparato) {
                    const StatoServer stato = PreparaServer(db, server_, &motivo);
                    preparato = stato == StatoServer::Pronto;
                    if (stato == StatoServer::Nuovo) {
                        std::lock_guard<std::mutex> g(mutex_);
                        schemaNuovo_ = true;
                        avvisoServer_ = QStringLiteral("Le risposte restano su questo computer: %1").arg(motivo);
                    }
                    scrittore = preparato ? std::make_unique<datisql::Scrittore>(db, false) : nullptr;
                }
                if (preparato) {
                    ok = portaModifiche(db) && leggiModificheServer(db) && aggiornaClasse(db) && svuotaPosta(*scrittore);
                    if (!ok) {
                        const QSqlError e = scrittore->errore().isValid() ? scrittore->errore() : db.lastError();
                        motivo = MotivoServer(e.databaseText().isEmpty() ? e.text() : e.databaseText(), server_);
                    }
                }
                if (!ok) {
                    // Opened afresh next time: a server that came back needs a new connection.
                    scrittore.reset();
                    preparato = false;
                    db.close();
                }
            }
            l.lock();
            if (ok)
                avvisoServer_.clear();
            else if (!schemaNuovo_)
                avvisoServer_ = NonRisponde(motivo);
            ultimoRiuscito_ = ok;
            fatti_ = std::max(fatti_, richiesta);
            prossimo = std::chrono::steady_clock::now() + OgniMinuto;
            cambiato_.notify_all();
        }
        l.unlock();
        scrittore.reset();
        db = QSqlDatabase();
    }
    QSqlDatabase::removeDatabase(nome);
}

bool ArchivioScuola::accoda(const QString &azione, const QString &nome, const QString &nuovo)
{
    const bool ok = locale_.esegui([&](QSqlDatabase &db) {
        return EseguiCon(db, QStringLiteral("INSERT INTO modifiche (id, azione, nome, nuovo) VALUES (?, ?, ?, ?)"),
                         {datisql::NuovoId(QDateTime::currentDateTime()), azione, nome.isNull() ? QLatin1String("") : nome,
                          nuovo.isNull() ? QLatin1String("") : nuovo});
    });
    std::lock_guard<std::mutex> l(mutex_);
    sollecito_ = true;
    cambiato_.notify_all();
    return ok;
}

// This PC's erasures, renamings and class lists, in the order they were made.
bool ArchivioScuola::portaModifiche(QSqlDatabase &db)
{
    QList<Modifica> modifiche;
    locale_.esegui([&](QSqlDatabase &locale) { return LeggiModifiche(locale, 0, &modifiche); });
    for (const Modifica &m : std::as_const(modifiche)) {
        bool ok = false;
        if (m.azione == QLatin1String("classe")) {
            ok = ScriviClasseServer(db, ClasseDaTesto(m.nuovo));
        } else if (m.azione == QLatin1String("cancella") || m.azione == QLatin1String("rinomina")) {
            // A name already taken on the server keeps its answers apart: the
            // renaming is logged all the same, so no PC keeps the old name.
            ok = m.azione == QLatin1String("cancella") ? datisql::CancellaBambino(db, m.nome)
                                                       : (datisql::RinominaBambino(db, m.nome, m.nuovo) || !db.lastError().isValid());
            ok = ok && EseguiCon(db, QStringLiteral("INSERT INTO modifiche (id, azione, nome, nuovo) VALUES (?, ?, ?, ?) ON CONFLICT DO NOTHING"),
                                 {m.id, m.azione, Impronta(m.nome), m.nuovo});
        } else {
            ok = true; // from a newer program: nothing this one can do
        }
        if (!ok)
            return false;
        locale_.esegui([&](QSqlDatabase &locale) {
            // What this PC did itself is not read back from the server's log.
            return EseguiCon(locale, QStringLiteral("DELETE FROM modifiche WHERE id = ?"), {m.id});
        });
    }
    return true;
}

// What other PCs erased or renamed, carried out on the answers this PC holds.
bool ArchivioScuola::leggiModificheServer(QSqlDatabase &db)
{
    qint64 letto = 0;
    QHash<QString, QString> nomi; // fingerprint -> name
    locale_.esegui([&](QSqlDatabase &locale) {
        letto = Valore(locale, QStringLiteral("letto")).toLongLong();
        QSqlQuery q(locale);
        if (q.exec(QStringLiteral("SELECT nome FROM bambini"))) {
            while (q.next())
                nomi.insert(Impronta(q.value(0).toString()), q.value(0).toString());
        }
        return true;
    });
    QList<Modifica> modifiche;
    if (!LeggiModifiche(db, letto, &modifiche))
        return false;
    for (const Modifica &m : std::as_const(modifiche)) {
        const QString nome = nomi.value(m.nome);
        if (!nome.isEmpty() && m.azione == QLatin1String("cancella"))
            locale_.cancella(nome);
        else if (!nome.isEmpty() && m.azione == QLatin1String("rinomina"))
            locale_.rinomina(nome, m.nuovo);
        letto = m.id;
    }
    if (!modifiche.isEmpty()) {
        locale_.esegui([&](QSqlDatabase &locale) { return ScriviValore(locale, QStringLiteral("letto"), QString::number(letto)); });
    }
    return true;
}

// The server's class list becomes this PC's Bambini.txt; an empty one on the
// server leaves this PC's list alone (the teacher is offered to bring it).
bool ArchivioScuola::aggiornaClasse(QSqlDatabase &db)
{
    QList<Bambino> classe;
    if (!LeggiClasseServer(db, &classe))
        return false;
    if (classe.isEmpty())
        return true;
    const QString file = QDir(cartella_).filePath(NomeFileClasse);
    if (LeggiClasse(file).bambini != classe)
        ScriviClasse(file, classe);
    locale_.esegui([&](QSqlDatabase &locale) { return ScriviClasseServer(locale, classe); });
    return true;
}

bool ArchivioScuola::svuotaPosta(datisql::Scrittore &scrittore)
{
    for (;;) {
        QList<datisql::DaScrivere> lotto;
        locale_.esegui([&](QSqlDatabase &locale) {
            QSqlQuery q(locale);
            q.setForwardOnly(true);
            q.prepare(QStringLiteral("SELECT r.id, b.nome, r.momento, a.testo, p.testo, s.testo, r.esatta, r.millisecondi, l.testo, c.testo"
                                     " FROM da_inviare d JOIN registrazioni r ON r.bambino = d.bambino AND r.id = d.id"
                                     " JOIN bambini b ON b.id = r.bambino JOIN testi a ON a.id = r.attivita"
                                     " JOIN testi p ON p.id = r.parola JOIN testi s ON s.id = r.scelta"
                                     " JOIN testi l ON l.id = r.lista JOIN testi c ON c.id = r.carattere"
                                     " ORDER BY r.id LIMIT ?"));
            q.addBindValue(LottoInvio);
            if (!q.exec())
                return false;
            while (q.next()) {
                datisql::DaScrivere d;
                d.id = q.value(0).toLongLong();
                d.risposta.bambino = d.risposta.risposta.bambino = q.value(1).toString();
                d.risposta.momento = QDateTime::fromString(q.value(2).toString(), Qt::ISODate);
                d.risposta.risposta.attivita = q.value(3).toString();
                d.risposta.risposta.parola = q.value(4).toString();
                d.risposta.risposta.scelta = q.value(5).toString();
                d.risposta.risposta.esatta = q.value(6).toInt() == 1;
                d.risposta.risposta.millisecondi = q.value(7).toLongLong();
                d.risposta.risposta.lista = q.value(8).toString();
                d.risposta.risposta.carattere = CarattereDaTesto(q.value(9).toString());
                lotto.append(d);
            }
            return true;
        });
        if (lotto.isEmpty())
            return true;
        if (!scrittore.scrivi(lotto))
            return false;
        locale_.esegui([&](QSqlDatabase &locale) {
            bool ok = locale.transaction();
            QSqlQuery q(locale);
            ok = ok && q.prepare(QStringLiteral("DELETE FROM da_inviare WHERE id = ?"));
            for (const datisql::DaScrivere &d : std::as_const(lotto)) {
                q.addBindValue(d.id);
                ok = ok && q.exec();
            }
            ok = ok && locale.commit();
            if (!ok)
                locale.rollback();
            return ok;
        });
        if (lotto.size() < LottoInvio)
            return true;
    }
}

// --- the teacher's side -------------------------------------------------------------

QSqlDatabase *ArchivioScuola::lettura(QSqlDatabase &db, bool primaInvia)
{
    // The answers given on this PC first, so the teacher sees them too; a
    // server that did not answer a moment ago is not waited for again.
    if (primaInvia ? !invia(2500) : !ultimoRiuscito())
        return nullptr;
    const QString nome = prefissoConnessioni_ + QStringLiteral("lettura_%1").arg(reinterpret_cast<quintptr>(QThread::currentThreadId()), 0, 16);
    QString motivo;
    if (!ApriServer(nome, server_, &motivo)) {
        nonRisponde(motivo);
        return nullptr;
    }
    db = QSqlDatabase::database(nome, false);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT 1"))) {
        db.close();
        nonRisponde(MotivoServer(q.lastError().databaseText(), server_));
        return nullptr;
    }
    return &db;
}

QList<RispostaRegistrata> ArchivioScuola::risposte(const QString &bambino)
{
    QSqlDatabase db;
    return lettura(db) ? lettore_.risposte(db, bambino) : locale_.risposte(bambino);
}

QHash<QString, int> ArchivioScuola::caselle(const QString &bambino)
{
    // Asked when a child begins to play: no sending round first, and a
    // server that did not answer at the last try is not asked at all.
    QSqlDatabase db;
    return lettura(db, false) ? lettore_.caselle(db, bambino) : locale_.caselle(bambino);
}

QuadroClasse ArchivioScuola::quadroClasse(const QStringList &bambini, const QDateTime &adesso)
{
    QSqlDatabase db;
    return lettura(db) ? lettore_.quadroClasse(db, bambini, adesso) : locale_.quadroClasse(bambini, adesso);
}

PaginaBambino ArchivioScuola::paginaBambino(const QString &bambino, const QDateTime &adesso)
{
    QSqlDatabase db;
    return lettura(db) ? lettore_.paginaBambino(db, bambino, adesso) : locale_.paginaBambino(bambino, adesso);
}

QByteArray ArchivioScuola::csv(const QString &bambino)
{
    QSqlDatabase db;
    return lettura(db) ? lettore_.csv(db, bambino) : locale_.csv(bambino);
}

// Erased here at once, on the server now or as soon as it answers, and on
// the other PCs when they next send.
bool ArchivioScuola::cancella(const QString &bambino)
{
    const bool ok = locale_.cancella(bambino) && accoda(QStringLiteral("cancella"), bambino, QString());
    invia(2500);
    return ok;
}

bool ArchivioScuola::rinomina(const QString &vecchio, const QString &nuovo)
{
    const bool ok = locale_.rinomina(vecchio, nuovo) && accoda(QStringLiteral("rinomina"), vecchio, nuovo);
    invia(2500);
    return ok;
}

void ArchivioScuola::classeCambiata(const QList<Bambino> &classe)
{
    accoda(QStringLiteral("classe"), QString(), TestoClasse(classe));
}

bool ArchivioScuola::ultimoRiuscito() const
{
    std::lock_guard<std::mutex> l(mutex_);
    return ultimoRiuscito_;
}

int ArchivioScuola::inAttesa()
{
    int n = 0;
    locale_.esegui([&](QSqlDatabase &db) {
        QSqlQuery q(db);
        n = q.exec(QStringLiteral("SELECT COUNT(*) FROM da_inviare")) && q.next() ? q.value(0).toInt() : 0;
        return true;
    });
    return n;
}
