// What the end-to-end tests share: the real velmora-upgrade on a private
// virtual X display, driven as a user would with mouse clicks and key presses
// through xdotool, against a simulated device (simulator mode) or one on the
// emulated USB bus (normal mode, with the embedded dfu-util). What the user
// sees is checked in the routed log lines ("-l" writes them to standard error)
// and in screenshots, which are kept as test artifacts.
#pragma once

#include "describedfirmware.h"
#include "emulatedbus.h"
#include "imagegen.h"
#include "simulatorbus.h"

#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>

#include <csignal>
#include <unistd.h>

inline QString runCommand(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
    }
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

inline QString xdotool(const QStringList &arguments)
{
    return runCommand(XDOTOOL, arguments);
}

// The tool as a shell starts a foreground job: in a process group of its own,
// which Ctrl+C in that terminal signals as a whole.
class JobProcess : public QProcess {
protected:
    void setupChildProcess() override { ::setpgid(0, 0); }
};

// The firmware the tool carries, rebuilt from its description.
inline QByteArray embeddedFirmware()
{
    return describedFirmwareImage();
}

// A device on the emulated USB bus, for a run in the tool's normal mode with
// the real dfu-util: its configuration and velmora-emulator prepare's options.
struct Emulated {
    QString configuration;
    QStringList options{"--fast", "--return-after", "0"};
    // More devices beside it, each as velmora-emulator's prepare arguments
    // ({"up-to-date", "--port", "3", ...}).
    QList<QStringList> more = {};
    // Another run's bus: nothing is prepared, its devices are used as they are.
    QString stateDir = QString();
};

// One run of the tool against one prepared device: a simulated one (simulator
// mode) or one on the emulated USB bus (normal mode, the embedded dfu-util).
// Which build of the tool starts, and environment variables set over the
// sandbox's (TMPDIR, for instance).
struct Launch {
    QString program = VELMORA_EXECUTABLE;
    QMap<QString, QString> environment;
    // "KIND COMMAND": a misbehaving dfu-util run, put in the device's state
    // directory before the tool starts (the simulator and the emulated bus
    // read the same file "fault").
    QString fault;
    // A command the tool is started through, its program first; the tool's
    // path and arguments follow it.
    QStringList wrapper;
};

// A simulated device whose every command is immediate, for runs whose point
// is not how long a write takes.
inline Launch fastDevice()
{
    Launch launch;
    launch.environment.insert("DFU_UTIL_SIMULATOR_FAST", "1");
    return launch;
}

// Writes the fault file into a state directory; false when it cannot.
inline bool putFault(const QString &stateDir, const QString &fault)
{
    if (fault.isEmpty())
        return true;
    QFile file(stateDir + "/fault");
    return file.open(QIODevice::WriteOnly) && file.write(fault.toLatin1() + '\n') > 0;
}

class ToolRun {
public:
    explicit ToolRun(const QString &configuration, const QStringList &arguments = {"-s", "-l"},
                     const Launch &launch = Launch())
        : launch(launch)
    {
        QProcessEnvironment environment = baseEnvironment();
        environment.insert("DFU_UTIL_SIMULATOR_STATE", path("simulator"));
        if (!launch.environment.contains("DFU_UTIL_SIMULATOR_ABSENT_SECONDS"))
            environment.insert("DFU_UTIL_SIMULATOR_ABSENT_SECONDS", "1");
        environment.insert("VELMORA_IMAGEGEN", VELMORA_IMAGEGEN);
        QProcess setup;
        setup.setProcessEnvironment(environment);
        setup.start(SIMULATOR_SCRIPT, {"--dfu-util-command", "setup_prepared_config", configuration});
        setup.waitForFinished(30000);
        prepared = setup.exitCode() == 0 && putFault(path("simulator"), launch.fault);
        start(environment, arguments);
    }

    explicit ToolRun(const Emulated &device, const QStringList &arguments = {"-l"}, const Launch &launch = Launch())
        : emulated(device.stateDir.isEmpty() ? path("bus") : device.stateDir), launch(launch)
    {
        prepared = !device.stateDir.isEmpty()
                   || (emulated.prepare(device.configuration, device.options) && putFault(emulated.stateDir(), launch.fault));
        for (const QStringList &more : device.more)
            prepared = prepared && emulated.emulator(QStringList{"prepare"} + more + QStringList{"--add"}) == 0;
        start(emulated.environment(baseEnvironment()), arguments);
    }

