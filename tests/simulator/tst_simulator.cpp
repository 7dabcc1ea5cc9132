// The simulator script, driven through the tool's own device functions.

#include "deviceinfo.h"
#include "dfucommands.h"
#include "imagegen.h"
#include "messagecapture.h"
#include "payload.h"
#include "simulator.h"
#include "simulatorfixture.h"

#include <QtTest>

namespace {

const QString script = QStringLiteral(SIMULATOR_SCRIPT);
const QString serialA = "3276356C3236";

using simulatorfixture::describedFirmware;

QString outcome(const DeviceInfo &device)
{
    const imagegen::FirmwareSpec desired = describedFirmware();
    const QString revision = QString::fromLatin1(desired.revision);
    if (isOtpBlank(device))
        return "empty OTP";
    if (isInvalidProduct(device, desired.productType))
        return "invalid product";
    if (hasDifferingRevision(device, desired.productType, revision))
        return "differing revision";
    if (hasSameRevision(device, desired.productType, revision))
        return "same revision";
    return "none";
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSimulator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void commandLines_data();
    void commandLines();
    void answersLikeDfuUtil();
    void preparedConfigurations_data();
    void preparedConfigurations();
    void unknownConfiguration();
    void existingUploadFileIsRefused();
    void realTimingWithProgress();
    void stateIsReplacedWhole();

private:
    // Polls the listing until a single device shows (it comes back after
    // leaving boot mode) or the limit passes.
    bool waitForDevice(int limitMs = 15000);

    std::unique_ptr<QTemporaryDir> state;
    std::map<ToolCommand, ToolCommandEntry> savedTable;
    QString firmwarePath;
    QString uploadPath;
};

void TestSimulator::initTestCase()
{
    QVERIFY(tempDir().isValid());
    savedTable = commandTable();
    QVERIFY(simulatorfixture::installFirmware());
    firmwarePath = tempFilePath(firmwareBinFileName);
    uploadPath = tempFilePath(uploadedFwFileName);
}

void TestSimulator::init()
{
    commandTable() = savedTable;
    state = simulatorfixture::freshState(true);
    QVERIFY(state->isValid());
}

void TestSimulator::cleanup()
{
    commandTable() = savedTable;
}

bool TestSimulator::waitForDevice(int limitMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < limitMs) {
        if (listDevices().error == 0)
            return true;
        QTest::qWait(100);
    }
    return false;
}

void TestSimulator::commandLines_data()
{
    QTest::addColumn<bool>("fast");
    QTest::newRow("real timing") << false;
    QTest::newRow("--fast-progress") << true;
}

void TestSimulator::commandLines()
{
    QFETCH(bool, fast);
    commandTable() = savedTable;
    setupSimulator(fast);

    const QStringList speed = fast ? QStringList{"--fast-progress"} : QStringList{};
    const std::map<ToolCommand, QStringList> lines{
        {Version, QStringList{"--dfu-util-command", "version"} + speed + QStringList{"-V"}},
        {List, QStringList{"--dfu-util-command", "list"} + speed + QStringList{"-d", "0483", "-l"}},
        {UploadOtp, QStringList{"--dfu-util-command", "upload_OTP"} + speed
                        + QStringList{"-d", "0483", "-a", "2", "-s", "0x1FFF7800:512", "-U"}},
        {UploadFwInfo, QStringList{"--dfu-util-command", "upload_FW"} + speed
                           + QStringList{"-d", "0483", "-a", "0", "-s", "0x08000000:2048", "-U"}},
        {UploadFw, QStringList{"--dfu-util-command", "upload_FW"} + speed + QStringList{"-d", "0483", "-a", "0"}},
        {DownloadFw, QStringList{"--dfu-util-command", "download_FW"} + speed
                         + QStringList{"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D"}},
        {SetupPreparedConfig, QStringList{"--dfu-util-command", "setup_prepared_config"} + speed},
    };
    for (const auto &[command, arguments] : lines) {
        QCOMPARE(commandTable()[command].program, script);
        QCOMPARE(commandTable()[command].baseArguments, arguments);
    }
    QVERIFY(QFileInfo(script).isExecutable());
    QCOMPARE(simulatorPath("dfu-util_simulator.sh"), script);
    QVERIFY(toolDirectory().isEmpty());
}

