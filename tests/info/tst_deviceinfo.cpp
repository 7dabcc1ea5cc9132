// Reading an attached device and deciding what may be done with it, through a
// stand-in dfu-util that hands out OTP and flash contents made by our generator.

#include "deviceinfo.h"
#include "dfutext.h"
#include "imagegen.h"
#include "messagecapture.h"
#include "payload.h"
#include "outputcapture.h"

#include <QtTest>

namespace {

const QString fake = QStringLiteral(FAKE_TOOL);
const QString serial = QStringLiteral("3276356C3236");

QByteArray otp(int type)
{
    if (type < 0)
        return imagegen::buildOtpBlock({});
    imagegen::OtpEntry entry;
    entry.productType = quint8(type);
    entry.extra = {0x07, 0xFF, 0xFF};
    return imagegen::buildOtpBlock({entry});
}

QByteArray flash(int type, const QByteArray &revision = "C2")
{
    if (type < 0)
        return QByteArray(65536, char(0xFF));
    imagegen::FirmwareSpec spec;
    spec.productType = quint8(type);
    spec.name = "application";
    spec.revision = revision;
    spec.details = {{"Build date", "2026-10-01"}};
    spec.size = 65536;
    return imagegen::buildFirmware(spec);
}

QString outcome(const DeviceInfo &device, quint8 type, const QString &revision)
{
    if (isOtpBlank(device))
        return "empty OTP";
    if (isInvalidProduct(device, type))
        return "invalid product";
    if (hasDifferingRevision(device, type, revision))
        return "differing revision";
    if (hasSameRevision(device, type, revision))
        return "same revision";
    return "none";
}

} // namespace

class TestDeviceInfo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void decisions_data();
    void decisions();
    void blankOtpReport();
    void nothingOfThePreviousDeviceSticks_data();
    void nothingOfThePreviousDeviceSticks();
    void readsNameTheDevice();
    void staleResultFilesAreNotRead();
    void otpBlockOfTheWrongSizeIsAFailedRead_data();
    void otpBlockOfTheWrongSizeIsAFailedRead();
    void textForm();

private:
    // Lets the stand-in answer the two reads with these contents.
    void serve(const QByteArray &otpBlock, const QByteArray &flashBytes, int otpExit = 0, int fwExit = 0);

    QTemporaryDir scratch;
    std::map<ToolCommand, ToolCommandEntry> savedTable;
};

void TestDeviceInfo::initTestCase()
{
    QVERIFY(scratch.isValid());
    QVERIFY(tempDir().isValid());
    savedTable = commandTable();
}

void TestDeviceInfo::cleanup()
{
    commandTable() = savedTable;
}

void TestDeviceInfo::serve(const QByteArray &otpBlock, const QByteArray &flashBytes, int otpExit, int fwExit)
{
    auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile file(scratch.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return file.fileName();
    };
    commandTable()[UploadOtp].program = fake;
    commandTable()[UploadOtp].baseArguments =
        QStringList{"--upload-from", write("otp.bin", otpBlock), "--out", dfutext::upload(2, 512), "--exit",
                    QString::number(otpExit)} + savedTable[UploadOtp].baseArguments;
    commandTable()[UploadFwInfo].program = fake;
    commandTable()[UploadFwInfo].baseArguments =
        QStringList{"--upload-from", write("flash.bin", flashBytes), "--exit", QString::number(fwExit)}
        + savedTable[UploadFwInfo].baseArguments;
}

