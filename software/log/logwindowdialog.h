// The log dialog: every routed diagnostic message, one paragraph each, with
// buttons to clear the view, save it to a text file and hide the dialog.
#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// What a routed message carries of its origin. Qt's own log context cannot be
// copied, so it is copied into this before the message crosses threads.
struct LogContext {
    QByteArray file;     // null when absent
    int line = 0;
    QByteArray function; // null when absent
};
// Writes a routed message to standard error with its level and origin; a fatal
// message then aborts the process. A type that is no message level is dropped.
void writeRoutedMessage(QtMsgType type, const LogContext &context, const QString &msg);

class LogWindowDialog : public QDialog {
    Q_OBJECT

public:
    explicit LogWindowDialog(QWidget *parent = nullptr);

    QTextBrowser *textView;
    QPushButton *clearButton;
    QPushButton *saveButton;
    QPushButton *hideButton;

    // Writes the view's text to path, replacing the file only once everything
    // is written; shows an error box and returns false when that fails.
    bool saveTo(const QString &path);

signals:
    // The dialog was hidden by the tool or the user (not minimised).
    void hidden();

public slots:
    // Appends the message to the view and writes it, with its level and
    // origin, to standard error. A fatal message then aborts the process.
    void outputMessage(QtMsgType type, const LogContext &context, const QString &msg);
    // Asks for a file name and saves the view's text there.
    void save();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};
