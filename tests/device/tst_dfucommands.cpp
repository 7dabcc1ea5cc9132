#include "dfucommands.h"
#include "dfutext.h"
#include "messagecapture.h"
#include "payload.h"
#include "simulator.h"
#include "toolrunner.h"

#include <QtTest>

namespace {
const QString fake = QStringLiteral(FAKE_TOOL);
const QString serialA = "3276356C3236";
const QString serialB = "206F39A54E42";

// Arguments as the stand-in records them: each followed by a NUL byte.
QByteArray recorded(const QStringList &arguments)
{
    QByteArray bytes;
    for (const QString &argument : arguments)
        bytes += argument.toUtf8() + '\0';
    return bytes;
}
} // namespace

class TestDfuCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void commandRows();
    void parseListing_data();
    void parseListing();
    void lineWithoutSerialIsLogged();
    void everyDeviceListed_data();
    void everyDeviceListed();
    void unusableDevices_data();
    void unusableDevices();
    void listDevices_data();
    void listDevices();
    void executionTest_data();
    void executionTest();
    void verification_data();
    void verification();
    void emptyReferenceRunsNothing();
    void uploadRemovesStaleFile();
    void downloadNamesTheDevice_data();
    void downloadNamesTheDevice();
    void downloadNeedsItsReport_data();
    void downloadNeedsItsReport();
    void filesEqual_data();
    void filesEqual();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir scratch;
    std::map<ToolCommand, ToolCommandEntry> savedTable;
};

void TestDfuCommands::initTestCase()
{
    QVERIFY(scratch.isValid());
    savedTable = commandTable();
}

void TestDfuCommands::cleanup()
{
    commandTable() = savedTable;
}

QString TestDfuCommands::write(const QString &name, const QByteArray &bytes)
{
    QFile file(scratch.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(bytes);
    return file.fileName();
}

void TestDfuCommands::commandRows()
{
    const std::map<ToolCommand, QStringList> rows{
        {Version, {"-V"}},
        {List, {"-d", "0483", "-l"}},
        {UploadOtp, {"-d", "0483", "-a", "2", "-s", "0x1FFF7800:512", "-U"}},
        {UploadFwInfo, {"-d", "0483", "-a", "0", "-s", "0x08000000:2048", "-U"}},
        {UploadFw, {"-d", "0483", "-a", "0"}},
        {DownloadFw, {"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D"}},
        {SetupPreparedConfig, {}},
    };
    QCOMPARE(savedTable.size(), rows.size());
    for (const auto &[command, arguments] : rows) {
        QCOMPARE(savedTable[command].program, QString("dfu-util"));
        QCOMPARE(savedTable[command].baseArguments, arguments);
    }
    // The simulator answers as dfu-util 0.9 does.
    QCOMPARE(simulatorVersionBanner().size(), 261);
    QCOMPARE(simulatorVersionBanner().count('\n'), 7);
    QCOMPARE(simulatorVersionBanner(), dfutext::banner());
}

void TestDfuCommands::parseListing_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("serials");

    using namespace dfutext;
    QTest::newRow("no device") << banner() << int(no_dfu_device) << QStringList{};
    QTest::newRow("empty output") << QString() << int(no_dfu_device) << QStringList{};
    QTest::newRow("one device") << banner() + device(serialA) << int(one_dfu_device) << QStringList{serialA};
    QTest::newRow("lower-case serial") << device("3276356c3236") << int(one_dfu_device)
                                       << QStringList{"3276356c3236"};
    QTest::newRow("carriage-return line ends") << QString(banner() + device(serialA)).replace("\n", "\r\n")
                                               << int(one_dfu_device) << QStringList{serialA};
    QTest::newRow("three lines") << listingLine(serialA, 3) + listingLine(serialA, 2) + listingLine(serialA, 0)
                                 << int(invalid_dfu_device) << QStringList{serialA};
    QTest::newRow("five lines") << device(serialA) + listingLine(serialA, 0) << int(invalid_dfu_device)
                                << QStringList{serialA};
    QTest::newRow("two devices, one after the other")
        << banner() + device(serialA) + device(serialB, 6, "1-2") << int(multiple_dfu_devices)
        << QStringList{serialA, serialB};
    // Boot-loader serials come from a hash and collide: two devices, not one with eight lines.
    QTest::newRow("two devices sharing a serial") << device(serialA) + device(serialA, 6, "1-2")
                                                  << int(multiple_dfu_devices) << QStringList{serialA, serialA};
    QString alternating;
    for (int alt = 0; alt < 2; ++alt)
        alternating += listingLine(serialA, alt) + listingLine(serialB, alt, 6, "1-2");
    QTest::newRow("two devices alternating") << alternating << int(multiple_dfu_devices)
                                             << QStringList{serialA, serialB, serialA, serialB};
    QTest::newRow("unreadable serial") << listingLine("UNKNOWN", 3) + device(serialA) << int(no_dfu_device)
                                       << QStringList{};
    QTest::newRow("bad serial after a good one") << listingLine(serialA, 3) + listingLine("32-76", 2)
                                                        + listingLine(serialA, 1) + listingLine(serialA, 0)
                                                 << int(no_dfu_device) << QStringList{serialA};
    QTest::newRow("empty serial") << listingLine("", 0) << int(no_dfu_device) << QStringList{};
    QTest::newRow("other vendor ignored") << listingLine("0123456789", 0, 7, "2-1", "1d50:6017") + device(serialA)
                                          << int(one_dfu_device) << QStringList{serialA};
    QTest::newRow("other DFU version ignored") << listingLine(serialB, 0, 7, "2-1", "0483:df11", "0200")
                                                          + device(serialA)
                                               << int(one_dfu_device) << QStringList{serialA};
    QTest::newRow("runtime-mode device ignored")
        << QString(listingLine(serialB, 0)).replace("Found DFU", "Found Runtime") + device(serialA)
        << int(one_dfu_device) << QStringList{serialA};
    QTest::newRow("line not at its start") << " " + listingLine(serialA, 0) << int(no_dfu_device) << QStringList{};
}

