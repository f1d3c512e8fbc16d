#pragma once

#include <QLabel>
#include <QPointer>

class QMimeData;

// Dragging a name onto a box. A drag carries our own MIME type only, with the
// identity of the name that started it, so nothing dragged in from another
// program (or a stale drag) can ever be dropped.
inline const QString TipoNomeTrascinato = QStringLiteral("application/x-lettoria2-nome");

// A name the child can drag: pressing on it (mouse, finger or pen) starts the
// drag at once; the label stays where it is while a picture of it follows
// the pointer.
class NomeTrascinabile : public QLabel
{
    Q_OBJECT
public:
    explicit NomeTrascinabile(QWidget *parent = nullptr);

    // The index in its control array (the dynamic property "Index").
    int indice() const;
    // What a drag of this name carries.
    void riempiDati(QMimeData &dati) const;
    // The picture that follows the pointer: the name as it is shown.
    QPixmap immagineTrascinamento() const;

signals:
    void trascinamentoIniziato(int indice);
    void trascinamentoFinito(int indice, Qt::DropAction azione);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// A place where names can be dropped: a box under a picture, or the "Errati"
// caption. It takes only the names it was given, and only while they can be
// dragged.
class RiquadroRilascio : public QLabel
{
    Q_OBJECT
public:
    explicit RiquadroRilascio(QWidget *parent = nullptr);

    int indice() const;
    void setNomi(const QList<NomeTrascinabile *> &nomi);
    // The name a drag carries, or null when it is not one of ours.
    NomeTrascinabile *nomeDa(const QMimeData *dati) const;

signals:
    // `nome` is the index of the dropped name, `riquadro` this target's index.
    void rilasciato(int nome, int riquadro);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QList<QPointer<NomeTrascinabile>> nomi_;
};

// A drag pointer: the pointer's picture on a canvas twice as large, with its
// hot spot at the centre, since drag pointers are always held by their centre.
QPixmap PuntatoreTrascinamento(const QCursor &cursore);
