#include "sm_a.h"

#include "dfucommands.h"
#include "dfuprogress.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <utility>

SM_A *sm_A = nullptr;

namespace {
// The very first scan after program start happens without the idle pause.
std::atomic<bool> firstScan{true};
// Repeat flag of the last signal the debug output saw.
std::atomic<int> lastRepeatFlag{0};
} // namespace

SM_A::SM_A(const QString &dfuFilePath, const QString &firmwareFilePath, const QString &uploadedFwFilePath,
           QObject *parent)
    : JoinedThread(parent)
    , dfuFilePath(dfuFilePath)
    , firmwareFilePath(firmwareFilePath)
    , uploadedFwFilePath(uploadedFwFilePath)
{
    qDebug() << "SM_A created";
}

SM_A::~SM_A()
{
    requestStop();
    qDebug() << "SM_A: Waiting in dtor";
    wait();
}

void SM_A::setRequest(int code, quint64 device)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        request = code;
        requestDevice = device;
    }
    wake.notify_all(); // a click or a read-back does not wait out the pause
}

int SM_A::pendingRequest() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return request;
}

void SM_A::requestStop()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopRequested = true;
    }
    wake.notify_all();
}

bool SM_A::isStopRequested() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return stopRequested;
}

bool SM_A::requestStopAfterDownload()
{
    // One lock with takeRequest: a download either runs already, and is waited
    // for, or never starts.
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (downloading) {
            stopAfterDownload = true;
            return true;
        }
        stopRequested = true;
    }
    wake.notify_all();
    return false;
}

ConnectedDevice SM_A::connectedDevice() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return announced;
}

void SM_A::announce(const ConnectedDevice &device)
{
    std::lock_guard<std::mutex> lock(mutex);
    announced = device;
}

int SM_A::takeRequest()
{
    int taken = NoRequest;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (stopRequested || (request != DownloadRequest && request != VerifyRequest))
            return NoRequest;
        taken = std::exchange(request, int(NoRequest));
        if (announced.number != 0 && requestDevice == announced.number) {
            downloading = taken == DownloadRequest;
            return taken;
        }
    }
    qInfo() << (taken == DownloadRequest ? "SM_A: download request dropped, the device it was made for is gone"
                                         : "SM_A: verification request dropped, the device it was made for is gone");
    return NoRequest;
}

UnusableDevices SM_A::unusableDevices() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return unusable;
}

bool SM_A::lastReadBackUnreadable() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return readBackUnreadable;
}

namespace {

// What lets this user open the boot loader: the tool's udev rule where it is
// installed, else how to install it.
QString accessHint()
{
    const QString name = QStringLiteral(VELMORA_UDEV_RULE_NAME);
    for (const QString &rule : {QStringLiteral(VELMORA_UDEV_RULE), "/lib/udev/rules.d/" + name,
                                "/usr/lib/udev/rules.d/" + name, "/etc/udev/rules.d/" + name}) {
        if (QFileInfo::exists(rule))
            return QStringLiteral("The tool's udev rule %1 gives the user at the seat access: unplug the device and "
                                  "plug it in again.").arg(rule);
    }
    const QString source = QStringLiteral(VELMORA_UDEV_RULE_SOURCE);
    if (QFileInfo::exists(source))
        return QStringLiteral("The tool's udev rule, which gives the user at the seat access, is not installed: "
                              "install the tool's package, or run \"sudo cp %1 /lib/udev/rules.d/\", then unplug "
                              "the device and plug it in again.").arg(source);
    return QStringLiteral("The tool's udev rule, which gives the user at the seat access, is not installed: install "
                          "the tool's package again (it installs %1), then unplug the device and plug it in again.")
        .arg(QStringLiteral(VELMORA_UDEV_RULE));
}

} // namespace

bool SM_A::lockDevice(const DeviceAddress &address)
{
    if (deviceLock && deviceLock->isLocked() && lockedAddress == address)
        return true;
    deviceLock = std::make_unique<DeviceLock>(address);
    lockedAddress = address;
    if (deviceLock->tryLock())
        return true;
    if (!deviceLock->problem().isEmpty()) {
        // Without a place for lock files (no runtime folder) the tool works
        // as it did before there were stations.
        qWarning().noquote() << QStringLiteral("Device lock: %1; the device is used without one").arg(deviceLock->problem());
        return true;
    }
    return false;
}