void TestDeviceInfo::decisions_data()
{
    QTest::addColumn<QByteArray>("otpBlock");
    QTest::addColumn<QByteArray>("flashBytes");
    QTest::addColumn<int>("otpExit");
    QTest::addColumn<int>("fwExit");
    QTest::addColumn<int>("desiredType");
    QTest::addColumn<QString>("desiredRevision");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QString>("revision");
    QTest::addColumn<bool>("mismatch");

    // OTP: -1 erased; flash: -1 erased.
    QTest::newRow("blank OTP, T30 firmware") << otp(-1) << flash(30) << 0 << 0 << 30 << "C3" << "empty OTP" << 0
                                             << "" << true;
    QTest::newRow("blank OTP, erased flash") << otp(-1) << flash(-1) << 0 << 0 << 30 << "C3" << "empty OTP" << 0
                                             << "" << false;
    QTest::newRow("blank OTP, T4 firmware") << otp(-1) << flash(36) << 0 << 0 << 30 << "C3" << "empty OTP" << 0
                                            << "" << true;
    QTest::newRow("OTP without marker") << QByteArray(512, '\0') << flash(30) << 0 << 0 << 30 << "C3"
                                        << "invalid product" << 0 << "" << true;
    QTest::newRow("OTP not used (type 0xFF)") << otp(0xFF) << flash(30) << 0 << 0 << 30 << "C3" << "invalid product"
                                              << 255 << "" << true;
    QTest::newRow("OTP with unknown type") << otp(7) << flash(30) << 0 << 0 << 30 << "C3" << "invalid product" << 0
                                           << "" << true;
    QTest::newRow("another product, its own firmware") << otp(36) << flash(36, "A1") << 0 << 0 << 30 << "C3"
                                                       << "invalid product" << 36 << "A1" << false;
    QTest::newRow("another product, T30 firmware") << otp(36) << flash(30, "C3") << 0 << 0 << 30 << "C3"
                                                   << "invalid product" << 36 << "" << true;
    QTest::newRow("T30, firmware of another product") << otp(30) << flash(36) << 0 << 0 << 30 << "C3"
                                                      << "differing revision" << 30 << "" << true;
    QTest::newRow("T30, erased flash") << otp(30) << flash(-1) << 0 << 0 << 30 << "C3" << "differing revision" << 30
                                       << "" << true;
    QTest::newRow("T30, older revision") << otp(30) << flash(30, "C2") << 0 << 0 << 30 << "C3"
                                         << "differing revision" << 30 << "C2" << false;
    QTest::newRow("T30, newer revision") << otp(30) << flash(30, "C4") << 0 << 0 << 30 << "C3"
                                         << "differing revision" << 30 << "C4" << false;
    QTest::newRow("T30, revision differs in case") << otp(30) << flash(30, "c3") << 0 << 0 << 30 << "C3"
                                                   << "differing revision" << 30 << "c3" << false;
    QTest::newRow("T30, empty revision") << otp(30) << flash(30, "") << 0 << 0 << 30 << "C3"
                                         << "differing revision" << 30 << "" << false;
    QTest::newRow("T30, same revision") << otp(30) << flash(30, "C2") << 0 << 0 << 30 << "C2" << "same revision"
                                        << 30 << "C2" << false;
    QTest::newRow("T30, flash read fails") << otp(30) << flash(30, "C3") << 0 << 74 << 30 << "C3"
                                           << "differing revision" << 30 << "" << true;
    QTest::newRow("OTP read fails") << otp(30) << flash(30, "C3") << 3 << 0 << 30 << "C3" << "none" << 0 << ""
                                    << false;
    // An unreadable embedded image gives desired type 0 and an empty revision;
    // a device whose OTP and flash are equally unreadable must not pass for it.
    QTest::newRow("no desired product") << QByteArray(512, '\0') << flash(-1) << 0 << 0 << 0 << ""
                                        << "invalid product" << 0 << "" << false;
}

