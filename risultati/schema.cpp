#include "risultati/schema.h"

// Never change a script once shipped: a new version is a new script.
const QList<QStringList> &Migrazioni()
{
    static const QList<QStringList> script = {
        // 1: children, the texts answers repeat, the answers.
        {
            QStringLiteral("CREATE TABLE bambini (id INTEGER NOT NULL PRIMARY KEY, nome TEXT NOT NULL UNIQUE)"),
            // Captions, words, list names and type styles, each kept once.
            QStringLiteral("CREATE TABLE testi (id INTEGER NOT NULL PRIMARY KEY, testo TEXT NOT NULL UNIQUE)"),
            // id: made by the program, so that copies of the store can be
            // merged: the answer's UTC milliseconds times 2^20 plus a 20-bit
            // count, so ids sort as the answers were given and a range of
            // them is a range of time. The key leads with the child: one
            // child's answers in time are one stretch of it. momento: the
            // local time and its offset as the child saw it.
            QStringLiteral("CREATE TABLE registrazioni ("
                           "id BIGINT NOT NULL,"
                           " bambino INTEGER NOT NULL REFERENCES bambini (id),"
                           " momento TEXT NOT NULL,"
                           " attivita INTEGER NOT NULL REFERENCES testi (id),"
                           " parola INTEGER NOT NULL REFERENCES testi (id),"
                           " scelta INTEGER NOT NULL REFERENCES testi (id),"
                           " esatta INTEGER NOT NULL,"
                           " millisecondi BIGINT NOT NULL,"
                           " lista INTEGER NOT NULL REFERENCES testi (id),"
                           " carattere INTEGER NOT NULL REFERENCES testi (id),"
                           " PRIMARY KEY (bambino, id))"),
            // What a teacher or a spreadsheet reads: see README, "The results store".
            QStringLiteral("CREATE VIEW risposte AS SELECT"
                           " b.nome AS bambino, r.momento AS momento, a.testo AS attivita,"
                           " p.testo AS parola, s.testo AS scelta, r.esatta AS esatta,"
                           " r.millisecondi AS millisecondi, l.testo AS lista, c.testo AS carattere"
                           " FROM registrazioni r"
                           " JOIN bambini b ON b.id = r.bambino"
                           " JOIN testi a ON a.id = r.attivita"
                           " JOIN testi p ON p.id = r.parola"
                           " JOIN testi s ON s.id = r.scelta"
                           " JOIN testi l ON l.id = r.lista"
                           " JOIN testi c ON c.id = r.carattere"),
        },
        // 2: Leitner boxes, 1 to 5, by the word as the lists compare words
        // (ChiaveParola; SQL's LOWER folds the same for plain letters), made from
        // the answers kept so far: a wrong answer sends the word to box 1 and
        // each right one after it moves it up by one, so the box is one more
        // than the right answers since the last wrong one, 5 at most.
        {
            QStringLiteral("CREATE TABLE caselle ("
                           "bambino INTEGER NOT NULL REFERENCES bambini (id),"
                           " parola TEXT NOT NULL,"
                           " casella INTEGER NOT NULL,"
                           " PRIMARY KEY (bambino, parola))"),
            QStringLiteral("INSERT INTO caselle (bambino, parola, casella)"
                           " SELECT r.bambino, LOWER(TRIM(p.testo)),"
                           " CASE WHEN SUM(CASE WHEN r.esatta = 1 AND r.id > COALESCE(u.ultimo, 0) THEN 1 ELSE 0 END) >= 4 THEN 5"
                           " ELSE 1 + SUM(CASE WHEN r.esatta = 1 AND r.id > COALESCE(u.ultimo, 0) THEN 1 ELSE 0 END) END"
                           " FROM registrazioni r JOIN testi p ON p.id = r.parola"
                           " LEFT JOIN (SELECT r2.bambino AS bambino, LOWER(TRIM(p2.testo)) AS chiave, MAX(r2.id) AS ultimo"
                           " FROM registrazioni r2 JOIN testi p2 ON p2.id = r2.parola WHERE r2.esatta = 0"
                           " GROUP BY r2.bambino, LOWER(TRIM(p2.testo))) u"
                           " ON u.bambino = r.bambino AND u.chiave = LOWER(TRIM(p.testo))"
                           " GROUP BY r.bambino, LOWER(TRIM(p.testo))"),
        },
        // 3: a school's server. classe: the class list every PC shows (on a
        // PC's own file, the last list read from the server). da_inviare:
        // on a PC, its answers the server has not got yet. modifiche: on a
        // PC, the erasures, renamings and class lists still to be carried to
        // the server, in order; on the server, the erasures and renamings
        // done, the old name as its SHA-256 only, so that the other PCs carry
        // them to the answers they hold. invio: on a PC, where its outbox
        // goes and the last change it read from there.
        {
            QStringLiteral("CREATE TABLE classe (posizione INTEGER NOT NULL PRIMARY KEY, nome TEXT NOT NULL UNIQUE,"
                           " segno TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE da_inviare (bambino INTEGER NOT NULL REFERENCES bambini (id), id BIGINT NOT NULL,"
                           " PRIMARY KEY (bambino, id))"),
            QStringLiteral("CREATE TABLE modifiche (id BIGINT NOT NULL PRIMARY KEY, azione TEXT NOT NULL, nome TEXT NOT NULL,"
                           " nuovo TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE invio (chiave TEXT NOT NULL PRIMARY KEY, valore TEXT NOT NULL)"),
        },
    };
    return script;
}
