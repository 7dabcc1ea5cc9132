// Runs dfu-util (or the simulator script standing in for it) as a child
// process, waits for it and collects its exit code and standard output. Every
// conversation with the device goes through runTool.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

// Key of the command table.
enum ToolCommand : int {
    Version = 0,
    List = 1,
    UploadOtp = 2,
    UploadFwInfo = 3,
    UploadFw = 4,
    DownloadFw = 5,
    SetupPreparedConfig = 6,
};

struct ToolCommandEntry {
    QString program;           // bare name, or an absolute path in simulator mode
    QStringList baseArguments; // fixed arguments, in order
};

// The process-wide command table; rewritten only during start-up.
std::map<ToolCommand, ToolCommandEntry> &commandTable();

// Where the unpacked dfu-util lives; empty means "resolve the program name
// through the search path" (simulator mode uses absolute paths).
QString toolDirectory();
void setToolDirectory(const QString &directory);

// The unpacked tool keeps its ".exe" name on every platform, so with a tool
// directory the program name gets that suffix: one file name everywhere, and
// no second copy or link in the working directory.
QString toolProgramPath(const QString &program);

struct ToolResult {
    // The child's exit code; -1 when it crashed; notStarted when it could not
    // be started at all (negative codes never come from a child).
    int exitCode = notStarted;
    // Standard output as UTF-8, up to the first NUL byte.
    QString output;
    // Standard error, kept apart: dfu-util says there what it does not list,
    // such as a device it cannot open.
    QString errorOutput;

    static constexpr int notStarted = -2;
    // dfu-util exited with 0 but did not do what it was asked: no report of a
    // finished download, or a file shorter than the read asked for.
    static constexpr int incomplete = -3;
};

// The one device a dfu-util run is for: its serial ("-S") and, where another
// attached device may share that serial, its USB path ("-p", "1-1.2"), so
// that dfu-util itself refuses any other device. Boot-loader serials come from
// a hash of the chip's id and do collide. A serial alone converts to an address.
struct DeviceAddress {
    QString serial;
    QString path; // empty: the serial alone names the device

    DeviceAddress() = default;
    DeviceAddress(const QString &serial, const QString &path = QString()) // NOLINT: a serial is an address
        : serial(serial), path(path)
    {
    }
    bool operator==(const DeviceAddress &other) const { return serial == other.serial && path == other.path; }
    bool operator!=(const DeviceAddress &other) const { return !(*this == other); }
};

// Runs the command with extraArguments after the table's base arguments and
// blocks until the child has ended. A non-empty device address goes right
// after the vendor filter "-d".
ToolResult runTool(ToolCommand command, const QStringList &extraArguments = {}, const DeviceAddress &device = {});

// How long runTool waits before it logs that a child is slow (then it waits on).
extern int toolFirstWaitMs;

// While an object of this class lives, runTool in the same thread asks the
// check every few milliseconds whether to give up: a child still running then
// is killed. The device worker uses it so that stopping never waits for
// dfu-util.
class ToolCancellation {
public:
    explicit ToolCancellation(std::function<bool()> check);
    ~ToolCancellation();
    ToolCancellation(const ToolCancellation &) = delete;
    ToolCancellation &operator=(const ToolCancellation &) = delete;

    // True when the current thread's check asks to give up.
    static bool requested();

private:
    std::function<bool()> previous;
};

// While an object of this class lives, runTool in the same thread hands the
// child's standard output to the listener as it arrives, piece by piece (the
// result still holds all of it): dfu-util's progress while it writes.
class ToolOutputListener {
public:
    explicit ToolOutputListener(std::function<void(const QByteArray &)> listener);
    ~ToolOutputListener();
    ToolOutputListener(const ToolOutputListener &) = delete;
    ToolOutputListener &operator=(const ToolOutputListener &) = delete;
    // Hands a piece of output to the current thread's listener, if any.
    static void deliver(const QByteArray &chunk);

private:
    std::function<void(const QByteArray &)> previous;
};
