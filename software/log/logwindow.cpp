#include "logwindow.h"

#include <QScreen>
#include <QThread>

QPointer<LogWindow> logWindow;

namespace {
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
    connect(this, &LogWindow::sendMessage, dialog, &LogWindowDialog::outputMessage);
    // The messages themselves never travel with a queued signal: its copies
    // would be made in one thread and read in another behind Qt's own lock,
    // which ThreadSanitizer cannot see. They wait under our mutex instead.
    connect(this, &LogWindow::messagesWaiting, this, &LogWindow::deliverWaiting, Qt::QueuedConnection);
}

LogWindow::~LogWindow()
{
    delete dialog;
}

void LogWindow::outputMessage(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (QThread::currentThread() == thread()) {
        emit sendMessage(type, copyOf(context), msg);
        return;
    }
    std::lock_guard<std::mutex> lock(mutex);
    if (routedDirectly) {
        writeRoutedMessage(type, copyOf(context), msg);
        return;
    }
    waiting.push_back({type, copyOf(context), msg});
    if (waiting.size() == 1)
        emit messagesWaiting();
}

void LogWindow::deliverWaiting()
{
    std::vector<Message> taken;
    {
        std::lock_guard<std::mutex> lock(mutex);
        taken.swap(waiting);
    }
    for (const Message &message : taken)
        emit sendMessage(message.type, message.context, message.text);
}

void LogWindow::routeMessagesDirectly()
{
    // Under the lock: a message another thread writes meanwhile follows these.
    std::lock_guard<std::mutex> lock(mutex);
    routedDirectly = true;
    for (const Message &message : waiting)
        emit sendMessage(message.type, message.context, message.text);
    waiting.clear();
}

void LogWindow::toggle_visibility(QMainWindow *mainWindow)
{
    if (dialog->isVisible()) {
        dialog->hide();
        return;
    }
    dialog->show();
    // Its buttons must be reachable: it may be the last window left open.
    const QScreen *screen = mainWindow->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), dialog->size());
    dialog->setGeometry(logWindowPlace(mainWindow->geometry(), dialog->size(), available));
}

QRect logWindowPlace(const QRect &mainWindow, const QSize &size, const QRect &available)
{
    const QSize fitted = size.boundedTo(available.size());
    const int top = qBound(available.top(), mainWindow.top(), available.bottom() - fitted.height() + 1);
    const int right = mainWindow.right();
    const int left = mainWindow.left() - fitted.width() + 1;
    int x;
    if (right + fitted.width() - 1 <= available.right())
        x = right;
    else if (left >= available.left())
        x = left;
    else if (available.right() - mainWindow.right() >= mainWindow.left() - available.left())
        x = available.right() - fitted.width() + 1;
    else
        x = available.left();
    return QRect(QPoint(x, top), fitted);
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (LogWindow *window = logWindow.data())
        window->outputMessage(type, context, msg);
}
