#include "messagecapture.h"
#include "toolrunner.h"

#include <QtTest>

#include <csignal>
#include <unistd.h>

class TestToolRunner : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void runs_data();
    void runs();
    void argumentsReachTheChildUnchanged_data();
    void argumentsReachTheChildUnchanged();
    void deviceSelectionFollowsTheVendorFilter_data();
    void deviceSelectionFollowsTheVendorFilter();
    void childIsOutOfReachOfTheTerminalsCtrlC();
    void childOutlivesTheToolsPipe();
    void programThatCannotStart();
    void slowChildIsWaitedFor();
    void toolDirectoryStartsTheUnpackedFile();
    void bareNameGoesThroughSearchPath();

private:
    QTemporaryDir scratch;
    std::map<ToolCommand, ToolCommandEntry> savedTable;
};

namespace {
const QString fake = QStringLiteral(FAKE_TOOL);

QString quoted(const QStringList &list)
{
    QString text;
    QDebug(&text).nospace() << list;
    return text;
}

// A copy of the stand-in tool under another name, as the runner would find it.
bool installFake(const QString &dir, const QString &name)
{
    const QString path = dir + '/' + name;
    QFile::remove(path);
    return QDir().mkpath(dir) && QFile::copy(fake, path)
           && QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeUser);
}

QString quoted(const QString &string)
{
    QString text;
    QDebug(&text).nospace() << string;
    return text;
}
} // namespace

void TestToolRunner::init()
{
    QVERIFY(scratch.isValid());
    savedTable = commandTable();
    setToolDirectory(QString());
    toolFirstWaitMs = 30000;
}

void TestToolRunner::cleanup()
{
    commandTable() = savedTable;
    setToolDirectory(QString());
    toolFirstWaitMs = 30000;
}

void TestToolRunner::runs_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("base");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("announced");

    QTest::newRow("exit 0") << int(Version) << QStringList{"--out", "dfu-util 0.9\n"} << QStringList{} << 0
                            << "dfu-util 0.9\n" << true;
    QTest::newRow("exit 74") << int(UploadOtp) << QStringList{"--out", "No DFU capable USB device\n"}
                             << QStringList{"--exit", "74"} << 74 << "No DFU capable USB device\n" << true;
    QTest::newRow("exit 1, empty output") << int(DownloadFw) << QStringList{"--exit", "1"} << QStringList{} << 1
                                          << "" << true;
    QTest::newRow("List exit 0 is silent") << int(List) << QStringList{"--out", "Found DFU\n"} << QStringList{}
                                           << 0 << "Found DFU\n" << false;
    QTest::newRow("List failure: exit line only") << int(List) << QStringList{"--out", "x"}
                                                  << QStringList{"--exit", "3"} << 3 << "x" << false;
    QTest::newRow("crash gives -1") << int(Version) << QStringList{"--out", "partial", "--crash"} << QStringList{}
                                    << -1 << "partial" << true;
    QTest::newRow("output after NUL dropped") << int(Version) << QStringList{"--out-nul"} << QStringList{} << 0
                                              << "before" << true;
    QTest::newRow("standard error kept apart") << int(Version) << QStringList{"--err", "warning\n"}
                                               << QStringList{"--out", "ok"} << 0 << "ok" << true;
    QTest::newRow("no base arguments") << int(SetupPreparedConfig) << QStringList{}
                                       << QStringList{"--out", "set up", "--exit", "0"} << 0 << "set up" << true;
    QTest::newRow("multi-line output on one log line") << int(UploadFw) << QStringList{"--out", "a\nb\r\n"}
                                                       << QStringList{"--exit", "2"} << 2 << "a\nb\r\n" << true;
}

void TestToolRunner::runs()
{
    QFETCH(int, command);
    QFETCH(QStringList, base);
    QFETCH(QStringList, extra);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(bool, announced);

    commandTable()[ToolCommand(command)] = {fake, base};
    MessageCapture capture;
    const ToolResult result = runTool(ToolCommand(command), extra);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.output, output);
    QCOMPARE(result.errorOutput, QString(base.contains("--err") ? "warning\n" : ""));

    QStringList expected;
    if (announced)
        expected << "Start  " + quoted(fake) + " " + quoted(base + extra);
    if (exitCode != 0)
        expected << QString("Exit with %1 from %2 %3 returned: %4")
                        .arg(exitCode)
                        .arg(quoted(fake), quoted(base + extra), quoted(output));
    QCOMPARE(capture.texts(), expected);
    for (const auto &message : capture.messages())
        QCOMPARE(message.type, QtInfoMsg);
}

