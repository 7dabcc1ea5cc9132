// Runs the real velmora-upgrade executable and checks what it writes at start.

#include "terminationsignals.h"
#include "toolrunner.h"

#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines; // standard error, where Qt's default handler writes
    QByteArray output; // standard output
};

// Starts the tool; once its worker has written its first line (its start-up
// is complete and the workflow runs) it is asked to end, as Ctrl+C would.
// With a state folder, the history and the settings file are kept there.
Run runTool(const QStringList &arguments, const QString &tmpdir, const QString &runtimeDir,
            const QString &stateDir = QString(), const QString &languages = QStringLiteral("en"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", languages); // the user's languages, in order
    if (!stateDir.isEmpty()) {
        environment.insert("XDG_DATA_HOME", stateDir + "/data");
        environment.insert("XDG_CONFIG_HOME", stateDir + "/config");
    }
    environment.insert("TMPDIR", tmpdir);
    environment.insert("XDG_RUNTIME_DIR", runtimeDir);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(VELMORA_EXECUTABLE, arguments);
    Run run;
    QByteArray errors;
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < 60000) {
        process.waitForReadyRead(100);
        errors += process.readAllStandardError();
        // Running: the worker has started and said how it finds devices (so
        // that its first line comes before the signal's, however slow the
        // build), or the tool says why it cannot start it.
        if (errors.contains("\nDevice detection: ") || errors.contains("\nStatus: The tool cannot unpack")) {
            ::kill(pid_t(process.processId()), SIGTERM);
            break;
        }
    }
    if (process.state() != QProcess::NotRunning)
        process.waitForFinished(60000);
    if (process.state() != QProcess::NotRunning || process.exitStatus() != QProcess::NormalExit)
        return run;
    errors += process.readAllStandardError();
    run.output = process.readAllStandardOutput();
    run.exitCode = process.exitCode();
    run.lines = QString::fromLocal8Bit(errors).split('\n', Qt::SkipEmptyParts);
    return run;
}

QStringList rootUpgradeEntries()
{
    return QDir("/").entryList({"upgrade_*", "uploaded_*", "runtime-*", "dfu-util.exe", "firmware.*"},
                               QDir::AllEntries | QDir::Hidden | QDir::System);
}

// The index of the first line at or after from that starts with prefix, or -1.
int findLine(const QStringList &lines, const QString &prefix, int from = 0)
{
    for (int i = from; i < lines.size(); ++i)
        if (lines[i].startsWith(prefix))
            return i;
    return -1;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void startupLinesInOrder();
    void simulatorMode();
    void unknownOptionsFail_data();
    void unknownOptionsFail();
    void historyOptions_data();
    void historyOptions();
    void unwritableTemporaryLocation();
    void language_data();
    void language();
    void missingTemporaryLocation();
    void terminationSignalsReachTheEventLoopOnly();

private:
    std::unique_ptr<QTemporaryDir> sandbox;
    QString runtimeDir;
};

