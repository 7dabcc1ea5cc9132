// The real velmora-upgrade in its normal mode (no "-s"): its embedded
// dfu-util finds the emulated USB bus through the environment, as it would
// find a device on a user's machine (see toolrun.h). The test plays the user:
// it clicks, and after the device has left boot mode it plugs it in again.

#include "postgresserver.h"
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

QString sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// The newest record's outcome once it is no longer "in progress"; "" when the
// history holds none.
QString settledOutcome(ToolRun &run)
{
    QElapsedTimer clock;
    clock.start();
    QString outcome;
    do {
        outcome = run.historyRecords().first().toObject()["outcome"].toString();
        if (outcome != "in progress")
            break;
        QTest::qWait(200);
    } while (clock.elapsed() < 10000);
    return outcome;
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
    void killedDuringTheWriteIsInterrupted();
    void waitsForBusEvents_data();
    void waitsForBusEvents();
    void sharedHistoryGetsEveryRecordOnce();
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

    // One record of it: which device, what it ran before, what it got, and
    // that the read-back confirmed it.
    QCOMPARE(settledOutcome(run), QString("verified"));
    const QJsonArray records = run.historyRecords();
    QCOMPARE(records.size(), 1);
    const QJsonObject record = records.first().toObject();
    QCOMPARE(record["serial"].toString(), serial);
    QVERIFY(!record["usb_path"].toString().isEmpty());
    QCOMPARE(record["product_type"].toInt(), 30);
    QCOMPARE(record["model"].toString(), QString("T30"));
    QCOMPARE(record["revision_before"].toString(), QString("C2"));
    QCOMPARE(record["firmware_revision"].toString(), QString("C3"));
    QCOMPARE(record["firmware_sha256"].toString(), sha256(firmware));
    QCOMPARE(record["write_exit_code"].toInt(-1), 0);
    QCOMPARE(record["read_exit_code"].toInt(-1), 0);
    QVERIFY(record["write_ms"].toInt() > 1000); // a real device's write
    QVERIFY(QDateTime::fromString(record["finished"].toString(), Qt::ISODateWithMs)
            > QDateTime::fromString(record["started"].toString(), Qt::ISODateWithMs));
    QCOMPARE(record["station"].toString(), QSysInfo::machineHostName());
    const QString csv = run.history("csv");
    QVERIFY2(csv.startsWith("id,started,finished,station,user,") && csv.count("\r\n") == 2, qPrintable(csv));
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
    QTest::addColumn<QString>("recorded"); // the history's outcome; "" for no record

    QTest::newRow("reset before the last status") << "leave-status-lost" << true << true
                                                  << "SM_B: entered B6: FW in dev. matches" << true << QString("verified");
    QTest::newRow("cable pulled during the download") << "unplug-during-download" << true << true
                                                      << "SM_B: entered B7: FW in dev. differs" << false << QString("differs");
    QTest::newRow("a write corrupts a byte") << "verify-fails" << true << true << "SM_B: entered B7: FW in dev. differs"
                                             << false << QString("differs");
    QTest::newRow("erase fails") << "download-fails" << true << false
                                 << "Status: Writing the firmware failed. Click \"4. Click here to start upgrade\" to try again."
                                 << false << QString("write failed");
    QTest::newRow("cable pulled during the read-back") << "unplug-during-read-back" << true << true
                                                       << "SM_A: /sig_FwUploadedDiffers" << true << QString("not confirmed");
    QTest::newRow("another vendor's DFU device beside it") << "unrelated-device" << true << true
                                                           << "SM_B: entered B6: FW in dev. matches" << true << QString("verified");
    QTest::newRow("OTP cannot be read") << "otp-read-fails" << false << false << "" << false << QString("");
    QTest::newRow("access refused") << "no-access" << false << false
                                    << "Warning: A device in boot mode was found but cannot be opened" << false << QString("");
    QTest::newRow("serial unreadable") << "bad-serial" << false << false << "" << false << QString("");
    QTest::newRow("two of our devices") << "two-devices" << false << false << "" << false << QString("");
    QTest::newRow("three interfaces") << "invalid-device" << false << false << "" << false << QString("");
}

void TestRealDevice::faultsEndInTheTruth()
{
    QFETCH(QString, configuration);
    QFETCH(bool, click);
    QFETCH(bool, plugInAgain);
    QFETCH(QString, end);
    QFETCH(bool, flashIsImage);
    QFETCH(QString, recorded);

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
    if (recorded.isEmpty()) {
        QCOMPARE(run.historyRecords().size(), 0);
    } else {
        QCOMPARE(settledOutcome(run), recorded);
        QCOMPARE(run.historyRecords().size(), 1);
    }
}

