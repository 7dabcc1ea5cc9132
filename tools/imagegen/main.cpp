// velmora-imagegen: writes firmware images, OTP blocks and DfuSe files.
//
//   velmora-imagegen firmware --description FILE [overrides] --output FILE
//   velmora-imagegen otp (--blank | --type N [--extra "01 02 03"] [--data HEX16] [--offset N]) --output FILE
//   velmora-imagegen dfuse --input FILE --output FILE

#include "imagegen.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "velmora-imagegen: %s\n", qPrintable(message));
    return 1;
}

bool parseBytes(const QString &text, quint8 *out, int count)
{
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    if (bytes.size() != count)
        return false;
    for (int i = 0; i < count; ++i)
        out[i] = quint8(bytes[i]);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Builds firmware images, OTP blocks and DfuSe files.");
    parser.addHelpOption();
    parser.addPositionalArgument("kind", "firmware, otp or dfuse");
    const QCommandLineOption output("output", "File to write.", "file");
    const QCommandLineOption description("description", "JSON description of a firmware image.", "file");
    const QCommandLineOption input("input", "Raw image for the DfuSe file.", "file");
    const QCommandLineOption type("type", "Product type (firmware: overrides the description).", "n");
    const QCommandLineOption extra("extra", "Three extra identity bytes in hexadecimal.", "hex");
    const QCommandLineOption name("name", "Firmware name.", "text");
    const QCommandLineOption revision("revision", "Firmware revision.", "text");
    const QCommandLineOption size("size", "Image size in bytes.", "n");
    const QCommandLineOption seed("seed", "Seed of the image's code and data.", "n");
    const QCommandLineOption data("data", "OTP entry data, 8 bytes in hexadecimal.", "hex");
    const QCommandLineOption offset("offset", "Byte offset of the OTP entry.", "n");
    const QCommandLineOption blank("blank", "An erased OTP block.");
    parser.addOptions({output, description, input, type, extra, name, revision, size, seed, data, offset, blank});
    parser.process(app);

    const QStringList kind = parser.positionalArguments();
    if (kind.size() != 1 || !parser.isSet(output))
        return fail("give one kind (firmware, otp, dfuse) and --output; see --help");

    QByteArray bytes;
    if (kind[0] == "firmware") {
        imagegen::FirmwareSpec spec;
        if (parser.isSet(description)) {
            QFile file(parser.value(description));
            if (!file.open(QIODevice::ReadOnly))
                return fail(QStringLiteral("cannot read %1").arg(file.fileName()));
            QString error;
            if (!imagegen::firmwareSpecFromJson(file.readAll(), &spec, &error))
                return fail(QStringLiteral("%1: %2").arg(file.fileName(), error));
        }
        if (parser.isSet(type))
            spec.productType = quint8(parser.value(type).toUInt(nullptr, 0));
        if (parser.isSet(extra) && !parseBytes(parser.value(extra), spec.productExtra.data(), 3))
            return fail("--extra takes three bytes in hexadecimal");
        if (parser.isSet(name))
            spec.name = parser.value(name).toLatin1();
        if (parser.isSet(revision))
            spec.revision = parser.value(revision).toLatin1();
        if (parser.isSet(size))
            spec.size = parser.value(size).toInt();
        if (parser.isSet(seed))
            spec.seed = parser.value(seed).toUInt(nullptr, 0);
        if (spec.size < 2048 || spec.size % 4
            || spec.infoOffset + imagegen::infoBlock(spec).size() > spec.size)
            return fail("the image size must be a multiple of 4 that holds the information block");
        bytes = imagegen::buildFirmware(spec);
    } else if (kind[0] == "otp") {
        QList<imagegen::OtpEntry> entries;
        if (!parser.isSet(blank)) {
            imagegen::OtpEntry entry;
            entry.productType = quint8(parser.value(type).toUInt(nullptr, 0));
            if (parser.isSet(extra) && !parseBytes(parser.value(extra), entry.extra.data(), 3))
                return fail("--extra takes three bytes in hexadecimal");
            if (parser.isSet(data) && !parseBytes(parser.value(data), entry.data.data(), 8))
                return fail("--data takes eight bytes in hexadecimal");
            entry.offset = parser.value(offset).toInt();
            if (entry.offset < 0 || entry.offset >= imagegen::otpBlockSize)
                return fail("--offset must lie inside the 512-byte block");
            entries.append(entry);
        }
        bytes = imagegen::buildOtpBlock(entries);
    } else if (kind[0] == "dfuse") {
        QFile file(parser.value(input));
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1").arg(file.fileName()));
        bytes = imagegen::buildDfuSe(file.readAll());
    } else {
        return fail(QStringLiteral("unknown kind %1").arg(kind[0]));
    }

    QSaveFile file(parser.value(output));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
    return 0;
}
