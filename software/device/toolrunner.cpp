#include "toolrunner.h"

#include "payload.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <mutex>
#include <utility>
#include <unistd.h>

int toolFirstWaitMs = 30000;

namespace {

constexpr int pollSliceMs = 50; // how often a waiting runner looks at its cancellation

thread_local std::function<bool()> cancellationCheck;
thread_local std::function<void(const QByteArray &)> outputListener;

// What the child printed, up to the first NUL byte: dfu-util's text output
// never holds one, so anything after it is not meant as text.
QString decodeOutput(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), nul < 0 ? bytes.size() : nul);
}

// The child runs in a process group of its own. Ctrl+C in a terminal signals
// the whole foreground group: a dfu-util that is writing flash must not die of
// it. Only the tool decides when a run ends (a stop request kills it).
// It also ignores SIGPIPE (QProcess has just set it back to the default): if
// the tool dies, a dfu-util writing its progress into the tool's pipe would
// otherwise die at its next line, leaving the device half-written.
class ToolProcess : public QProcess {
protected:
    void setupChildProcess() override
    {
        ::setpgid(0, 0);
        ::signal(SIGPIPE, SIG_IGN);
    }
};

// A program that cannot be started is said once, not at every poll; a run
// that starts ends the silence.
class StartFailures {
public:
    // True the first time in a row that this program fails to start.
    bool firstFor(const QString &program)
    {
        std::lock_guard<std::mutex> lock(mutex);
        return std::exchange(reported, program) != program;
    }
    void started()
    {
        std::lock_guard<std::mutex> lock(mutex);
        reported.clear();
    }

private:
    std::mutex mutex;
    QString reported;
};
StartFailures startFailures;

// The base arguments with the device selection right after the vendor filter
// (at the front without one), then the caller's arguments. "-S" must never come
// between "-U" or "-D" and the file name that belongs to them.
QStringList toolArguments(const ToolCommandEntry &entry, const QStringList &extraArguments, const DeviceAddress &device)
{
    QStringList arguments = entry.baseArguments;
    QStringList selection;
    if (!device.path.isEmpty())
        selection << QStringLiteral("-p") << device.path;
    if (!device.serial.isEmpty())
        selection << QStringLiteral("-S") << device.serial;
    const int vendor = arguments.indexOf(QStringLiteral("-d"));
    const int at = vendor < 0 ? 0 : qMin(vendor + 2, arguments.size());
    for (int i = 0; i < selection.size(); ++i)
        arguments.insert(at + i, selection[i]);
    return arguments + extraArguments;
}

} // namespace

ToolResult runTool(ToolCommand command, const QStringList &extraArguments, const DeviceAddress &device)
{
    const ToolCommandEntry &entry = commandTable()[command];
    const QString path = toolProgramPath(entry.program);
    const QStringList arguments = toolArguments(entry, extraArguments, device);

    ToolResult result;
    if (!tempDir().isValid()) {
        // Without the working directory there is neither an unpacked dfu-util nor
        // a place for the files it writes; run nothing rather than something else.
        if (command != List)
            qWarning() << "Not starting" << path << arguments << "- there is no temporary directory";
        return result;
    }

    if (command != List)
        qInfo() << "Start " << path << arguments;

    ToolProcess process;
    process.start(path, arguments, QIODevice::ReadWrite);

    // Wait in short slices, so that a stop request is noticed while dfu-util
    // runs and its output reaches a listener as it comes; after toolFirstWaitMs
    // say once that the child is slow and go on.
    QByteArray output;
    auto collect = [&] {
        const QByteArray chunk = process.readAllStandardOutput();
        if (!chunk.isEmpty()) {
            output += chunk;
            ToolOutputListener::deliver(chunk);
        }
    };
    QElapsedTimer clock;
    clock.start();
    bool slowReported = false;
    bool killed = false;
    auto reportSlow = [&] {
        collect();
        qInfo() << "waitForFinished(): Process did not finish in time, exit status:" << process.exitStatus()
                << "and output:" << decodeOutput(output);
        qInfo() << "will wait again, forever";
        slowReported = true;
    };
    while (!process.waitForFinished(pollSliceMs)) {
        collect();
        if (process.state() == QProcess::NotRunning)
            break; // it never started: the wait cannot succeed, and the child is not slow
        if (ToolCancellation::requested()) {
            qInfo() << "Stop requested: killing" << path << arguments;
            process.kill();
            process.waitForFinished(5000); // a child stuck in the kernel must not hold us
            killed = true;
            break;
        }
        if (!slowReported && clock.elapsed() >= toolFirstWaitMs)
            reportSlow();
    }
    collect();
    result.output = decodeOutput(output);
    result.errorOutput = decodeOutput(process.readAllStandardError());

    if (process.error() == QProcess::FailedToStart) {
        // QProcess would report a normal exit with code 0 here: a tool that did
        // not even start must never look like a success.
        result.exitCode = ToolResult::notStarted;
        if (startFailures.firstFor(path))
            qWarning() << "Could not start" << path << arguments << "-" << process.errorString();
        return result;
    }
    startFailures.started();
    if (killed || process.exitStatus() != QProcess::NormalExit) {
        result.exitCode = -1; // crashed, or ended by us: never a success
    } else {
        result.exitCode = process.exitCode();
    }

    if (result.exitCode != 0)
        qInfo() << "Exit with" << result.exitCode << "from" << path << arguments << "returned:"
                << result.output;
    return result;
}

ToolCancellation::ToolCancellation(std::function<bool()> check) : previous(std::move(cancellationCheck))
{
    cancellationCheck = std::move(check);
}

ToolCancellation::~ToolCancellation()
{
    cancellationCheck = std::move(previous);
}

bool ToolCancellation::requested()
{
    return cancellationCheck && cancellationCheck();
}

ToolOutputListener::ToolOutputListener(std::function<void(const QByteArray &)> listener)
    : previous(std::move(outputListener))
{
    outputListener = std::move(listener);
}

ToolOutputListener::~ToolOutputListener()
{
    outputListener = std::move(previous);
}

void ToolOutputListener::deliver(const QByteArray &chunk)
{
    if (outputListener)
        outputListener(chunk);
}