void TestDfuCommands::parseListing()
{
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QStringList, serials);
    const DeviceListing listing = parseDeviceList(output);
    QCOMPARE(int(listing.status), status);
    QCOMPARE(listing.serials, serials);
}

// A station uses every device of ours it can tell apart: one entry per device
// number, whatever the order of the lines, with its path and serial.
void TestDfuCommands::everyDeviceListed_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("devices"); // "devnum path serial alternates readable"

    using namespace dfutext;
    QTest::newRow("none") << banner() << QStringList{};
    QTest::newRow("one") << banner() + device(serialA) << QStringList{"5 1-1 " + serialA + " 4 1"};
    QTest::newRow("a shared serial on two paths") << device(serialA, 5, "1-2") + device(serialA, 6, "1-3")
                                                  << QStringList{"5 1-2 " + serialA + " 4 1", "6 1-3 " + serialA + " 4 1"};
    QString alternating;
    for (int alt = 3; alt >= 0; --alt)
        alternating += listingLine(serialA, alt) + listingLine(serialB, alt, 6, "1-2");
    QTest::newRow("lines alternating") << alternating
                                       << QStringList{"5 1-1 " + serialA + " 4 1", "6 1-2 " + serialB + " 4 1"};
    QTest::newRow("unreadable serial, three lines")
        << listingLine("UNKNOWN", 3, 7, "1-4") + listingLine("UNKNOWN", 2, 7, "1-4") + listingLine("UNKNOWN", 1, 7, "1-4")
        << QStringList{"7 1-4 UNKNOWN 3 0"};
    QTest::newRow("another vendor's device") << listingLine("0123456789", 0, 7, "2-1", "1d50:6017") << QStringList{};
}

