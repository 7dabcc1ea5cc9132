// Every fault the tool must survive, each tried on the simulated device
// (simulator mode) and on the emulated one (normal mode, the embedded
// dfu-util), with the same three promises checked after each:
//  1. the tool keeps running and reports what happened (the row's lines);
//  2. "Done" never shows for a device whose flash differs from the embedded image;
//  3. no download starts without a click (the up-to-date read-back aside).
// See toolrun.h for how the tool is driven; the faults of a dfu-util run itself
// come from the state directory's "fault" file.

#include "toolrun.h"

#include <algorithm>

namespace {

const QString unrelated = "0000A1B2C3D4";
const QString offered = "SM_B: entered B2: Conn. to (DFU-SE) dev. with diff. FW rev.";

enum class Backend { Simulator, Emulated };
enum class Setting { Normal, UnwritableWorkDir, DamagedPayload, NoExecWorkDir };
// What the user does once the row's first lines have been reported.
enum class Action {
    None,
    Unplug,         // pulls the cable (after "Done")
    HangUp,         // closes the tool's terminal during the write: HUP to its process group
    Kill,           // kills the tool during the write (kill -9)
    KeysOnTheSlot,  // Space, Return and A on the focused window during the write
};

// A directory nobody can create anything in, root included.
const QString unwritable = "/proc";

// The tool in a mount namespace of its own, its temporary directory a file
// system that allows no program to run (noexec): it unpacks, but dfu-util
// cannot start. Needs the right to make mounts.
const QStringList noExecWrapper{"unshare", "-m", "sh", "-c",
                                "mount -t tmpfs -o noexec tmpfs \"$TMPDIR\" && exec \"$@\"", "sh"};

struct Outcome {
    bool done = false;      // the run ends in "Done" (the flash holds the image)
    QStringList truth;      // log lines that must appear, in this order
};

// A process that has ended: gone, or a zombie nobody has reaped yet.
bool ended(pid_t pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray fields = stat.readAll();
    return fields.mid(fields.lastIndexOf(')') + 2, 1) == "Z";
}

QString backendName(Backend backend)
{
    return backend == Backend::Simulator ? "simulator" : "emulated";
}

} // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT

private slots:
    void faultEndsInTheTruth_data();
    void faultEndsInTheTruth();
};

