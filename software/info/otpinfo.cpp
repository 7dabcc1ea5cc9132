#include "otpinfo.h"

#include "littleendian.h"

#include <QDebug>
#include <QFile>

namespace {
const QByteArray entryMarker("\x11\x47\x23\x01", 4);
constexpr int entrySize = 16;
constexpr int lastEntryOffset = 496; // the last slot of a 512-byte block
constexpr char storedBorea = 0x23;   // type 35 is written for product 43
constexpr char borea = 0x2B;
} // namespace

OTP_Info parseOtpInfo(const QByteArray &block)
{
    OTP_Info info;
    if (block.count(char(0xFF)) == block.size()) {
        info.blank = true;
        return info;
    }

    // The newest entry is the last one written. A marker that is misaligned,
    // too late, or whose entry is cut off by the end of a short block means the
    // area cannot be trusted; earlier entries are not looked at then.
    const int offset = block.lastIndexOf(entryMarker);
    if (offset < 0 || offset % entrySize != 0 || offset > lastEntryOffset || offset + entrySize > block.size())
        return info;

    QByteArray entry = block.mid(offset, entrySize);
    if (entry[4] == storedBorea)
        entry[4] = borea;
    info.product = productInfoFromWord(readLe32(entry, 4));
    for (int i = 0; i < 8; ++i)
        info.data[size_t(i)] = quint8(entry[8 + i]);

    if (info.product.type >= 1 && info.product.type <= 254) {
        if (info.product.type <= 253) {
            info.valid = true;
        } else {
            qInfo() << "Unknown device type according to OTP info, " << productInfoText(info.product);
            info.product.type = invalidType;
        }
    } else {
        qInfo() << "Device not used, has invalid info in its OTP info.";
    }
    return info;
}

OTP_Info readOtpInfo(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return OTP_Info();
    return parseOtpInfo(file.readAll());
}

QString otpInfoText(const OTP_Info &info)
{
    return QStringLiteral("OTP info:\nMarker %1\nProduct: %2\n")
        .arg(info.valid ? QStringLiteral("valid") : QStringLiteral("invalid"), productInfoText(info.product));
}
