#include "logwindow.h"

#include <QCoreApplication>
#include <QThread>

#include <mutex>

QPointer<LogWindow> logWindow;

namespace {
std::mutex routing;         // orders the switch to direct output against queued messages
bool routedDirectly = false; // guarded by routing

LogContext copyOf(const QMessageLogContext &context)
{
    LogContext copy;
    if (context.file)
        copy.file = QByteArray(context.file);
    copy.line = context.line;
    if (context.function)
        copy.function = QByteArray(context.function);
    return copy;
}
} // namespace

LogWindow::LogWindow(QObject *parent) : QObject(parent), dialog(new LogWindowDialog(nullptr))
{
    qRegisterMetaType<QtMsgType>("QtMsgType");
    qRegisterMetaType<LogContext>("LogContext");
    // Automatic: appended at once from the dialog's thread, queued (by value,
    // in order) from the device worker.
    connect(this, &LogWindow::sendMessage, dialog, &LogWindowDialog::outputMessage);
}

LogWindow::~LogWindow()
{
    delete dialog;
}

void LogWindow::outputMessage(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    emit sendMessage(type, copyOf(context), msg);
}

void LogWindow::toggle_visibility(QMainWindow *mainWindow)
{
    if (dialog->isVisible()) {
        dialog->hide();
        return;
    }
    dialog->show();
    const QRect main = mainWindow->geometry();
    dialog->setGeometry(QRect(QPoint(main.right(), main.top()), dialog->size()));
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    LogWindow *window = logWindow.data();
    if (!window)
        return;
    // In the dialog's own thread the message is appended at once, inside this call.
    if (QThread::currentThread() == window->dialog->thread()) {
        window->outputMessage(type, context, msg);
        return;
    }
    std::lock_guard<std::mutex> lock(routing);
    if (routedDirectly)
        writeRoutedMessage(type, copyOf(context), msg);
    else
        window->outputMessage(type, context, msg);
}

void routeMessagesDirectly()
{
    std::lock_guard<std::mutex> lock(routing);
    routedDirectly = true;
    if (LogWindow *window = logWindow.data())
        QCoreApplication::sendPostedEvents(window->dialog, QEvent::MetaCall);
}
