// An emulated USB bus of the test's own: a private state directory for
// velmora-emulator's devices, and the environment in which a program (Debian's
// dfu-util, or the tool, which runs its embedded copy) finds them through our
// libusb-1.0.so.0.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

struct DfuRun {
    int exitCode = -1;
    QByteArray output, errors;
    // The last line dfu-util wrote to standard error, without its "dfu-util: " prefix.
    QString lastError() const
    {
        const QList<QByteArray> lines = errors.trimmed().split('\n');
        return QString::fromLocal8Bit(lines.last()).remove(QStringLiteral("dfu-util: "));
    }
    // The "Found DFU:" lines of a listing.
    QStringList found() const
    {
        QStringList lines;
        for (const QByteArray &line : output.split('\n'))
            if (line.startsWith("Found "))
                lines << QString::fromLatin1(line);
        return lines;
    }
};

class EmulatedBus {
public:
    static constexpr const char *serial = "3276356C3236";

    // A bus in stateDir, or in a temporary directory of its own.
    explicit EmulatedBus(const QString &stateDir = QString())
        : own(stateDir.isEmpty() ? new QTemporaryDir : nullptr), dir(own ? own->path() + "/bus" : stateDir)
    {
    }

    QString stateDir() const { return dir; }

    // The environment in which dfu-util sees this bus and nothing else.
    QProcessEnvironment environment(QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const
    {
        base.insert("LD_LIBRARY_PATH", EMULATOR_LIBRARY_DIR);
        base.insert("VELMORA_EMULATOR_STATE", dir);
        return base;
    }

    // velmora-emulator with this state directory; its exit code.
    int emulator(const QStringList &arguments) const
    {
        QProcess process;
        process.start(EMULATOR_COMMAND, QStringList{"--state", dir} + arguments);
        if (!process.waitForFinished(60000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    bool prepare(const QString &configuration, const QStringList &options = {"--fast", "--return-after", "0"}) const
    {
        return emulator(QStringList{"prepare", configuration} + options) == 0;
    }
    bool plug(const QString &which = QString()) const { return emulator({"plug", which}) == 0; }
    bool unplug(const QString &which = QString()) const { return emulator({"unplug", which}) == 0; }

    DfuRun dfuUtil(const QStringList &arguments, const QString &workDir = QString()) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        if (!workDir.isEmpty())
            process.setWorkingDirectory(workDir);
        process.start(DFU_UTIL, arguments);
        DfuRun run;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.output = process.readAllStandardOutput();
        run.errors = process.readAllStandardError();
        return run;
    }

    QString device(const QString &serialNumber = serial) const { return dir + "/" + serialNumber; }

    QByteArray memory(const QString &file, const QString &serialNumber = serial) const
    {
        QFile f(device(serialNumber) + "/" + file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray flash(const QString &serialNumber = serial) const { return memory("flash.bin", serialNumber); }

    // What the device was asked for: "erase 0x08000000", "download 0x08000000 2048",
    // "upload 0x1FFF7800 512", "leave 0x08000000".
    QStringList transfers(const QString &serialNumber = serial) const
    {
        return QString::fromLatin1(memory("transfers.log", serialNumber)).split('\n', Qt::SkipEmptyParts);
    }

    // The dfu-util runs on this bus so far, one command each: "list", "otp",
    // "fwinfo", "download", "readback".
    QStringList runs() const
    {
        QFile file(dir + "/runs.log");
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                               : QStringList();
    }

    // "present devnum=N" or "absent", per device, from velmora-emulator show.
    QString presence(const QString &serialNumber = serial) const
    {
        QProcess process;
        process.start(EMULATOR_COMMAND, {"--state", dir, "show"});
        process.waitForFinished(30000);
        for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
            if (line.startsWith(serialNumber.toLatin1() + ' '))
                return QString::fromLatin1(line.mid(serialNumber.size() + 1));
        return QString();
    }

private:
    std::unique_ptr<QTemporaryDir> own;
    QString dir;
};
