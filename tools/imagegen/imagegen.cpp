#include "imagegen.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace imagegen {

namespace {

constexpr int vectorCount = 98; // 16 core exceptions + 82 interrupts of an STM32F40x
constexpr int vectorTableSize = vectorCount * 4;
constexpr int textFieldSize = 32;

// Deterministic pseudo-random numbers (xorshift32): the same description always
// gives the same image.
class Random {
public:
    explicit Random(quint32 seed) : state(seed ? seed : 0x9E3779B9u) {}
    quint32 next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    int below(int n) { return int(next() % quint32(n)); }

private:
    quint32 state;
};

void putLe16(QByteArray &data, int offset, quint16 value)
{
    data[offset] = char(value & 0xFF);
    data[offset + 1] = char(value >> 8);
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    putLe32(bytes, 0, value);
    return bytes;
}

QByteArray textField(const QByteArray &text)
{
    QByteArray field = text.left(textFieldSize);
    field.append(QByteArray(textFieldSize - field.size(), '\0'));
    return field;
}

// Peripheral and memory addresses an STM32F4 application loads from its
// literal pools.
const quint32 literalWords[] = {
    0x40023800, 0x40023830, 0x40020000, 0x40020400, 0x40020800, 0x40011000, 0x40013000,
    0x40000400, 0x40026400, 0x50000000, 0x40007000, 0xE000E100, 0xE000ED00, 0xE000E010,
    0x20000000, 0x20000400, 0x2001F000, 0x10000000, 0x00F42400, 0x0A037A00,
};

// One function of plausible Thumb code: prologue, body, epilogue, literal pool.
// Returns the bytes; calls (bl) reach back into code already emitted.
QByteArray thumbFunction(Random &random, int maxBytes)
{
    QByteArray code;
    auto half = [&code](quint16 value) {
        code.append(char(value & 0xFF));
        code.append(char(value >> 8));
    };
    const int bodyOps = 6 + random.below(48);
    const int pool = 1 + random.below(4);
    if (maxBytes < 8 + 2 * bodyOps + 4 * pool + 4)
        return code;

    half(0xB5F0); // push {r4-r7, lr}
    for (int i = 0; i < bodyOps; ++i) {
        const int rd = random.below(8), rn = random.below(8), rm = random.below(8);
        switch (random.below(12)) {
        case 0: half(quint16(0x2000 | rd << 8 | random.below(256))); break;           // movs rd, #imm
        case 1: half(quint16(0x2800 | rd << 8 | random.below(64))); break;            // cmp rd, #imm
        case 2: half(quint16(0x3000 | rd << 8 | (1 + random.below(16)))); break;      // adds rd, #imm
        case 3: half(quint16(0x6800 | random.below(8) << 6 | rn << 3 | rd)); break;   // ldr rd, [rn, #imm]
        case 4: half(quint16(0x6000 | random.below(8) << 6 | rn << 3 | rd)); break;   // str rd, [rn, #imm]
        case 5: half(quint16(0x4800 | rd << 8 | random.below(pool))); break;          // ldr rd, [pc, #imm]
        case 6: half(quint16(0x1800 | rm << 6 | rn << 3 | rd)); break;                // adds rd, rn, rm
        case 7: half(quint16(0x0000 | (1 + random.below(31)) << 6 | rm << 3 | rd)); break; // lsls
        case 8: half(quint16((random.below(2) ? 0xD100 : 0xD000) | random.below(8))); break; // bne/beq
        case 9: half(quint16(0x4300 | rm << 3 | rd)); break;                          // orrs rd, rm
        case 10: half(quint16(0x4200 | rm << 3 | rd)); break;                         // tst rd, rm
        default:                                                                      // bl <earlier>
            half(quint16(0xF7FF));
            half(quint16(0xF800 | (0x400 + random.below(0x3FF))));
            break;
        }
    }
    half(0xBDF0); // pop {r4-r7, pc}
    if (code.size() % 4)
        half(0xBF00); // nop, aligns the literal pool
    for (int i = 0; i < pool; ++i)
        code.append(le32(literalWords[random.below(int(std::size(literalWords)))]));
    return code;
}

// Fills data[from, to) with functions; the tail that no function fits in gets nops.
void fillCode(QByteArray &data, int from, int to, Random &random)
{
    int at = from;
    while (at < to) {
        const QByteArray function = thumbFunction(random, to - at);
        if (function.isEmpty())
            break;
        data.replace(at, function.size(), function);
        at += function.size();
    }
    for (; at + 1 < to; at += 2)
        putLe16(data, at, 0xBF00);
}

int align4(int value)
{
    return (value + 3) & ~3;
}

} // namespace

void putLe32(QByteArray &data, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        data[offset + i] = char((value >> (8 * i)) & 0xFF);
}

quint32 getLe32(const QByteArray &data, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(data.at(offset + i));
    return value;
}

QByteArray infoBlock(const FirmwareSpec &spec)
{
    QByteArray block = le32(infoBeginMarker);
    block.append(char(spec.productType));
    for (quint8 byte : spec.productExtra)
        block.append(char(byte));
    block.append(textField(spec.name));
    block.append(textField(spec.revision));
    for (const auto &pair : spec.details) {
        block.append(textField(pair.first));
        block.append(textField(pair.second));
    }
    block.append(le32(infoEndMarker));
    return block;
}

