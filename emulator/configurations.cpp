#include "configurations.h"

#include "device.h"
#include "imagegen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace emulator {

namespace {

struct Contents {
    QByteArray otp;
    QByteArray flash; // empty: erased
};

imagegen::OtpEntry otpEntry(quint8 type, const QByteArray &dataHex, imagegen::Bytes3 extra = {0xFF, 0xFF, 0xFF})
{
    imagegen::OtpEntry entry;
    entry.productType = type;
    entry.extra = extra;
    const QByteArray data = QByteArray::fromHex(dataHex);
    std::copy(data.begin(), data.end(), entry.data.begin());
    return entry;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes one device folder under stateDir and plugs it in.
// A device's folder: its serial, and its path when a test placed it on a port.
QString folderName(const Identity &identity, bool explicitPort)
{
    const QString serial = QString::fromStdString(identity.serial);
    return explicitPort ? QStringLiteral("%1@1-%2").arg(serial).arg(identity.port) : serial;
}

bool addDevice(const QString &stateDir, const Identity &identity, const Contents &contents, QString *error,
               bool explicitPort = false)
{
    QTemporaryDir building(stateDir + "/.new-XXXXXX");
    building.setAutoRemove(true);
    const QString dir = building.path();
    // The OTP area is followed by its 16 lock bytes, all unlocked.
    const QByteArray otp = contents.otp + QByteArray(16, '\xff');
    const QByteArray optionBytes = QByteArray::fromHex("aaec1355ff0f00f0ffff0000ffff0000");
    if (!building.isValid() || !writeFile(dir + "/device.conf", QByteArray::fromStdString(identity.text()))
        || !writeFile(dir + "/" + QString::fromStdString(memoryFile(0)), contents.flash)
        || (identity.altNames.size() > 1 && !writeFile(dir + "/" + QString::fromStdString(memoryFile(1)), optionBytes))
        || (identity.altNames.size() > 2 && !writeFile(dir + "/" + QString::fromStdString(memoryFile(2)), otp))
        || (identity.altNames.size() > 3 && !writeFile(dir + "/" + QString::fromStdString(memoryFile(3)), QByteArray(4, '\0')))
        || !writeFile(dir + "/transfers.log", QByteArray())) {
        *error = QStringLiteral("cannot write the device in %1").arg(stateDir);
        return false;
    }
    const QString folder = stateDir + "/" + folderName(identity, explicitPort);
    QDir(folder).removeRecursively();
    if (!QDir().rename(dir, folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                      | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    plugIn(QFile::encodeName(stateDir).toStdString(), QFile::encodeName(folder).toStdString());
    return true;
}

} // namespace

QStringList configurationNames()
{
    return {"upgradable", "up-to-date", "blank", "blank-otp", "other-product", "unknown-product",
            "firmware-mismatch", "no-device", "two-devices", "invalid-device", "bad-serial", "no-access",
            "beside-no-access", "otp-read-fails", "download-fails", "verify-fails", "unplug-during-download",
            "unplug-during-read-back", "leave-status-lost", "unrelated-device"};
}

bool prepare(const QString &stateDir, const QString &name, const PrepareOptions &options, QString *error)
{
    if (!configurationNames().contains(name)) {
        *error = QStringLiteral("unknown configuration \"%1\"; the configurations are:\n  %2")
                     .arg(name, configurationNames().join(' '));
        return false;
    }
    const QString descriptionPath = options.description.isEmpty() ? QStringLiteral(FIRMWARE_DESCRIPTION)
                                                                   : options.description;
    QFile descriptionFile(descriptionPath);
    imagegen::FirmwareSpec desired;
    if (!descriptionFile.open(QIODevice::ReadOnly)
        || !imagegen::firmwareSpecFromJson(descriptionFile.readAll(), &desired, error)) {
        *error = QStringLiteral("no firmware description at %1 %2").arg(descriptionPath, *error);
        return false;
    }
    if (!QDir().mkpath(stateDir)) {
        *error = QStringLiteral("cannot create %1").arg(stateDir);
        return false;
    }
    if (!options.keepOthers)
        for (const std::string &folder : deviceFolders(QFile::encodeName(stateDir).toStdString()))
            QDir(QString::fromStdString(folder)).removeRecursively();

    // Device contents: the T30 the tool is for with an older build, the build
    // the tool carries, a T4, and OTP entries with the device's identity.
    imagegen::FirmwareSpec older = desired;
    older.revision = "C2";
    older.seed = 3001;
    imagegen::FirmwareSpec t4 = desired;
    t4.productType = 36;
    t4.name = "T4 application";
    t4.revision = "A4";
    t4.seed = 3601;
    const QByteArray desiredImage = imagegen::buildFirmware(desired);
    const QByteArray otpT30 = imagegen::buildOtpBlock({otpEntry(30, "56454c3030303031")});

    Contents contents{otpT30, imagegen::buildFirmware(older)};
    Identity identity = Identity::stm32f4();
    identity.serial = options.serial.toStdString();
    identity.realTiming = options.realTiming;
    identity.returnAfterMs = options.returnAfterMs;
    if (options.port > 0)
        identity.port = options.port;
    const int blocks = (desiredImage.size() + 2047) / 2048;

    if (name == "up-to-date") {
        contents.flash = desiredImage;
    } else if (name == "blank") {
        contents = {imagegen::buildOtpBlock({}), QByteArray()};
    } else if (name == "blank-otp") {
        contents.otp = imagegen::buildOtpBlock({});
    } else if (name == "other-product") {
        contents = {imagegen::buildOtpBlock({otpEntry(36, "56454c3430303037")}), imagegen::buildFirmware(t4)};
    } else if (name == "unknown-product") {
        contents.otp = imagegen::buildOtpBlock({otpEntry(7, "56454c3030303939", {0x01, 0x02, 0x03})});
    } else if (name == "firmware-mismatch") {
        contents.flash = imagegen::buildFirmware(t4);
    } else if (name == "no-device") {
        return true;
    } else if (name == "invalid-device") {
        identity.altNames.pop_back(); // three interfaces instead of four
    } else if (name == "bad-serial") {
        identity.serialUnreadable = true;
    } else if (name == "no-access") {
        identity.accessDenied = true;
    } else if (name == "otp-read-fails") {
        identity.otpReadFails = true;
    } else if (name == "download-fails") {
        identity.eraseFails = true;
    } else if (name == "verify-fails") {
        identity.corruptOffset = desiredImage.size() / 2;
    } else if (name == "unplug-during-download") {
        identity.vanishDownloadBlock = desiredImage.size() * 2 / 5 / 2048 + 1; // at 40 %
    } else if (name == "unplug-during-read-back") {
        identity.vanishUploadBlock = blocks / 2; // only a read-back has that many blocks
    } else if (name == "leave-status-lost") {
        identity.leaveStatusLost = true;
    }
    if (!addDevice(stateDir, identity, contents, error, options.port > 0))
        return false;

    if (name == "two-devices" || name == "beside-no-access") {
        identity.serial = secondSerial;
        identity.port = 2;
        // Beside the usable one, one this user may not open: dfu-util does not list it.
        identity.accessDenied = name == "beside-no-access";
        return addDevice(stateDir, identity, contents, error);
    }
    if (name == "unrelated-device") {
        // Another vendor's device in its DFU mode, on the same bus: plain DFU 1.1, one memory.
        Identity other;
        other.vendor = 0x1209;
        other.product = 0x0001;
        other.bcdDevice = 0x0100;
        other.dfuVersion = 0x0110;
        other.serial = unrelatedSerial;
        other.port = 3;
        other.altNames = {"@Flash /0x00000000/64*001Kg"};
        other.realTiming = options.realTiming;
        other.returnAfterMs = options.returnAfterMs;
        return addDevice(stateDir, other, Contents{QByteArray(), QByteArray(4096, '\x5a')}, error);
    }
    return true;
}

} // namespace emulator
