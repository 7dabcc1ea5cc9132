// Collects the messages written through Qt's message logger while it lives,
// so tests can check log lines exactly. It may be created and destroyed while
// a worker thread is logging.
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
        {
            std::lock_guard<std::mutex> lock(mutex());
            instance() = this;
        }
        previous = qInstallMessageHandler(&MessageCapture::handler);
    }
    ~MessageCapture()
    {
        qInstallMessageHandler(previous);
        std::lock_guard<std::mutex> lock(mutex());
        instance() = nullptr;
    }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    QList<Message> messages() const
    {
        std::lock_guard<std::mutex> lock(mutex());
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
        std::lock_guard<std::mutex> lock(mutex());
        captured.clear();
    }

private:
    // One lock for the instance pointer and its messages: a handler call in a
    // worker thread never sees a capture half made or already gone.
    static std::mutex &mutex()
    {
        static std::mutex lock;
        return lock;
    }
    static MessageCapture *&instance()
    {
        static MessageCapture *capture = nullptr;
        return capture;
    }
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        std::lock_guard<std::mutex> lock(mutex());
        if (MessageCapture *self = instance())
            self->captured.append({type, text});
    }

    QtMessageHandler previous = nullptr;
    QList<Message> captured;
};
