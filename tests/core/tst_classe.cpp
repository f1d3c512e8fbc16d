#include "core/classe.h"
#include "tests/support/provecomuni.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

// The class list: read as a word list is, written whole and private.
class TestClasse : public QObject
{
    Q_OBJECT

    static QString nomi(const QList<Bambino> &bambini)
    {
        QStringList out;
        for (const Bambino &b : bambini)
            out.append(b.segno.isEmpty() ? b.nome : b.nome + QLatin1Char('=') + b.segno);
        return out.join(QLatin1Char('|'));
    }

private slots:
    void lettura_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("letti");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("CR LF, blanks, an empty line") << QByteArray("  Bambino A \r\n\r\nBambino B\r\n") << "Bambino A|Bambino B" << "";
        QTest::newRow("Windows-1252") << QByteArray("Nicol\xF2\nZo\xEB\n") << QString::fromUtf8("Nicolò|Zoë") << "";
        QTest::newRow("UTF-8 with BOM, a sign") << QByteArray("\xEF\xBB\xBFNicol\xC3\xB2\tGATTO\r\nBea\t ../x \r\n")
                                                << QString::fromUtf8("Nicolò=GATTO|Bea") << "";
        QTest::newRow("the same name re-cased, once") << QByteArray("Bambino A\nBAMBINO a\n  bambino a\nBambino C\n")
                                                      << "Bambino A|Bambino C"
                                                      << "Alcuni nomi di Bambini.txt non sono stati presi (ripetuti: BAMBINO a, bambino a).";
        QTest::newRow("31 characters") << QByteArray("Bambino A\n" + QByteArray(31, 'x') + "\n" + QByteArray(30, 'y'))
                                       << "Bambino A|" + QString(30, 'y')
                                       << QStringLiteral("Alcuni nomi di Bambini.txt non sono stati presi (più lunghi di 30 caratteri: %1).").arg(QString(31, 'x'));
        QByteArray settantuno;
        for (int i = 1; i <= 61; ++i)
            settantuno += "B" + QByteArray::number(i) + "\r\n";
        QStringList sessanta;
        for (int i = 1; i <= 60; ++i)
            sessanta.append(QStringLiteral("B%1").arg(i));
        QTest::newRow("61 children") << settantuno << sessanta.join('|')
                                     << "Alcuni nomi di Bambini.txt non sono stati presi (oltre i 60 bambini: B61).";
        QTest::newRow("a picture, not a list") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00", 14) << "" << "";
    }
    void lettura()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, letti);
        QFETCH(QString, messaggio);
        CartellaProva c;
        const QString percorso = c.scrivi(QStringLiteral("Bambini.txt"), file);
        QFile::setPermissions(percorso, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
        const LetturaClasse l = LeggiClasse(percorso);
        QCOMPARE(nomi(l.bambini), letti);
        QCOMPARE(l.messaggio(), messaggio);
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(percorso).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0600u); // written by hand for all to read: made private
    }

    void nessunFile()
    {
        CartellaProva c;
        const LetturaClasse l = LeggiClasse(c.percorso(QStringLiteral("Bambini.txt")));
        QVERIFY(l.bambini.isEmpty() && l.messaggio().isEmpty());
    }

    // Written whole, UTF-8 with a byte-order mark, CR LF, readable by its user only; read back the same.
    void scrittura()
    {
        CartellaProva c;
        const QString file = c.percorso(QStringLiteral("Bambini.txt"));
        const QList<Bambino> classe{{QString::fromUtf8("Nicolò"), QStringLiteral("GATTO")}, {QStringLiteral("Bambino B"), {}}};
        QVERIFY(ScriviClasse(file, classe));
        QCOMPARE(leggiFile(file), QByteArray("\xEF\xBB\xBFNicol\xC3\xB2\tGATTO\r\nBambino B\r\n"));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0600u);
        QCOMPARE(LeggiClasse(file).bambini, classe);
        QString errore;
        QVERIFY(!ScriviClasse(c.percorso(QStringLiteral("manca/Bambini.txt")), classe, &errore));
        QVERIFY(!errore.isEmpty());
    }

    void nomeNonValido_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("fine") << "Bambino C" << "";
        QTest::newRow("blank") << "   " << "Scrivi il nome del bambino.";
        QTest::newRow("long") << QString(31, 'z') << "Il nome è troppo lungo: al massimo 30 caratteri.";
        QTest::newRow("comma") << "Rossi, A" << "Il nome non può contenere virgole, virgolette o tabulazioni.";
        QTest::newRow("there already") << " bambino a" << "C'è già un bambino con questo nome.";
    }
    void nomeNonValido()
    {
        QFETCH(QString, nome);
        QFETCH(QString, motivo);
        QCOMPARE(MotivoNomeNonValido(nome, {{QStringLiteral("Bambino A"), {}}}), motivo);
        QList<Bambino> piena;
        for (int i = 0; i < MassimoBambini; ++i)
            piena.append({QStringLiteral("B%1").arg(i), {}});
        QCOMPARE(MotivoNomeNonValido(QStringLiteral("Nuovo"), piena), QStringLiteral("La classe ha già 60 bambini."));
    }
};

QTEST_GUILESS_MAIN(TestClasse)
#include "tst_classe.moc"
