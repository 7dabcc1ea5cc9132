// The station against one device alone, side by side in one run, with the
// emulated devices at a real device's timing and --auto:
//   eight devices attached at once, first "ready" to the eighth "done",
//   against one device alone, "ready" to "done"                      (goal: at most 1.25 times)
//   the tool's own CPU while the eight are written and read back      (goal: at most 10 % of one core)
//   every device: written once, read back in full, "done" only with the image in its flash
// Run on an X display (xvfb-run -a build/bench/bench_station [FILE [ROUNDS]]);
// writes bench/results/station-DATE.txt unless given another file.

#include "emulatedbus.h"
#include "resultfile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <unistd.h>

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// User and system time of the process itself (not of its children), in clock ticks.
long ownTicks(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    return fields[11].toLong() + fields[12].toLong(); // utime, stime
}

struct Round {
    double readyToDoneMs = -1;
    double cpuPercent = -1;
    QString problem; // a broken promise, or a device that never got done
};

Round upgrade(int devices, const QString &work)
{
    Round round;
    QTemporaryDir sandbox(work + "/round-XXXXXX");
    EmulatedBus bus(sandbox.path() + "/bus");
    for (int i = 0; i < devices; ++i) {
        // The first two share a serial, as colliding boot-loader serials do.
        const QString serial = i < 2 ? QString(EmulatedBus::serial) : QString("40%1A54E4%2").arg(i).arg(i).left(12);
        QStringList options{"--return-after", "1", "--port", QString::number(i + 2), "--serial", serial};
        if (i > 0)
            options << "--add";
        if (!bus.prepare("upgradable", options))
            qFatal("cannot prepare the emulated devices");
    }
    QProcessEnvironment environment = bus.environment();
    for (const char *variable : {"TMPDIR", "HOME", "XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        const QString folder = sandbox.path() + "/" + variable;
        QDir().mkpath(folder);
        environment.insert(variable, folder);
    }
    QFile::setPermissions(sandbox.path() + "/XDG_RUNTIME_DIR", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess tool;
    tool.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    tool.start(VELMORA_EXECUTABLE, {"-l", "--station", "--auto"});

    QByteArray buffer;
    QStringList lines;
    qint64 firstReady = -1;
    long ticksAtReady = 0;
    int done = 0;
    while (done < devices && clock.elapsed() < 120000 && tool.state() != QProcess::NotRunning) {
        tool.waitForReadyRead(5);
        buffer += tool.readAllStandardError();
        int end;
        while ((end = buffer.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(buffer.left(end));
            buffer.remove(0, end + 1);
            lines << line;
            if (firstReady < 0 && line.contains(QRegularExpression("Station: .*: ready "))) {
                firstReady = clock.elapsed();
                ticksAtReady = ownTicks(tool.processId());
            }
            if (line.contains(QRegularExpression("Station: .*: done( |$)")))
                ++done;
            if (line.contains(QRegularExpression("Station: .*: (differs|not confirmed|write failed|refused)")))
                round.problem = line;
        }
    }
    const qint64 lastDone = clock.elapsed();
    const long ticks = ownTicks(tool.processId()) - ticksAtReady;
    tool.terminate();
    if (!tool.waitForFinished(20000))
        tool.kill();
    tool.waitForFinished();
    if (done < devices && round.problem.isEmpty())
        round.problem = QString("%1 of %2 devices done; the tool's last lines:\n  %3")
                            .arg(done).arg(devices).arg(lines.mid(lines.size() - 8).join("\n  "));
    round.readyToDoneMs = double(lastDone - firstReady);
    round.cpuPercent = 100.0 * double(ticks) / double(sysconf(_SC_CLK_TCK)) / (round.readyToDoneMs / 1000.0);

    // The promises: each device written once, read back in full, and holding the image.
    QFile imageFile(QString(RESOURCE_DIR) + "/firmware.bin");
    if (!imageFile.open(QIODevice::ReadOnly))
        qFatal("no firmware image in %s", RESOURCE_DIR);
    const QByteArray image = imageFile.readAll();
    for (const QString &folder : QDir(bus.stateDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QStringList transfers = bus.transfers(folder);
        const int writes = transfers.filter(QRegularExpression("^download ")).size();
        const int reads = transfers.filter(QRegularExpression("^upload 0x080")).size();
        if (transfers.filter("leave ").size() != 1 || writes == 0 || reads < writes)
            round.problem = QString("%1: %2 blocks written, %3 read, %4 leave requests")
                                .arg(folder).arg(writes).arg(reads).arg(transfers.filter("leave ").size());
        if (bus.flash(folder).left(image.size()) != image)
            round.problem = folder + ": done without the image in its flash";
    }
    return round;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ResultFile result("station", argc, argv);
    const int rounds = argc > 2 ? QString(argv[2]).toInt() : 3;
    auto say = [&result](const QString &line) { result.say(line); };
    QTemporaryDir work;
    say(QString("velmora-upgrade station benchmark, %1").arg(QDateTime::currentDateTime().toString(Qt::ISODate)));

    QList<double> one, eight, cpu;
    bool broken = false;
    for (int i = 0; i < rounds; ++i) {
        for (int devices : {1, 8}) {
            const Round round = upgrade(devices, work.path());
            say(QString("round %1, %2 device(s): ready to the last done %3 ms, the tool's own CPU %4 %%5")
                    .arg(i + 1).arg(devices).arg(round.readyToDoneMs, 0, 'f', 0).arg(round.cpuPercent, 0, 'f', 1)
                    .arg(round.problem.isEmpty() ? QString() : " - BROKEN: " + round.problem));
            broken = broken || !round.problem.isEmpty();
            (devices == 1 ? one : eight) << round.readyToDoneMs;
            if (devices == 8)
                cpu << round.cpuPercent;
        }
    }
    say(QString("eight devices at once: %1 ms against one alone %2 ms (medians of %3): ratio %4 (goal <= 1.25)")
            .arg(median(eight), 0, 'f', 0).arg(median(one), 0, 'f', 0).arg(rounds)
            .arg(median(eight) / median(one), 0, 'f', 2));
    say(QString("the tool's own CPU while eight devices are written and read back: %1 % of one core (median; goal <= 10 %)")
            .arg(median(cpu), 0, 'f', 1));
    say(broken ? "promises: BROKEN (see above)"
               : "promises: every device written once, read back in full, done only with the image in its flash");
    return broken ? 1 : 0;
}
