// velmora-upgrade: writes verified firmware to a Velmora device in DFU mode.

#include "historycommand.h"
#include "options.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Printing the history needs no window, and no display to show one on.
    if (historyPrintRequested(argc, argv))
        return printHistory(argc, argv);
    QApplication app(argc, argv);
    if (!startUp(app))
        return 1;
    return shutDown(app.exec());
}
