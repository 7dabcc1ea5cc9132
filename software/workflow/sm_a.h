// SM_A, the device worker: a thread that owns all traffic with the device. It
// polls for DFU devices, reads a newly attached one, and writes or verifies the
// firmware when the user-interface side asks, reporting every step by signals.
#pragma once

#include "deviceinfo.h"
#include "devicelock.h"
#include "dfucommands.h"
#include "hotplugwatcher.h"
#include "joinedthread.h"
#include "toolrunner.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// A device as the worker announced it with sig_DevConn: what was read, and the
// number the worker gave that reading. Requests name the number, so that a
// request never reaches another device than the one it was made for.
struct ConnectedDevice {
    DeviceInfo info;
    quint64 number = 0; // 0: no device is announced
    QString serial;
    QString usbPath; // where it is attached, as dfu-util lists it ("1-1.2")
};

// Devices of ours that the latest listing found but cannot use.
struct UnusableDevices {
    QStringList unopenable;       // found, but this user may not open them
    QStringList serialUnreadable; // opened, but their serial cannot be read
    bool several = false;         // more than one of ours (usable or not): none is used
    QStringList busy;             // another upgrade tool drives it (a station, another window)

    bool operator==(const UnusableDevices &other) const
    {
        return unopenable == other.unopenable && serialUnreadable == other.serialUnreadable
               && several == other.several && busy == other.busy;
    }
    bool operator!=(const UnusableDevices &other) const { return !(*this == other); }
};

class SM_A : public JoinedThread {
    Q_OBJECT

public:
    enum Request : int { NoRequest = 0, DownloadRequest = 1, VerifyRequest = 2 };

    SM_A(const QString &dfuFilePath, const QString &firmwareFilePath, const QString &uploadedFwFilePath,
         QObject *parent = nullptr);
    ~SM_A() override;

    // Asks for a download or a verification of the device with that number
    // (from connectedDevice()). The worker carries it out only while that very
    // device is the one attached, and drops it, with a log line, otherwise.
    void setRequest(int code, quint64 device);
    int pendingRequest() const;
    void requestStop();
    bool isStopRequested() const;
    // Asks the worker to stop without cutting a firmware write short: a
    // download in progress is finished first, and nothing starts after it.
    // True when the worker waits for such a write; false when it stops at once.
    bool requestStopAfterDownload();

    // The device announced by the latest sig_DevConn, taken under the worker's
    // lock; number 0 once that device is gone or another is being read. The
    // user-interface side never reads the worker's own record.
    ConnectedDevice connectedDevice() const;

    // What the latest listing found but cannot use; taken under the lock.
    UnusableDevices unusableDevices() const;
    // The last read-back failed or came back short: its "differs" says
    // nothing about the flash.
    bool lastReadBackUnreadable() const;

    // Logs the named signals as they are emitted, suppressing the endless
    // NoDevConn/scanning repetition of the idle loop.
    void connectDebugOutput();

    // Called on the worker thread just before dfu-util starts writing to that
    // device, and waited for: whatever must be on disk before the flash is
    // touched (the history's record of the attempt) is stored here. Set
    // before the thread starts.
    std::function<void(const ConnectedDevice &device)> beforeWrite;

    // Pauses; set before the thread starts.
    unsigned idleScanDelayMs = 200;      // before each scan while no device is known
    unsigned connectedPollDelayMs = 200; // between looks at a known device

