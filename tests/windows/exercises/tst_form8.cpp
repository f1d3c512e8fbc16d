#include "tests/windows/exercises/tst_trascina_aiuti.h"
#include "windows/exercises/form7.h"
#include "windows/exercises/form8.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>

using namespace prove;

// Three names dragged under three pictures, and the menus only this window has.
class TestForm8 : public QObject
{
    Q_OBJECT

    static Form8 *apri(ProgrammaProva &p, const QStringList &lista)
    {
        p.parole(lista);
        p.cartella.creaImmagini(lista);
        return p.apri<Form8>(IdFinestra::Form8);
    }
    static QStringList cinque()
    {
        return {QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO"), QStringLiteral("MELA"),
                QStringLiteral("SOLE")};
    }
    static QStringList barra(QMainWindow *f)
    {
        QStringList out;
        for (QAction *a : f->menuBar()->actions())
            out << a->text();
        return out;
    }

private slots:
    void barraDeiMenu()
    {
        ProgrammaProva p;
        Form8 *f = apri(p, cinque());
        QCOMPARE(barra(f), (QStringList{QStringLiteral("Azzera conteggio     "), QStringLiteral("Caratteri     "),
                                       QStringLiteral("Esercizi     "), QStringLiteral("Informazioni      "),
                                       QStringLiteral("Esci")}));
        ProgrammaProva p7;
        p7.parole(cinque());
        auto *f7 = p7.apri<Form7>(IdFinestra::Form7);
        QCOMPARE(barra(f7), (QStringList{QStringLiteral("Azzera conteggio     "), QStringLiteral("Informazioni     "),
                                        QStringLiteral("Esci")}));
    }

