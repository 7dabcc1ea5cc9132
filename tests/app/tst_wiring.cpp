// The wiring's reactions: what the window shows for each of SM_B's signals,
// the install button, Ctrl+L and Q.

#include "installbutton.h"
#include "logwindow.h"
#include "mainwindow.h"
#include "messagecapture.h"
#include "outputcapture.h"
#include "progressbar.h"
#include "toolrunner.h"
#include "sm_a.h"
#include "sm_b.h"
#include "wiring.h"

#include <QtTest>

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>

class TestWiring : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startShowsNoDevice();
    void deviceConnected_data();
    void deviceConnected();
    void deviceRevision_data();
    void deviceRevision();
    void upgradePossibleAndImpossible();
    void payloadProblemLocksTheButton_data();
    void payloadProblemLocksTheButton();
    void unreadableDeviceIsNamedUntilItGoes();
    void clickStartsTheUpgradeRun();
    void verifyingRun();
    void firmwareMatches();
    void firmwareDiffers();
    void firmwareDiffersMessageGoesWithItsDevice_data();
    void firmwareDiffersMessageGoesWithItsDevice();
    void ctrlLFromBothWindows();
    void quitStopsTheWorkflow();
    void closingTheWindowStopsTheWorkflow();
    void deviceThatCannotBeOpenedIsNamed();
    void pauseAfterTheWrite_data();
    void pauseAfterTheWrite();
    void progressReportsMoveTheBar();
    void reachableWithoutAMouse();
    void screenReaderNamesFollowTheWindow();

private:
    QString status() const { return mainWindow->statusLabel->text(); }
    QString text(const char *id) const { return app_state.settings.labelText(id); }
};

void TestWiring::init()
{
    app_state.settings = GuiSettings::fromFile(":resources/settings_GUI.json");
    app_state.desiredType = 30;
    app_state.desiredRevision = "C3";
    logWindow = new LogWindow;
    mainWindow = createMainWindow(app_state, nullptr, false);
    sm_A = new SM_A("firmware.dfu", "firmware.bin", "uploaded_FW.bin"); // never started here
    sm_B = new SM_B(sm_A, 30, "C3");
    wireWorkflow(*qApp);
    sm_B->start();
    QTRY_VERIFY(sm_B->configuration().contains(sm_B->B1));
}

void TestWiring::cleanup()
{
    delete sm_B;
    sm_B = nullptr;
    delete sm_A;
    sm_A = nullptr;
    delete mainWindow.data();
    delete logWindow.data();
}

void TestWiring::startShowsNoDevice()
{
    QCOMPARE(status(), text("status_noDev"));
    QVERIFY(!mainWindow->installButton->isEnabled());
    QVERIFY(mainWindow->progressBar->isHidden());
    QCOMPARE(mainWindow->progressBar->format(), QString("This text should not be visible!"));
    QCOMPARE(mainWindow->statusLabel->textFormat(), Qt::AutoText);
}

void TestWiring::deviceConnected_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("shown");
    QTest::newRow("T30") << 30 << "Connected to a T30.</span>";
    QTest::newRow("T4") << 36 << "Connected to a T4.</span>";
    QTest::newRow("spoken with a vowel") << 140 << "Connected to an R20 or R20S.</span>";
    QTest::newRow("not in the table") << 7 << "Connected to a device.</span>";
}

void TestWiring::deviceConnected()
{
    QFETCH(int, type);
    QFETCH(QString, shown);
    sm_B->deviceInfo.otp.product.type = quint8(type);
    emit sm_B->sig_DeviceConnected();
    QVERIFY2(status().endsWith(shown), qPrintable(status()));
}

void TestWiring::deviceRevision_data()
{
    QTest::addColumn<QString>("revision");
    QTest::addColumn<QString>("shown");
    QTest::newRow("C2") << "C2" << "Connected to a T30 with firmware version C2</span>";
    QTest::newRow("unknown") << "" << "Connected to a T30 with unknown firmware version.</span>";
    QTest::newRow("place marker in a revision") << "%1" << "Connected to a T30 with firmware version %1</span>";
}

void TestWiring::deviceRevision()
{
    QFETCH(QString, revision);
    QFETCH(QString, shown);
    sm_B->deviceInfo.otp.product.type = 30;
    sm_B->deviceInfo.FW_revision = revision;
    emit sm_B->sig_DifferingRevision();
    QVERIFY2(status().endsWith(shown), qPrintable(status()));
    QCOMPARE(deviceRevisionText(), status());
}

