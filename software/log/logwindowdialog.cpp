#include "logwindowdialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTextBrowser>
#include <QTextStream>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>

LogWindowDialog::LogWindowDialog(QWidget *parent)
    : QDialog(parent)
    , textView(new QTextBrowser(this))
    , clearButton(new QPushButton(tr("clear"), this))
    , saveButton(new QPushButton(tr("save output"), this))
    , hideButton(new QPushButton(tr("hide log"), this))
{
    auto *layout = new QVBoxLayout;
    setLayout(layout);
    layout->addWidget(textView);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    buttons->addStretch(10);
    buttons->addWidget(clearButton);
    connect(clearButton, SIGNAL(clicked()), textView, SLOT(clear()));
    buttons->addWidget(saveButton);
    connect(saveButton, SIGNAL(clicked()), this, SLOT(save()));
    buttons->addWidget(hideButton);
    connect(hideButton, &QPushButton::clicked, [this] { hide(); });
    // Named for a screen reader, which would otherwise read the whole log as
    // the name of an untitled window's nameless text.
    setWindowTitle(tr("Log \u2013 Velmora Firmware Upgrade Tool"));
    textView->setAccessibleName(tr("Log messages"));
    resize(600, 400);
}

namespace {
// The level's name on standard error; null for a type that is no message level.
const char *levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return "Debug";
    case QtWarningMsg: return "Warning";
    case QtCriticalMsg: return "Critical";
    case QtFatalMsg: return "Fatal";
    case QtInfoMsg: return "Info";
    }
    return nullptr;
}
} // namespace

void writeRoutedMessage(QtMsgType type, const LogContext &context, const QString &msg)
{
    const char *level = levelName(type);
    if (!level)
        return;
    const QByteArray local = msg.toLocal8Bit();
    std::fprintf(stderr, "%s: %s (%s:%u, %s)\n", level, local.constData(),
                 context.file.isNull() ? "(null)" : context.file.constData(), unsigned(context.line),
                 context.function.isNull() ? "(null)" : context.function.constData());
    if (type == QtFatalMsg)
        std::abort();
}

void LogWindowDialog::outputMessage(QtMsgType type, const LogContext &context, const QString &msg)
{
    // The log stays English in every language: it is what support reads.
    QString view;
    switch (type) {
    case QtDebugMsg: view = QStringLiteral("Debug: %1"); break;
    case QtWarningMsg: view = QStringLiteral("Warning: %1"); break;
    case QtCriticalMsg: view = QStringLiteral("CRITICAL: %1"); break;
    case QtFatalMsg: view = QStringLiteral("FATAL: %1"); break;
    case QtInfoMsg: view = QStringLiteral("%1"); break;
    default: return;
    }
    textView->append(view.arg(msg));
    writeRoutedMessage(type, context, msg);
}

void LogWindowDialog::save()
{
    const QString suggested = QDir::homePath() + QStringLiteral("/logfile.txt");
    const QString name = QFileDialog::getSaveFileName(this, tr("Save Log Output"), suggested,
                                                      tr("Text Files ('''.txt);;All Files (*)"));
    if (name.isEmpty())
        return;
    saveTo(name);
}

bool LogWindowDialog::saveTo(const QString &path)
{
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QTextStream stream(&file);
        stream << textView->toPlainText();
        stream.flush();
        written = stream.status() == QTextStream::Ok && file.commit();
    }
    if (!written) {
        QMessageBox::warning(this, tr("Error"),
                             tr("<nobr>File '%1'<br/>cannot be opened for writing.<br/><br/>The log output could "
                                "<b>not</b> be saved!</nobr>")
                                 .arg(path),
                             QMessageBox::Ok, QMessageBox::NoButton);
    }
    return written;
}

void LogWindowDialog::keyPressEvent(QKeyEvent *event)
{
    event->ignore(); // Escape must not close the log
}

void LogWindowDialog::closeEvent(QCloseEvent *event)
{
    event->accept(); // closing only hides it; its text stays
}

void LogWindowDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}
