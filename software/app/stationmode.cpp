#include "stationmode.h"

#include "dfucommands.h"
#include "fwinfo.h"
#include "logwindow.h"
#include "options.h"
#include "payload.h"
#include "recording.h"
#include "station.h"
#include "stationwindow.h"
#include "toolrunner.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>

namespace {

QPointer<Station> engine;
QPointer<StationWindow> stationWindow;

// Asked once, when writes are running: they are always finished, the
// question is only whether the tool ends after them.
bool confirmClose(int writes)
{
    QMessageBox box(QMessageBox::Question, StationWindow::tr("Devices are being written"),
                    StationWindow::tr("%n device(s) are being written. A write cut short leaves a device without "
                                      "working firmware, so the writes are finished first.\n\nEnd the tool once "
                                      "they are finished?",
                                      nullptr, writes),
                    QMessageBox::NoButton, stationWindow);
    QPushButton *end = box.addButton(StationWindow::tr("&End after the writes"), QMessageBox::AcceptRole);
    QPushButton *keep = box.addButton(StationWindow::tr("&Keep working"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.exec();
    const bool ending = box.clickedButton() == end;
    qInfo() << (ending ? "Station: ending once the running writes are finished" : "Station: end declined");
    return ending;
}

void endWhenIdle(QApplication &application)
{
    QObject::connect(engine, &Station::idle, &application, &QApplication::quit, Qt::UniqueConnection);
    engine->finish();
}

} // namespace

bool startStation(QApplication &application)
{
    logWindow = new LogWindow(nullptr);
    qInfo() << "Station: several devices at once" << (station::autoUpgrade ? "(every ready device is upgraded)" : "");
    // The simulator stands for one device; a station needs the real bus.
    if (simulator::use)
        qWarning() << "Station: the simulator simulates one device; the station uses the real USB bus (-s is ignored)";
    setToolDirectory(tempDir().path());
    extractResources({FirmwareDfuFile, FirmwareBinFile, DfuUtilFile}, true);
    markExecutable(toolPath());
    PayloadState payload = checkPayload(recordedPayloadSums());
    if (payload == PayloadState::Sound && !runExecutionTest(recordedDfuUtilBanner())) {
        qCritical() << "dfu-util does not run as it should (see the line above): no device command will run";
        payload = PayloadState::CannotRun;
    }
    const FW_Info desired = readFwInfo(tempFilePath(firmwareBinFileName));
    qInfo().noquote() << "Desired (embedded)" << desired;

    engine = new Station(tempFilePath(firmwareBinFileName), tempFilePath(QStringLiteral("station")),
                          desired.product.type, desired.revision, &application);
    engine->autoUpgrade = station::autoUpgrade;
    stationWindow = new StationWindow(engine);
    stationWindow->confirmClose = confirmClose;
    QObject::connect(stationWindow, &StationWindow::closeRequested, &application, [&application] { endWhenIdle(application); });
    auto *logKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), stationWindow);
    QObject::connect(logKey, &QShortcut::activated, [] {
        if (logWindow)
            logWindow->dialog->setVisible(!logWindow->dialog->isVisible());
    });
    startStationHistory(engine);
    stationWindow->show();
    if (payload != PayloadState::Sound) {
        const bool damaged = payload == PayloadState::Damaged;
        const char *why =
            damaged ? QT_TRANSLATE_NOOP("StationWindow", "This copy of the tool is damaged: no device is written. "
                                                         "Install it again.")
                    : QT_TRANSLATE_NOOP("StationWindow", "The tool cannot unpack or run its dfu-util in %1: no device "
                                                         "is written.");
        const QString folder = tempDir().isValid() ? tempDir().path() : QDir::tempPath();
        // The log in English, the user in the user's language.
        qCritical().noquote() << "Station:" << (damaged ? QString(why) : QString(why).arg(folder));
        const QString shown = StationWindow::tr(why);
        QMessageBox::critical(stationWindow, StationWindow::tr("Velmora Firmware Upgrade"),
                              damaged ? shown : shown.arg(folder));
        return true;
    }
    engine->start();
    return true;
}

void stationTerminationSignal(QApplication &application, const char *name)
{
    static bool waiting = false;
    if (!engine || waiting) {
        qCritical().noquote() << QStringLiteral("Termination signal received (%1): ending now").arg(name);
        application.quit();
        return;
    }
    const int writes = engine->writesRunning();
    if (writes == 0) {
        qInfo().noquote() << QStringLiteral("Termination signal received (%1)").arg(name);
        application.quit();
        return;
    }
    waiting = true;
    qWarning().noquote() << QStringLiteral("Termination signal received (%1): %2 device(s) are being written; the tool "
                                           "ends once the writes are finished (a second signal ends it at once)")
                                .arg(name)
                                .arg(writes);
    endWhenIdle(application);
}

int shutDownStation(int exitCode)
{
    if (logWindow)
        logWindow->routeMessagesDirectly();
    qInfo() << "app.exec() returns: " << exitCode;
    delete stationWindow;
    finishHistory();
    delete engine; // waits for what still runs (reads only: writes were waited for)
    return exitCode;
}