void TestDfuCommands::everyDeviceListed()
{
    QFETCH(QString, output);
    QFETCH(QStringList, devices);
    QStringList listed;
    for (const ListedDevice &device : listedDevices(output))
        listed << QStringLiteral("%1 %2 %3 %4 %5")
                      .arg(device.devnum, device.path, device.serial)
                      .arg(device.alternates)
                      .arg(int(device.serialReadable));
    QCOMPARE(listed, devices);
}

void TestDfuCommands::lineWithoutSerialIsLogged()
{
    const QString line = dfutext::listingLine("UNKNOWN", 0).chopped(1);
    MessageCapture capture;
    parseDeviceList(line + "\n");
    QString quoted;
    QDebug(&quoted).nospace() << line;
    QCOMPARE(capture.texts(), QStringList{quoted});
    QCOMPARE(capture.messages().first().type, QtDebugMsg);
}

void TestDfuCommands::unusableDevices_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errorOutput");
    QTest::addColumn<QStringList>("unopenable");
    QTest::addColumn<QStringList>("serialUnreadable");

    const QString denied = "dfu-util: Cannot open DFU device 0483:df11 found on devnum 5 (LIBUSB_ERROR_ACCESS)\n";
    QTest::newRow("readable device") << dfutext::device(serialA) << "" << QStringList{} << QStringList{};
    QTest::newRow("access refused (dfu-util 0.11)")
        << "" << denied << QStringList{"0483:df11 on devnum 5 (LIBUSB_ERROR_ACCESS)"} << QStringList{};
    QTest::newRow("two refused") << ""
                                 << denied + "dfu-util: Cannot open DFU device 0483:df11 found on devnum 9 "
                                             "(LIBUSB_ERROR_ACCESS)\n"
                                 << QStringList{"0483:df11 on devnum 5 (LIBUSB_ERROR_ACCESS)",
                                                "0483:df11 on devnum 9 (LIBUSB_ERROR_ACCESS)"}
                                 << QStringList{};
    QTest::newRow("refused beside a readable device")
        << dfutext::device(serialA, 7) << denied << QStringList{"0483:df11 on devnum 5 (LIBUSB_ERROR_ACCESS)"}
        << QStringList{};
    QTest::newRow("another device refused") << ""
                                            << "dfu-util: Cannot open DFU device 1d50:607f found on devnum 5 "
                                               "(LIBUSB_ERROR_ACCESS)\n"
                                            << QStringList{} << QStringList{};
    QTest::newRow("serial unreadable, one entry for its four lines")
        << dfutext::device("UNKNOWN", 6) << "" << QStringList{}
        << QStringList{"0483:df11 on devnum 6 (serial number unreadable)"};
    QTest::newRow("empty serial") << dfutext::listingLine("", 0, 8) << "" << QStringList{}
                                  << QStringList{"0483:df11 on devnum 8 (serial number unreadable)"};
    QTest::newRow("serial unreadable, another product")
        << dfutext::listingLine("UNKNOWN", 0, 8, "1-1", "1d50:607f") << "" << QStringList{} << QStringList{};
}

void TestDfuCommands::unusableDevices()
{
    QFETCH(QString, output);
    QFETCH(QString, errorOutput);
    QFETCH(QStringList, unopenable);
    QFETCH(QStringList, serialUnreadable);
    QCOMPARE(unopenableDevices(errorOutput), unopenable);
    QCOMPARE(devicesWithUnreadableSerial(output), serialUnreadable);
}