// The tool killed while it writes: its record says "in progress" at once (it
// was stored before the write began), and "interrupted" after the next start;
// never a success.
void TestRealDevice::killedDuringTheWriteIsInterrupted()
{
    QTemporaryDir state; // the history both runs share, as one user's
    Launch launch;
    launch.environment.insert("XDG_DATA_HOME", state.path());
    {
        ToolRun run(Emulated{"upgradable"}, {"-l"}, launch);
        QVERIFY(run.prepared);
        QVERIFY(run.startUpgrade() >= 0);
        QTRY_COMPARE_WITH_TIMEOUT(run.historyRecords().first().toObject()["outcome"].toString(),
                                  QString("in progress"), 10000);
        run.signal(SIGKILL);
        QVERIFY(run.finished());
        // dfu-util outlives the tool and finishes the write; the device leaves.
        QTRY_VERIFY_WITH_TIMEOUT(run.emulated.presence().startsWith("absent"), 20000);
        const QJsonObject record = run.historyRecords().first().toObject();
        QCOMPARE(record["outcome"].toString(), QString("in progress"));
        QCOMPARE(record["serial"].toString(), serial);
    }
    ToolRun again(Emulated{"no-device"}, {"-l"}, launch);
    QVERIFY(again.prepared);
    QVERIFY(again.waitFor("History: 1 attempt(s) of an earlier run ended without an outcome") >= 0);
    const QJsonArray records = again.historyRecords();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().toObject()["outcome"].toString(), QString("interrupted"));
}

// The tool learns of changes on the bus from USB hotplug events and runs no
// dfu-util while nothing changes; where there are no events it lists after
// every pause. Events in a burst never make it list more often than that.
void TestRealDevice::waitsForBusEvents_data()
{
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<bool>("events");
    QTest::addColumn<QString>("change"); // what the test does once the tool has settled
    QTest::addColumn<int>("quietMs");    // then counts the dfu-util runs in this time
    QTest::addColumn<int>("minRuns");
    QTest::addColumn<int>("maxRuns");
    QTest::addColumn<QString>("fault");

    QTest::newRow("no device") << "no-device" << true << "" << 10000 << 0 << 0 << "";
    QTest::newRow("waiting for the click") << "upgradable" << true << "" << 10000 << 0 << 0 << "";
    QTest::newRow("swapped for another") << "upgradable" << true << "swap" << 3000 << 0 << 0 << "";
    QTest::newRow("a burst of events") << "upgradable" << true << "burst" << 3000 << 0 << 0 << "";
    // Away and back (same serial) before the next listing could see it gone:
    // only the events tell, and the device is read again.
    QTest::newRow("leaves in a read, back at once") << "upgradable" << true << "" << 3000 << 0 << 0
                                                    << "vanish fwinfo";
    // Its identification cut short by its leaving, and back before the tool
    // looked again: it is read again, not left shown as no device.
    QTest::newRow("leaves in the OTP read, back at once") << "upgradable" << true << "" << 3000 << 0 << 0
                                                          << "vanish otp";
    QTest::newRow("no events: polling") << "no-device" << false << "" << 3000 << 3 << 8 << "";
}

void TestRealDevice::waitsForBusEvents()
{
    QFETCH(QString, configuration);
    QFETCH(bool, events);
    QFETCH(QString, change);
    QFETCH(int, quietMs);
    QFETCH(int, minRuns);
    QFETCH(int, maxRuns);
    QFETCH(QString, fault);

    Launch launch;
    launch.fault = fault;
    if (!events)
        launch.environment.insert("VELMORA_EMULATOR_NO_HOTPLUG", "1");
    // A device that leaves comes back well within the tool's pause of a second.
    ToolRun run(Emulated{configuration, {"--fast", "--return-after", fault.isEmpty() ? "0" : "0.2"}}, {"-l"}, launch);
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor(events ? "Device detection: USB hotplug events"
                               : "Device detection: listing every 500 ms (no USB hotplug events: libusb has no "
                                 "hotplug support here)") >= 0);
    const QString ready = "Status: Connected to a T30 with firmware version C2";
    if (configuration == "upgradable")
        QVERIFY(run.waitFor(ready) >= 0);
    else
        QTRY_VERIFY_WITH_TIMEOUT(!run.emulated.runs().isEmpty(), 20000);
    if (!fault.isEmpty()) {
        QVERIFY(QFileInfo::exists(run.emulated.stateDir() + "/fault.done"));
        // The read it left in found no firmware, or could not identify it;
        // the one after its return does.
        QVERIFY(run.find(fault == "vanish otp" ? "A device was found but could not be read"
                                               : "with unknown firmware version")
                >= 0);
    }

    const QString other = "3276356C3240";
    const int mark = run.log().size();
    if (change == "swap") {
        QVERIFY(run.emulated.unplug());
        QVERIFY(run.emulated.prepare("up-to-date", {"--fast", "--return-after", "0", "--serial", other, "--add"}));
        QVERIFY(run.waitFor("SM_B: entered B6: FW in dev. matches", 30000, mark) >= 0);
        // Verified without a write; the one taken away was never touched.
        for (const QString &device : {serial, other})
            QCOMPARE(run.emulated.transfers(device).filter(QRegularExpression("^(erase|download) ")), QStringList());
    } else if (change == "burst") {
        const int before = run.emulated.runs().size();
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 10; ++i)
            QVERIFY(run.emulated.unplug() && run.emulated.plug());
        const qint64 burstMs = clock.elapsed();
        QTest::qWait(3000); // what the burst started has ended
        // A listing at most every 500 ms while the burst lasts, and the ones
        // that follow it: at its start, the last one and the reads.
        const int listings = run.emulated.runs().mid(before).count("list");
        QVERIFY2(listings <= burstMs / 500 + 3, qPrintable(QStringLiteral("%1 listings in %2 ms").arg(listings).arg(burstMs)));
        // The device is there and offered as what it is, even when the burst
        // cut a read short: it left since, and is read again.
        const QStringList statuses = run.log().filter("Status: ");
        QVERIFY(!statuses.isEmpty());
        QVERIFY2(statuses.last().contains(ready), qPrintable(statuses.last()));
    }
    QTest::qWait(1000); // the last run started has ended
    const int before = run.emulated.runs().size();
    QTest::qWait(quietMs);
    const int runs = run.emulated.runs().size() - before;
    QVERIFY2(runs >= minRuns && runs <= maxRuns, qPrintable(QStringLiteral("%1 dfu-util runs").arg(runs)));
    if (change != "swap") // checkPromises knows one device of ours; the swap's are checked above
        checkPromises(run, embeddedFirmware());
}

