#pragma once

#include "core/classe.h"

#include <QWidget>

#include <functional>

class Dialoghi;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct Ambiente;

// The teacher's class list: add a child, rename one, take one away (asking
// whether his or her answers go too), and give each an optional picture as
// a sign for a child who cannot read his or her name yet. Every change is
// written to Bambini.txt at once, whole; a change that cannot be written is
// said and undone on screen.
class EditorClasse : public QWidget
{
    Q_OBJECT
public:
    struct Archivio
    {
        // Erases a child's answers for good; false when it could not.
        std::function<bool(const QString &bambino)> cancella;
        // Moves a child's answers to a new name; false when it could not.
        std::function<bool(const QString &vecchio, const QString &nuovo)> rinomina;
        // The list as saved, for the school's server when there is one.
        std::function<void(const QList<Bambino> &classe)> salvata;
    };
    EditorClasse(const Ambiente &ambiente, Dialoghi &dialoghi, Archivio archivio, QWidget *parent = nullptr);

    const QList<Bambino> &classe() const { return classe_; }

    QLabel *Titolo = nullptr;
    QListWidget *Elenco = nullptr;
    QLineEdit *Nome = nullptr;
    QComboBox *Segno = nullptr; // "nessuna" first, then the pictures' words
    QPushButton *Aggiungi = nullptr;
    QPushButton *Rinomina = nullptr;
    QPushButton *Togli = nullptr;
    QPushButton *Chiudi = nullptr;

signals:
    void chiuso();

private:
    void mostra(int riga);
    void scelto();
    bool salva(const QList<Bambino> &nuova);
    void aggiungi();
    void rinomina();
    void togli();
    void cambiaSegno();

    const Ambiente &ambiente_;
    Dialoghi &dialoghi_;
    Archivio archivio_;
    QList<Bambino> classe_;
    bool aggiornando_ = false;
};
