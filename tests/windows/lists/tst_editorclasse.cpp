#include "tests/support/provecomuni.h"
#include "windows/lists/editorclasse.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// The teacher's class list, edited the way a teacher does it: each change on
// disk at once, the answers asked about when a child leaves or is renamed.
class TestEditorClasse : public QObject
{
    Q_OBJECT

    struct Prova
    {
        ContestoProva c;
        QStringList cancellati;
        QStringList rinominati;
        bool archivioRiesce = true;
        std::unique_ptr<EditorClasse> e;
        Prova()
        {
            c.cartella.creaImmagini({"CASA", "GATTO"});
            c.cartella.scrivi(c.cartella.ambiente().fileClasse(), "Bambino A\r\nBambino B\tGATTO\r\n");
            EditorClasse::Archivio a;
            a.cancella = [this](const QString &b) { cancellati << b; return archivioRiesce; };
            a.rinomina = [this](const QString &v, const QString &n) { rinominati << v + QLatin1String(">") + n; return archivioRiesce; };
            e = std::make_unique<EditorClasse>(c.cartella.ambiente(), c.dialoghi, a);
        }
        QByteArray file() const { return leggiFile(c.cartella.ambiente().fileClasse()); }
        void scegli(int riga) { e->Elenco->setCurrentRow(riga); }
    };

private slots:
    void aggiungiRinominaTogli()
    {
        Prova p;
        QCOMPARE(p.e->Elenco->count(), 2);
        QVERIFY(!p.e->Rinomina->isEnabled() && !p.e->Togli->isEnabled());
        p.e->Nome->setText(QStringLiteral("  Bambino C "));
        p.e->Segno->setCurrentText(QStringLiteral("CASA"));
        p.e->Aggiungi->click();
        QCOMPARE(p.file(), QByteArray("\xEF\xBB\xBF" "Bambino A\r\nBambino B\tGATTO\r\nBambino C\tCASA\r\n"));
        QCOMPARE(p.e->Elenco->currentRow(), 2);
        QVERIFY(!p.e->Elenco->item(2)->icon().isNull());

        // The same name again, re-cased: said, nothing written.
        p.e->Nome->setText(QStringLiteral("bambino a"));
        p.e->Aggiungi->click();
        QCOMPARE(p.c.dialoghi.testi(), QStringList{QStringLiteral("C'è già un bambino con questo nome.")});
        QCOMPARE(p.e->classe().size(), 3);

        // Renamed: the answers follow first; the sign shown is the child's own.
        p.scegli(1);
        QCOMPARE(p.e->Nome->text(), QStringLiteral("Bambino B"));
        QCOMPARE(p.e->Segno->currentText(), QStringLiteral("GATTO"));
        p.e->Nome->setText(QStringLiteral("Bambino D"));
        p.e->Rinomina->click();
        QCOMPARE(p.rinominati, QStringList{"Bambino B>Bambino D"});
        QVERIFY(p.file().contains("Bambino D\tGATTO\r\n") && !p.file().contains("Bambino B"));

        // A store that cannot move them: said, the list as it was.
        p.archivioRiesce = false;
        p.e->Nome->setText(QStringLiteral("Bambino E"));
        p.e->Rinomina->click();
        QCOMPARE(p.c.dialoghi.testi().last(), QStringLiteral("Non è stato possibile spostare le risposte di Bambino D al nuovo nome."));
        QVERIFY(p.file().contains("Bambino D"));
        p.archivioRiesce = true;

        // The sign changed, then taken away.
        p.e->Segno->setCurrentText(QStringLiteral("CASA"));
        QVERIFY(p.file().contains("Bambino D\tCASA\r\n"));
        p.e->Segno->setCurrentIndex(0);
        QVERIFY(p.file().contains("Bambino D\r\n"));

        // Taken away: No to erasing keeps the answers, Yes erases them.
        p.c.dialoghi.risposte = {Dialoghi::Risposta::Si, Dialoghi::Risposta::No, Dialoghi::Risposta::Si, Dialoghi::Risposta::Si,
                                 Dialoghi::Risposta::No};
        p.scegli(0);
        p.e->Togli->click();
        QCOMPARE(p.cancellati, QStringList());
        p.scegli(0);
        p.e->Togli->click();
        QCOMPARE(p.cancellati, QStringList{"Bambino D"});
        p.scegli(0);
        p.e->Togli->click(); // No to taking Bambino C away
        QCOMPARE(p.file(), QByteArray("\xEF\xBB\xBF" "Bambino C\tCASA\r\n"));
        QCOMPARE(p.c.dialoghi.testi().mid(p.c.dialoghi.testi().size() - 2),
                 (QStringList{QStringLiteral("Vuoi cancellare anche tutte le risposte di Bambino D?\nSì: sono cancellate per sempre.\nNo: restano nell'archivio."),
                              QStringLiteral("Vuoi togliere Bambino C dalla classe?")}));
    }

    // A class list that cannot be written: said, and nothing changes on screen or on disk.
    void nonScrivibile()
    {
        Prova p;
        QFile::remove(p.c.cartella.ambiente().fileClasse());
        QVERIFY(QDir().mkpath(p.c.cartella.ambiente().fileClasse())); // a folder where the file goes
        p.e->Nome->setText(QStringLiteral("Bambino C"));
        p.e->Aggiungi->click();
        QCOMPARE(p.e->classe().size(), 2);
        QCOMPARE(p.e->Elenco->count(), 2);
        QVERIFY(p.c.dialoghi.testi().value(0).startsWith(QStringLiteral("Non è stato possibile salvare la lista dei bambini:\n")));
    }
};

QTEST_MAIN(TestEditorClasse)
#include "tst_editorclasse.moc"
