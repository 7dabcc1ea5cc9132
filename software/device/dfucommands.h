// What the tool asks of dfu-util: the device listing and its rules, the
// start-up execution test, writing the firmware, and reading it back to
// compare it with the reference image.
#pragma once

#include <QString>
#include <QStringList>

#include "toolrunner.h"

enum DfuDeviceStatus : int {
    no_dfu_device = 0,        // no matching line, or one without a readable serial
    one_dfu_device = 1,       // one serial and exactly four matching lines
    invalid_dfu_device = 2,   // one serial, another number of lines
    multiple_dfu_devices = 3, // more than one serial entry
};

struct DeviceListing {
    DfuDeviceStatus status = no_dfu_device;
    QStringList serials; // in output order
    QStringList paths;   // the USB path of each of them ("1-1.2"), in the same order
};

struct DeviceList {
    int error = 1; // 0 only when dfu-util succeeded and showed one valid device, and nothing else of ours
    QStringList serials;
    QStringList paths; // the USB path of each serial, in the same order
    QStringList unopenable;       // see unopenableDevices
    QStringList serialUnreadable; // see devicesWithUnreadableSerial
    bool several = false;         // more than one of our devices: none of them is used
    bool toolRan = false;         // dfu-util ran and ended with exit code 0
};

DeviceListing parseDeviceList(const QString &output);

// Our boot loaders that dfu-util found but cannot open (almost always missing
// permissions), one description each naming the device and the cause.
// dfu-util 0.11 does not list them; it says so only on standard error.
QStringList unopenableDevices(const QString &errorOutput);

// Our boot loaders listed with a serial that cannot be read ("UNKNOWN" or
// empty): dfu-util opened them, but they cannot be told apart or addressed.
QStringList devicesWithUnreadableSerial(const QString &output);

// Lists the devices. A device of ours that cannot be used (not opened, serial
// unreadable) beside a usable one makes several devices: the user cannot see
// which one would be written, so none is.
DeviceList listDevices();

// One boot loader of ours in a listing, however many of them there are.
struct ListedDevice {
    QString devnum; // new at every enumeration: tells a device that came back from one that stayed
    QString path;   // the physical port ("1-1.2"): two devices may share a serial, never a path
    QString serial;
    bool serialReadable = false; // a hexadecimal serial; "UNKNOWN" or empty cannot address the device
    int alternates = 0;          // listing lines: our boot loader has four
};

// Every boot loader of ours the output lists, one per device number, in order.
QList<ListedDevice> listedDevices(const QString &output);

// A listing for a station, which uses every device it can tell apart.
struct BusListing {
    bool toolRan = false; // dfu-util ran and ended with exit code 0
    QList<ListedDevice> devices;
    QStringList unopenable; // see unopenableDevices
};
BusListing listAllDevices();

// Runs dfu-util -V once and logs whether it printed the expected banner, the
// one of the program the command table runs.
bool runExecutionTest(const QString &expectedBanner);

// The transfers below address the one device at that address, the device the
// worker identified: dfu-util refuses to touch any other.

// Writes the file to flash and makes the device leave DFU mode; the exit code.
// lastError, when given, gets dfu-util's last line on standard error.
int downloadFirmware(const QString &firmwarePath, const DeviceAddress &device, QString *lastError = nullptr);

// Reads length bytes of flash into the file (removed first); the exit code.
int uploadFirmware(const QString &path, qint32 length, const DeviceAddress &device);

// What a read-back showed: the flash holds the reference bytes, holds others,
// or could not be read (a failed or short read says nothing about the flash).
enum class ReadBack { Matches, Differs, Unreadable };

// True only when the flash holds exactly the reference file's bytes; outcome,
// when given, tells the two kinds of failure apart; exitCode, when given, gets
// dfu-util's exit code of the read.
bool uploadAndVerify(const QString &referencePath, const QString &uploadPath, const DeviceAddress &device,
                     ReadBack *outcome = nullptr, int *exitCode = nullptr);

// The size in bytes, or -1 when the file cannot be opened for reading.
qint32 fileSize(const QString &path);

// True when both files have the same positive size and the same bytes.
bool filesEqual(const QString &first, const QString &second);
