// The generator that every test and the build rely on for binaries.

#include "imagegen.h"

#include <QtTest>

using namespace imagegen;

namespace {
FirmwareSpec sampleSpec()
{
    FirmwareSpec spec;
    spec.productType = 30;
    spec.name = "T30 data logger application";
    spec.revision = "C2";
    spec.details = {{"HW compatibility", "rev. B"}, {"Build date", "2026-11-01"}, {"Build", "2.9.1"}};
    spec.strings = {"Velmora T30", "Battery low"};
    spec.size = 70000;
    spec.seed = 7;
    return spec;
}
} // namespace

class TestImageGen : public QObject {
    Q_OBJECT

private slots:
    void infoBlockLayout();
    void textFieldLimits_data();
    void textFieldLimits();
    void firmwareImage_data();
    void firmwareImage();
    void deterministic();
    void descriptionParsing_data();
    void descriptionParsing();
    void otpBlocks_data();
    void otpBlocks();
    void crcKnownValue();
    void dfuseFile();
    void dfuSuffixChecksTheCrc_data();
    void dfuSuffixChecksTheCrc();
};

void TestImageGen::infoBlockLayout()
{
    const FirmwareSpec spec = sampleSpec();
    const QByteArray block = infoBlock(spec);
    QCOMPARE(block.size(), 72 + 64 * 3 + 4);
    QCOMPARE(getLe32(block, 0), infoBeginMarker);
    QCOMPARE(getLe32(block, 4), 0xFFFFFF1Eu); // type 30 in the low byte
    QCOMPARE(QByteArray(block.constData() + 8), spec.name);
    QCOMPARE(QByteArray(block.constData() + 40), spec.revision);
    QCOMPARE(QByteArray(block.constData() + 72 + 64), QByteArray("Build date"));
    QCOMPARE(QByteArray(block.constData() + 104 + 64), QByteArray("2026-11-01"));
    QCOMPARE(getLe32(block, 264), infoEndMarker); // three pairs: 264 bytes after the begin marker
}

void TestImageGen::textFieldLimits_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("empty") << QByteArray() << QByteArray(32, '\0');
    QTest::newRow("31 characters") << QByteArray(31, 'n') << QByteArray(31, 'n') + QByteArray(1, '\0');
    QTest::newRow("32 characters, no NUL") << QByteArray(32, 'n') << QByteArray(32, 'n');
    QTest::newRow("longer is cut to 32") << QByteArray(40, 'n') << QByteArray(32, 'n');
}

void TestImageGen::textFieldLimits()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, field);
    FirmwareSpec spec;
    spec.name = name;
    spec.revision = "C3";
    const QByteArray block = infoBlock(spec);
    QCOMPARE(block.mid(8, 32), field);
    QCOMPARE(block.mid(40, 3), QByteArray("C3\0", 3)); // the next field is not shifted
}

void TestImageGen::firmwareImage_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("infoOffset");
    QTest::newRow("embedded layout") << 91136 << 428;
    QTest::newRow("small") << 4096 << 428;
    QTest::newRow("block late in the first 2048 bytes") << 65536 << 1600;
    QTest::newRow("large") << 262144 << 428;
}

void TestImageGen::firmwareImage()
{
    QFETCH(int, size);
    QFETCH(int, infoOffset);
    FirmwareSpec spec = sampleSpec();
    spec.size = size;
    spec.infoOffset = infoOffset;
    const QByteArray image = buildFirmware(spec);

    QCOMPARE(image.size(), size);
    QCOMPARE(getLe32(image, 0), spec.stackTop);
    for (int vector = 1; vector < 98; ++vector) {
        const quint32 handler = getLe32(image, 4 * vector);
        const bool reserved = (vector >= 7 && vector <= 10) || vector == 13;
        if (reserved) {
            QCOMPARE(handler, 0u);
        } else {
            QVERIFY2(handler & 1, qPrintable(QString("vector %1").arg(vector)));
            QVERIFY(handler > flashBase && handler < flashBase + quint32(size));
        }
    }
    const QByteArray block = infoBlock(spec);
    QCOMPARE(image.mid(infoOffset, block.size()), block);
    // The markers appear nowhere else, so decoders find exactly this block.
    QCOMPARE(image.indexOf(QByteArray("\x12\x47\x23\x01", 4)), infoOffset);
    QCOMPARE(image.lastIndexOf(QByteArray("\x12\x47\x23\x01", 4)), infoOffset);
    QCOMPARE(image.indexOf(QByteArray("\x13\x47\x23\x01", 4)), infoOffset + block.size() - 4);
    QVERIFY(image.contains("Velmora T30"));
}

void TestImageGen::deterministic()
{
    FirmwareSpec spec = sampleSpec();
    const QByteArray first = buildFirmware(spec);
    QCOMPARE(buildFirmware(spec), first);
    spec.seed = 8;
    const QByteArray other = buildFirmware(spec);
    QVERIFY(other != first);
    QCOMPARE(other.mid(428, infoBlock(spec).size()), first.mid(428, infoBlock(spec).size()));
}

