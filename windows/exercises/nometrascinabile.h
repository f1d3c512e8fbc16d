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

// Makes a widget a place where names can be dropped: a box under a picture,
// or the "Errati" caption. It takes only the names it was given, and only
// while they can be dragged; each drop reports the target's own "Index" and
// the name's index.
class RicevitoreNomi : public QObject
{
    Q_OBJECT
public:
    RicevitoreNomi(QWidget *bersaglio, const QList<NomeTrascinabile *> &nomi);

    // The receiver installed on a widget, or null.
    static RicevitoreNomi *di(const QWidget *bersaglio);

    QWidget *bersaglio() const { return bersaglio_; }
    int indice() const;
    // The name a drag carries, or null when it is not one of ours.
    NomeTrascinabile *nomeDa(const QMimeData *dati) const;

signals:
    // `riquadro` is the target's index, `nome` the index of the dropped name.
    void rilasciato(int riquadro, int nome);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    QWidget *bersaglio_;
    QList<QPointer<NomeTrascinabile>> nomi_;
};

// A drag pointer: the pointer's picture on a canvas twice as large, with its
// hot spot at the centre, since drag pointers are always held by their centre.
QPixmap PuntatoreTrascinamento(const QCursor &cursore);
