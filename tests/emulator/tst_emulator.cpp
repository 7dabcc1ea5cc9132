// Debian's unmodified dfu-util against the emulated boot loader: what it
// prints, the files it writes, its exit codes, and what ends up in the
// device's memories, for our command lines and under each fault.

#include "emulatedbus.h"
#include "describedfirmware.h"

#include <QtTest>

#include <csignal>
#include <dlfcn.h>
#include <libusb.h>
#include <thread>

namespace {

const QString serial = EmulatedBus::serial;

QByteArray transcript(const QString &name)
{
    QFile file(QStringLiteral(TRANSCRIPTS_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing transcript %s", qPrintable(name));
    return file.readAll();
}

// dfu-util's output without its progress bars, whose number of steps depends
// on timing.
QByteArray withoutProgress(const QByteArray &output)
{
    QByteArray result;
    for (const QByteArray &line : output.split('\n')) {
        if (line.contains('%'))
            continue;
        result += line + '\n';
    }
    return result;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QSet<QString> dynamicSymbols(const QString &file, const QString &which)
{
    QProcess nm;
    nm.start("nm", {"-D", which, file});
    nm.waitForFinished(30000);
    QSet<QString> symbols;
    for (const QByteArray &line : nm.readAllStandardOutput().split('\n')) {
        const QString name = QString::fromLatin1(line.simplified()).section(' ', -1).section('@', 0, 0);
        if (name.startsWith("libusb_"))
            symbols << name;
    }
    return symbols;
}

} // namespace

class TestEmulator : public QObject {
    Q_OBJECT

private slots:
    void init();
    void everyFunctionDfuUtilImportsIsThere();
    void answersAsRecorded_data();
    void answersAsRecorded();
    void downloadLeaveAndReadBack();
    void serialSelectsOurDeviceBesideAnother_data();
    void serialSelectsOurDeviceBesideAnother();
    void faults_data();
    void faults();
    void erroredDeviceIsClearedByTheNextRun();
    void deviceComesBackAfterItsTimeAway();
    void hotplugEventsFollowTheBus();
    void killedRunLeavesWhatTheDeviceWrote();
    void runPutsTheEmulatedBusInFront();

private:
    std::unique_ptr<EmulatedBus> bus;
    QTemporaryDir work;
};

void TestEmulator::init()
{
    bus = std::make_unique<EmulatedBus>();
    QVERIFY(work.isValid());
    for (const QString &name : QDir(work.path()).entryList(QDir::Files))
        QFile::remove(work.filePath(name));
}

void TestEmulator::everyFunctionDfuUtilImportsIsThere()
{
    const QSet<QString> imported = dynamicSymbols(DFU_UTIL, "--undefined-only");
    QVERIFY2(imported.size() >= 20, "dfu-util does not import libusb as expected");
    QSet<QString> needed = imported;
    // A dfu-util 0.9 build uses two more.
    needed << "libusb_get_string_descriptor_ascii" << "libusb_set_debug";
    const QSet<QString> exported = dynamicSymbols(QStringLiteral(EMULATOR_LIBRARY_DIR "/libusb-1.0.so.0"), "--defined-only");
    const QSet<QString> missing = needed - exported;
    QVERIFY2(missing.isEmpty(), qPrintable(QStringList(missing.values()).join(' ')));
}

void TestEmulator::answersAsRecorded_data()
{
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("uploadFile");
    QTest::addColumn<int>("uploadSize");

    QTest::newRow("listing") << "0.11-list" << QStringList{"-d", "0483", "-l"} << QString() << 0;
    QTest::newRow("OTP") << "0.11-upload-otp" << QStringList{"-d", "0483", "-a", "2", "-s", "0x1FFF7800:512", "-U", "otp.bin"}
                         << "otp.bin" << 512;
    QTest::newRow("FW info") << "0.11-upload-info"
                             << QStringList{"-d", "0483", "-a", "0", "-s", "0x08000000:2048", "-U", "info.bin"}
                             << "info.bin" << 2048;
    QTest::newRow("version") << "0.11-version" << QStringList{"-V"} << QString() << 0;
}

void TestEmulator::answersAsRecorded()
{
    QFETCH(QString, recorded);
    QFETCH(QStringList, arguments);
    QFETCH(QString, uploadFile);
    QFETCH(int, uploadSize);

    QVERIFY(bus->prepare("upgradable"));
    const DfuRun run = bus->dfuUtil(arguments, work.path());
    QCOMPARE(run.output, transcript(recorded + ".stdout"));
    QCOMPARE(run.errors, transcript(recorded + ".stderr"));
    QCOMPARE(QByteArray::number(run.exitCode) + '\n', transcript(recorded + ".rc"));
    if (!uploadFile.isEmpty()) {
        const QByteArray memory = bus->memory(uploadFile == "otp.bin" ? "otp.bin" : "flash.bin");
        QCOMPARE(readFile(work.filePath(uploadFile)), memory.left(uploadSize));
    }
}

// The tool's write: erase and program, leave boot mode, gone from the bus
// until the user restarts the device, then a read-back of the same bytes.
void TestEmulator::downloadLeaveAndReadBack()
{
    QVERIFY(bus->prepare("upgradable"));
    QByteArray image(70000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 131 + i / 7) & 0xff);
    QVERIFY(writeFile(work.filePath("app.bin"), image));

    const DfuRun download = bus->dfuUtil({"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D", "app.bin"}, work.path());
    QCOMPARE(download.exitCode, 0);
    QCOMPARE(withoutProgress(download.output), withoutProgress(transcript("0.11-download-leave.stdout")));
    QCOMPARE(download.errors, transcript("0.11-download-leave.stderr"));
    QCOMPARE(bus->flash().left(image.size()), image);
    // Four 16 KiB sectors and the 64 KiB one, each erased once, then 35 blocks.
    const QStringList transfers = bus->transfers();
    QCOMPARE(transfers.filter(QRegularExpression("^erase ")),
             (QStringList{"erase 0x08000000", "erase 0x08004000", "erase 0x08008000", "erase 0x0800C000",
                          "erase 0x08010000"}));
    QCOMPARE(transfers.filter(QRegularExpression("^download ")).size(), 35);
    QCOMPARE(transfers.last(), QStringLiteral("leave 0x08000000"));

    // Gone: listed as nothing, and a read finds no device.
    QCOMPARE(bus->presence(), QStringLiteral("absent"));
    const DfuRun absent = bus->dfuUtil({"-d", "0483", "-l"});
    QCOMPARE(absent.output, transcript("0.11-list-absent.stdout"));
    const DfuRun noDevice = bus->dfuUtil({"-d", "0483", "-a", "0", "-s", "0x08000000:2048", "-U", "x.bin"}, work.path());
    QCOMPARE(noDevice.exitCode, 74);
    QCOMPARE(noDevice.errors, transcript("0.11-upload-absent.stderr"));

    // Restarted in boot mode: a new device number.
    QVERIFY(bus->plug());
    QVERIFY(bus->dfuUtil({"-d", "0483", "-l"}).found().first().contains("devnum=6,"));
    const DfuRun readBack = bus->dfuUtil({"-d", "0483", "-a", "0", "-s", "0x08000000:70000", "-U", "back.bin"}, work.path());
    QCOMPARE(readBack.exitCode, 0);
    QCOMPARE(readBack.output, transcript("0.11-upload-full.stdout"));
    QCOMPARE(readFile(work.filePath("back.bin")), image);
}

void TestEmulator::serialSelectsOurDeviceBesideAnother_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QString>("alt");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");

    const QString more = "More than one DFU capable USB device found! Try `--list' and specify the serial number "
                         "or disconnect all but one device";
    QTest::newRow("flash, no serial") << QStringList{} << "0" << 74 << more;
    QTest::newRow("flash, our serial") << QStringList{"-S", serial} << "0" << 0 << QString();
    QTest::newRow("OTP, no serial: the other has no alt 2") << QStringList{} << "2" << 0 << QString();
    QTest::newRow("a serial nobody has") << QStringList{"-S", "0123456789AB"} << "0" << 74
                                         << "No DFU capable USB device available";
}

void TestEmulator::serialSelectsOurDeviceBesideAnother()
{
    QFETCH(QStringList, selection);
    QFETCH(QString, alt);
    QFETCH(int, exitCode);
    QFETCH(QString, error);

    QVERIFY(bus->prepare("unrelated-device"));
    const QStringList listing = bus->dfuUtil({"-d", "0483", "-l"}).found();
    QCOMPARE(listing.size(), 5);
    QCOMPARE(listing.filter(QRegularExpression("^Found DFU: \\[1209:0001\\] ver=0100, .* alt=0, ")).size(), 1);

    const QString address = alt == "0" ? "0x08000000:2048" : "0x1FFF7800:512";
    const DfuRun run = bus->dfuUtil(QStringList{"-d", "0483"} + selection + QStringList{"-a", alt, "-s", address, "-U", "up.bin"},
                                    work.path());
    QCOMPARE(run.exitCode, exitCode);
    if (!error.isEmpty())
        QCOMPARE(run.lastError(), error);
    if (exitCode == 0) {
        const QByteArray expected = alt == "0" ? bus->flash().left(2048) : bus->memory("otp.bin").left(512);
        QCOMPARE(readFile(work.filePath("up.bin")), expected);
    }
    QCOMPARE(bus->transfers("0000A1B2C3D4"), QStringList()); // the other vendor's device, never touched
}

void TestEmulator::faults_data()
{
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("errors");  // the last lines on standard error
    QTest::addColumn<QString>("flashAfter");  // old, image, first N blocks, one byte off
    QTest::addColumn<bool>("presentAfter");

    const int size = describedFirmwareImage().size();
    const QString blocksAt40 = QString("first %1 blocks").arg(size * 2 / 5 / 2048);
    QTest::newRow("reset before the last status") << "leave-status-lost" << "download" << 74
                                                  << QStringList{"Error during download get_status"} << "image" << false;
    QTest::newRow("cable pulled during the download")
        << "unplug-during-download" << "download" << 74
        << QStringList{"dfuse_download: libusb_control_transfer returned -4 (LIBUSB_ERROR_NO_DEVICE)", "Error during download"}
        << blocksAt40 << false;
    QTest::newRow("a write corrupts a byte") << "verify-fails" << "download" << 0 << QStringList{} << "one byte off" << false;
    QTest::newRow("erase fails") << "download-fails" << "download" << 74 << QStringList{"ERASE_PAGE not correctly executed"}
                                 << "old" << true;
    QTest::newRow("OTP read stalls") << "otp-read-fails" << "otp" << 74
                                     << QStringList{"dfuse_upload: libusb_control_transfer returned -9 (LIBUSB_ERROR_PIPE)"}
                                     << "old" << true;
    QTest::newRow("cable pulled during the read-back")
        << "unplug-during-read-back" << "read-back" << 74
        << QStringList{"dfuse_upload: libusb_control_transfer returned -4 (LIBUSB_ERROR_NO_DEVICE)"} << "old" << false;
    QTest::newRow("access refused") << "no-access" << "list" << 0
                                    << QStringList{"Cannot open DFU device 0483:df11 found on devnum 5 (LIBUSB_ERROR_ACCESS)"}
                                    << "old" << true;
    QTest::newRow("access refused, then a read") << "no-access" << "otp" << 74
                                                 << QStringList{"Cannot open DFU device 0483:df11 found on devnum 5 (LIBUSB_ERROR_ACCESS)",
                                                                "No DFU capable USB device available"}
                                                 << "old" << true;
    QTest::newRow("serial unreadable") << "bad-serial" << "list" << 0 << QStringList{} << "old" << true;
    QTest::newRow("two of our devices") << "two-devices" << "otp" << 74
                                        << QStringList{"More than one DFU capable USB device found! Try `--list' and specify "
                                                       "the serial number or disconnect all but one device"}
                                        << "old" << true;
}

void TestEmulator::faults()
{
    QFETCH(QString, configuration);
    QFETCH(QString, command);
    QFETCH(int, exitCode);
    QFETCH(QStringList, errors);
    QFETCH(QString, flashAfter);
    QFETCH(bool, presentAfter);

    QVERIFY(bus->prepare(configuration));
    const QByteArray image = describedFirmwareImage();
    const QByteArray before = bus->flash();
    QVERIFY(writeFile(work.filePath("firmware.bin"), image));

    QStringList arguments{"-d", "0483"};
    if (command == "list")
        arguments << "-l";
    else if (command == "otp")
        arguments << "-a" << "2" << "-s" << "0x1FFF7800:512" << "-U" << "otp.bin";
    else if (command == "download")
        arguments << "-a" << "0" << "-s" << "0x08000000:leave" << "-D" << "firmware.bin";
    else
        arguments << "-a" << "0" << "-s" << QString("0x08000000:%1").arg(image.size()) << "-U" << "back.bin";
    const DfuRun run = bus->dfuUtil(arguments, work.path());
    QCOMPARE(run.exitCode, exitCode);
    QStringList lastLines;
    for (const QByteArray &line : run.errors.trimmed().split('\n'))
        if (!line.isEmpty() && !line.contains("DFU suffix"))
            lastLines << QString::fromLocal8Bit(line).remove("dfu-util: ");
    QCOMPARE(lastLines.mid(qMax(0, lastLines.size() - errors.size())), errors);

    const QByteArray flash = bus->flash();
    if (flashAfter == "old") {
        QCOMPARE(flash, before);
    } else if (flashAfter == "image") {
        QCOMPARE(flash.left(image.size()), image);
    } else if (flashAfter == "one byte off") {
        int differing = 0;
        for (int i = 0; i < image.size(); ++i)
            differing += flash[i] != image[i];
        QCOMPARE(differing, 1);
    } else {
        const int written = flashAfter.section(' ', 1, 1).toInt() * 2048;
        QCOMPARE(flash.left(written), image.left(written));
        // The rest of the erased sectors stays erased: the device is half written.
        QCOMPARE(flash.mid(written, 0x20000 - written), QByteArray(0x20000 - written, '\xff'));
    }
    QCOMPARE(bus->presence().startsWith("present"), presentAfter);

    if (configuration == "bad-serial") {
        QCOMPARE(run.found().size(), 4);
        for (const QString &line : run.found())
            QVERIFY(line.endsWith("serial=\"UNKNOWN\""));
    }
    if (configuration == "no-access")
        QCOMPARE(run.found(), QStringList());
    if (command == "read-back")
        QVERIFY(readFile(work.filePath("back.bin")).size() < image.size());
}

// A failed erase leaves the boot loader in dfuERROR; dfu-util clears it
// before its next transfer.
void TestEmulator::erroredDeviceIsClearedByTheNextRun()
{
    QVERIFY(bus->prepare("download-fails"));
    QVERIFY(writeFile(work.filePath("firmware.bin"), describedFirmwareImage()));
    QCOMPARE(bus->dfuUtil({"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D", "firmware.bin"}, work.path()).exitCode, 74);
    const DfuRun next = bus->dfuUtil({"-d", "0483", "-a", "2", "-s", "0x1FFF7800:512", "-U", "otp.bin"}, work.path());
    QCOMPARE(next.exitCode, 0);
    QVERIFY(next.output.contains("DFU state(10) = dfuERROR, status(4) = Memory erase function failed\nClearing status\n"));
    QCOMPARE(readFile(work.filePath("otp.bin")), bus->memory("otp.bin").left(512));
}

void TestEmulator::deviceComesBackAfterItsTimeAway()
{
    QVERIFY(bus->prepare("upgradable", {"--fast", "--return-after", "0.5"}));
    QVERIFY(writeFile(work.filePath("firmware.bin"), describedFirmwareImage()));
    QCOMPARE(bus->dfuUtil({"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D", "firmware.bin"}, work.path()).exitCode, 0);
    QTRY_VERIFY_WITH_TIMEOUT(bus->dfuUtil({"-d", "0483", "-l"}).found().size() == 4, 10000);
    QVERIFY(bus->dfuUtil({"-d", "0483", "-l"}).found().first().contains("devnum=6,"));
}

// A program that watches the bus (the tool) through our library's hotplug
// functions learns of every departure and arrival, a device's return after its
// time away included, and nothing of its memories being written.
void TestEmulator::hotplugEventsFollowTheBus()
{
    QVERIFY(bus->prepare("upgradable", {"--fast", "--return-after", "1"}));
    void *library = dlopen(EMULATOR_LIBRARY_DIR "/libusb-1.0.so.0", RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(library, dlerror());
    const auto resolve = [library](auto *&pointer, const char *name) {
        pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(dlsym(library, name));
        return pointer != nullptr;
    };
    struct Watch {
        decltype(&libusb_get_device_address) address = nullptr;
        QStringList events; // "left 5", "arrived 6": the event and the device number
    } watch;
    decltype(&libusb_init) init = nullptr;
    decltype(&libusb_exit) exit = nullptr;
    decltype(&libusb_has_capability) capable = nullptr;
    decltype(&libusb_hotplug_register_callback) registerCallback = nullptr;
    decltype(&libusb_handle_events_timeout_completed) handleEvents = nullptr;
    decltype(&libusb_interrupt_event_handler) interrupt = nullptr;
    QVERIFY(resolve(init, "libusb_init") && resolve(exit, "libusb_exit") && resolve(capable, "libusb_has_capability")
            && resolve(registerCallback, "libusb_hotplug_register_callback")
            && resolve(handleEvents, "libusb_handle_events_timeout_completed")
            && resolve(interrupt, "libusb_interrupt_event_handler")
            && resolve(watch.address, "libusb_get_device_address"));

    qputenv("VELMORA_EMULATOR_STATE", bus->stateDir().toLocal8Bit());
    libusb_context *context = nullptr;
    QCOMPARE(init(&context), 0);
    QCOMPARE(capable(LIBUSB_CAP_HAS_HOTPLUG), 1);
    const auto record = [](libusb_context *, libusb_device *device, libusb_hotplug_event event, void *to) {
        auto *watch = static_cast<Watch *>(to);
        watch->events << QStringLiteral("%1 %2")
                             .arg(event == LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED ? "arrived" : "left")
                             .arg(watch->address(device));
        return 0;
    };
    int handle = 0;
    QCOMPARE(registerCallback(context, LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED | LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT, 0,
                              0x0483, 0xdf11, LIBUSB_HOTPLUG_MATCH_ANY, record, &watch, &handle),
             0);
    const auto handleFor = [&](int ms) {
        QElapsedTimer clock;
        clock.start();
        timeval wait{0, 100000};
        while (clock.elapsed() < ms)
            handleEvents(context, &wait, nullptr);
    };

    // A write changes the memories only; the cable pulled is a departure, the
    // device plugged in again an arrival with a new device number.
    QVERIFY(writeFile(work.filePath("firmware.bin"), describedFirmwareImage()));
    QCOMPARE(bus->dfuUtil({"-d", "0483", "-a", "0", "-s", "0x08000000", "-D", "firmware.bin"}, work.path()).exitCode, 0);
    handleFor(300);
    QCOMPARE(watch.events, QStringList());
    QVERIFY(bus->unplug());
    handleFor(300);
    QCOMPARE(watch.events, QStringList{"left 5"});
    QVERIFY(bus->plug());
    handleFor(300);
    QCOMPARE(watch.events, (QStringList{"left 5", "arrived 6"}));
    // Leaving boot mode after a write, it is back by itself after its time away.
    QCOMPARE(bus->dfuUtil({"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D", "firmware.bin"}, work.path()).exitCode,
             0);
    handleFor(300);
    QCOMPARE(watch.events, (QStringList{"left 5", "arrived 6", "left 6"}));
    handleFor(1500);
    QCOMPARE(watch.events, (QStringList{"left 5", "arrived 6", "left 6", "arrived 7"}));
    // Another device of ours plugged in beside it.
    QVERIFY(bus->prepare("up-to-date", {"--fast", "--return-after", "0", "--serial", "3276356C3240", "--add"}));
    handleFor(300);
    QCOMPARE(watch.events.size(), 5);
    QVERIFY(watch.events.last().startsWith("arrived "));

    // Waiting without a time limit ends when another thread interrupts it.
    std::thread interrupter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        interrupt(context);
    });
    QCOMPARE(handleEvents(context, nullptr, nullptr), 0);
    interrupter.join();
    exit(context);

