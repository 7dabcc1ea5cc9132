// The local upgrade history: an SQLite file (by default
// $XDG_DATA_HOME/velmora-upgrade/history.sqlite) that every record goes to
// first. Safe to use from several threads and several processes at once:
// each call opens its own connection, and a busy timeout makes a writer wait
// for another instead of losing its record. When the file cannot be used the
// calls fail, say why in problem(), and the upgrade goes on without them.
#pragma once

#include "historyrecord.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <atomic>
#include <mutex>

class HistoryStore {
public:
    // The schema this build writes; older files are migrated when opened.
    static constexpr int schemaVersion = 2;

    explicit HistoryStore(const QString &path = defaultPath());
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // $XDG_DATA_HOME/velmora-upgrade/history.sqlite, ~/.local/share/... when unset.
    static QString defaultPath();

    // Creates the folder and the file when missing and brings the schema up to
    // date. A file that is no SQLite database or is damaged is kept aside
    // under a dated name (see setAside()) and a new one started. False when
    // the history cannot be used; problem() says why.
    bool open();

    QString path() const { return filePath; }
    // Why the history is unavailable now; empty while it works.
    QString problem() const;
    // The name the last damaged file was kept under; empty when none was.
    QString setAside() const;

    bool add(const HistoryRecord &record);
    // Replaces the stored record with the same id.
    bool update(const HistoryRecord &record);

    // Records "in progress" of that station whose process is gone become
    // "interrupted"; returns how many did.
    int interruptAbandoned(const QString &station);

    // Every record, newest first, one at a time; with a serial filter only
    // those whose serial contains it.
    bool forEachRecord(const std::function<void(const HistoryRecord &)> &write, QString *problem,
                       const QString &serialFilter = QString());
    // Finished records the shared server has not confirmed, oldest first.
    QList<HistoryRecord> unsent(int limit);
    int unsentCount();
    bool markSent(const QList<QUuid> &ids);

    // A connection of the caller's own (for a model that reads lazily); the
    // caller closes it and removes it by name when done.
    QSqlDatabase connection(const QString &name) const;

    // Applies the schema steps up to version on an open connection: how a
    // file of an older build is migrated, and how tests make one.
    static bool migrate(QSqlDatabase &db, int version, QString *problem);

    // The columns of the records table, in the order of historyFieldNames(),
    // followed by the local ones (process, sent).
    static QStringList columns();
    // A record from a row of a query that selected columns() in that order.
    static HistoryRecord recordFromQuery(const class QSqlQuery &query);

private:
    class Connection;
    // Notes a failure (logged once per distinct reason) or, with an empty
    // reason, that the history works again.
    void setProblem(const QString &reason);
    bool execute(const QString &what, const std::function<bool(QSqlDatabase &, QString *)> &work);

    const QString filePath;
    mutable std::mutex mutex;
    QString currentProblem;
    QString setAsidePath;
    std::atomic<bool> opened{false};
};
