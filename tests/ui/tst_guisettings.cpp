#include "guisettings.h"
#include "messagecapture.h"

#include <QtTest>

class TestGuiSettings : public QObject {
    Q_OBJECT

private slots:
    void shippedFile();
    void shippedTextForms();
    void labelValues_data();
    void labelValues();
    void circleValues_data();
    void circleValues();
    void documents_data();
    void documents();
    void duplicatesAndMisses();
    void invalidByDefault();
    void unreadableFile();
    void shownTextFallsBackToEnglish_data();
    void shownTextFallsBackToEnglish();
};

void TestGuiSettings::shippedFile()
{
    const GuiSettings settings = GuiSettings::fromFile(":resources/settings_GUI.json");
    QVERIFY(settings.valid);
    QCOMPARE(settings.labels.size(), 30);
    QCOMPARE(settings.circles.size(), 2);
    for (const LabelSpec &label : settings.labels) {
        QCOMPARE(label.size, -1);
        QCOMPARE(label.font, QString());
        QVERIFY(label.white);
    }
    for (const char *id : {"2", "4", "status_noDev", "status_devConn", "status_devRev", "status_devRevUnknown",
                           "status_noAccess", "status_readError", "status_severalDevs", "status_written", "status_writeError",
                           "status_writeFailed", "status_damaged", "status_cannotUnpack", "status_ready",
                           "status_readyRevUnknown", "status_writing", "status_done", "status_otherProduct", "status_serialUnreadable",
                           "status_cannotRun"})
        QVERIFY2(settings.labelText(id).contains("\r\n"), id); // raw CR LF kept
    QCOMPARE(settings.labelText("status_devConn"),
             QString("<span style=\"color:#000000; font-size:9pt\">\r\nConnected to %1.</span>"));
    const LabelSpec *noDevice = settings.findLabel("status_noDev");
    QVERIFY(noDevice);
    QCOMPARE(noDevice->x, 37);
    QCOMPARE(noDevice->y, 483);
    QVERIFY(noDevice->create);
    QCOMPARE(settings.findLabel("8b2")->x, -1);
    QVERIFY(!settings.findLabel("sim_mode")->create);
    QCOMPARE(settings.circles[0].color, QColor(255, 64, 64, 96));
}

void TestGuiSettings::shippedTextForms()
{
    const GuiSettings settings = GuiSettings::fromFile(":resources/settings_GUI.json");
    QCOMPARE(circleSpecText(settings.circles[0]), QString("Circle 'On button': (283,355), r=15, w=15, color=#60ff4040"));
    QCOMPARE(labelSpecText(*settings.findLabel("8b2")),
             QString("Label '8b2': (-1,-1) {no-create} font='':-1: '4. Click here to start upgrade'"));
    QCOMPARE(labelSpecText(*settings.findLabel("9")), QString("Label '9': (37,428) {} font='':-1: '3. Connect USB cable'"));
    LabelSpec black;
    black.id = "x";
    black.white = false;
    black.create = false;
    QCOMPARE(labelSpecText(black), QString("Label 'x': (-1,-1) {not-white no-create} font='':-1: ''"));
    black.create = true;
    QCOMPARE(labelSpecText(black), QString("Label 'x': (-1,-1) {not-white} font='':-1: ''"));

    const QString text = guiSettingsText(settings);
    QVERIFY(text.startsWith("GUI settings:\n\tCircle 'On button'"));
    QCOMPARE(text.count('\t'), 32); // a line per circle and label
    QVERIFY(text.endsWith("'Debug mode'\n"));
    MessageCapture capture;
    qInfo() << settings.circles[1];
    QCOMPARE(capture.texts(), QStringList{"Circle 'Menu button D': (386,316), r=13, w=13, color=#60ff4040"});
}

