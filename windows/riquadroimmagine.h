#pragma once

#include <QFuture>
#include <QImage>
#include <QWidget>

// A picture box: shows a JPEG whole and undistorted, as large as fits in the
// box, centred, the rest of the box white like the pictures' own background.
// The file is decoded once at that fitted size (again only when the box
// changes size), never at full size and scaled at every paint. A box on
// screen starts decoding on the thread pool as soon as it is given a file, so
// the pictures of one item are decoded side by side; the paint takes the
// result, and decodes it itself when no thread has started on it yet. A
// missing or unreadable file leaves the box white with a thin grey border.
class RiquadroImmagine : public QWidget
{
    Q_OBJECT
public:
    explicit RiquadroImmagine(QWidget *parent = nullptr);

    void CaricaFile(const QString &percorso);
    QString file() const { return file_; }
    // Decodes now if needed; true when the file gave a picture.
    bool immagineValida();
    // What is painted (null when the file gave none), at the size it is drawn.
    const QImage &immagine();
    // Where in the box the picture is drawn; empty when there is none.
    QRect areaImmagine();

signals:
    void clicked();
    // Any tap, even on a picture that no longer answers.
    void toccato();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void decodifica();

    QString file_;
    QImage immagine_;
    QSize dimensioneDecodificata_;
    bool decodificata_ = false;
    // The decoding started when the file was given, and the box size it was for.
    QFuture<QImage> inCorso_;
    QSize dimensioneInCorso_;
};

// Decodes an image file as large as fits in `riquadro` keeping its
// proportions, or returns a null image.
QImage DecodificaImmagine(const QString &percorso, const QSize &riquadro);
