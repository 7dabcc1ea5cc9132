// The tool as a station (--station) against several emulated devices at once,
// through its embedded dfu-util: each device ends in its own truthful state,
// every dfu-util run names its device by path and serial, and a second tool
// on the same bus never touches a device the first one is writing.

#include "toolrun.h"

#include <QSysInfo>

namespace {

const QString shared = EmulatedBus::serial; // two devices answer to it

struct Device {
    QString folder; // in the bus's state directory
    QString serial;
    QString path;
    QString state;    // the row's last state, as logged
    bool written;     // its flash was written (once)
    bool holdsImage;  // its flash holds the embedded image at the end
    QString recorded; // the history's outcome; "" for no record
};

// Every run that names a device names it by path and serial.
void checkAddressing(ToolRun &run)
{
    const QStringList runs = run.log().filter("\"-S\"");
    QVERIFY(!runs.isEmpty());
    for (const QString &line : runs)
        QVERIFY2(line.contains(QRegularExpression("\"-d\", \"0483\", \"-p\", \"1-\\d+\", \"-S\", ")), qPrintable(line));
}

} // namespace

class TestStation : public QObject {
    Q_OBJECT

private slots:
    void everyDeviceEndsInItsOwnTruth();
    void secondToolLeavesABusyDeviceAlone_data();
    void secondToolLeavesABusyDeviceAlone();
    void deviceResettingInAListingIsNotRefused();
    void endsOnlyAfterItsWrites_data();
    void endsOnlyAfterItsWrites();
};

// Six devices attached at once, upgraded with --auto: two share a serial on
// two paths, one is another product, one has an empty OTP, one is up to date,
// and the cable of one comes out during its write.
void TestStation::everyDeviceEndsInItsOwnTruth()
{
    Emulated devices{"upgradable", {"--fast", "--return-after", "0.5", "--port", "2"}};
    devices.more = {
        {"upgradable", "--fast", "--return-after", "0.5", "--port", "3"},
        {"other-product", "--fast", "--port", "4", "--serial", "206F39A54E42"},
        {"blank-otp", "--fast", "--port", "5", "--serial", "306F39A54E43"},
        {"up-to-date", "--fast", "--port", "6", "--serial", "406F39A54E44"},
        {"unplug-during-download", "--fast", "--return-after", "0", "--port", "7", "--serial", "506F39A54E45"},
    };
    const QList<Device> expected{
        {shared + "@1-2", shared, "1-2", "done", true, true, "verified"},
        {shared + "@1-3", shared, "1-3", "done", true, true, "verified"},
        {"206F39A54E42@1-4", "206F39A54E42", "1-4", "refused (another product (T4))", false, false, ""},
        {"306F39A54E43@1-5", "306F39A54E43", "1-5", "refused (empty OTP", false, false, ""},
        {"406F39A54E44@1-6", "406F39A54E44", "1-6", "done", false, true, "already current"},
        {"506F39A54E45@1-7", "506F39A54E45", "1-7", "differs", true, false, "differs"},
    };
    ToolRun run(devices, {"-l", "--station", "--auto"});
    QVERIFY(run.prepared);
    QVERIFY(!run.waitForWindow("Velmora Firmware Upgrade: Station").isEmpty());

    // The pulled cable: the row waits for the device; plugged in again, it is read back.
    QVERIFY(run.waitFor("Station: 506F39A54E45 at 1-7: the write ended with exit code 74") >= 0);
    screenshot("station-writing");
    QVERIFY(run.emulated.plug("506F39A54E45@1-7"));
    for (const Device &device : expected)
        QVERIFY2(run.waitFor(QStringLiteral("Station: %1 at %2: %3").arg(device.serial, device.path, device.state)) >= 0,
                 qPrintable(device.folder + " never reached " + device.state));
    screenshot("station-end");

    const QByteArray firmware = embeddedFirmware();
    const int blocks = (firmware.size() + 2047) / 2048;
    for (const Device &device : expected) {
        const QStringList transfers = run.emulated.transfers(device.folder);
        const QStringList writes = transfers.filter(QRegularExpression("^download "));
        if (device.written)
            QCOMPARE(transfers.filter("leave ").size(), device.holdsImage ? 1 : 0); // a pulled cable: no leave
        else
            QCOMPARE(writes, QStringList());
        if (device.written && device.holdsImage)
            QCOMPARE(writes.size(), blocks); // written once
        QCOMPARE(run.emulated.flash(device.folder).left(firmware.size()) == firmware, device.holdsImage);
    }
    checkAddressing(run);

    // One record per attempt and per verification, each of its own device.
    QStringList records;
    for (const QJsonValue &value : run.historyRecords()) {
        const QJsonObject record = value.toObject();
        QCOMPARE(record["station"].toString(), QSysInfo::machineHostName());
        records << QStringLiteral("%1 %2 %3").arg(record["serial"].toString(), record["usb_path"].toString(),
                                                 record["outcome"].toString());
    }
    QStringList wanted;
    for (const Device &device : expected)
        if (!device.recorded.isEmpty())
            wanted << QStringLiteral("%1 %2 %3").arg(device.serial, device.path, device.recorded);
    records.sort();
    wanted.sort();
    QCOMPARE(records, wanted);
}

// A station writes a device at a real device's pace; a second tool on the
// same bus, started during that write, shows it busy and never touches it.
void TestStation::secondToolLeavesABusyDeviceAlone_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("busy"); // what the second tool says of it
    QTest::newRow("another station") << QStringList{"-l", "--station", "--auto"}
                                     << "Station: " + shared + " at 1-2: busy (another upgrade tool is using it)";
    QTest::newRow("a guided window") << QStringList{"-l"}
                                     << "Status: Another upgrade tool (a station or another window) is using the device.";
}

