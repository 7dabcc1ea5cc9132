// Reading little-endian numbers out of device and image data.
#pragma once

#include <QByteArray>

// The 32-bit little-endian number at offset; the caller has checked that four
// bytes are there.
inline quint32 readLe32(const QByteArray &data, int offset)
{
    return quint32(quint8(data[offset])) | quint32(quint8(data[offset + 1])) << 8
           | quint32(quint8(data[offset + 2])) << 16 | quint32(quint8(data[offset + 3])) << 24;
}
