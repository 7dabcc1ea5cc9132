// The real device worker and user-interface state machine, driven against the
// simulator with short pauses and --fast-progress.

#include "imagegen.h"
#include "messagecapture.h"
#include "payload.h"
#include "simulator.h"
#include "simulatorbus.h"
#include "simulatorfixture.h"
#include "sm_a.h"
#include "sm_b.h"

#include <QtTest>

#include <atomic>

namespace {

// Records, in the user-interface thread, what the two machines announce.
class Recorder : public QObject {
public:
    QStringList states;  // "B1", "B2", ...
    QStringList signals_; // SM_B's signals without "sig_"
    QStringList worker;   // SM_A's named signals without "sig_", delivered queued

    void watch(SM_B &machine, SM_A &device)
    {
        for (QState *state : {machine.B1, machine.B2, machine.B3, machine.B4, machine.B6, machine.B7, machine.B8,
                              machine.B9}) {
            const QString name = state->objectName().section(':', 0, 0);
            connect(state, &QState::entered, this, [this, name] { states << name; });
        }
        const QList<QPair<void (SM_B::*)(), QString>> machineSignals{
            {&SM_B::sig_UpgradeImpossible, "UpgradeImpossible"},
            {&SM_B::sig_UpgradePossible, "UpgradePossible"},
            {&SM_B::sig_DifferingRevision, "DifferingRevision"},
            {&SM_B::sig_DoDownload, "DoDownload"},
            {&SM_B::sig_UploadingVerifying, "UploadingVerifying"},
            {&SM_B::sig_FwMatches, "FwMatches"},
            {&SM_B::sig_FwDiffers, "FwDiffers"},
            {&SM_B::sig_DeviceConnected, "DeviceConnected"},
            {&SM_B::sig_InvalidProduct, "InvalidProduct"}};
        for (const auto &[signal, name] : machineSignals)
            connect(&machine, signal, this, [this, name = name] { signals_ << name; });
        const QList<QPair<void (SM_A::*)(), QString>> workerSignals{
            {&SM_A::sig_DevConn, "DevConn"},
            {&SM_A::sig_readingInfo, "readingInfo"},
            {&SM_A::sig_FwDownloading, "FwDownloading"},
            {&SM_A::sig_FwDownloaded, "FwDownloaded"},
            {&SM_A::sig_FwUploading, "FwUploading"},
            {&SM_A::sig_A7_entered, "A7_entered"},
            {&SM_A::sig_NoDevConn, "NoDevConn"},
            {&SM_A::sig_scanning, "scanning"}};
        for (const auto &[signal, name] : workerSignals)
            connect(&device, signal, this, [this, name = name] { worker << name; });
        connect(&device, &SM_A::sig_FwUploadedMatches, this, [this] { worker << "FwUploadedMatches"; });
        connect(&device, &SM_A::sig_FwUploadedDiffers, this, [this] { worker << "FwUploadedDiffers"; });
        connect(&device, &SM_A::sig_DeviceError, this, [this] { worker << "DeviceError"; });
        connect(&device, &SM_A::sig_Progress, this, [this](int percent) { worker << QString("Progress %1").arg(percent); });
        connect(&device, &SM_A::sig_UnusableDevicesChanged, this, [this] { worker << "UnusableDevicesChanged"; });
    }
};

const QString serialA = "3276356C3236";
const QString serialB = "206F39A54E42";

// Holds the worker thread inside one of its signals, once armed, until the
// test lets it go: the test then acts at an exact point of the worker's loop.
class WorkerGate {
public:
    template <typename Signal>
    void install(SM_A &worker, Signal signal)
    {
        QObject::connect(&worker, signal, &worker, [this] { hold(); }, Qt::DirectConnection);
    }
    void arm()
    {
        released = false;
        armed = true;
    }
    // Waits, without running the test thread's event loop, until the worker is held.
    bool waitUntilHeld(int limitMs = 15000)
    {
        for (int waited = 0; !holding && waited < limitMs; waited += 2)
            QThread::msleep(2);
        return holding;
    }
    bool held() const { return holding; }
    void release() { released = true; }

private:
    void hold()
    {
        if (!armed.exchange(false))
            return;
        holding = true;
        for (int waited = 0; !released && waited < 30000; waited += 2)
            QThread::msleep(2); // never for ever: a failing test must not hang
        released = false;
        holding = false;
    }

