// The floor of the start-up figure: the least a Qt Widgets program does to put
// one full-screen window with a line of text on the screen.
#include "bench/primapittura.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget finestra(nullptr, Qt::Window | Qt::FramelessWindowHint);
    auto *strato = new QVBoxLayout(&finestra);
    strato->addWidget(new QLabel(QStringLiteral("Lettoria 2"), &finestra));
    finestra.setGeometry(finestra.screen()->geometry());
    finestra.show();
    SegnalaFinePrimaPittura(&finestra);
    return QApplication::exec();
}
