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
#include "statusline.h"
#include "wiring.h"

#include <QtTest>

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

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
    void unusableDevicesAreNamed_data();
    void unusableDevicesAreNamed();
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
    QTest::addColumn<bool>("otherProduct"); // SM_B judges it another product than the tool's
    QTest::addColumn<QString>("shown");
    QTest::newRow("T30") << 30 << false << "Connected to a T30.</span>";
    QTest::newRow("T4") << 36 << false << "Connected to a T4.</span>";
    QTest::newRow("spoken with a vowel") << 140 << false << "Connected to an R20 or R20S.</span>";
    QTest::newRow("not in the table") << 7 << false << "Connected to a device.</span>";
    QTest::newRow("T4, another product")
        << 36 << true << "Connected to a T4. This tool upgrades the T30 only: it cannot upgrade this product.</span>";
    QTest::newRow("not in the table, another product")
        << 7 << true << "Connected to a device. This tool upgrades the T30 only: it cannot upgrade this product.</span>";
}

void TestWiring::deviceConnected()
{
    QFETCH(int, type);
    QFETCH(bool, otherProduct);
    QFETCH(QString, shown);
    sm_B->deviceInfo.otp.product.type = quint8(type);
    emit sm_B->sig_DeviceConnected();
    if (otherProduct)
        emit sm_B->sig_InvalidProduct();
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
    QTest::newRow("dfu-util does not run") << int(PayloadState::CannotRun) << "status_cannotRun";
}