    std::atomic<bool> armed{false};
    std::atomic<bool> holding{false};
    std::atomic<bool> released{false};
};

} // namespace

class TestWorkflow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fullUpgrade();
    void upToDateIsVerifiedWithoutClick();
    void verificationFailureAllowsAnotherDownload();
    void blankOtpDownloadsOnClick();
    void otherProduct();
    void twoDevicesAreNeverRead();
    void failingOtpReadIsRetriedOnlyAfterTheDeviceWasGone();
    void downloadRequestWithoutDeviceIsDropped();
    void secondConnectionInB2IsIgnored();
    void swapWithoutListingInBetween_data();
    void swapWithoutListingInBetween();
    void swapBetweenClickAndDownload();
    void verificationRequestForAGoneDeviceIsDropped();
    void swapInB4BeforeTheReadBack_data();
    void swapInB4BeforeTheReadBack();
    void swapDuringTheReadBack();
    void readBackResultIsForItsDeviceOnly();
    void deviceThatCannotBeUsedIsReportedOnce_data();
    void deviceThatCannotBeUsedIsReportedOnce();
    void severalDevicesAreReportedOnce_data();
    void severalDevicesAreReportedOnce();
    void unreadableDeviceReplacedByAnother();
    void stopDuringSlowToolRun();
    void ownerMayChangeWhatAnEndedWorkerRead();
    void requestsWakeTheWorkerAtOnce();
    void progressFollowsTheTransfers();
    void debugOutputSuppressesRepetition();

private:
    void prepare(const QString &configuration);
    // Builds the two machines, the worker started by the machine's start;
    // beforeStart may connect to the worker first.
    void startWorkflow(const std::function<void(SM_A &)> &beforeStart = {});

    std::unique_ptr<QTemporaryDir> state;
    std::map<ToolCommand, ToolCommandEntry> savedTable;
    std::unique_ptr<SM_A> worker;
    std::unique_ptr<SM_B> machine;
    std::unique_ptr<Recorder> recorder;
    std::unique_ptr<Bus> bus;
    WorkerGate gate;
    QString desiredRevision;
};

void TestWorkflow::initTestCase()
{
    QVERIFY(tempDir().isValid());
    savedTable = commandTable();
    QVERIFY(simulatorfixture::installFirmware());
    desiredRevision = QString::fromLatin1(simulatorfixture::describedFirmware().revision);
}

void TestWorkflow::init()
{
    commandTable() = savedTable;
    state = simulatorfixture::freshState(true);
    QVERIFY(state->isValid());
    bus = std::make_unique<Bus>(state->path(), simulatorPath("dfu-util_simulator.sh"));
}

void TestWorkflow::cleanup()
{
    gate.release();
    if (machine)
        machine->stop();
    machine.reset(); // before the worker it refers to
    worker.reset();  // stops the thread and waits for it
    recorder.reset();
    commandTable() = savedTable;
}

void TestWorkflow::prepare(const QString &configuration)
{
    QCOMPARE(setupPreparedConfig(configuration), 0);
}

void TestWorkflow::startWorkflow(const std::function<void(SM_A &)> &beforeStart)
{
    worker = std::make_unique<SM_A>(tempFilePath(firmwareDfuFileName), tempFilePath(firmwareBinFileName),
                                    tempFilePath(uploadedFwFileName));
    if (beforeStart)
        beforeStart(*worker);
    worker->idleScanDelayMs = 30;
    worker->connectedPollDelayMs = 60;
    machine = std::make_unique<SM_B>(worker.get(), 30, desiredRevision);
    recorder = std::make_unique<Recorder>();
    recorder->watch(*machine, *worker);
    connect(machine.get(), &QStateMachine::started, worker.get(), [this] { worker->start(); });
    machine->start();
}

