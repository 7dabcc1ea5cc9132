// The real velmora-upgrade in simulator mode, end to end (see toolrun.h).

#include "toolrun.h"

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void upgradeInOneClick();
    void upToDateIsVerifiedWithoutClick();
    void verificationFailure();
    void otherProduct();
    void blankOtpNeedsTheAKey();
    void logWindowAndSaving();
    void historyWindowShowsAndExports();
    void quitKeys_data();
    void quitKeys();
    void quitDuringUpgradeAsksFirst();
    void closingTheWindow();
    void terminationSignalLetsTheWriteFinish_data();
    void terminationSignalLetsTheWriteFinish();
    void secondTerminationSignalEndsAtOnce();
    void closedMainWindowLeavesTheLogForReading_data();
    void closedMainWindowLeavesTheLogForReading();
    void swappedDeviceIsShownAsItIs();
    void deviceThatCannotBeOpenedIsNamed();
};

void TestEndToEnd::upgradeInOneClick()
{
    ToolRun run("upgradable");
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("SM_B: entered B2: Conn. to (DFU-SE) dev. with diff. FW rev.") >= 0);
    QVERIFY(!run.mainWindow().isEmpty());
    screenshot("upgradable-ready");
    QVERIFY(run.find("MainWindow downloadMode: setEnabled true") >= 0);

    run.clickInstall();
    const int clicked = run.waitFor("Info: Install clicked");
    QVERIFY(clicked >= 0);
    QVERIFY(run.waitFor("SM_A: /sig_FwDownloading", 30000, clicked) >= 0);
    QTest::qWait(3000);
    const QImage upgrading = screenshot("upgradable-upgrading");
    const int done = run.waitFor("SM_B: entered B6: FW in dev. matches", 90000, clicked);
    QVERIFY(done >= 0);
    QVERIFY(run.find("Uploaded FW matches", clicked) >= 0);
    QVERIFY(run.find("SM_B: entered B4", clicked) < done);

    // "Done. Disconnect USB cable." in a full green bar where the button was.
    const QImage image = screenshot("upgradable-done");
    const QRect window = run.geometry(run.mainWindow());
    const QRect slot = QRect(207, 417, 250, 40).translated(window.topLeft()).adjusted(4, 4, -4, -4);
    QVERIFY2(share(image, slot, QColor(160, 240, 140)) > 0.6, "the bar is not full");
    QVERIFY(share(upgrading, slot, QColor(160, 240, 140)) < share(image, slot, QColor(160, 240, 140)));
}

void TestEndToEnd::upToDateIsVerifiedWithoutClick()
{
    ToolRun run("up-to-date", {"-s", "-l"}, fastDevice());
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("SM_B: entered B6: FW in dev. matches") >= 0);
    QCOMPARE(run.find("Install clicked"), -1);
    QCOMPARE(run.find("SM_A: /sig_FwDownloading"), -1);
    screenshot("up-to-date-done");
}

void TestEndToEnd::verificationFailure()
{
    ToolRun run("verify-fails", {"-s", "-l"}, fastDevice());
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("SM_B: entered B2") >= 0);
    run.clickInstall();
    const int clicked = run.waitFor("Info: Install clicked");
    QVERIFY(clicked >= 0);
    const int differs = run.waitFor("SM_B: entered B7: FW in dev. differs", 90000, clicked);
    QVERIFY(differs >= 0);
    // B7 enables the button again (logged just before the state's own line).
    const int enabled = run.find("MainWindow downloadMode: setEnabled true", run.find("SM_B: entered B4", clicked));
    QVERIFY(enabled >= 0 && enabled < differs);
    const QString box = run.waitForWindow("FW differs");
    QVERIFY2(!box.isEmpty(), "no \"FW differs\" message");
    screenshot("verify-fails-differs");

    run.key(box, "Return");
    QTRY_VERIFY(run.waitForWindow("FW differs", 500).isEmpty());
    run.clickInstall(); // the button works again
    QVERIFY(run.waitFor("SM_A: /sig_FwDownloading", 30000, differs) >= 0);
}

