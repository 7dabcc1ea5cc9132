// What the tool carries inside its executable.

#include "imagegen.h"

#include <QtTest>

#include <QFontDatabase>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray resource(const QString &name)
{
    QFile file(":resources/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A NUL-terminated text field of the information block.
QString textAt(const QByteArray &image, int offset)
{
    const QByteArray field = image.mid(offset, 32);
    return QString::fromLatin1(field.left(field.indexOf('\0')));
}

double meanLuminance(const QImage &image, const QRect &area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void allFilesPresent_data();
    void allFilesPresent();
    void dfuUtilIsTheConfiguredProgram();
    void firmwareImageIsAnStm32Application();
    void firmwareInformationMatchesDescription();
    void dfuFileHoldsTheSameImage();
    void dfuSuffixAcceptsTheDfuFile();
    void backgroundPicture();
    void fontsLoad();
    void layoutFileBytes();
    void layoutFileContent();
};

void TestResources::allFilesPresent_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"dfu-util.exe", "firmware.dfu", "firmware.bin", "VelmoraSans-Regular.otf",
                             "VelmoraSans-Bold.otf", "background.jpg", "settings_GUI.json", "dfu-util.banner"})
        QTest::newRow(name) << QString(name);
}

void TestResources::allFilesPresent()
{
    QFETCH(QString, name);
    QVERIFY(QFileInfo(":resources/" + name).isFile());
    QVERIFY(!resource(name).isEmpty());
}

void TestResources::dfuUtilIsTheConfiguredProgram()
{
    QFile program(DFU_UTIL_EXECUTABLE);
    QVERIFY(program.open(QIODevice::ReadOnly));
    QVERIFY(resource("dfu-util.exe") == program.readAll());
    // What the start-up test expects of it: what it prints for -V.
    QProcess version;
    version.start(DFU_UTIL_EXECUTABLE, {"-V"});
    QVERIFY(version.waitForFinished(30000));
    QCOMPARE(resource("dfu-util.banner"), version.readAllStandardOutput());
    QVERIFY(resource("dfu-util.banner").startsWith("dfu-util "));
}

void TestResources::firmwareImageIsAnStm32Application()
{
    const QByteArray image = resource("firmware.bin");
    QVERIFY(image.size() >= 64 * 1024 && image.size() <= 256 * 1024);

    const quint32 stack = imagegen::getLe32(image, 0);
    QVERIFY2(stack > 0x20000000 && stack <= 0x20030000 && stack % 8 == 0, qPrintable(QString::number(stack, 16)));
    const quint32 reset = imagegen::getLe32(image, 4);
    QVERIFY(reset & 1); // Thumb
    QVERIFY(reset > imagegen::flashBase && reset < imagegen::flashBase + quint32(image.size()));
    // The reset handler starts with a push, as compiled code does.
    const int entry = int(reset - imagegen::flashBase - 1);
    QCOMPARE(quint8(image[entry + 1]), quint8(0xB5));
}

void TestResources::firmwareInformationMatchesDescription()
{
    QFile file(FIRMWARE_DESCRIPTION);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject description = QJsonDocument::fromJson(file.readAll()).object();
    const QByteArray image = resource("firmware.bin");

    const int begin = 428;
    QCOMPARE(imagegen::getLe32(image, begin), imagegen::infoBeginMarker);
    QCOMPARE(image.indexOf(QByteArray("\x12\x47\x23\x01", 4)), begin); // the first begin marker
    QCOMPARE(quint8(image[begin + 4]), quint8(30));
    QCOMPARE(image.mid(begin + 5, 3), QByteArray("\xff\xff\xff"));
    QCOMPARE(textAt(image, begin + 8), description["name"].toString());
    const QString revision = textAt(image, begin + 40);
    QCOMPARE(revision, description["revision"].toString());
    QVERIFY(QRegularExpression("^[A-Z][0-9]$").match(revision).hasMatch());

    const QJsonArray details = description["details"].toArray();
    QVERIFY(details.size() >= 3 && details.size() <= 5);
    for (int i = 0; i < details.size(); ++i) {
        QCOMPARE(textAt(image, begin + 72 + 64 * i),
                 details[i]["key"].toString());
        QCOMPARE(textAt(image, begin + 104 + 64 * i),
                 details[i]["value"].toString());
    }
    const int end = begin + 72 + 64 * details.size();
    QCOMPARE(imagegen::getLe32(image, end), imagegen::infoEndMarker);
    QCOMPARE(image.indexOf(QByteArray("\x13\x47\x23\x01", 4)), end);
}

void TestResources::dfuFileHoldsTheSameImage()
{
    const QByteArray dfu = resource("firmware.dfu");
    const QByteArray image = resource("firmware.bin");
    QVERIFY(dfu.startsWith("DfuSe\x01"));
    QCOMPARE(quint8(dfu[10]), quint8(1)); // one target
    QCOMPARE(dfu.mid(11, 6), QByteArray("Target"));
    const int element = 11 + 274;
    QCOMPARE(imagegen::getLe32(dfu, element), imagegen::flashBase);
    QCOMPARE(int(imagegen::getLe32(dfu, element + 4)), image.size());
    QVERIFY(dfu.mid(element + 8, image.size()) == image);
    QCOMPARE(dfu.size(), element + 8 + image.size() + 16);
}

void TestResources::dfuSuffixAcceptsTheDfuFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("firmware.dfu");
    QVERIFY(QFile::copy(":resources/firmware.dfu", path));

    QProcess check;
    check.start("dfu-suffix", {"-c", path});
    QVERIFY2(check.waitForFinished(30000), "dfu-suffix (Debian package dfu-util) did not run");
    const QString report = QString::fromLocal8Bit(check.readAll());
    QCOMPARE(check.exitCode(), 0);
    QVERIFY2(report.contains("contains a DFU suffix"), qPrintable(report));
    QVERIFY(report.contains("Product ID:\t0xDF11"));
    QVERIFY(report.contains("Vendor ID:\t0x0483"));
}

