#include "recording.h"

#include "historyserver.h"
#include "historystore.h"
#include "historywindow.h"
#include "mainwindow.h"
#include "payload.h"
#include "platform.h"
#include "producttable.h"
#include "sm_a.h"
#include "sm_b.h"
#include "station.h"
#include "options.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QLineEdit>
#include <QDebug>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QShortcut>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

#include <memory>
#include <mutex>

namespace {

std::unique_ptr<HistoryStore> store;
std::unique_ptr<HistoryServer> server;
QPointer<HistoryWindow> window;
QString serverProblem;      // a connection string that cannot be used, for the log
QString shownServerProblem; // the same in the user's language

// What every record of this run shares: station, user, tool and firmware.
HistoryRecord common;

// Attempts written or being written, by the serial of their device, until
// their outcome is known. The worker adds to it, the window's thread the rest.
std::mutex pendingMutex;
QMap<QString, HistoryRecord> pending;
bool pendingWritten(const HistoryRecord &record)
{
    return record.writeExitCode.has_value();
}

// Read-backs asked for, by the worker's number of the device, with what the
// record needs of that device.
QMap<quint64, HistoryRecord> verifying;

QString loginName()
{
    if (const passwd *entry = getpwuid(getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

// The image's SHA-256 as the build recorded it: the start-up check has just
// compared the unpacked file with it, so it is not hashed a second time.
QString recordedSha256(const QString &fileName)
{
    const QRegularExpression line(QStringLiteral("^([0-9a-f]{64}) [ *]%1$").arg(QRegularExpression::escape(fileName)),
                                  QRegularExpression::MultilineOption);
    return line.match(recordedPayloadSums()).captured(1);
}

HistoryRecord recordFor(const DeviceInfo &info, const QString &serial, const QString &usbPath)
{
    HistoryRecord record = common;
    record.id = QUuid::createUuid();
    record.started = QDateTime::currentDateTimeUtc();
    record.serial = serial;
    record.usbPath = usbPath;
    if (info.otp.valid) {
        record.productType = info.otp.product.type;
        record.model = productModel(info.otp.product.type);
    }
    record.revisionBefore = info.FW_revision;
    return record;
}

QString serverText()
{
    if (!serverProblem.isEmpty())
        return HistoryWindow::tr("The shared history server is not used: %1").arg(shownServerProblem);
    if (!server)
        return QString();
    const HistoryServer::State state = server->state();
    if (!state.tried)
        return HistoryWindow::tr("Connecting to the shared history server...");
    if (!state.reachable)
        return HistoryWindow::tr("The shared history server cannot be reached (%1). %2 record(s) wait to be sent.")
            .arg(state.problem)
            .arg(state.waiting);
    return state.waiting == 0 ? HistoryWindow::tr("Every record has reached the shared history server.")
                              : HistoryWindow::tr("%1 record(s) wait to be sent to the shared history server.")
                                    .arg(state.waiting);
}

void recordChanged()
{
    if (server)
        server->poke();
    if (window && window->isVisible())
        window->refresh();
}

void finish(HistoryRecord record, Outcome outcome)
{
    record.outcome = outcome;
    record.finished = QDateTime::currentDateTimeUtc();
    record.process.clear();
    store->update(record);
    qInfo().noquote() << QStringLiteral("History: %1 of the device with serial %2 recorded as \"%3\"")
                             .arg(pendingWritten(record) ? QStringLiteral("the upgrade") : QStringLiteral("the attempt"),
                                  record.serial, outcomeText(outcome));
    recordChanged();
}

// A read-back's end completes the attempt pending for the device, if it was
// written, or is stored as a verification without a write. where: how the
// log names the device beside its serial ("" or " at 1-3").
void recordReadBack(const HistoryRecord &attempt, const HistoryRecord &verification, int readBack, int exitCode,
                    qint64 milliseconds, const QString &where)
{
    const bool afterWrite = !attempt.id.isNull();
    HistoryRecord record = afterWrite ? attempt : verification;
    record.readExitCode = exitCode;
    record.readMs = milliseconds;
    Outcome outcome = Outcome::NotConfirmed;
    if (readBack == int(ReadBack::Matches))
        outcome = afterWrite ? Outcome::Verified : Outcome::AlreadyCurrent;
    else if (readBack == int(ReadBack::Differs))
        outcome = Outcome::Differs;
    if (afterWrite) {
        finish(record, outcome);
        return;
    }
    record.outcome = outcome;
    record.finished = QDateTime::currentDateTimeUtc();
    store->add(record);
    qInfo().noquote() << QStringLiteral("History: the verification of the device with serial %1%2 recorded as \"%3\"")
                             .arg(record.serial, where, outcomeText(outcome));
    recordChanged();
}

// Worker thread, before dfu-util writes: the attempt is on disk first, so that
// no crash or power cut can lose it or let it pass for a success.
void beforeWrite(const ConnectedDevice &device)
{
    HistoryRecord record = recordFor(device.info, device.serial, device.usbPath);
    record.process = processIdentity();
    store->add(record);
    HistoryRecord previous;
    {
        std::lock_guard<std::mutex> lock(pendingMutex);
        previous = pending.take(device.serial);
        pending.insert(device.serial, record);
    }
    // Written again before it was seen after its last write.
    if (!previous.id.isNull())
        QMetaObject::invokeMethod(qApp, [previous] { finish(previous, Outcome::WrittenNotVerified); });
}

// A write has ended: the attempt gets its exit code, duration and error line,
// and stays in progress: its outcome shows when the device is read again.
template <typename Key>
void noteWrite(QMap<Key, HistoryRecord> &attempts, const Key &key, int exitCode, qint64 milliseconds,
               const QString &lastError)
{
    HistoryRecord record;
    {
        std::lock_guard<std::mutex> lock(pendingMutex);
        auto found = attempts.find(key);
        if (found == attempts.end())
            return;
        found->writeExitCode = exitCode;
        found->writeMs = milliseconds;
        found->lastError = lastError;
        record = *found;
    }
    store->update(record);
}

void writeFinished(const QString &serial, int exitCode, qint64 milliseconds, const QString &lastError)
{
    noteWrite(pending, serial, exitCode, milliseconds, lastError);
}

HistoryRecord takePending(const QString &serial)
{
    std::lock_guard<std::mutex> lock(pendingMutex);
    return pending.take(serial);
}

// The device shows again but is not read back (it runs another revision,
// or is another product now): the write did not take.
void deviceBackUnverified()
{
    HistoryRecord record = takePending(sm_B->deviceSerial);
    if (record.id.isNull())
        return;
    if (record.lastError.isEmpty()) {
        const QString revision = sm_B->deviceInfo.FW_revision;
        record.lastError = revision.isEmpty()
                               ? QStringLiteral("The device came back with an unknown firmware revision")
                               : QStringLiteral("The device came back running firmware revision %1").arg(revision);
    }
    finish(record, Outcome::WriteFailed);
}

void verificationStarted()
{
    HistoryRecord record = recordFor(sm_B->deviceInfo, sm_B->deviceSerial, sm_B->deviceUsbPath);
    verifying.insert(sm_B->deviceNumber, record);
}

void readBackFinished(quint64 device, int readBack, int exitCode, qint64 milliseconds)
{
    HistoryRecord verification = verifying.take(device);
    if (verification.id.isNull())
        return;
    recordReadBack(takePending(verification.serial), verification, readBack, exitCode, milliseconds, QString());
}

void startServer()
{
    const HistorySettings settings = readHistorySettings();
    const bool fromOption = !history::serverOption.isEmpty();
    const QString conninfo = fromOption ? history::serverOption : settings.server;
    if (conninfo.isEmpty())
        return;
    const ServerConninfo parsed = parseConninfo(conninfo);
    if (!parsed.problem.isEmpty()) {
        serverProblem = QStringLiteral("the connection string %1 cannot be used: %2")
                            .arg(fromOption ? QStringLiteral("given by --history-server")
                                            : QStringLiteral("in %1").arg(settings.path),
                                 parsed.problem);
        // libpq's own words (parsed.problem) stay as libpq wrote them.
        shownServerProblem = HistoryWindow::tr("the connection string %1 cannot be used: %2")
                                 .arg(fromOption ? HistoryWindow::tr("given by --history-server")
                                                 : HistoryWindow::tr("in %1").arg(settings.path),
                                      parsed.problem);
        qCritical().noquote() << QStringLiteral("The shared history server is not used: %1. Records are kept "
                                                "in the local history only.").arg(serverProblem);
        auto *box = new QMessageBox(QMessageBox::Warning, HistoryWindow::tr("Shared history not used"),
                                    HistoryWindow::tr("The shared history server is not used: %1.\n\nUpgrades work "
                                                      "and are recorded in this computer's history.")
                                        .arg(shownServerProblem),
                                    QMessageBox::Ok, mainWindow);
        box->setObjectName(QStringLiteral("historyServerBox"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    qInfo().noquote() << QStringLiteral("Shared history server: %1").arg(parsed.connectOptions);
    server = std::make_unique<HistoryServer>(store.get(), parsed.connectOptions, settings.resendSeconds * 1000);
    QObject::connect(server.get(), &HistoryServer::stateChanged, qApp, [] {
        if (window)
            window->setServerText(serverText());
    });
    server->start(QThread::LowPriority);
}

} // namespace

void toggleHistoryWindow()
{
    if (!store)
        return;
    if (!window) {
        window = new HistoryWindow(store.get(), mainWindow);
        window->setServerText(serverText());
    }
    if (window->isVisible()) {
        window->hide();
        return;
    }
    window->refresh();
    window->show();
    window->raise();
    window->activateWindow();
    window->filter->setFocus();
}

namespace {

// The store, the server and what every record of this run shares.
void openHistory()
{
    common = HistoryRecord();
    common.station = QSysInfo::machineHostName();
    common.user = loginName();
    common.toolVersion = QStringLiteral(VELMORA_VERSION);
    common.firmwareFile = QString::fromLatin1(firmwareDfuFileName);
    common.firmwareRevision = desiredFwInfo().revision;
    common.firmwareSha256 = recordedSha256(QString::fromLatin1(firmwareBinFileName));

    store = std::make_unique<HistoryStore>();
    if (store->open()) {
        qInfo().noquote() << QStringLiteral("History: %1").arg(store->path());
        if (const int interrupted = store->interruptAbandoned(common.station))
            qWarning().noquote() << QStringLiteral("History: %1 attempt(s) of an earlier run ended without an outcome "
                                                   "(the tool was ended, crashed or lost power): recorded as "
                                                   "\"interrupted\"").arg(interrupted);
    }
    startServer();
}

// The station's attempts, by the station's number of the device: two devices
// may share a serial. The devices' threads add to it, the window's thread the rest.
QMap<quint64, HistoryRecord> stationPending;

void stationBeforeWrite(const StationDevice &device)
{
    HistoryRecord record = recordFor(device.info, device.address.serial, device.address.path);
    record.process = processIdentity();
    store->add(record);
    std::lock_guard<std::mutex> lock(pendingMutex);
    stationPending.insert(device.id, record);
}

HistoryRecord takeStationPending(quint64 id)
{
    std::lock_guard<std::mutex> lock(pendingMutex);
    return stationPending.take(id);
}

void stationWriteFinished(const StationDevice &device, int exitCode, qint64 milliseconds, const QString &lastError)
{
    noteWrite(stationPending, device.id, exitCode, milliseconds, lastError);
}

void stationReadBackFinished(const StationDevice &device, int readBack, int exitCode, qint64 milliseconds)
{
    recordReadBack(takeStationPending(device.id), recordFor(device.info, device.address.serial, device.address.path),
                   readBack, exitCode, milliseconds, QStringLiteral(" at ") + device.address.path);
}

void stationBackUnverified(const StationDevice &device)
{
    HistoryRecord record = takeStationPending(device.id);
    if (record.id.isNull())
        return;
    if (record.lastError.isEmpty())
        record.lastError = device.revision.isEmpty()
                               ? QStringLiteral("The device came back with an unknown firmware revision")
                               : QStringLiteral("The device came back running firmware revision %1").arg(device.revision);
    finish(record, Outcome::WriteFailed);
}

} // namespace

void startStationHistory(Station *station)
{
    openHistory();
    station->beforeWrite = stationBeforeWrite;
    QObject::connect(station, &Station::writeFinished, qApp, stationWriteFinished);
    QObject::connect(station, &Station::readBackFinished, qApp, stationReadBackFinished);
    QObject::connect(station, &Station::backUnverified, qApp, stationBackUnverified);
}

void startHistory()
{
    openHistory();
    sm_A->beforeWrite = beforeWrite;
    QObject::connect(sm_A, &SM_A::sig_WriteFinished, qApp, writeFinished);
    QObject::connect(sm_A, &SM_A::sig_ReadBackFinished, qApp, readBackFinished);
    QObject::connect(sm_B->B4, &QState::entered, qApp, verificationStarted);
    for (QState *state : {sm_B->B2, sm_B->B8, sm_B->B9})
        QObject::connect(state, &QState::entered, qApp, deviceBackUnverified);

    // Ctrl+H, and the window's context menu (Shift+F10 or the menu key), which
    // a screen reader lists like any menu.
    auto *action = new QAction(HistoryWindow::tr("Upgrade &history"), mainWindow);
    action->setObjectName(QStringLiteral("historyAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, toggleHistoryWindow);
    mainWindow->addAction(action);
    // One menu for the window's lifetime: a menu made and deleted for every
    // opening leaves screen readers with a stale object in its place, which
    // they then announce for the next new widget.
    auto *menu = new QMenu(mainWindow);
    menu->setObjectName(QStringLiteral("mainWindowMenu"));
    menu->addAction(action);
    mainWindow->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(mainWindow, &QWidget::customContextMenuRequested, menu,
                     [menu](const QPoint &at) { menu->popup(mainWindow->mapToGlobal(at)); });
    // Qt opens a context menu for the menu key only; Shift+F10 is the other
    // key that keyboard users know for it.
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), mainWindow);
    QObject::connect(menuKey, &QShortcut::activated, menu, [menu] {
        QWidget *focus = mainWindow->focusWidget() ? mainWindow->focusWidget() : mainWindow.data();
        menu->popup(focus->mapToGlobal(focus->rect().center()));
        menu->setActiveAction(menu->actions().value(0));
    });
    mainWindow->setAccessibleDescription(
        HistoryWindow::tr("Ctrl+H or the context menu (Shift+F10) shows the history of upgrades."));
}

void finishHistory()
{
    if (!store)
        return;
    QList<HistoryRecord> left;
    {
        std::lock_guard<std::mutex> lock(pendingMutex);
        left = pending.values() + stationPending.values();
        pending.clear();
        stationPending.clear();
    }
    for (const HistoryRecord &record : left)
        finish(record, pendingWritten(record) ? Outcome::WrittenNotVerified : Outcome::Interrupted);
    verifying.clear();
    if (server) {
        server->stopSending();
        server->wait();
        server.reset();
    }
    delete window;
    store.reset();
}