void TestFaultMatrix::faultEndsInTheTruth_data()
{
    QTest::addColumn<int>("backend");
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("setting");
    QTest::addColumn<bool>("click");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QStringList>("truth");
    QTest::addColumn<QString>("box"); // the title of the message that ends the run, if any
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("then"); // log lines that must follow the action, in this order

    const QString differs = "SM_B: entered B7: FW in dev. differs";
    const QString matches = "SM_B: entered B6: FW in dev. matches";
    const QString writeError = "Status: Writing ended with an error.";
    const QString writeFailed = "Status: Writing the firmware failed.";
    const QString unreadable = "Status: A device was found but could not be read";
    const QString noDevice = "Status: The USB cable must have";
    const QString waitsForTheWrite = "the tool ends once the write is finished";

    struct Row {
        const char *name;
        QString configuration;
        QString fault;
        Setting setting;
        bool click;
        bool done;
        QStringList truth;
        Action action = Action::None;
        QStringList then = {};
    };
    const QList<Row> rows{
        {"dfu-util crashes in the write", "upgradable", "crash download", Setting::Normal, true, false,
         {"Exit with -1", writeError, differs}},
        {"dfu-util hangs past the first wait", "upgradable", "hang list", Setting::Normal, false, false,
         {"will wait again, forever", offered}},
        {"dfu-util prints garbage", "upgradable", "garbage otp", Setting::Normal, false, false,
         {"but the OTP block read holds 0 of 512 bytes: taken as a failed read", unreadable}},
        {"dfu-util prints nothing", "upgradable", "silent download", Setting::Normal, true, false,
         {"did not report the download as done", writeFailed}},
        {"dfu-util exits 0 with a short OTP file", "upgradable", "short otp", Setting::Normal, false, false,
         {"but the OTP block read holds 256 of 512 bytes: taken as a failed read", unreadable}},
        {"dfu-util exits 0 with a short read-back", "upgradable", "short readback", Setting::Normal, true, false,
         {"The read-back holds", differs}},
        {"the device vanishes in the OTP read", "upgradable", "vanish otp", Setting::Normal, false, false,
         {"Exit with 74", offered}},
        {"the device vanishes in the write", "upgradable", "vanish download", Setting::Normal, true, false,
         {"writing the firmware ended with an error", writeError, differs}},
        {"the device vanishes in the read-back", "upgradable", "vanish readback", Setting::Normal, true, true,
         {"The read-back failed (exit code 74)", differs, matches}},
        {"a write corrupts one byte", "verify-fails", "", Setting::Normal, true, false,
         {"differs from the firmware written", differs}},
        {"erase fails", "download-fails", "", Setting::Normal, true, false, {"ERASE_PAGE not correctly executed", writeFailed}},
        {"two devices", "two-devices", "", Setting::Normal, false, false,
         {"More than one device in boot mode is attached", "Status: More than one device is connected in boot mode"}},
        {"an unrelated DFU device", "unrelated-device", "", Setting::Normal, true, true, {matches}},
        {"a device that cannot be opened", "no-access", "", Setting::Normal, false, false,
         {"Status: A device was found but cannot be opened"}},
        {"the working directory cannot be written", "upgradable", "", Setting::UnwritableWorkDir, false, false,
         {"Failed to create temporary directory", "Status: The tool cannot unpack its files into " + unwritable}},
        {"the disk fills in the read-back", "upgradable", "full readback", Setting::Normal, true, false,
         {"The read-back failed (exit code 74)", differs}},
        {"the payload is damaged", "upgradable", "", Setting::DamagedPayload, false, false,
         {"The tool is damaged: firmware.bin has SHA-256", "Status: This copy of the tool is damaged"}},
        // The commonest real path: dfu-util reports an error for a write that
        // worked. Once verified, the write's error is no news any more.
        {"the device resets before the last status, is verified and unplugged", "leave-status-lost", "",
         Setting::Normal, true, true, {"Error during download get_status", writeError, "Status: Done:", matches},
         Action::Unplug, {noDevice}},
        {"dfu-util cannot be started (a noexec working directory)", "upgradable", "", Setting::NoExecWorkDir, false,
         false, {"Could not start", "Status: The tool cannot run dfu-util in "}},
        {"a usable device beside one that cannot be opened", "beside-no-access", "", Setting::Normal, false, false,
         {"More than one device in boot mode is attached", "Status: More than one device is connected in boot mode"}},
        {"keys on the install button during the write", "upgradable", "", Setting::Normal, true, true, {},
         Action::KeysOnTheSlot, {matches}},
        {"the terminal is closed during the write", "upgradable", "", Setting::Normal, true, false, {},
         Action::HangUp, {"Termination signal received (HUP): the firmware is being written", waitsForTheWrite,
                          "SM_A: /sig_FwDownloaded", "app.exec() returns:  0"}},
        {"the tool is killed during the write", "upgradable", "", Setting::Normal, true, false, {}, Action::Kill, {}},
    };
    // The test command runs it in parts side by side: one kind of device
    // (VELMORA_MATRIX_BACKEND), and of its rows every other one
    // (VELMORA_MATRIX_PART: 1 or 2).
    const QString only = qEnvironmentVariable("VELMORA_MATRIX_BACKEND");
    const int part = qEnvironmentVariableIntValue("VELMORA_MATRIX_PART");
    // A part without its kind of device would run rows that another part runs too.
    if (part != 0 && only.isEmpty())
        qFatal("VELMORA_MATRIX_PART is set without VELMORA_MATRIX_BACKEND");
    for (int index = 0; index < rows.size(); ++index) {
        const Row &row = rows[index];
        if (part != 0 && index % 2 != part - 1)
            continue;
        for (const Backend backend : {Backend::Simulator, Backend::Emulated}) {
            if (!only.isEmpty() && only != backendName(backend))
                continue;
            // dfu-util's "-d 0483" hides another vendor's device from every
            // listing, so the simulator does not model one.
            if (backend == Backend::Simulator && row.configuration == "unrelated-device")
                continue;
            // In simulator mode the script runs, not the unpacked dfu-util.
            if (backend == Backend::Simulator && row.setting == Setting::NoExecWorkDir)
                continue;
            // After a read-back: what it showed, a difference or no reading at all.
            QString box;
            if (row.truth.contains(differs) && !row.done)
                box = row.fault.endsWith("readback") ? "Firmware not confirmed" : "FW differs";
            QTest::addRow("%s (%s)", row.name, qPrintable(backendName(backend)))
                << int(backend) << row.configuration << row.fault << int(row.setting) << row.click << row.done
                << row.truth << box << int(row.action) << row.then;
        }
    }
}

