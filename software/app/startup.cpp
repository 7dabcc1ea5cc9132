#include "startup.h"

#include "options.h"
#include "payload.h"
#include "platform.h"
#include "simulator.h"
#include "dfucommands.h"
#include "fwinfo.h"
#include "toolrunner.h"

#include <QApplication>
#include <QDebug>
#include <QTemporaryDir>

void startUp(QApplication &application)
{
    parseOptions(application);

    if (simulator::use) {
        qInfo() << "Will use simulator (i.e. option 'use_simulator).";
        setupSimulator(false);
    } else {
        qInfo() << "Will use real device (i.e. no option 'use_simulator'.)";
        // The unpacked dfu-util is started by its full path.
        setToolDirectory(tempDir().path());
    }

    qInfo() << "Compiled for platform (OS):" << buildPlatform() << "with 'DEBUG'"
            << (builtWithDebug() ? "defined" : "not defined");

    extractResources({FirmwareDfuFile, FirmwareBinFile, DfuUtilFile}, true);
    markExecutable(toolPath());

    runExecutionTest();
    qInfo().noquote() << "Desired (embedded)" << desiredFwInfo();
}