void TestStartup::init()
{
    sandbox = std::make_unique<QTemporaryDir>();
    QVERIFY(sandbox->isValid());
    runtimeDir = sandbox->filePath("runtime");
    QVERIFY(QDir().mkpath(runtimeDir));
    QFile::setPermissions(runtimeDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A run in simulator mode keeps its simulated device in this test's sandbox.
    qputenv("DFU_UTIL_SIMULATOR_STATE", sandbox->filePath("simulator-state").toLocal8Bit());
}

void TestStartup::startupLinesInOrder()
{
    const QString tmpdir = sandbox->filePath("tmp");
    QVERIFY(QDir().mkpath(tmpdir));

    const Run run = runTool({}, tmpdir, runtimeDir);
    QCOMPARE(run.exitCode, 0);

    const QString debugWord = VELMORA_DEBUG_BUILD ? "defined" : "not defined";
    const QStringList expected{
        "Initial value of 'simulator::use'=false, isSet('-s')=false, isSet('-S')=false",
        "Will use real device (i.e. no option 'use_simulator'.)",
        "Compiled for platform (OS): Linux with 'DEBUG' " + debugWord,
        "Language: en",
        "Extracted  \"firmware.dfu\"",
        "Extracted  \"firmware.bin\"",
        "Extracted  \"dfu-util.exe\"",
        "Changing file permissions to make it executable: \"" + tmpdir + "/upgrade_",
        "Start  \"" + tmpdir + "/upgrade_",
        // The banner recorded at build time: the dfu-util embedded is the one that runs.
        "Result of execution test: status was ok and output: \"as expected\"",
        "Reading desired FW_Info from  \"" + tmpdir + "/upgrade_",
        "Desired (embedded) FW info:",
        "  Type: ProductInfo: KEST (30)",
        "  Name: T30 data logger application",
        "  Rev.: C3",
        // The window is built and shown before the payload is unpacked; what
        // it logs still comes where it always did.
        "Overriding width to ",
        "SM_A created",
        "Starting sm_A",
        "Device detection: ",
        "Termination signal received",
        "app.exec() returns:  0",
        "Waiting 2 s before deleting objects",
    };
    int at = 0;
    for (const QString &prefix : expected) {
        at = findLine(run.lines, prefix, at);
        QVERIFY2(at >= 0, qPrintable("missing in order: " + prefix + "\n" + run.lines.join('\n')));
    }
    // The Start line names the unpacked tool, the same file as the permission line.
    const QString permissionLine = run.lines[findLine(run.lines, "Changing file permissions")];
    const QString toolPath = permissionLine.section('"', 1, 1);
    QVERIFY(toolPath.endsWith("/dfu-util.exe"));
    QCOMPARE(run.lines[findLine(run.lines, "Start ")], "Start  \"" + toolPath + "\" (\"-V\")");

    // The working directory is gone after a normal exit.
    QVERIFY(QDir(tmpdir).entryList({"upgrade_*"}, QDir::AllEntries).isEmpty());
}

void TestStartup::simulatorMode()
{
    const QString tmpdir = sandbox->filePath("tmp");
    QVERIFY(QDir().mkpath(tmpdir));

    const Run run = runTool({"-s"}, tmpdir, runtimeDir);
    QCOMPARE(run.exitCode, 0);
    const QString script = SIMULATOR_DIR "/dfu-util_simulator.sh";
    const QStringList expected{
        "Initial value of 'simulator::use'=false, isSet('-s')=true, isSet('-S')=false",
        "Will use simulator (i.e. option 'use_simulator).",
        "Extracted  \"dfu-util.exe\"",
        "Changing file permissions to make it executable: \"" + tmpdir + "/upgrade_",
        "Start  \"" + script + "\" (\"--dfu-util-command\", \"version\", \"-V\")",
        "Result of execution test: status was ok and output: \"as expected\"",
        "Desired (embedded) FW info:",
    };
    int at = 0;
    for (const QString &prefix : expected) {
        at = findLine(run.lines, prefix, at);
        QVERIFY2(at >= 0, qPrintable("missing in order: " + prefix + "\n" + run.lines.join('\n')));
    }
}

void TestStartup::unknownOptionsFail_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("name");
    QTest::newRow("-h") << "-h" << "h";
    QTest::newRow("--help") << "--help" << "help";
    QTest::newRow("-x") << "-x" << "x";
    QTest::newRow("--version") << "--version" << "version";
    QTest::newRow("-s -q") << "-q" << "q";
}

void TestStartup::unknownOptionsFail()
{
    QFETCH(QString, option);
    QFETCH(QString, name);
    const QString tmpdir = sandbox->filePath("tmp");
    QVERIFY(QDir().mkpath(tmpdir));

    const Run run = runTool({"-s", option}, tmpdir, runtimeDir);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(findLine(run.lines, QString("velmora-upgrade: Unknown option '%1'.").arg(name)) >= 0,
             qPrintable(run.lines.join('\n')));
    QCOMPARE(findLine(run.lines, "Extracted"), -1);
    QCOMPARE(findLine(run.lines, "Initial value"), -1);
}

