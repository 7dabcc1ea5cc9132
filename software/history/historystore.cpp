#include "historystore.h"

#include "platform.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace {

std::atomic<int> connectionCount{0};

// The schema, one step per version: step n makes version n + 1.
const QStringList &schemaSteps()
{
    static const QStringList steps{
        // 1: the records.
        "CREATE TABLE records ("
        " id TEXT PRIMARY KEY NOT NULL, started TEXT NOT NULL, finished TEXT, station TEXT NOT NULL,"
        " user TEXT, tool_version TEXT, firmware_file TEXT, firmware_revision TEXT, firmware_sha256 TEXT,"
        " serial TEXT, usb_path TEXT, product_type INTEGER, model TEXT, revision_before TEXT,"
        " outcome TEXT NOT NULL, write_exit_code INTEGER, read_exit_code INTEGER, write_ms INTEGER,"
        " read_ms INTEGER, last_error TEXT, process TEXT, sent INTEGER NOT NULL DEFAULT 0)",
        // 2: newest first and the records still to send, without a full scan
        // (the History window, the sender).
        "CREATE INDEX records_started ON records (started);"
        "CREATE INDEX records_unsent ON records (sent, finished) WHERE sent = 0",
    };
    return steps;
}

QVariant optionalValue(const std::optional<int> &value)
{
    return value ? QVariant(*value) : QVariant(QVariant::Int);
}

QVariant optionalValue(const std::optional<qint64> &value)
{
    return value ? QVariant(*value) : QVariant(QVariant::LongLong);
}

QVariant textValue(const QDateTime &time)
{
    return time.isValid() ? QVariant(time.toUTC().toString(Qt::ISODateWithMs)) : QVariant(QVariant::String);
}

// SQLite's primary result codes that mean the file is no database, or a damaged one.
bool isCorruption(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 11 || code == 26 || error.databaseText().contains(QLatin1String("malformed"))
           || error.databaseText().contains(QLatin1String("not a database"));
}

QString describe(const QSqlError &error)
{
    QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

} // namespace

// A connection of one call, on the calling thread, closed and removed after it.
class HistoryStore::Connection {
public:
    explicit Connection(const QString &path)
        : name(QStringLiteral("velmora-history-%1").arg(++connectionCount))
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        // Another process writing (a second tool) is waited for, not failed on.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        opened = db.open();
    }
    ~Connection()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    const QString name;
    QSqlDatabase db;
    bool opened = false;
};

HistoryStore::HistoryStore(const QString &path)
    : filePath(path)
{
}

HistoryStore::~HistoryStore() = default;

QString HistoryStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/velmora-upgrade/history.sqlite");
}

QString HistoryStore::problem() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return currentProblem;
}

QString HistoryStore::setAside() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return setAsidePath;
}

void HistoryStore::setProblem(const QString &reason)
{
    QString before;
    {
        std::lock_guard<std::mutex> lock(mutex);
        before = std::exchange(currentProblem, reason);
    }
    if (reason == before)
        return;
    if (reason.isEmpty())
        qInfo().noquote() << QStringLiteral("The upgrade history is available again: %1").arg(filePath);
    else
        qWarning().noquote() << QStringLiteral("The upgrade history is unavailable (upgrades still work, but are not "
                                               "recorded): %1").arg(reason);
}

QStringList HistoryStore::columns()
{
    QStringList names = historyFieldNames();
    names << QStringLiteral("process") << QStringLiteral("sent");
    return names;
}

bool HistoryStore::migrate(QSqlDatabase &db, int version, QString *problem)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        *problem = describe(query.lastError());
        return false;
    }
    const int current = query.value(0).toInt();
    query.finish();
    if (current > schemaSteps().size()) {
        *problem = QStringLiteral("the file was written by a newer version of the tool (schema %1, this one knows "
                                  "up to %2); it is left as it is")
                       .arg(current)
                       .arg(schemaSteps().size());
        return false;
    }
    for (int step = current; step < version && step < schemaSteps().size(); ++step) {
        // Each step and its version number in one transaction: a migration cut
        // short leaves the file as it was.
        if (!db.transaction()) {
            *problem = describe(db.lastError());
            return false;
        }
        for (const QString &statement : schemaSteps().at(step).split(QLatin1Char(';'))) {
            if (!query.exec(statement)) {
                *problem = describe(query.lastError());
                db.rollback();
                return false;
            }
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1))) {
            *problem = describe(query.lastError());
            db.rollback();
            return false;
        }
        query.finish();
        if (!db.commit()) {
            *problem = describe(db.lastError());
            db.rollback();
            return false;
        }
    }
    return true;
}

