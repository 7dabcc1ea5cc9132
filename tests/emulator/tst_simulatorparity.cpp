// The simulator script against the real program: for each prepared
// configuration, the tool's command lines run once through the simulator and
// once through Debian's dfu-util with the same device on the emulated bus.
// What the tool relies on must be the same: the listing's device lines, exit
// codes, the files written, dfu-util's last error line, and the flash after a
// download. (The banner and the progress text differ by version by design:
// the simulator speaks as dfu-util 0.9.)

#include "emulatedbus.h"
#include "describedfirmware.h"

#include <QtTest>

namespace {

const QString serial = EmulatedBus::serial;

struct Answer {
    int exitCode = -1;
    QStringList found;
    QString lastError;
    QByteArray file;
    bool fileExists = false;
};

// dfu-util's last line on standard error that says what failed: warnings
// about the image's missing DFU suffix and the OTP region's size notation
// come from the host side and read differently in 0.9 and 0.11.
QString lastError(const QByteArray &errors)
{
    QString last;
    for (const QByteArray &line : errors.split('\n')) {
        if (line.isEmpty() || line.contains("DFU suffix") || line.contains("Non-valid multiplier"))
            continue;
        last = QString::fromLocal8Bit(line).remove(QStringLiteral("dfu-util: "));
    }
    return last;
}

QStringList foundLines(const QByteArray &output)
{
    QStringList lines;
    for (const QByteArray &line : output.split('\n'))
        if (line.startsWith("Found "))
            lines << QString::fromLatin1(line);
    return lines;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The flash as far as a download can change it, erased bytes beyond the file.
QByteArray flashStart(QByteArray flash)
{
    if (flash.size() < 0x20000)
        flash += QByteArray(0x20000 - flash.size(), '\xff');
    return flash.left(0x20000);
}

} // namespace

class TestSimulatorParity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameAnswers_data();
    void sameAnswers();

private:
    Answer simulator(const QString &state, const QString &sub, const QStringList &arguments, const QString &file);
    Answer real(const EmulatedBus &bus, const QStringList &arguments, const QString &file);

    QTemporaryDir work;
    QByteArray image;
};