void TestWorkflow::fullUpgrade()
{
    prepare("upgradable");
    startWorkflow();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    QCOMPARE(machine->deviceInfo.FW_revision, QString("C2"));
    QCOMPARE(int(machine->deviceInfo.device_type), 30);

    machine->do_download(); // the click
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states.size(), 6, 20000);
    QCOMPARE(recorder->states, (QStringList{"B1", "B2", "B3", "B1", "B4", "B6"}));
    QCOMPARE(recorder->signals_,
             (QStringList{"UpgradeImpossible", "DeviceConnected", "UpgradePossible", "DifferingRevision",
                          "DoDownload", "UpgradeImpossible", "DeviceConnected", "UploadingVerifying", "FwMatches"}));
    QCOMPARE(machine->deviceInfo.FW_revision, desiredRevision);
    QCOMPARE(recorder->worker.count("FwDownloading"), 1);
    QCOMPARE(recorder->worker.count("FwUploadedMatches"), 1);
}

// The pause between looks at a connected device is ten minutes here: the
// upgrade gets through only if the click and the read-back request wake the
// worker instead of waiting the pause out.
void TestWorkflow::requestsWakeTheWorkerAtOnce()
{
    prepare("upgradable");
    startWorkflow();
    worker->connectedPollDelayMs = 600000; // the thread starts with the event loop, after this
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    machine->do_download();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2", "B3", "B1", "B4", "B6"}), 30000);
    QCOMPARE(recorder->worker.count("FwUploadedMatches"), 1);
}

// The worker reports dfu-util's progress while it writes and reads back: from
// the start of each transfer to its end, never backwards.
void TestWorkflow::progressFollowsTheTransfers()
{
    prepare("upgradable");
    startWorkflow();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    machine->do_download();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states.size(), 6, 20000);
    QCOMPARE(recorder->states.last(), QString("B6"));

    auto reports = [this](const QString &from, const QString &to) {
        const QStringList &all = recorder->worker;
        QList<int> values;
        for (int i = all.indexOf(from) + 1; i < all.size() && all[i] != to; ++i)
            if (all[i].startsWith("Progress "))
                values << all[i].section(' ', 1).toInt();
        return values;
    };
    const QList<int> download = reports("FwDownloading", "FwDownloaded");
    const QList<int> readBack = reports("FwUploading", "FwUploadedMatches");
    QVERIFY2(download.size() >= 40, "a report per block written"); // 45 blocks of 2048 bytes
    QCOMPARE(download.first(), 0);
    QCOMPARE(download.last(), 100);
    QVERIFY(std::is_sorted(download.begin(), download.end()));
    QVERIFY(!readBack.isEmpty());
    QCOMPARE(readBack.last(), 100);
    QVERIFY(std::is_sorted(readBack.begin(), readBack.end()));
    // Nothing is reported while the device is only being read.
    QCOMPARE(reports("", "FwDownloading"), QList<int>());
}

void TestWorkflow::upToDateIsVerifiedWithoutClick()
{
    prepare("up-to-date");
    startWorkflow();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B4", "B6"}), 15000);
    QCOMPARE(recorder->signals_,
             (QStringList{"UpgradeImpossible", "DeviceConnected", "UploadingVerifying", "FwMatches"}));
    QVERIFY(!recorder->worker.contains("FwDownloading"));
}

void TestWorkflow::verificationFailureAllowsAnotherDownload()
{
    prepare("verify-fails");
    startWorkflow();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    machine->do_download();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2", "B3", "B1", "B4", "B7"}), 20000);
    QCOMPARE(recorder->signals_.mid(recorder->signals_.size() - 2), (QStringList{"UpgradePossible", "FwDiffers"}));

    machine->do_download(); // the button is active again
    QTRY_COMPARE_WITH_TIMEOUT(recorder->worker.count("FwDownloading"), 2, 15000);
    QCOMPARE(recorder->states.at(6), QString("B3"));
}

void TestWorkflow::blankOtpDownloadsOnClick()
{
    prepare("blank-otp");
    startWorkflow();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B9"}), 15000);
    QCOMPARE(recorder->signals_,
             (QStringList{"UpgradeImpossible", "DeviceConnected", "UpgradeImpossible", "DifferingRevision"}));
    QVERIFY(!recorder->worker.contains("FwDownloading"));

    machine->do_download(); // the button enabled by hand (A key) and clicked
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.contains("FwDownloaded"), 15000);
    QCOMPARE(recorder->states.at(2), QString("B3"));
    // The OTP stays blank, so the device comes back as one with an empty OTP.
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B9", "B3", "B1", "B9"}), 15000);
}

