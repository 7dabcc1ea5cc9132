#include "historyserver.h"

#include <QDebug>
#include <QLibrary>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <libpq-fe.h>

#include <atomic>
#include <chrono>

namespace {

std::atomic<int> serverConnections{0};

constexpr char table[] = "velmora_upgrade_history";

QString quoted(const QString &value)
{
    QString text = value;
    text.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    text.replace(QLatin1String("'"), QLatin1String("\\'"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString describe(const QSqlError &error)
{
    QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    return text.simplified();
}

// Why the server was not reached, in words for the log.
QString classify(const QString &message)
{
    static const QStringList authentication{"authentication failed", "no password supplied", "pg_hba.conf",
                                            "role \"", "permission denied"};
    for (const QString &mark : authentication) {
        if (message.contains(mark))
            return QStringLiteral("authentication failed: ") + message;
    }
    if (message.contains(QLatin1String("database \"")) && message.contains(QLatin1String("does not exist")))
        return QStringLiteral("the database does not exist: ") + message;
    return QStringLiteral("unreachable: ") + message;
}

// The server's columns: timestamps as timestamptz, the id as uuid.
QString serverSelectList()
{
    QStringList list;
    for (const QString &name : historyFieldNames()) {
        if (name == QLatin1String("id"))
            list << QStringLiteral("id::text");
        else if (name == QLatin1String("started") || name == QLatin1String("finished"))
            list << QStringLiteral("to_char(%1 AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"')").arg(name);
        else
            list << (name == QLatin1String("user") ? QStringLiteral("\"user\"") : name);
    }
    return list.join(QLatin1Char(','));
}

// libpq, loaded when a connection string is first read: linked into the
// executable, it and the libraries it needs (TLS, Kerberos, LDAP) made every
// start of the tool about 10 ms slower, for a server most stations never name.
// Qt's PostgreSQL driver loads the same library when it connects.
struct Libpq {
    decltype(&PQconninfoParse) parse = nullptr;
    decltype(&PQfreemem) freeMemory = nullptr;
    decltype(&PQconninfoFree) freeOptions = nullptr;
    QString problem;
};

const Libpq &libpq()
{
    static const Libpq loaded = [] {
        Libpq pq;
        QLibrary library(QStringLiteral("pq"), 5);
        if (!library.load()) {
            pq.problem = library.errorString();
            return pq;
        }
        pq.parse = reinterpret_cast<decltype(&PQconninfoParse)>(library.resolve("PQconninfoParse"));
        pq.freeMemory = reinterpret_cast<decltype(&PQfreemem)>(library.resolve("PQfreemem"));
        pq.freeOptions = reinterpret_cast<decltype(&PQconninfoFree)>(library.resolve("PQconninfoFree"));
        if (!pq.parse || !pq.freeMemory || !pq.freeOptions) {
            pq.problem = library.errorString();
            pq.parse = nullptr;
        }
        return pq;
    }();
    return loaded;
}

} // namespace

ServerConninfo parseConninfo(const QString &conninfo)
{
    ServerConninfo result;
    if (conninfo.trimmed().isEmpty()) {
        result.problem = QStringLiteral("the connection string is empty");
        return result;
    }
    const Libpq &pq = libpq();
    if (!pq.parse) {
        result.problem = QStringLiteral("libpq cannot be loaded (%1)").arg(pq.problem);
        return result;
    }
    char *error = nullptr;
    PQconninfoOption *options = pq.parse(conninfo.toUtf8().constData(), &error);
    if (!options) {
        result.problem = error ? QString::fromUtf8(error).trimmed() : QStringLiteral("it cannot be read");
        pq.freeMemory(error);
        return result;
    }
    QStringList parts;
    bool timeout = false;
    for (PQconninfoOption *option = options; option->keyword; ++option) {
        if (!option->val)
            continue;
        const QString key = QString::fromUtf8(option->keyword);
        const QString value = QString::fromUtf8(option->val);
        if (key == QLatin1String("password")) {
            result.problem = QStringLiteral("it holds a password, which must not be given on the command line or in "
                                            "the settings file: put it in ~/.pgpass (or a service file named with "
                                            "service=) instead");
            break;
        }
        if (value.contains(QLatin1Char(';'))) {
            // Qt's driver reads ';' as a separator between options.
            result.problem = QStringLiteral("the value of %1 holds a ';', which cannot be passed on").arg(key);
            break;
        }
        timeout = timeout || key == QLatin1String("connect_timeout");
        parts << key + QLatin1Char('=') + quoted(value);
    }
    pq.freeOptions(options);
    if (!result.problem.isEmpty())
        return result;
    // A server that does not answer must not hold the sending thread for long.
    if (!timeout)
        parts << QStringLiteral("connect_timeout=5");
    result.connectOptions = parts.join(QLatin1Char(' '));
    return result;
}

HistorySettings readHistorySettings()
{
    HistorySettings settings;
    settings.path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                    + QStringLiteral("/velmora-upgrade/velmora-upgrade.conf");
    const QSettings file(settings.path, QSettings::IniFormat);
    settings.server = file.value(QStringLiteral("history/server")).toString();
    bool ok = false;
    const int seconds = file.value(QStringLiteral("history/resend_seconds")).toInt(&ok);
    if (ok && seconds > 0)
        settings.resendSeconds = seconds;
    return settings;
}

bool prepareServerTable(QSqlDatabase &db, QString *problem)
{
    QSqlQuery query(db);
    const QString create = QStringLiteral(
        "CREATE TABLE IF NOT EXISTS %1 ("
        " id uuid PRIMARY KEY, started timestamptz NOT NULL, finished timestamptz, station text NOT NULL,"
        " \"user\" text, tool_version text, firmware_file text, firmware_revision text, firmware_sha256 text,"
        " serial text, usb_path text, product_type integer, model text, revision_before text, outcome text NOT NULL,"
        " write_exit_code integer, read_exit_code integer, write_ms bigint, read_ms bigint, last_error text,"
        " received timestamptz NOT NULL DEFAULT now())").arg(QLatin1String(table));
    // Two stations creating it at the same moment: one of them loses the race
    // and finds it made on its second try.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (query.exec(create))
            return true;
    }
    *problem = describe(query.lastError());
    return false;
}

HistoryServer::HistoryServer(HistoryStore *store, const QString &connectOptions, int resendMs, QObject *parent)
    : JoinedThread(parent)
    , store(store)
    , connectOptions(connectOptions)
    , resendMs(resendMs)
{
}

HistoryServer::~HistoryServer()
{
    stopSending();
    wait();
}

void HistoryServer::poke()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        poked = true;
    }
    wake.notify_all();
}

void HistoryServer::stopSending()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_all();
}

