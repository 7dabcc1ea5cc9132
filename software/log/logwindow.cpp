#include "logwindow.h"

QPointer<LogWindow> logWindow;

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
    LogContext copy;
    if (context.file)
        copy.file = QByteArray(context.file);
    copy.line = context.line;
    if (context.function)
        copy.function = QByteArray(context.function);
    emit sendMessage(type, copy, msg);
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
    if (LogWindow *window = logWindow.data())
        window->outputMessage(type, context, msg);
}