void TestToolRunner::argumentsReachTheChildUnchanged_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::newRow("plain") << QStringList{"-s", "0x08000000:91136", "-U", "/tmp/upgrade_x/uploaded_FW.bin"};
    QTest::newRow("blanks") << QStringList{"/tmp/with blank/file name.bin", "  leading", "trailing  "};
    QTest::newRow("quotes") << QStringList{"\"double\"", "'single'", "mixed\"'"};
    QTest::newRow("shell characters") << QStringList{"$HOME", "`id`", "$(id)", "a;b", "a|b", "*", "~", "a&b"};
    QTest::newRow("backslashes") << QStringList{"C:\\dir\\file", "\\", "end\\"};
    QTest::newRow("empty argument") << QStringList{"", "after empty"};
    QTest::newRow("non-ASCII") << QStringList{QString::fromUtf8("Grüße"), QString::fromUtf8("€")};
}

void TestToolRunner::argumentsReachTheChildUnchanged()
{
    QFETCH(QStringList, extra);
    const QString record = scratch.filePath("arguments");
    const QStringList base{"--args-to", record, "-d", "0483"};
    commandTable()[UploadFw] = {fake, base};
    QFile::remove(record);

    MessageCapture capture;
    QCOMPARE(runTool(UploadFw, extra).exitCode, 0);

    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith('\0'));
    bytes.chop(1);
    QStringList received;
    for (const QByteArray &argument : bytes.split('\0'))
        received << QString::fromUtf8(argument);
    QCOMPARE(received, base + extra);
}

void TestToolRunner::deviceSelectionFollowsTheVendorFilter_data()
{
    QTest::addColumn<QStringList>("base");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("download") << QStringList{"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D"}
                              << QStringList{"/w/firmware.bin"} << "3276356C3236"
                              << QStringList{"-d", "0483", "-S", "3276356C3236", "-a", "0", "-s", "0x08000000:leave",
                                             "-D", "/w/firmware.bin"};
    QTest::newRow("simulator read-back")
        << QStringList{"--dfu-util-command", "upload_FW", "--fast-progress", "-d", "0483", "-a", "0"}
        << QStringList{"-s", "0x08000000:8", "-U", "/w/up.bin"} << "206F39A54E42"
        << QStringList{"--dfu-util-command", "upload_FW", "--fast-progress", "-d", "0483", "-S", "206F39A54E42",
                       "-a", "0", "-s", "0x08000000:8", "-U", "/w/up.bin"};
    QTest::newRow("no vendor filter: in front") << QStringList{"-a", "2", "-U"} << QStringList{"/w/otp.bin"}
                                                << "AB12"
                                                << QStringList{"-S", "AB12", "-a", "2", "-U", "/w/otp.bin"};
    QTest::newRow("no serial: unchanged") << QStringList{"-d", "0483", "-l"} << QStringList{} << ""
                                          << QStringList{"-d", "0483", "-l"};
}

void TestToolRunner::deviceSelectionFollowsTheVendorFilter()
{
    QFETCH(QStringList, base);
    QFETCH(QStringList, extra);
    QFETCH(QString, serial);
    QFETCH(QStringList, expected);
    const QString record = scratch.filePath("arguments");
    QFile::remove(record);
    commandTable()[UploadFw] = {fake, base};

    MessageCapture capture;
    const QStringList arguments = extra + QStringList{"--args-to", record};
    QCOMPARE(runTool(UploadFw, arguments, serial).exitCode, 0);
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    bytes.chop(1);
    QStringList received;
    for (const QByteArray &argument : bytes.split('\0'))
        received << QString::fromUtf8(argument);
    const QStringList recorded = expected + QStringList{"--args-to", record};
    QCOMPARE(received, recorded);
}

void TestToolRunner::childIsOutOfReachOfTheTerminalsCtrlC()
{
    // Ctrl+C signals the terminal's whole foreground process group: a child
    // in the tool's group would die of it in the middle of a write.
    const QString record = scratch.filePath("pgid");
    commandTable()[DownloadFw] = {fake, {"--pgid-to", record}};
    QCOMPARE(runTool(DownloadFw).exitCode, 0);
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> ids = file.readAll().split(' ');
    QCOMPARE(ids.size(), 2);
    QCOMPARE(ids[1].toLongLong(), ids[0].toLongLong()); // a group of its own
    QVERIFY(ids[1].toLongLong() != qint64(getpgrp()));
}