void TestWorkflow::otherProduct()
{
    prepare("other-product");
    startWorkflow();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B8"}), 15000);
    QCOMPARE(recorder->signals_, (QStringList{"UpgradeImpossible", "DeviceConnected", "InvalidProduct"}));
    machine->do_download(); // a click changes nothing here
    QTest::qWait(500);
    QCOMPARE(recorder->states, (QStringList{"B1", "B8"}));
    QVERIFY(!recorder->worker.contains("FwDownloading"));
}

void TestWorkflow::twoDevicesAreNeverRead()
{
    prepare("two-devices");
    startWorkflow();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.count("NoDevConn") >= 5, 15000);
    QVERIFY(!recorder->worker.contains("readingInfo"));
    QVERIFY(!recorder->worker.contains("DevConn"));
    QCOMPARE(recorder->states, QStringList{"B1"});
}

void TestWorkflow::failingOtpReadIsRetriedOnlyAfterTheDeviceWasGone()
{
    prepare("otp-read-fails");
    startWorkflow();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.contains("DeviceError"), 15000);
    QCOMPARE(recorder->worker.count("readingInfo"), 1);
    QCOMPARE(recorder->worker.count("A7_entered"), 1);

    // While the same device stays, it is not read again.
    const int scans = recorder->worker.count("scanning");
    QTest::qWait(600);
    QCOMPARE(recorder->worker.count("readingInfo"), 1);
    QVERIFY(!recorder->worker.contains("DevConn"));
    QCOMPARE(recorder->states, QStringList{"B1"});

    prepare("no-device");
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.count("scanning") >= scans + 2, 15000);
    prepare("upgradable");
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    QCOMPARE(recorder->worker.count("readingInfo"), 2);
}

// A device that could not be read, swapped for another without a moment in
// between: the other one is read at once.
void TestWorkflow::unreadableDeviceReplacedByAnother()
{
    const QString unreadable = bus->stage("otp-read-fails", serialA);
    const QString other = bus->stage("upgradable", serialB);
    QVERIFY(!unreadable.isEmpty() && !other.isEmpty());
    QVERIFY(bus->attach(unreadable));
    startWorkflow();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.contains("DeviceError"), 15000);
    QVERIFY(bus->attach(other));
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    QCOMPARE(worker->connectedDevice().serial, serialB);
}

void TestWorkflow::downloadRequestWithoutDeviceIsDropped()
{
    prepare("no-device");
    startWorkflow();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.count("NoDevConn") >= 2, 15000);

    MessageCapture capture;
    worker->setRequest(SM_A::DownloadRequest, 0); // nobody clicked for the device that comes next
    prepare("upgradable");
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    QTest::qWait(400); // several looks at the pending request
    QVERIFY(!recorder->worker.contains("FwDownloading"));
    QCOMPARE(worker->pendingRequest(), int(SM_A::NoRequest));
    QVERIFY(capture.texts().contains("SM_A: download request dropped, the device it was made for is gone"));
}

void TestWorkflow::secondConnectionInB2IsIgnored()
{
    prepare("upgradable");
    startWorkflow();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    const DeviceInfo first = machine->deviceInfo;
    emit worker->sig_DevConn(); // as if another device had been announced
    QTest::qWait(200);
    QCOMPARE(recorder->states, (QStringList{"B1", "B2"}));
    QCOMPARE(machine->deviceInfo.FW_revision, first.FW_revision);
    QCOMPARE(recorder->signals_.count("DeviceConnected"), 1);
}