void TestDfuCommands::listDevices_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errorOutput");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("serials");
    QTest::addColumn<bool>("several");

    const QString denied = "dfu-util: Cannot open DFU device 0483:df11 found on devnum 12 (LIBUSB_ERROR_ACCESS)\n";
    QTest::newRow("one device") << dfutext::banner() + dfutext::device(serialA) << "" << 0 << 0
                                << QStringList{serialA} << false;
    QTest::newRow("no device") << dfutext::banner() << "" << 0 << 1 << QStringList{} << false;
    QTest::newRow("two devices") << dfutext::device(serialA) + dfutext::device(serialB, 6) << "" << 0 << 1
                                 << QStringList{serialA, serialB} << true;
    QTest::newRow("three lines") << dfutext::device(serialA).section('\n', 1) << "" << 0 << 1 << QStringList{serialA}
                                 << false;
    QTest::newRow("tool failed with a device listed") << dfutext::device(serialA) << "" << 74 << 1 << QStringList{}
                                                      << false;
    // dfu-util lists only the devices it can open: the one the user may be
    // looking at could be the other one.
    QTest::newRow("a usable device beside one that cannot be opened")
        << dfutext::banner() + dfutext::device(serialA) << denied << 0 << 1 << QStringList{serialA} << true;
    QTest::newRow("one that cannot be opened alone") << dfutext::banner() << denied << 0 << 1 << QStringList{}
                                                     << false;
    QTest::newRow("a usable device after one whose serial cannot be read")
        << dfutext::device("UNKNOWN", 6) + dfutext::device(serialA, 7) << "" << 0 << 1 << QStringList{} << true;
    QTest::newRow("a usable device before one whose serial cannot be read")
        << dfutext::device(serialA, 7) + dfutext::device("UNKNOWN", 6) << "" << 0 << 1 << QStringList{serialA} << true;
}

void TestDfuCommands::listDevices()
{
    QFETCH(QString, output);
    QFETCH(QString, errorOutput);
    QFETCH(int, exitCode);
    QFETCH(int, error);
    QFETCH(QStringList, serials);
    QFETCH(bool, several);
    const QString record = scratch.filePath("list-arguments");
    commandTable()[List] = {fake, QStringList{"--err", errorOutput, "--out", output, "--exit",
                                              QString::number(exitCode), "--args-to", record}
                                      + savedTable[List].baseArguments};
    const DeviceList list = ::listDevices();
    QCOMPARE(list.error, error);
    QCOMPARE(list.serials, serials);
    QCOMPARE(list.several, several);
    QCOMPARE(list.unopenable, unopenableDevices(errorOutput));
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(recorded({"-d", "0483", "-l"})));
}

void TestDfuCommands::executionTest_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("line");

    const QString banner011 = QString(dfutext::banner())
                                  .replace("0.9", "0.11")
                                  .replace("2010-2016", "2010-2021");
    QTest::newRow("the banner expected (0.9)") << dfutext::banner() << dfutext::banner() << 0 << true
                                              << "Result of execution test: status was ok and output: \"as expected\"";
    QTest::newRow("the banner expected (0.11)") << banner011 << banner011 << 0 << true
                                               << "Result of execution test: status was ok and output: \"as expected\"";
    QTest::newRow("another version's banner") << banner011 << dfutext::banner() << 0 << false
                                             << "Result of execution test: status was ok and output: \"dfu-util 0.11\\n\\n"
                                                "Copyright 2005-2009 Weston Schmidt, Harald Welte and OpenMoko Inc.\\n"
                                                "Copyright 2010-2021 Tormod Volden and Stefan Schmidt\\n"
                                                "This program is Free Software and has ABSOLUTELY NO WARRANTY\\n"
                                                "Please report bugs to http://sourceforge.net/p/dfu-util/tickets/\\n\\n\"";
    QTest::newRow("right banner, failing exit code") << dfutext::banner() << dfutext::banner() << 1 << false
                                                     << "Result of execution test: status was bad and output: "
                                                        "\"as expected\"";
    QTest::newRow("CR LF banner (kept on Linux)")
        << QString(dfutext::banner()).replace("\n", "\r\n") << dfutext::banner() << 0 << false
        << "Result of execution test: status was ok and output: \"" + QString(dfutext::banner())
                                                                        .replace("\n", "\\r\\n")
               + "\"";
    QTest::newRow("nothing printed") << QString() << dfutext::banner() << 0 << false
                                     << "Result of execution test: status was ok and output: \"\"";
    QTest::newRow("nothing expected (no recorded banner)") << QString() << QString() << 0 << false
                                                           << "Result of execution test: status was ok and output: "
                                                              "\"\"";
}