    // The test has seen what it came for: the tool ends at once, and so does
    // whatever it runs (each dfu-util leads a process group of its own). How
    // the tool ends by itself is tested where that is the point; its 2 s pause
    // at the end would only add up here.
    ~ToolRun()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        // Stopped first, so that it starts no child between the two kills.
        ::kill(pid_t(process.processId()), SIGSTOP);
        // A child caught between fork and its own process group is in ours.
        for (const pid_t child : children()) {
            ::kill(-child, SIGKILL);
            ::kill(child, SIGKILL);
        }
        process.kill();
        process.waitForFinished();
    }

    // The processes the tool runs now (each leads a process group of its own).
    QList<pid_t> children()
    {
        QList<pid_t> pids;
        for (const QString &child : runCommand("pgrep", {"-P", QString::number(process.processId())})
                                        .split('\n', Qt::SkipEmptyParts))
            pids << pid_t(child.toLongLong());
        return pids;
    }

    QString path(const QString &name)
    {
        QDir().mkpath(sandbox.filePath(name));
        return sandbox.filePath(name);
    }

    // A termination signal to the tool, or to its whole process group as
    // Ctrl+C in its terminal would send it.
    void signal(int number, bool toTheGroup = false)
    {
        const pid_t pid = pid_t(process.processId());
        ::kill(toTheGroup ? -pid : pid, number);
    }

    // The simulated device's flash, as far as the embedded firmware reaches.
    QByteArray flashStart(int size) { return Bus::flash(path("simulator") + "/current").left(size); }

    Bus bus() { return Bus(path("simulator"), SIMULATOR_SCRIPT, environment); }

    // Its last lines, for a failure message: what it said before it ended
    // (a sanitizer's report of a leak or an error ends there too).
    QString lastLines(int count = 80)
    {
        const QStringList &all = log();
        return all.mid(qMax(0, all.size() - count)).join('\n');
    }

    // Reads what the tool has written so far.
    const QStringList &log()
    {
        buffer += process.readAllStandardError();
        const int end = buffer.lastIndexOf('\n');
        if (end >= 0) {
            lines += QString::fromLocal8Bit(buffer.left(end)).split('\n');
            buffer.remove(0, end + 1);
        }
        return lines;
    }

    // The index of the first line at or after from containing text, or -1. A
    // negative from (a line that was not found) searches from the start.
    int find(const QString &text, int from = 0)
    {
        const QStringList &all = log();
        for (int i = qMax(from, 0); i < all.size(); ++i)
            if (all[i].contains(text))
                return i;
        return -1;
    }

    // Waits until a line containing text appears at or after from; its index.
    int waitFor(const QString &text, int timeoutMs = 60000, int from = 0)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            const int at = find(text, from);
            if (at >= 0 || clock.elapsed() > timeoutMs || process.state() == QProcess::NotRunning)
                return at >= 0 ? at : find(text, from);
            process.waitForReadyRead(100);
        }
    }

    int count(const QString &text)
    {
        return log().filter(text).size();
    }

    // The visible top-level windows of the tool, by title ("" for untitled).
    QStringList windowIds()
    {
        return xdotool({"search", "--onlyvisible", "--pid", QString::number(process.processId())})
            .split('\n', Qt::SkipEmptyParts);
    }

    QString waitForWindow(const QString &title, int timeoutMs = 30000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            const QString id = xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"})
                                   .section('\n', 0, 0);
            if (!id.isEmpty())
                return id;
            QTest::qWait(100);
        }
        return QString();
    }

    QString mainWindow()
    {
        if (mainId.isEmpty())
            mainId = waitForWindow("Velmora Firmware Upgrade Tool");
        return mainId;
    }

    QRect geometry(const QString &window)
    {
        QMap<QString, int> values;
        for (const QString &line : xdotool({"getwindowgeometry", "--shell", window}).split('\n')) {
            values[line.section('=', 0, 0)] = line.section('=', 1).toInt();
        }
        return QRect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]);
    }

    // A click at window coordinates (the window is at scale 1 on this display).
    void click(const QString &window, int x, int y)
    {
        xdotool({"mousemove", "--window", window, QString::number(x), QString::number(y), "click", "1"});
    }

    void clickInstall() { click(mainWindow(), 207 + 125, 417 + 20); }

    // Waits for the upgradable device, clicks install and waits until the
    // firmware is being written; the index of that line, or -1.
    int startUpgrade()
    {
        if (waitFor("SM_B: entered B2") < 0)
            return -1;
        clickInstall();
        return waitFor("SM_A: /sig_FwDownloading", 30000);
    }

    void key(const QString &window, const QString &keys)
    {
        xdotool({"windowfocus", window});
        QTest::qWait(150);
        xdotool({"key", "--clearmodifiers", keys});
    }

    bool finished(int timeoutMs = 20000)
    {
        if (process.state() != QProcess::NotRunning)
            process.waitForFinished(timeoutMs);
        log();
        buffer += process.readAllStandardError();
        if (!buffer.isEmpty())
            lines += QString::fromLocal8Bit(buffer).split('\n');
        return process.state() == QProcess::NotRunning;
    }

    // The history as "velmora-upgrade --history FORMAT" prints it in this
    // run's environment (its own history, or a server named in arguments).
    QString history(const QString &format = "csv", const QStringList &arguments = {}, int *exitCode = nullptr)
    {
        QProcess print;
        print.setProcessEnvironment(environment);
        print.start(VELMORA_EXECUTABLE, QStringList{"--history", format} + arguments);
        print.waitForFinished(30000);
        if (exitCode)
            *exitCode = print.exitStatus() == QProcess::NormalExit ? print.exitCode() : -1;
        return QString::fromUtf8(print.readAllStandardOutput());
    }

    // The history's records as objects (from --history json), newest first.
    QJsonArray historyRecords(const QStringList &arguments = {})
    {
        return QJsonDocument::fromJson(history("json", arguments).toUtf8()).array();
    }

    // The working directory the tool unpacked into, from its log.
    QString workDirectory()
    {
        const int at = find("Changing file permissions to make it executable:");
        return at < 0 ? QString() : QFileInfo(log()[at].section('"', 1, 1)).path();
    }

    QTemporaryDir sandbox;
    JobProcess process;
    bool prepared = false;
    QProcessEnvironment environment;
    EmulatedBus emulated; // the bus of a normal-mode run
    const Launch launch;

