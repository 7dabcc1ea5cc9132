// How long the device worker takes to end after a stop request while dfu-util
// hangs, and while it idles between scans. Writes one line per run and a
// summary to the result file (default bench/results/stop-latency.txt).

#include "sm_a.h"
#include "toolrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QThread>

#include <algorithm>

namespace {
double stopLatencyMs(unsigned settleMs)
{
    SM_A worker("firmware.dfu", "firmware.bin", "uploaded_FW.bin");
    worker.idleScanDelayMs = 500;
    worker.connectedPollDelayMs = 1000;
    worker.start();
    QThread::msleep(settleMs);
    QElapsedTimer clock;
    clock.start();
    worker.requestStop();
    worker.wait();
    return clock.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qSetMessagePattern("");
    const QString resultPath = argc > 1 ? argv[1] : "bench/results/stop-latency.txt";
    QDir().mkpath(QFileInfo(resultPath).path());
    QFile result(resultPath);
    if (!result.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream out(&result);

    // Stand-ins for dfu-util: one that hangs, one that finds no device at once.
    const std::pair<const char *, ToolCommandEntry> cases[] = {
        {"dfu-util hangs while listing", {"sleep", {"60"}}},
        {"idle between scans (no device)", {"true", {}}},
    };
    for (const auto &[name, entry] : cases) {
        commandTable()[List] = entry;
        QList<double> runs;
        for (unsigned i = 0; i < 10; ++i)
            runs << stopLatencyMs(150 + 37 * i);
        std::sort(runs.begin(), runs.end());
        out << name << ": median " << runs[runs.size() / 2] << " ms, worst " << runs.last() << " ms over "
            << runs.size() << " runs\n";
    }
    return 0;
}