void TestStation::secondToolLeavesABusyDeviceAlone()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, busy);
    ToolRun first(Emulated{"upgradable", {"--return-after", "1", "--port", "2"}}, {"-l", "--station", "--auto"});
    QVERIFY(first.prepared);
    QVERIFY(first.waitFor("Station: " + shared + " at 1-2: ready") >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(first.emulated.transfers(shared + "@1-2").filter("download ").size() >= 5, 30000);

    Launch beside;
    beside.environment.insert("XDG_RUNTIME_DIR", first.path("runtime"));
    ToolRun second(Emulated{QString(), {}, {}, first.emulated.stateDir()}, arguments, beside);
    QVERIFY(second.waitFor(busy) >= 0);
    QVERIFY(first.waitFor("Station: " + shared + " at 1-2: done", 60000) >= 0);
    QTest::qWait(2000); // whatever the second tool was going to do
    const QStringList transfers = first.emulated.transfers(shared + "@1-2");
    QCOMPARE(transfers.filter("leave ").size(), 1);
    // The second tool's only look at the device was the listing: every read
    // is the first tool's (its two identifications and its read-back).
    QCOMPARE(transfers.filter(QRegularExpression("^upload ")).size(), 4 + (embeddedFirmware().size() + 2047) / 2048);
    screenshot(QStringLiteral("station-busy-beside-%1").arg(arguments.contains("--station") ? "station" : "window"));
}

// A listing that catches a device resetting (enumerated, then gone when
// dfu-util opens it: "Cannot open ... (LIBUSB_ERROR_NO_DEVICE)") shows no
// device that cannot be opened: the next listing shows where it is.
void TestStation::deviceResettingInAListingIsNotRefused()
{
    ToolRun run(Emulated{"upgradable", {"--fast", "--port", "2"}}, {"-l", "--station"});
    QVERIFY(run.prepared);
    QVERIFY(run.waitFor("Station: " + shared + " at 1-2: ready") >= 0);
    QVERIFY(putFault(run.emulated.stateDir(), "vanish list"));
    // Another device arrives: the listing it starts meets the fault.
    QVERIFY(run.emulated.prepare("upgradable", {"--add", "--fast", "--port", "3", "--serial", "206F39A54E42"}));
    QVERIFY(run.waitFor("Station: 206F39A54E42 at 1-3: ready") >= 0);
    QVERIFY(QFile::exists(run.emulated.stateDir() + "/fault.done"));
    QTest::qWait(1500); // another listing or two
    QCOMPARE(run.count("cannot be opened"), 0);
    QCOMPARE(run.log().filter(QRegularExpression("Station: .*: refused")), QStringList());
}

// Q, closing the window or a termination signal while a device is written:
// asked (or logged) once, the write runs to its end and only then does the
// tool end. The device, away after its write, is recorded as written but not
// verified.
void TestStation::endsOnlyAfterItsWrites_data()
{
    QTest::addColumn<QString>("how");    // "TERM", a key, or "close"
    QTest::addColumn<QString>("answer"); // keys for the question; "" when none is asked
    QTest::addColumn<QString>("logged");
    const QString ending = "Station: ending once the running writes are finished";
    QTest::newRow("termination signal")
        << "TERM" << ""
        << "Termination signal received (TERM): 1 device(s) are being written; the tool ends once the writes are "
           "finished";
    QTest::newRow("Q, end after the writes") << "q" << "alt+e" << ending;
    QTest::newRow("closing the window, end after the writes") << "close" << "alt+e" << ending;
    QTest::newRow("Q, keep working") << "q" << "Return" << "Station: end declined";
}

void TestStation::endsOnlyAfterItsWrites()
{
    QFETCH(QString, how);
    QFETCH(QString, answer);
    QFETCH(QString, logged);
    ToolRun run(Emulated{"upgradable", {"--return-after", "0", "--port", "2"}}, {"-l", "--station", "--auto"});
    QVERIFY(run.prepared);
    const QString window = run.waitForWindow("Velmora Firmware Upgrade: Station");
    QVERIFY(!window.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(run.emulated.transfers(shared + "@1-2").filter("download ").size() >= 5, 30000);
    if (how == "TERM")
        run.signal(SIGTERM);
    else if (how == "close")
        QCOMPARE(runCommand(XCLOSE, {window}), QString());
    else
        run.key(window, how);
    if (!answer.isEmpty()) {
        const QString box = run.waitForWindow("Devices are being written", 10000);
        QVERIFY2(!box.isEmpty(), "no question while a device is written");
        if (how == "close")
            screenshot("station-asks-before-ending");
        run.key(box, answer);
    }
    QVERIFY(run.waitFor(logged) >= 0);
    if (answer == "Return") { // kept working: the station stays after the write
        QVERIFY(run.waitFor("Station: " + shared + " at 1-2: the write ended with exit code 0", 60000) >= 0);
        QVERIFY(!run.finished(1000));
        run.key(window, "q"); // nothing is written now: no question
    }
    QVERIFY(run.finished(60000));
    QVERIFY2(run.process.exitCode() == 0, qPrintable(run.lastLines()));
    QCOMPARE(run.count(logged), 1);
    QCOMPARE(run.emulated.transfers(shared + "@1-2").filter("leave ").size(), 1);
    QCOMPARE(run.emulated.flash(shared + "@1-2").left(embeddedFirmware().size()), embeddedFirmware());
    const QJsonArray records = run.historyRecords();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().toObject()["outcome"].toString(), QString("written but not verified"));
}

QTEST_MAIN(TestStation)
#include "tst_station.moc"
