// The identification entry in the device's one-time-programmable area: which
// product the hardware is, whatever firmware it runs.
#pragma once

#include "producttable.h"

#include <QByteArray>
#include <QString>

#include <array>

struct OTP_Info {
    ProductInfo product;
    std::array<quint8, 8> data{}; // entry bytes 8 to 15, not interpreted
    bool valid = false;           // an entry names a product of the table
    bool blank = false;           // the block is empty or erased (all 0xFF)
};

// Decodes a block as read from the device (512 bytes). Never fails.
OTP_Info parseOtpInfo(const QByteArray &block);

// The same on a whole file; an unreadable file gives the no-marker form.
OTP_Info readOtpInfo(const QString &path);

// Three lines, each ended by a line feed.
QString otpInfoText(const OTP_Info &info);