QByteArray buildFirmware(const FirmwareSpec &spec)
{
    Random random(spec.seed);
    QByteArray image(spec.size, '\0');
    const QByteArray block = infoBlock(spec);
    const int blockEnd = align4(spec.infoOffset + block.size());

    // Read-only data (strings, then tables) takes the last fifth of the image.
    const int rodataStart = align4(spec.size - spec.size / 5);
    const int textStart = qMax(blockEnd, vectorTableSize);
    fillCode(image, vectorTableSize, spec.infoOffset, random);
    fillCode(image, textStart, rodataStart, random);
    image.replace(spec.infoOffset, block.size(), block);

    int at = rodataStart;
    for (const QByteArray &text : spec.strings) {
        const int length = align4(text.size() + 1);
        if (at + length > spec.size)
            break;
        image.replace(at, text.size(), text);
        at += length;
    }
    for (at = align4(at); at + 4 <= spec.size; at += 4)
        putLe32(image, at, random.next());

    // Vector table: stack top, then Thumb handler addresses inside the image;
    // the reserved core slots stay zero.
    const quint32 reset = flashBase + quint32(textStart) + 1;
    const quint32 defaultHandler = flashBase + quint32(vectorTableSize) + 1;
    putLe32(image, 0, spec.stackTop);
    putLe32(image, 4, reset);
    for (int i = 2; i < vectorCount; ++i) {
        const bool reserved = (i >= 7 && i <= 10) || i == 13;
        quint32 handler = defaultHandler;
        if (i < 16 || random.below(4) == 0)
            handler = (flashBase + quint32(textStart + 4 * random.below((rodataStart - textStart) / 4))) | 1;
        putLe32(image, 4 * i, reserved ? 0 : handler);
    }
    return image;
}

bool firmwareSpecFromJson(const QByteArray &json, FirmwareSpec *spec, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("not a JSON object: %1").arg(parseError.errorString());
        return false;
    }
    const QJsonObject object = document.object();
    FirmwareSpec result;
    auto number = [&](const char *key, qint64 low, qint64 high, qint64 fallback) -> qint64 {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return fallback;
        bool ok = false;
        const qint64 n = value.isString() ? value.toString().toLongLong(&ok, 0)
                                          : qint64(value.toDouble());
        if ((value.isString() && !ok) || (!value.isString() && !value.isDouble()) || n < low || n > high)
            *error = QStringLiteral("\"%1\" must be a number from %2 to %3").arg(key).arg(low).arg(high);
        return n;
    };
    result.productType = quint8(number("product_type", 0, 255, result.productType));
    result.size = int(number("image_size", 2048, 1 << 20, result.size));
    result.infoOffset = int(number("info_offset", 0, 2047, result.infoOffset));
    result.stackTop = quint32(number("stack_top", 0, 0xFFFFFFFF, result.stackTop));
    result.seed = quint32(number("seed", 0, 0xFFFFFFFF, result.seed));
    const QStringList extra = object.value("product_extra").toString("ff ff ff").split(' ', Qt::SkipEmptyParts);
    if (extra.size() != 3)
        *error = QStringLiteral("\"product_extra\" must hold three hexadecimal bytes");
    for (int i = 0; i < extra.size() && i < 3; ++i)
        result.productExtra[size_t(i)] = quint8(extra[i].toUInt(nullptr, 16));
    result.name = object.value("name").toString().toLatin1();
    result.revision = object.value("revision").toString().toLatin1();
    for (const QJsonValue pair : object.value("details").toArray())
        result.details.append({pair["key"].toString().toLatin1(), pair["value"].toString().toLatin1()});
    for (const QJsonValue text : object.value("strings").toArray())
        result.strings.append(text.toString().toLatin1());
    if (result.size % 4)
        *error = QStringLiteral("\"image_size\" must be a multiple of 4");
    if (result.infoOffset + infoBlock(result).size() > result.size)
        *error = QStringLiteral("the information block does not fit into the image");
    if (!error->isEmpty())
        return false;
    *spec = result;
    return true;
}

QByteArray buildOtpBlock(const QList<OtpEntry> &entries, int size)
{
    QByteArray block(size, char(0xFF));
    for (const OtpEntry &entry : entries) {
        QByteArray bytes = le32(otpEntryMarker);
        bytes.append(char(entry.productType));
        for (quint8 byte : entry.extra)
            bytes.append(char(byte));
        for (quint8 byte : entry.data)
            bytes.append(char(byte));
        // An entry may run past the end of a short block: keep what fits.
        block.replace(entry.offset, qMin(bytes.size(), size - entry.offset), bytes.left(size - entry.offset));
    }
    return block;
}

quint32 dfuCrc(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc;
}

QByteArray buildDfuSe(const QByteArray &image, quint32 address, quint16 vendor, quint16 product)
{
    QByteArray element = le32(address) + le32(quint32(image.size())) + image;

    QByteArray target("Target");
    target.append(char(0));    // alternate setting 0: internal flash
    target.append(le32(1));    // named
    QByteArray name("Internal Flash");
    name.append(QByteArray(255 - name.size(), '\0'));
    target.append(name);
    target.append(le32(quint32(element.size())));
    target.append(le32(1));    // one element
    target.append(element);

    QByteArray file("DfuSe");
    file.append(char(1));      // format version
    file.append(le32(quint32(11 + target.size())));
    file.append(char(1));      // one target
    file.append(target);

    QByteArray suffix(12, '\0');
    putLe16(suffix, 0, 0xFFFF); // any device release
    putLe16(suffix, 2, product);
    putLe16(suffix, 4, vendor);
    putLe16(suffix, 6, 0x011A); // DfuSe extension of DFU 1.1
    suffix.replace(8, 3, "UFD");
    suffix[11] = char(16);
    file.append(suffix);
    file.append(le32(dfuCrc(file)));
    return file;
}

} // namespace imagegen
