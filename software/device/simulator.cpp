#include "simulator.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

QString simulatorPath(const QString &name)
{
    // An installed tool finds its simulator where its package put it, relative
    // to its own location; a development build uses the source tree's.
    static const QString directory = [] {
        if (QCoreApplication::instance()) {
            const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                                      + QStringLiteral(VELMORA_INSTALLED_SIMULATOR_DIR));
            if (QFileInfo::exists(installed + QStringLiteral("/dfu-util_simulator.sh")))
                return installed;
        }
        return QStringLiteral(VELMORA_SIMULATOR_DIR);
    }();
    return directory + QLatin1Char('/') + name;
}

void configureSimulatorCommand(ToolCommand command, const QString &subCommand, bool fastProgress)
{
    ToolCommandEntry &entry = commandTable()[command];
    entry.program = simulatorPath(QStringLiteral("dfu-util_simulator.sh"));
    QStringList arguments{QStringLiteral("--dfu-util-command"), subCommand};
    if (fastProgress)
        arguments << QStringLiteral("--fast-progress");
    entry.baseArguments = arguments + entry.baseArguments;
}

void setupSimulator(bool fastProgress)
{
    configureSimulatorCommand(List, QStringLiteral("list"), fastProgress);
    configureSimulatorCommand(Version, QStringLiteral("version"), fastProgress);
    configureSimulatorCommand(UploadOtp, QStringLiteral("upload_OTP"), fastProgress);
    configureSimulatorCommand(UploadFwInfo, QStringLiteral("upload_FW"), fastProgress);
    configureSimulatorCommand(UploadFw, QStringLiteral("upload_FW"), fastProgress);
    configureSimulatorCommand(DownloadFw, QStringLiteral("download_FW"), fastProgress);
    configureSimulatorCommand(SetupPreparedConfig, QStringLiteral("setup_prepared_config"), fastProgress);
}

QString simulatorVersionBanner()
{
    return QStringLiteral("dfu-util 0.9\n"
                          "\n"
                          "Copyright 2005-2009 Weston Schmidt, Harald Welte and OpenMoko Inc.\n"
                          "Copyright 2010-2016 Tormod Volden and Stefan Schmidt\n"
                          "This program is Free Software and has ABSOLUTELY NO WARRANTY\n"
                          "Please report bugs to http://sourceforge.net/p/dfu-util/tickets/\n"
                          "\n");
}

int setupPreparedConfig(const QString &name)
{
    const int exitCode = runTool(SetupPreparedConfig, {name}).exitCode;
    if (exitCode != 0)
        qInfo() << "Failed to setup simulation config " << name << "with code" << exitCode;
    return exitCode;
}