void TestWorkflow::swapWithoutListingInBetween_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QString>("revision");
    QTest::addColumn<bool>("clickWrites");

    // A stale revision equal to the embedded one would send the T4-flashed T30 to a read-back.
    QTest::newRow("up-to-date T30, then a T30 holding T4 firmware")
        << "up-to-date" << "firmware-mismatch" << QStringList{"B1", "B4", "B6", "B1", "B2"} << 30 << "" << true;
    QTest::newRow("T30 C2, then an empty OTP with T30 firmware")
        << "upgradable" << "blank-otp" << QStringList{"B1", "B2", "B1", "B9"} << 0 << "" << true;
    QTest::newRow("T30 C2, then an OTP of an unknown product")
        << "upgradable" << "unknown-product" << QStringList{"B1", "B2", "B1", "B8"} << 0 << "" << false;
    QTest::newRow("T30 C2, then a T4") << "upgradable" << "other-product" << QStringList{"B1", "B2", "B1", "B8"}
                                       << 36 << "A4" << false;
}

void TestWorkflow::swapWithoutListingInBetween()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, states);
    QFETCH(int, deviceType);
    QFETCH(QString, revision);
    QFETCH(bool, clickWrites);

    const QString a = bus->stage(first, serialA);
    const QString b = bus->stage(second, serialB);
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    QVERIFY(bus->attach(a));
    startWorkflow();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, states.mid(0, states.indexOf("B1", 1)), 15000);

    QVERIFY(bus->attach(b)); // in B2 or B6, before any click
    QTRY_COMPARE_WITH_TIMEOUT(recorder->worker.count("DevConn"), 2, 15000);
    QTest::qWait(400); // a wrong judgement would go on to a read-back by now
    QCOMPARE(recorder->states, states);
    QCOMPARE(int(machine->deviceInfo.device_type), deviceType);
    QCOMPARE(machine->deviceInfo.FW_revision, revision);
    QCOMPARE(Bus::transfers(b), Bus::identificationOnly());

    // A click now is for the device on show, and only ever reaches it.
    machine->do_download();
    QTest::qWait(400);
    QCOMPARE(recorder->worker.contains("FwDownloading"), clickWrites);
    QVERIFY(!Bus::transfers(a).join(',').contains("download_FW"));
    if (clickWrites)
        QTRY_VERIFY_WITH_TIMEOUT(Bus::transfers(b).contains("download_FW 91136"), 5000);
}

void TestWorkflow::swapBetweenClickAndDownload()
{
    const QString a = bus->stage("upgradable", serialA);
    const QString b = bus->stage("upgradable", serialB); // a T30 that would take the firmware
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    const QByteArray flashOfB = Bus::flash(b);
    QVERIFY(bus->attach(a));
    startWorkflow([this](SM_A &device) { gate.install(device, &SM_A::sig_A4_entered); });
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);

    // The worker is about to pause before its next look at the requests.
    gate.arm();
    QVERIFY(gate.waitUntilHeld());
    machine->do_download(); // the click, for A
    QTRY_COMPARE(recorder->states.last(), QString("B3"));
    QVERIFY(bus->attach(b)); // A out, B in, before the worker lists again
    gate.release();

    QTRY_COMPARE_WITH_TIMEOUT(recorder->worker.count("FwDownloaded"), 1, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2", "B3", "B1", "B2"}), 15000);
    // dfu-util was told to write A, which is gone: B was not touched.
    QCOMPARE(Bus::transfers(b), Bus::identificationOnly());
    QCOMPARE(Bus::flash(b), flashOfB);
    QCOMPARE(machine->deviceInfo.FW_revision, QString("C2")); // B, truthfully: still upgradable
}

void TestWorkflow::verificationRequestForAGoneDeviceIsDropped()
{
    const QString a = bus->stage("up-to-date", serialA);
    const QString b = bus->stage("other-product", serialB);
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    startWorkflow([this](SM_A &device) {
        gate.install(device, &SM_A::sig_scanning);
        // The scan after A is announced: the worker has looked for a request once.
        connect(&device, &SM_A::sig_DevConn, &device, [this] { gate.arm(); }, Qt::DirectConnection);
    });
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.count("NoDevConn") >= 2, 15000); // idle, nothing attached

    // From here the test thread runs no events until the worker is held: the
    // user interface handles A's arrival late, as a busy one would.
    MessageCapture capture;
    QVERIFY(bus->attach(a));
    QVERIFY(gate.waitUntilHeld());
    bus->detach(); // A pulled before the worker lists again
    QTRY_COMPARE(recorder->states, (QStringList{"B1", "B4"})); // the verification request, for A
    const int noDevice = recorder->worker.count("NoDevConn");
    gate.release();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.count("NoDevConn") > noDevice, 15000);
    QTRY_COMPARE(recorder->states, (QStringList{"B1", "B4", "B1"}));

    QVERIFY(bus->attach(b));
    QTRY_COMPARE_WITH_TIMEOUT(recorder->worker.count("DevConn"), 2, 15000);
    QTest::qWait(400);
    QCOMPARE(recorder->states, (QStringList{"B1", "B4", "B1", "B8"}));
    QVERIFY(!recorder->worker.contains("FwUploading"));
    QCOMPARE(Bus::transfers(b), Bus::identificationOnly());
    QVERIFY(capture.texts().contains("SM_A: verification request dropped, the device it was made for is gone"));
}

