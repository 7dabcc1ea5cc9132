#include "fwinfo.h"
#include "imagegen.h"
#include "messagecapture.h"
#include "payload.h"

#include <QtTest>

#include <QTemporaryDir>

using imagegen::FirmwareSpec;

namespace {

FirmwareSpec spec(int pairs, QByteArray name = "T30 data logger application", QByteArray revision = "C2")
{
    FirmwareSpec s;
    s.productType = 30;
    s.name = name;
    s.revision = revision;
    for (int i = 0; i < pairs; ++i)
        s.details.append({"key " + QByteArray::number(i), "value " + QByteArray::number(i)});
    return s;
}

// Flash-like data (erased bytes) with the given bytes at offset.
QByteArray place(const QByteArray &bytes, int offset, int size = 2048)
{
    QByteArray data(size, char(0xFF));
    data.replace(offset, bytes.size(), bytes);
    return data;
}

const QByteArray endMarker("\x13\x47\x23\x01", 4);

} // namespace

class TestFwInfo : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void textForm();
    void invalidTextForm();
    void debugStreamIsUnquoted();
    void readFromFile();
    void desiredIsReadOnce();
};

void TestFwInfo::parse_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("rawType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("revision");
    QTest::addColumn<QStringList>("details");
    QTest::addColumn<QStringList>("log");

    const QStringList none;
    const QStringList threePairs{"key 0=value 0", "key 1=value 1", "key 2=value 2"};
    const QString name = "T30 data logger application";

    FirmwareSpec image = spec(3);
    image.size = 65536;
    QTest::newRow("application image, block at 428")
        << imagegen::buildFirmware(image).left(2048) << true << 30 << 30 << name << "C2" << threePairs << none;
    QTest::newRow("no pairs") << place(imagegen::infoBlock(spec(0)), 428) << true << 30 << 30 << name << "C2"
                              << none << none;
    QTest::newRow("end marker at 1948") << place(imagegen::infoBlock(spec(0)), 1948 - 72) << true << 30 << 30
                                        << name << "C2" << none << none;
    QTest::newRow("end marker at 1949") << place(imagegen::infoBlock(spec(0)), 1949 - 72) << false << 0 << 0 << ""
                                        << "" << none << none;
    QTest::newRow("begin marker at 1949") << place(imagegen::infoBlock(spec(0)), 1949, 4096) << false << 0 << 0
                                          << "" << "" << none << none;
    QTest::newRow("empty data") << QByteArray() << false << 0 << 0 << "" << "" << none
                                << QStringList{"index_beg =  -1 index_end =  -1"};
    QTest::newRow("no begin marker") << place(endMarker, 600) << false << 0 << 0 << "" << "" << none
                                     << QStringList{"index_beg =  -1 index_end =  600"};
    QTest::newRow("no end marker") << place(imagegen::infoBlock(spec(1)).chopped(4), 428) << false << 0 << 0 << ""
                                   << "" << none << QStringList{"index_beg =  428 index_end =  -1"};

    QByteArray endFirst = place(imagegen::infoBlock(spec(1)), 428);
    endFirst.replace(100, 4, endMarker);
    QTest::newRow("end marker before begin marker")
        << endFirst << false << 0 << 0 << "" << "" << none
        << QStringList{"index_beg =  428 index_end =  100 nr_of_pair_bytes = -400"};

    QByteArray odd = imagegen::infoBlock(spec(0));
    odd.insert(odd.size() - 4, QByteArray(10, '\0'));
    QTest::newRow("pair bytes not a multiple of 64")
        << place(odd, 428) << false << 0 << 0 << "" << "" << none
        << QStringList{"index_beg =  428 index_end =  510 nr_of_pair_bytes = 10"};

    FirmwareSpec cut = spec(3);
    cut.details[1].first.clear();
    QTest::newRow("second key empty: pairs cut short") << place(imagegen::infoBlock(cut), 428) << true << 30 << 30
                                                       << name << "C2" << QStringList{"key 0=value 0"} << none;
    FirmwareSpec noValue = spec(3);
    noValue.details[2].second.clear();
    QTest::newRow("third value empty") << place(imagegen::infoBlock(noValue), 428) << true << 30 << 30 << name
                                       << "C2" << QStringList{"key 0=value 0", "key 1=value 1"} << none;

    QTest::newRow("31-character name") << place(imagegen::infoBlock(spec(0, QByteArray(31, 'N'))), 428) << true
                                       << 30 << 30 << QString(31, 'N') << "C2" << none << none;
    QTest::newRow("32-character name reads empty")
        << place(imagegen::infoBlock(spec(0, QByteArray(32, 'N'))), 428) << true << 30 << 30 << "" << "C2" << none
        << none;
    QTest::newRow("empty revision") << place(imagegen::infoBlock(spec(1, "app", "")), 428) << true << 30 << 30
                                    << "app" << "" << QStringList{"key 0=value 0"} << none;
    QTest::newRow("Latin-1 text") << place(imagegen::infoBlock(spec(0, "Ger\xe4t", "C3")), 428) << true << 30 << 30
                                  << QString::fromUtf8("Gerät") << "C3" << none << none;

    FirmwareSpec borea = spec(0);
    borea.productType = 35;
    QTest::newRow("type 35 stays 35, which is no row") << place(imagegen::infoBlock(borea), 0) << true << 254 << 35
                                                       << name << "C2" << none << none;
    FirmwareSpec other = spec(1);
    other.productType = 36;
    QTest::newRow("another product") << place(imagegen::infoBlock(other), 428) << true << 36 << 36 << name << "C2"
                                     << QStringList{"key 0=value 0"} << none;
}