bool HistoryStore::open()
{
    const QFileInfo file(filePath);
    if (!QDir().mkpath(file.absolutePath())) {
        setProblem(QStringLiteral("its folder %1 cannot be created").arg(file.absolutePath()));
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        QString reason;
        bool corrupt = false;
        {
            Connection connection(filePath);
            QSqlDatabase &db = connection.db;
            QSqlQuery query(db);
            if (!connection.opened) {
                reason = describe(db.lastError());
                corrupt = isCorruption(db.lastError());
            } else if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
                // Reading the schema finds a file that is no database or whose
                // first pages are damaged. A full integrity check would read
                // every record at every start: a third of a second at 100,000.
                reason = describe(query.lastError());
                corrupt = isCorruption(query.lastError());
            } else {
                query.finish();
                // The write-ahead journal lets the window read while a record is
                // written; synchronous writes survive a power cut.
                if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) {
                    reason = describe(query.lastError());
                } else {
                    query.finish();
                    if (!migrate(db, schemaVersion, &reason)) {
                        corrupt = isCorruption(db.lastError());
                        if (reason.isEmpty())
                            reason = QStringLiteral("its schema cannot be brought up to date");
                    }
                }
            }
        }
        if (reason.isEmpty()) {
            opened = true;
            setProblem(QString());
            return true;
        }
        if (!corrupt || attempt > 0) {
            setProblem(QStringLiteral("%1: %2").arg(filePath, reason));
            return false;
        }
        // Kept for whoever wants to rescue it; the tool starts a new history.
        const QString aside = filePath + QStringLiteral(".corrupt-")
                              + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (!QFile::rename(filePath, aside)) {
            setProblem(QStringLiteral("%1 is damaged (%2) and cannot be moved aside").arg(filePath, reason));
            return false;
        }
        for (const char *suffix : {"-wal", "-shm"}) {
            if (QFile::exists(filePath + suffix))
                QFile::rename(filePath + suffix, aside + suffix);
        }
        {
            std::lock_guard<std::mutex> lock(mutex);
            setAsidePath = aside;
        }
        qWarning().noquote() << QStringLiteral("The upgrade history %1 is damaged (%2): it is kept as %3 and a new "
                                               "history is started").arg(filePath, reason, aside);
    }
    return false;
}

QSqlDatabase HistoryStore::connection(const QString &name) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(filePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_READONLY"));
    db.open();
    return db;
}

bool HistoryStore::execute(const QString &what, const std::function<bool(QSqlDatabase &, QString *)> &work)
{
    // A file that could not be opened as ours (another program's, a newer
    // tool's) is never written to; it is tried again, since a full disk or a
    // lock may have gone.
    if (!opened && !open())
        return false;
    QString reason;
    {
        Connection connection(filePath);
        if (!connection.opened)
            reason = describe(connection.db.lastError());
        else {
            QSqlQuery pragma(connection.db);
            // Every committed record is on the disk before the call returns.
            pragma.exec(QStringLiteral("PRAGMA synchronous = FULL"));
            work(connection.db, &reason);
        }
    }
    if (!reason.isEmpty()) {
        setProblem(QStringLiteral("%1: %2 failed: %3").arg(filePath, what, reason));
        return false;
    }
    setProblem(QString());
    return true;
}

namespace {

// The values of historyFieldNames() and then of process, in that order.
QVariantList recordValues(const HistoryRecord &r)
{
    return {r.id.toString(QUuid::WithoutBraces), textValue(r.started), textValue(r.finished), r.station, r.user,
            r.toolVersion, r.firmwareFile, r.firmwareRevision, r.firmwareSha256, r.serial, r.usbPath,
            optionalValue(r.productType), r.model, r.revisionBefore, outcomeText(r.outcome),
            optionalValue(r.writeExitCode), optionalValue(r.readExitCode), optionalValue(r.writeMs),
            optionalValue(r.readMs), r.lastError, r.process};
}

QString placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

} // namespace