void TestDfuCommands::executionTest()
{
    QFETCH(QString, output);
    QFETCH(QString, expected);
    QFETCH(int, exitCode);
    QFETCH(bool, result);
    QFETCH(QString, line);
    commandTable()[Version] = {fake, {"--out", output, "--exit", QString::number(exitCode)}};
    MessageCapture capture;
    QCOMPARE(runExecutionTest(expected), result);
    QCOMPARE(capture.texts().last(), line);
}

void TestDfuCommands::verification_data()
{
    QTest::addColumn<QByteArray>("flash");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("equal");
    QTest::addColumn<QString>("logged"); // what the log says of a failure

    QByteArray reference(91136, '\0');
    for (int i = 0; i < reference.size(); ++i)
        reference[i] = char((i * 7 + i / 251) & 0xFF);
    QByteArray oneByte = reference;
    oneByte[40000] = char(oneByte[40000] ^ 0x10);

    const QString differs = "The firmware read back differs from the firmware written";
    QTest::newRow("same bytes") << reference << 0 << true << "";
    QTest::newRow("flash longer than the image") << reference + QByteArray(4096, char(0xFF)) << 0 << true << "";
    QTest::newRow("one differing byte") << oneByte << 0 << false << differs;
    QTest::newRow("short read") << reference.left(65536) << 0 << false
                                << "The read-back holds 65536 of 91136 bytes although dfu-util reported success";
    QTest::newRow("read-back fails") << reference << 74 << false << "The read-back failed (exit code 74)";
    QTest::newRow("erased flash") << QByteArray(reference.size(), char(0xFF)) << 0 << false << differs;
}

void TestDfuCommands::verification()
{
    QFETCH(QByteArray, flash);
    QFETCH(int, exitCode);
    QFETCH(bool, equal);
    QFETCH(QString, logged);

    QByteArray reference(91136, '\0');
    for (int i = 0; i < reference.size(); ++i)
        reference[i] = char((i * 7 + i / 251) & 0xFF);
    const QString referencePath = write("firmware.bin", reference);
    const QString uploadPath = scratch.filePath("uploaded_FW.bin");
    const QString record = scratch.filePath("upload-arguments");
    commandTable()[UploadFw] = {fake, QStringList{"--upload-from", write("flash.bin", flash), "--exit",
                                                  QString::number(exitCode), "--args-to", record}
                                          + savedTable[UploadFw].baseArguments};

    MessageCapture capture;
    ReadBack outcome = ReadBack::Matches;
    QCOMPARE(uploadAndVerify(referencePath, uploadPath, serialA, &outcome), equal);
    // A difference is a fact about the flash; a failed or short read is none.
    const ReadBack expected = equal ? ReadBack::Matches
                              : logged.startsWith("The firmware read back differs") ? ReadBack::Differs
                                                                                     : ReadBack::Unreadable;
    QCOMPARE(outcome, expected);
    const QStringList warnings = capture.texts().filter(QRegularExpression("^The "));
    QCOMPARE(warnings.size(), logged.isEmpty() ? 0 : 1);
    if (!logged.isEmpty())
        QVERIFY2(warnings.first().startsWith(logged), qPrintable(warnings.first()));

    // The read-back names the device by its serial, next to the vendor filter.
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(
        recorded({"-d", "0483", "-S", serialA, "-a", "0", "-s", "0x08000000:91136", "-U", uploadPath})));
}

void TestDfuCommands::emptyReferenceRunsNothing()
{
    const QString record = scratch.filePath("not-run");
    QFile::remove(record);
    commandTable()[UploadFw] = {fake, {"--args-to", record}};
    QVERIFY(!uploadAndVerify(write("empty.bin", QByteArray()), scratch.filePath("up.bin"), serialA));
    QVERIFY(!uploadAndVerify(scratch.filePath("missing.bin"), scratch.filePath("up.bin"), serialA));
    QVERIFY(!QFile::exists(record));
}