private:
    // Everything the tool writes stays in the sandbox.
    QProcessEnvironment baseEnvironment()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", path("tmp"));
        environment.insert("HOME", path("home"));
        environment.insert("XDG_RUNTIME_DIR", path("runtime"));
        environment.insert("XDG_DATA_HOME", path("data"));
        environment.insert("XDG_CONFIG_HOME", path("config"));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        QFile::setPermissions(path("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        for (auto variable = launch.environment.cbegin(); variable != launch.environment.cend(); ++variable)
            environment.insert(variable.key(), variable.value());
        return environment;
    }

    void start(const QProcessEnvironment &environment, const QStringList &arguments)
    {
        this->environment = environment;
        process.setProcessEnvironment(environment);
        if (launch.wrapper.isEmpty())
            process.start(launch.program, arguments);
        else
            process.start(launch.wrapper.first(), launch.wrapper.mid(1) + QStringList{launch.program} + arguments);
    }

    QByteArray buffer;
    QStringList lines;
    QString mainId;
};

// The screen as the user sees it, kept for looking at later.
inline QImage screenshot(const QString &name)
{
    QTest::qWait(300); // let the tool finish painting
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QDir().mkpath(ARTIFACTS_DIR);
    image.save(QString(ARTIFACTS_DIR) + "/" + name + ".png");
    return image;
}

// The share of pixels in area whose colour is close to colour.
inline double share(const QImage &image, const QRect &area, const QColor &colour)
{
    int close = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            close += qAbs(pixel.red() - colour.red()) + qAbs(pixel.green() - colour.green())
                         + qAbs(pixel.blue() - colour.blue())
                     < 40;
        }
    return double(close) / (area.width() * area.height());
}
