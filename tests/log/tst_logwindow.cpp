// Message routing into the log dialog, from this thread and another, its
// standard-error lines, the dialog's behaviour and saving.

#include "logwindow.h"
#include "outputcapture.h"

#include <QtTest>

#include <QAccessible>

#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

#include <thread>

namespace {
// The view's text without what the offscreen platform itself logs when a
// window is shown.
QString viewText()
{
    QStringList lines = logWindow->dialog->textView->toPlainText().split('\n');
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QString &line) { return line.startsWith("Warning: This plugin does not"); }),
                lines.end());
    return lines.join('\n');
}
} // namespace

class TestLogWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void viewTextsPerType_data();
    void viewTextsPerType();
    void standardErrorLines();
    void placeMarkersInMessagesStay();
    void otherThreadInOrder();
    void notRoutedWithoutHandler();
    void richTextShownFormattedSavedPlain();
    void saving();
    void failedSaveLeavesNothingBehind();
    void clearThenSave();
    void toggleBesideMainWindow();
    void placeInsideTheScreen_data();
    void placeInsideTheScreen();
    void escapeAndClose();
    void otherThreadsAfterTheEventLoopWriteDirectly();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QtMessageHandler previous = nullptr;
};

void TestLogWindow::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    logWindow = new LogWindow;
    previous = qInstallMessageHandler(messageHandler);
}

void TestLogWindow::cleanup()
{
    qInstallMessageHandler(previous);
    delete logWindow.data();
    QVERIFY(logWindow.isNull()); // the guarded pointer follows the object
}

void TestLogWindow::viewTextsPerType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("shown");
    QTest::newRow("info") << int(QtInfoMsg) << "Install clicked";
    QTest::newRow("debug") << int(QtDebugMsg) << "Debug: Install clicked";
    QTest::newRow("warning") << int(QtWarningMsg) << "Warning: Install clicked";
    QTest::newRow("critical") << int(QtCriticalMsg) << "CRITICAL: Install clicked";
}

void TestLogWindow::viewTextsPerType()
{
    QFETCH(int, type);
    QFETCH(QString, shown);
    OutputCapture err(STDERR_FILENO);
    switch (type) {
    case QtInfoMsg: qInfo("Install clicked"); break;
    case QtDebugMsg: qDebug("Install clicked"); break;
    case QtWarningMsg: qWarning("Install clicked"); break;
    case QtCriticalMsg: qCritical("Install clicked"); break;
    }
    err.text();
    QCOMPARE(logWindow->dialog->textView->toPlainText(), shown);
}

void TestLogWindow::standardErrorLines()
{
    OutputCapture err(STDERR_FILENO);
    qInfo() << "Trying to stop sm_A";
    qDebug() << "SM_A created";
    qWarning() << "Oops, SM_A not dead yet";
    qCritical() << QString::fromUtf8("Grüße");
    QMessageLogger("file.cpp", 12, "void f()").warning("with a location");
    QCOMPARE(QString::fromLocal8Bit(err.text()),
             QString::fromUtf8("Info: Trying to stop sm_A ((null):0, (null))\n"
                               "Debug: SM_A created ((null):0, (null))\n"
                               "Warning: Oops, SM_A not dead yet ((null):0, (null))\n"
                               "Critical: \"Grüße\" ((null):0, (null))\n"
                               "Warning: with a location (file.cpp:12, void f())\n"));
}

void TestLogWindow::placeMarkersInMessagesStay()
{
    OutputCapture err(STDERR_FILENO);
    qWarning("status %%1 and %%2 stay");
    err.text();
    QCOMPARE(logWindow->dialog->textView->toPlainText(), QString("Warning: status %1 and %2 stay"));
}

