// velmora-upgrade: writes verified firmware to a Velmora device in DFU mode.

#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!startUp(app))
        return 1;
    return shutDown(app.exec());
}