void TestImageGen::descriptionParsing_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("revision");

    QTest::newRow("complete") << QByteArray(R"({"product_type": 36, "product_extra": "01 02 03", "name": "T4 app",
        "revision": "B7", "details": [{"key": "k", "value": "v"}], "image_size": 65536, "stack_top": "0x20010000"})")
                              << true << 36 << QByteArray("B7");
    QTest::newRow("defaults") << QByteArray("{}") << true << 30 << QByteArray();
    QTest::newRow("not JSON") << QByteArray("product_type = 30") << false << 0 << QByteArray();
    QTest::newRow("type out of range") << QByteArray(R"({"product_type": 300})") << false << 0 << QByteArray();
    QTest::newRow("size not a multiple of 4") << QByteArray(R"({"image_size": 65537})") << false << 0
                                              << QByteArray();
    QTest::newRow("two extra bytes") << QByteArray(R"({"product_extra": "01 02"})") << false << 0 << QByteArray();
    QTest::newRow("block does not fit") << QByteArray(R"({"image_size": 2048, "info_offset": 1990})") << false << 0
                                        << QByteArray();
    QTest::newRow("bad stack top") << QByteArray(R"({"stack_top": "sram"})") << false << 0 << QByteArray();
}

void TestImageGen::descriptionParsing()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, ok);
    QFETCH(int, type);
    QFETCH(QByteArray, revision);
    FirmwareSpec spec;
    QString error;
    QCOMPARE(firmwareSpecFromJson(json, &spec, &error), ok);
    QCOMPARE(error.isEmpty(), ok);
    if (ok) {
        QCOMPARE(int(spec.productType), type);
        QCOMPARE(spec.revision, revision);
    }
}

void TestImageGen::otpBlocks_data()
{
    QTest::addColumn<QList<int>>("offsets");
    QTest::addColumn<int>("size");
    QTest::newRow("erased") << QList<int>{} << 512;
    QTest::newRow("one entry") << QList<int>{0} << 512;
    QTest::newRow("superseding entry") << QList<int>{0, 16} << 512;
    QTest::newRow("last slot") << QList<int>{496} << 512;
    QTest::newRow("misaligned") << QList<int>{500} << 512;
    QTest::newRow("short block, entry cut") << QList<int>{24} << 32;
}

void TestImageGen::otpBlocks()
{
    QFETCH(QList<int>, offsets);
    QFETCH(int, size);
    QList<OtpEntry> entries;
    for (int offset : offsets) {
        OtpEntry entry;
        entry.productType = 30;
        entry.extra = {1, 2, 3};
        entry.data = {8, 9, 10, 11, 12, 13, 14, 15};
        entry.offset = offset;
        entries << entry;
    }
    const QByteArray block = buildOtpBlock(entries, size);
    QCOMPARE(block.size(), size);

    QByteArray expected(size, char(0xFF));
    const QByteArray entryBytes = QByteArray::fromHex("114723011e010203 08090a0b0c0d0e0f");
    for (int offset : offsets)
        expected.replace(offset, qMin(16, size - offset), entryBytes.left(size - offset));
    QCOMPARE(block.toHex(), expected.toHex());
}

void TestImageGen::crcKnownValue()
{
    // The CRC-32 check value of "123456789" is 0xCBF43926; DFU stores it uninverted.
    QCOMPARE(dfuCrc("123456789"), ~0xCBF43926u);
}

void TestImageGen::dfuseFile()
{
    const QByteArray image = buildFirmware(sampleSpec());
    const QByteArray file = buildDfuSe(image);
    QCOMPARE(file.left(6), QByteArray("DfuSe\x01"));
    QCOMPARE(int(getLe32(file, 6)), file.size() - 16);
    QCOMPARE(file.mid(11, 7), QByteArray("Target\0", 7));
    QCOMPARE(getLe32(file, 18), 1u); // named target
    QCOMPARE(QByteArray(file.constData() + 22), QByteArray("Internal Flash"));
    QCOMPARE(int(getLe32(file, 277)), 8 + image.size());
    QCOMPARE(getLe32(file, 281), 1u); // one element
    QCOMPARE(getLe32(file, 285), flashBase);
    QVERIFY(file.mid(293, image.size()) == image);

    const QByteArray suffix = file.right(16);
    QCOMPARE(suffix.left(12).toHex(), QByteArray("ffff11df83041a0155464410"));
    QCOMPARE(getLe32(suffix, 12), dfuCrc(file.left(file.size() - 4)));
}

void TestImageGen::dfuSuffixChecksTheCrc_data()
{
    QTest::addColumn<bool>("corrupt");
    QTest::newRow("as built") << false;
    QTest::newRow("one byte changed") << true;
}

void TestImageGen::dfuSuffixChecksTheCrc()
{
    QFETCH(bool, corrupt);
    QByteArray file = buildDfuSe(buildFirmware(sampleSpec()));
    if (corrupt)
        file[1000] = char(file[1000] ^ 0x01);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile out(dir.filePath("image.dfu"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();

    QProcess check;
    check.start("dfu-suffix", {"-c", out.fileName()});
    QVERIFY(check.waitForFinished(30000));
    const QString report = QString::fromLocal8Bit(check.readAllStandardOutput() + check.readAllStandardError());
    QCOMPARE(check.exitCode() == 0 && report.contains("contains a DFU suffix"), !corrupt);
}

QTEST_GUILESS_MAIN(TestImageGen)
#include "tst_imagegen.moc"
