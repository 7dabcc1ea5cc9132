#include "toolrunner.h"

std::map<ToolCommand, ToolCommandEntry> &commandTable()
{
    // dfu-util addresses the device by vendor only; the listing makes sure a
    // single suitable device is attached before any other command runs.
    static std::map<ToolCommand, ToolCommandEntry> table{
        {Version, {"dfu-util", {"-V"}}},
        {List, {"dfu-util", {"-d", "0483", "-l"}}},
        {UploadOtp, {"dfu-util", {"-d", "0483", "-a", "2", "-s", "0x1FFF7800:512", "-U"}}},
        {UploadFwInfo, {"dfu-util", {"-d", "0483", "-a", "0", "-s", "0x08000000:2048", "-U"}}},
        {UploadFw, {"dfu-util", {"-d", "0483", "-a", "0"}}},
        {DownloadFw, {"dfu-util", {"-d", "0483", "-a", "0", "-s", "0x08000000:leave", "-D"}}},
        {SetupPreparedConfig, {"dfu-util", {}}},
    };
    return table;
}

namespace {
QString &directory()
{
    static QString path;
    return path;
}
} // namespace

QString toolDirectory()
{
    return directory();
}

void setToolDirectory(const QString &path)
{
    directory() = path;
}

QString toolProgramPath(const QString &program)
{
    if (directory().isEmpty())
        return program;
    return directory() + QLatin1Char('/') + program + QStringLiteral(".exe");
}
