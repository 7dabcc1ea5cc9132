// The real velmora-upgrade in its normal mode (no "-s"): its embedded
// dfu-util finds the emulated USB bus through the environment, as it would
// find a device on a user's machine (see toolrun.h). The test plays the user:
// it clicks, and after the device has left boot mode it plugs it in again.

#include "toolrun.h"

namespace {

const QString serial = EmulatedBus::serial;
const QString unrelated = "0000A1B2C3D4";

// What no run may ever show, whatever went wrong: checked at its end.
void checkPromises(ToolRun &run, const QByteArray &firmware)
{
    const bool done = run.find("SM_B: entered B6: FW in dev. matches") >= 0;
    const bool clicked = run.find("Info: Install clicked") >= 0;
    for (const QString &device : QDir(run.emulated.stateDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QStringList transfers = run.emulated.transfers(device);
        if (device == unrelated)
            QCOMPARE(transfers, QStringList()); // another vendor's device is never touched
        else if (!clicked) // nothing is written without a click
            QCOMPARE(transfers.filter(QRegularExpression("^(erase|download) ")), QStringList());
    }
    if (done)
        QCOMPARE(run.emulated.flash().left(firmware.size()), firmware); // "Done" only for the embedded image
    QCOMPARE(run.process.state(), QProcess::Running); // the tool lives on and reports
}

} // namespace

class TestRealDevice : public QObject {
    Q_OBJECT

private slots:
    void upgradeOfAnOlderRevision();
    void upToDateIsVerifiedWithoutClick();
    void notWritten_data();
    void notWritten();
    void faultsEndInTheTruth_data();
    void faultsEndInTheTruth();
};

void TestRealDevice::upgradeOfAnOlderRevision()
{
    // With a real device's timing: about eight seconds of erasing and writing.
    ToolRun run(Emulated{"upgradable", {"--return-after", "0"}});
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("Will use real device") >= 0);
    QVERIFY(run.waitFor("SM_B: entered B2: Conn. to (DFU-SE) dev. with diff. FW rev.") >= 0);
    QVERIFY(run.waitFor("Status: Connected to a T30 with firmware version C2") >= 0);
    QVERIFY(!run.mainWindow().isEmpty());
    screenshot("real-upgradable-ready");

    run.clickInstall();
    const int clicked = run.waitFor("Info: Install clicked");
    QVERIFY(clicked >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(run.emulated.transfers().filter("download ").size() >= 10, 30000);
    // About half done (the erase and a fifth of the blocks), four or five
    // seconds into it: the bar shows what dfu-util reports, not the time.
    const QImage writing = screenshot("real-upgradable-writing");
    const QRect slot = QRect(207, 417, 250, 40).translated(run.geometry(run.mainWindow()).topLeft()).adjusted(4, 4, -4, -4);
    QVERIFY2(share(writing, slot, QColor(160, 240, 140)) > 0.3, "the bar does not show the real progress");
    QVERIFY(run.waitFor("SM_A: /sig_FwDownloaded", 60000, clicked) >= 0);
    // The device runs its new firmware and is off the bus until the user
    // restarts it in boot mode.
    QTRY_COMPARE_WITH_TIMEOUT(run.emulated.presence(), QStringLiteral("absent"), 10000);
    const int away = run.waitFor("SM_B: entered B1", 30000, clicked);
    QVERIFY(away >= 0);
    QVERIFY(run.waitFor("Status: The firmware was written. To check it, restart the device in its boot mode: steps 1 to 3.",
                        10000, clicked) >= 0);
    screenshot("real-upgradable-away");
    QVERIFY(run.emulated.plug());
    const int done = run.waitFor("SM_B: entered B6: FW in dev. matches", 60000, away);
    QVERIFY(done >= 0);
    QVERIFY(run.find("SM_B: entered B4", away) < done);
    screenshot("real-upgradable-done");

    const QByteArray firmware = embeddedFirmware();
    QCOMPARE(run.emulated.flash().left(firmware.size()), firmware);
    const QStringList transfers = run.emulated.transfers();
    QCOMPARE(transfers.filter("leave ").size(), 1);
    QCOMPARE(transfers.filter(QRegularExpression("^download ")).size(), (firmware.size() + 2047) / 2048);
    // The embedded dfu-util is what ran, with the device named by its serial.
    const int write = run.find("\"0x08000000:leave\"");
    QVERIFY(write >= 0);
    QVERIFY2(run.log()[write].contains(QRegularExpression(
                 QString("Start  \"%1/dfu-util[^\"]*\" \\(\"-d\", \"0483\", \"-S\", \"%2\", ")
                     .arg(QRegularExpression::escape(run.workDirectory()), serial))),
             qPrintable(run.log()[write]));
    checkPromises(run, firmware);
}

void TestRealDevice::upToDateIsVerifiedWithoutClick()
{
    ToolRun run(Emulated{"up-to-date"});
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("SM_B: entered B6: FW in dev. matches") >= 0);
    screenshot("real-up-to-date-done");
    QCOMPARE(run.find("Install clicked"), -1);
    QCOMPARE(run.emulated.transfers().filter(QRegularExpression("^(erase|download) ")), QStringList());
    checkPromises(run, embeddedFirmware());
}