void TestEndToEnd::otherProduct()
{
    ToolRun run("other-product", {"-s", "-l"}, fastDevice());
    QVERIFY(run.prepared);
    const int invalid = run.waitFor("SM_B: entered B8: Invalid (DFU-SE) dev. conn.");
    QVERIFY(invalid >= 0);
    screenshot("other-product");
    run.clickInstall(); // disabled: nothing happens
    QTest::qWait(1500);
    QCOMPARE(run.find("Install clicked"), -1);
    QCOMPARE(run.find("MainWindow downloadMode: setEnabled true"), -1);
}

void TestEndToEnd::blankOtpNeedsTheAKey()
{
    ToolRun run("blank-otp", {"-s", "-l"}, fastDevice());
    QVERIFY(run.prepared);
    const int blank = run.waitFor("SM_B: entered B9: Conn. to (DFU-SE) dev. with Empty OTP.");
    QVERIFY(blank >= 0);
    run.clickInstall();
    QTest::qWait(1000);
    QCOMPARE(run.find("Install clicked"), -1);

    run.key(run.mainWindow(), "a");
    QVERIFY(run.waitFor("MainWindow downloadMode: setEnabled true", 10000, blank) >= 0);
    screenshot("blank-otp-enabled-by-hand");
    run.clickInstall();
    QVERIFY(run.waitFor("Info: Install clicked", 10000, blank) >= 0);
    QVERIFY(run.waitFor("SM_A: /sig_FwDownloading", 30000, blank) >= 0);
}

void TestEndToEnd::logWindowAndSaving()
{
    ToolRun run("no-device");
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("SM_B: entered B1") >= 0);
    const QString main = run.mainWindow();
    QVERIFY(!main.isEmpty());
    QCOMPARE(run.windowIds().size(), 1);

    run.key(main, "ctrl+l");
    QTRY_COMPARE(run.windowIds().size(), 2);
    QString dialog;
    for (const QString &id : run.windowIds())
        if (id != main)
            dialog = id;
    const QRect mainGeometry = run.geometry(main);
    // Beside the main window, but on the screen: a 1280-pixel screen has room
    // on neither side, so it covers part of the main window.
    const QRect screen(0, 0, 1280, 1024);
    QTRY_COMPARE(run.geometry(dialog).top(), mainGeometry.top());
    QVERIFY(screen.contains(run.geometry(dialog)));
    QVERIFY(run.geometry(dialog).intersects(mainGeometry));
    screenshot("log-window");

    // Save the log through the file dialog, typing the name as a user would.
    const QString saved = run.path("home") + "/saved-log.txt";
    run.key(dialog, "Tab");
    run.key(dialog, "Tab");
    xdotool({"key", "space"}); // "save output"
    const QString fileDialog = run.waitForWindow("Save Log Output");
    QVERIFY2(!fileDialog.isEmpty(), "no file dialog");
    run.key(fileDialog, "ctrl+a");
    xdotool({"type", "--delay", "20", saved});
    xdotool({"key", "Return"});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(saved).size() > 0, 10000);
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    QVERIFY(content.contains("Starting sm_A"));
    QVERIFY(content.contains("Debug: \"SM_B: entered B1: No (DFU-SE) dev. conn.\""));

    // Ctrl+L from the log window hides it again.
    run.key(dialog, "ctrl+l");
    QTRY_COMPARE(run.windowIds().size(), 1);
}

