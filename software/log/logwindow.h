// Routes every diagnostic message, from any thread, into the log dialog. The
// message handler only emits a signal; the dialog appends in its own thread.
#pragma once

#include "logwindowdialog.h"

#include <QMainWindow>
#include <QObject>
#include <QPointer>

class LogWindow : public QObject {
    Q_OBJECT

public:
    explicit LogWindow(QObject *parent = nullptr);
    ~LogWindow() override;

    LogWindowDialog *dialog;

signals:
    void sendMessage(QtMsgType type, const LogContext &context, const QString &msg);

public slots:
    void outputMessage(QtMsgType type, const QMessageLogContext &context, const QString &msg);
    // Hides the dialog, or shows it with its top-left corner at the main
    // window's top-right corner.
    void toggle_visibility(QMainWindow *mainWindow);
};

// The message handler installed with "-l": hands each message to logWindow.
void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

// For the end, after the event loop has returned: nothing would deliver a
// message queued from another thread to the dialog any more, so from now on
// such messages go straight to standard error in the same form. Messages
// still queued are written first, so the order stays.
void routeMessagesDirectly();

// The one log window, set by start-up.
extern QPointer<LogWindow> logWindow;
