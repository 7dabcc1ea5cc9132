#include "imagegen.h"
#include "messagecapture.h"
#include "otpinfo.h"

#include <QtTest>

#include <QTemporaryDir>

namespace {

imagegen::OtpEntry entry(quint8 type, int offset, imagegen::Bytes3 extra = {0xFF, 0xFF, 0xFF})
{
    imagegen::OtpEntry e;
    e.productType = type;
    e.extra = extra;
    e.data = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80};
    e.offset = offset;
    return e;
}

QByteArray block(const QList<imagegen::OtpEntry> &entries, int size = 512)
{
    return imagegen::buildOtpBlock(entries, size);
}

const QString noneUsed = "Device not used, has invalid info in its OTP info.";

} // namespace

class TestOtpInfo : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void textForms_data();
    void textForms();
    void readFromFile();
};

void TestOtpInfo::parse_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("blank");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("rawType");
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("log");

    const QByteArray noExtra = "ffffff";
    const QByteArray entryData = "1020304050607080";
    const QByteArray zeros = "0000000000000000";
    const QStringList none;

    QTest::newRow("erased block") << block({}) << false << true << 0 << 0 << noExtra << zeros << none;
    QTest::newRow("empty block") << QByteArray() << false << true << 0 << 0 << noExtra << zeros << none;
    QTest::newRow("T30 entry") << block({entry(30, 0)}) << true << false << 30 << 30 << noExtra << entryData << none;
    QTest::newRow("newer entry supersedes") << block({entry(36, 0), entry(30, 16)}) << true << false << 30 << 30
                                            << noExtra << entryData << none;
    QTest::newRow("entry at 496") << block({entry(30, 496)}) << true << false << 30 << 30 << noExtra << entryData
                                  << none;
    QTest::newRow("marker at 500") << block({entry(30, 0), entry(30, 500)}) << false << false << 0 << 0 << noExtra
                                   << zeros << none;
    QTest::newRow("marker at 512 of a longer block") << block({entry(30, 0), entry(30, 512)}, 528) << false << false
                                                     << 0 << 0 << noExtra << zeros << none;

    QByteArray inData = block({entry(30, 0), entry(36, 16)});
    inData.replace(24, 4, QByteArray("\x11\x47\x23\x01", 4));
    QTest::newRow("marker inside the newest entry's data") << inData << false << false << 0 << 0 << noExtra << zeros
                                                           << none;
    QTest::newRow("stored 35 reads as 43") << block({entry(35, 0)}) << true << false << 43 << 43 << noExtra
                                           << entryData << none;
    QTest::newRow("type byte never programmed") << block({entry(0xFF, 0)}) << false << false << 255 << 255
                                                << noExtra << entryData << QStringList{noneUsed};
    QTest::newRow("type 0") << block({entry(0, 32)}) << false << false << 0 << 0 << noExtra << entryData
                            << QStringList{noneUsed};
    QTest::newRow("type 7 not in the table")
        << block({entry(7, 0, {1, 2, 3})}) << false << false << 0 << 7 << QByteArray("010203") << entryData
        << QStringList{"Unknown device type according to OTP info,  \"ProductInfo: unknown (254) [07 01 02 03]\""};
    QTest::newRow("type 254 stored") << block({entry(254, 0)}) << false << false << 0 << 254 << noExtra << entryData
                                     << QStringList{"Unknown device type according to OTP info,  "
                                                    "\"ProductInfo: unknown (254) [fe ff ff ff]\""};
    QTest::newRow("short block, complete entry") << block({entry(30, 16)}, 32) << true << false << 30 << 30
                                                 << noExtra << entryData << none;
    QTest::newRow("short block, entry cut off") << block({entry(30, 16)}, 24) << false << false << 0 << 0 << noExtra
                                                << zeros << none;
    QTest::newRow("programmed to zero, no marker") << QByteArray(512, '\0') << false << false << 0 << 0 << noExtra
                                                   << zeros << none;
}

void TestOtpInfo::parse()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, valid);
    QFETCH(bool, blank);
    QFETCH(int, type);
    QFETCH(int, rawType);
    QFETCH(QByteArray, extra);
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, log);

    MessageCapture capture;
    const OTP_Info info = parseOtpInfo(data);
    QCOMPARE(info.valid, valid);
    QCOMPARE(info.blank, blank);
    QCOMPARE(int(info.product.type), type);
    QCOMPARE(info.product.raw_type, rawType);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(info.product.extra.data()), 3).toHex(), extra);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(info.data.data()), 8).toHex(), payload);
    QCOMPARE(capture.texts(), log);
    for (const auto &message : capture.messages())
        QCOMPARE(message.type, QtInfoMsg);
}

void TestOtpInfo::textForms_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");
    QTest::newRow("erased") << block({}) << "OTP info:\nMarker invalid\nProduct: ProductInfo: invalid (0)\n";
    QTest::newRow("T30") << block({entry(30, 0)}) << "OTP info:\nMarker valid\nProduct: ProductInfo: KEST (30)\n";
    QTest::newRow("T30 with extra bytes") << block({entry(30, 0, {1, 0xFF, 0xFF})})
                                          << "OTP info:\nMarker valid\nProduct: ProductInfo: KEST (30) [1e 01 ff ff]\n";
    QTest::newRow("unknown type") << block({entry(7, 0, {1, 2, 3})})
                                  << "OTP info:\nMarker invalid\nProduct: ProductInfo: invalid (0) [07 01 02 03]\n";
}

void TestOtpInfo::textForms()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QCOMPARE(otpInfoText(parseOtpInfo(data)), text);
}

void TestOtpInfo::readFromFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MessageCapture capture;
    const OTP_Info missing = readOtpInfo(dir.filePath("missing.bin"));
    QVERIFY(!missing.valid);
    QVERIFY(!missing.blank); // an unreadable file is no erased OTP
    QVERIFY(capture.texts().isEmpty());

    QFile empty(dir.filePath("empty.bin"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(readOtpInfo(empty.fileName()).blank);

    QFile written(dir.filePath("otp.bin"));
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write(block({entry(30, 48)}));
    written.close();
    QCOMPARE(int(readOtpInfo(written.fileName()).product.type), 30);
}

QTEST_GUILESS_MAIN(TestOtpInfo)
#include "tst_otpinfo.moc"
