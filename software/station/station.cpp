#include "station.h"

#include "dfuprogress.h"
#include "producttable.h"
#include "stationbus.h"
#include "toolrunner.h"

#include <QDebug>
#include <QDir>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <set>

namespace {

// After a write the device resets and leaves; a device that is still listed a
// second later stayed (a failed write) and is read again.
constexpr int afterWriteMs = 1000;
// A device held by another tool sends no event when it is released.
constexpr int busyLookMs = 1000;

QString describe(const StationDevice &device)
{
    if (device.address.serial.isEmpty())
        return QStringLiteral("devnum %1").arg(device.devnum);
    return QStringLiteral("%1 at %2").arg(device.address.serial, device.address.path);
}

// "1-2" before "1-10", "1-1.2" after "1-1"; devices without a path last.
bool portsBefore(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return !first.isEmpty() && second.isEmpty();
    static const QRegularExpression separators(QStringLiteral("[-.]"));
    const QStringList a = first.split(separators);
    const QStringList b = second.split(separators);
    for (int i = 0; i < qMin(a.size(), b.size()); ++i)
        if (a[i].toInt() != b[i].toInt())
            return a[i].toInt() < b[i].toInt();
    return a.size() < b.size();
}

} // namespace

bool StationDevice::finished() const
{
    return finishedMs >= 0;
}

bool StationDevice::failed() const
{
    return state == State::Differs || state == State::NotConfirmed || state == State::WriteFailed;
}

namespace {

const char *stationStateSource(StationDevice::State state)
{
    using State = StationDevice::State;
    switch (state) {
    case State::Identifying:
        return QT_TRANSLATE_NOOP("Station", "identifying");
    case State::Ready:
        return QT_TRANSLATE_NOOP("Station", "ready");
    case State::Writing:
        return QT_TRANSLATE_NOOP("Station", "writing");
    case State::Away:
        return QT_TRANSLATE_NOOP("Station", "away after the write");
    case State::Verifying:
        return QT_TRANSLATE_NOOP("Station", "verifying");
    case State::Done:
        return QT_TRANSLATE_NOOP("Station", "done");
    case State::Differs:
        return QT_TRANSLATE_NOOP("Station", "differs");
    case State::NotConfirmed:
        return QT_TRANSLATE_NOOP("Station", "not confirmed");
    case State::WriteFailed:
        return QT_TRANSLATE_NOOP("Station", "write failed");
    case State::Refused:
        return QT_TRANSLATE_NOOP("Station", "refused");
    case State::Busy:
        return QT_TRANSLATE_NOOP("Station", "busy");
    }
    return "";
}

} // namespace

QString stationStateText(StationDevice::State state)
{
    return QString::fromLatin1(stationStateSource(state));
}

QString shownStationStateText(StationDevice::State state)
{
    return QCoreApplication::translate("Station", stationStateSource(state));
}

Station::Station(const QString &firmwarePath, const QString &workFolder, quint8 desiredType,
                 const QString &desiredRevision, QObject *parent)
    : QObject(parent)
    , firmwarePath(firmwarePath)
    , workFolder(workFolder)
    , desiredType(desiredType)
    , desiredRevision(desiredRevision)
{
    clock.start();
}

Station::~Station()
{
    // Only a tool told twice to end gets here with a write running.
    cancelled = true;
    finishing = true;
    bus.reset();
    for (auto &job : jobs)
        job.second.join();
}

void Station::start()
{
    bus = std::make_unique<StationBus>([this](const BusListing &listing) {
        Result result;
        result.job = Job::Identify;
        result.id = 0; // a listing
        result.listing = listing;
        post(result);
    });
    bus->start();
}

void Station::finish()
{
    if (finishing)
        return;
    finishing = true;
    if (bus)
        bus->stop();
    qInfo().noquote() << QStringLiteral("Station: ending; %1 write(s) and read(s) still running are finished first")
                             .arg(jobs.size());
    checkIdle();
}

void Station::checkIdle()
{
    if (finishing && jobs.empty())
        emit idle();
}

