// How the tool compares with what it waits for, each figure measured side by
// side in one run against the emulated device with a real device's timing:
//   start-up to the window shown      against a minimal Qt program's window
//   a device's arrival to its status  against dfu-util's own three reads plus 100 ms
//   click to "Done"                   against the device's own time (write, time away, re-read, read-back)
//   click to the start of the write
//   idle cost, USB hotplug events     the tool and its dfu-util children, without a device and
//                                     with one waiting for the click, against polling (no events)
//   memory over upgrade cycles
// Run on an X display (xvfb-run -a build/bench/bench_feedback [FILE [SECTIONS]]);
// writes bench/results/feedback-DATE.txt unless given another file. SECTIONS
// (comma-separated: startup, arrival, upgrade, idle, memory) picks some.

#include "device.h"
#include "emulatedbus.h"
#include "resultfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <X11/Xlib.h>

#include <algorithm>
#include <poll.h>
#include <unistd.h>

namespace {

const QString title = "Velmora Firmware Upgrade Tool";
const QString serial = EmulatedBus::serial;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// Top-level windows being mapped on the display.
class MapWatcher {
public:
    MapWatcher() : display(XOpenDisplay(nullptr))
    {
        if (!display)
            qFatal("no X display: run under xvfb-run");
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
    }
    ~MapWatcher() { XCloseDisplay(display); }

    void drain()
    {
        XSync(display, False);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
    }

    bool waitForMap(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == MapNotify)
                    return true;
            }
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            ::poll(&fd, 1, 2);
        }
        return false;
    }

private:
    Display *const display;
};

// One run of the tool whose log lines are time-stamped as they arrive.
class ToolRun {
public:
    // On the emulated bus, or (without one) as on a machine without it; with
    // hotplug false the bus has no USB events, as a system without udev.
    ToolRun(const EmulatedBus *bus, const QString &sandbox, bool hotplug = true)
    {
        QProcessEnvironment environment = bus ? bus->environment() : QProcessEnvironment::systemEnvironment();
        if (!hotplug)
            environment.insert("VELMORA_EMULATOR_NO_HOTPLUG", "1");
        environment.insert("TMPDIR", sandbox);
        environment.insert("HOME", sandbox);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        process.setProcessEnvironment(environment);
        clock.start();
        process.start(VELMORA_EXECUTABLE, {"-l"});
    }
    ~ToolRun()
    {
        process.terminate();
        if (!process.waitForFinished(20000))
            process.kill();
        process.waitForFinished();
    }

    // The time since the start at which a line holding text arrived (looking
    // from line from on), -1 after timeoutMs; index gets the line's index.
    qint64 waitFor(const QString &text, int timeoutMs, int from = 0, int *index = nullptr)
    {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            for (int i = from; i < lines.size(); ++i)
                if (lines[i].contains(text)) {
                    if (index)
                        *index = i;
                    return arrival[i];
                }
            from = std::max(from, int(lines.size()));
            if (waited.elapsed() > timeoutMs || process.state() == QProcess::NotRunning)
                return -1;
            process.waitForReadyRead(2);
            read();
        }
    }

    // The time since the start at which the tool had a child process whose
    // command line holds needle (dfu-util writing, say), -1 after timeoutMs;
    // the tool's log lines keep being read meanwhile.
    qint64 waitForChild(const QByteArray &needle, int timeoutMs)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMs) {
            process.waitForReadyRead(0); // log lines first: each gets the earliest time stamp
            read();
            for (const QString &task : QDir(QString("/proc/%1/task").arg(pid())).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                QFile children(QString("/proc/%1/task/%2/children").arg(pid()).arg(task));
                if (!children.open(QIODevice::ReadOnly))
                    continue;
                for (const QByteArray &child : children.readAll().split(' ')) {
                    QFile commandLine("/proc/" + QString::fromLatin1(child.trimmed()) + "/cmdline");
                    if (!child.trimmed().isEmpty() && commandLine.open(QIODevice::ReadOnly)
                        && commandLine.readAll().contains(needle))
                        return clock.elapsed();
                }
            }
            QThread::usleep(200);
        }
        return -1;
    }

    qint64 now() const { return clock.elapsed(); }
    qint64 pid() const { return process.processId(); }
    int lineCount()
    {
        read();
        return lines.size();
    }

private:
    void read()
    {
        buffer += process.readAllStandardError();
        int end;
        while ((end = buffer.indexOf('\n')) >= 0) {
            lines << QString::fromLocal8Bit(buffer.left(end));
            arrival << clock.elapsed();
            buffer.remove(0, end + 1);
        }
    }

    QProcess process;
    QElapsedTimer clock;
    QByteArray buffer;
    QStringList lines;
    QList<qint64> arrival;
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