// Two stations (two tools, each with its own local history) share one server;
// it is stopped and started again while they run: every record arrives, once.
void TestRealDevice::sharedHistoryGetsEveryRecordOnce()
{
    PostgresServer postgres;
    QVERIFY(postgres.ready);
    QVERIFY(postgres.start());
    QTemporaryDir config; // the settings file both stations read: send again every second
    QVERIFY(QDir().mkpath(config.filePath("velmora-upgrade")));
    {
        QSettings settings(config.filePath("velmora-upgrade/velmora-upgrade.conf"), QSettings::IniFormat);
        settings.setValue("history/resend_seconds", 1);
    }
    Launch launch;
    launch.environment.insert("XDG_CONFIG_HOME", config.path());
    const QStringList arguments{"-l", "--history-server", postgres.conninfo()};
    ToolRun first(Emulated{"upgradable"}, arguments, launch);
    QVERIFY(first.prepared);
    QVERIFY(first.startUpgrade() >= 0);
    QVERIFY(first.waitFor("SM_A: /sig_FwDownloaded") >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(first.emulated.presence().startsWith("absent"), 10000);
    // The second station starts once the first one's window has had its click.
    ToolRun second(Emulated{"up-to-date"}, arguments, launch);
    QVERIFY(second.prepared);
    QVERIFY(second.waitFor("History: the verification of the device with serial") >= 0);

    // The server goes while the device is away; the records made meanwhile wait.
    QVERIFY(postgres.stop());
    QVERIFY(first.emulated.plug());
    QVERIFY(first.waitFor("History: the upgrade of the device with serial") >= 0);
    // Unplugged long enough for the tool to see it gone, then back.
    const int verified = second.waitFor("SM_B: entered B6");
    QVERIFY(verified >= 0);
    QVERIFY(second.emulated.unplug());
    QVERIFY(second.waitFor("SM_B: entered B1", 20000, verified) >= 0);
    QVERIFY(second.emulated.plug());
    QTRY_COMPARE_WITH_TIMEOUT(second.count("History: the verification of the device with serial"), 2, 20000);
    QVERIFY(first.waitFor("The shared history server is unreachable") >= 0);
    QVERIFY(second.waitFor("The shared history server is unreachable") >= 0);

    QVERIFY(postgres.start());
    for (ToolRun *run : {&first, &second}) {
        const int back = run->find("The shared history server is unreachable");
        QVERIFY(back >= 0);
        QVERIFY(run->waitFor("The shared history server is reachable - 0 record(s) wait to be sent", 30000, back) >= 0);
    }
    QCOMPARE(postgres.query("SELECT count(*), count(DISTINCT id) FROM velmora_upgrade_history"), QString("3|3"));
    // What --history reads from the server: both stations' records.
    QStringList outcomes;
    for (const QJsonValue &record : first.historyRecords({"--history-server", postgres.conninfo()}))
        outcomes << record.toObject()["outcome"].toString();
    outcomes.sort();
    QCOMPARE(outcomes, QStringList({"already current", "already current", "verified"}));
}

QTEST_MAIN(TestRealDevice)
#include "tst_realdevice.moc"
