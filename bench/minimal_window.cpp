// The reference for the tool's start-up: the least a Qt widgets program does
// to show a window of the tool's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(665, 517);
    window.setWindowTitle("Minimal window");
    window.show();
    return app.exec();
}