// What the history options do with good and bad input: printing needs no
// window and makes no file; a server that cannot be used is named at start,
// and the tool runs on with its local history.
void TestStartup::historyOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("settings"); // the [history] server in the settings file
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("line");      // part of a line on standard error
    QTest::addColumn<QByteArray>("output"); // the start of standard output
    QTest::newRow("empty history as JSON") << QStringList{"--history", "json"} << "" << 0 << "" << QByteArray("[]\n");
    QTest::newRow("empty history as CSV") << QStringList{"--history=csv"} << "" << 0 << ""
                                          << QByteArray("id,started,finished,station,user,tool_version,");
    QTest::newRow("unknown format") << QStringList{"--history", "xml"} << "" << 2
                                    << "unknown history format \"xml\": use csv or json" << QByteArray();
    QTest::newRow("bad server string, printing") << QStringList{"--history", "csv", "--history-server", "host"} << ""
                                                 << 1 << "missing \"=\" after \"host\"" << QByteArray();
    QTest::newRow("bad server string at start")
        << QStringList{"-s", "--history-server", "host"} << "" << 0
        << "The shared history server is not used: the connection string given by --history-server "
           "cannot be used: missing \"=\" after \"host\""
        << QByteArray();
    QTest::newRow("password in the settings file")
        << QStringList{"-s"} << "host=db.example password=secret" << 0
        << "velmora-upgrade.conf cannot be used: it holds a password, which must not be given" << QByteArray();
}

void TestStartup::historyOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, settings);
    QFETCH(int, exitCode);
    QFETCH(QString, line);
    QFETCH(QByteArray, output);
    const QString tmpdir = sandbox->filePath("tmp");
    const QString state = sandbox->filePath("state");
    QVERIFY(QDir().mkpath(tmpdir));
    if (!settings.isEmpty()) {
        QVERIFY(QDir().mkpath(state + "/config/velmora-upgrade"));
        QSettings file(state + "/config/velmora-upgrade/velmora-upgrade.conf", QSettings::IniFormat);
        file.setValue("history/server", settings);
    }
    const Run run = runTool(arguments, tmpdir, runtimeDir, state);
    QCOMPARE(run.exitCode, exitCode);
    if (!line.isEmpty())
        QVERIFY2(run.lines.filter(line).size() == 1, qPrintable(run.lines.join('\n')));
    QVERIFY2(run.output.startsWith(output), run.output.constData());
    const bool printing = arguments.contains("--history") || arguments.contains("--history=csv");
    // Printing reads a history and makes none; the tool keeps one from its start.
    QCOMPARE(QFileInfo::exists(state + "/data/velmora-upgrade/history.sqlite"), !printing);
    if (printing)
        QCOMPARE(run.lines.filter("Extracted").size(), 0); // no payload unpacked, no window
}

// The language shown: --language, else the first of the user's languages
// (LANGUAGE) that the tool carries, else English.
void TestStartup::language_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("languages"); // LANGUAGE
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("line"); // another line the choice writes, or empty
    QTest::newRow("--language de") << QStringList{"--language", "de"} << "en" << "de" << "";
    QTest::newRow("--language=pt-BR") << QStringList{"--language=pt-BR"} << "en" << "pt_BR" << "";
    QTest::newRow("LANGUAGE fr") << QStringList{} << "fr" << "fr" << "";
    QTest::newRow("LANGUAGE's first carried") << QStringList{} << "sv:pl:de" << "pl" << "";
    QTest::newRow("regional variant") << QStringList{} << "es_MX" << "es" << "";
    QTest::newRow("Japanese in its own font") << QStringList{} << "ja_JP" << "ja"
                                              << "Load/set default font: \"Noto Sans CJK JP\"";
    QTest::newRow("--language over LANGUAGE") << QStringList{"--language", "en"} << "de" << "en" << "";
    QTest::newRow("traditional Chinese is not carried") << QStringList{} << "zh_TW" << "en" << "";
    QTest::newRow("--language not carried") << QStringList{"--language", "sv"} << "de" << "en"
                                            << "No translation for the language \"sv\": the window is in English";
}