void SM_A::noteUnusable(const DeviceList &list, const QString &busy)
{
    const UnusableDevices now{list.unopenable, list.serialUnreadable, list.several,
                              busy.isEmpty() ? QStringList() : QStringList{busy}};
    UnusableDevices before;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (now == unusable)
            return;
        before = std::exchange(unusable, now);
    }
    if (now.several && !before.several) {
        QStringList devices;
        for (const QString &serial : list.serials)
            devices << QStringLiteral("serial ") + serial;
        devices << now.unopenable << now.serialUnreadable;
        qWarning().noquote() << QStringLiteral("More than one device in boot mode is attached (%1): none of them is "
                                               "used until all but one are unplugged")
                                    .arg(devices.join(QStringLiteral(", ")));
    }
    for (const QString &device : now.busy)
        if (!before.busy.contains(device))
            qWarning().noquote() << QStringLiteral("A device in boot mode is being upgraded by another upgrade tool: "
                                                   "\"%1\" - it is left alone until that tool is done with it").arg(device);
    for (const QString &device : now.unopenable) {
        if (!before.unopenable.contains(device))
            qWarning().noquote() << QStringLiteral("A device in boot mode was found but cannot be opened: \"%1\" - "
                                                   "this user has no access to it. %2").arg(device, accessHint());
    }
    for (const QString &device : now.serialUnreadable) {
        if (!before.serialUnreadable.contains(device))
            qWarning().noquote() << QStringLiteral("A device in boot mode was found but its serial number cannot be "
                                                   "read: \"%1\" - unplug it and plug it in again; if that persists, "
                                                   "the device's boot loader is not answering normally.").arg(device);
    }
    emit sig_UnusableDevicesChanged();
}

void SM_A::downloadFinished()
{
    std::lock_guard<std::mutex> lock(mutex);
    downloading = false;
    if (stopAfterDownload)
        stopRequested = true;
}

void SM_A::pause(unsigned ms, bool untilRequest) const
{
    std::unique_lock<std::mutex> lock(mutex);
    const auto woken = [this, untilRequest] { return stopRequested || (untilRequest && request != NoRequest); };
    // The whole pause even when events come in bursts: a device that keeps
    // appearing and vanishing must not make dfu-util run more often than this.
    if (wake.wait_for(lock, std::chrono::milliseconds(ms), woken) || !busEvents || !busQuiet)
        return;
    wake.wait(lock, [this, &woken] { return woken() || busChangedSinceListing; });
}

void SM_A::busChanged(bool deviceLeft)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        busChangedSinceListing = true;
        deviceLeftSinceListing = deviceLeft || deviceLeftSinceListing;
    }
    wake.notify_all();
}

DeviceList SM_A::listBus()
{
    {
        // A change from now on is seen by this listing or wakes the next pause.
        std::lock_guard<std::mutex> lock(mutex);
        busChangedSinceListing = false;
        leftBeforeListing = deviceLeftSinceListing;
        deviceLeftSinceListing = false;
    }
    const DeviceList list = listDevices();
    // No device, our one device or several of them change only when a device
    // arrives or leaves. A failed listing, or a device that cannot be opened
    // or named, may change by itself (permissions applied late, another
    // program done with it): that is looked at again after every pause.
    busQuiet = list.toolRan && list.unopenable.isEmpty() && list.serialUnreadable.isEmpty();
    return list;
}

std::unique_ptr<HotplugWatcher> SM_A::startWatchingBus()
{
    QString problem;
    if (watchBus) {
        auto watcher = std::make_unique<HotplugWatcher>([this](bool left) { busChanged(left); });
        if (watcher->start(&problem)) {
            qInfo() << "Device detection: USB hotplug events; the devices are listed when one arrives or leaves";
            return watcher;
        }
    }
    qInfo().noquote() << QStringLiteral("Device detection: listing every %1 ms%2")
                             .arg(idleScanDelayMs)
                             .arg(watchBus ? QStringLiteral(" (no USB hotplug events: %1)").arg(problem) : QString());
    return nullptr;
}

