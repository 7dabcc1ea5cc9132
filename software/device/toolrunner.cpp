#include "toolrunner.h"

#include "payload.h"

#include <QDebug>
#include <QProcess>
#include <QTemporaryDir>

int toolFirstWaitMs = 30000;

namespace {

// What the child printed, up to the first NUL byte: dfu-util's text output
// never holds one, so anything after it is not meant as text.
QString decodeOutput(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), nul < 0 ? bytes.size() : nul);
}

} // namespace

ToolResult runTool(ToolCommand command, const QStringList &extraArguments)
{
    const ToolCommandEntry &entry = commandTable()[command];
    const QString path = toolProgramPath(entry.program);
    const QStringList arguments = entry.baseArguments + extraArguments;

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

    QProcess process;
    process.start(path, arguments, QIODevice::ReadWrite);

    QByteArray earlyOutput;
    if (!process.waitForFinished(toolFirstWaitMs)) {
        earlyOutput = process.readAllStandardOutput();
        qInfo() << "waitForFinished(): Process did not finish in time, exit status:"
                << process.exitStatus() << "and output:" << decodeOutput(earlyOutput);
        qInfo() << "will wait again, forever";
        process.waitForFinished(-1);
    }
    result.output = decodeOutput(earlyOutput + process.readAllStandardOutput());

    if (process.error() == QProcess::FailedToStart) {
        // QProcess would report a normal exit with code 0 here: a tool that did
        // not even start must never look like a success.
        qInfo() << "Could not start" << path << ":" << process.errorString();
        result.exitCode = ToolResult::notStarted;
    } else {
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    if (result.exitCode != 0)
        qInfo() << "Exit with" << result.exitCode << "from" << path << arguments << "returned:"
                << result.output;
    return result;
}
