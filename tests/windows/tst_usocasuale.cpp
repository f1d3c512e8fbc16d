#include "tests/support/provefinestre.h"
#include "windows/exercises/formesercizio.h"
#include "windows/exercises/formtrascinamento.h"
#include "windows/exercises/pulsanteavanti.h"
#include "windows/menu/formmenu.h"
#include "windows/puzzles/finestrapuzzle.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

// A child (or a cat on the keyboard) let loose on the program: thousands of
// random clicks, double clicks, keys, drags, resizes, menu commands and
// answers to every box, on lists of every awkward shape. Nothing crashes or
// hangs, and what the child sees always makes sense.
class TestUsoCasuale : public QObject
{
    Q_OBJECT

    static void preparaCartella(ProgrammaProva &p)
    {
        p.cartella.creaImmagini({QStringLiteral("CASA"), QStringLiteral("CANE"), QStringLiteral("GATTO"), QStringLiteral("ORSO")});
        for (int i = 0; i < 500; i += 7)
            p.cartella.creaImmagine(QStringLiteral("P%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        p.cartella.scrivi(QStringLiteral("images0/ROTTA.jpg"), "non una foto");
        p.cartella.scrivi(QStringLiteral("images0/VUOTA.jpg"), QByteArray());
        p.cartella.creaLista(QStringLiteral("TUTTE.txt"), {"CASA", "CANE", "GATTO", "ORSO"});
    }

    // The window on screen; null unless exactly one is.
    static Finestra *sulloSchermo(int *quante = nullptr)
    {
        QList<Finestra *> visibili;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *f = qobject_cast<Finestra *>(w); f && f->isVisible())
                visibili.append(f);
        if (quante)
            *quante = static_cast<int>(visibili.size());
        return visibili.size() == 1 ? visibili.first() : nullptr;
    }

    static QList<QAction *> azioni(QMenuBar *barra)
    {
        QList<QAction *> out;
        for (QAction *a : barra->actions()) {
            if (a->menu())
                out += a->menu()->actions();
            else
                out.append(a);
        }
        return out;
    }

    // What must hold whatever happened.
    static QString controlla(Finestra *f, int nuoveParole)
    {
        if (nuoveParole > 0 && qobject_cast<FinestraPuzzle *>(f))
            return QStringLiteral("a puzzle said a word");
        if (!f)
            return {};
        auto *si = f->findChild<QWidget *>(QStringLiteral("ComandoIconaSi"));
        auto *no = f->findChild<QWidget *>(QStringLiteral("ComandoIconaNo"));
        if (si && no && !si->isHidden() && !no->isHidden())
            return QStringLiteral("both faces visible");
        if (auto *e = qobject_cast<FormEsercizio *>(f)) {
            const Conteggio &conteggio = std::as_const(*e).conteggio();
            if (conteggio.Esatti < 0 || conteggio.Errati < 0)
                return QStringLiteral("negative counter");
            static const QRegularExpression numero(QStringLiteral("^ \\d+$"));
            if (!numero.match(e->EtichettaEsatti->text()).hasMatch() || !numero.match(e->EtichettaErrati->text()).hasMatch())
                return QStringLiteral("counter text '%1' '%2'").arg(e->EtichettaEsatti->text(), e->EtichettaErrati->text());
            if (e->EtichettaEsatti->text() != TestoNumero(conteggio.Esatti) || e->EtichettaErrati->text() != TestoNumero(conteggio.Errati))
                return QStringLiteral("counter text does not match the count");
            if (e->Command1->isEnabled()) {
                // "avanti" only after a right answer: the frame is on a picture,
                // the names have stopped reacting, or every name is in its box.
                auto *shape = f->findChild<QWidget *>(QStringLiteral("Shape1"));
                auto *nome = f->findChild<QWidget *>(QStringLiteral("Label1_0"));
                if (auto *t = qobject_cast<FormTrascinamento *>(f)) {
                    if (t->CoppieFatte() != t->coppie())
                        return QStringLiteral("avanti enabled with %1 of %2 pairs").arg(t->CoppieFatte()).arg(t->coppie());
                } else if (shape && shape->isHidden()) {
                    return QStringLiteral("avanti enabled with no framed picture");
                } else if (!shape && nome && nome->isEnabled()) {
                    return QStringLiteral("avanti enabled while the names still react");
                }
            }
        }
        return {};
    }

    QString ultimo; // the last thing done, for the failure message

    void passo(ProgrammaProva &p, QRandomGenerator &r, Finestra *f)
    {
        ultimo = QString::fromLatin1(f->metaObject()->className());
        p.dialoghi.predefinita = r.bounded(2) ? Dialoghi::Risposta::Si : Dialoghi::Risposta::No;
        // File dialogs answer with a cancel, a good list, a broken one, a folder, or a place that cannot be written.
        const QString risposteFile[] = {QString(), p.cartella.percorso(QStringLiteral("testilettoria2/TUTTE.txt")),
                                        p.cartella.percorso(QStringLiteral("images0/ROTTA.jpg")), p.cartella.percorso(QStringLiteral("images0")),
                                        p.cartella.percorso(QStringLiteral("images0/ROTTA.jpg/nuova.txt")),
                                        p.cartella.percorso(QStringLiteral("nuova"))};
        p.dialoghi.fileDaAprire = {risposteFile[r.bounded(int(std::size(risposteFile)))]};
        p.dialoghi.fileDaSalvare = {risposteFile[r.bounded(int(std::size(risposteFile)))]};
        QWidget *area = f->centralWidget();
        const auto punto = [&] { return QPoint(r.bounded(std::max(1, area->width())), r.bounded(std::max(1, area->height()))); };
        const auto bersaglio = [&](QPoint &pt) {
            QWidget *w = area->childAt(pt);
            if (!w)
                return area;
            pt = w->mapFrom(area, pt);
            return w;
        };
        const int scelta = r.bounded(100);
        if (auto *menu = qobject_cast<FormMenu *>(f); menu && scelta < 40) {
            // Open an activity as a child would, through its big button.
            const auto pulsanti = area->findChildren<QPushButton *>();
            QPushButton *b = pulsanti.at(r.bounded(pulsanti.size()));
            if (b->objectName() != QLatin1String("Command3D5") || r.bounded(10) == 0) {
                ultimo += QStringLiteral(": button ") + b->objectName();
                clic(b);
            }
            return;
        }
        if (scelta < 45) {
            QPoint pt = punto();
            QWidget *w = bersaglio(pt);
            ultimo += QStringLiteral(": double click on ") + w->objectName();
            QTest::mouseDClick(w, Qt::LeftButton, {}, pt);
        } else if (scelta < 60) {
            static const Qt::Key tasti[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Down,
                                            Qt::Key_Up, Qt::Key_A, Qt::Key_F4, Qt::Key_Delete};
            QWidget *w = QApplication::focusWidget() ? QApplication::focusWidget() : f;
            const Qt::Key k = tasti[r.bounded(int(std::size(tasti)))];
            ultimo += QStringLiteral(": key %1 on %2").arg(int(k)).arg(w->objectName());
            QTest::keyClick(w, k);
        } else if (scelta < 68) {
            QPoint da = punto(), a = punto();
            QWidget *w = bersaglio(da);
            ultimo += QStringLiteral(": drag from ") + w->objectName();
            QTest::mousePress(w, Qt::LeftButton, {}, da);
            QTest::mouseMove(w, w->mapFrom(area, a));
            QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFrom(area, a));
        } else if (scelta < 72) {
            ultimo += QStringLiteral(": resize");
            f->resize(200 + r.bounded(1800), 150 + r.bounded(1000));
        } else if (scelta < 80 && f->menuBar()) {
            const auto tutte = azioni(f->menuBar());
            if (!tutte.isEmpty()) {
                QAction *a = tutte.at(r.bounded(tutte.size()));
                ultimo += QStringLiteral(": menu '%1' answered %2").arg(a->text()).arg(int(p.dialoghi.predefinita));
                a->trigger();
            }
        } else if (scelta < 81) {
            ultimo += QStringLiteral(": close, answered %1").arg(int(p.dialoghi.predefinita));
            f->close(); // the window manager's close button
        } else {
            QPoint pt = punto();
            QWidget *w = bersaglio(pt);
            ultimo += QStringLiteral(": click on ") + w->objectName();
            QTest::mouseClick(w, Qt::LeftButton, {}, pt);
        }
    }

private slots:
    void usoCasuale_data()
    {
        QTest::addColumn<QStringList>("parole");
        QTest::addColumn<unsigned>("seme");
        QStringList cinquecento;
        for (int i = 0; i < 500; ++i)
            cinquecento.append(QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')));
        const QList<std::pair<const char *, QStringList>> forme = {
            {"one word", {"CASA"}}, {"two words", {"CASA", "CANE"}}, {"four words", {"CASA", "CANE", "GATTO", "ORSO"}},
            {"duplicates", {"CASA", "casa", "CANE", "CANE", "CASA"}}, {"blanks", {"  CASA", " CANE", "GATTO", "", "   "}},
            {"missing and broken pictures", {"CASA", "NESSUNA", "ROTTA", "VUOTA", "CANE"}}, {"500 words", cinquecento}};
        // One seed per list shape; LETTORIA_SEMI_CASUALI asks for more.
        const int semi = std::max(1, qEnvironmentVariableIntValue("LETTORIA_SEMI_CASUALI"));
        unsigned seme = 1;
        for (const auto &[nome, parole] : forme)
            for (int volta = 1; volta <= semi; ++volta, ++seme)
                QTest::addRow("%s, seed %u", nome, seme) << parole << seme;
    }
    void usoCasuale()
    {
        QFETCH(QStringList, parole);
        QFETCH(unsigned, seme);
        const int eventi = qEnvironmentVariableIntValue("LETTORIA_EVENTI_CASUALI") > 0
                               ? qEnvironmentVariableIntValue("LETTORIA_EVENTI_CASUALI")
                               : 2000;
        QRandomGenerator r(seme);
        int sessioni = 0;
        QMap<QString, int> visite; // events per window, to show the run reached them
        for (int fatti = 0; fatti < eventi;) {
            ProgrammaProva p(seme * 1000 + static_cast<unsigned>(sessioni++));
            preparaCartella(p);
            p.parole(parole);
            // Every other session with a class, so "Chi gioca?" and "Cambia bambino" are reached too.
            if (sessioni % 2 == 0) {
                p.sessione.classe = {{QStringLiteral("Bambino A"), QStringLiteral("CASA")}, {QStringLiteral("Bambino B"), {}}};
                p.sessione.bambino = QStringLiteral("Bambino A");
            }
            p.apri(IdFinestra::FormMenu);
            for (; fatti < eventi && p.terminazioni == 0; ++fatti) {
                int quante = 0;
                Finestra *f = sulloSchermo(&quante);
                QVERIFY2(f, qPrintable(QStringLiteral("event %1: %2 windows on screen after %3").arg(fatti).arg(quante).arg(ultimo)));
                const QString classe = QString::fromLatin1(f->metaObject()->className());
                ++visite[classe];
                const qsizetype dettePrima = p.suoni.pronunce.size();
                passo(p, r, f);
                svuotaEventi();
                const QString errore = controlla(p.terminazioni ? nullptr : sulloSchermo(),
                                                 static_cast<int>(p.suoni.pronunce.size() - dettePrima));
                QVERIFY2(errore.isEmpty(), qPrintable(QStringLiteral("event %1 in %2: %3")
                                                          .arg(fatti)
                                                          .arg(classe, errore)));
            }
        }
        QStringList riassunto;
        for (auto it = visite.cbegin(); it != visite.cend(); ++it)
            riassunto.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
        qInfo("%s", qPrintable(riassunto.join(QStringLiteral(", "))));
        // Every list long enough for the exercises reaches windows beyond the menu.
        QVERIFY(visite.size() > 3);
    }
};

QTEST_MAIN(TestUsoCasuale)
#include "tst_usocasuale.moc"
