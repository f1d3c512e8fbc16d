#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

// A face that says how the last answer went: drawn at the size it is shown,
// round whatever the shape of its box, centred in it.
class Faccia : public QWidget
{
    Q_OBJECT
public:
    using Disegno = std::function<QPixmap(int lato)>;
    explicit Faccia(Disegno disegno, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Disegno disegno_;
    QPixmap cache_;
};
