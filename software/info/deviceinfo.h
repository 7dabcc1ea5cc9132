// What the tool knows about the attached device, how it reads that, and the
// decision whether the embedded firmware may be written to it.
#pragma once

#include "fwinfo.h"
#include "otpinfo.h"
#include "toolrunner.h"

#include <QDebug>
#include <QString>

struct DeviceInfo {
    bool valid = false;  // the OTP read command succeeded
    QString FW_revision; // set only when flash and OTP name the same product
    OTP_Info otp;
    FW_Info fw;          // its valid flag is cleared on a product mismatch
    quint8 device_type = 0; // the OTP's normalised product type
};

// Reads the OTP block and the first 2048 bytes of flash of the device at that
// address into info, which starts over from the default record: nothing of a
// device read before may stick to this one. Returns the OTP read's result: a
// non-zero exit code is a device error (info is then untouched); a product
// mismatch is reported in the output but is no error. The files read go to
// folder (the working directory when empty): devices read at the same time
// each need their own.
ToolResult readDeviceInfo(DeviceInfo &info, const DeviceAddress &device, const QString &folder = QString());

// Reads the firmware information block of the device at that address; the
// default record when the read fails.
FW_Info readFwInfoFromDevice(const DeviceAddress &device, const QString &folder = QString());

QString deviceInfoText(const DeviceInfo &info);
QDebug operator<<(QDebug debug, const DeviceInfo &info);

// The four outcomes for an attached device, tried in this order; the first
// that holds decides. desiredType and desiredRevision describe the embedded
// firmware. All but the first write a line to standard output.
bool isOtpBlank(const DeviceInfo &device);
bool isInvalidProduct(const DeviceInfo &device, quint8 desiredType);
bool hasDifferingRevision(const DeviceInfo &device, quint8 desiredType, const QString &desiredRevision);
bool hasSameRevision(const DeviceInfo &device, quint8 desiredType, const QString &desiredRevision);
