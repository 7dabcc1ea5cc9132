// The real device worker and user-interface state machine, driven against the
// simulator with short pauses and --fast-progress.

#include "imagegen.h"
#include "messagecapture.h"
#include "payload.h"
#include "simulator.h"
#include "simulatorfixture.h"
#include "sm_a.h"
#include "sm_b.h"

#include <QtTest>

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
            {&SM_A::sig_FwUploadedMatches, "FwUploadedMatches"},
            {&SM_A::sig_FwUploadedDiffers, "FwUploadedDiffers"},
            {&SM_A::sig_A7_entered, "A7_entered"},
            {&SM_A::sig_NoDevConn, "NoDevConn"},
            {&SM_A::sig_scanning, "scanning"}};
        for (const auto &[signal, name] : workerSignals)
            connect(&device, signal, this, [this, name = name] { worker << name; });
        connect(&device, &SM_A::sig_DeviceError, this, [this] { worker << "DeviceError"; });
    }
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
    void stopDuringSlowToolRun();
    void debugOutputSuppressesRepetition();

private:
    void prepare(const QString &configuration);
    // Builds the two machines, the worker started by the machine's start.
    void startWorkflow();

    std::unique_ptr<QTemporaryDir> state;
    std::map<ToolCommand, ToolCommandEntry> savedTable;
    std::unique_ptr<SM_A> worker;
    std::unique_ptr<SM_B> machine;
    std::unique_ptr<Recorder> recorder;
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
}

void TestWorkflow::cleanup()
{
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

void TestWorkflow::startWorkflow()
{
    worker = std::make_unique<SM_A>(tempFilePath(firmwareDfuFileName), tempFilePath(firmwareBinFileName),
                                    tempFilePath(uploadedFwFileName));
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

void TestWorkflow::downloadRequestWithoutDeviceIsDropped()
{
    prepare("no-device");
    startWorkflow();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->worker.count("NoDevConn") >= 2, 15000);

    MessageCapture capture;
    worker->setRequest(SM_A::DownloadRequest); // nobody clicked for the device that comes next
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