// dfu-util's own test for a child that never started: said once, as what it
// is, not as a slow child, and never as a success.
void TestToolRunner::programThatCannotStart()
{
    const QString missing = scratch.filePath("no-such-dfu-util");
    commandTable()[Version] = {missing, {"-V"}};
    commandTable()[List] = {missing, {"-l"}};
    MessageCapture capture;
    const ToolResult result = runTool(Version);

    QVERIFY(result.exitCode != 0); // never a success
    QCOMPARE(result.exitCode, ToolResult::notStarted);
    QCOMPARE(result.output, QString());
    QStringList texts = capture.texts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0], "Start  " + quoted(missing) + " (\"-V\")");
    QVERIFY2(texts[1].startsWith("Could not start " + quoted(missing) + " (\"-V\") - "), qPrintable(texts[1]));

    // The polls that follow add nothing; a run that starts ends the silence.
    for (int poll = 0; poll < 3; ++poll)
        QCOMPARE(runTool(List).exitCode, ToolResult::notStarted);
    QCOMPARE(capture.texts().size(), 2);
    commandTable()[List] = {fake, {}};
    QCOMPARE(runTool(List).exitCode, 0);
    commandTable()[List] = {missing, {"-l"}};
    runTool(List);
    texts = capture.texts();
    QCOMPARE(texts.size(), 3);
    QVERIFY(texts[2].startsWith("Could not start"));
}

// The tool may die in the middle of a write (killed, its terminal closed): a
// dfu-util writing its progress into the tool's pipe must not die of SIGPIPE,
// whatever the tool's own disposition is.
void TestToolRunner::childOutlivesTheToolsPipe()
{
    const QString record = scratch.filePath("sigpipe");
    commandTable()[DownloadFw] = {fake, {"--sigpipe-to", record}};
    for (const auto disposition : {SIG_DFL, SIG_IGN}) {
        const auto before = std::signal(SIGPIPE, disposition);
        QCOMPARE(runTool(DownloadFw).exitCode, 0);
        std::signal(SIGPIPE, before);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("ignored"));
    }
}

void TestToolRunner::slowChildIsWaitedFor()
{
    toolFirstWaitMs = 300;
    const QStringList base{"--out", "early\n", "--sleep", "1500", "--out", "late\n"};
    commandTable()[UploadFw] = {fake, base};
    MessageCapture capture;
    const ToolResult result = runTool(UploadFw);

    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.output, QString("early\nlate\n")); // includes what the time-out line showed
    QCOMPARE(capture.texts(),
             (QStringList{"Start  " + quoted(fake) + " " + quoted(base),
                          "waitForFinished(): Process did not finish in time, exit status: "
                          "QProcess::NormalExit and output: \"early\\n\"",
                          "will wait again, forever"}));
}

void TestToolRunner::toolDirectoryStartsTheUnpackedFile()
{
    const QString dir = scratch.filePath("unpacked");
    const QString unpacked = dir + "/dfu-util.exe";
    QVERIFY(installFake(dir, "dfu-util.exe"));

    commandTable()[Version] = {"dfu-util", {"--out", "from the tool directory"}};
    setToolDirectory(dir);
    QCOMPARE(toolProgramPath("dfu-util"), unpacked);

    MessageCapture capture;
    const ToolResult result = runTool(Version);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.output, QString("from the tool directory"));
    QCOMPARE(capture.texts().first(),
             "Start  " + quoted(unpacked) + " (\"--out\", \"from the tool directory\")");
}

void TestToolRunner::bareNameGoesThroughSearchPath()
{
    const QString dir = scratch.filePath("bin");
    QVERIFY(installFake(dir, "velmora-test-tool"));
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", dir.toLocal8Bit() + ":" + savedPath);

    commandTable()[Version] = {"velmora-test-tool", {"--out", "found"}};
    MessageCapture capture;
    const ToolResult result = runTool(Version);
    qputenv("PATH", savedPath);

    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.output, QString("found"));
    QCOMPARE(capture.texts().first(), QString("Start  \"velmora-test-tool\" (\"--out\", \"found\")"));
}

QTEST_GUILESS_MAIN(TestToolRunner)
#include "tst_toolrunner.moc"