// Ctrl+H shows the record the verification left, the filter narrows the
// table as one types, Export writes what is shown; Ctrl+H hides it again.
void TestEndToEnd::historyWindowShowsAndExports()
{
    ToolRun run("up-to-date", {"-s", "-l"}, fastDevice());
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("History: the verification of the device with serial") >= 0);
    const QString main = run.mainWindow();
    // The context menu by keyboard, its first entry chosen with Return.
    run.key(main, "shift+F10");
    QTest::qWait(500);
    screenshot("history-context-menu");
    xdotool({"key", "Return"});
    const QString history = run.waitForWindow("Upgrade history");
    QVERIFY2(!history.isEmpty(), "no History window");
    screenshot("history-window");

    // Alt+E, a file name typed into the dialog, Return: the file's lines.
    const auto exportTo = [&run, &history](const QString &name) {
        const QString path = run.path("home") + "/" + name;
        run.key(history, "alt+e");
        const QString dialog = run.waitForWindow("Export the upgrade history");
        if (dialog.isEmpty())
            return QList<QByteArray>{"no file dialog"};
        run.key(dialog, "ctrl+a");
        xdotool({"type", "--delay", "20", path});
        xdotool({"key", "Return"});
        QFile file(path);
        for (int i = 0; i < 100 && file.size() == 0; ++i)
            QTest::qWait(100);
        return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>{"not written"};
    };

    // Nothing matches: the export holds the header only.
    xdotool({"type", "--delay", "20", "ZZZ"});
    QTest::qWait(300);
    screenshot("history-window-filtered");
    QCOMPARE(exportTo("none.csv").size(), 2);

    // Without the filter: the verification's record.
    run.key(history, "ctrl+a");
    xdotool({"key", "BackSpace"});
    const QList<QByteArray> lines = exportTo("all.csv");
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.at(1).contains(",already current,"), lines.at(1).constData());
    QCOMPARE(run.historyRecords().size(), 1);

    run.key(history, "ctrl+h");
    QTRY_COMPARE(run.windowIds().size(), 1);
    run.key(main, "ctrl+h");
    QVERIFY(!run.waitForWindow("Upgrade history").isEmpty());
}

void TestEndToEnd::quitKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("Q") << "q";
    QTest::newRow("Escape") << "Escape";
}

void TestEndToEnd::quitKeys()
{
    QFETCH(QString, key);
    ToolRun run("upgradable");
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("SM_B: entered B2") >= 0);
    const QString workDirectory = run.workDirectory();
    QVERIFY(QFileInfo(workDirectory).isDir());

    run.key(run.mainWindow(), key);
    QVERIFY(run.finished());
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(run.process.exitCode() == 0, qPrintable(run.lastLines()));
    // After the handler is reset, the lines go to the default output.
    QVERIFY(run.find("Msg-handler reset") >= 0);
    QVERIFY(run.find("Trying to stop sm_A") > run.find("Msg-handler reset"));
    QVERIFY(run.find("app.exec() returns:  0") > run.find("Trying to stop sm_A"));
    QVERIFY(!QFileInfo::exists(workDirectory));
}

void TestEndToEnd::quitDuringUpgradeAsksFirst()
{
    ToolRun run("upgradable");
    QVERIFY(run.prepared);
    const int downloading = run.startUpgrade();
    QVERIFY(downloading >= 0);

    run.key(run.mainWindow(), "q");
    const QString box = run.waitForWindow("Upgrade in progress", 10000);
    QVERIFY2(!box.isEmpty(), "no question before interrupting the upgrade");
    screenshot("quit-during-upgrade");
    run.key(box, "Return"); // the default answer keeps upgrading
    QVERIFY(run.waitFor("Stop during the upgrade declined", 10000, downloading) >= 0);
    QCOMPARE(run.find("Msg-handler reset"), -1);
    QVERIFY(run.waitFor("SM_B: entered B6: FW in dev. matches", 90000, downloading) >= 0);
}

void TestEndToEnd::closingTheWindow()
{
    ToolRun run("no-device");
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("Starting sm_A") >= 0);
    const QString workDirectory = run.workDirectory();
    QVERIFY(QFileInfo(workDirectory).isDir());
    QCOMPARE(runCommand(XCLOSE, {run.mainWindow()}), QString());
    QVERIFY(run.finished());
    QVERIFY2(run.process.exitCode() == 0, qPrintable(run.lastLines()));
    QVERIFY(run.find("app.exec() returns:  0") >= 0);
    QVERIFY(!QFileInfo::exists(workDirectory));
}

