#include "startup.h"

#include "dfucommands.h"
#include "fwinfo.h"
#include "logwindow.h"
#include "mainwindow.h"
#include "options.h"
#include "payload.h"
#include "platform.h"
#include "simulator.h"
#include "sm_a.h"
#include "sm_b.h"
#include "toolrunner.h"
#include "wiring.h"

#include <QApplication>
#include <QDebug>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

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

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

// Ctrl+C in a terminal or a TERM signal ends the event loop like closing the
// window does, so the workflow stops and the working directory is removed. A
// firmware write in progress is finished first: cut short, it would leave the
// device without working firmware. A second signal ends the tool at once.
void onTerminationSignalReceived(QApplication &application)
{
    static bool waitingForWrite = false;
    if (waitingForWrite) {
        qCritical() << "Second termination signal received: ending now, the firmware write is cut short";
        application.quit();
        return;
    }
    if (sm_A) {
        // Connected before asking, so that a worker ending right after the write is not missed.
        QObject::connect(sm_A, &QThread::finished, &application, &QApplication::quit);
        if (sm_A->requestStopAfterDownload()) {
            waitingForWrite = true;
            qWarning() << "Termination signal received: the firmware is being written; the tool ends once the "
                          "write is finished (a second signal ends it at once)";
            return;
        }
    }
    qInfo() << "Termination signal received";
    application.quit();
}

void quitOnTerminationSignals(QApplication &application)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, [&application] {
        char byte;
        [[maybe_unused]] const ssize_t read = ::read(signalPipe[1], &byte, 1);
        onTerminationSignalReceived(application);
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

bool startUp(QApplication &application)
{
    parseOptions(application);
    quitOnTerminationSignals(application);
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
    const PayloadState payload = checkPayload(recordedPayloadSums());

    if (payload == PayloadState::Sound)
        runExecutionTest();
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
    delete sm_A;
    sm_A = nullptr;
    delete sm_B;
    sm_B = nullptr;
    return exitCode;
}