int Station::rowOf(quint64 id) const
{
    const auto found = std::find_if(rows.begin(), rows.end(), [id](const StationDevice &row) { return row.id == id; });
    return found == rows.end() ? -1 : int(found - rows.begin());
}

qint64 Station::elapsedMs(const StationDevice &device) const
{
    return (device.finished() ? device.finishedMs : clock.elapsed()) - device.startedMs;
}

int Station::writesRunning() const
{
    return int(std::count_if(rows.begin(), rows.end(), [](const StationDevice &row) {
        return row.state == StationDevice::State::Writing;
    }));
}

Station::Totals Station::totals() const
{
    Totals totals;
    totals.done = doneCount;
    totals.failed = failedCount;
    totals.waiting = int(std::count_if(rows.begin(), rows.end(), [](const StationDevice &row) {
        return !row.finished() && row.state != StationDevice::State::Refused;
    }));
    // A rate over less than a minute says nothing yet.
    const qint64 sinceFirst = firstStartMs < 0 ? 0 : clock.elapsed() - firstStartMs;
    if (doneCount > 0 && sinceFirst >= 60000)
        totals.perHour = doneCount / (double(sinceFirst) / 3600000.0);
    return totals;
}

QString Station::folderOf(const StationDevice &device) const
{
    return workFolder + QStringLiteral("/device-%1").arg(device.id);
}

void Station::changed(StationDevice &device)
{
    const int row = rowOf(device.id);
    if (row >= 0)
        emit deviceChanged(row);
}

void Station::finishRow(StationDevice &device, StationDevice::State state, const StationReason &reason)
{
    device.state = state;
    device.reason = reason;
    device.progress = 0;
    device.finishedMs = clock.elapsed();
    if (state == StationDevice::State::Done)
        ++doneCount;
    else if (device.failed())
        ++failedCount;
    qInfo().noquote() << QStringLiteral("Station: %1: %2%3")
                             .arg(describe(device), stationStateText(state),
                                  reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason.text));
    changed(device);
    emit totalsChanged();
}

bool Station::takeLock(StationDevice &device)
{
    auto &lock = locks[device.id];
    if (!lock)
        lock = std::make_unique<DeviceLock>(device.address);
    if (lock->tryLock())
        return true;
    const StationReason reason =
        lock->problem().isEmpty()
            ? stationReason(QT_TRANSLATE_NOOP("Station", "another upgrade tool is using it"))
            : StationReason{lock->problem(), lock->problem()};
    if (device.state != StationDevice::State::Busy || device.reason != reason)
        qInfo().noquote() << QStringLiteral("Station: %1: busy (%2)").arg(describe(device), reason.text);
    device.state = StationDevice::State::Busy;
    device.reason = reason;
    QTimer::singleShot(busyLookMs, this, [this] {
        if (bus && !finishing)
            bus->requestListing();
    });
    return false;
}

void Station::addRow(const ListedDevice &listed, StationDevice::State state, const StationReason &reason)
{
    StationDevice device;
    device.id = nextId++;
    device.address = listed.serialReadable ? DeviceAddress(listed.serial, listed.path) : DeviceAddress();
    device.devnum = listed.devnum;
    device.state = state;
    device.reason = reason;
    device.startedMs = clock.elapsed();
    if (state == StationDevice::State::Refused)
        device.finishedMs = device.startedMs;
    // Rows in the order of the ports, as the devices sit on the bench.
    const auto at = std::find_if(rows.begin(), rows.end(),
                                 [&device](const StationDevice &row) { return portsBefore(device.address.path, row.address.path); });
    const int index = int(at - rows.begin());
    rows.insert(at, device);
    StationDevice &added = rows[std::size_t(index)];
    qInfo().noquote() << QStringLiteral("Station: found %1 (devnum %2)%3")
                             .arg(describe(added), added.devnum,
                                  reason.isEmpty() ? QString()
                                                   : QStringLiteral(": refused, %1").arg(reason.text));
    emit deviceAdded(index);
    if (state == StationDevice::State::Identifying) {
        if (takeLock(added))
            runJob(added, Job::Identify);
        else
            changed(added);
    }
    emit totalsChanged();
}

