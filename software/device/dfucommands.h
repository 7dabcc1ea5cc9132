// What the tool asks of dfu-util: the device listing and its rules, the
// start-up execution test, writing the firmware, and reading it back to
// compare it with the reference image.
#pragma once

#include <QString>
#include <QStringList>

enum DfuDeviceStatus : int {
    no_dfu_device = 0,        // no matching line, or one without a readable serial
    one_dfu_device = 1,       // one serial and exactly four matching lines
    invalid_dfu_device = 2,   // one serial, another number of lines
    multiple_dfu_devices = 3, // more than one serial entry
};

struct DeviceListing {
    DfuDeviceStatus status = no_dfu_device;
    QStringList serials; // in output order
};

struct DeviceList {
    int error = 1; // 0 only when dfu-util succeeded and showed one valid device
    QStringList serials;
    QStringList inaccessible; // see inaccessibleDevices
    bool several = false;     // more than one of our devices: none of them is used
};

// The banner dfu-util 0.9 prints for -V (261 characters).
extern const QString expectedVersionBanner;

DeviceListing parseDeviceList(const QString &output);

// The boot-loader devices a listing found but cannot use, one description each
// naming the device and the cause. dfu-util 0.11 does not list a device it
// cannot open (almost always missing permissions) and says so only on standard
// error; a device whose serial cannot be read is listed with serial "UNKNOWN".
QStringList inaccessibleDevices(const QString &output, const QString &errorOutput);

DeviceList listDevices();

// Runs dfu-util -V once and logs whether it printed the expected banner.
bool runExecutionTest();

// The transfers below address the one device with that serial, the device the
// worker identified: dfu-util refuses to touch any other.

// Writes the file to flash and makes the device leave DFU mode; the exit code.
// lastError, when given, gets dfu-util's last line on standard error.
int downloadFirmware(const QString &firmwarePath, const QString &serial, QString *lastError = nullptr);

// Reads length bytes of flash into the file (removed first); the exit code.
int uploadFirmware(const QString &path, qint32 length, const QString &serial);

// What a read-back showed: the flash holds the reference bytes, holds others,
// or could not be read (a failed or short read says nothing about the flash).
enum class ReadBack { Matches, Differs, Unreadable };

// True only when the flash holds exactly the reference file's bytes; outcome,
// when given, tells the two kinds of failure apart.
bool uploadAndVerify(const QString &referencePath, const QString &uploadPath, const QString &serial,
                     ReadBack *outcome = nullptr);

// The size in bytes, or -1 when the file cannot be opened for reading.
qint32 fileSize(const QString &path);

// True when both files have the same positive size and the same bytes.
bool filesEqual(const QString &first, const QString &second);
