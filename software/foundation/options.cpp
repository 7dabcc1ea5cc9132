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

QString requestedLanguage(const QStringList &arguments)
{
    QString language;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--language") && i + 1 < arguments.size())
            language = arguments.at(++i);
        else if (argument.startsWith(QLatin1String("--language=")))
            language = argument.mid(11);
    }
    return language;
}

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

namespace {

// The context of the options' help texts in the translations.
class Options {
    Q_DECLARE_TR_FUNCTIONS(Options)
};

} // namespace

void parseOptionArguments(const QStringList &arguments)
{
    // The help is shown in the user's language: the translation is installed
    // before the options are read (see requestedLanguage).
    QCommandLineParser parser;
    const QCommandLineOption useSimulator({"s", "use-simulator"},
                                          Options::tr("Use simulated device interaction."));
    const QCommandLineOption noUseSimulator({"S", "no-use-simulator"},
                                            Options::tr("Disable use of simulated device interaction."));
    const QCommandLineOption useLog({"l", "use-log-window"},
                                    Options::tr("Enable use of log window (open it with Ctrl-l)"));
    const QCommandLineOption printHistory(
        "history", Options::tr("Print the upgrade history as csv or json and exit."), "format");
    const QCommandLineOption historyServer(
        "history-server",
        Options::tr("Share the history on the PostgreSQL server named by this libpq connection string (no "
                    "password: use ~/.pgpass or a service file)."),
        "conninfo");
    const QCommandLineOption stationOption(
        "station", Options::tr("Upgrade several devices at once, in the station window."));
    const QCommandLineOption autoOption(
        "auto", Options::tr("With --station: upgrade every ready device without a click."));
    const QCommandLineOption languageOption(
        "language",
        Options::tr("Show the window in this language (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English) "
                    "instead of the system's."),
        "code");
    parser.addOption(stationOption);
    parser.addOption(autoOption);
    parser.addOption(useSimulator);
    parser.addOption(noUseSimulator);
    parser.addOption(useLog);
    parser.addOption(printHistory);
    parser.addOption(historyServer);
    parser.addOption(languageOption);
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