void TestStartup::language()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, languages);
    QFETCH(QString, shown);
    QFETCH(QString, line);
    const QString tmpdir = sandbox->filePath("tmp");
    QVERIFY(QDir().mkpath(tmpdir));
    const Run run = runTool(QStringList{"-s"} + arguments, tmpdir, runtimeDir, QString(), languages);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.lines.contains("Language: " + shown), qPrintable(run.lines.join('\n')));
    if (!line.isEmpty())
        QVERIFY2(findLine(run.lines, line) >= 0, qPrintable(run.lines.join('\n')));
    // The log stays English in every language.
    QVERIFY(findLine(run.lines, "Will use simulator (i.e. option 'use_simulator).") >= 0);
}

void TestStartup::unwritableTemporaryLocation()
{
    // A directory nobody can create anything in, root included.
    QString tmpdir = "/proc";
    if (getuid() != 0) {
        tmpdir = sandbox->filePath("read-only");
        QVERIFY(QDir().mkpath(tmpdir));
        QVERIFY(QFile::setPermissions(tmpdir, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QStringList rootBefore = rootUpgradeEntries();

    const Run run = runTool({}, tmpdir, runtimeDir);
    QCOMPARE(run.exitCode, 0); // the tool still starts
    QVERIFY2(findLine(run.lines, "Failed to create temporary directory:") >= 0, qPrintable(run.lines.join('\n')));
    QVERIFY(run.lines[findLine(run.lines, "Failed to create")].contains("no device command will run"));
    QCOMPARE(findLine(run.lines, "Extracted"), -1);
    QCOMPARE(findLine(run.lines, "Start "), -1);
    QVERIFY(findLine(run.lines, "The firmware cannot be checked: there is no working directory") >= 0);
    QVERIFY(findLine(run.lines, "Status: The tool cannot unpack its files into " + tmpdir + ".") >= 0);
    QCOMPARE(rootUpgradeEntries(), rootBefore);
}

void TestStartup::missingTemporaryLocation()
{
    const QString tmpdir = sandbox->filePath("does-not-exist");
    const QStringList rootBefore = rootUpgradeEntries();

    const Run run = runTool({}, tmpdir, runtimeDir);
    QCOMPARE(run.exitCode, 0);
    const int warning = findLine(run.lines, "The temporary-files location \"" + tmpdir + "\" does not exist");
    QVERIFY2(warning >= 0, qPrintable(run.lines.join('\n')));
    const int permission = findLine(run.lines, "Changing file permissions to make it executable: \"/tmp/upgrade_");
    QVERIFY(permission > warning);
    QVERIFY(findLine(run.lines, "Start  \"/tmp/upgrade_") > permission);
    QCOMPARE(rootUpgradeEntries(), rootBefore);
    // The fallback directory is removed at exit like any other.
    const QString workDir = QFileInfo(run.lines[permission].section('"', 1, 1)).path();
    QVERIFY(!QFileInfo::exists(workDir));
}

// Ctrl+C, TERM, a closed terminal and Ctrl+\\ all reach the event loop, in
// order. The channel they travel by never reaches a child (each dfu-util would
// hold it), and a flood of signals never blocks the process in its handler.
void TestStartup::terminationSignalsReachTheEventLoopOnly()
{
    QObject context;
    QList<int> received;
    QVERIFY(watchTerminationSignals(&context, [&received](int number) { received << number; }));
    for (const int number : {SIGHUP, SIGQUIT, SIGINT, SIGTERM})
        ::raise(number);
    QTRY_COMPARE(received, (QList<int>{SIGHUP, SIGQUIT, SIGINT, SIGTERM}));

    for (int i = 0; i < 20000; ++i) // far more than the channel holds
        ::raise(SIGTERM);
    QTRY_VERIFY(received.size() > 4);

    // A write to a pipe whose reader is gone fails instead of ending the tool.
    struct sigaction pipe = {};
    sigaction(SIGPIPE, nullptr, &pipe);
    QVERIFY(pipe.sa_handler == SIG_IGN);

    const QString record = sandbox->filePath("fds");
    commandTable()[Version] = {FAKE_TOOL, {"--fds-to", record}};
    QCOMPARE(runTool(Version).exitCode, 0);
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString fds = QString::fromLocal8Bit(file.readAll());
    QVERIFY2(fds.contains("/dev/null") || fds.contains("pipe:"), qPrintable(fds)); // the record is real
    QVERIFY2(!fds.contains("socket:"), qPrintable(fds));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