void TestWorkflow::swapInB4BeforeTheReadBack_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("settled");
    QTest::newRow("another product") << "other-product" << "B8";
    QTest::newRow("an empty OTP") << "blank" << "B9";
}

void TestWorkflow::swapInB4BeforeTheReadBack()
{
    QFETCH(QString, second);
    QFETCH(QString, settled);
    const QString a = bus->stage("up-to-date", serialA);
    const QString b = bus->stage(second, serialB);
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    QVERIFY(bus->attach(a));
    startWorkflow([this](SM_A &device) {
        gate.install(device, &SM_A::sig_A4_entered);
        connect(&device, &SM_A::sig_DevConn, &device, [this] { gate.arm(); }, Qt::DirectConnection);
    });
    QTRY_VERIFY_WITH_TIMEOUT(gate.held(), 15000);
    QTRY_COMPARE(recorder->states, (QStringList{"B1", "B4"})); // verification requested for A
    QVERIFY(bus->attach(b)); // A out, B in, before the worker takes the request
    gate.release();

    QTRY_COMPARE_WITH_TIMEOUT(recorder->worker.count("DevConn"), 2, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states.last(), settled, 15000);
    QTest::qWait(400);
    // The read-back named A, which was gone: it failed, and B was never read back.
    QCOMPARE(recorder->states, (QStringList{"B1", "B4", "B7", "B1", settled}));
    QCOMPARE(Bus::transfers(b), Bus::identificationOnly());
    QVERIFY(!recorder->worker.contains("FwUploadedMatches"));
}

void TestWorkflow::swapDuringTheReadBack()
{
    commandTable() = savedTable;
    setupSimulator(false); // a read-back that takes as long as a real one
    const QString a = bus->stage("up-to-date", serialA);
    const QString b = bus->stage("other-product", serialB);
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    QVERIFY(bus->attach(a));
    startWorkflow([this](SM_A &device) {
        gate.install(device, &SM_A::sig_FwUploading);
        gate.arm();
    });
    QTRY_VERIFY_WITH_TIMEOUT(gate.held(), 15000);
    const QString upload = tempFilePath(uploadedFwFileName);
    gate.release();
    // The simulated dfu-util creates its file when the transfer begins.
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(upload) && clock.elapsed() < 10000)
        QThread::msleep(1);
    QVERIFY(bus->attach(b));

    QTRY_COMPARE_WITH_TIMEOUT(recorder->worker.count("DevConn"), 2, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states.last(), QString("B8"), 15000);
    QCOMPARE(recorder->states, (QStringList{"B1", "B4", "B7", "B1", "B8"}));
    QCOMPARE(recorder->worker.count("FwUploadedDiffers"), 1); // A's read-back was cut short
    QVERIFY(Bus::transfers(a).contains("upload_FW 91136"));
    QCOMPARE(Bus::transfers(b), Bus::identificationOnly());
    QCOMPARE(int(machine->deviceInfo.device_type), 36);
}