void TestDeviceInfo::decisions()
{
    QFETCH(QByteArray, otpBlock);
    QFETCH(QByteArray, flashBytes);
    QFETCH(int, otpExit);
    QFETCH(int, fwExit);
    QFETCH(int, desiredType);
    QFETCH(QString, desiredRevision);
    QFETCH(QString, outcome);
    QFETCH(int, deviceType);
    QFETCH(QString, revision);
    QFETCH(bool, mismatch);

    serve(otpBlock, flashBytes, otpExit, fwExit);
    DeviceInfo device;
    MessageCapture capture;
    const ToolResult result = readDeviceInfo(device, serial);

    QCOMPARE(result.exitCode, otpExit);
    QVERIFY(result.output.startsWith(dfutext::upload(2, 512)));
    QCOMPARE(device.valid, otpExit == 0);
    QCOMPARE(int(device.device_type), deviceType);
    QCOMPARE(device.FW_revision, revision);
    const QString report = "FW assumed invalid because of product type mismatch.";
    QCOMPARE(result.output.contains(report), mismatch);
    if (mismatch)
        QVERIFY(!device.fw.valid);

    OutputCapture out;
    QCOMPARE(::outcome(device, quint8(desiredType), desiredRevision), outcome);
    const QByteArray line = QStringLiteral("device_has_valid_type(%1): valid %2, device_type: %3\n")
                                .arg(desiredType)
                                .arg(int(device.valid))
                                .arg(deviceType)
                                .toLatin1();
    const QMap<QString, int> lines{{"empty OTP", 0}, {"invalid product", 1}, {"differing revision", 2},
                                   {"same revision", 3}, {"none", 2}};
    QCOMPARE(out.text(), line.repeated(lines[outcome]));
}

void TestDeviceInfo::blankOtpReport()
{
    serve(otp(-1), flash(30, "C3"));
    DeviceInfo device;
    MessageCapture capture;
    const ToolResult result = readDeviceInfo(device, serial);
    QVERIFY(device.otp.blank);

    const QString expectedReport = "FW assumed invalid because of product type mismatch.\n"
                                   "OTP containsProductInfo: invalid (0)\n"
                                   "whereas FW contains\n"
                                   "FW info:\n"
                                   "  Type: ProductInfo: KEST (30)\n"
                                   "  Name: application\n"
                                   "  Rev.: C3\n"
                                   "  Details:\n"
                                   "    Build date                     : 2026-10-01                     ";
    QCOMPARE(result.output, dfutext::upload(2, 512) + expectedReport);
    const QStringList logged = capture.texts().filter(QRegularExpression("^(?!Start  )"));
    QCOMPARE(logged,
             (QStringList{dfutext::upload(2, 512) + " OTP is blank.\n",
                          "\"OTP info:\\nMarker invalid\\nProduct: ProductInfo: invalid (0)\\n\"",
                          result.output}));
}

void TestDeviceInfo::nothingOfThePreviousDeviceSticks_data()
{
    QTest::addColumn<QByteArray>("otpBlock");
    QTest::addColumn<QByteArray>("flashBytes");
    QTest::addColumn<QString>("outcome");

    // Each a product mismatch, where the read sets no revision of its own.
    QTest::newRow("OTP without marker") << QByteArray(512, '\0') << flash(30) << "invalid product";
    QTest::newRow("blank OTP, T30 firmware") << otp(-1) << flash(30) << "empty OTP";
    QTest::newRow("T30 with firmware of another product") << otp(30) << flash(36) << "differing revision";
    QTest::newRow("another product, T30 firmware") << otp(36) << flash(30, "C3") << "invalid product";
}

void TestDeviceInfo::nothingOfThePreviousDeviceSticks()
{
    QFETCH(QByteArray, otpBlock);
    QFETCH(QByteArray, flashBytes);
    QFETCH(QString, outcome);

    // The record as the previous device, a T30 with the desired revision, left it.
    serve(otp(30), flash(30, "C3"));
    DeviceInfo device;
    QCOMPARE(readDeviceInfo(device, serial).exitCode, 0);
    QCOMPARE(device.FW_revision, QString("C3"));

    serve(otpBlock, flashBytes);
    QCOMPARE(readDeviceInfo(device, serial).exitCode, 0);
    DeviceInfo fresh;
    QCOMPARE(readDeviceInfo(fresh, serial).exitCode, 0);
    QCOMPARE(device.FW_revision, QString());
    QCOMPARE(device.FW_revision, fresh.FW_revision);
    QCOMPARE(int(device.device_type), int(fresh.device_type));
    QCOMPARE(device.fw.valid, fresh.fw.valid);
    QCOMPARE(device.otp.blank, fresh.otp.blank);
    OutputCapture out; // the predicates' lines
    QCOMPARE(::outcome(device, 30, "C3"), outcome);
}