void Station::removeRow(int row)
{
    const quint64 id = rows[std::size_t(row)].id;
    qInfo().noquote() << QStringLiteral("Station: %1 is gone").arg(describe(rows[std::size_t(row)]));
    locks.erase(id);
    rows.erase(rows.begin() + row);
    emit deviceRemoved(row);
    emit totalsChanged();
}

void Station::listed(const BusListing &listing)
{
    if (finishing)
        return;
    std::set<quint64> seen;
    QStringList serials;
    for (const ListedDevice &device : listing.devices)
        serials << device.serial;

    for (const ListedDevice &device : listing.devices) {
        const auto match = std::find_if(rows.begin(), rows.end(), [&device](const StationDevice &row) {
            return device.serialReadable ? row.address == DeviceAddress(device.serial, device.path)
                                         : row.address.serial.isEmpty() && row.devnum == device.devnum;
        });
        if (match == rows.end()) {
            if (!device.serialReadable)
                addRow(device, StationDevice::State::Refused,
                       stationReason(QT_TRANSLATE_NOOP("Station", "its serial number cannot be read")));
            else if (device.alternates != 4)
                addRow(device, StationDevice::State::Refused,
                       stationReason(QT_TRANSLATE_NOOP(
                                         "Station", "not a boot loader of ours (%1 memories instead of 4)"),
                                     device.alternates));
            else if (device.path.isEmpty() && serials.count(device.serial) > 1)
                addRow(device, StationDevice::State::Refused,
                       stationReason(
                           QT_TRANSLATE_NOOP("Station", "serial shared with another attached device")));
            else
                addRow(device, StationDevice::State::Identifying, StationReason());
            seen.insert(nextId - 1);
            continue;
        }
        StationDevice &row = *match;
        seen.insert(row.id);
        const bool running = jobs.count(row.id) > 0;
        if (running)
            continue; // its job sees what happened to it; the next listing looks again
        const bool reEnumerated = row.devnum != device.devnum;
        row.devnum = device.devnum;
        if (row.state == StationDevice::State::Away) {
            // Back after its write (a new device number), or still there: read it.
            runJob(row, Job::Identify);
        } else if (row.state == StationDevice::State::Busy) {
            if (takeLock(row)) {
                row.state = StationDevice::State::Identifying;
                row.reason.clear();
                runJob(row, Job::Identify);
            }
        } else if (reEnumerated && !row.address.serial.isEmpty()) {
            // Unplugged and plugged in again between two listings: a new attempt.
            row.state = StationDevice::State::Identifying;
            row.reason.clear();
            row.written = false;
            row.startedMs = clock.elapsed();
            row.finishedMs = -1;
            runJob(row, Job::Identify);
        }
    }
    // Devices that cannot be opened are not listed; dfu-util names their device numbers.
    static const QRegularExpression devnumPattern(QStringLiteral("on devnum (\\d+) \\((\\w+)\\)"));
    for (const QString &unopenable : listing.unopenable) {
        const QRegularExpressionMatch found = devnumPattern.match(unopenable);
        ListedDevice device;
        device.devnum = found.captured(1);
        // Gone between dfu-util's enumeration and its open: a device resetting
        // or being pulled, not one this user may not open. Its row (if it has
        // one) stays until a listing tells where it is; a new one is not made.
        const bool gone = found.captured(2) == QLatin1String("LIBUSB_ERROR_NO_DEVICE");
        const auto match = std::find_if(rows.begin(), rows.end(), [&device, gone](const StationDevice &row) {
            return (gone || row.address.serial.isEmpty()) && row.devnum == device.devnum;
        });
        if (match != rows.end()) {
            seen.insert(match->id);
            continue;
        }
        if (gone)
            continue;
        addRow(device, StationDevice::State::Refused,
               stationReason(QT_TRANSLATE_NOOP("Station", "cannot be opened (%1)"), found.captured(2)));
        seen.insert(nextId - 1);
    }
    for (int row = int(rows.size()) - 1; row >= 0; --row) {
        const StationDevice &device = rows[std::size_t(row)];
        if (seen.count(device.id) || jobs.count(device.id) || device.state == StationDevice::State::Away)
            continue;
        removeRow(row);
    }
}