void TestEndToEnd::terminationSignalLetsTheWriteFinish_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("toTheGroup");
    QTest::addColumn<bool>("asking"); // Q was pressed: the question whether to stop is open
    QTest::newRow("TERM") << int(SIGTERM) << false << false;
    QTest::newRow("Ctrl+C in the terminal") << int(SIGINT) << true << false;
    QTest::newRow("TERM while the question whether to stop is open") << int(SIGTERM) << false << true;
}

void TestEndToEnd::terminationSignalLetsTheWriteFinish()
{
    QFETCH(int, number);
    QFETCH(bool, toTheGroup);
    QFETCH(bool, asking);
    const QByteArray firmware = embeddedFirmware();
    QVERIFY(!firmware.isEmpty());
    ToolRun run("upgradable");
    QVERIFY(run.prepared);
    const int downloading = run.startUpgrade();
    QVERIFY(downloading >= 0);
    const QString workDirectory = run.workDirectory();
    if (asking) {
        run.key(run.mainWindow(), "q");
        QVERIFY(!run.waitForWindow("Upgrade in progress", 10000).isEmpty());
    }
    QTest::qWait(1500); // in the middle of the write

    run.signal(number, toTheGroup);
    QVERIFY(run.waitFor("the tool ends once the write is finished", 10000, downloading) >= 0);
    QVERIFY(run.finished(60000));
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(run.process.exitCode() == 0, qPrintable(run.lastLines()));
    QVERIFY(run.find("SM_A: /sig_FwDownloaded", downloading) >= 0);
    QCOMPARE(run.find("Stop requested: killing", downloading), -1);
    QCOMPARE(run.find("SM_A: /sig_FwUploading", downloading), -1); // no read-back is started
    QVERIFY(run.flashStart(firmware.size()) == firmware);          // the write was completed
    QVERIFY(!QFileInfo::exists(workDirectory));
    // The question went with the tool: nobody answered it.
    QCOMPARE(run.find("Stop during the upgrade declined", downloading), -1);
    QCOMPARE(run.find("Stop during the upgrade confirmed", downloading), -1);
    QCOMPARE(run.find("closed without an answer", downloading) >= 0, asking);
}

void TestEndToEnd::secondTerminationSignalEndsAtOnce()
{
    const QByteArray firmware = embeddedFirmware();
    ToolRun run("upgradable");
    QVERIFY(run.prepared);
    const int downloading = run.startUpgrade();
    QVERIFY(downloading >= 0);
    const QString workDirectory = run.workDirectory();
    QTest::qWait(1000);

    run.signal(SIGTERM);
    const int waiting = run.waitFor("the tool ends once the write is finished", 10000, downloading);
    QVERIFY(waiting >= 0);
    run.signal(SIGTERM);
    QVERIFY(run.finished(30000));
    QVERIFY2(run.process.exitCode() == 0, qPrintable(run.lastLines()));
    QVERIFY(run.find("Critical: Second termination signal received", waiting) >= 0);
    // The worker's last lines come after the event loop has returned: with
    // "-l" they still reach standard error.
    const int killed = run.find("Stop requested: killing", waiting);
    QVERIFY(killed >= 0);
    QVERIFY(run.log()[killed].contains("download_FW"));
    QVERIFY(run.find("Exit with -1 from", killed) >= 0);
    QVERIFY(run.flashStart(firmware.size()) != firmware); // cut short, as the user insisted
    QVERIFY(!QFileInfo::exists(workDirectory));
}

void TestEndToEnd::closedMainWindowLeavesTheLogForReading_data()
{
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<bool>("duringUpgrade");
    QTest::addColumn<QString>("hideWith");
    QTest::newRow("no device; Ctrl+L hides the log") << "no-device" << false << "ctrl+l";
    QTest::newRow("upgrading, stopped anyway; the log is closed") << "upgradable" << true << "close";
}

