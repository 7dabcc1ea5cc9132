#include "historycommand.h"

#include "historyserver.h"
#include "historystore.h"
#include "options.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// Only what went wrong reaches standard error: standard output is the data.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

int fail(const QString &text)
{
    std::fprintf(stderr, "velmora-upgrade: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int printHistory(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    QCoreApplication application(argc, argv);
    parseOptions(application);
    const QString format = history::printFormat;
    if (format != QLatin1String("csv") && format != QLatin1String("json")) {
        std::fprintf(stderr, "velmora-upgrade: unknown history format \"%s\": use csv or json\n", qPrintable(format));
        return 2;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return fail(QStringLiteral("standard output cannot be written"));

    const HistorySettings settings = readHistorySettings();
    const QString conninfo = history::serverOption.isEmpty() ? settings.server : history::serverOption;
    RecordSource source;
    std::unique_ptr<HistoryStore> store;
    if (!conninfo.isEmpty()) {
        const ServerConninfo parsed = parseConninfo(conninfo);
        if (!parsed.problem.isEmpty())
            return fail(QStringLiteral("the shared history server's connection string %1 cannot be used: %2")
                            .arg(history::serverOption.isEmpty() ? QStringLiteral("in %1").arg(settings.path)
                                                                 : QStringLiteral("given by --history-server"),
                                 parsed.problem));
        source = [options = parsed.connectOptions](const auto &write, QString *problem) {
            return HistoryServer::forEachRecord(options, write, problem);
        };
    } else {
        store = std::make_unique<HistoryStore>();
        // No history yet is an empty one: printing it makes no file.
        if (QFileInfo::exists(store->path()) && !store->open())
            return fail(QStringLiteral("the history is unavailable: %1").arg(store->problem()));
        source = [&store](const auto &write, QString *problem) {
            if (!QFileInfo::exists(store->path()))
                return true;
            return store->forEachRecord(write, problem);
        };
    }
    QString problem;
    const bool printed = exportHistory(source, format, out, &problem);
    out.flush();
    if (!printed)
        return fail(problem.isEmpty() ? QStringLiteral("the history could not be read") : problem);
    return 0;
}