bool Station::upgrade(quint64 id)
{
    const int row = rowOf(id);
    if (row < 0 || finishing || jobs.count(id))
        return false;
    StationDevice &device = rows[std::size_t(row)];
    using State = StationDevice::State;
    if (!(device.state == State::Ready || device.state == State::WriteFailed || device.state == State::Differs))
        return false;
    if (device.finished()) { // a new attempt on a device that failed
        device.startedMs = clock.elapsed();
        device.finishedMs = -1;
    }
    if (firstStartMs < 0)
        firstStartMs = clock.elapsed();
    device.state = State::Writing;
    device.reason.clear();
    device.written = true;
    runJob(device, Job::Write);
    changed(device);
    emit totalsChanged();
    return true;
}

int Station::upgradeAllReady()
{
    std::vector<quint64> ready;
    for (const StationDevice &device : rows)
        if (device.state == StationDevice::State::Ready)
            ready.push_back(device.id);
    int started = 0;
    for (quint64 id : ready)
        started += upgrade(id) ? 1 : 0;
    return started;
}

void Station::runJob(StationDevice &device, Job job)
{
    const quint64 id = device.id;
    const DeviceAddress address = device.address;
    const QString folder = folderOf(device);
    QDir().mkpath(folder);
    if (job == Job::Identify && device.state != StationDevice::State::Away)
        device.state = StationDevice::State::Identifying;
    if (job == Job::Verify)
        device.state = StationDevice::State::Verifying;
    device.progress = 0;
    const StationDevice snapshot = device;
    const std::function<void(const StationDevice &)> writeAhead = beforeWrite;
    const QString image = firmwarePath;
    jobs[id] = std::thread([this, id, job, address, folder, snapshot, writeAhead, image] {
        Result result;
        result.id = id;
        result.job = job;
        const ToolCancellation cancellation([this] { return cancelled.load(); });
        // dfu-util's progress bars, as the share of the whole transfer.
        // Only a new percentage is worth waking the window for.
        const ToolOutputListener progress([this, id, job, parser = DfuProgressParser(), share = TransferProgress(),
                                           shown = -1](const QByteArray &chunk) mutable {
            for (const DfuProgressLine &line : parser.feed(chunk)) {
                const int percent = share.percent(line);
                if (percent == shown)
                    continue;
                shown = percent;
                Result report;
                report.id = id;
                report.job = job;
                report.last = false;
                report.progress = percent;
                post(report);
            }
        });
        QElapsedTimer timer;
        timer.start();
        switch (job) {
        case Job::Identify:
            result.exitCode = readDeviceInfo(result.info, address, folder).exitCode;
            break;
        case Job::Write:
            if (writeAhead)
                writeAhead(snapshot);
            timer.restart();
            result.exitCode = downloadFirmware(image, address, &result.text);
            break;
        case Job::Verify: {
            ReadBack outcome = ReadBack::Unreadable;
            uploadAndVerify(image, folder + QStringLiteral("/uploaded_FW.bin"), address, &outcome, &result.exitCode);
            result.readBack = int(outcome);
            break;
        }
        }
        result.milliseconds = timer.elapsed();
        post(result);
    });
    changed(device);
}

void Station::post(const Result &result)
{
    bool first;
    {
        std::lock_guard<std::mutex> lock(resultsMutex);
        first = results.empty();
        results.push_back(result);
    }
    if (first)
        QMetaObject::invokeMethod(this, &Station::takeResults, Qt::QueuedConnection);
}

void Station::takeResults()
{
    std::deque<Result> taken;
    {
        std::lock_guard<std::mutex> lock(resultsMutex);
        taken.swap(results);
    }
    for (const Result &result : taken)
        handle(result);
}

