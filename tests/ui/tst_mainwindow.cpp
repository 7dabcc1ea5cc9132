// The main window built from the shipped layout file, at whatever scale the
// screen gives (the test runs at 96 and at 120 dpi).

#include "circle.h"
#include "installbutton.h"
#include "mainwindow.h"
#include "messagecapture.h"
#include "progressbar.h"
#include "shippedstate.h"
#include "statusline.h"

#include <QtTest>

#include <QLabel>
#include <QScreen>
#include <cmath>

namespace {

int truncated(double v) { return int(std::trunc(v)); }
int nearest(double v) { return int(std::floor(v + 0.5)); }

QLabel *labelContaining(QWidget *window, const QString &text)
{
    for (QLabel *label : window->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
        if (label->text().contains(text))
            return label;
    return nullptr;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowAndSlot();
    void labels_data();
    void labels();
    void simulatorModeLabel();
    void circles();
    void installButton();
    void downloadModeSlots();
    void keys_data();
    void keys();
    void downloadStaysDisabled_data();
    void downloadStaysDisabled();
    void statusTextsFitTheWindow();
    void unpositionedLabelStaysAtTheCorner();
    void missingStatusTextIsFatal();

private:
    std::unique_ptr<MainWindow> build(AppState &state, bool simulatorMode = false);
    AppState state;
    double s = 1.0;
};

std::unique_ptr<MainWindow> TestMainWindow::build(AppState &appState, bool simulatorMode)
{
    return std::unique_ptr<MainWindow>(createMainWindow(appState, nullptr, simulatorMode));
}

void TestMainWindow::initTestCase()
{
    MessageCapture capture;
    setDefaultFont();
    QCOMPARE(QApplication::font().pointSize(), 11);
    QCOMPARE(capture.texts(), QStringList{"Load/set default font: \"" + QApplication::font().family() + "\""});
    state = shippedState();
    s = QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 96.0;
}

void TestMainWindow::windowAndSlot()
{
    auto window = build(state);
    QCOMPARE(window->scale, s);
    QCOMPARE(window->size(), QSize(truncated(665 * s), truncated(517 * s)));
    const QRect slot(truncated(207 * s), truncated(417 * s), truncated(250 * s), truncated(40 * s));
    QCOMPARE(window->installButton->geometry(), slot);
    QCOMPARE(window->progressBar->geometry(), slot);
    QVERIFY(window->progressBar->isHidden());
    QVERIFY(window->isVisible());
    if (qFuzzyCompare(s, 1.25)) {
        QCOMPARE(window->size(), QSize(831, 646));
        QCOMPARE(slot, QRect(258, 521, 312, 50));
    }
    // The product picture is the window's background.
    QVERIFY(window->styleSheet().contains("border-image:url(\"://resources/background.jpg\")"));
}

void TestMainWindow::labels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("white");
    QTest::newRow("2") << "Velmora T30" << 37 << 32 << true;
    QTest::newRow("4") << "Firmware version:" << 400 << 32 << true;
    QTest::newRow("5") << "Follow the steps below" << 37 << 270 << true;
    QTest::newRow("7a") << "1. Turn off the device" << 37 << 320 << true;
    QTest::newRow("7b") << "    pushing the TEST button" << 37 << 350 << true;
    QTest::newRow("9") << "3. Connect USB cable" << 37 << 428 << true;
    QTest::newRow("status_noDev") << "'Micro B' plug" << 37 << 483 << true;
}

void TestMainWindow::labels()
{
    QFETCH(QString, text);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, white);
    auto window = build(state);
    QCOMPARE(window->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly).size(), 7);
    QLabel *label = labelContaining(window.get(), text);
    QVERIFY2(label, qPrintable(text));
    QCOMPARE(label->pos(), QPoint(nearest(s * x), nearest(s * y)));
    QVERIFY(label->isVisible());
    QCOMPARE(label->styleSheet().contains("rgba(175,175,175,100%)"), white);
    const QString tag = QTest::currentDataTag();
    if (tag == "4") {
        QCOMPARE(label->width(), truncated(228 * s));
        QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignTop);
        QVERIFY(label->text().endsWith("C3</span>"));
    } else if (tag == "2") {
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(!label->text().contains("%1"));
    } else if (tag == "status_noDev") {
        QCOMPARE(window->statusLabel, label);
    } else if (tag == "7b") {
        QCOMPARE(label->height(), 4 * QFontMetrics(label->font()).lineSpacing());
    }
}

