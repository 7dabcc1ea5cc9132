#include "startup.h"

#include "dfucommands.h"
#include "fwinfo.h"
#include "logwindow.h"
#include "mainwindow.h"
#include "options.h"
#include "payload.h"
#include "platform.h"
#include "recording.h"
#include "simulator.h"
#include "sm_a.h"
#include "sm_b.h"
#include "terminationsignals.h"
#include "toolrunner.h"
#include "wiring.h"

#include <QApplication>
#include <QDebug>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdlib>

namespace {

// Longest wait for the worker at the end. It stops within a fraction of a
// second, since the runner kills a dfu-util that is still running.
constexpr unsigned long finalWorkerWaitMs = 15000;

bool loadLayout()
{
    const QString path = QStringLiteral(":resources/settings_GUI.json");
    try {
        app_state.settings = GuiSettings::fromFile(path);
        return true;
    } catch (const QString &error) {
        qCritical() << "The window layout cannot be read:" << error;
        QMessageBox::critical(nullptr, "Velmora Firmware Upgrade Tool",
                              "The tool is damaged and cannot start: its window layout cannot be read.\n\n" + error);
        return false;
    }
}

const char *signalName(int number)
{
    switch (number) {
    case SIGINT: return "INT";
    case SIGTERM: return "TERM";
    case SIGHUP: return "HUP";
    case SIGQUIT: return "QUIT";
    }
    return "?";
}

// Ctrl+C in a terminal, a TERM signal, the terminal closed or Ctrl+\ end the
// event loop like closing the window does, so the workflow stops and the
// working directory is removed. A firmware write in progress is finished
// first: cut short, it would leave the device without working firmware. A
// second signal ends the tool at once.
void onTerminationSignal(QApplication &application, int number)
{
    static bool waitingForWrite = false;
    if (waitingForWrite) {
        qCritical().noquote() << QStringLiteral("Second termination signal received (%1): ending now, the firmware "
                                                "write is cut short").arg(signalName(number));
        application.quit();
        return;
    }
    if (sm_A) {
        // Connected before asking, so that a worker ending right after the write is not missed.
        QObject::connect(sm_A, &QThread::finished, &application, &QApplication::quit);
        if (sm_A->requestStopAfterDownload()) {
            waitingForWrite = true;
            qWarning().noquote() << QStringLiteral("Termination signal received (%1): the firmware is being written; "
                                                   "the tool ends once the write is finished (a second signal ends "
                                                   "it at once)").arg(signalName(number));
            return;
        }
    }
    qInfo().noquote() << QStringLiteral("Termination signal received (%1)").arg(signalName(number));
    application.quit();
}

} // namespace

bool startUp(QApplication &application)
{
    parseOptions(application);
    watchTerminationSignals(&application, [&application](int number) { onTerminationSignal(application, number); });
    setDefaultFont();
    logWindow = new LogWindow(nullptr);
    if (useLogWindow)
        qInstallMessageHandler(messageHandler);

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
    // Before any device command: what would be written, and what the read-back
    // is compared with, must be exactly what the build made.
    PayloadState payload = checkPayload(recordedPayloadSums());
    // The program every device command runs must run here, and be the one
    // expected (the simulator stands in for dfu-util 0.9).
    if (payload == PayloadState::Sound
        && !runExecutionTest(simulator::use ? simulatorVersionBanner() : recordedDfuUtilBanner())) {
        qCritical() << "dfu-util does not run as it should (see the line above): no device command will run";
        payload = PayloadState::CannotRun;
    }
    const FW_Info &desired = desiredFwInfo();
    qInfo().noquote() << "Desired (embedded)" << desired;

    if (!loadLayout())
        return false;
    app_state.desiredName = desired.name;
    app_state.desiredType = desired.product.type;
    app_state.desiredRevision = desired.revision;

    mainWindow = createMainWindow(app_state, nullptr, simulator::use);
    mainWindow->setWindowTitle("Velmora Firmware Upgrade Tool");

    sm_A = new SM_A(tempFilePath(firmwareDfuFileName), tempFilePath(firmwareBinFileName),
                    tempFilePath(uploadedFwFileName));
    sm_A->connectedPollDelayMs = 1000;
    sm_A->idleScanDelayMs = 500;
    sm_A->connectDebugOutput();
    sm_B = new SM_B(sm_A, app_state.desiredType, app_state.desiredRevision);
    sm_B->addDebugConnections();
    wireWorkflow(application);
    startHistory();
    if (payload == PayloadState::Sound) {
        // The worker starts once the event loop runs and every connection exists.
        QObject::connect(sm_B, &QStateMachine::started, [] {
            qInfo() << "Starting sm_A";
            sm_A->start(QThread::InheritPriority);
        });
        sm_B->start();
    } else {
        refuseToWrite(payload);
    }
    mainWindow->show();
    return true;
}

int shutDown(int exitCode)
{
    if (logWindow)
        logWindow->routeMessagesDirectly();
    qInfo() << "app.exec() returns: " << exitCode;
    if (sm_B)
        sm_B->stop();
    if (sm_A)
        sm_A->requestStop();
    qInfo() << "Waiting 2 s before deleting objects";
    QThread::sleep(2);
    if (sm_A && !stopWorker(finalWorkerWaitMs)) {
        // Never hang on exit; the operating system ends the thread with us.
        qCritical() << "SM_A did not stop; ending without waiting for it";
        std::_Exit(exitCode);
    }
    finishHistory();
    delete sm_A;
    sm_A = nullptr;
    delete sm_B;
    sm_B = nullptr;
    return exitCode;
}
