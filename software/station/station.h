// The devices of a station: every boot loader of ours attached, each one
// identified, decided, written, read back and compared on a thread of its own
// with the same calls the guided window's worker makes for its one device.
// Every dfu-util run names its device by USB path and serial.
#pragma once

#include "deviceinfo.h"
#include "devicelock.h"
#include "dfucommands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class StationBus;

// Why a device is refused, busy or failed: in English for the log and the
// history, and in the user's language for the window.
struct StationReason {
    QString text;  // English
    QString shown; // as the window shows it
    bool isEmpty() const { return text.isEmpty(); }
    void clear() { *this = StationReason(); }
    bool operator!=(const StationReason &other) const { return text != other.text; }
};

// A reason from its English text (marked for translation in the context
// "Station") with its %1... filled in both languages alike.
template <typename... Args>
StationReason stationReason(const char *text, const Args &...args)
{
    QString english = QString::fromUtf8(text);
    QString shown = QCoreApplication::translate("Station", text);
    if constexpr (sizeof...(Args) > 0) {
        english = english.arg(args...);
        shown = shown.arg(args...);
    }
    return {english, shown};
}

struct StationDevice {
    enum class State {
        Identifying,
        Ready,        // another revision: may be written
        Writing,
        Away,         // written; waits to come back in boot mode for its read-back
        Verifying,
        Done,         // the read-back equals the image
        Differs,      // the read-back shows other bytes
        NotConfirmed, // the read-back failed or came back short
        WriteFailed,  // back (or still there) with its old firmware
        Refused,      // not to be written: reason says why
        Busy,         // another tool drives it
    };

    quint64 id = 0; // the row's identity, never reused
    DeviceAddress address;
    QString devnum; // as last listed: a new one means it left and came back
    DeviceInfo info;
    QString model;    // from its OTP entry; empty until read
    QString revision; // its firmware revision as read; empty when none was found
    State state = State::Identifying;
    StationReason reason; // why it is refused, busy or failed
    int progress = 0; // percent of the write or read-back running
    bool written = false; // this attempt wrote the device
    qint64 startedMs = 0;  // on the station's clock
    qint64 finishedMs = -1; // -1 while it is not finished

    bool finished() const;
    bool failed() const;
};

// "identifying", "ready", ...: as the log writes them.
QString stationStateText(StationDevice::State state);
// The same as the window shows them, in the user's language.
QString shownStationStateText(StationDevice::State state);

class Station : public QObject {
    Q_OBJECT

public:
    // firmwarePath: the image written and compared; workFolder: where each
    // device gets a folder of its own for what is read from it.
    Station(const QString &firmwarePath, const QString &workFolder, quint8 desiredType, const QString &desiredRevision,
            QObject *parent = nullptr);
    ~Station() override;

    // Upgrade every device that is identified as ready, with no click.
    bool autoUpgrade = false;
    // On a device's own thread just before dfu-util writes to it, and waited
    // for: the history's record of the attempt goes to disk first. Set
    // before start().
    std::function<void(const StationDevice &device)> beforeWrite;

    // Starts watching the bus; false without hotplug events means polling.
    void start();
    // Lists no more and starts nothing new; running writes and read-backs go
    // on to their end. idle() follows when nothing runs any more.
    void finish();
    bool isFinishing() const { return finishing; }

    const std::vector<StationDevice> &devices() const { return rows; }
    int rowOf(quint64 id) const;
    qint64 elapsedMs(const StationDevice &device) const;

    // Writes that device, when it is ready (or its write failed and it is
    // back with its old firmware). False otherwise.
    bool upgrade(quint64 id);
    // Every ready device; how many were started.
    int upgradeAllReady();
    // Devices that are being written or are away after their write.
    int writesRunning() const;
    // Jobs (reads, writes, read-backs) running now.
    int jobsRunning() const { return int(jobs.size()); }

    struct Totals {
        int done = 0;
        int failed = 0;
        int waiting = 0;          // attached, not finished
        double perHour = 0;       // devices done per hour since the first started
    };
    Totals totals() const;

signals:
    void deviceAdded(int row);
    void deviceChanged(int row);
    // Only the share done of a device's write or read-back changed.
    void progressChanged(int row);
    void deviceRemoved(int row);
    void totalsChanged();
    // A write ended: dfu-util's exit code, its duration, its last error line.
    void writeFinished(const StationDevice &device, int exitCode, qint64 milliseconds, const QString &lastError);
    // A read-back ended (a ReadBack value), with or without a write before it.
    void readBackFinished(const StationDevice &device, int readBack, int exitCode, qint64 milliseconds);
    // A written device came back with its old firmware, or another product.
    void backUnverified(const StationDevice &device);
    // After finish(): nothing runs any more.
    void idle();

private:
    enum class Job { Identify, Write, Verify };
    struct Result {
        quint64 id = 0;
        Job job = Job::Identify;
        bool last = true; // the job's thread ends after this one
        int progress = -1; // a progress report, nothing else
        int exitCode = 0;
        qint64 milliseconds = 0;
        QString text;
        DeviceInfo info;
        int readBack = 0;
        BusListing listing; // id 0: a listing of the bus
    };

    void listed(const BusListing &listing);
    void addRow(const ListedDevice &listed, StationDevice::State state, const StationReason &reason);
    void removeRow(int row);
    void changed(StationDevice &device);
    void finishRow(StationDevice &device, StationDevice::State state, const StationReason &reason = {});
    void runJob(StationDevice &device, Job job);
    void post(const Result &result);
    void takeResults();
    void handle(const Result &result);
    void identified(StationDevice &device, const Result &result);
    bool takeLock(StationDevice &device);
    QString folderOf(const StationDevice &device) const;
    void checkIdle();

    const QString firmwarePath;
    const QString workFolder;
    const quint8 desiredType;
    const QString desiredRevision;

    std::vector<StationDevice> rows;
    std::map<quint64, std::unique_ptr<DeviceLock>> locks;
    std::map<quint64, std::thread> jobs;
    quint64 nextId = 1;
    QElapsedTimer clock;
    qint64 firstStartMs = -1;
    int doneCount = 0;
    int failedCount = 0;
    bool finishing = false;
    std::unique_ptr<StationBus> bus;

    std::atomic<bool> cancelled{false}; // the tool ends at once: dfu-util runs are killed
    std::mutex resultsMutex;
    std::deque<Result> results;
};