void TestMainWindow::simulatorModeLabel()
{
    auto window = build(state, true);
    QLabel *label = labelContaining(window.get(), "Simulator mode");
    QVERIFY(label);
    QCOMPARE(label->pos(), QPoint(nearest(s * 480), nearest(s * 407)));
    QVERIFY(!labelContaining(window.get(), "Debug mode"));
    auto plain = build(state, false);
    QVERIFY(!labelContaining(plain.get(), "Simulator mode"));
}

void TestMainWindow::circles()
{
    auto window = build(state);
    const QList<Circle *> circles = window->findChildren<Circle *>();
    QCOMPARE(circles.size(), 2);
    const int r1 = truncated(15 * s), r2 = truncated(13 * s);
    QCOMPARE(circles[0]->geometry(), QRect(nearest(283 * s) - r1, nearest(355 * s) - r1, 2 * r1, 2 * r1));
    QCOMPARE(circles[1]->geometry(), QRect(nearest(386 * s) - r2, nearest(316 * s) - r2, 2 * r2, 2 * r2));
    if (qFuzzyCompare(s, 1.25))
        QCOMPARE(circles[0]->geometry(), QRect(354 - 18, 444 - 18, 36, 36));
    // Stacking: the circles above everything, the bar above the labels.
    const QObjectList children = window->children();
    QVERIFY(children.indexOf(window->progressBar) > children.indexOf(window->statusLabel));
    QVERIFY(children.indexOf(circles[0]) > children.indexOf(window->progressBar));
    QVERIFY(children.indexOf(window->installButton) < children.indexOf(window->statusLabel));
}

void TestMainWindow::installButton()
{
    auto window = build(state);
    InstallButton *button = window->installButton;
    QCOMPARE(button->text(), QString("4. Click here to start upgrade"));
    QCOMPARE(button->objectName(), QString("GUI_8"));
    QVERIFY(!button->isFlat());
    QCOMPARE(button->minimumHeight(), 30);
    QVERIFY(!button->isEnabled());
    window->enableDownload();
    MessageCapture capture;
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(capture.texts(), QStringList{"Install clicked"});
}

void TestMainWindow::downloadModeSlots()
{
    auto window = build(state);
    MessageCapture capture;
    window->enableDownload();
    QVERIFY(window->installButton->isEnabled());
    window->enableDownload(); // unchanged, still announced
    window->toggleDownload();
    QVERIFY(!window->installButton->isEnabled());
    window->disableDownload();
    QCOMPARE(capture.texts(),
             (QStringList{"MainWindow downloadMode: setEnabled true", "Download  enabled",
                          "MainWindow downloadMode: setEnabled true", "Download  enabled",
                          "MainWindow downloadMode: setEnabled false", "Download  disabled",
                          "MainWindow downloadMode: setEnabled false", "Download  disabled"}));
}

void TestMainWindow::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("finished");
    QTest::newRow("A") << int(Qt::Key_A) << int(Qt::NoModifier) << true << 0;
    QTest::newRow("Shift+A") << int(Qt::Key_A) << int(Qt::ShiftModifier) << true << 0;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << true << 0;
    QTest::newRow("Q") << int(Qt::Key_Q) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("B") << int(Qt::Key_B) << int(Qt::NoModifier) << false << 0;
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 0;
}

