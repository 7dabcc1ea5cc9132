#include "fwinfo.h"

#include "littleendian.h"
#include "payload.h"
#include "platform.h"

#include <QFile>

namespace {

const QByteArray beginMarker("\x12\x47\x23\x01", 4);
const QByteArray endMarker("\x13\x47\x23\x01", 4);
constexpr int lastMarkerOffset = 1948; // the block lies within the first 1952 bytes
constexpr int headerSize = 72;        // marker, product word, name, revision
constexpr int pairSize = 64;
constexpr int fieldSize = 32;

// A NUL-terminated Latin-1 field of 32 bytes; a field without its NUL, or one
// cut short by the end of the data without it, is empty.
QString textField(const QByteArray &data, int offset)
{
    const QByteArray field = data.mid(offset, fieldSize);
    if (field.isEmpty() || field.at(0) == '\0')
        return QString();
    const int nul = field.indexOf('\0', 1);
    if (nul < 0)
        return field.size() < fieldSize ? QString::fromLatin1(field) : QString();
    return QString::fromLatin1(field.left(nul));
}

} // namespace

FW_Info parseFwInfo(const QByteArray &data)
{
    const int indexBeg = data.indexOf(beginMarker);
    const int indexEnd = data.indexOf(endMarker);
    if (indexBeg < 0 || indexEnd < 0) {
        qDebug() << "index_beg = " << indexBeg << "index_end = " << indexEnd;
        return FW_Info();
    }
    if (indexBeg > lastMarkerOffset || indexEnd > lastMarkerOffset)
        return FW_Info();
    const int pairBytes = indexEnd - indexBeg - headerSize;
    if (pairBytes < 0 || pairBytes % pairSize != 0) {
        qDebug() << "index_beg = " << indexBeg << "index_end = " << indexEnd << "nr_of_pair_bytes =" << pairBytes;
        return FW_Info();
    }

    // The end marker lies at least 72 bytes after the begin marker, so every
    // field read below is inside the data.
    FW_Info info;
    info.product = productInfoFromWord(readLe32(data, indexBeg + 4));
    info.name = textField(data, indexBeg + 8);
    info.revision = textField(data, indexBeg + 40);
    for (int i = 0; i < pairBytes / pairSize; ++i) {
        const QString key = textField(data, indexBeg + headerSize + pairSize * i);
        const QString value = textField(data, indexBeg + headerSize + fieldSize + pairSize * i);
        if (key.isEmpty() || value.isEmpty())
            break;
        info.details.append({key, value});
    }
    info.valid = true;
    return info;
}

FW_Info readFwInfo(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FW_Info();
    return parseFwInfo(file.readAll());
}

QString fwInfoText(const FW_Info &info)
{
    if (!info.valid)
        return QStringLiteral("FW info:\n\tInvalid");
    QStringList lines{QStringLiteral("FW info:"), "  Type: " + productInfoText(info.product),
                      "  Name: " + info.name, "  Rev.: " + info.revision, QStringLiteral("  Details:")};
    for (const auto &pair : info.details)
        lines << "    " + pair.first.leftJustified(31) + ": " + pair.second.leftJustified(31);
    return lines.join('\n');
}

QDebug operator<<(QDebug debug, const FW_Info &info)
{
    return writeUnquoted(debug, fwInfoText(info));
}

const FW_Info &desiredFwInfo()
{
    static const FW_Info desired = [] {
        const QString path = tempFilePath(firmwareBinFileName);
        qDebug() << "Reading desired FW_Info from " << path;
        return readFwInfo(path);
    }();
    return desired;
}