// A read-back result names the device it is about: the machine's verdict
// never rests on the order in which results and devices reach it. The worker
// cannot give a stale result by itself, so the test sends one while the real
// read-back waits.
void TestWorkflow::readBackResultIsForItsDeviceOnly()
{
    prepare("up-to-date");
    startWorkflow([this](SM_A &device) {
        gate.install(device, &SM_A::sig_FwUploading);
        gate.arm();
    });
    QTRY_VERIFY_WITH_TIMEOUT(gate.held(), 15000);
    QTRY_COMPARE(recorder->states, (QStringList{"B1", "B4"}));
    const quint64 shown = machine->deviceNumber;
    QVERIFY(shown != 0);

    MessageCapture capture;
    emit worker->sig_FwUploadedMatches(shown + 1);
    emit worker->sig_FwUploadedDiffers(shown + 1);
    QTest::qWait(200);
    QCOMPARE(recorder->states, (QStringList{"B1", "B4"}));
    QCOMPARE(capture.texts().filter("a read-back result for another device than the one shown is ignored").size(), 2);

    gate.release(); // the real read-back, of the device shown
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B4", "B6"}), 15000);
}

void TestWorkflow::deviceThatCannotBeUsedIsReportedOnce_data()
{
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QStringList>("advice");
    QTest::newRow("access refused") << "no-access" << "0483:df11 on devnum 5 (LIBUSB_ERROR_ACCESS)"
                                    << "A device in boot mode was found but cannot be opened: "
                                    << QStringList{VELMORA_UDEV_RULE_NAME, "unplug the device and plug it in again"};
    // dfu-util opened it: access is not what is wrong.
    QTest::newRow("serial unreadable") << "bad-serial" << "0483:df11 on devnum 5 (serial number unreadable)"
                                       << "A device in boot mode was found but its serial number cannot be read: "
                                       << QStringList{"unplug it and plug it in again",
                                                      "the device's boot loader is not answering normally"};
}

void TestWorkflow::deviceThatCannotBeUsedIsReportedOnce()
{
    QFETCH(QString, configuration);
    QFETCH(QString, device);
    QFETCH(QString, warning);
    QFETCH(QStringList, advice);
    const QString locked = bus->stage(configuration, serialA);
    const QString readable = bus->stage("upgradable", serialB);
    QVERIFY(!locked.isEmpty() && !readable.isEmpty());
    QVERIFY(bus->attach(locked));
    MessageCapture capture;
    startWorkflow();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.count("scanning") >= 8, 15000); // many polls

    const QStringList warnings = capture.texts().filter("A device in boot mode was found but");
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(warning + "\"" + device + "\""), qPrintable(warnings.first()));
    for (const QString &words : advice)
        QVERIFY2(warnings.first().contains(words), qPrintable(warnings.first()));
    QVERIFY(!warnings.first().contains("udev") || configuration == "no-access");
    const UnusableDevices unusable = worker->unusableDevices();
    QCOMPARE(unusable.unopenable + unusable.serialUnreadable, QStringList{device});
    QCOMPARE(recorder->worker.count("UnusableDevicesChanged"), 1);
    // Still no device for the workflow: nothing is read from it.
    QCOMPARE(recorder->states, QStringList{"B1"});
    QVERIFY(!recorder->worker.contains("readingInfo"));
    QCOMPARE(Bus::transfers(locked), QStringList{});

    QVERIFY(bus->attach(readable)); // the locked device out, a readable one in
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    QVERIFY(worker->unusableDevices() == UnusableDevices());
    QCOMPARE(recorder->worker.count("UnusableDevicesChanged"), 2);
    QCOMPARE(capture.texts().filter("A device in boot mode was found but").size(), 1);
}

// Two of our devices at once, whether both can be used or not: neither is
// used, and the worker says so once, naming both, and no longer when one of
// them has gone.
void TestWorkflow::severalDevicesAreReportedOnce_data()
{
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("two usable") << "two-devices" << QStringList{"serial " + serialA, "serial " + serialB};
    QTest::newRow("a usable one beside one that cannot be opened")
        << "beside-no-access" << QStringList{"serial " + serialA, "0483:df11 on devnum 6 (LIBUSB_ERROR_ACCESS)"};
}

