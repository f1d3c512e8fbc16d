#pragma once

#include <QWidget>

// The red frame put round the right picture. Clicks pass through it.
class CorniceRossa : public QWidget
{
    Q_OBJECT
public:
    explicit CorniceRossa(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
