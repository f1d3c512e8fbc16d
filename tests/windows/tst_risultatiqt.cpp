#include "tests/support/provecomuni.h"
#include "windows/risultatiqt.h"

#include <QTemporaryDir>
#include <QTest>

// The program's side of the results module: a named child's answers kept, a
// guest's not; without the module the exercises go on and the teacher is told.
class TestRisultatiQt : public QObject
{
    Q_OBJECT

    static Risposta risposta(const QString &bambino, bool esatta)
    {
        Risposta r;
        r.bambino = bambino;
        r.attivita = QStringLiteral("Un nome e due immagini");
        r.parola = QStringLiteral("RANA");
        r.scelta = esatta ? r.parola : QStringLiteral("RAMO");
        r.esatta = esatta;
        return r;
    }

private slots:
    void conIlModulo()
    {
        QTemporaryDir impostazioni;
        FakeDialoghi dialoghi;
        RisultatiQt r(QStringLiteral(LETTORIA_CARTELLA_MODULO), impostazioni.path(), impostazioni.filePath("Lettoria2.INI"), dialoghi);
        r.registra(risposta(QString(), true)); // a guest: nothing kept, nothing loaded
        r.registra(risposta(QStringLiteral("Bambino A"), false));
        r.registra(risposta(QStringLiteral("Bambino A"), true));
        Risposta errati = risposta(QStringLiteral("Bambino A"), false); // dropped on "Errati": no word asked
        errati.parola.clear();
        r.registra(errati);
        ArchivioRisultati *a = r.archivio();
        QVERIFY(a);
        a->attendi();
        const QList<RispostaRegistrata> kept = a->risposte(QStringLiteral("Bambino A"));
        QCOMPARE(kept.size(), 3);
        QVERIFY(!kept[0].risposta.esatta && kept[1].risposta.esatta && kept[2].risposta.parola.isEmpty());
        QCOMPARE(a->condizione(), ArchivioRisultati::Condizione::Scrivibile);
        QCOMPARE(r.caselle(QStringLiteral("Bambino A")), (QHash<QString, int>{{QStringLiteral("rana"), 2}}));
        QVERIFY(r.caselle(QString()).isEmpty());
        QVERIFY(r.rinominaRisposte(QStringLiteral("Bambino A"), QStringLiteral("Bambino B")));
        QVERIFY(r.cancellaRisposte(QStringLiteral("Bambino B")));
        QVERIFY(a->risposte(QStringLiteral("Bambino B")).isEmpty());
        QVERIFY(dialoghi.chiamate.isEmpty());
    }

    void senzaModulo()
    {
        QTemporaryDir vuota, impostazioni;
        FakeDialoghi dialoghi;
        RisultatiQt r(vuota.path(), impostazioni.path(), impostazioni.filePath("Lettoria2.INI"), dialoghi);
        r.registra(risposta(QString(), true));
        QVERIFY(dialoghi.chiamate.isEmpty());
        for (int i = 0; i < 3; ++i)
            r.registra(risposta(QStringLiteral("Bambino A"), true));
        QCOMPARE(dialoghi.testi(), QStringList{MessaggioRisposteNonRicordate});
        QVERIFY(!r.adulto());
        r.risultati();
        QCOMPARE(dialoghi.testi().mid(1), QStringList(2, MessaggioSenzaRisultati));
        QVERIFY(!r.cancellaRisposte(QStringLiteral("Bambino A")));
    }
};

QTEST_MAIN(TestRisultatiQt)
#include "tst_risultatiqt.moc"