void TestDfuCommands::uploadRemovesStaleFile()
{
    // A tool that succeeds without writing: the stale file must not be compared.
    const QByteArray reference("same content");
    const QString referencePath = write("reference.bin", reference);
    const QString uploadPath = write("stale-upload.bin", reference);
    commandTable()[UploadFw] = {fake, {"--exit", "0"}};
    QVERIFY(!uploadAndVerify(referencePath, uploadPath, serialA));
    QVERIFY(!QFile::exists(uploadPath));

    commandTable()[DownloadFw] = {fake, {"--exit", "74"}};
    QCOMPARE(downloadFirmware(referencePath, serialA), 74);
}

void TestDfuCommands::downloadNamesTheDevice_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("selection");
    QTest::newRow("by serial") << "" << QStringList{"-S", serialB};
    // Where serials may collide: the port as well, so that dfu-util refuses any other.
    QTest::newRow("by path and serial") << "1-3" << QStringList{"-p", "1-3", "-S", serialB};
}

void TestDfuCommands::downloadNamesTheDevice()
{
    QFETCH(QString, path);
    QFETCH(QStringList, selection);
    const QString record = scratch.filePath("download-arguments");
    QFile::remove(record);
    commandTable()[DownloadFw] = {fake, QStringList{"--out", "Download done.\nFile downloaded successfully\n",
                                                    "--args-to", record}
                                            + savedTable[DownloadFw].baseArguments};
    const QString firmware = write("firmware.bin", "image");
    QCOMPARE(downloadFirmware(firmware, DeviceAddress(serialB, path)), 0);
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(
        recorded(QStringList{"-d", "0483"} + selection + QStringList{"-a", "0", "-s", "0x08000000:leave", "-D", firmware})));
}

// A download counts as done only when dfu-util says so: its exit code 0 alone
// (a broken or stand-in program that did nothing) is a failed write.
void TestDfuCommands::downloadNeedsItsReport_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("result");
    QTest::newRow("reported") << "Download done.\nFile downloaded successfully\n" << 0 << 0;
    QTest::newRow("silent") << "" << 0 << int(ToolResult::incomplete);
    QTest::newRow("garbage") << "\x01\x7f Found DFU: [" << 0 << int(ToolResult::incomplete);
    QTest::newRow("stopped half-way") << "Download\t[=====     ]  20%        18432 bytes" << 0
                                      << int(ToolResult::incomplete);
    QTest::newRow("error exit keeps its code") << "" << 74 << 74;
}

void TestDfuCommands::downloadNeedsItsReport()
{
    QFETCH(QString, output);
    QFETCH(int, exitCode);
    QFETCH(int, result);
    commandTable()[DownloadFw] = {fake, {"--out", output, "--exit", QString::number(exitCode)}};
    QString lastError;
    QCOMPARE(downloadFirmware(write("firmware.dfu", "image"), serialA, &lastError), result);
    if (result == ToolResult::incomplete)
        QCOMPARE(lastError, QString("dfu-util did not report the download as done"));
    QCOMPARE(downloadFirmware(write("firmware.dfu", "image"), serialA), result); // without asking for the error
}

void TestDfuCommands::filesEqual_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("equal");
    QTest::newRow("equal") << QByteArray("abc") << QByteArray("abc") << true;
    QTest::newRow("both empty") << QByteArray() << QByteArray() << false;
    QTest::newRow("differ") << QByteArray("abc") << QByteArray("abd") << false;
    QTest::newRow("prefix") << QByteArray("abc") << QByteArray("abcd") << false;
}

void TestDfuCommands::filesEqual()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(bool, equal);
    QCOMPARE(::filesEqual(write("a", first), write("b", second)), equal);
    QCOMPARE(fileSize(scratch.filePath("a")), first.size());
    QCOMPARE(fileSize(scratch.filePath("missing")), -1);
    QVERIFY(!::filesEqual(scratch.filePath("a"), scratch.filePath("missing")));
    QVERIFY(!::filesEqual(scratch.filePath("missing"), scratch.filePath("a")));
}

QTEST_GUILESS_MAIN(TestDfuCommands)
#include "tst_dfucommands.moc"
