// Simulated devices that a test attaches and detaches at a moment of its
// choosing, as a user swapping them faster than the tool polls would: each is
// prepared in advance in a simulator state of its own and then linked in as the
// current device in one step, so no listing ever sees the bus without a device
// in between.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

class Bus {
public:
    // stateDir: the simulator state the tool under test uses; environment: what
    // the simulator script needs to prepare a device (VELMORA_IMAGEGEN).
    Bus(const QString &stateDir, const QString &script,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
        : stateDir(stateDir), script(script), environment(environment)
    {
    }

    // Prepares a device with that serial; its folder, to attach later.
    QString stage(const QString &configuration, const QString &serial) const
    {
        QTemporaryDir side;
        QProcessEnvironment prepare = environment;
        prepare.insert("DFU_UTIL_SIMULATOR_STATE", side.path());
        prepare.insert("DFU_UTIL_SIMULATOR_SERIAL", serial);
        QProcess setup;
        setup.setProcessEnvironment(prepare);
        setup.start(script, {"--dfu-util-command", "setup_prepared_config", configuration});
        if (!setup.waitForFinished(30000) || setup.exitStatus() != QProcess::NormalExit || setup.exitCode() != 0)
            return QString();
        const QString prepared = QFileInfo(side.filePath("current")).canonicalFilePath();
        const QString device = stateDir + "/" + configuration + "-" + serial;
        if (!QDir().rename(prepared, device))
            return QString();
        return device;
    }

    // Makes the device the one attached, replacing any other in one rename.
    bool attach(const QString &device) const
    {
        const QString link = stateDir + "/.current.new";
        QFile::remove(link);
        return QFile::link(QFileInfo(device).fileName(), link)
               && std::rename(QFile::encodeName(link).constData(), QFile::encodeName(current()).constData()) == 0;
    }

    void detach() const { QFile::remove(current()); }

    // What the device was asked for, in order: "upload_OTP 512", "download_FW 91136", ...
    static QStringList transfers(const QString &device)
    {
        QFile file(device + "/transfers.log");
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    // The transfers that identify a device, and nothing more: never written, never read back.
    static QStringList identificationOnly() { return {"upload_OTP 512", "upload_FW 2048"}; }

    static QByteArray flash(const QString &device)
    {
        QFile file(device + "/flash.bin");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString current() const { return stateDir + "/current"; }

    const QString stateDir;
    const QString script;
    const QProcessEnvironment environment;
};