void TestDeviceInfo::readsNameTheDevice()
{
    const QString otpRecord = scratch.filePath("otp-arguments");
    const QString fwRecord = scratch.filePath("fw-arguments");
    serve(otp(30), flash(30));
    commandTable()[UploadOtp].baseArguments.prepend(otpRecord);
    commandTable()[UploadOtp].baseArguments.prepend("--args-to");
    commandTable()[UploadFwInfo].baseArguments.prepend(fwRecord);
    commandTable()[UploadFwInfo].baseArguments.prepend("--args-to");
    DeviceInfo device;
    QCOMPARE(readDeviceInfo(device, QStringLiteral("206F39A54E42")).exitCode, 0);

    auto arguments = [](const QString &path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QStringList list;
        for (const QByteArray &argument : file.readAll().split('\0'))
            list << QString::fromUtf8(argument);
        return list;
    };
    QVERIFY2(arguments(otpRecord).join(' ').contains("-d 0483 -S 206F39A54E42 -a 2 -s 0x1FFF7800:512 -U "),
             qPrintable(arguments(otpRecord).join(' ')));
    QVERIFY2(arguments(fwRecord).join(' ').contains("-d 0483 -S 206F39A54E42 -a 0 -s 0x08000000:2048 -U "),
             qPrintable(arguments(fwRecord).join(' ')));
}

void TestDeviceInfo::staleResultFilesAreNotRead()
{
    // Files left from an earlier device must never stand in for this one's.
    auto plant = [](const char *name, const QByteArray &bytes) {
        QFile file(tempFilePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    };
    plant(uploadedOtpFileName, otp(30));
    plant(uploadedFwInfoFileName, flash(30, "C3").left(2048));
    commandTable()[UploadOtp] = {fake, {"--exit", "0"}};
    commandTable()[UploadFwInfo] = {fake, {"--exit", "0"}};

    // A dfu-util that reports success without writing the file has read nothing.
    DeviceInfo device;
    QCOMPARE(readDeviceInfo(device, serial).exitCode, int(ToolResult::incomplete));
    QVERIFY(!device.valid);
    QVERIFY(!device.otp.valid);
    QVERIFY(!device.otp.blank);
    QVERIFY(!device.fw.valid);
    QVERIFY(!QFile::exists(tempFilePath(uploadedOtpFileName)));
}

// dfu-util's exit code 0 with a block shorter than asked for is a failed read:
// never a blank or foreign device.
void TestDeviceInfo::otpBlockOfTheWrongSizeIsAFailedRead_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("whole block") << otp(30) << 0;
    QTest::newRow("half a block") << otp(30).left(256) << int(ToolResult::incomplete);
    QTest::newRow("empty file") << QByteArray() << int(ToolResult::incomplete);
}

void TestDeviceInfo::otpBlockOfTheWrongSizeIsAFailedRead()
{
    QFETCH(QByteArray, block);
    QFETCH(int, exitCode);
    serve(block, flash(30, "C2"));
    DeviceInfo device;
    MessageCapture capture;
    QCOMPARE(readDeviceInfo(device, serial).exitCode, exitCode);
    QCOMPARE(device.valid, exitCode == 0);
    QCOMPARE(capture.texts().filter("taken as a failed read").size(), exitCode == 0 ? 0 : 1);
}

void TestDeviceInfo::textForm()
{
    DeviceInfo device;
    QCOMPARE(deviceInfoText(device), QString("DeviceInfo:\nInvalid"));
    device.valid = true;
    device.device_type = 30;
    device.FW_revision = "C2";
    QCOMPARE(deviceInfoText(device), QString("DeviceInfo:\n\tDevice type:\t30\n\tFW_revision:\tC2\n"));
    MessageCapture capture;
    qInfo() << device;
    QCOMPARE(capture.texts(), QStringList{"DeviceInfo:\n\tDevice type:\t30\n\tFW_revision:\tC2\n"});
}

QTEST_GUILESS_MAIN(TestDeviceInfo)
#include "tst_deviceinfo.moc"