void TestFwInfo::parse()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, valid);
    QFETCH(int, type);
    QFETCH(int, rawType);
    QFETCH(QString, name);
    QFETCH(QString, revision);
    QFETCH(QStringList, details);
    QFETCH(QStringList, log);

    MessageCapture capture;
    const FW_Info info = parseFwInfo(data);
    QCOMPARE(info.valid, valid);
    QCOMPARE(int(info.product.type), type);
    QCOMPARE(info.product.raw_type, rawType);
    QCOMPARE(info.name, name);
    QCOMPARE(info.revision, revision);
    QStringList pairs;
    for (const auto &pair : info.details)
        pairs << pair.first + "=" + pair.second;
    QCOMPARE(pairs, details);
    QCOMPARE(capture.texts(), log);
    for (const auto &message : capture.messages())
        QCOMPARE(message.type, QtDebugMsg);
    if (!valid)
        QCOMPARE(productInfoText(info.product), QString("ProductInfo: invalid (0)"));
}

void TestFwInfo::textForm()
{
    FirmwareSpec s = spec(0, "T30 app", "C3");
    s.details = {{"HW compatibility", "rev. B"}, {"A key of exactly thirty-one ch.", "v"}};
    const FW_Info info = parseFwInfo(place(imagegen::infoBlock(s), 428));
    QCOMPARE(fwInfoText(info), QString("FW info:\n"
                                       "  Type: ProductInfo: KEST (30)\n"
                                       "  Name: T30 app\n"
                                       "  Rev.: C3\n"
                                       "  Details:\n"
                                       "    HW compatibility               : rev. B                         \n"
                                       "    A key of exactly thirty-one ch.: v                              "));
    QCOMPARE(fwInfoText(parseFwInfo(place(imagegen::infoBlock(spec(0, "x", "y")), 428))),
             QString("FW info:\n  Type: ProductInfo: KEST (30)\n  Name: x\n  Rev.: y\n  Details:"));
}

void TestFwInfo::invalidTextForm()
{
    QCOMPARE(fwInfoText(FW_Info()), QString("FW info:\n\tInvalid"));
}

void TestFwInfo::debugStreamIsUnquoted()
{
    const FW_Info info = parseFwInfo(place(imagegen::infoBlock(spec(1)), 428));
    MessageCapture capture;
    qInfo() << "Desired (embedded)" << info << QString("after");
    QCOMPARE(capture.texts(), QStringList{"Desired (embedded) " + fwInfoText(info) + " \"after\""});
}

void TestFwInfo::readFromFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MessageCapture capture;
    QVERIFY(!readFwInfo(dir.filePath("missing.bin")).valid);
    QVERIFY(capture.texts().isEmpty());

    QFile file(dir.filePath("image.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(imagegen::buildFirmware(spec(2)));
    file.close();
    const FW_Info info = readFwInfo(file.fileName());
    QVERIFY(info.valid);
    QCOMPARE(info.details.size(), 2);
}

void TestFwInfo::desiredIsReadOnce()
{
    const QString path = tempFilePath(firmwareBinFileName);
    auto write = [&](const QByteArray &bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    write(imagegen::buildFirmware(spec(3, "first", "C3")));

    MessageCapture capture;
    const FW_Info &first = desiredFwInfo();
    QCOMPARE(first.name, QString("first"));
    QCOMPARE(first.revision, QString("C3"));
    QCOMPARE(capture.texts(), QStringList{"Reading desired FW_Info from  \"" + path + "\""});

    write(imagegen::buildFirmware(spec(3, "second", "C4")));
    capture.clear();
    QCOMPARE(desiredFwInfo().name, QString("first"));
    QVERIFY(capture.texts().isEmpty());
}

QTEST_GUILESS_MAIN(TestFwInfo)
#include "tst_fwinfo.moc"