    // A system without hotplug events.
    qputenv("VELMORA_EMULATOR_NO_HOTPLUG", "1");
    QCOMPARE(init(&context), 0);
    QCOMPARE(capable(LIBUSB_CAP_HAS_HOTPLUG), 0);
    QCOMPARE(registerCallback(context, LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED, 0, 0x0483, 0xdf11,
                              LIBUSB_HOTPLUG_MATCH_ANY, record, &watch, &handle),
             int(LIBUSB_ERROR_NOT_SUPPORTED));
    exit(context);
    qunsetenv("VELMORA_EMULATOR_NO_HOTPLUG");
    qunsetenv("VELMORA_EMULATOR_STATE");
    dlclose(library);
}

// With a real device's timing, dfu-util killed in the middle of the write:
// every block the device was sent is in flash, the rest of what it erased is
// blank, and the next run recovers the boot loader and writes it all.
void TestEmulator::killedRunLeavesWhatTheDeviceWrote()
{
    QVERIFY(bus->prepare("upgradable", {"--return-after", "0"}));
    const QByteArray image = describedFirmwareImage();
    QVERIFY(writeFile(work.filePath("firmware.bin"), image));

    QProcess process;
    process.setProcessEnvironment(bus->environment());
    process.setWorkingDirectory(work.path());
    process.start(DFU_UTIL, {"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D", "firmware.bin"});
    QVERIFY(process.waitForStarted());
    // Past the erase of the first sectors, into the writing.
    QTRY_VERIFY_WITH_TIMEOUT(bus->transfers().filter("download ").size() >= 5, 20000);
    ::kill(pid_t(process.processId()), SIGKILL);
    QVERIFY(process.waitForFinished(10000));

    const QStringList written = bus->transfers().filter("download ");
    QVERIFY(written.size() < image.size() / 2048);
    const QByteArray flash = bus->flash();
    int end = written.size() * 2048;
    // The kill may land after a block reached the flash and before it was logged.
    if (flash.mid(end, 2048) == image.mid(end, 2048))
        end += 2048;
    QCOMPARE(flash.left(end), image.left(end));
    QCOMPARE(flash.mid(end, 0x20000 - end), QByteArray(0x20000 - end, '\xff'));

    // The same device, now answering at once.
    QFile conf(bus->device() + "/device.conf");
    QVERIFY(conf.open(QIODevice::ReadWrite));
    const QByteArray fast = conf.readAll().replace("timing=real", "timing=fast");
    QVERIFY(conf.resize(0) && conf.write(fast) == fast.size());
    conf.close();
    const DfuRun again = bus->dfuUtil({"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D", "firmware.bin"}, work.path());
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(bus->flash().left(image.size()), image);
}

