#include "dfucommands.h"

#include "payload.h"
#include "platform.h"
#include "toolrunner.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {
// A listing line of our boot loader, with its device number and serial.
const QRegularExpression &listedBootloader()
{
    static const QRegularExpression line(QStringLiteral(
        "^Found DFU: \\[0483:df11\\] ver=2200, devnum=(\\d+),.*serial=\"([^\"]*)\""));
    return line;
}

bool isHexadecimal(const QString &text)
{
    static const QRegularExpression hexadecimal(QStringLiteral("^[0-9a-fA-F]+$"));
    return hexadecimal.match(text).hasMatch();
}

// How many of our boot loaders the listing shows with a readable serial: one
// per device number, whatever the order of their lines.
int readableDevices(const QString &output)
{
    QStringList devnums;
    for (const QString &line : output.split('\n')) {
        const QRegularExpressionMatch found = listedBootloader().match(line);
        if (found.hasMatch() && isHexadecimal(found.captured(2)) && !devnums.contains(found.captured(1)))
            devnums << found.captured(1);
    }
    return devnums.size();
}
} // namespace

DeviceListing parseDeviceList(const QString &output)
{
    static const QRegularExpression stm32Bootloader(QStringLiteral("^Found DFU: \\[0483:df11\\] ver=2200"));
    static const QRegularExpression serialPattern(QStringLiteral("serial=\"([0-9a-fA-F]+)\""));
    static const QRegularExpression pathPattern(QStringLiteral("path=\"([^\"]*)\""));

    DeviceListing listing;
    int lines = 0;
    for (const QString &line : output.split('\n')) {
        if (!stm32Bootloader.match(line).hasMatch())
            continue;
        const QRegularExpressionMatch serial = serialPattern.match(line);
        if (!serial.hasMatch()) {
            // A device we cannot read the serial of (no permission, say) is not
            // one we can talk to safely.
            qDebug() << line;
            listing.status = no_dfu_device;
            return listing;
        }
        ++lines;
        // One device lists one line per alternate setting, all with its serial
        // and path; two devices may share a serial, never a path.
        const QString path = pathPattern.match(line).captured(1);
        if (listing.serials.isEmpty() || listing.serials.last() != serial.captured(1) || listing.paths.last() != path) {
            listing.serials << serial.captured(1);
            listing.paths << path;
        }
    }
    if (listing.serials.size() == 1)
        listing.status = lines == 4 ? one_dfu_device : invalid_dfu_device;
    else if (listing.serials.size() > 1)
        listing.status = multiple_dfu_devices;
    return listing;
}

QStringList unopenableDevices(const QString &errorOutput)
{
    static const QRegularExpression cannotOpen(
        QStringLiteral("Cannot open DFU device 0483:df11 found on devnum (\\d+) \\((\\w+)\\)"));
    QStringList devices;
    for (auto match = cannotOpen.globalMatch(errorOutput); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        const QString device = QStringLiteral("0483:df11 on devnum %1 (%2)").arg(found.captured(1), found.captured(2));
        if (!devices.contains(device))
            devices << device;
    }
    return devices;
}

QStringList devicesWithUnreadableSerial(const QString &output)
{
    QStringList devices;
    for (const QString &line : output.split('\n')) {
        const QRegularExpressionMatch found = listedBootloader().match(line);
        if (!found.hasMatch() || isHexadecimal(found.captured(2)))
            continue;
        const QString device = QStringLiteral("0483:df11 on devnum %1 (serial number unreadable)").arg(found.captured(1));
        if (!devices.contains(device)) // a device has a line per alternate setting
            devices << device;
    }
    return devices;
}

DeviceList listDevices()
{
    const ToolResult result = runTool(List);
    DeviceList list;
    list.unopenable = unopenableDevices(result.errorOutput);
    list.serialUnreadable = devicesWithUnreadableSerial(result.output);
    if (result.exitCode != 0)
        return list;
    list.toolRan = true;
    const DeviceListing listing = parseDeviceList(result.output);
    list.serials = listing.serials;
    list.paths = listing.paths;
    const int unusable = list.unopenable.size() + list.serialUnreadable.size();
    list.several = listing.status == multiple_dfu_devices || (unusable > 0 && readableDevices(result.output) > 0);
    list.error = listing.status == one_dfu_device && !list.several ? 0 : 1;
    return list;
}