void TestEndToEnd::closedMainWindowLeavesTheLogForReading()
{
    QFETCH(QString, configuration);
    QFETCH(bool, duringUpgrade);
    QFETCH(QString, hideWith);
    ToolRun run(configuration);
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("Starting sm_A") >= 0);
    const QString workDirectory = run.workDirectory();
    const QString main = run.mainWindow();
    run.key(main, "ctrl+l");
    QTRY_COMPARE(run.windowIds().size(), 2);
    const QString dialog = run.windowIds().first() == main ? run.windowIds().last() : run.windowIds().first();
    if (duringUpgrade)
        QVERIFY(run.startUpgrade() >= 0);

    const int closing = run.log().size();
    QCOMPARE(runCommand(XCLOSE, {main}), QString());
    if (duringUpgrade) {
        const QString box = run.waitForWindow("Upgrade in progress", 10000);
        QVERIFY2(!box.isEmpty(), "no question before interrupting the upgrade");
        run.key(box, "Tab"); // from "Keep upgrading", the default, to "Stop anyway"
        xdotool({"key", "space"});
        QVERIFY(run.waitFor("Stop during the upgrade confirmed", 10000, closing) >= 0);
    }
    QVERIFY(run.waitFor("Trying to stop sm_A", 10000, closing) >= 0);
    QVERIFY(run.waitFor("The log window stays open; hiding it ends the tool", 10000, closing) >= 0);
    if (duringUpgrade)
        QVERIFY(run.find("Stop requested: killing", closing) >= 0);
    QTest::qWait(1000);
    QCOMPARE(run.process.state(), QProcess::Running);
    QCOMPARE(run.windowIds(), QStringList{dialog});
    screenshot(duringUpgrade ? "log-left-open-after-stopped-upgrade" : "log-left-open");

    if (hideWith == "close")
        QCOMPARE(runCommand(XCLOSE, {dialog}), QString());
    else
        run.key(dialog, hideWith);
    QVERIFY(run.finished());
    QVERIFY2(run.process.exitCode() == 0, qPrintable(run.lastLines()));
    QVERIFY(run.find("app.exec() returns:  0", closing) >= 0);
    QVERIFY(!QFileInfo::exists(workDirectory));
}

void TestEndToEnd::swappedDeviceIsShownAsItIs()
{
    ToolRun run("up-to-date", {"-s", "-l"}, fastDevice());
    QVERIFY(run.prepared);
    const int done = run.waitFor("SM_B: entered B6: FW in dev. matches");
    QVERIFY(done >= 0);
    // Straight from the verified T30 to a T30 whose flash holds another
    // product's firmware, with no listing in between.
    const Bus bus = run.bus();
    const QString other = bus.stage("firmware-mismatch", "206F39A54E42");
    QVERIFY(!other.isEmpty());
    QVERIFY(bus.attach(other));
    const int shown = run.waitFor("SM_B: entered B2: Conn. to (DFU-SE) dev. with diff. FW rev.", 30000, done);
    QVERIFY(shown >= 0);
    QTest::qWait(1500);
    screenshot("swapped-to-unknown-revision");
    QCOMPARE(run.find("SM_B: entered B4", done), -1); // its revision is unknown: nothing to verify
    QCOMPARE(run.find("FW_revision:\tC3", done), -1);
    QCOMPARE(Bus::transfers(other), Bus::identificationOnly());
}

void TestEndToEnd::deviceThatCannotBeOpenedIsNamed()
{
    ToolRun run("no-access");
    QVERIFY(run.prepared);
    const int warned = run.waitFor("Warning: A device in boot mode was found but cannot be opened");
    QVERIFY(warned >= 0);
    QVERIFY(run.log()[warned].contains("unplug the device and plug it in again"));
    QTest::qWait(3000); // several more polls
    screenshot("device-cannot-be-opened");
    QCOMPARE(run.count("Warning: A device in boot mode was found but cannot be opened"), 1); // once only
    QCOMPARE(run.count("Status: A device was found but cannot be opened: unplug it and plug it in again."), 1);
    QCOMPARE(run.find("SM_A: /sig_readingInfo"), -1);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
