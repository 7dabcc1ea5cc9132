#include "wiring.h"

#include "installbutton.h"
#include "logwindow.h"
#include "mainwindow.h"
#include "producttable.h"
#include "progressbar.h"
#include "sm_a.h"
#include "sm_b.h"
#include "statusline.h"
#include "toolrunner.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>

#include <utility>


namespace {

quint8 deviceType()
{
    return sm_B->deviceInfo.otp.product.type;
}

// "T30": the connected device's model as the sentence "the ... has" wants it.
QString modelName()
{
    const QString model = productModel(deviceType());
    return model.isEmpty() ? MainWindow::tr("device", "a device of unknown model, as in 'the device has'") : model;
}

// "a T30", "an R20 or R20S": the connected device as the English status line
// names it. A translated status text takes the model alone and puts its own
// words (and article) around it.
QString modelPhrase(const QString &id)
{
    if (hasTranslation(id))
        return modelName();
    const QString model = productModel(deviceType());
    return model.isEmpty() ? QStringLiteral("a device") : withIndefiniteArticle(model);
}

QString statusText(const QString &id)
{
    return app_state.settings.shownText(id);
}

// The status line; the log gets its words as a screen reader hears them.
void setStatus(const QString &text, bool announce = true)
{
    if (mainWindow->statusLabel->setStatus(text, announce))
        qInfo().noquote() << "Status:" << spokenText(text);
}

// What became of the last download, for the status line while the device is
// away for its check, or back with its old firmware.
struct AfterDownload {
    enum Outcome { None, Written, Failed };
    Outcome outcome = None;
    QString serial; // of the device written to
};
AfterDownload afterDownload;

void noteDownloadStarted()
{
    afterDownload = {AfterDownload::None, sm_B->deviceSerial};
}

void noteDownloadFailed(const QString &serial)
{
    if (serial == afterDownload.serial)
        afterDownload.outcome = AfterDownload::Failed;
}

// A read-back of the device (or a device that turned out to be another
// product) says what the write came to: from then on the outcome of the write
// itself is no longer news.
void forgetDownload()
{
    afterDownload = AfterDownload();
}

void noteDownloaded()
{
    if (afterDownload.outcome == AfterDownload::None)
        afterDownload.outcome = AfterDownload::Written;
}

void showDeviceConnected()
{
    // Back, or another device: the pause after the write is over, but a failed
    // write is still to be told about when that very device shows again.
    if (afterDownload.outcome != AfterDownload::Failed || afterDownload.serial != sm_B->deviceSerial)
        afterDownload = AfterDownload();
    setStatus(statusText("status_devConn").arg(modelPhrase("status_devConn")));
}

// A device that can be upgraded: what it runs, and what the button does.
QString readyText()
{
    const QString revision = sm_B->deviceInfo.FW_revision;
    const QString id = revision.isEmpty() ? "status_readyRevUnknown" : "status_ready";
    const QString text = statusText(id);
    if (text.isEmpty())
        return deviceRevisionText();
    const QString button = mainWindow->installButton->text();
    return revision.isEmpty() ? text.arg(modelPhrase(id), button, app_state.desiredRevision)
                              : text.arg(modelPhrase(id), revision, button, app_state.desiredRevision);
}

void showDeviceRevision()
{
    if (afterDownload.outcome == AfterDownload::Failed) {
        // The device stayed attached and still holds its old firmware.
        afterDownload = AfterDownload();
        const QString text = statusText("status_writeFailed");
        if (!text.isEmpty()) {
            setStatus(text.arg(mainWindow->installButton->text()));
            return;
        }
    }
    setStatus(sm_B->configuration().contains(sm_B->B2) ? readyText() : deviceRevisionText());
}

// Another product than the one this tool upgrades: say so, or the disabled
// button is a riddle.
void showOtherProduct()
{
    forgetDownload();
    const QString text = statusText("status_otherProduct");
    if (!text.isEmpty())
        setStatus(text.arg(modelPhrase("status_otherProduct"), productModel(app_state.desiredType)));
}

// The "FW differs" message speaks of one read-back of one device: it goes when
// that device does, or when the user writes the firmware again.
void closeFwDiffersBox()
{
    if (auto *box = mainWindow->findChild<QMessageBox *>("fwDiffersBox"))
        box->close();
}

// A device whose identification could not be read: the worker leaves it
// alone until it is gone or replaced, and the status line says so meanwhile.
bool deviceUnreadable = false;

// What the status line says while no device can be used: several devices, or
// one that is attached but cannot be opened or read, are not "no device" to
// the user.
QString noDeviceText()
{
    if (deviceUnreadable) {
        const QString text = statusText("status_readError");
        if (!text.isEmpty())
            return text;
    }
    const UnusableDevices unusable = sm_A ? sm_A->unusableDevices() : UnusableDevices();
    for (const auto &[shown, id] : {std::pair<bool, const char *>{unusable.several, "status_severalDevs"},
                                    {!unusable.unopenable.isEmpty(), "status_noAccess"},
                                    {!unusable.serialUnreadable.isEmpty(), "status_serialUnreadable"},
                                    {!unusable.busy.isEmpty(), "status_busy"}}) {
        const QString text = shown ? statusText(id) : QString();
        if (!text.isEmpty())
            return text;
    }
    return statusText("status_noDev");
}

// While the device is away after a download: what the user must do now.
QString afterDownloadText()
{
    switch (afterDownload.outcome) {
    case AfterDownload::Written:
        return statusText("status_written");
    case AfterDownload::Failed:
        // Until the next listing it is not known whether the device is still
        // there: the text fits both.
        return statusText("status_writeError");
    case AfterDownload::None:
        break;
    }
    return QString();
}

void showNoDevice()
{
    closeFwDiffersBox();
    const QString pause = afterDownloadText();
    setStatus(pause.isEmpty() ? noDeviceText() : pause);
    mainWindow->progressBar->stopTimer();
    mainWindow->progressBar->setCaption("This text should not be visible!");
    mainWindow->progressBar->hide();
}

void showDeviceUnreadable()
{
    deviceUnreadable = true;
    setStatus(noDeviceText());
}

// Every new look for a device starts without one: the unreadable one is gone.
void forgetUnreadableDevice()
{
    if (!std::exchange(deviceUnreadable, false))
        return;
    if (sm_B->configuration().contains(sm_B->B1) && afterDownloadText().isEmpty())
        setStatus(noDeviceText());
}

void showUnusableDevices()
{
    if (sm_B->configuration().contains(sm_B->B1) && afterDownloadText().isEmpty())
        setStatus(noDeviceText());
}

void showUpgrading()
{
    closeFwDiffersBox();
    noteDownloadStarted();
    mainWindow->progressBar->startAutoProgress(MainWindow::tr("Upgrading firmware"), 90.0);
    const QString text = statusText("status_writing");
    if (text.isEmpty())
        return;
    // The button that started it loses the focus to the status line, whose new
    // words a screen reader then reads: announced as well, they would be heard twice.
    setStatus(text.arg(app_state.desiredRevision, modelName()), !mainWindow->installButton->hasFocus());
}

void showVerifying()
{
    mainWindow->progressBar->startAutoProgress(MainWindow::tr("Uploading & verifying"), 0.5);
}

void showFwMatches()
{
    forgetDownload();
    ProgressBar *bar = mainWindow->progressBar;
    bar->stopTimer();
    bar->setValue(bar->maximum());
    bar->setCaption(MainWindow::tr("Done. Disconnect USB cable."));
    // "Done" in words too: the bar's caption alone is not heard as news.
    const QString done = statusText("status_done");
    setStatus(done.isEmpty() ? deviceRevisionText() : done.arg(modelName(), sm_B->deviceInfo.FW_revision));
}

void showFwDiffers()
{
    forgetDownload();
    setStatus(deviceRevisionText());
    ProgressBar *bar = mainWindow->progressBar;
    bar->stopTimer();
    bar->setValue(bar->minimum());
    bar->setCaption(MainWindow::tr("FW differs"));
    bar->hide();
    // The bar gives its place back to the install button, so "FW differs"
    // would never be seen: say it, or the revision text alone reads as success.
    // A read-back that failed is said to be one: the flash may well be right.
    const bool unreadable = sm_A && sm_A->lastReadBackUnreadable();
    const QString what = unreadable
                             ? MainWindow::tr("The firmware could not be read back from the device to check it, so "
                                              "it is not confirmed.")
                             : MainWindow::tr("The firmware read back from the device differs from the firmware "
                                              "written to it.");
    const QString again = MainWindow::tr("Click \"%1\" to write it again.").arg(mainWindow->installButton->text());
    auto *box = new QMessageBox(QMessageBox::Warning,
                                unreadable ? MainWindow::tr("Firmware not confirmed") : MainWindow::tr("FW differs"),
                                what + "\n\n" + again, QMessageBox::Ok, mainWindow);
    box->setObjectName("fwDiffersBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void toggleLogWindow()
{
    logWindow->toggle_visibility(mainWindow);
}

// Stopping while the firmware is written leaves the device without working
// firmware until it is upgraded again: only on the user's explicit word.
bool confirmStopDuringUpgrade()
{
    if (!sm_B || !sm_B->isRunning() || !sm_B->configuration().contains(sm_B->B3))
        return true;
    QMessageBox box(QMessageBox::Warning, MainWindow::tr("Upgrade in progress"),
                    MainWindow::tr("The firmware is being written to the device.\n\n"
                                   "Stopping now interrupts the upgrade: the device has no working firmware until "
                                   "it is upgraded again in boot mode."),
                    QMessageBox::NoButton, mainWindow);
    box.setObjectName("stopDuringUpgradeBox");
    QPushButton *keep = box.addButton(MainWindow::tr("Keep upgrading"), QMessageBox::RejectRole);
    QPushButton *stop = box.addButton(MainWindow::tr("Stop anyway"), QMessageBox::DestructiveRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    // Closed without an answer, the question went with the tool's event loop
    // (a termination signal ends it once the write is done): nobody declined.
    if (box.clickedButton() == stop)
        qInfo() << "Stop during the upgrade confirmed";
    else if (box.clickedButton() == keep)
        qInfo() << "Stop during the upgrade declined";
    else
        qInfo() << "The question whether to stop the upgrade was closed without an answer: the tool is ending";
    return box.clickedButton() == stop;
}

// After the workflow has stopped. Q and Escape end the tool. A closed main
// window may leave the log window open for reading; the tool ends once that is
// hidden too, so that no process is left running without a window.
void endTool(QApplication &application)
{
    LogWindowDialog *log = logWindow->dialog;
    if (mainWindow->isVisible() || !log->isVisible()) {
        application.quit();
        return;
    }
    qInfo() << "The log window stays open; hiding it ends the tool";
    QObject::connect(log, &LogWindowDialog::hidden, &application, &QApplication::quit);
}

} // namespace

QString deviceRevisionText()
{
    const QString revision = sm_B->deviceInfo.FW_revision;
    if (!revision.isEmpty())
        return statusText("status_devRev").arg(modelPhrase("status_devRev"), revision);
    return statusText("status_devRevUnknown").arg(modelPhrase("status_devRevUnknown"));
}

void refuseToWrite(PayloadState state)
{
    mainWindow->lockDownload();
    QString text;
    if (state == PayloadState::Damaged) {
        text = statusText("status_damaged");
    } else if (state == PayloadState::CannotRun) {
        // The folder to change: the temporary-files location the working
        // directory was made in (its own name is new at every start), or the
        // simulator's folder.
        const QString folder = toolDirectory().isEmpty()
                                   ? QFileInfo(commandTable()[Version].program).absolutePath()
                                   : QFileInfo(toolDirectory()).absolutePath();
        text = statusText("status_cannotRun").arg(QDir::toNativeSeparators(folder));
    } else {
        const QString folder = tempDir().isValid() ? tempDir().path() : QDir::tempPath();
        text = statusText("status_cannotUnpack").arg(QDir::toNativeSeparators(folder));
    }
    setStatus(text);
}

bool stopWorker(unsigned long limitMs)
{
    sm_A->requestStop();
    return sm_A->wait(limitMs);
}

void wireWorkflow(QApplication &application)
{
    afterDownload = AfterDownload();
    deviceUnreadable = false;
    MainWindow *window = mainWindow;
    // 1-3: Q, Escape or closing the window stop the workflow.
    QObject::connect(window, &MainWindow::finished, [] {
        qInstallMessageHandler(nullptr);
        qInfo() << "Msg-handler reset";
    });
    QObject::connect(window, &MainWindow::finished, sm_B, &QStateMachine::stop);
    QObject::connect(window, &MainWindow::finished, [] {
        qInfo() << "Trying to stop sm_A";
        if (!stopWorker(1000)) {
            // The runner kills a hanging dfu-util at once, so this is rare;
            // the worker is never terminated by force.
            qWarning() << "Oops, SM_A not dead yet";
            stopWorker(10000);
        }
    });
    // 4: the machine has no final state, so this does not fire.
    QObject::connect(sm_B, &QStateMachine::finished, &application, &QApplication::quit);
    // A stopped workflow in an open window would only confuse: the tool ends,
    // after the reactions above (queued: a closing window is hidden by then).
    QObject::connect(window, &MainWindow::finished, &application, [&application] { endTool(application); },
                     Qt::QueuedConnection);
    window->confirmFinish = confirmStopDuringUpgrade;

    QObject::connect(sm_B, &SM_B::sig_UpgradeImpossible, window, &MainWindow::disableDownload);
    QObject::connect(sm_B, &SM_B::sig_UpgradePossible, window, &MainWindow::enableDownload);
    QObject::connect(sm_B, &SM_B::sig_DeviceConnected, showDeviceConnected);
    QObject::connect(sm_B, &SM_B::sig_DifferingRevision, showDeviceRevision);
    QObject::connect(sm_B, &SM_B::sig_UpgradeImpossible, window, showNoDevice);
    QObject::connect(sm_B, &SM_B::sig_InvalidProduct, showOtherProduct);
    QObject::connect(sm_A, &SM_A::sig_UnusableDevicesChanged, window, showUnusableDevices);
    QObject::connect(sm_A, &SM_A::sig_DeviceError, window, showDeviceUnreadable);
    QObject::connect(sm_A, &SM_A::sig_NoDevConn, window, forgetUnreadableDevice);
    QObject::connect(window->installButton, &QPushButton::clicked, sm_B, &SM_B::do_download);
    // Only a click that starts a write runs the bar: one that changes nothing
    // must not make the bar start over.
    QObject::connect(sm_B, &SM_B::sig_Upgrading, showUpgrading);
    // While the firmware is written or read back, nothing may start another
    // write: neither a key on the focused button nor the A key.
    for (QState *busy : {sm_B->B3, sm_B->B4}) {
        QObject::connect(busy, &QState::entered, window, [window] { window->holdDownload(true); });
        QObject::connect(busy, &QState::exited, window, [window] { window->holdDownload(false); });
    }
    QObject::connect(sm_A, &SM_A::sig_FwDownloadFailed, window, noteDownloadFailed);
    QObject::connect(sm_A, &SM_A::sig_FwDownloaded, window, noteDownloaded);
    QObject::connect(sm_A, &SM_A::sig_Progress, window->progressBar, &ProgressBar::showProgress);
    QObject::connect(sm_B, &SM_B::sig_UploadingVerifying, showVerifying);
    QObject::connect(sm_B, &SM_B::sig_FwMatches, showFwMatches);
    QObject::connect(sm_B, &SM_B::sig_FwDiffers, showFwDiffers);

    const QKeySequence ctrlL(Qt::CTRL | Qt::Key_L);
    for (QWidget *parent : {static_cast<QWidget *>(window), static_cast<QWidget *>(logWindow->dialog)}) {
        auto *shortcut = new QShortcut(ctrlL, parent);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, toggleLogWindow);
    }
}
