// velmora-upgrade: writes verified firmware to a Velmora device in DFU mode.

#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    startUp(app);
    // The window and the device workflow come next; until then the tool ends
    // after its start-up steps.
    return 0;
}