void TestWiring::payloadProblemLocksTheButton()
{
    QFETCH(int, state);
    QFETCH(QString, id);
    emit sm_B->sig_UpgradePossible();
    // The folder named is where dfu-util was to run: the working directory.
    setToolDirectory(tempDir().path());
    const auto reset = qScopeGuard([] { setToolDirectory(QString()); });
    MessageCapture capture;
    refuseToWrite(PayloadState(state));
    QVERIFY(!mainWindow->installButton->isEnabled());
    QVERIFY(!text(qPrintable(id)).isEmpty());
    const QString expected = text(qPrintable(id));
    // The folder named is the one to change: where the working directory could
    // not be made, or the temporary-files location it was made in.
    const QString folder = PayloadState(state) == PayloadState::CannotRun ? QFileInfo(tempDir().path()).absolutePath()
                                                                         : tempDir().path();
    QCOMPARE(status(), expected.contains("%1") ? expected.arg(QDir::toNativeSeparators(folder)) : expected);
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

// The bar runs for a write that starts, not for every click: a click that
// changes no state (here in B1) must not start it over.
void TestWiring::clickStartsTheUpgradeRun()
{
    mainWindow->enableDownload();
    QSignalSpy doDownload(sm_B, &SM_B::sig_DoDownload);
    MessageCapture capture;
    QTest::mouseClick(mainWindow->installButton, Qt::LeftButton);
    QCOMPARE(capture.texts().first(), QString("Install clicked"));
    QCOMPARE(doDownload.count(), 1); // also in B1, where it changes no state
    ProgressBar *bar = mainWindow->progressBar;
    QVERIFY(bar->isHidden());
    QVERIFY(!bar->isRunning());
    QTest::qWait(100);
    QVERIFY(sm_B->configuration().contains(sm_B->B1));

    sm_B->deviceInfo.otp.product.type = 30;
    emit sm_B->sig_Upgrading(); // B3
    QVERIFY(!bar->isHidden());
    QVERIFY(bar->isRunning());
    QCOMPARE(bar->format(), QString("Upgrading firmware"));
    QCOMPARE(bar->runDuration(), 90000);
    QVERIFY2(status().contains("Writing firmware version C3 to the T30. Keep the cable connected until this line "
                               "says Done."),
             qPrintable(status()));
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
    // "Done" in words too, not only in the bar.
    QVERIFY2(status().endsWith("Done: the T30 has firmware version C3, read back and checked. Disconnect the USB "
                               "cable.</span>"),
             qPrintable(status()));
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
    QTest::newRow("the firmware is written again") << "Upgrading";
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
        emit sm_B->sig_Upgrading();
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
    QVERIFY(mainWindow->screen()->availableGeometry().contains(dialog->geometry()));
    QCOMPARE(dialog->geometry().top(), mainWindow->geometry().top());
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

// A listing that shows devices the tool cannot use: the status line says what
// is wrong with them, not "no device", until they are gone.
void TestWiring::unusableDevicesAreNamed_data()
{
    QTest::addColumn<QByteArray>("listing");
    QTest::addColumn<QByteArray>("errors");
    QTest::addColumn<QString>("id");

    const QByteArray denied = "dfu-util: Cannot open DFU device 0483:df11 found on devnum 5 (LIBUSB_ERROR_ACCESS)\n";
    QByteArray usable, unknown;
    for (int alt = 3; alt >= 0; --alt) {
        const QByteArray line = "Found DFU: [0483:df11] ver=2200, devnum=7, cfg=1, intf=0, path=\"1-2\", alt="
                                + QByteArray::number(alt) + ", name=\"@Internal Flash\", serial=\"SERIAL\"\n";
        usable += QByteArray(line).replace("SERIAL", "3276356C3236");
        unknown += QByteArray(line).replace("SERIAL", "UNKNOWN");
    }
    QTest::newRow("cannot be opened") << QByteArray() << denied << "status_noAccess";
    QTest::newRow("serial unreadable") << unknown << QByteArray() << "status_serialUnreadable";
    QTest::newRow("a usable device beside one that cannot be opened") << usable << denied << "status_severalDevs";
}

void TestWiring::unusableDevicesAreNamed()
{
    QFETCH(QByteArray, listing);
    QFETCH(QByteArray, errors);
    QFETCH(QString, id);
    // A dfu-util whose listing says what the test writes into two files.
    QTemporaryDir scratch;
    const QString out = scratch.filePath("stdout"), err = scratch.filePath("stderr");
    auto say = [&](const QByteArray &listed, const QByteArray &said) {
        QFile o(out), e(err);
        return o.open(QIODevice::WriteOnly | QIODevice::Truncate) && o.write(listed) == listed.size()
               && e.open(QIODevice::WriteOnly | QIODevice::Truncate) && e.write(said) == said.size();
    };
    QVERIFY(say(listing, errors));
    const std::map<ToolCommand, ToolCommandEntry> saved = commandTable();
    commandTable()[List] = {FAKE_TOOL, {"--out-from", out, "--err-from", err}};
    sm_A->idleScanDelayMs = 20;
    sm_A->start();

    QTRY_COMPARE(status(), text(qPrintable(id)));
    QVERIFY(!mainWindow->installButton->isEnabled());
    QVERIFY(say("", "")); // unplugged
    QTRY_COMPARE(status(), text("status_noDev"));

    sm_A->requestStop();
    QVERIFY(sm_A->wait(10000));
    commandTable() = saved;
}

// After the click: what the status line says while the device is away for
// its check, and when it shows again with its old firmware.
void TestWiring::pauseAfterTheWrite_data()
{
    QTest::addColumn<QString>("failedSerial"); // the device a failed write is reported for; empty: none failed
    QTest::addColumn<QString>("backSerial");   // the device read next
    QTest::addColumn<QString>("whileAway");    // id of the text while no device is there
    QTest::addColumn<QString>("whenBack");     // id, "revision" for the usual revision text, "verified" for a read-back

    QTest::newRow("written, device back") << "" << "A" << "status_written" << "revision";
    QTest::newRow("failed, device still there") << "A" << "A" << "status_writeError" << "status_writeFailed";
    QTest::newRow("failed, another device") << "A" << "B" << "status_writeError" << "revision";
    // Most devices reset before answering the last question: dfu-util reports
    // an error, the device comes back with the new firmware and is verified.
    QTest::newRow("failed, device back and verified") << "A" << "A" << "status_writeError" << "verified";
    QTest::newRow("failure of another device than the one written") << "B" << "A" << "status_written"
                                                                   << "revision";
}

void TestWiring::pauseAfterTheWrite()
{
    QFETCH(QString, failedSerial);
    QFETCH(QString, backSerial);
    QFETCH(QString, whileAway);
    QFETCH(QString, whenBack);

    sm_B->deviceInfo.otp.product.type = 30;
    sm_B->deviceInfo.FW_revision = "C2";
    sm_B->deviceSerial = "A";
    emit sm_B->sig_Upgrading();
    if (!failedSerial.isEmpty())
        emit sm_A->sig_FwDownloadFailed(failedSerial);
    emit sm_A->sig_FwDownloaded();
    emit sm_B->sig_UpgradeImpossible(); // B1: the device is read afresh
    QCOMPARE(status(), text(qPrintable(whileAway)));
    QVERIFY(!status().contains("%"));

    sm_B->deviceSerial = backSerial;
    emit sm_B->sig_DeviceConnected();
    if (whenBack == "verified") {
        sm_B->deviceInfo.FW_revision = "C3";
        emit sm_B->sig_UploadingVerifying();
        emit sm_B->sig_FwMatches();
        QVERIFY(status().contains("Done: the T30 has firmware version C3"));
    } else {
        emit sm_B->sig_DifferingRevision();
        if (whenBack == "revision")
            QCOMPARE(status(), deviceRevisionText());
        else
            QCOMPARE(status(), text(qPrintable(whenBack)).arg(mainWindow->installButton->text()));
    }

    // Once told, it is over: the next time no device is there, the usual text.
    emit sm_B->sig_UpgradeImpossible();
    QCOMPARE(status(), text("status_noDev"));
}

void TestWiring::progressReportsMoveTheBar()
{
    emit sm_B->sig_Upgrading();
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
    StatusLine *label = mainWindow->statusLabel;
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
    emit sm_B->sig_Upgrading();
    QCOMPARE(name(bar), QString("Upgrading firmware"));
    emit sm_A->sig_Progress(40);
    QCOMPARE(description(bar), QString("40 % done"));
    emit sm_B->sig_FwMatches();
    QCOMPARE(name(bar), QString("Done. Disconnect USB cable."));
    QCOMPARE(description(bar), QString("100 % done"));
}

QTEST_MAIN(TestWiring)
#include "tst_wiring.moc"