QList<ListedDevice> listedDevices(const QString &output)
{
    static const QRegularExpression pathPattern(QStringLiteral("path=\"([^\"]*)\""));
    QList<ListedDevice> devices;
    for (const QString &line : output.split('\n')) {
        const QRegularExpressionMatch found = listedBootloader().match(line);
        if (!found.hasMatch())
            continue;
        auto same = std::find_if(devices.begin(), devices.end(),
                                 [&found](const ListedDevice &device) { return device.devnum == found.captured(1); });
        if (same == devices.end()) {
            ListedDevice device;
            device.devnum = found.captured(1);
            device.path = pathPattern.match(line).captured(1);
            device.serial = found.captured(2);
            device.serialReadable = isHexadecimal(device.serial);
            devices << device;
            same = devices.end() - 1;
        }
        ++same->alternates;
    }
    return devices;
}

BusListing listAllDevices()
{
    const ToolResult result = runTool(List);
    BusListing listing;
    listing.unopenable = unopenableDevices(result.errorOutput);
    listing.toolRan = result.exitCode == 0;
    if (listing.toolRan)
        listing.devices = listedDevices(result.output);
    return listing;
}

bool runExecutionTest(const QString &expectedBanner)
{
    const ToolResult result = runTool(Version);
    QString output = result.output;
    if (isWindows(buildPlatform()))
        removeAll(output, '\r');
    // Nothing expected (the recorded banner is missing) vouches for nothing.
    const bool matches = !expectedBanner.isEmpty() && output == expectedBanner;
    qInfo() << "Result of execution test: status was" << (result.exitCode == 0 ? "ok" : "bad")
            << "and output:" << (matches ? QStringLiteral("as expected") : output);
    return result.exitCode == 0 && matches;
}

int downloadFirmware(const QString &firmwarePath, const DeviceAddress &device, QString *lastError)
{
    const ToolResult result = runTool(DownloadFw, {firmwarePath}, device);
    if (lastError) {
        // dfu-util says last what made it give up.
        const QStringList lines = result.errorOutput.split('\n', Qt::SkipEmptyParts);
        *lastError = lines.isEmpty() ? QString() : lines.last().trimmed();
    }
    // Every dfu-util says so after the last block; an exit code of 0 without
    // it (a broken or replaced program) must not pass for a written firmware.
    if (result.exitCode == 0 && !result.output.contains(QLatin1String("File downloaded successfully"))) {
        qWarning() << "dfu-util ended with exit code 0 but did not report the download as done: taken as a failed write";
        if (lastError)
            *lastError = QStringLiteral("dfu-util did not report the download as done");
        return ToolResult::incomplete;
    }
    return result.exitCode;
}

int uploadFirmware(const QString &path, qint32 length, const DeviceAddress &device)
{
    removeFileIfPresent(path);
    return runTool(UploadFw, {"-s", QStringLiteral("0x08000000:%1").arg(length), "-U", path}, device).exitCode;
}

bool uploadAndVerify(const QString &referencePath, const QString &uploadPath, const DeviceAddress &device,
                     ReadBack *outcome, int *exitCodeOut)
{
    ReadBack ignored;
    ReadBack &result = outcome ? *outcome : ignored;
    result = ReadBack::Unreadable;
    int ignoredCode;
    int &exitCode = exitCodeOut ? *exitCodeOut : ignoredCode;
    exitCode = ToolResult::notStarted;
    const qint32 size = fileSize(referencePath);
    if (size <= 0)
        return false;
    // Each way it can fail is told apart: a read that failed says nothing
    // about the flash, a difference does.
    exitCode = uploadFirmware(uploadPath, size, device);
    if (exitCode != 0) {
        qWarning().noquote() << QStringLiteral("The read-back failed (exit code %1): the firmware on the device is "
                                               "unconfirmed").arg(exitCode);
        return false;
    }
    const qint32 read = fileSize(uploadPath);
    if (read != size) {
        qWarning().noquote() << QStringLiteral("The read-back holds %1 of %2 bytes although dfu-util reported success: "
                                               "the firmware on the device is unconfirmed").arg(qMax(read, 0)).arg(size);
        return false;
    }
    if (!filesEqual(referencePath, uploadPath)) {
        qWarning() << "The firmware read back differs from the firmware written";
        result = ReadBack::Differs;
        return false;
    }
    result = ReadBack::Matches;
    return true;
}

qint32 fileSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return qint32(qMin<qint64>(file.size(), std::numeric_limits<qint32>::max()));
}

bool filesEqual(const QString &first, const QString &second)
{
    QFile a(first);
    QFile b(second);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
        return false;
    return a.size() > 0 && a.size() == b.size() && a.readAll() == b.readAll();
}