void TestSimulator::answersLikeDfuUtil()
{
    QCOMPARE(setupPreparedConfig("upgradable"), 0);
    QVERIFY(runExecutionTest(simulatorVersionBanner()));

    const ToolResult list = runTool(List);
    QCOMPARE(list.exitCode, 0);
    const DeviceListing listing = parseDeviceList(list.output);
    QCOMPARE(int(listing.status), int(one_dfu_device));
    QCOMPARE(listing.serials, QStringList{serialA});

    // The OTP block and the start of flash, byte for byte.
    imagegen::OtpEntry entry;
    entry.productType = 30;
    entry.data = {'V', 'E', 'L', '0', '0', '0', '0', '1'};
    DeviceInfo device;
    QCOMPARE(readDeviceInfo(device, serialA).exitCode, 0);
    QCOMPARE(readAll(tempFilePath(uploadedOtpFileName)), imagegen::buildOtpBlock({entry}));
    imagegen::FirmwareSpec older = describedFirmware();
    older.revision = "C2";
    older.seed = 3001;
    const QByteArray olderImage = imagegen::buildFirmware(older);
    QCOMPARE(readAll(tempFilePath(uploadedFwInfoFileName)), olderImage.left(2048));
    QCOMPARE(device.FW_revision, QString("C2"));

    // A read of the whole image returns exactly it; beyond it flash is erased.
    QCOMPARE(uploadFirmware(uploadPath, olderImage.size(), serialA), 0);
    QVERIFY(readAll(uploadPath) == olderImage);
    QCOMPARE(uploadFirmware(uploadPath, olderImage.size() + 100, serialA), 0);
    QVERIFY(readAll(uploadPath) == olderImage + QByteArray(100, char(0xFF)));

    // After a download with leave the device is away, then back with the image.
    QCOMPARE(downloadFirmware(firmwarePath, serialA), 0);
    QCOMPARE(listDevices().error, 1);
    QCOMPARE(runTool(UploadOtp, {tempFilePath("absent.bin")}).exitCode, 74);
    QVERIFY(waitForDevice());
    QVERIFY(uploadAndVerify(firmwarePath, uploadPath, serialA));
}

void TestSimulator::preparedConfigurations_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");      // of the listing
    QTest::addColumn<int>("otpExit");     // of the OTP read
    QTest::addColumn<QString>("outcome"); // of the predicates
    QTest::addColumn<int>("downloadExit"); // -1: no download
    QTest::addColumn<QString>("after");    // outcome once the device is back
    QTest::addColumn<bool>("verified");    // read-back equals the embedded image

    const int none = -1;
    QTest::newRow("upgradable") << "upgradable" << int(one_dfu_device) << 0 << "differing revision" << 0
                                << "same revision" << true;
    QTest::newRow("up-to-date") << "up-to-date" << int(one_dfu_device) << 0 << "same revision" << none << ""
                                << true;
    QTest::newRow("blank") << "blank" << int(one_dfu_device) << 0 << "empty OTP" << 0 << "empty OTP" << true;
    QTest::newRow("blank-otp") << "blank-otp" << int(one_dfu_device) << 0 << "empty OTP" << 0 << "empty OTP"
                               << true;
    QTest::newRow("other-product") << "other-product" << int(one_dfu_device) << 0 << "invalid product" << none
                                   << "" << false;
    QTest::newRow("unknown-product") << "unknown-product" << int(one_dfu_device) << 0 << "invalid product" << none
                                     << "" << false;
    QTest::newRow("firmware-mismatch") << "firmware-mismatch" << int(one_dfu_device) << 0 << "differing revision"
                                       << 0 << "same revision" << true;
    QTest::newRow("no-device") << "no-device" << int(no_dfu_device) << 0 << "" << none << "" << false;
    QTest::newRow("two-devices") << "two-devices" << int(multiple_dfu_devices) << 0 << "" << none << "" << false;
    QTest::newRow("invalid-device") << "invalid-device" << int(invalid_dfu_device) << 0 << "" << none << ""
                                    << false;
    QTest::newRow("bad-serial") << "bad-serial" << int(no_dfu_device) << 0 << "" << none << "" << false;
    QTest::newRow("otp-read-fails") << "otp-read-fails" << int(one_dfu_device) << 74 << "none" << none << ""
                                    << false;
    QTest::newRow("download-fails") << "download-fails" << int(one_dfu_device) << 0 << "differing revision" << 74
                                    << "differing revision" << false;
    QTest::newRow("verify-fails") << "verify-fails" << int(one_dfu_device) << 0 << "differing revision" << 0
                                  << "same revision" << false;
    QTest::newRow("unplug-during-download") << "unplug-during-download" << int(one_dfu_device) << 0
                                            << "differing revision" << 74 << "same revision" << false;
}