bool HistoryStore::add(const HistoryRecord &record)
{
    return execute(QStringLiteral("storing a record"), [&record](QSqlDatabase &db, QString *reason) {
        QStringList names = historyFieldNames();
        names << QStringLiteral("process");
        QSqlQuery query(db);
        if (!query.prepare(QStringLiteral("INSERT INTO records (%1) VALUES (%2)")
                          .arg(names.join(QLatin1Char(',')), placeholders(names.size())))) {
            *reason = describe(query.lastError());
            return false;
        }
        for (const QVariant &value : recordValues(record))
            query.addBindValue(value);
        if (!query.exec())
            *reason = describe(query.lastError());
        return reason->isEmpty();
    });
}

bool HistoryStore::update(const HistoryRecord &record)
{
    return execute(QStringLiteral("completing a record"), [&record](QSqlDatabase &db, QString *reason) {
        QStringList names = historyFieldNames();
        names << QStringLiteral("process");
        QStringList sets;
        for (const QString &name : names.mid(1))
            sets << QStringLiteral("%1 = ?").arg(name);
        QSqlQuery query(db);
        query.prepare(QStringLiteral("UPDATE records SET %1, sent = 0 WHERE id = ?").arg(sets.join(", ")));
        QVariantList values = recordValues(record);
        values << values.takeFirst(); // the id last, for WHERE
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec())
            *reason = describe(query.lastError());
        else if (query.numRowsAffected() != 1)
            *reason = QStringLiteral("the record %1 is missing").arg(record.id.toString(QUuid::WithoutBraces));
        return reason->isEmpty();
    });
}

int HistoryStore::interruptAbandoned(const QString &station)
{
    int count = 0;
    execute(QStringLiteral("marking interrupted attempts"), [&](QSqlDatabase &db, QString *reason) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT id, process FROM records WHERE outcome = :outcome AND station = :station"));
        query.bindValue(QStringLiteral(":outcome"), outcomeText(Outcome::InProgress));
        query.bindValue(QStringLiteral(":station"), station);
        if (!query.exec()) {
            *reason = describe(query.lastError());
            return false;
        }
        QStringList gone;
        while (query.next()) {
            if (!processIsAlive(query.value(1).toString()))
                gone << query.value(0).toString();
        }
        query.finish();
        for (const QString &id : gone) {
            QSqlQuery mark(db);
            mark.prepare(QStringLiteral("UPDATE records SET outcome = :outcome, sent = 0 WHERE id = :id "
                                        "AND outcome = :inProgress"));
            mark.bindValue(QStringLiteral(":outcome"), outcomeText(Outcome::Interrupted));
            mark.bindValue(QStringLiteral(":id"), id);
            mark.bindValue(QStringLiteral(":inProgress"), outcomeText(Outcome::InProgress));
            if (!mark.exec()) {
                *reason = describe(mark.lastError());
                return false;
            }
            count += mark.numRowsAffected();
        }
        return true;
    });
    return count;
}

HistoryRecord HistoryStore::recordFromQuery(const QSqlQuery &query)
{
    const auto text = [&query](int field) { return query.value(field).toString(); };
    const auto time = [&query](int field) {
        return query.value(field).isNull() ? QDateTime()
                                           : QDateTime::fromString(query.value(field).toString(), Qt::ISODateWithMs);
    };
    const auto number = [&query](int field) -> std::optional<qint64> {
        if (query.value(field).isNull())
            return std::nullopt;
        return query.value(field).toLongLong();
    };
    const auto integer = [&number](int field) -> std::optional<int> {
        const auto value = number(field);
        return value ? std::optional<int>(int(*value)) : std::nullopt;
    };
    HistoryRecord r;
    r.id = QUuid::fromString(text(0));
    r.started = time(1);
    r.finished = time(2);
    r.station = text(3);
    r.user = text(4);
    r.toolVersion = text(5);
    r.firmwareFile = text(6);
    r.firmwareRevision = text(7);
    r.firmwareSha256 = text(8);
    r.serial = text(9);
    r.usbPath = text(10);
    r.productType = integer(11);
    r.model = text(12);
    r.revisionBefore = text(13);
    r.outcome = outcomeFromText(text(14)).value_or(Outcome::InProgress);
    r.writeExitCode = integer(15);
    r.readExitCode = integer(16);
    r.writeMs = number(17);
    r.readMs = number(18);
    r.lastError = text(19);
    r.process = query.record().count() > 20 ? text(20) : QString();
    return r;
}