void TestSimulatorParity::initTestCase()
{
    QVERIFY(work.isValid());
    image = describedFirmwareImage();
    QFile file(work.filePath("firmware.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image) == image.size());
}

Answer TestSimulatorParity::simulator(const QString &state, const QString &sub, const QStringList &arguments,
                                      const QString &file)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DFU_UTIL_SIMULATOR_STATE", state);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(work.path());
    QFile::remove(work.filePath(file));
    process.start(SIMULATOR_SCRIPT, QStringList{"--dfu-util-command", sub, "--fast-progress"} + arguments);
    process.waitForFinished(120000);
    Answer answer;
    answer.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    answer.found = foundLines(process.readAllStandardOutput());
    answer.lastError = lastError(process.readAllStandardError());
    answer.fileExists = !file.isEmpty() && QFile::exists(work.filePath(file));
    answer.file = readFile(work.filePath(file));
    return answer;
}

Answer TestSimulatorParity::real(const EmulatedBus &bus, const QStringList &arguments, const QString &file)
{
    QFile::remove(work.filePath(file));
    const DfuRun run = bus.dfuUtil(arguments, work.path());
    Answer answer;
    answer.exitCode = run.exitCode;
    answer.found = run.found();
    answer.lastError = lastError(run.errors);
    answer.fileExists = !file.isEmpty() && QFile::exists(work.filePath(file));
    answer.file = readFile(work.filePath(file));
    return answer;
}

void TestSimulatorParity::sameAnswers_data()
{
    QTest::addColumn<QString>("configuration");
    for (const char *name : {"upgradable", "up-to-date", "blank", "blank-otp", "other-product", "unknown-product",
                             "firmware-mismatch", "no-device", "two-devices", "invalid-device", "bad-serial",
                             "no-access", "beside-no-access", "otp-read-fails", "download-fails", "verify-fails",
                             "unplug-during-download", "leave-status-lost"})
        QTest::newRow(name) << QString(name);
}

void TestSimulatorParity::sameAnswers()
{
    QFETCH(QString, configuration);

    QTemporaryDir simulated;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DFU_UTIL_SIMULATOR_STATE", simulated.path());
    environment.insert("DFU_UTIL_SIMULATOR_ABSENT_SECONDS", "1");
    environment.insert("VELMORA_IMAGEGEN", VELMORA_IMAGEGEN);
    QProcess setup;
    setup.setProcessEnvironment(environment);
    setup.start(SIMULATOR_SCRIPT, {"--dfu-util-command", "setup_prepared_config", configuration});
    QVERIFY(setup.waitForFinished(60000) && setup.exitCode() == 0);
    EmulatedBus bus;
    QVERIFY(bus.prepare(configuration, {"--fast", "--return-after", "1"}));

    struct Step {
        const char *what, *sub;
        QStringList arguments;
        QString file;
    };
    const QStringList device{"-d", "0483", "-S", serial};
    const QList<Step> steps{
        {"listing", "list", {"-d", "0483", "-l"}, QString()},
        {"OTP read", "upload_OTP", device + QStringList{"-a", "2", "-s", "0x1FFF7800:512", "-U", "otp.bin"}, "otp.bin"},
        {"FW info read", "upload_FW", device + QStringList{"-a", "0", "-s", "0x08000000:2048", "-U", "info.bin"}, "info.bin"},
        {"download", "download_FW", device + QStringList{"-a", "0", "-s", "0x08000000:leave", "-D", "firmware.bin"}, QString()},
        {"listing after the download", "list", {"-d", "0483", "-l"}, QString()},
    };
    for (const Step &step : steps) {
        const Answer fromSimulator = simulator(simulated.path(), step.sub, step.arguments, step.file);
        const Answer fromReal = real(bus, step.arguments, step.file);
        const QString where = QString("%1 of %2: ").arg(step.what, configuration);
        QVERIFY2(fromSimulator.exitCode == fromReal.exitCode,
                 qPrintable(where + QString("exit %1, dfu-util %2").arg(fromSimulator.exitCode).arg(fromReal.exitCode)));
        QVERIFY2(fromSimulator.found == fromReal.found,
                 qPrintable(where + fromSimulator.found.join('\n') + "\n  dfu-util:\n" + fromReal.found.join('\n')));
        QVERIFY2(fromSimulator.lastError == fromReal.lastError,
                 qPrintable(where + "\"" + fromSimulator.lastError + "\", dfu-util \"" + fromReal.lastError + "\""));
        QVERIFY2(fromSimulator.fileExists == fromReal.fileExists, qPrintable(where + "file written or not"));
        QVERIFY2(fromSimulator.file == fromReal.file, qPrintable(where + "file contents"));
    }
    if (configuration != "no-device") // the simulator keeps a flash file even for no device
        QVERIFY2(flashStart(readFile(simulated.path() + "/current/flash.bin")) == flashStart(bus.flash()),
                 "the flash after the download differs");

    // Back in boot mode, both: the read-back.
    QTRY_VERIFY_WITH_TIMEOUT(real(bus, {"-d", "0483", "-l"}, QString()).found.size() > 0
                                 || configuration == "no-device" || configuration == "no-access",
                             10000);
    QTest::qWait(1100); // the simulator's device is away for a second
    const QStringList readBack = QStringList{"-d", "0483", "-S", serial, "-a", "0", "-s",
                                             QString("0x08000000:%1").arg(image.size()), "-U", "back.bin"};
    const Answer fromSimulator = simulator(simulated.path(), "upload_FW", readBack, "back.bin");
    const Answer fromReal = real(bus, readBack, "back.bin");
    QCOMPARE(fromSimulator.exitCode, fromReal.exitCode);
    QCOMPARE(fromSimulator.lastError, fromReal.lastError);
    QCOMPARE(fromSimulator.file, fromReal.file);
}

QTEST_GUILESS_MAIN(TestSimulatorParity)
#include "tst_simulatorparity.moc"