    // Learn of changes on the USB bus from hotplug events instead of listing
    // after every pause; set before the thread starts. Where the system has no
    // such events the worker lists after every pause as before.
    bool watchBus = false;
    // Something changed on the bus (a device left, or one arrived): the worker
    // lists the devices again, but never sooner than its pause after the last
    // listing. Any thread.
    void busChanged(bool deviceLeft);

signals:
    void sig_NoDevConn();
    void sig_DevConn();
    void sig_scanning();
    void sig_readingInfo();
    void sig_DeviceError(const QString &message);
    void sig_FwDownloading();
    void sig_FwDownloaded();
    // A download ended with an error (dfu-util's exit code not 0) on the
    // device with that serial; emitted before sig_FwDownloaded.
    void sig_FwDownloadFailed(const QString &serial);
    // A write to the device with that serial has ended: dfu-util's exit code,
    // how long it took, and its last error line (empty without an error).
    void sig_WriteFinished(const QString &serial, int exitCode, qint64 milliseconds, const QString &lastError);
    // A read-back of the device with that number has ended: what it showed
    // (a ReadBack value), dfu-util's exit code, how long it took.
    void sig_ReadBackFinished(quint64 device, int readBack, int exitCode, qint64 milliseconds);
    // The share of a download or read-back done, 0 to 100, as dfu-util reports it.
    void sig_Progress(int percent);
    void sig_FwUploading();
    // The read-back of the device with that number (from connectedDevice())
    // showed other bytes than the firmware, or could not be made.
    void sig_FwUploadedDiffers(quint64 device);
    // The read-back of the device with that number showed exactly the firmware.
    void sig_FwUploadedMatches(quint64 device);
    void sig_A0_entered();
    void sig_A1_entered();
    void sig_A2_entered();
    void sig_A3_entered();
    void sig_A4_entered();
    void sig_A5_entered();
    void sig_A6_entered();
    void sig_A7_entered();
    // What the listing finds but cannot use has changed (unusableDevices()).
    void sig_UnusableDevicesChanged();

protected:
    void work() override;

private:
    // Waits until the time has passed or a stop is requested; with
    // untilRequest also until a request comes. While bus events are watched
    // and the last listing left nothing that could change by itself, it then
    // waits on until something changes on the bus.
    void pause(unsigned ms, bool untilRequest = false) const;
    // listDevices, noting whether its result can change without a bus event.
    DeviceList listBus();
    // The watcher of the bus's hotplug events, or none where the worker polls;
    // says which in the log.
    std::unique_ptr<HotplugWatcher> startWatchingBus();
    ToolOutputListener progressReporter();
    // The request to carry out now for the announced device, NoRequest when
    // there is none or a stop is requested; a request made for another device
    // is dropped.
    int takeRequest();
    void downloadFinished();
    void announce(const ConnectedDevice &device);
    // Warns once of each device found but not usable, and says when that changes.
    void noteUnusable(const DeviceList &list, const QString &busy = QString());
    // Takes the lock of the device at that address across processes, keeping
    // the one held when it is the same device; false while another tool has it.
    bool lockDevice(const DeviceAddress &address);

    DeviceInfo deviceInfo; // worker thread only
    const QString dfuFilePath;
    const QString firmwareFilePath;
    const QString uploadedFwFilePath;
    QString lastSerial;
    QString lastPath; // the USB path of the device with lastSerial
    bool busEvents = false; // worker thread: a hotplug watcher tells of changes on the bus
    bool busQuiet = false;  // worker thread: the last listing can change only with the bus
    bool leftBeforeListing = false; // worker thread: a device left between the last two listings
    quint64 readings = 0; // devices read so far: the numbers they are announced with
    // worker thread: the lock of the device this worker drives, held until
    // another device is read, or none is attached and no write awaits its check
    std::unique_ptr<DeviceLock> deviceLock;
    DeviceAddress lockedAddress;
    bool writtenSinceRead = false;

    mutable std::mutex mutex; // guards the members below
    mutable std::condition_variable wake; // a request or a stop has come
    int request = NoRequest;
    quint64 requestDevice = 0; // the number of the device the request was made for
    bool stopRequested = false;
    bool downloading = false;        // from taking a download request until dfu-util has returned
    bool stopAfterDownload = false;
    ConnectedDevice announced;
    UnusableDevices unusable;
    bool readBackUnreadable = false;
    bool busChangedSinceListing = false;
    bool deviceLeftSinceListing = false;
};

// The one device worker, set by start-up.
extern SM_A *sm_A;
