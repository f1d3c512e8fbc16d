#pragma once

#include <QString>

// Message boxes and file dialogs. The program plugs in the real ones; tests
// plug in a fake that records what was asked and gives scripted answers.
class Dialoghi
{
public:
    enum class Icona { Nessuna, Critica, Domanda, Esclamazione, Informazione };
    enum class Pulsanti { Ok, SiNo };
    enum class Risposta { Ok, Si, No };

    virtual ~Dialoghi() = default;

    virtual Risposta messaggio(Icona icona, const QString &titolo, const QString &testo, Pulsanti pulsanti) = 0;
    // Full path of the chosen file, or an empty text when the dialog is cancelled.
    virtual QString apriFile(const QString &filtro, const QString &cartellaIniziale) = 0;
    virtual QString salvaFile(const QString &filtro, const QString &cartellaIniziale) = 0;

    // The usual boxes, titled "Lettoria 2".
    void avvisa(Icona icona, const QString &testo);
    bool chiedi(const QString &domanda); // Yes/No with the question icon; true on Yes
};

inline const QString TitoloProgramma = QStringLiteral("Lettoria 2");
