// The shared history of a service centre: a PostgreSQL server that every
// station sends its finished records to. Records are stored locally first; a
// thread of its own sends what the server has not confirmed, at once when a
// record is finished and again every little while, so that a server that is
// away gets every record once it is back. The record id is the server's
// primary key: a record sent twice counts once.
#pragma once

#include "historystore.h"
#include "joinedthread.h"

#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>

// A libpq connection string as Qt's PostgreSQL driver takes it: connectOptions
// for QSqlDatabase::setConnectOptions, or the problem that makes it unusable
// (bad syntax, an unknown key, a password in it).
struct ServerConninfo {
    QString connectOptions;
    QString problem;
};
ServerConninfo parseConninfo(const QString &conninfo);

// What the settings file ($XDG_CONFIG_HOME/velmora-upgrade/velmora-upgrade.conf,
// group [history]) says: the server's connection string ("server") and the
// pause between attempts to send ("resend_seconds", 30 by default).
struct HistorySettings {
    QString server;
    int resendSeconds = 30;
    QString path; // of the settings file
};
HistorySettings readHistorySettings();

class HistoryServer : public JoinedThread {
    Q_OBJECT

public:
    struct State {
        bool reachable = false; // the last attempt reached the server
        int waiting = 0;        // finished records not yet confirmed by it
        QString problem;        // why it was not reached; empty when it was
        bool tried = false;     // an attempt has been made
    };

    HistoryServer(HistoryStore *store, const QString &connectOptions, int resendMs, QObject *parent = nullptr);
    ~HistoryServer() override;

    // A record was finished: send it now rather than at the next round.
    void poke();
    // Ends the thread after the round in progress.
    void stopSending();
    State state() const;

    // Every record on the server, newest first.
    static bool forEachRecord(const QString &connectOptions, const std::function<void(const HistoryRecord &)> &write,
                              QString *problem);

signals:
    // state() has changed.
    void stateChanged();

protected:
    void work() override;

private:
    void sendRound(QSqlDatabase &db);
    void setState(const State &state);

    HistoryStore *const store;
    const QString connectOptions;
    const int resendMs;
    mutable std::mutex mutex;
    std::condition_variable wake;
    bool poked = false;
    bool stopping = false;
    State current;
};

// Makes sure the server's table exists; false with the reason otherwise.
bool prepareServerTable(QSqlDatabase &db, QString *problem);