void TestWiring::upgradePossibleAndImpossible()
{
    emit sm_B->sig_UpgradePossible();
    QVERIFY(mainWindow->installButton->isEnabled());
    sm_B->deviceInfo.otp.product.type = 30;
    emit sm_B->sig_DeviceConnected();
    MessageCapture capture;
    emit sm_B->sig_UpgradeImpossible();
    QVERIFY(!mainWindow->installButton->isEnabled());
    QCOMPARE(status(), text("status_noDev"));
    // The button is disabled before the status line changes.
    QCOMPARE(capture.texts().first(), QString("MainWindow downloadMode: setEnabled false"));
}

// A payload that is not what the build made: the status line says which
// problem it is and what to do, and nothing can enable the button.
void TestWiring::payloadProblemLocksTheButton_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("id");
    QTest::newRow("damaged") << int(PayloadState::Damaged) << "status_damaged";
    QTest::newRow("not unpacked") << int(PayloadState::NotUnpacked) << "status_cannotUnpack";
    QTest::newRow("no working directory") << int(PayloadState::NoWorkingDirectory) << "status_cannotUnpack";
}

void TestWiring::payloadProblemLocksTheButton()
{
    QFETCH(int, state);
    QFETCH(QString, id);
    emit sm_B->sig_UpgradePossible();
    MessageCapture capture;
    refuseToWrite(PayloadState(state));
    QVERIFY(!mainWindow->installButton->isEnabled());
    QVERIFY(!text(qPrintable(id)).isEmpty());
    const QString expected = text(qPrintable(id));
    QCOMPARE(status(), expected.contains("%1") ? expected.arg(QDir::toNativeSeparators(tempDir().path())) : expected);
    QCOMPARE(capture.texts().filter("Status: ").size(), 1);
    emit sm_B->sig_UpgradePossible();
    QTest::keyClick(mainWindow, Qt::Key_A);
    QVERIFY(!mainWindow->installButton->isEnabled());
}

// A device whose identification cannot be read is left alone until it goes:
// the status line says so, not "no device", and forgets it when it is gone.
void TestWiring::unreadableDeviceIsNamedUntilItGoes()
{
    emit sm_A->sig_NoDevConn();
    emit sm_A->sig_DeviceError("dfu-util: dfuse_upload: libusb_control_transfer returned -9 (LIBUSB_ERROR_PIPE)");
    QCOMPARE(status(), text("status_readError"));
    QVERIFY(!mainWindow->installButton->isEnabled());
    emit sm_B->sig_UpgradeImpossible(); // the workflow's own "no device" keeps it
    QCOMPARE(status(), text("status_readError"));
    emit sm_A->sig_NoDevConn(); // the next look for a device
    QCOMPARE(status(), text("status_noDev"));
}

void TestWiring::clickStartsTheUpgradeRun()
{
    mainWindow->enableDownload();
    QSignalSpy doDownload(sm_B, &SM_B::sig_DoDownload);
    MessageCapture capture;
    QTest::mouseClick(mainWindow->installButton, Qt::LeftButton);
    QCOMPARE(capture.texts().first(), QString("Install clicked"));
    QCOMPARE(doDownload.count(), 1); // also in B1, where it changes no state
    ProgressBar *bar = mainWindow->progressBar;
    QVERIFY(!bar->isHidden());
    QVERIFY(bar->isRunning());
    QCOMPARE(bar->format(), QString("Upgrading firmware"));
    QCOMPARE(bar->runDuration(), 90000);
    QTest::qWait(100);
    QVERIFY(sm_B->configuration().contains(sm_B->B1));
}

void TestWiring::verifyingRun()
{
    emit sm_B->sig_UploadingVerifying();
    QCOMPARE(mainWindow->progressBar->format(), QString("Uploading & verifying"));
    QCOMPARE(mainWindow->progressBar->runDuration(), 500);
    QVERIFY(!mainWindow->progressBar->isHidden());
}

void TestWiring::firmwareMatches()
{
    sm_B->deviceInfo.otp.product.type = 30;
    sm_B->deviceInfo.FW_revision = "C3";
    emit sm_B->sig_UploadingVerifying();
    emit sm_B->sig_FwMatches();
    ProgressBar *bar = mainWindow->progressBar;
    QVERIFY(!bar->isRunning());
    QVERIFY(!bar->isHidden());
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(bar->format(), QString("Done. Disconnect USB cable."));
    QVERIFY(status().endsWith("Connected to a T30 with firmware version C3</span>"));
}

void TestWiring::firmwareDiffers()
{
    sm_B->deviceInfo.otp.product.type = 30;
    sm_B->deviceInfo.FW_revision = "C3";
    emit sm_B->sig_UploadingVerifying();
    emit sm_B->sig_UpgradePossible();
    emit sm_B->sig_FwDiffers();
    ProgressBar *bar = mainWindow->progressBar;
    QVERIFY(bar->isHidden());
    QVERIFY(!bar->isRunning());
    QCOMPARE(bar->value(), bar->minimum());
    QCOMPARE(bar->format(), QString("FW differs"));
    QVERIFY(mainWindow->installButton->isEnabled());
    auto *box = mainWindow->findChild<QMessageBox *>("fwDiffersBox");
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowTitle(), QString("FW differs"));
    QVERIFY(box->text().contains("Click \"4. Click here to start upgrade\" to write it again."));
    QVERIFY(!box->isModal() || box->windowModality() == Qt::WindowModal);
    box->accept();
}

