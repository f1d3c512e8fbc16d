#include "core/abbinamenti.h"
#include "core/casuale.h"
#include "core/esercizioclic.h"
#include "core/estrazione.h"
#include "core/paroleliste.h"
#include "core/requisiti.h"
#include "core/ripasso.h"
#include "core/sessione.h"
#include "tests/support/provecomuni.h"

#include <QSet>
#include <QTest>

using namespace abbinamenti;

using Rilasci = QList<QPair<int, int>>; // name, box

Q_DECLARE_METATYPE(abbinamenti::Esito)

namespace {
// A list in use; the words in `conImmagine` have a picture file.
struct Lista : ContestoProva
{
    Lista(const QStringList &tutte, const QStringList &conImmagine)
    {
        parole(tutte);
        for (const QString &p : conImmagine)
            cartella.scrivi(QStringLiteral("images0/") + p.trimmed() + QStringLiteral(".jpg"), "x");
    }
    Lista(const QStringList &tutte) : Lista(tutte, tutte) {}
    ParoleDellaLista leggi() const { return ParoleDellaLista(sessione.lista, cartella.ambiente()); }
};

QStringList numerate(int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out.append(QStringLiteral("P%1").arg(i));
    return out;
}
} // namespace

// The rules of the exercises: the words of an item, the right answer of the
// click exercises, the arrangements and the matching rule of the drag ones.
class TestRegole : public QObject
{
    Q_OBJECT
private slots:
    // Distinct positions in range; every word reaches every place; every
    // right index (click) and every arrangement (drag) comes out.
    void estrazioni_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("parole");
        for (int k = 2; k <= 4; ++k)
            for (int n : {k, k + 1, 10})
                QTest::addRow("k=%d n=%d", k, n) << k << n;
        QTest::newRow("k=3 n=500") << 3 << 500;
    }
    void estrazioni()
    {
        QFETCH(int, k);
        QFETCH(int, parole);
        const QStringList lista = numerate(parole);
        const Lista l(lista);
        const ParoleDellaLista tutte = l.leggi();
        const ListaInUso &inUso = l.sessione.lista;
        Casuale casuale(7);
        EsercizioClic clic(k, EsercizioClic::Modo::UnNomeImmagini);
        QVector<QSet<int>> perPosto(k);
        QSet<int> giuste;
        QSet<int> disposizioni;
        for (int volta = 0; volta < 1500; ++volta) {
            QVERIFY(clic.genera(tutte, casuale));
            QSet<int> diverse;
            for (int i = 0; i < k; ++i) {
                const int s = clic.Scelta[i];
                QVERIFY(s >= 1 && s <= parole);
                QCOMPARE(clic.parola(inUso, i), lista.at(s - 1));
                diverse.insert(s);
                perPosto[i].insert(s);
            }
            QCOMPARE(diverse.size(), k);
            QVERIFY(clic.Estratto >= 0 && clic.Estratto < k);
            giuste.insert(clic.Estratto);
            if (k <= MassimoCoppie) {
                const Estrazione e = estrai(casuale, k, tutte);
                QVERIFY(e.valida());
                QCOMPARE(QSet<int>(e.Scelta.begin(), e.Scelta.begin() + k).size(), k);
                disposizioni.insert(e.Estratto);
            }
        }
        QCOMPARE(giuste.size(), k);
        if (parole <= 10)
            for (int i = 0; i < k; ++i)
                QCOMPARE(perPosto[i].size(), parole);
        if (k <= MassimoCoppie)
            QCOMPARE(disposizioni.size(), numeroDisposizioni(k));
    }

    // Every arrangement puts each name in exactly one slot; no two are alike.
    void disposizioni()
    {
        for (int coppie : {2, 3}) {
            QSet<QList<int>> viste;
            for (int d = 0; d < numeroDisposizioni(coppie); ++d) {
                QList<int> nomi;
                for (int s = 0; s < coppie; ++s) {
                    const int n = nomeNelloSlot(coppie, d, s);
                    QCOMPARE(slotDelNome(coppie, d, n), s);
                    nomi.append(n);
                }
                QCOMPARE(QSet<int>(nomi.begin(), nomi.end()).size(), coppie);
                viste.insert(nomi);
                QCOMPARE(nomeNelloSlot(coppie, d, coppie), -1);
            }
            QCOMPARE(viste.size(), numeroDisposizioni(coppie));
            QCOMPARE(nomeNelloSlot(coppie, numeroDisposizioni(coppie), 0), -1);
            QCOMPARE(nomeNelloSlot(coppie, -1, 0), -1);
        }
    }

    // Empty words never come out, the same word in two letter cases comes out
    // once, and a word without its picture never where its picture is looked at.
    void soloParoleMostrabili_data()
    {
        QTest::addColumn<QStringList>("lista");
        QTest::addColumn<QStringList>("conImmagine");
        QTest::addColumn<int>("diverse");
        QTest::addColumn<int>("diverseConImmagine");
        QTest::newRow("blank lines") << QStringList{"", "CASA", "  ", "CANE", "\t"} << QStringList{"CASA", "CANE"} << 2 << 2;
        QTest::newRow("Casa and CASA") << QStringList{"Casa", "CASA", " casa", "cane", "LUPO"} << QStringList{"CASA", "CANE", "LUPO"} << 3 << 3;
        QTest::newRow("missing pictures") << QStringList{"CASA", "NUVOLA", "CANE", "ROTTA"} << QStringList{"CASA", "CANE"} << 4 << 2;
    }
    void soloParoleMostrabili()
    {
        QFETCH(QStringList, lista);
        QFETCH(QStringList, conImmagine);
        QFETCH(int, diverse);
        QFETCH(int, diverseConImmagine);
        const Lista l(lista, conImmagine);
        const ParoleDellaLista parole = l.leggi();
        QCOMPARE(parole.diverse(), diverse);
        QCOMPARE(parole.diverseConImmagine(), diverseConImmagine);
        const auto chiave = [&](int pos) { return l.sessione.lista.Parole(pos).trimmed().toUpper(); };
        Casuale casuale(5);
        for (int volta = 0; volta < 300; ++volta) {
            EsercizioClic immagini(2, EsercizioClic::Modo::UnNomeImmagini);
            EsercizioClic nomi(diverse, EsercizioClic::Modo::NomiUnaImmagine);
            QVERIFY(immagini.genera(parole, casuale));
            QVERIFY(nomi.genera(parole, casuale));
            for (const EsercizioClic *e : {&immagini, &nomi}) {
                QSet<QString> viste;
                for (int i = 0; i < e->k(); ++i) {
                    const QString parola = chiave(e->Scelta[i]);
                    QVERIFY2(!parola.isEmpty(), "an empty word came out");
                    QVERIFY2(!viste.contains(parola), qPrintable(parola + " came out twice"));
                    viste.insert(parola);
                    if (e == &immagini || i == e->Estratto)
                        QVERIFY2(conImmagine.contains(parola), qPrintable(parola + " has no picture"));
                }
            }
            const Estrazione coppie = estrai(casuale, 2, parole);
            QVERIFY(coppie.valida());
            QVERIFY(conImmagine.contains(chiave(coppie.Scelta[0])) && conImmagine.contains(chiave(coppie.Scelta[1])));
            QVERIFY(chiave(coppie.Scelta[0]) != chiave(coppie.Scelta[1]));
        }
    }

    // What the menu says when the list cannot serve an activity.
    void listaInsufficiente_data()
    {
        QTest::addColumn<QStringList>("lista");
        QTest::addColumn<QStringList>("conImmagine");
        QTest::addColumn<int>("parole");
        QTest::addColumn<int>("immagini");
        QTest::addColumn<QString>("motivo");
        const QStringList tre{"CASA", "CANE", "LUPO"};
        QTest::newRow("blank lines do not count") << QStringList{"CASA", "", "  ", "CANE"} << tre << 3 << 0
                                                  << "Per questa attività servono almeno 3 parole, ma la lista in uso ne ha 2.";
        QTest::newRow("one word twice") << QStringList{"Casa", "CASA"} << tre << 2 << 0
                                        << "Per questa attività servono almeno 2 parole, ma la lista in uso ne ha 1.";
        QTest::newRow("empty") << QStringList{""} << tre << 1 << 1 << "La lista in uso non contiene parole.";
        QTest::newRow("pictures missing") << QStringList{"CASA", "NUVOLA", "ROTTA"} << tre << 3 << 3
                                          << "Per questa attività servono almeno 3 parole con la loro immagine, ma la lista in uso ne ha 1.";
        QTest::newRow("no picture at all") << QStringList{"NUVOLA", "ROTTA"} << tre << 1 << 1
                                           << "Nessuna parola della lista in uso ha la sua immagine.";
    }
    void listaInsufficiente()
    {
        QFETCH(QStringList, lista);
        QFETCH(QStringList, conImmagine);
        QFETCH(int, parole);
        QFETCH(int, immagini);
        QFETCH(QString, motivo);
        const Lista l(lista, conImmagine);
        QCOMPARE(MotivoListaInsufficiente(l.sessione.lista, l.cartella.ambiente(), {parole, immagini}), motivo);
    }

    void regolaDegliAbbinamenti_data()
    {
        QTest::addColumn<int>("coppie");
        QTest::addColumn<Rilasci>("rilasci");
        QTest::addColumn<QList<Esito>>("esiti");
        QTest::addColumn<int>("fatte");
        using R = Rilasci;
        using E = QList<Esito>;
        QTest::newRow("wrong box") << 2 << R{{1, 0}} << E{Esito::Sbagliato} << 0;
        QTest::newRow("Errati caption") << 2 << R{{0, 2}, {1, 2}} << E{Esito::Sbagliato, Esito::Sbagliato} << 0;
        QTest::newRow("right, not complete") << 3 << R{{2, 2}} << E{Esito::Giusto} << 1;
        QTest::newRow("wrong drops on the way")
            << 2 << R{{0, 1}, {0, 0}, {1, 2}, {1, 1}}
            << E{Esito::Sbagliato, Esito::Giusto, Esito::Sbagliato, Esito::Completo} << 2;
        QTest::newRow("three in any order")
            << 3 << R{{1, 1}, {2, 0}, {2, 2}, {0, 0}}
            << E{Esito::Giusto, Esito::Sbagliato, Esito::Giusto, Esito::Completo} << 3;
        QTest::newRow("placed name again") << 3 << R{{0, 0}, {0, 0}, {0, 1}} << E{Esito::Giusto, Esito::Nessuno, Esito::Nessuno} << 1;
        QTest::newRow("after completion") << 2 << R{{0, 0}, {1, 1}, {1, 0}} << E{Esito::Giusto, Esito::Completo, Esito::Nessuno} << 2;
        QTest::newRow("out of range")
            << 2 << R{{-1, 0}, {2, 2}, {0, 3}, {0, -1}} << E{Esito::Nessuno, Esito::Nessuno, Esito::Nessuno, Esito::Nessuno}
            << 0;
    }
    void regolaDegliAbbinamenti()
    {
        QFETCH(int, coppie);
        QFETCH(Rilasci, rilasci);
        QFETCH(QList<Esito>, esiti);
        QFETCH(int, fatte);
        Esercizio e(coppie);
        for (int n = 0; n < rilasci.size(); ++n)
            QCOMPARE(e.rilascia(rilasci[n].first, rilasci[n].second), esiti[n]);
        QCOMPARE(int(e.CoppieFatte()), fatte);
        QCOMPARE(e.completo(), fatte == coppie);
        e.ricomincia();
        QCOMPARE(int(e.CoppieFatte()), 0);
        QCOMPARE(e.rilascia(0, 0), Esito::Giusto);
    }

    // The boxes: a right answer one up (to 5 at most), a wrong one back to 1;
    // words told apart as the lists tell them apart.
    void caselleDelRipasso()
    {
        Ripasso r;
        const QList<QPair<QString, bool>> risposte{{"CASA", false}, {"casa ", true}, {"CASA", true}, {"CASA", true},
                                                 {"CASA", true},  {"CASA", true},  {"CANE", true}, {"  ", false}};
        QList<int> caselle;
        for (const auto &[parola, esatta] : risposte) {
            r.risposta(parola, esatta);
            caselle.append(r.casella(QStringLiteral("Casa")));
        }
        QCOMPARE(caselle, (QList<int>{1, 2, 3, 4, 5, 5, 5, 5}));
        QCOMPARE(r.casella(QStringLiteral("CANE")), 2); // found the first time: not among the missed
        QCOMPARE(r.casella(QStringLiteral("GATTO")), 0);
        r.risposta(QStringLiteral("CASA"), false);
        QCOMPARE(r.casella(QStringLiteral("CASA")), 1);
        r.imposta({{QStringLiteral(" Lupo"), 9}, {QStringLiteral("ORSO"), -2}, {QString(), 1}});
        QCOMPARE((QList<int>{r.casella("LUPO"), r.casella("orso"), r.casella("CASA")}), (QList<int>{5, 1, 0}));
    }

    // 10,000 seeded draws of ten words, a child who missed LUPO (box 1) and
    // ORSO (box 3): both are asked far more often, every draw rule still holds
    // (no word twice, the word asked among those shown, each with its
    // picture), and without practice the draws are those of the plain rule.
    void ripassoSposta_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("modo");
        QTest::newRow("one name, three pictures") << 3 << int(EsercizioClic::Modo::UnNomeImmagini);
        QTest::newRow("two names, one picture") << 2 << int(EsercizioClic::Modo::NomiUnaImmagine);
        QTest::newRow("three names dragged") << 3 << -1;
    }
    void ripassoSposta()
    {
        QFETCH(int, k);
        QFETCH(int, modo);
        const QStringList lista{"CASA", "CANE", "GATTO", "LUPO", "ORSO", "PANE", "MELA", "NAVE", "RANA", "SOLE", "NUVOLA"};
        const Lista l(lista, lista.mid(0, 10)); // NUVOLA has no picture
        const ParoleDellaLista parole = l.leggi();
        Ripasso ripasso;
        ripasso.imposta({{QStringLiteral("LUPO"), 1}, {QStringLiteral("ORSO"), 3}, {QStringLiteral("NUVOLA"), 1},
                         {QStringLiteral("CASA"), 5}});
        // The word asked (or, dragging, every word shown) in each of 10,000 items.
        const auto conta = [&](const Ripasso *r, unsigned seme, QList<QList<int>> *sequenza) {
            Casuale casuale(seme);
            QHash<QString, int> volte;
            EsercizioClic clic(k, EsercizioClic::Modo(std::max(modo, 0)));
            for (int i = 0; i < 10000; ++i) {
                QList<int> mostrate;
                if (modo < 0) {
                    const Estrazione e = estrai(casuale, k, parole, r);
                    mostrate = QList<int>(e.Scelta.begin(), e.Scelta.begin() + k);
                    for (int p : mostrate)
                        ++volte[lista.at(p - 1)];
                } else {
                    if (!clic.genera(parole, casuale, r))
                        return volte;
                    mostrate = QList<int>(clic.Scelta.begin(), clic.Scelta.begin() + k);
                    ++volte[lista.at(clic.Scelta[clic.Estratto] - 1)];
                    if (!parole.conImmagine(clic.Scelta[clic.Estratto]))
                        volte[QStringLiteral("senza immagine")]++;
                }
                if (QSet<int>(mostrate.begin(), mostrate.end()).size() != k)
                    volte[QStringLiteral("doppia")]++;
                for (int p : mostrate)
                    if (modo != int(EsercizioClic::Modo::NomiUnaImmagine) && !parole.conImmagine(p))
                        volte[QStringLiteral("senza immagine")]++;
                if (sequenza)
                    sequenza->append(mostrate);
            }
            return volte;
        };
        QList<QList<int>> senza, nessuno;
        const QHash<QString, int> semplice = conta(nullptr, 11, &senza);
        const QHash<QString, int> conRipasso = conta(&ripasso, 11, nullptr);
        Ripasso vuoto;
        conta(&vuoto, 11, &nessuno);
        QCOMPARE(nessuno, senza); // an empty practice draws as the plain rule does
        for (const char *guasto : {"doppia", "senza immagine"})
            QCOMPARE(conRipasso.value(guasto) + semplice.value(guasto), 0);
        // Plain: each word about as often as any other. With practice LUPO
        // (weight 8) and ORSO (weight 2) come back in half of the items, 4 to 1.
        const double quota = modo < 0 ? k * 10000.0 / 10 : 10000.0 / 10;
        QVERIFY(std::abs(semplice.value("LUPO") - quota) < quota * 0.15);
        QVERIFY2(conRipasso.value("LUPO") > 1.5 * semplice.value("LUPO"), qPrintable(QString::number(conRipasso.value("LUPO"))));
        QVERIFY2(conRipasso.value("ORSO") > (modo < 0 ? 1.05 : 1.15) * semplice.value("ORSO"), qPrintable(QString::number(conRipasso.value("ORSO"))));
        QVERIFY(conRipasso.value("LUPO") > (modo < 0 ? 1.4 : 2) * conRipasso.value("ORSO"));
        QVERIFY(std::abs(conRipasso.value("CASA") - semplice.value("CASA")) < quota * 0.5); // known: no more than before
    }
};

QTEST_GUILESS_MAIN(TestRegole)
#include "tst_regole.moc"
