// The tool's only window: the product picture with the instructions and the
// status line written on it from the layout file, circles on the pictured
// buttons, and one slot holding either the install button or the progress bar.
// It knows nothing of devices; the wiring drives it.
#pragma once

#include "guisettings.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class InstallButton;
class ProgressBar;
class StatusLine;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(GuiSettings *settings, QWidget *parent = nullptr);

    // Sizes and places the window at the top centre of the screen, and the
    // install button and progress bar in their shared slot (the bar hidden).
    void placeWidgets();

    GuiSettings *settings;
    QWidget *central;
    StatusLine *statusLabel = nullptr;
    bool downloadMode = false;
    bool downloadLocked = false;
    bool downloadHeld = false;
    double scale = 1.0;
    InstallButton *installButton = nullptr;
    ProgressBar *progressBar = nullptr;
    // Asked before Q, Escape or closing the window ends the workflow; the
    // wiring uses it to protect an upgrade in progress. Unset: always agree.
    std::function<bool()> confirmFinish;

signals:
    void finished();            // Q, Escape, or the window closed: the user ends the workflow
    void downloadModeChanged(); // after every change request, changed or not

public slots:
    void enableDownload();
    void disableDownload();
    void toggleDownload();
    // For good: the tool must not write (its payload is damaged or missing). Neither the
    // workflow nor the A key can enable the button afterwards.
    void lockDownload();
    // While the firmware is written or read back: the button is disabled, and
    // neither the workflow nor the A key can enable it until it is let go.
    void holdDownload(bool held);
    void updateDownloadMode();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

// Loads the embedded fonts and makes the regular family the application font.
void setDefaultFont();

// Builds the complete window from the application state; ends the process when
// the layout lacks the status text.
MainWindow *createMainWindow(AppState &state, QWidget *parent, bool simulatorMode);
void createLabels(AppState &state, MainWindow *window, bool simulatorMode);
void createCircles(const QList<CircleSpec> &circles, MainWindow *window);

// The one main window, set by start-up.
extern QPointer<MainWindow> mainWindow;