void TestLogWindow::otherThreadInOrder()
{
    OutputCapture err(STDERR_FILENO);
    qInfo("from the user-interface thread");
    std::thread worker([] {
        for (int i = 0; i < 50; ++i)
            qInfo("worker message %d", i);
    });
    worker.join();
    // Worker messages arrive queued; they are all there, in order, once the
    // event loop has run.
    QTRY_COMPARE(logWindow->dialog->textView->toPlainText().count('\n'), 50);
    err.text();
    QStringList expected{"from the user-interface thread"};
    for (int i = 0; i < 50; ++i)
        expected << QString("worker message %1").arg(i);
    QCOMPARE(logWindow->dialog->textView->toPlainText().split('\n'), expected);
}

void TestLogWindow::notRoutedWithoutHandler()
{
    qInstallMessageHandler(previous);
    OutputCapture err(STDERR_FILENO);
    qInfo("not routed");
    const QByteArray written = err.text();
    QCOMPARE(logWindow->dialog->textView->toPlainText(), QString());
    QVERIFY(!written.contains("Info: not routed"));
    qInstallMessageHandler(messageHandler);
}

void TestLogWindow::richTextShownFormattedSavedPlain()
{
    OutputCapture err(STDERR_FILENO);
    qInfo("<span style=\"color:#000000; font-size:9pt\">Connected to a T30.</span>");
    err.text();
    QTextBrowser *view = logWindow->dialog->textView;
    QCOMPARE(view->toPlainText(), QString("Connected to a T30."));
    QVERIFY(view->toHtml().contains("font-size:9pt"));
    const QString path = dir->filePath("rich.txt");
    QVERIFY(logWindow->dialog->saveTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Connected to a T30."));
}

void TestLogWindow::saving()
{
    OutputCapture err(STDERR_FILENO);
    qInfo("first");
    qWarning("second");
    err.text();
    const QString path = dir->filePath("logfile.txt");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older and much longer log that must not survive in part\n");
    old.close();
    QVERIFY(logWindow->dialog->saveTo(path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("first\nWarning: second"));
}

void TestLogWindow::failedSaveLeavesNothingBehind()
{
    OutputCapture err(STDERR_FILENO);
    qInfo("text");
    err.text();
    const QString path = dir->filePath("missing-folder/logfile.txt");
    QString boxText;
    QTimer::singleShot(0, this, [&boxText] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxText = box->windowTitle() + "|" + box->text();
            box->accept();
        }
    });
    QVERIFY(!logWindow->dialog->saveTo(path));
    QCOMPARE(boxText, "Error|<nobr>File '" + path
                          + "'<br/>cannot be opened for writing.<br/><br/>The log output could <b>not</b> be "
                            "saved!</nobr>");
    QVERIFY(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    QCOMPARE(viewText(), QString("text"));
}

void TestLogWindow::clearThenSave()
{
    OutputCapture err(STDERR_FILENO);
    qInfo("text");
    err.text();
    QTest::mouseClick(logWindow->dialog->clearButton, Qt::LeftButton);
    const QString path = dir->filePath("empty.txt");
    QVERIFY(logWindow->dialog->saveTo(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(logWindow->dialog->clearButton->text(), QString("clear"));
    QCOMPARE(logWindow->dialog->saveButton->text(), QString("save output"));
    QCOMPARE(logWindow->dialog->hideButton->text(), QString("hide log"));
}

void TestLogWindow::toggleBesideMainWindow()
{
    QMainWindow main;
    main.setGeometry(40, 60, 100, 100); // room on its right on the test's 800 by 600 screen
    main.show();
    LogWindowDialog *dialog = logWindow->dialog;
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->size(), QSize(600, 400));
    logWindow->toggle_visibility(&main);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->geometry().topLeft(), QPoint(main.geometry().right(), main.geometry().top()));
    QCOMPARE(dialog->windowTitle(), QString("Log \u2013 Velmora Firmware Upgrade Tool"));
    QCOMPARE(QAccessible::queryAccessibleInterface(dialog->textView)->text(QAccessible::Name), QString("Log messages"));
    QCOMPARE(dialog->size(), QSize(600, 400));
    logWindow->toggle_visibility(&main);
    QVERIFY(!dialog->isVisible());
    main.move(80, 100);
    logWindow->toggle_visibility(&main);
    QCOMPARE(dialog->geometry().topLeft(), QPoint(main.geometry().right(), main.geometry().top()));
    QTest::mouseClick(dialog->hideButton, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

// The log window may be the last one left open: its buttons must lie on the
// screen, wherever the main window is and whatever the screen's size.
void TestLogWindow::placeInsideTheScreen_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("placed");

    const QSize log(600, 400);
    QTest::newRow("to the right, where it fits")
        << QRect(100, 50, 665, 517) << log << QRect(0, 0, 1920, 1080) << QRect(764, 50, 600, 400);
    QTest::newRow("to the left, where only that fits")
        << QRect(700, 50, 500, 400) << log << QRect(0, 0, 1280, 1024) << QRect(101, 50, 600, 400);
    QTest::newRow("a 1280 screen: over the main window's right part, within the screen")
        << QRect(307, 50, 665, 517) << log << QRect(0, 0, 1280, 1024) << QRect(680, 50, 600, 400);
    QTest::newRow("more room on the left") << QRect(340, 50, 665, 517) << log << QRect(0, 0, 1280, 1024)
                                          << QRect(0, 50, 600, 400);
    QTest::newRow("a main window low on the screen") << QRect(100, 700, 300, 300) << log << QRect(0, 0, 1280, 1024)
                                                     << QRect(399, 624, 600, 400);
    QTest::newRow("below a panel at the top") << QRect(100, 10, 300, 300) << log << QRect(0, 30, 1280, 994)
                                              << QRect(399, 30, 600, 400);
    QTest::newRow("a second screen to the right") << QRect(1400, 100, 665, 517) << log << QRect(1280, 0, 1920, 1080)
                                                  << QRect(2064, 100, 600, 400);
    QTest::newRow("a log larger than the screen") << QRect(0, 0, 665, 517) << QSize(900, 700) << QRect(0, 0, 800, 600)
                                                  << QRect(0, 0, 800, 600);
}

void TestLogWindow::placeInsideTheScreen()
{
    QFETCH(QRect, main);
    QFETCH(QSize, size);
    QFETCH(QRect, available);
    QFETCH(QRect, placed);
    const QRect place = logWindowPlace(main, size, available);
    QCOMPARE(place, placed);
    QVERIFY(available.contains(place));
}

void TestLogWindow::escapeAndClose()
{
    OutputCapture err(STDERR_FILENO);
    qInfo("kept");
    err.text();
    QMainWindow main;
    main.show();
    LogWindowDialog *dialog = logWindow->dialog;
    logWindow->toggle_visibility(&main);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QSignalSpy hidden(dialog, &LogWindowDialog::hidden);
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(hidden.count(), 1); // the tool may be waiting for the last window
    logWindow->toggle_visibility(&main);
    QVERIFY(dialog->isVisible());
    QCOMPARE(viewText(), QString("kept"));
}

void TestLogWindow::otherThreadsAfterTheEventLoopWriteDirectly()
{
    OutputCapture err(STDERR_FILENO);
    std::thread([] { qInfo("queued before the end"); }).join();
    // As the shutdown does once the event loop has returned: nothing would
    // deliver a waiting message any more.
    logWindow->routeMessagesDirectly();
    std::thread([] { qInfo("Stop requested: killing"); }).join();
    QCOMPARE(QString::fromLocal8Bit(err.text()), QString("Info: queued before the end ((null):0, (null))\n"
                                                         "Info: Stop requested: killing ((null):0, (null))\n"));
    QCOMPARE(viewText(), QString("queued before the end"));
}

QTEST_MAIN(TestLogWindow)
#include "tst_logwindow.moc"