void TestSimulator::preparedConfigurations()
{
    QFETCH(QString, name);
    QFETCH(int, status);
    QFETCH(int, otpExit);
    QFETCH(QString, outcome);
    QFETCH(int, downloadExit);
    QFETCH(QString, after);
    QFETCH(bool, verified);

    QCOMPARE(setupPreparedConfig(name), 0);
    const ToolResult list = runTool(List);
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(int(parseDeviceList(list.output).status), status);
    QCOMPARE(listDevices().error, status == one_dfu_device ? 0 : 1);
    if (status != one_dfu_device)
        return;

    DeviceInfo device;
    QCOMPARE(readDeviceInfo(device, serialA).exitCode, otpExit);
    QCOMPARE(::outcome(device), outcome);

    if (downloadExit != -1) {
        QCOMPARE(downloadFirmware(firmwarePath, serialA), downloadExit);
        QVERIFY(waitForDevice());
        DeviceInfo back;
        QCOMPARE(readDeviceInfo(back, serialA).exitCode, 0);
        QCOMPARE(::outcome(back), after);
    }
    QCOMPARE(uploadAndVerify(firmwarePath, uploadPath, serialA), verified);
}

void TestSimulator::unknownConfiguration()
{
    MessageCapture capture;
    QCOMPARE(setupPreparedConfig("nope"), 64);
    QCOMPARE(capture.texts().last(), QString("Failed to setup simulation config  \"nope\" with code 64"));

    QProcess process;
    process.start(script, {"--dfu-util-command", "setup_prepared_config", "nope"});
    QVERIFY(process.waitForFinished());
    QVERIFY(process.exitCode() != 0);
    const QString message = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(message.contains("upgradable up-to-date blank blank-otp"), qPrintable(message));
    QVERIFY(message.contains("unplug-during-download"));
}

void TestSimulator::existingUploadFileIsRefused()
{
    QCOMPARE(setupPreparedConfig("upgradable"), 0);
    const QString path = tempFilePath("existing.bin");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep");
    file.close();
    QCOMPARE(runTool(UploadFwInfo, {path}).exitCode, 74); // as dfu-util 0.9
    QCOMPARE(readAll(path), QByteArray("keep"));
}

void TestSimulator::realTimingWithProgress()
{
    commandTable() = savedTable;
    setupSimulator(false);
    QCOMPARE(setupPreparedConfig("upgradable"), 0);

    const ToolResult download = runTool(DownloadFw, {firmwarePath});
    QCOMPARE(download.exitCode, 0);
    const int size = int(QFileInfo(firmwarePath).size());
    const QString expectedStart = "Opening DFU capable USB device...\nID 0483:df11\n";
    QVERIFY(download.output.contains(expectedStart));
    QVERIFY(download.output.contains(
        QString("DfuSe interface name: \"Internal Flash  \"\nDownloading to address = 0x08000000, size = %1\n"
                "\rDownload\t[                         ]   0%            0 bytes\rDownload\t[")
            .arg(size)));
    QVERIFY(download.output.endsWith(QString("\rDownload\t[=========================] 100% %1 bytes\n"
                                             "Download done.\nFile downloaded successfully\n"
                                             "Transitioning to dfuMANIFEST state\n")
                                         .arg(size, 12)));
    // One progress line per 2048-byte block, as the boot loader takes them.
    QCOMPARE(download.output.count("\rDownload\t"), 1 + (size + 2047) / 2048);
}

void TestSimulator::stateIsReplacedWhole()
{
    QCOMPARE(setupPreparedConfig("upgradable"), 0);
    QCOMPARE(setupPreparedConfig("blank"), 0);
    const QStringList entries = QDir(state->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(entries.size(), 2); // the link "current" and one configuration
    QVERIFY(entries.contains("current"));
    QVERIFY(QFileInfo(state->filePath("current")).isSymLink());
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
