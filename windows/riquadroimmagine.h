#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

class DecodificaInCorso;

// A picture box: shows a JPEG stretched to fill the box. The file is decoded
// once for the size it is shown at (again only when that size changes), never
// at full size and scaled at every paint. When several boxes on screen are
// given a file before a paint, all but the first start decoding on the thread
// pool at once, so the pictures of one item are decoded side by side; the
// paint takes the result. A missing or unreadable file leaves the box white
// with a thin grey border.
class RiquadroImmagine : public QWidget
{
    Q_OBJECT
public:
    explicit RiquadroImmagine(QWidget *parent = nullptr);
    ~RiquadroImmagine() override;

    void CaricaFile(const QString &percorso);
    QString file() const { return file_; }
    // Decodes now if needed; true when the file gave a picture.
    bool immagineValida();
    // What is painted (null when the file gave none).
    const QImage &immagine();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void decodifica();
    void abbandonaDecodifica();

    QString file_;
    QImage immagine_;
    QSize dimensioneDecodificata_;
    bool decodificata_ = false;
    bool premuto_ = false;
    std::shared_ptr<DecodificaInCorso> inCorso_;
    bool inAttesa_ = false;
};

// Decodes an image file at (about) the given size, or returns a null image.
QImage DecodificaImmagine(const QString &percorso, const QSize &dimensione);
