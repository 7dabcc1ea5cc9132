#include "options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>

namespace simulator {
bool use = false;
} // namespace simulator

bool useLogWindow = false;

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
    parser.addOption(useSimulator);
    parser.addOption(noUseSimulator);
    parser.addOption(useLog);
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
}