void TestResources::backgroundPicture()
{
    QImage picture;
    QVERIFY(picture.loadFromData(resource("background.jpg"), "JPEG"));
    QCOMPARE(picture.size(), QSize(665, 517));

    // Light-grey instruction text sits on the left, the title block at the top.
    QVERIFY(meanLuminance(picture, QRect(0, 250, 240, 210)) < 60);
    QVERIFY(meanLuminance(picture, QRect(0, 0, 665, 90)) < 60);
    // Black status text sits on the bottom strip.
    QVERIFY(meanLuminance(picture, QRect(0, 478, 665, 39)) > 200);
    // The TEST/power button under the first circle is red.
    const QColor power = picture.pixelColor(283 - 6, 355 + 4);
    QVERIFY2(power.red() > power.green() + 60, qPrintable(power.name()));
    // The rightmost button under the display, under the second circle, is a dark
    // key on the light front panel.
    QVERIFY(qGray(picture.pixel(386, 316)) + 60 < qGray(picture.pixel(412, 316)));
}

void TestResources::fontsLoad()
{
    const int regular = QFontDatabase::addApplicationFontFromData(resource("VelmoraSans-Regular.otf"));
    const int bold = QFontDatabase::addApplicationFontFromData(resource("VelmoraSans-Bold.otf"));
    QVERIFY(regular >= 0 && bold >= 0);
    const QStringList families = QFontDatabase::applicationFontFamilies(regular);
    QVERIFY(!families.isEmpty() && !families.first().isEmpty());
    QCOMPARE(QFontDatabase::applicationFontFamilies(bold), families);
    QVERIFY(QFontDatabase().styles(families.first()).contains("Bold"));
}

void TestResources::layoutFileBytes()
{
    const QByteArray bytes = resource("settings_GUI.json");
    QVERIFY(bytes.startsWith("{\r\n"));
    QVERIFY(bytes.endsWith("}\r\n"));
    // Every line ends in CR LF, also the raw line breaks inside the texts.
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QVERIFY(bytes.contains("\"text\": \"<span style=\\\"font-size:20pt\\\">\r\n<span style"));
}

void TestResources::layoutFileContent()
{
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(resource("settings_GUI.json"), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);

    const QJsonArray labels = root["labels"].toArray();
    QStringList ids;
    for (const QJsonValue label : labels)
        ids << label["id"].toString();
    QCOMPARE(ids, (QStringList{"2", "4", "5", "7a", "7b", "9", "8b2", "status_noDev", "status_devConn",
                               "status_devRev", "status_devRevUnknown", "status_noAccess", "status_readError", "status_severalDevs",
                               "status_written", "status_writeError", "status_writeFailed", "status_damaged",
                               "status_cannotUnpack", "status_ready", "status_readyRevUnknown", "status_writing", "status_done",
                               "status_otherProduct", "status_serialUnreadable", "status_busy", "status_cannotRun", "app_name",
                               "sim_mode", "debug_mode"}));
    for (const QJsonValue label : labels) {
        const QJsonObject object = label.toObject();
        QVERIFY(!object.contains("size") && !object.contains("font") && !object.contains("white"));
        QVERIFY(object["create"].isBool());
    }
    auto text = [&](int i) { return labels[i]["text"].toString(); };
    QCOMPARE(text(0), QString("<span style=\"font-size:20pt\">\r\n<span style=\"color:#FFFFFF; font-weight:bold;\">"
                              "Firmware upgrade</span>\n<br>\r\n<span style=\"font-weight:bold\">%1</span>\r\n</span>"));
    QCOMPARE(text(1), QString("<span style=\"font-size:20pt\">\r\nFirmware version:\n<br>\r\n%1</span>"));
    QCOMPARE(text(4), QString("2. Hold the rightmost button\n    under the display while\n    pushing the TEST "
                              "button\n    for 1 second"));
    QCOMPARE(text(6), QString("4. Click here to start upgrade"));
    QCOMPARE(text(7), QString("<span style=\"color:#000000; font-size:9pt\">\r\nThe USB cable must have a "
                              "'Micro B' plug and a 'Type A' plug.</span>"));
    QCOMPARE(text(9), QString("<span style=\"color:#000000; font-size:9pt\">\r\nConnected to %1 with firmware "
                              "version %2</span>"));
    QCOMPARE(labels[7]["position"].toObject(), (QJsonObject{{"x", 37}, {"y", 483}}));
    QVERIFY(!labels[6].toObject().contains("position"));
    QCOMPARE(text(11), QString("<span style=\"color:#000000; font-size:9pt\">\r\nA device was found but cannot be "
                               "opened: unplug it and plug it in again.</span>"));
    QCOMPARE(labels[13]["create"].toBool(true), false);

    const QJsonArray circles = root["circles"].toArray();
    QCOMPARE(circles.size(), 2);
    QCOMPARE(circles[0].toObject(), (QJsonObject{{"name", "On button"},
                                                 {"center", QJsonObject{{"x", 283}, {"y", 355}}},
                                                 {"radius", 15},
                                                 {"pen_width", 15},
                                                 {"color", "#60FF4040"}}));
    QCOMPARE(circles[1].toObject(), (QJsonObject{{"name", "Menu button D"},
                                                 {"center", QJsonObject{{"x", 386}, {"y", 316}}},
                                                 {"radius", 13},
                                                 {"pen_width", 13},
                                                 {"color", "#60FF4040"}}));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