void TestMainWindow::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, enabled);
    QFETCH(int, finished);
    auto window = build(state);
    QSignalSpy done(window.get(), &MainWindow::finished);
    QTest::keyClick(window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(window->installButton->isEnabled(), enabled);
    QCOMPARE(done.count(), finished);
    if (enabled) { // A again disables it
        QTest::keyClick(window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(!window->installButton->isEnabled());
    }
}

// A damaged tool locks the button, a write or read-back holds it: neither the
// workflow nor the service key can enable it meanwhile.
void TestMainWindow::downloadStaysDisabled_data()
{
    QTest::addColumn<bool>("held"); // else locked for good
    QTest::newRow("locked: the tool is damaged") << false;
    QTest::newRow("held: the firmware is being written") << true;
}

void TestMainWindow::downloadStaysDisabled()
{
    QFETCH(bool, held);
    auto window = build(state);
    window->enableDownload();
    QVERIFY(window->installButton->isEnabled());
    if (held)
        window->holdDownload(true);
    else
        window->lockDownload();
    QVERIFY(!window->installButton->isEnabled());
    window->enableDownload();
    QVERIFY(!window->installButton->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_A);
    QVERIFY(!window->installButton->isEnabled());
    window->toggleDownload();
    QVERIFY(!window->installButton->isEnabled());
    QSignalSpy done(window.get(), &MainWindow::finished);
    QTest::keyClick(window.get(), Qt::Key_Q); // the tool can still be ended
    QCOMPARE(done.count(), 1);
    window->holdDownload(false);
    window->enableDownload();
    QCOMPARE(window->installButton->isEnabled(), held); // a hold ends, a lock does not
}

// Every text the status line can show, filled in as it is typically shown,
// ends inside the window: a cut sentence loses what to do.
void TestMainWindow::statusTextsFitTheWindow()
{
    auto window = build(state);
    const QStringList fills{"an R20 or R20S", "C2", "4. Click here to start upgrade", "C3"};
    int checked = 0;
    for (const LabelSpec &spec : state.settings.labels) {
        if (!spec.id.startsWith("status_"))
            continue;
        QString text = spec.text;
        if (spec.id == "status_cannotUnpack" || spec.id == "status_cannotRun")
            text.replace("%1", "/tmp");
        for (int marker = 1; marker <= 4; ++marker)
            text.replace("%" + QString::number(marker), fills[marker - 1]);
        window->statusLabel->setText(text);
        const int right = window->statusLabel->x() + window->statusLabel->sizeHint().width();
        QVERIFY2(right <= window->width(), qPrintable(QString("%1 ends at %2 of %3: %4")
                                                          .arg(spec.id).arg(right).arg(window->width())
                                                          .arg(spokenText(text))));
        ++checked;
    }
    QVERIFY(checked >= 19);
}

void TestMainWindow::unpositionedLabelStaysAtTheCorner()
{
    AppState custom;
    custom.settings = GuiSettings(R"({"labels": [
        {"id": "status_noDev", "text": "no device", "position": {"x": 0, "y": 50}},
        {"id": "8b2", "text": "install", "create": true},
        {"id": "big", "text": "big", "size": 30, "position": {"x": 10, "y": 10}}]})");
    auto window = build(custom);
    QCOMPARE(window->statusLabel->pos(), QPoint(0, 0)); // x of 0: not moved
    QVERIFY(labelContaining(window.get(), "install")); // an ordinary label now
    QCOMPARE(window->installButton->text(), QString());
    QLabel *big = labelContaining(window.get(), "big");
    const double fontScale = QGuiApplication::primaryScreen()->physicalDotsPerInch() / 110.0;
    QCOMPARE(big->font().pixelSize(), truncated(30 * fontScale));
}

void TestMainWindow::missingStatusTextIsFatal()
{
    // The aborting child never removes what it made at load (its working
    // directory): it makes it in a temporary directory of this test's.
    QTemporaryDir childTemp;
    QVERIFY(childTemp.isValid());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", childTemp.path());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--missing-status-text"});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY(child.readAllStandardError().contains("No message with id 'status_noDev' found, aborting"));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().contains("--missing-status-text")) {
        AppState empty;
        empty.settings = GuiSettings(R"({"labels": [{"id": "status_noDev", "text": ""}]})");
        createMainWindow(empty, nullptr, false);
        return 0; // not reached
    }
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
