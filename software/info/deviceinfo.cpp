#include "deviceinfo.h"

#include "dfucommands.h"
#include "payload.h"
#include "platform.h"

#include <cstdio>

namespace {
constexpr qint32 otpBlockSize = 512; // as the OTP read command asks for


QString readFilePath(const QString &folder, const char *name)
{
    return folder.isEmpty() ? tempFilePath(name) : folder + QLatin1Char('/') + QLatin1String(name);
}
} // namespace

ToolResult readDeviceInfo(DeviceInfo &info, const DeviceAddress &device, const QString &folder)
{
    const QString otpPath = readFilePath(folder, uploadedOtpFileName);
    removeFileIfPresent(otpPath);
    ToolResult result = runTool(UploadOtp, {otpPath}, device);
    if (result.exitCode != 0)
        return result;
    // An exit code of 0 with a missing or short file is no OTP block: a failed
    // read like any other, never an empty or foreign device.
    const qint32 size = fileSize(otpPath);
    if (size != otpBlockSize) {
        qWarning() << "dfu-util ended with exit code 0 but the OTP block read holds" << qMax(size, 0) << "of"
                   << otpBlockSize << "bytes: taken as a failed read";
        result.exitCode = ToolResult::incomplete;
        return result;
    }

    // A product mismatch leaves FW_revision unset: it must be empty, not the
    // revision of whichever device the record described before.
    info = DeviceInfo();
    info.otp = readOtpInfo(otpPath);
    if (info.otp.blank)
        qInfo().noquote() << result.output << "OTP is blank.\n";
    info.valid = true;
    info.device_type = info.otp.product.type;
    qInfo() << otpInfoText(info.otp);

    info.fw = readFwInfoFromDevice(device, folder);
    if (info.fw.product.type == info.otp.product.type) {
        info.FW_revision = info.fw.revision;
        qInfo() << info;
        qInfo() << info.fw;
    } else {
        // Firmware built for another product than the hardware is: its revision
        // says nothing about this device.
        result.output += QStringLiteral("FW assumed invalid because of product type mismatch.") + "\nOTP contains"
                         + productInfoText(info.otp.product) + "\nwhereas FW contains\n" + fwInfoText(info.fw);
        qInfo().noquote() << result.output;
        info.fw.valid = false;
    }
    return result;
}

FW_Info readFwInfoFromDevice(const DeviceAddress &device, const QString &folder)
{
    const QString path = readFilePath(folder, uploadedFwInfoFileName);
    removeFileIfPresent(path);
    if (runTool(UploadFwInfo, {path}, device).exitCode != 0)
        return FW_Info();
    return readFwInfo(path);
}

QString deviceInfoText(const DeviceInfo &info)
{
    if (!info.valid)
        return QStringLiteral("DeviceInfo:\nInvalid");
    return QStringLiteral("DeviceInfo:\n\tDevice type:\t%1\n\tFW_revision:\t%2\n")
        .arg(QString::number(info.device_type), info.FW_revision);
}

QDebug operator<<(QDebug debug, const DeviceInfo &info)
{
    return writeUnquoted(debug, deviceInfoText(info));
}

namespace {

void printTypeCheck(const DeviceInfo &device, quint8 desiredType)
{
    std::printf("device_has_valid_type(%i): valid %i, device_type: %i\n", int(desiredType), int(device.valid),
                int(device.device_type));
    std::fflush(stdout);
}

// The device is the product the embedded firmware is for. A desired type that
// is no product at all (the embedded record could not be read) matches no
// device, not even one whose OTP is equally unreadable.
bool isDesiredProduct(const DeviceInfo &device, quint8 desiredType)
{
    return device.valid && device.device_type == desiredType && isProductType(desiredType);
}

} // namespace

bool isOtpBlank(const DeviceInfo &device)
{
    return device.otp.blank;
}

bool isInvalidProduct(const DeviceInfo &device, quint8 desiredType)
{
    if (!device.valid)
        return false;
    printTypeCheck(device, desiredType);
    return !isDesiredProduct(device, desiredType);
}

bool hasDifferingRevision(const DeviceInfo &device, quint8 desiredType, const QString &desiredRevision)
{
    printTypeCheck(device, desiredType);
    return isDesiredProduct(device, desiredType) && device.FW_revision != desiredRevision;
}

bool hasSameRevision(const DeviceInfo &device, quint8 desiredType, const QString &desiredRevision)
{
    printTypeCheck(device, desiredType);
    return isDesiredProduct(device, desiredType) && device.FW_revision == desiredRevision;
}
