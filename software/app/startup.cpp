#include "startup.h"

#include "language.h"

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
#include "stationmode.h"
#include "terminationsignals.h"
#include "toolrunner.h"
#include "wiring.h"

#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

void releaseHeldMessages();

// Messages written before the window is shown: held until the log window
// exists, and written where the log has always had them (the window's own
// after the firmware's description, as when the window was built after it).
class HeldMessages {
public:
    void start()
    {
        held.clear();
        previous = qInstallMessageHandler(hold);
        holding = true;
    }
    void stop()
    {
        if (holding)
            qInstallMessageHandler(previous);
        holding = false;
    }
    size_t size() const { return held.size(); }
    // Stops holding and writes the first count held messages (all by
    // default) through the handler installed now.
    void release(size_t count = SIZE_MAX)
    {
        stop();
        count = std::min(count, held.size());
        std::vector<Message> taken(held.begin(), held.begin() + long(count));
        held.erase(held.begin(), held.begin() + long(count));
        for (const Message &message : taken) {
            const QMessageLogContext context(message.file.isEmpty() ? nullptr : message.file.constData(),
                                             message.line,
                                             message.function.isEmpty() ? nullptr : message.function.constData(),
                                             message.category.isEmpty() ? nullptr : message.category.constData());
            qt_message_output(message.type, context, message.text);
        }
    }

private:
    struct Message {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString text;
    };
    static void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        held.push_back({type, context.file, context.function, context.category, context.line, text});
        // The process ends after a fatal message: everything is said first.
        if (type == QtFatalMsg)
            releaseHeldMessages();
    }
    static inline std::vector<Message> held;
    QtMessageHandler previous = nullptr;
    bool holding = false;
};
HeldMessages heldMessages;
size_t messagesBeforeWindow = 0; // held before the window was built
bool finished = false;

// Ends the holding early (start-up failed, or the tool ends before the window
// was painted): nothing written so far is lost.
void releaseHeldMessages()
{
    if (!logWindow)
        logWindow = new LogWindow(nullptr);
    heldMessages.release();
}

// Longest wait for the worker at the end. It stops within a fraction of a
// second, since the runner kills a dfu-util that is still running.
constexpr unsigned long finalWorkerWaitMs = 15000;
// Longest wait for the window's first paint before the rest of start-up.
constexpr int firstPaintWaitMs = 1000;

bool loadLayout()
{
    const QString path = QStringLiteral(":resources/settings_GUI.json");
    try {
        app_state.settings = GuiSettings::fromFile(path);
        return true;
    } catch (const QString &error) {
        releaseHeldMessages();
        qCritical() << "The window layout cannot be read:" << error;
        QMessageBox::critical(nullptr, MainWindow::tr("Velmora Firmware Upgrade Tool"),
                              MainWindow::tr("The tool is damaged and cannot start: its window layout cannot be "
                                             "read.") + "\n\n" + error);
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
    if (station::use) {
        stationTerminationSignal(application, signalName(number));
        return;
    }
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

// The part of start-up the window does not need before it is shown: it runs
// once the window has been painted, so that the user sees it sooner. Its log
// lines come in the same order as ever: the window's own (held) after the
// firmware's description, as when the window was built after it.
void finishStartUp(QApplication &application)
{
    if (std::exchange(finished, true))
        return;
    heldMessages.stop();
    logWindow = new LogWindow(nullptr);
    heldMessages.release(messagesBeforeWindow);
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
    heldMessages.release();

    sm_A = new SM_A(tempFilePath(firmwareDfuFileName), tempFilePath(firmwareBinFileName),
                    tempFilePath(uploadedFwFileName));
    sm_A->connectedPollDelayMs = 1000;
    sm_A->idleScanDelayMs = 500;
    // A real bus tells of its changes; the simulator's devices are files.
    sm_A->watchBus = !simulator::use;
    sm_A->connectDebugOutput();
    sm_B = new SM_B(sm_A, app_state.desiredType, app_state.desiredRevision);
    sm_B->addDebugConnections();
    wireWorkflow(application);
    startHistory();
    if (payload == PayloadState::Sound) {
        // The worker starts once every connection exists.
        QObject::connect(sm_B, &QStateMachine::started, [] {
            qInfo() << "Starting sm_A";
            sm_A->start(QThread::InheritPriority);
        });
        sm_B->start();
    } else {
        refuseToWrite(payload);
    }
}

// Runs finishStartUp once the main window has been painted for the first time.
class FirstPaint : public QObject {
public:
    FirstPaint(QApplication &application, QObject *parent) : QObject(parent), application(application) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After this paint has reached the screen.
            QTimer::singleShot(0, &application, [this] {
                finishStartUp(application);
                deleteLater();
            });
        }
        return false;
    }

private:
    QApplication &application;
};

} // namespace

bool startUp(QApplication &application)
{
    finished = false;
    // Before the options are read: their help is shown in the language chosen.
    const QString requested = requestedLanguage(application.arguments());
    const QString language = chooseAndInstallLanguage(requested);
    parseOptions(application);
    watchTerminationSignals(&application, [&application](int number) { onTerminationSignal(application, number); });
    setDefaultFont();
    if (useLogWindow)
        qInstallMessageHandler(messageHandler);
    const auto logLanguage = [&requested, &language] {
        if (!requested.isEmpty() && language.isEmpty() && !requested.startsWith(QLatin1String("en")))
            qWarning().noquote() << QStringLiteral("No translation for the language \"%1\": the window is in English")
                                        .arg(requested);
        qInfo().noquote() << "Language:" << (language.isEmpty() ? QStringLiteral("en") : language);
    };
    if (station::use) {
        logLanguage();
        finished = true; // nothing is held back for a first paint
        return startStation(application);
    }
    // The log window is built after the window has been painted.
    heldMessages.start();

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
    logLanguage();

    // The window shows which firmware the tool installs: read from the
    // embedded image itself, ahead of its unpacking.
    messagesBeforeWindow = heldMessages.size();
    const FW_Info shown = readFwInfo(QStringLiteral(":resources/") + firmwareBinFileName);
    if (!loadLayout())
        return false;
    app_state.desiredName = shown.name;
    app_state.desiredType = shown.product.type;
    app_state.desiredRevision = shown.revision;

    mainWindow = createMainWindow(app_state, nullptr, simulator::use);
    mainWindow->setWindowTitle(MainWindow::tr("Velmora Firmware Upgrade Tool"));
    // Owned by the window: a window that is never painted never deletes it.
    mainWindow->installEventFilter(new FirstPaint(application, mainWindow));
    // A window the desktop keeps unmapped (on another workspace) is never
    // painted: the workflow starts all the same.
    QTimer::singleShot(firstPaintWaitMs, &application, [&application] { finishStartUp(application); });
    mainWindow->show();
    return true;
}

int shutDown(int exitCode)
{
    if (station::use)
        return shutDownStation(exitCode);
    if (!finished)
        releaseHeldMessages();
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