void clickInstall()
{
    const QString window = run("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', 0, 0);
    run("xdotool", {"mousemove", "--window", window, "332", "437", "click", "1"});
}

// A dfu-util run of the device's own, in milliseconds.
double timed(const EmulatedBus &bus, const QStringList &arguments, const QString &workDir)
{
    QElapsedTimer clock;
    clock.start();
    const DfuRun result = bus.dfuUtil(arguments, workDir);
    if (result.exitCode != 0)
        qWarning() << "dfu-util" << arguments << "exit" << result.exitCode << result.errors;
    return clock.nsecsElapsed() / 1e6;
}

QStringList dfu(const QStringList &rest)
{
    return QStringList{"-d", "0483", "-S", serial} + rest;
}

// The three reads that identify a device, run directly.
double directReadsMs(const EmulatedBus &bus, const QString &work)
{
    QFile::remove(work + "/otp.bin");
    QFile::remove(work + "/info.bin");
    return timed(bus, {"-d", "0483", "-l"}, work)
           + timed(bus, dfu({"-a", "2", "-s", "0x1FFF7800:512", "-U", "otp.bin"}), work)
           + timed(bus, dfu({"-a", "0", "-s", "0x08000000:2048", "-U", "info.bin"}), work);
}

long rssKiB(qint64 pid)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// User and system time of the process and of its ended children, in clock ticks.
QPair<long, long> cpuTicks(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {-1, -1};
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    // After the name: state is field 3, utime 14, stime 15, cutime 16, cstime 17.
    return {fields[11].toLong() + fields[12].toLong(), fields[13].toLong() + fields[14].toLong()};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ResultFile result("feedback", argc, argv);
    auto say = [&result](const QString &line) { result.say(line); };
    QTemporaryDir sandbox;
    const QString work = sandbox.path();
    say(QString("velmora-upgrade feedback benchmark, %1").arg(QDateTime::currentDateTime().toString(Qt::ISODate)));

    const QStringList sections = argc > 2 ? QString(argv[2]).split(',')
                                          : QStringList{"startup", "arrival", "upgrade", "idle", "memory"};

    // 1. Start-up to the window shown, alternating with the minimal program.
    if (sections.contains("startup")) {
        MapWatcher watcher;
        QList<double> tool, minimal;
        for (int i = 0; i < 15; ++i) {
            for (bool isTool : {true, false}) {
                watcher.drain();
                QElapsedTimer clock;
                clock.start();
                std::unique_ptr<ToolRun> toolRun;
                QProcess reference;
                if (isTool) {
                    toolRun = std::make_unique<ToolRun>(nullptr, work); // the real libusb, no device
                } else {
                    reference.start(MINIMAL_WINDOW, QStringList());
                }
                if (!watcher.waitForMap(20000))
                    qFatal("no window was shown");
                (isTool ? tool : minimal) << clock.nsecsElapsed() / 1e6;
                if (!isTool) {
                    reference.kill();
                    reference.waitForFinished();
                }
            }
        }
        say(QString("start-up to the window shown: tool %1 ms, minimal Qt window %2 ms (medians of %3): ratio %4 (goal <= 1.25)")
                .arg(median(tool), 0, 'f', 0).arg(median(minimal), 0, 'f', 0).arg(tool.size())
                .arg(median(tool) / median(minimal), 0, 'f', 2));
    }

    // 2. A device's arrival to the status line naming it, against the three
    // reads run directly plus 100 ms.
    if (sections.contains("arrival")) {
        QList<double> detection, direct;
        for (int i = 0; i < 5; ++i) {
            EmulatedBus bus(work + QString("/arrive%1").arg(i));
            bus.prepare("upgradable", {"--return-after", "0"});
            const std::string state = QFile::encodeName(bus.stateDir()).toStdString();
            const std::string folder = QFile::encodeName(bus.device()).toStdString();
            direct << directReadsMs(bus, work) + 100;
            emulator::leaveBus(state, folder, 0);
            ToolRun tool(&bus, work);
            tool.waitFor("Starting sm_A", 20000);
            QThread::msleep(1500 + 97 * i); // idle for a while
            const qint64 plugged = tool.now();
            emulator::plugIn(state, folder);
            const qint64 shown = tool.waitFor("Status: Connected to a T30 with firmware version C2", 20000);
            if (shown < 0)
                qFatal("the device was not shown");
            detection << double(shown - plugged);
        }
        say(QString("arrival to the status line: %1 ms, direct reads plus 100 ms %2 ms (medians of %3): ratio %4 (goal <= 1)")
                .arg(median(detection), 0, 'f', 0).arg(median(direct), 0, 'f', 0).arg(detection.size())
                .arg(median(detection) / median(direct), 0, 'f', 2));
    }

    // 3. Click to "Done" against the device's own time, and click to the
    // start of the write; the device is away 2 s after leaving boot mode.
    if (sections.contains("upgrade")) {
        QList<double> toolTimes, deviceTimes, startLatency;
        const QString firmware = QString(RESOURCE_DIR) + "/firmware.bin";
        QFile::copy(firmware, work + "/firmware.bin");
        for (int i = 0; i < 3; ++i) {
            EmulatedBus bus(work + QString("/upgrade%1").arg(i));
            bus.prepare("upgradable", {"--return-after", "2"});
            ToolRun tool(&bus, work);
            int at = 0;
            if (tool.waitFor("Status: Connected to a T30 with firmware version C2", 30000) < 0)
                qFatal("no upgradable device");
            QThread::msleep(1300); // into the worker's pause between looks at the device
            clickInstall();
            // From the click, as the tool logs it on handling it, to dfu-util running.
            const qint64 started = tool.waitForChild("0x08000000:leave", 10000);
            const qint64 clicked = tool.waitFor("Info: Install clicked", 10000, 0, &at);
            const qint64 done = tool.waitFor("SM_B: entered B6", 60000, at);
            if (clicked < 0 || started < 0 || done < 0)
                qFatal("the upgrade did not end in Done");
            toolTimes << double(done - clicked);
            startLatency << double(started - clicked);

            // The same device's own time, directly: write, away, re-read, read-back.
            EmulatedBus again(work + QString("/direct%1").arg(i));
            again.prepare("upgradable", {"--return-after", "2"});
            double device = timed(again, dfu({"-a", "0", "-s", "0x08000000:leave", "-D", "firmware.bin"}), work) + 2000;
            QThread::msleep(2100);
            device += directReadsMs(again, work);
            QFile::remove(work + "/back.bin");
            device += timed(again, dfu({"-a", "0", "-s", QString("0x08000000:%1").arg(QFileInfo(firmware).size()), "-U", "back.bin"}), work);
            deviceTimes << device;
        }
        say(QString("click to \"Done\": %1 ms, the device's own time %2 ms (medians of %3): ratio %4 (goal <= 1.05)")
                .arg(median(toolTimes), 0, 'f', 0).arg(median(deviceTimes), 0, 'f', 0).arg(toolTimes.size())
                .arg(median(toolTimes) / median(deviceTimes), 0, 'f', 3));
        say(QString("click to the start of the write: %1 ms (median, from the tool's click line to dfu-util running; goal < 100 ms)")
                .arg(median(startLatency), 0, 'f', 0));
    }

    // 4. Idle cost over 60 s, the tool and its dfu-util children together:
    // with USB hotplug events, without a device and with one waiting for the
    // click; and without events (polling), as on a system without udev.
    if (sections.contains("idle")) {
        struct Case {
            QString name, configuration, settled;
            bool hotplug;
        };
        const QList<Case> cases{
            {"no device, hotplug events", "no-device", "Device detection: USB hotplug events", true},
            {"a device waiting for the click, hotplug events", "upgradable",
             "Status: Connected to a T30 with firmware version C2", true},
            {"no device, polling (no hotplug events)", "no-device", "Device detection: listing every", false},
        };
        const long hz = sysconf(_SC_CLK_TCK);
        for (int i = 0; i < cases.size(); ++i) {
            const Case &idle = cases[i];
            EmulatedBus bus(work + "/idle-" + QString::number(i));
            bus.prepare(idle.configuration, {"--return-after", "0"});
            ToolRun tool(&bus, work, idle.hotplug);
            if (tool.waitFor(idle.settled, 30000) < 0)
                qFatal("the tool did not settle: %s", qPrintable(idle.name));
            QThread::msleep(3000);
            const auto before = cpuTicks(tool.pid());
            QElapsedTimer clock;
            clock.start();
            QThread::msleep(60000);
            const auto after = cpuTicks(tool.pid());
            const double seconds = clock.nsecsElapsed() / 1e9;
            const double own = 100.0 * (after.first - before.first) / hz / seconds;
            const double children = 100.0 * (after.second - before.second) / hz / seconds;
            say(QString("idle over 60 s, %1: %2 % of one core, the tool %3 % and its dfu-util runs %4 %%5")
                    .arg(idle.name).arg(own + children, 0, 'f', 3).arg(own, 0, 'f', 3).arg(children, 0, 'f', 3)
                    .arg(idle.hotplug ? " (goal <= 0.05)" : ""));
        }
    }

    // 5. Memory over 20 upgrade cycles, each with another device.
    if (sections.contains("memory")) {
        EmulatedBus bus(work + "/cycles");
        bus.prepare("no-device");
        ToolRun tool(&bus, work);
        tool.waitFor("Starting sm_A", 20000);
        long first = 0, last = 0;
        int from = 0;
        for (int cycle = 1; cycle <= 20; ++cycle) {
            const QString cycleSerial = QString("C0FFEE%1").arg(cycle, 6, 10, QChar('0'));
            bus.emulator({"prepare", "upgradable", "--fast", "--return-after", "0.3", "--serial", cycleSerial});
            if (tool.waitFor("SM_B: entered B2", 30000, from, &from) < 0)
                qFatal("cycle %d: no upgradable device", cycle);
            QThread::msleep(200);
            clickInstall();
            if (tool.waitFor("SM_B: entered B6", 60000, from, &from) < 0)
                qFatal("cycle %d: no Done", cycle);
            ++from;
            const long rss = rssKiB(tool.pid());
            if (cycle == 1)
                first = rss;
            last = rss;
        }
        say(QString("memory over 20 upgrade cycles: %1 KiB after the first, %2 KiB after the last: %3 KiB more (goal <= 1024)")
                .arg(first).arg(last).arg(last - first));
    }
    return 0;
}
