#include "startup.h"

#include "options.h"
#include "payload.h"
#include "platform.h"
#include "dfucommands.h"
#include "fwinfo.h"
#include "toolrunner.h"

#include <QApplication>
#include <QDebug>
#include <QTemporaryDir>

void startUp(QApplication &application)
{
    parseOptions(application);

    // The unpacked dfu-util is started by its full path. (The simulator, which
    // will take its place with "-s", is not part of this build yet.)
    setToolDirectory(tempDir().path());

    qInfo() << "Compiled for platform (OS):" << buildPlatform() << "with 'DEBUG'"
            << (builtWithDebug() ? "defined" : "not defined");

    extractResources({FirmwareDfuFile, FirmwareBinFile, DfuUtilFile}, true);
    markExecutable(toolPath());

    runExecutionTest();
    qInfo().noquote() << "Desired (embedded)" << desiredFwInfo();
}