void TestWorkflow::severalDevicesAreReportedOnce()
{
    QFETCH(QString, configuration);
    QFETCH(QStringList, named);
    const QString both = bus->stage(configuration, serialA);
    const QString one = bus->stage("upgradable", serialA);
    QVERIFY(!both.isEmpty() && !one.isEmpty());
    QVERIFY(bus->attach(both));
    MessageCapture capture;
    startWorkflow();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.count("scanning") >= 6, 15000);
    QVERIFY(worker->unusableDevices().several);
    const QStringList warnings = capture.texts().filter("More than one device in boot mode is attached");
    QCOMPARE(warnings.size(), 1);
    for (const QString &device : named)
        QVERIFY2(warnings.first().contains(device), qPrintable(warnings.first()));
    QCOMPARE(recorder->worker.count("UnusableDevicesChanged"), 1);
    QCOMPARE(recorder->states, QStringList{"B1"});
    QVERIFY(!recorder->worker.contains("readingInfo"));
    QCOMPARE(Bus::transfers(both), QStringList{});

    QVERIFY(bus->attach(one));
    QTRY_COMPARE_WITH_TIMEOUT(recorder->states, (QStringList{"B1", "B2"}), 15000);
    QVERIFY(!worker->unusableDevices().several);
    QCOMPARE(recorder->worker.count("UnusableDevicesChanged"), 2);
}

void TestWorkflow::stopDuringSlowToolRun()
{
    // A dfu-util that hangs for a minute while listing.
    commandTable()[List] = {FAKE_TOOL, {"--sleep", "60000"}};
    startWorkflow();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.count("scanning") >= 1, 15000);
    QTest::qWait(200); // the listing is running now

    MessageCapture capture;
    worker->requestStop();
    QVERIFY(worker->wait(10000)); // far sooner than the child would end
    QVERIFY(capture.texts().filter(QRegularExpression("^Stop requested: killing \"")).size() == 1);
    // A killed run is a failure, never a success.
    QVERIFY(capture.texts().filter(QRegularExpression("^Exit with -1 from \"")).size() == 1);
}

void TestWorkflow::ownerMayChangeWhatAnEndedWorkerRead()
{
    // Stopped while it pauses between listings, the worker lists once more
    // (reading the command table) after the owner's last look at its lock, then
    // ends. Once it is joined, the owner may change what it read: under the
    // thread sanitizer that is a reported race unless the join is seen.
    prepare("no-device");
    worker = std::make_unique<SM_A>(tempFilePath(firmwareDfuFileName), tempFilePath(firmwareBinFileName),
                                    tempFilePath(uploadedFwFileName));
    worker->idleScanDelayMs = 2000;
    int cycles = 0;
    connect(worker.get(), &SM_A::sig_NoDevConn, this, [&cycles] { ++cycles; });
    worker->start();
    QTRY_VERIFY_WITH_TIMEOUT(cycles >= 2, 15000); // it pauses now
    worker->requestStop();
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 15000);
    worker.reset();
    commandTable()[List] = {FAKE_TOOL, {"--exit", "74"}};

    // The same with nothing else in between that the sanitizer could take
    // for an ordering: a thread that ended long before it is joined.
    struct Probe : JoinedThread {
        int value = 0;
        void work() override { value = 1; }
    } probe;
    probe.start();
    QTRY_VERIFY_WITH_TIMEOUT(probe.isFinished(), 15000);
    QVERIFY(probe.wait());
    probe.value = 2;
}

void TestWorkflow::debugOutputSuppressesRepetition()
{
    prepare("no-device");
    MessageCapture capture;
    worker = std::make_unique<SM_A>(tempFilePath(firmwareDfuFileName), tempFilePath(firmwareBinFileName),
                                    tempFilePath(uploadedFwFileName));
    worker->idleScanDelayMs = 20;
    worker->connectDebugOutput();
    int cycles = 0; // counted in this thread, from queued deliveries
    connect(worker.get(), &SM_A::sig_NoDevConn, this, [&cycles] { ++cycles; });
    worker->start();
    QTRY_VERIFY_WITH_TIMEOUT(cycles >= 6, 15000);
    worker.reset();
    const QStringList shown = capture.texts().filter("SM_A: /sig_");
    QCOMPARE(shown, QStringList{"\"SM_A: /sig_NoDevConn\""});
    QVERIFY(capture.texts().contains("SM_A: Adding connections to show debug output (state transitions)"));
}

QTEST_GUILESS_MAIN(TestWorkflow)
#include "tst_workflow.moc"
