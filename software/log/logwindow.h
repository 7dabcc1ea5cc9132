// Routes every diagnostic message, from any thread, into the log dialog. A
// message written in the dialog's thread is appended at once; one written in
// another thread waits, in order, under a lock until the dialog's thread takes
// it. The message handler never touches a widget.
#pragma once

#include "logwindowdialog.h"

#include <QMainWindow>
#include <QObject>
#include <QPointer>

#include <mutex>
#include <vector>

class LogWindow : public QObject {
    Q_OBJECT

public:
    explicit LogWindow(QObject *parent = nullptr);
    ~LogWindow() override;

    LogWindowDialog *dialog;

    // For the end, after the event loop has returned: nothing would take a
    // waiting message to the dialog any more, so the messages still waiting
    // are written now and, from then on, those of other threads go straight to
    // standard error in the same form.
    void routeMessagesDirectly();

signals:
    void sendMessage(QtMsgType type, const LogContext &context, const QString &msg);
    void messagesWaiting(); // carries no data: the messages stay under the lock

public slots:
    void outputMessage(QtMsgType type, const QMessageLogContext &context, const QString &msg);
    // Hides the dialog, or shows it beside the main window, inside the screen
    // (see logWindowPlace).
    void toggle_visibility(QMainWindow *mainWindow);

private:
    struct Message {
        QtMsgType type;
        LogContext context;
        QString text;
    };
    // In the dialog's thread: hands the waiting messages on, in order.
    void deliverWaiting();

    std::mutex mutex; // guards the two members below
    std::vector<Message> waiting;
    bool routedDirectly = false;
};

// Where the log dialog of that size goes beside the main window: to its right
// (its left edge on the main window's last column) where that fits in the
// screen's available area, else to its left, else on the side with more room
// as far out as the area allows; always inside the area, and no larger than it.
QRect logWindowPlace(const QRect &mainWindow, const QSize &size, const QRect &available);

// The message handler installed with "-l": hands each message to logWindow.
void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

// The one log window, set by start-up.
extern QPointer<LogWindow> logWindow;