void Station::handle(const Result &result)
{
    if (result.id == 0) {
        listed(result.listing);
        return;
    }
    if (result.last) {
        const auto job = jobs.find(result.id);
        if (job != jobs.end()) {
            job->second.join();
            jobs.erase(job);
        }
    }
    const int row = rowOf(result.id);
    if (row < 0) {
        checkIdle();
        return;
    }
    StationDevice &device = rows[std::size_t(row)];
    if (!result.last) {
        device.progress = result.progress;
        emit progressChanged(row);
        return;
    }
    using State = StationDevice::State;
    switch (result.job) {
    case Job::Identify:
        identified(device, result);
        break;
    case Job::Write:
        qInfo().noquote() << QStringLiteral("Station: %1: the write ended with exit code %2%3")
                                 .arg(describe(device))
                                 .arg(result.exitCode)
                                 .arg(result.exitCode == 0 || result.text.isEmpty() ? QString()
                                                                                    : QStringLiteral(" (%1)").arg(result.text));
        device.state = State::Away;
        device.reason =
            result.exitCode != 0
                ? stationReason(QT_TRANSLATE_NOOP("Station", "the write ended with an error (%1)"),
                                result.text)
                : StationReason();
        device.progress = 0;
        emit writeFinished(device, result.exitCode, result.milliseconds, result.exitCode != 0 ? result.text : QString());
        changed(device);
        QTimer::singleShot(afterWriteMs, this, [this] {
            if (bus && !finishing)
                bus->requestListing();
        });
        break;
    case Job::Verify: {
        emit readBackFinished(device, result.readBack, result.exitCode, result.milliseconds);
        const ReadBack outcome = ReadBack(result.readBack);
        finishRow(device, outcome == ReadBack::Matches ? State::Done
                          : outcome == ReadBack::Differs ? State::Differs
                                                          : State::NotConfirmed,
                  outcome == ReadBack::Unreadable
                      ? stationReason(QT_TRANSLATE_NOOP("Station", "the read-back failed (exit code %1)"),
                                      result.exitCode)
                      : StationReason());
        break;
    }
    }
    checkIdle();
}

void Station::identified(StationDevice &device, const Result &result)
{
    using State = StationDevice::State;
    const DeviceInfo &info = result.info;
    if (result.exitCode != 0) {
        if (device.written) {
            emit readBackFinished(device, int(ReadBack::Unreadable), result.exitCode, 0);
            finishRow(device, State::NotConfirmed,
                      stationReason(QT_TRANSLATE_NOOP("Station", "it could not be read after the write")));
        } else {
            finishRow(device, State::Refused,
                      stationReason(QT_TRANSLATE_NOOP(
                          "Station", "it could not be read: unplug it and plug it in again")));
        }
        return;
    }
    device.info = info;
    device.model = info.otp.valid ? productModel(info.otp.product.type) : QString();
    device.revision = info.FW_revision;
    // The same decisions as the guided window, in the same order.
    if (isOtpBlank(info)) {
        if (device.written)
            emit backUnverified(device);
        finishRow(
            device, State::Refused,
            stationReason(QT_TRANSLATE_NOOP("Station", "empty OTP: the device does not say what it is")));
    } else if (isInvalidProduct(info, desiredType)) {
        if (device.written)
            emit backUnverified(device);
        finishRow(device, State::Refused,
                  stationReason(QT_TRANSLATE_NOOP("Station", "another product (%1)"),
                                device.model.isEmpty() ? QStringLiteral("type %1").arg(info.device_type)
                                                       : device.model));
    } else if (hasDifferingRevision(info, desiredType, desiredRevision)) {
        if (device.written) {
            emit backUnverified(device);
            finishRow(device, State::WriteFailed,
                      stationReason(QT_TRANSLATE_NOOP("Station", "it still runs its old firmware")));
            return;
        }
        device.state = State::Ready;
        device.reason.clear();
        qInfo().noquote() << QStringLiteral("Station: %1: ready (%2 with firmware %3)")
                                 .arg(describe(device), device.model,
                                      device.revision.isEmpty() ? QStringLiteral("unknown") : device.revision);
        changed(device);
        emit totalsChanged();
        if (autoUpgrade)
            upgrade(device.id);
    } else if (hasSameRevision(info, desiredType, desiredRevision)) {
        // Up to date or just written: only a byte-exact read-back says done.
        runJob(device, Job::Verify);
    } else {
        finishRow(device, State::Refused,
                  stationReason(
                      QT_TRANSLATE_NOOP("Station", "it could not be read: unplug it and plug it in again")));
    }
}