bool HistoryStore::forEachRecord(const std::function<void(const HistoryRecord &)> &write, QString *problem,
                                 const QString &serialFilter)
{
    QString reason;
    {
        Connection connection(filePath);
        QSqlQuery query(connection.db);
        query.setForwardOnly(true);
        if (!connection.opened)
            reason = describe(connection.db.lastError());
        else if (!query.prepare(QStringLiteral("SELECT %1 FROM records WHERE instr(ifnull(serial, ''), :serial) > 0 "
                                               "ORDER BY started DESC, rowid DESC").arg(columns().join(QLatin1Char(','))))) {
            reason = describe(query.lastError());
        } else if (query.bindValue(QStringLiteral(":serial"), serialFilter.isNull() ? QStringLiteral("") : serialFilter), !query.exec())
            reason = describe(query.lastError());
        else {
            while (query.next())
                write(recordFromQuery(query));
            if (query.lastError().isValid())
                reason = describe(query.lastError());
        }
    }
    if (!reason.isEmpty() && problem)
        *problem = QStringLiteral("%1: %2").arg(filePath, reason);
    return reason.isEmpty();
}

QList<HistoryRecord> HistoryStore::unsent(int limit)
{
    QList<HistoryRecord> records;
    execute(QStringLiteral("reading the records to send"), [&](QSqlDatabase &db, QString *reason) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT %1 FROM records WHERE sent = 0 AND outcome <> :inProgress "
                                     "ORDER BY finished, started LIMIT :limit").arg(columns().join(QLatin1Char(','))));
        query.bindValue(QStringLiteral(":inProgress"), outcomeText(Outcome::InProgress));
        query.bindValue(QStringLiteral(":limit"), limit);
        if (!query.exec()) {
            *reason = describe(query.lastError());
            return false;
        }
        while (query.next())
            records << recordFromQuery(query);
        return true;
    });
    return records;
}

int HistoryStore::unsentCount()
{
    int count = 0;
    execute(QStringLiteral("counting the records to send"), [&](QSqlDatabase &db, QString *reason) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT count(*) FROM records WHERE sent = 0 AND outcome <> :inProgress"));
        query.bindValue(QStringLiteral(":inProgress"), outcomeText(Outcome::InProgress));
        if (!query.exec() || !query.next()) {
            *reason = describe(query.lastError());
            return false;
        }
        count = query.value(0).toInt();
        return true;
    });
    return count;
}

bool HistoryStore::markSent(const QList<QUuid> &ids)
{
    return execute(QStringLiteral("noting sent records"), [&ids](QSqlDatabase &db, QString *reason) {
        if (!db.transaction()) {
            *reason = describe(db.lastError());
            return false;
        }
        QSqlQuery query(db);
        // Only a finished record counts as sent: one changed since it was read
        // for sending (none is, today) is sent again.
        query.prepare(QStringLiteral("UPDATE records SET sent = 1 WHERE id = :id AND outcome <> :inProgress"));
        for (const QUuid &id : ids) {
            query.bindValue(QStringLiteral(":id"), id.toString(QUuid::WithoutBraces));
            query.bindValue(QStringLiteral(":inProgress"), outcomeText(Outcome::InProgress));
            if (!query.exec()) {
                *reason = describe(query.lastError());
                db.rollback();
                return false;
            }
        }
        if (!db.commit()) {
            *reason = describe(db.lastError());
            return false;
        }
        return true;
    });
}