void TestWiring::firmwareDiffersMessageGoesWithItsDevice_data()
{
    QTest::addColumn<QString>("then");
    QTest::newRow("the device is gone") << "UpgradeImpossible";
    QTest::newRow("the firmware is written again") << "DoDownload";
}

void TestWiring::firmwareDiffersMessageGoesWithItsDevice()
{
    QFETCH(QString, then);
    sm_B->deviceInfo.otp.product.type = 30;
    emit sm_B->sig_UpgradePossible();
    emit sm_B->sig_FwDiffers();
    QPointer<QMessageBox> box = mainWindow->findChild<QMessageBox *>("fwDiffersBox");
    QVERIFY(box && box->isVisible());

    if (then == "UpgradeImpossible")
        emit sm_B->sig_UpgradeImpossible();
    else
        emit sm_B->sig_DoDownload();
    // Left open, it would speak of a read-back that no longer concerns what is shown.
    QTRY_VERIFY(box.isNull() || !box->isVisible());
}

void TestWiring::ctrlLFromBothWindows()
{
    LogWindowDialog *dialog = logWindow->dialog;
    QVERIFY(!dialog->isVisible());
    QApplication::setActiveWindow(mainWindow);
    QTest::keyClick(mainWindow, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->geometry().topLeft(), QPoint(mainWindow->geometry().right(), mainWindow->geometry().top()));
    QApplication::setActiveWindow(dialog);
    QTest::keyClick(dialog, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!mainWindow->installButton->isEnabled()); // Ctrl+L is not the A key
}

void TestWiring::quitStopsTheWorkflow()
{
    // The handler is reset first: the lines after it go to the default output.
    const QtMessageHandler testHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(testHandler);
    OutputCapture err(STDERR_FILENO);
    QTest::keyClick(mainWindow, Qt::Key_Q);
    QTRY_VERIFY(!sm_B->isRunning());
    const QString written = QString::fromLocal8Bit(err.text());
    qInstallMessageHandler(testHandler);
    QVERIFY2(written.contains("Msg-handler reset\nTrying to stop sm_A\n"), qPrintable(written));
    QVERIFY(sm_A->isStopRequested());
}

void TestWiring::closingTheWindowStopsTheWorkflow()
{
    // With the log window open the tool outlives its main window: the workflow
    // must not go on unseen behind it.
    logWindow->toggle_visibility(mainWindow);
    const QtMessageHandler testHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(testHandler);
    OutputCapture err(STDERR_FILENO);
    QVERIFY(mainWindow->close());
    QTRY_VERIFY(!sm_B->isRunning());
    const QString written = QString::fromLocal8Bit(err.text());
    qInstallMessageHandler(testHandler);
    QVERIFY2(written.contains("Msg-handler reset\nTrying to stop sm_A\n"), qPrintable(written));
    QVERIFY(sm_A->isStopRequested());
    QVERIFY(logWindow->dialog->isVisible()); // still there for reading
    logWindow->dialog->hide();
}

void TestWiring::deviceThatCannotBeOpenedIsNamed()
{
    // A dfu-util whose listing shows no device, and says on standard error
    // what the test writes into a file.
    QTemporaryDir scratch;
    const QString said = scratch.filePath("stderr");
    auto say = [&said](const QByteArray &text) {
        QFile file(said);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
    };
    QVERIFY(say("dfu-util: Cannot open DFU device 0483:df11 found on devnum 5 (LIBUSB_ERROR_ACCESS)\n"));
    const std::map<ToolCommand, ToolCommandEntry> saved = commandTable();
    commandTable()[List] = {FAKE_TOOL, {"--err-from", said}};
    sm_A->idleScanDelayMs = 20;
    sm_A->start();

    QTRY_COMPARE(status(), text("status_noAccess"));
    QVERIFY(status().contains("A device was found but cannot be opened: unplug it and plug it in again."));
    QVERIFY(!mainWindow->installButton->isEnabled());
    QVERIFY(say("")); // unplugged
    QTRY_COMPARE(status(), text("status_noDev"));

    sm_A->requestStop();
    QVERIFY(sm_A->wait(10000));
    commandTable() = saved;
}

