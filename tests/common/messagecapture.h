// Collects the messages written through Qt's message logger while it lives,
// so tests can check log lines exactly.
#pragma once

#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtGlobal>

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
        QMutexLocker lock(&mutex);
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
        QMutexLocker lock(&mutex);
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
            QMutexLocker lock(&self->mutex);
            self->captured.append({type, text});
        }
    }

    QtMessageHandler previous = nullptr;
    mutable QMutex mutex;
    QList<Message> captured;
};
