#include "options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>

namespace simulator {
bool use = false;
} // namespace simulator

bool useLogWindow = false;

namespace history {
QString printFormat;
QString serverOption;
} // namespace history

namespace station {
bool use = false;
bool autoUpgrade = false;
} // namespace station

bool historyPrintRequested(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--") // what follows is no option
            break;
        if (argument == "--history" || argument.startsWith("--history="))
            return true;
    }
    return false;
}

void parseOptions(const QCoreApplication &application)
{
    parseOptionArguments(application.arguments());
}

void parseOptionArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption useSimulator({"s", "use-simulator"},
                                          "Use simulated device interaction.");
    const QCommandLineOption noUseSimulator({"S", "no-use-simulator"},
                                            "Disable use of simulated device interaction.");
    const QCommandLineOption useLog({"l", "use-log-window"},
                                    "Enable use of log window (open it with Ctrl-l)");
    const QCommandLineOption printHistory("history", "Print the upgrade history as csv or json and exit.",
                                          "format");
    const QCommandLineOption historyServer("history-server",
                                           "Share the history on the PostgreSQL server named by this libpq "
                                           "connection string (no password: use ~/.pgpass or a service file).",
                                           "conninfo");
    const QCommandLineOption stationOption("station", "Upgrade several devices at once, in the station window.");
    const QCommandLineOption autoOption("auto", "With --station: upgrade every ready device without a click.");
    parser.addOption(stationOption);
    parser.addOption(autoOption);
    parser.addOption(useSimulator);
    parser.addOption(noUseSimulator);
    parser.addOption(useLog);
    parser.addOption(printHistory);
    parser.addOption(historyServer);
    parser.process(arguments);

    qDebug().nospace() << "Initial value of 'simulator::use'=" << simulator::use
                       << ", isSet('-s')=" << parser.isSet(useSimulator)
                       << ", isSet('-S')=" << parser.isSet(noUseSimulator);

    if (parser.isSet(useSimulator))
        simulator::use = true;
    // "-S" wins over "-s", whatever their order.
    if (parser.isSet(noUseSimulator))
        simulator::use = false;
    if (parser.isSet(useLog))
        useLogWindow = true;
    if (parser.isSet(printHistory))
        history::printFormat = parser.value(printHistory);
    if (parser.isSet(historyServer))
        history::serverOption = parser.value(historyServer);
    station::use = parser.isSet(stationOption);
    station::autoUpgrade = parser.isSet(autoOption);
    if (station::autoUpgrade && !station::use)
        qWarning() << "--auto has an effect only with --station: ignored";
}