// After the click: what the status line says while the device is away for
// its check, and when it shows again with its old firmware.
void TestWiring::pauseAfterTheWrite_data()
{
    QTest::addColumn<bool>("failed");
    QTest::addColumn<QString>("backSerial"); // the device read next
    QTest::addColumn<QString>("whileAway");  // id of the text while no device is there
    QTest::addColumn<QString>("whenBack");   // id, or "revision" for the usual revision text

    QTest::newRow("written, device back") << false << "A" << "status_written" << "revision";
    QTest::newRow("failed, device still there") << true << "A" << "status_writeError" << "status_writeFailed";
    QTest::newRow("failed, another device") << true << "B" << "status_writeError" << "revision";
}

void TestWiring::pauseAfterTheWrite()
{
    QFETCH(bool, failed);
    QFETCH(QString, backSerial);
    QFETCH(QString, whileAway);
    QFETCH(QString, whenBack);

    sm_B->deviceInfo.otp.product.type = 30;
    sm_B->deviceInfo.FW_revision = "C2";
    sm_B->deviceSerial = "A";
    emit sm_B->sig_DoDownload();
    if (failed)
        emit sm_A->sig_FwDownloadFailed("A");
    emit sm_A->sig_FwDownloaded();
    emit sm_B->sig_UpgradeImpossible(); // B1: the device is read afresh
    QCOMPARE(status(), text(qPrintable(whileAway)));
    QVERIFY(!status().contains("%"));

    sm_B->deviceSerial = backSerial;
    emit sm_B->sig_DeviceConnected();
    emit sm_B->sig_DifferingRevision();
    if (whenBack == "revision")
        QCOMPARE(status(), deviceRevisionText());
    else
        QCOMPARE(status(), text(qPrintable(whenBack)).arg(mainWindow->installButton->text()));

    // Once told, it is over: the next time no device is there, the usual text.
    emit sm_B->sig_UpgradeImpossible();
    QCOMPARE(status(), text("status_noDev"));
}

void TestWiring::progressReportsMoveTheBar()
{
    emit sm_B->sig_DoDownload();
    ProgressBar *bar = mainWindow->progressBar;
    QCOMPARE(bar->value(), 0);
    emit sm_A->sig_Progress(40);
    QCOMPARE(bar->value(), 40);
    emit sm_A->sig_Progress(75);
    QCOMPARE(bar->value(), 75);
    emit sm_B->sig_UpgradeImpossible(); // the run is over: a late report changes nothing
    emit sm_A->sig_Progress(90);
    QCOMPARE(bar->value(), 75);
}

// Tab reaches the install button and Space or Enter press it; A, Q and Escape
// keep their meaning with the focus on it.
void TestWiring::reachableWithoutAMouse()
{
    emit sm_B->sig_UpgradePossible();
    QPushButton *button = mainWindow->installButton;
    QApplication::setActiveWindow(mainWindow);
    QVERIFY(QTest::qWaitForWindowActive(mainWindow));
    QTest::keyClick(mainWindow, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button);

    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    QCOMPARE(clicked.count(), 3);

    QTest::keyClick(button, Qt::Key_A); // service staff's toggle reaches the window
    QVERIFY(!button->isEnabled());
    QTest::keyClick(mainWindow, Qt::Key_A);
    QVERIFY(button->isEnabled());
    QSignalSpy finished(mainWindow.data(), &MainWindow::finished);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Escape);
    QCOMPARE(finished.count(), 1);
}

void TestWiring::screenReaderNamesFollowTheWindow()
{
    auto name = [](QWidget *widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); };
    auto description = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
    };
    QLabel *label = mainWindow->statusLabel;
    QCOMPARE(name(label), QString("The USB cable must have a 'Micro B' plug and a 'Type A' plug."));
    QVERIFY(!description(label).isEmpty());

    sm_B->deviceInfo.otp.product.type = 30;
    sm_B->deviceInfo.FW_revision = "C2";
    emit sm_B->sig_DifferingRevision();
    QCOMPARE(name(label), QString("Connected to a T30 with firmware version C2"));

    QPushButton *button = mainWindow->installButton;
    emit sm_B->sig_UpgradeImpossible();
    QCOMPARE(name(button), QString("4. Click here to start upgrade"));
    const QString unavailable = description(button);
    emit sm_B->sig_UpgradePossible();
    QVERIFY(!description(button).isEmpty());
    QVERIFY(description(button) != unavailable);

    ProgressBar *bar = mainWindow->progressBar;
    emit sm_B->sig_DoDownload();
    QCOMPARE(name(bar), QString("Upgrading firmware"));
    emit sm_A->sig_Progress(40);
    QCOMPARE(description(bar), QString("40 % done"));
    emit sm_B->sig_FwMatches();
    QCOMPARE(name(bar), QString("Done. Disconnect USB cable."));
    QCOMPARE(description(bar), QString("100 % done"));
}

QTEST_MAIN(TestWiring)
#include "tst_wiring.moc"
