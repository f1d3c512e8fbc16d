// The floor of the start-up figure: the least a Qt Widgets program does to put
// one full-screen window on the screen.
#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel finestra(QStringLiteral("Lettoria 2"), nullptr, Qt::Window | Qt::FramelessWindowHint);
    finestra.setGeometry(finestra.screen()->geometry());
    finestra.show();
    return QApplication::exec();
}