void TestFaultMatrix::faultEndsInTheTruth()
{
    QFETCH(int, backend);
    QFETCH(QString, configuration);
    QFETCH(QString, fault);
    QFETCH(int, setting);
    QFETCH(bool, click);
    QFETCH(bool, done);
    QFETCH(QStringList, truth);
    QFETCH(QString, box);
    QFETCH(int, action);
    QFETCH(QStringList, then);

    Launch launch;
    launch.fault = fault;
    if (Setting(setting) == Setting::UnwritableWorkDir)
        launch.environment.insert("TMPDIR", unwritable);
    if (Setting(setting) == Setting::DamagedPayload)
        launch.program = VELMORA_DAMAGED_EXECUTABLE;
    if (Setting(setting) == Setting::NoExecWorkDir) {
        if (QProcess::execute("unshare", {"-m", "true"}) != 0)
            QSKIP("making a mount needs root (or CAP_SYS_ADMIN)");
        launch.wrapper = noExecWrapper;
    }

    // Devices come back a few seconds after they leave, as a user restarting
    // them in boot mode would bring them back: long enough for the tool to
    // notice that they were gone. What happens during a write needs a write
    // that lasts: a real device's time; the other rows need no waiting.
    const bool simulated = Backend(backend) == Backend::Simulator;
    const bool duringTheWrite = Action(action) == Action::HangUp || Action(action) == Action::Kill
                                || Action(action) == Action::KeysOnTheSlot;
    const QStringList timing = duringTheWrite ? QStringList{"--return-after", "3"}
                                              : QStringList{"--fast", "--return-after", "3"};
    launch.environment.insert("DFU_UTIL_SIMULATOR_ABSENT_SECONDS", "3");
    if (!duringTheWrite)
        launch.environment.insert("DFU_UTIL_SIMULATOR_FAST", "1");
    std::unique_ptr<ToolRun> made(simulated ? new ToolRun(configuration, {"-s", "-l"}, launch)
                                            : new ToolRun(Emulated{configuration, timing}, {"-l"}, launch));
    ToolRun &run = *made;
    const QString name = "matrix-" + QString(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
    // The tool's whole log beside the screenshot, for every row.
    const auto keepLog = qScopeGuard([&run, &name] {
        QDir().mkpath(ARTIFACTS_DIR);
        QFile file(QString(ARTIFACTS_DIR) + "/" + name + ".log");
        if (file.open(QIODevice::WriteOnly))
            file.write(run.log().join('\n').toUtf8() + '\n');
    });
    QVERIFY(run.prepared);
    const QString stateDir = simulated ? run.path("simulator") : run.emulated.stateDir();
    // The simulated device's own folder, still there when it is unplugged.
    const QString simulatedDevice = QFileInfo(stateDir + "/current").canonicalFilePath();
    const QByteArray firmware = embeddedFirmware();
    auto flash = [&] {
        return simulated ? Bus::flash(simulatedDevice).left(firmware.size())
                         : run.emulated.flash().left(firmware.size());
    };

    int from = 0;
    if (click) {
        from = run.waitFor("SM_B: entered B2", 90000);
        QVERIFY2(from >= 0, "the device was never offered for an upgrade");
        run.clickInstall();
        from = run.waitFor("Info: Install clicked", 10000, from);
        QVERIFY(from >= 0);
    } else {
        QVERIFY(run.waitFor("Will use", 30000) >= 0);
    }
    for (const QString &line : truth) {
        const int at = run.waitFor(line, 90000, from);
        QVERIFY2(at >= 0, qPrintable("never reported: " + line));
        from = at;
    }
    if (!box.isEmpty())
        QVERIFY2(!run.waitForWindow(box, 10000).isEmpty(), qPrintable("no message \"" + box + "\""));

    QList<pid_t> writer; // what writes when the tool is killed
    if (duringTheWrite) {
        from = run.waitFor("SM_A: /sig_FwDownloading", 30000, from);
        QVERIFY(from >= 0);
        QTest::qWait(1500); // in the middle of the write
    }
    switch (Action(action)) {
    case Action::None:
        break;
    case Action::Unplug:
        if (simulated)
            run.bus().detach();
        else
            QVERIFY(run.emulated.unplug());
        break;
    case Action::HangUp:
        run.signal(SIGHUP, true); // the terminal's whole job
        break;
    case Action::Kill:
        writer = run.children();
        run.signal(SIGKILL);
        break;
    case Action::KeysOnTheSlot:
        for (const char *key : {"space", "Return", "a", "space"})
            run.key(run.mainWindow(), key);
        break;
    }
    for (const QString &line : then) {
        const int at = run.waitFor(line, 90000, from);
        QVERIFY2(at >= 0, qPrintable("never reported after the action: " + line));
        from = at;
    }
    if (!click && !truth.contains(offered)) {
        // Three more polls: whatever the tool is going to do, it has done.
        QTest::qWait(1500);
        run.clickInstall(); // the button stays disabled
        QTest::qWait(500);
        QCOMPARE(run.find("Install clicked"), -1);
    }
    screenshot(name);
    if (!fault.isEmpty())
        QVERIFY2(QFileInfo::exists(stateDir + "/fault.done"), "the fault never struck");

    // 1. It still runs and answers; ended by its terminal or killed, a write
    // it started still runs to its end.
    if (Action(action) == Action::HangUp) {
        QVERIFY(run.finished(60000));
        QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(run.process.exitCode() == 0, qPrintable(run.lastLines()));
        QCOMPARE(run.find("Stop requested: killing"), -1);
    } else if (Action(action) == Action::Kill) {
        QVERIFY(run.finished(10000));
        QVERIFY(!writer.isEmpty());
        // The write runs on to its end, and nothing of it outlives the test.
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(writer.cbegin(), writer.cend(), ended), 60000);
    } else {
        QCOMPARE(run.process.state(), QProcess::Running);
    }
    if (Action(action) == Action::HangUp || Action(action) == Action::Kill)
        QCOMPARE(flash(), firmware);

    // 2. "Done" only for the embedded image.
    const bool reachedDone = run.find("SM_B: entered B6") >= 0;
    QCOMPARE(reachedDone, done);
    if (reachedDone)
        QCOMPARE(flash(), firmware);

    // 3. A download only after a click, at most one per click; nothing written
    // without one, and another vendor's device never touched.
    const QStringList &log = run.log();
    int clicks = 0, downloads = 0;
    for (const QString &line : log) {
        clicks += line.contains("Info: Install clicked");
        if (line.contains("Start ") && (line.contains("\"-D\"") || line.contains("download_FW"))) {
            ++downloads;
            QVERIFY2(downloads <= clicks, qPrintable("a download without a click: " + line));
        }
    }
    // One click, and nothing else presses the button while it writes.
    QCOMPARE(clicks, click ? 1 : 0);
    if (simulated) {
        const int written = Bus::transfers(simulatedDevice).filter("download_FW").size();
        QVERIFY(written <= downloads);
    } else {
        for (const QString &device : QDir(stateDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QStringList transfers = run.emulated.transfers(device);
            if (device == unrelated)
                QCOMPARE(transfers, QStringList());
            else if (clicks == 0)
                QCOMPARE(transfers.filter(QRegularExpression("^(erase|download) ")), QStringList());
        }
    }
    if (Setting(setting) == Setting::DamagedPayload || Setting(setting) == Setting::UnwritableWorkDir)
        QCOMPARE(log.filter("Start ").size(), 0); // not a single device command
    if (Setting(setting) == Setting::NoExecWorkDir) {
        // The test of dfu-util, and nothing after it; said once, and not as a slow child.
        QCOMPARE(log.filter("Start ").size(), 1);
        QCOMPARE(run.count("Could not start"), 1);
        QCOMPARE(run.find("did not finish in time"), -1);
    }
}

QTEST_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