    void apertura()
    {
        ProgrammaProva p;
        Form8 *f = apri(p, cinque());
        QCOMPARE(f->coppie(), 3);
        QCOMPARE(riquadro(f, 3)->text(), QStringLiteral("Errati"));
        const QSet<qint16> scelte{p.stato.Scelta1, p.stato.Scelta2, p.stato.Scelta3};
        QCOMPARE(scelte.size(), 3);
        const qint16 ordine[] = {p.stato.Scelta1, p.stato.Scelta2, p.stato.Scelta3};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(nome(f, i)->text(), p.stato.Parole[ordine[i]]);
            QVERIFY(immagine(f, i)->immagineValida());
            QCOMPARE(nome(f, i)->font().pointSizeF(), 24.0);
            QCOMPARE(riquadro(f, i)->font().pointSizeF(), 24.0);
            QCOMPARE(riquadro(f, i)->text(), QString());
        }
        QVERIFY(p.stato.Estratto >= 0 && p.stato.Estratto < 6);
        QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
        // Design slots: 200 and 3900 twips, the third one 3700 further on.
        const double x = double(f->centralWidget()->width()) / f->scalatore()->dimensioneProgetto().width();
        QCOMPARE(f->scalatore()->dimensioneProgetto(), QSize(Finestra::twip(11445), Finestra::twip(7965)));
        QCOMPARE(f->SinistraPrimoNome(), qRound(Finestra::twip(200) * x));
        QCOMPARE(f->SinistraPrimoNome() + f->DistanzaNomi(), qRound(Finestra::twip(3900) * x));
    }

    void ogniDisposizioneAllaPrimaApertura()
    {
        QSet<int> viste;
        for (unsigned seme = 1; seme <= 40 && viste.size() < 6; ++seme) {
            ProgrammaProva p(seme);
            Form8 *f = apri(p, cinque());
            viste.insert(p.stato.Estratto);
            QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
        }
        QCOMPARE(viste.size(), 6);
    }

    void unEsercizioIntero()
    {
        ProgrammaProva p;
        Form8 *f = apri(p, cinque());
        auto *avanti = f->findChild<QAbstractButton *>(QStringLiteral("Command1"));
        const QStringList nomi{nome(f, 0)->text(), nome(f, 1)->text(), nome(f, 2)->text()};
        QVERIFY(rilascia(f, 2, 2));
        QVERIFY(rilascia(f, 0, 3)); // on "Errati"
        QVERIFY(rilascia(f, 0, 1));
        QVERIFY(visibile(f, "ComandoIconaNo"));
        QVERIFY(rilascia(f, 1, 1));
        // Two of three: red face still up, nothing counted right yet.
        QVERIFY(visibile(f, "ComandoIconaNo"));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 0"));
        QCOMPARE(f->CoppieFatte(), qint16(2));
        QVERIFY(!avanti->isEnabled());
        QVERIFY(rilascia(f, 0, 0));
        QCOMPARE(f->CoppieFatte(), qint16(3));
        QVERIFY(visibile(f, "ComandoIconaSi"));
        QVERIFY(!visibile(f, "ComandoIconaNo"));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 1"));
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 2"));
        QCOMPARE((QStringList{riquadro(f, 0)->text(), riquadro(f, 1)->text(), riquadro(f, 2)->text()}), nomi);
        QCOMPARE(riquadro(f, 3)->text(), QStringLiteral("Errati"));
        QVERIFY(avanti->isEnabled());
        QCOMPARE(p.suoni.nomi().count(QStringLiteral("no.wav")), 2);
        QCOMPARE(p.suoni.nomi().size(), 5);

        // The summary of the "Esercizi" menu, counters untouched.
        azioneMenu(f, QStringLiteral("Esercizi     "))->trigger();
        QCOMPARE(p.dialoghi.chiamate.size(), 1);
        QCOMPARE(p.dialoghi.chiamate[0].icona, Dialoghi::Icona::Informazione);
        QCOMPARE(p.dialoghi.chiamate[0].titolo, QStringLiteral("Lettoria 2"));
        QCOMPARE(p.dialoghi.chiamate[0].testo,
                 QStringLiteral("Hai eseguito  1 esercizi esatti e  2 esercizi errati."));
        QCOMPARE(p.stato.Esatti, qint16(1));

        clic(avanti);
        QVERIFY(!avanti->isEnabled());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(nome(f, i)->isEnabled());
            QVERIFY(!nome(f, i)->text().isEmpty());
            QCOMPARE(riquadro(f, i)->text(), QString());
        }
        QCOMPARE(slotDeiNomi(f), slotAttesi(f, p.stato.Estratto));
    }

    void treParoleSempreTutte()
    {
        ProgrammaProva p(9);
        const QStringList tre{QStringLiteral("ORSO"), QStringLiteral("ORSO"), QStringLiteral("LUPO")};
        Form8 *f = apri(p, tre);
        auto *avanti = f->findChild<QAbstractButton *>(QStringLiteral("Command1"));
        QSet<QList<qint16>> ordini;
        for (int giro = 0; giro < 20; ++giro) {
            ordini.insert({p.stato.Scelta1, p.stato.Scelta2, p.stato.Scelta3});
            QStringList mostrati{nome(f, 0)->text(), nome(f, 1)->text(), nome(f, 2)->text()};
            mostrati.sort();
            QCOMPARE(mostrati, (QStringList{QStringLiteral("LUPO"), QStringLiteral("ORSO"), QStringLiteral("ORSO")}));
            // The two "ORSO" names are not interchangeable.
            int primo = -1, secondo = -1;
            for (int i = 0; i < 3; ++i)
                if (nome(f, i)->text() == QLatin1String("ORSO"))
                    (primo < 0 ? primo : secondo) = i;
            QVERIFY(rilascia(f, primo, secondo));
            for (int i = 0; i < 3; ++i)
                QVERIFY(rilascia(f, i, i));
            clic(avanti);
        }
        QCOMPARE(testo(f, "EtichettaErrati"), QStringLiteral(" 20"));
        QCOMPARE(testo(f, "EtichettaEsatti"), QStringLiteral(" 20"));
        QVERIFY(ordini.size() > 3);
    }

    void stampatoMinuscoloNonFaNulla()
    {
        ProgrammaProva p;
        Form8 *f = apri(p, cinque());
        QAction *minuscolo = azioneMenu(f, QStringLiteral("stampato minuscolo"));
        QAction *maiuscolo = azioneMenu(f, QStringLiteral("stampato maiuscolo"));
        QVERIFY(minuscolo && maiuscolo);
        QVERIFY(maiuscolo->isChecked());
        QVERIFY(!minuscolo->isChecked());
        const QStringList nomi{nome(f, 0)->text(), nome(f, 1)->text(), nome(f, 2)->text()};
        const QString famiglia = nome(f, 0)->font().family();
        minuscolo->trigger();
        maiuscolo->trigger();
        minuscolo->trigger();
        QVERIFY(maiuscolo->isChecked());
        QVERIFY(!minuscolo->isChecked());
        QCOMPARE((QStringList{nome(f, 0)->text(), nome(f, 1)->text(), nome(f, 2)->text()}), nomi);
        QCOMPARE(nome(f, 0)->font().family(), famiglia);
        QCOMPARE(p.stato.Carattere, QStringLiteral("maiuscolo"));
        QCOMPARE(p.stato.Parole[1], QStringLiteral("CASA"));
        QVERIFY(p.dialoghi.chiamate.isEmpty());
    }

    void iNomiSeguonoIlRidimensionamento()
    {
        ProgrammaProva p(4);
        Form8 *f = apri(p, cinque());
        const QList<int> slotPrima = slotDeiNomi(f);
        for (const QSize nuova : {QSize(700, 500), QSize(1000, 800)}) {
            f->resize(nuova);
            QTRY_COMPARE(f->size(), nuova);
            const double x = double(f->centralWidget()->width()) / f->scalatore()->dimensioneProgetto().width();
            QTRY_COMPARE(f->SinistraPrimoNome(), qRound(Finestra::twip(200) * x));
            QCOMPARE(slotDeiNomi(f), slotPrima);
        }
    }
};

QTEST_MAIN(TestForm8)
#include "tst_form8.moc"