// "velmora-emulator run" as the README shows it: the program finds the bus
// without any environment of its own; without the bus, dfu-util sees nothing.
void TestEmulator::runPutsTheEmulatedBusInFront()
{
    QVERIFY(bus->prepare("upgradable"));
    QProcess run;
    QProcessEnvironment clean = QProcessEnvironment::systemEnvironment();
    clean.remove("LD_LIBRARY_PATH");
    clean.remove("VELMORA_EMULATOR_STATE");
    run.setProcessEnvironment(clean);
    run.start(EMULATOR_COMMAND, {"--state", bus->stateDir(), "run", DFU_UTIL, "-d", "0483", "-l"});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 0);
    QCOMPARE(run.readAllStandardOutput(), transcript("0.11-list.stdout"));

    QProcess noBus;
    QProcessEnvironment withoutState = bus->environment(clean);
    withoutState.remove("VELMORA_EMULATOR_STATE");
    noBus.setProcessEnvironment(withoutState);
    noBus.start(DFU_UTIL, {"-d", "0483", "-l"});
    QVERIFY(noBus.waitForFinished(30000));
    QCOMPARE(noBus.readAllStandardOutput(), transcript("0.11-list-absent.stdout"));
}

QTEST_GUILESS_MAIN(TestEmulator)
#include "tst_emulator.moc"