void TestGuiSettings::labelValues_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("create");
    QTest::addColumn<bool>("white");

    QTest::newRow("complete") << R"({"id": "a", "position": {"x": 5, "y": 6}, "size": 12, "font": "F",
                                     "text": "t", "create": false, "white": false})"
                              << "a" << 5 << 6 << 12 << "t" << false << false;
    QTest::newRow("no keys") << "{}" << "" << -1 << -1 << -1 << "" << true << true;
    QTest::newRow("id of the wrong type") << R"({"id": 5})" << "" << -1 << -1 << -1 << "" << true << true;
    QTest::newRow("position not an object") << R"({"position": [1, 2]})" << "" << -1 << -1 << -1 << "" << true
                                            << true;
    QTest::newRow("position without y") << R"({"position": {"x": 9}})" << "" << 9 << -1 << -1 << "" << true
                                        << true;
    QTest::newRow("x of 12.5") << R"({"position": {"x": 12.5, "y": 3}})" << "" << 0 << 3 << -1 << "" << true
                               << true;
    QTest::newRow("x of 7.0") << R"({"position": {"x": 7.0, "y": 3}})" << "" << 7 << 3 << -1 << "" << true << true;
    QTest::newRow("x out of range") << R"({"position": {"x": 3e9, "y": 3}})" << "" << 0 << 3 << -1 << "" << true
                                    << true;
    QTest::newRow("size as a string") << R"({"size": "12"})" << "" << -1 << -1 << 0 << "" << true << true;
    QTest::newRow("create as a string") << R"({"create": "no"})" << "" << -1 << -1 << -1 << "" << false << true;
    QTest::newRow("create as a number") << R"({"create": 1})" << "" << -1 << -1 << -1 << "" << false << true;
    QTest::newRow("white as null") << R"({"white": null})" << "" << -1 << -1 << -1 << "" << true << false;
    QTest::newRow("text of the wrong type") << R"({"text": ["a"]})" << "" << -1 << -1 << -1 << "" << true << true;
    QTest::newRow("not an object") << R"("label")" << "" << -1 << -1 << -1 << "" << true << true;
    QTest::newRow("raw control characters") << "{\"text\": \"a\tb\rc\nd\x01\"}" << "" << -1 << -1 << -1
                                            << "a\tb\rc\nd\x01" << true << true;
}

void TestGuiSettings::labelValues()
{
    QFETCH(QString, label);
    QFETCH(QString, id);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, size);
    QFETCH(QString, text);
    QFETCH(bool, create);
    QFETCH(bool, white);

    const GuiSettings settings("{\"labels\": [" + label + "]}");
    QCOMPARE(settings.labels.size(), 1);
    const LabelSpec &spec = settings.labels.first();
    QCOMPARE(spec.id, id);
    QCOMPARE(spec.x, x);
    QCOMPARE(spec.y, y);
    QCOMPARE(spec.size, size);
    QCOMPARE(spec.text, text);
    QCOMPARE(spec.create, create);
    QCOMPARE(spec.white, white);
}

void TestGuiSettings::circleValues_data()
{
    QTest::addColumn<QString>("circle");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<QString>("color"); // "" for an invalid colour

    QTest::newRow("complete") << R"({"name": "n", "center": {"x": 1, "y": 2}, "radius": 3, "pen_width": 4,
                                     "color": "#60FF4040"})"
                              << 1 << 2 << 3 << 4 << "#60ff4040";
    QTest::newRow("no color") << R"({"center": {"x": 1, "y": 2}})" << 1 << 2 << 0 << 0 << "";
    QTest::newRow("no center") << R"({"radius": 5})" << 0 << 0 << 5 << 0 << "";
    QTest::newRow("radius as a string") << R"({"radius": "15"})" << 0 << 0 << 0 << 0 << "";
    QTest::newRow("short colour") << R"({"color": "#fff"})" << 0 << 0 << 0 << 0 << "#ffffffff";
    QTest::newRow("SVG colour name") << R"({"color": "red"})" << 0 << 0 << 0 << 0 << "#ffff0000";
    QTest::newRow("four digits are no colour") << R"({"color": "#ffff"})" << 0 << 0 << 0 << 0 << "";
    QTest::newRow("not an object") << "7" << 0 << 0 << 0 << 0 << "";
}

void TestGuiSettings::circleValues()
{
    QFETCH(QString, circle);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, radius);
    QFETCH(int, penWidth);
    QFETCH(QString, color);

    const GuiSettings settings("{\"circles\": [" + circle + "]}");
    QCOMPARE(settings.circles.size(), 1);
    const CircleSpec &spec = settings.circles.first();
    QCOMPARE(spec.x, x);
    QCOMPARE(spec.y, y);
    QCOMPARE(spec.radius, radius);
    QCOMPARE(spec.pen_width, penWidth);
    QCOMPARE(spec.color.isValid() ? spec.color.name(QColor::HexArgb) : QString(), color);
}