// Turns dfu-util's progress lines into sig_Progress while it transfers.
ToolOutputListener SM_A::progressReporter()
{
    return ToolOutputListener([this, parser = DfuProgressParser(), share = TransferProgress()](
                                  const QByteArray &chunk) mutable {
        for (const DfuProgressLine &line : parser.feed(chunk))
            emit sig_Progress(share.percent(line));
    });
}

void SM_A::work()
{
    // Stopping kills a dfu-util run in progress instead of waiting for it.
    const ToolCancellation cancellation([this] { return isStopRequested(); });
    // The watcher calls into this object: it ends with this function.
    const std::unique_ptr<HotplugWatcher> watcher = startWatchingBus();
    busEvents = watcher != nullptr;

    enum Step { NewCycle, Scan, Connected, Download, Verify, DeviceError };
    Step step = NewCycle;
    for (;;) {
        switch (step) {
        case NewCycle: {
            emit sig_A0_entered();
            lastSerial.clear();
            // No device is announced now: a request still pending was made for
            // one that is gone, and takeRequest drops it at its next look.
            announce(ConnectedDevice());

            emit sig_A1_entered();
            if (isStopRequested())
                return;
            deviceInfo = DeviceInfo();
            emit sig_NoDevConn();
            if (!firstScan.exchange(false))
                pause(idleScanDelayMs);
            step = Scan;
            break;
        }
        case Scan: {
            emit sig_A2_entered();
            emit sig_scanning();
            const DeviceList list = listBus();
            // A device another tool drives (a station, another window) is
            // left alone: not read, not written. Its lock's release sends no
            // USB event, so the bus is looked at again after every pause.
            const bool known = list.error == 0 && list.serials.first() == lastSerial && !leftBeforeListing;
            const DeviceAddress address(list.serials.value(0), list.paths.value(0));
            const bool busy = list.error == 0 && !known && !lockDevice(address);
            noteUnusable(list, busy ? QStringLiteral("serial %1 at %2").arg(address.serial, address.path) : QString());
            if (list.toolRan && list.serials.isEmpty() && !writtenSinceRead)
                deviceLock.reset(); // no device of ours, and none awaits its check
            if (list.error != 0 || busy) {
                busQuiet = busQuiet && !busy;
                step = NewCycle;
                break;
            }
            // A device that left and is back with the same serial is read
            // again: it may carry other firmware now, or its last read was
            // cut short by its leaving.
            if (known) {
                step = Connected;
                break;
            }
            // Another device than the one announced before: until it is read,
            // no device is announced and no request can be carried out.
            announce(ConnectedDevice());
            emit sig_readingInfo();
            emit sig_NoDevConn();
            lastSerial = list.serials.first();
            lastPath = list.paths.value(0);
            writtenSinceRead = false;
            const ToolResult result = readDeviceInfo(deviceInfo, lastSerial);
            if (result.exitCode != 0) {
                emit sig_DeviceError(result.output);
                step = DeviceError;
                break;
            }
            announce({deviceInfo, ++readings, lastSerial, lastPath});
            emit sig_DevConn();
            step = Connected;
            break;
        }
        case Connected: {
            emit sig_A4_entered();
            if (isStopRequested())
                return;
            pause(connectedPollDelayMs, true);
            // Nothing is taken while stopping: a download or read-back never starts then.
            const int taken = takeRequest();
            if (taken == NoRequest && isStopRequested())
                return;
            step = taken == DownloadRequest ? Download : taken == VerifyRequest ? Verify : Scan;
            break;
        }
        case Download: {
            emit sig_A5_entered();
            emit sig_FwDownloading();
            // The outcome shows when the device is read again: it leaves boot
            // mode after a good download, and many devices report an error
            // although the flash was written.
            writtenSinceRead = true;
            if (beforeWrite)
                beforeWrite(connectedDevice());
            QString lastError;
            int exitCode;
            QElapsedTimer writing;
            writing.start();
            {
                const ToolOutputListener progress = progressReporter();
                exitCode = downloadFirmware(firmwareFilePath, lastSerial, &lastError);
            }
            const qint64 writeMs = writing.elapsed();
            downloadFinished();
            // The device is looked for after the pause whether or not it left:
            // one that stayed (a failed write) sends no event.
            busQuiet = false;
            if (exitCode != 0) {
                qInfo() << "SM_A: writing the firmware ended with an error:" << lastError;
                emit sig_FwDownloadFailed(lastSerial);
            }
            emit sig_WriteFinished(lastSerial, exitCode, writeMs, exitCode != 0 ? lastError : QString());
            emit sig_FwDownloaded();
            step = NewCycle;
            break;
        }
        case Verify: {
            emit sig_A6_entered();
            // The result names the device read back: the window shows it only for that device.
            const quint64 device = connectedDevice().number;
            emit sig_FwUploading();
            bool matches;
            ReadBack outcome = ReadBack::Unreadable;
            int exitCode = ToolResult::notStarted;
            QElapsedTimer reading;
            reading.start();
            {
                const ToolOutputListener progress = progressReporter();
                matches = uploadAndVerify(firmwareFilePath, uploadedFwFilePath, lastSerial, &outcome, &exitCode);
            }
            emit sig_ReadBackFinished(device, int(outcome), exitCode, reading.elapsed());
            {
                std::lock_guard<std::mutex> lock(mutex);
                readBackUnreadable = outcome == ReadBack::Unreadable;
            }
            if (matches) {
                qDebug() << "Uploaded FW matches";
                emit sig_FwUploadedMatches(device);
            } else {
                qDebug() << "Uploaded FW does not match";
                emit sig_FwUploadedDiffers(device);
            }
            step = Scan;
            break;
        }
        case DeviceError: {
            // Wait until the device that could not be read is replaced, gone,
            // or away and back (its read may have failed for its leaving).
            emit sig_A7_entered();
            emit sig_scanning();
            for (;;) {
                pause(connectedPollDelayMs);
                if (isStopRequested())
                    return;
                const DeviceList list = listBus();
                noteUnusable(list);
                if (!(list.error == 0 && list.serials.first() == lastSerial) || leftBeforeListing)
                    break;
            }
            // A device that left and is back already sends no more events: the
            // next pause must not wait for one, or the device stays unread.
            busQuiet = false;
            step = NewCycle;
            break;
        }
        }
    }
}