HistoryServer::State HistoryServer::state() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return current;
}

void HistoryServer::setState(const State &state)
{
    State before;
    {
        std::lock_guard<std::mutex> lock(mutex);
        before = std::exchange(current, state);
    }
    if (state.problem != before.problem || (before.reachable != state.reachable) || !before.tried) {
        if (!state.problem.isEmpty())
            qWarning().noquote() << QStringLiteral("The shared history server is %1 - %2 record(s) wait to be sent")
                                        .arg(state.problem)
                                        .arg(state.waiting);
        else
            qInfo().noquote() << QStringLiteral("The shared history server is reachable - %1 record(s) wait to be sent")
                                     .arg(state.waiting);
    }
    if (before.reachable != state.reachable || before.waiting != state.waiting || before.problem != state.problem
        || !before.tried)
        emit stateChanged();
}

void HistoryServer::sendRound(QSqlDatabase &db)
{
    State state;
    state.tried = true;
    QString problem;
    if (!db.isOpen() && !db.open())
        problem = classify(describe(db.lastError()));
    else if (!prepareServerTable(db, &problem))
        problem = classify(problem);
    for (bool more = problem.isEmpty(); more;) {
        const QList<HistoryRecord> records = store->unsent(100);
        more = records.size() == 100;
        if (records.isEmpty())
            break;
        QStringList names = historyFieldNames();
        QStringList values;
        for (int i = 0; i < names.size(); ++i)
            values << QStringLiteral("?");
        names.replace(names.indexOf(QStringLiteral("user")), QStringLiteral("\"user\""));
        QSqlQuery query(db);
        if (!db.transaction() || !query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (id) DO NOTHING")
                                                    .arg(QLatin1String(table), names.join(QLatin1Char(',')),
                                                         values.join(QLatin1Char(','))))) {
            problem = classify(describe(query.lastError().isValid() ? query.lastError() : db.lastError()));
            break;
        }
        QList<QUuid> sent;
        for (const HistoryRecord &record : records) {
            for (int field = 0; field < historyFieldNames().size(); ++field) {
                const QString value = historyField(record, field);
                query.bindValue(field, value.isEmpty() && emptyFieldIsMissing(field) ? QVariant(QVariant::String)
                                                                                       : QVariant(value));
            }
            if (!query.exec()) {
                problem = classify(describe(query.lastError()));
                break;
            }
            sent << record.id;
        }
        if (!problem.isEmpty() || !db.commit()) {
            if (problem.isEmpty())
                problem = classify(describe(db.lastError()));
            db.rollback();
            break;
        }
        // Confirmed by the server's commit: only now is it no longer sent.
        if (!store->markSent(sent))
            break;
    }
    if (!problem.isEmpty())
        db.close(); // opened afresh on the next round: the server may have restarted
    state.reachable = problem.isEmpty();
    state.problem = problem;
    state.waiting = store->unsentCount();
    setState(state);
}

void HistoryServer::work()
{
    const QString name = QStringLiteral("velmora-history-server-%1").arg(++serverConnections);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setConnectOptions(connectOptions);
        for (;;) {
            sendRound(db);
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait_for(lock, std::chrono::milliseconds(resendMs), [this] { return poked || stopping; });
            if (stopping)
                break;
            poked = false;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

bool HistoryServer::forEachRecord(const QString &connectOptions,
                                  const std::function<void(const HistoryRecord &)> &write, QString *problem)
{
    const QString name = QStringLiteral("velmora-history-server-%1").arg(++serverConnections);
    QString reason;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setConnectOptions(connectOptions);
        if (!db.open()) {
            reason = classify(describe(db.lastError()));
        } else if (prepareServerTable(db, &reason)) {
            QStringList names = historyFieldNames();
            QSqlQuery query(db);
            query.setForwardOnly(true);
            if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY started DESC, id")
                                .arg(serverSelectList(), QLatin1String(table))))
                reason = describe(query.lastError());
            while (reason.isEmpty() && query.next())
                write(HistoryStore::recordFromQuery(query));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!reason.isEmpty() && problem)
        *problem = QStringLiteral("the shared history server: %1").arg(reason);
    return reason.isEmpty();
}