void TestGuiSettings::documents_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("labels");
    QTest::addColumn<int>("circles");
    QTest::newRow("not JSON at all") << "labels = 2" << 0 << 0;
    QTest::newRow("array root") << R"([{"labels": [{}]}])" << 0 << 0;
    QTest::newRow("empty object") << "{}" << 0 << 0;
    QTest::newRow("labels not an array") << R"({"labels": {"id": "a"}, "circles": [{}]})" << 0 << 1;
    QTest::newRow("elements that are not objects") << R"({"labels": [1, "x", null]})" << 3 << 0;
    QTest::newRow("unknown keys ignored") << R"({"labels": [{"colour": 1}], "extra": true})" << 1 << 0;
    QTest::newRow("cut short") << R"({"labels": [{"id": "a"})" << 0 << 0;
    // Found by fuzzing: the shipped file with a circle's last two keys cut out.
    // Qt's JSON parser leaks what it had built when it fails here (not ours:
    // see the LeakSanitizer suppressions); the layout is empty, never a crash.
    QFile found(FUZZ_FINDINGS_DIR "/guisettings-qt-json-leak.json");
    QVERIFY(found.open(QIODevice::ReadOnly));
    QTest::newRow("fuzz finding: a damaged circle") << QString::fromUtf8(found.readAll()) << 0 << 0;
}

void TestGuiSettings::documents()
{
    QFETCH(QString, document);
    QFETCH(int, labels);
    QFETCH(int, circles);
    const GuiSettings settings(document);
    QVERIFY(settings.valid);
    QCOMPARE(settings.labels.size(), labels);
    QCOMPARE(settings.circles.size(), circles);
}

void TestGuiSettings::duplicatesAndMisses()
{
    const GuiSettings settings(R"({"labels": [{"id": "5", "text": "first"}, {"id": "5", "text": "second"},
                                              {"id": "Five", "text": "other"}]})");
    QCOMPARE(settings.labelText("5"), QString("first"));
    MessageCapture capture;
    QCOMPARE(settings.labelText("five"), QString()); // case-sensitive
    QVERIFY(!settings.findLabel("nope"));
    QCOMPARE(capture.texts(), (QStringList{"No matching label with id \"five\" found",
                                           "No matching label with id \"nope\" found"}));
    QCOMPARE(capture.messages().first().type, QtWarningMsg);
}

void TestGuiSettings::invalidByDefault()
{
    const GuiSettings settings;
    QVERIFY(!settings.valid);
    QCOMPARE(guiSettingsText(settings), QString("GUI settings:\n\tInvalid\n"));
    QCOMPARE(guiSettingsText(GuiSettings("{}")), QString("GUI settings:\n"));
}

void TestGuiSettings::unreadableFile()
{
    try {
        GuiSettings::fromFile("/nonexistent/settings_GUI.json");
        QFAIL("no error raised");
    } catch (const QString &error) {
        QCOMPARE(error, QString("Couldn't open file: /nonexistent/settings_GUI.json"));
    }
}

QTEST_GUILESS_MAIN(TestGuiSettings)
namespace {

// A language that has translated one text of the layout and no other.
class PartialTranslation : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (QByteArray(context) == "Layout" && QByteArray(source) == "5")
            return QStringLiteral("Folgen Sie den Schritten unten.");
        return QString();
    }
};

} // namespace

// A language that lacks a text shows that text in English, never an empty
// label or the id it is looked up by.
void TestGuiSettings::shownTextFallsBackToEnglish_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("translated");
    QTest::newRow("translated") << "5" << "Folgen Sie den Schritten unten." << true;
    QTest::newRow("untranslated") << "7a" << "1. Turn off the device" << false;
    QTest::newRow("rich text, untranslated") << "status_devConn"
                                             << "<span style=\"color:#000000; font-size:9pt\">\r\nConnected to %1.</span>"
                                             << false;
    QTest::newRow("no such entry") << "missing" << "" << false;
}

void TestGuiSettings::shownTextFallsBackToEnglish()
{
    QFETCH(QString, id);
    QFETCH(QString, shown);
    QFETCH(bool, translated);
    PartialTranslation translation;
    QVERIFY(QCoreApplication::installTranslator(&translation));
    const GuiSettings settings = GuiSettings::fromFile(":resources/settings_GUI.json");
    QCOMPARE(settings.shownText(id), shown);
    QCOMPARE(hasTranslation(id), translated);
    QCoreApplication::removeTranslator(&translation);
    // Without the translation, the file's English.
    QCOMPARE(settings.shownText(id), settings.labelText(id));
}

#include "tst_guisettings.moc"