// Devices the tool must not write: the button stays disabled.
void TestRealDevice::notWritten_data()
{
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QString>("state");
    QTest::newRow("other product") << "other-product" << "SM_B: entered B8: Invalid (DFU-SE) dev. conn.";
    QTest::newRow("empty OTP") << "blank-otp" << "SM_B: entered B9: Conn. to (DFU-SE) dev. with Empty OTP.";
}

void TestRealDevice::notWritten()
{
    QFETCH(QString, configuration);
    QFETCH(QString, state);
    ToolRun run(Emulated{configuration});
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor(state) >= 0);
    screenshot("real-" + configuration);
    run.clickInstall();
    QTest::qWait(1500);
    QCOMPARE(run.find("Install clicked"), -1);
    checkPromises(run, embeddedFirmware());
}

// Each fault of a real device, and where the tool ends: never "Done" unless
// the flash holds the embedded image, never a write without a click on an
// identified device, another vendor's device never touched.
void TestRealDevice::faultsEndInTheTruth_data()
{
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<bool>("click");
    QTest::addColumn<bool>("plugInAgain"); // after the download, as the user restarting the device would
    QTest::addColumn<QString>("end");      // the last line to wait for
    QTest::addColumn<bool>("flashIsImage");

    QTest::newRow("reset before the last status") << "leave-status-lost" << true << true
                                                  << "SM_B: entered B6: FW in dev. matches" << true;
    QTest::newRow("cable pulled during the download") << "unplug-during-download" << true << true
                                                      << "SM_B: entered B7: FW in dev. differs" << false;
    QTest::newRow("a write corrupts a byte") << "verify-fails" << true << true << "SM_B: entered B7: FW in dev. differs"
                                             << false;
    QTest::newRow("erase fails") << "download-fails" << true << false
                                 << "Status: Writing the firmware failed. Click \"4. Click here to start upgrade\" to try again."
                                 << false;
    QTest::newRow("cable pulled during the read-back") << "unplug-during-read-back" << true << true
                                                       << "SM_A: /sig_FwUploadedDiffers" << true;
    QTest::newRow("another vendor's DFU device beside it") << "unrelated-device" << true << true
                                                           << "SM_B: entered B6: FW in dev. matches" << true;
    QTest::newRow("OTP cannot be read") << "otp-read-fails" << false << false << "" << false;
    QTest::newRow("access refused") << "no-access" << false << false
                                    << "Warning: A device in boot mode was found but cannot be opened" << false;
    QTest::newRow("serial unreadable") << "bad-serial" << false << false << "" << false;
    QTest::newRow("two of our devices") << "two-devices" << false << false << "" << false;
    QTest::newRow("three interfaces") << "invalid-device" << false << false << "" << false;
}

void TestRealDevice::faultsEndInTheTruth()
{
    QFETCH(QString, configuration);
    QFETCH(bool, click);
    QFETCH(bool, plugInAgain);
    QFETCH(QString, end);
    QFETCH(bool, flashIsImage);

    ToolRun run(Emulated{configuration});
    QVERIFY(run.prepared);
    const QByteArray firmware = embeddedFirmware();
    int from = 0;
    if (click) {
        from = run.waitFor("SM_B: entered B2");
        QVERIFY(from >= 0);
        run.clickInstall();
        from = run.waitFor("SM_A: /sig_FwDownloaded", 60000, from);
        QVERIFY(from >= 0);
        const int downloaded = from;
        if (plugInAgain) {
            QTRY_VERIFY_WITH_TIMEOUT(run.emulated.presence().startsWith("absent"), 10000);
            from = run.waitFor("SM_B: entered B1", 30000, from);
            QVERIFY(from >= 0);
            // While the device is away: what the write came to, and what to do.
            const bool failedWrite = configuration == "leave-status-lost" || configuration == "unplug-during-download";
            QVERIFY(run.waitFor(failedWrite ? "Status: Writing ended with an error. If the device has left, restart it"
                                            : "Status: The firmware was written.",
                                10000, downloaded) >= 0);
            screenshot("real-fault-" + configuration + "-away");
            QVERIFY(run.emulated.plug(serial));
        }
    } else {
        // Several polls: the tool sees whatever it is going to see.
        QVERIFY(run.waitFor("Starting sm_A") >= 0);
        QTest::qWait(4000);
        run.clickInstall(); // the button stays disabled
        QTest::qWait(1000);
        QCOMPARE(run.find("Install clicked"), -1);
        QCOMPARE(run.find("SM_B: entered B2"), -1);
    }
    if (!end.isEmpty())
        QVERIFY2(run.waitFor(end, 60000, from) >= 0, qPrintable("never reached: " + end));
    QTest::qWait(500);
    screenshot("real-fault-" + configuration);
    QCOMPARE(run.emulated.flash().left(firmware.size()) == firmware, flashIsImage);
    if (!flashIsImage)
        QCOMPARE(run.find("SM_B: entered B6"), -1);
    checkPromises(run, firmware);
}

QTEST_MAIN(TestRealDevice)
#include "tst_realdevice.moc"
