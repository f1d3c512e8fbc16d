#pragma once

#include "core/insegnante.h"
#include "core/risposte.h"
#include "risultati/archivio.h"

#include <QLibrary>
#include <QPointer>
#include <QWidget>

#include <memory>

class Dialoghi;

inline const QString MessaggioRisposteNonRicordate = QStringLiteral(
    "Le risposte dei bambini non vengono ricordate: manca il modulo \"lettoria2_risultati\" accanto al programma.");
inline const QString MessaggioSenzaRisultati =
    QStringLiteral("I risultati dei bambini non sono disponibili: manca il modulo \"lettoria2_risultati\" accanto al programma.");

// Keeps the answers of the named children through the results module beside
// the executable, loaded the first time a named child plays or asks for his
// or her practice, so start-up loads no database code. A guest's answers are
// not kept. Whatever the store has to tell the teacher (a damaged file moved
// aside, answers not being kept) is said once a run. Without the module the
// exercises go on and nothing is kept.
// The module also gives the teacher's results and the question before them.
class RisultatiQt : public RegistroRisposte, public Insegnante
{
public:
    // `cartellaModulo`: where the module is; `cartellaImpostazioni`: where the
    // store is; `fileImpostazioni`: where the school's server may be named.
    RisultatiQt(const QString &cartellaModulo, const QString &cartellaImpostazioni, const QString &fileImpostazioni,
                Dialoghi &dialoghi);
    ~RisultatiQt() override;

    void registra(const Risposta &risposta) override;
    QHash<QString, int> caselle(const QString &bambino) override;

    bool adulto() override;
    void risultati() override;
    bool cancellaRisposte(const QString &bambino) override;
    bool rinominaRisposte(const QString &vecchio, const QString &nuovo) override;
    void classeCambiata(const QList<Bambino> &classe) override;
    // With a school's server in the settings, the store opens at once (after
    // the first window is drawn), so that this PC's outbox drains and the
    // class list arrives before anyone plays.
    void avvia();
    // The store, loading the module if need be; null without it.
    ArchivioRisultati *archivio();

private:
    QString cartellaModulo_;
    QString cartellaImpostazioni_;
    QString fileImpostazioni_;
    Dialoghi &dialoghi_;
    QLibrary modulo_;
    std::unique_ptr<ArchivioRisultati> archivio_;
    bool tentato_ = false;
    bool avvisato_ = false; // answers not kept: said once a run
    QPointer<QWidget> finestra_;
};
