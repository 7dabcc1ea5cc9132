// The history at the size of a busy service centre's: how long storing
// 100,000 records takes one by one (as the tool stores them: each on the disk
// before the call returns), how long "velmora-upgrade --history csv" takes to
// print them, and how long the History window takes to open with them, side by
// side with the same window over an empty history. Writes the figures to the
// result file (default bench/results/history-DATE.txt).
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_history [result-file] [records]

#include "historystore.h"
#include "historywindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

HistoryRecord sample(int i)
{
    HistoryRecord record;
    record.id = QUuid::createUuid();
    record.started = QDateTime(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC).addSecs(i * 60);
    record.finished = record.started.addSecs(14);
    record.station = QStringLiteral("bench-%1").arg(i % 4);
    record.user = QStringLiteral("service");
    record.toolVersion = QStringLiteral("0.1");
    record.firmwareFile = QStringLiteral("firmware.dfu");
    record.firmwareRevision = QStringLiteral("C3");
    record.firmwareSha256 = QString(64, QLatin1Char('a'));
    record.serial = QStringLiteral("3276%1").arg(i, 8, 16, QLatin1Char('0')).toUpper();
    record.usbPath = QStringLiteral("1-%1").arg(i % 8 + 1);
    record.productType = 30;
    record.model = QStringLiteral("T30");
    record.revisionBefore = QStringLiteral("C2");
    record.outcome = i % 50 == 0 ? Outcome::Differs : Outcome::Verified;
    record.writeExitCode = 0;
    record.readExitCode = 0;
    record.writeMs = 8000 + i % 500;
    record.readMs = 1500 + i % 100;
    return record;
}

// From the call to the window's first paint having been processed: median of runs.
double windowOpeningMs(HistoryStore &store, int runs)
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        HistoryWindow window(&store);
        window.show();
        window.table->model()->rowCount(); // what the first paint asks for
        QCoreApplication::processEvents();
        window.table->viewport()->repaint();
        times << clock.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qSetMessagePattern(QStringLiteral(""));
    const QString resultPath = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                        : QStringLiteral("bench/results/history-%1.txt")
                                              .arg(QDate::currentDate().toString(Qt::ISODate));
    const int count = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100000;
    QDir().mkpath(QFileInfo(resultPath).path());
    QFile result(resultPath);
    if (!result.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream out(&result);

    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    HistoryStore empty(data.filePath("empty.sqlite"));
    HistoryStore store; // the default place below XDG_DATA_HOME, which --history reads
    if (!empty.open() || !store.open())
        return 1;

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
        if (!store.add(sample(i)))
            return 1;
    }
    const double insertSeconds = clock.nsecsElapsed() / 1e9;
    out << "storing " << count << " records one by one: " << insertSeconds << " s, "
        << insertSeconds * 1e6 / count << " us per record\n";

    QProcess print;
    print.setStandardOutputFile(data.filePath("history.csv"));
    clock.restart();
    print.start(QStringLiteral(VELMORA_EXECUTABLE), {QStringLiteral("--history"), QStringLiteral("csv")});
    print.waitForFinished(-1);
    const double printSeconds = clock.nsecsElapsed() / 1e9;
    out << "velmora-upgrade --history csv over them: " << printSeconds << " s, "
        << QFileInfo(data.filePath("history.csv")).size() / 1024 << " KiB, exit code " << print.exitCode() << "\n";

    const double emptyMs = windowOpeningMs(empty, 9);
    const double fullMs = windowOpeningMs(store, 9);
    out << "History window opening (median of 9): " << fullMs << " ms with " << count << " records, " << emptyMs
        << " ms with none, ratio " << fullMs / emptyMs << "\n";
    return 0;
}