void SM_A::connectDebugOutput()
{
    qInfo() << "SM_A: Adding connections to show debug output (state transitions)";
    const auto show = [](const char *name, int repeatFlag) {
        return [name, repeatFlag] {
            const QString signalName = QString::fromLatin1(name);
            const bool repeating = signalName == "NoDevConn" || signalName == "scanning";
            if (!(lastRepeatFlag != 0 && repeating))
                qDebug() << "SM_A: /sig_" + signalName;
            lastRepeatFlag = repeatFlag;
        };
    };
    connect(this, &SM_A::sig_NoDevConn, this, show("NoDevConn", 1), Qt::DirectConnection);
    connect(this, &SM_A::sig_scanning, this, show("scanning", 1), Qt::DirectConnection);
    connect(this, &SM_A::sig_readingInfo, this, show("readingInfo", 0), Qt::DirectConnection);
    connect(this, &SM_A::sig_DevConn, this, show("DevConn", 0), Qt::DirectConnection);
    connect(this, &SM_A::sig_FwDownloading, this, show("FwDownloading", 0), Qt::DirectConnection);
    connect(this, &SM_A::sig_FwDownloaded, this, show("FwDownloaded", 0), Qt::DirectConnection);
    connect(this, &SM_A::sig_FwUploading, this, show("FwUploading", 0), Qt::DirectConnection);
    connect(this, &SM_A::sig_FwUploadedDiffers, this, show("FwUploadedDiffers", 0), Qt::DirectConnection);
    connect(this, &SM_A::sig_FwUploadedMatches, this, show("FwUploadedMatches", 0), Qt::DirectConnection);
}
