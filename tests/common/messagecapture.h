// Collects the messages written through Qt's message logger while it lives,
// so tests can check log lines exactly.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <mutex>

class MessageCapture {
public:
    struct Message {
        QtMsgType type;
        QString text;
    };

    MessageCapture()
    {
        current() = this;
        previous = qInstallMessageHandler(&MessageCapture::handler);
    }
    ~MessageCapture()
    {
        qInstallMessageHandler(previous);
        current() = nullptr;
    }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    QList<Message> messages() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return captured;
    }
    QStringList texts() const
    {
        QStringList result;
        for (const Message &message : messages())
            result << message.text;
        return result;
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(mutex);
        captured.clear();
    }

private:
    static MessageCapture *&current()
    {
        static MessageCapture *instance = nullptr;
        return instance;
    }
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (MessageCapture *self = current()) {
            std::lock_guard<std::mutex> lock(self->mutex);
            self->captured.append({type, text});
        }
    }

    QtMessageHandler previous = nullptr;
    mutable std::mutex mutex; // messages come from worker threads too
    QList<Message> captured;
};
