// velmora-emulator: prepares emulated devices for the libusb-1.0.so.0 of this
// folder, plugs them in and out, and runs a program (dfu-util, the tool) with
// that library in front of it.
//
//   velmora-emulator [--state DIR] prepare NAME [--fast] [--serial S] [--port N] [--return-after SECONDS] [--add]
//   velmora-emulator [--state DIR] plug|unplug [SERIAL | SERIAL@PATH]
//   velmora-emulator [--state DIR] show
//   velmora-emulator [--state DIR] run PROGRAM [ARGUMENTS...]

#include "configurations.h"
#include "device.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

int fail(const QString &message, int code = 1)
{
    std::fprintf(stderr, "velmora-emulator: %s\n", qPrintable(message));
    return code;
}

QString defaultState()
{
    const QByteArray set = qgetenv(emulator::stateVariable);
    if (!set.isEmpty())
        return QString::fromLocal8Bit(set);
    QByteArray base = qgetenv("XDG_STATE_HOME");
    if (base.isEmpty())
        base = qgetenv("HOME") + "/.local/state";
    return QString::fromLocal8Bit(base) + "/velmora-emulator";
}

// The devices a plug or unplug is meant for: the ones with that serial, the
// one of that folder name ("SERIAL@1-3"), or all.
QStringList folders(const QString &state, const QString &serial, QString *error)
{
    QStringList result;
    for (const std::string &folder : emulator::deviceFolders(QFile::encodeName(state).toStdString())) {
        std::string text;
        emulator::Identity identity;
        if (emulator::readFile(folder + "/device.conf", &text) && emulator::Identity::parse(text, &identity)
            && (serial.isEmpty() || serial.toStdString() == identity.serial
                || serial == QFileInfo(QString::fromStdString(folder)).fileName()))
            result << QString::fromStdString(folder);
    }
    if (result.isEmpty())
        *error = serial.isEmpty() ? QStringLiteral("no emulated device in %1").arg(state)
                                  : QStringLiteral("no emulated device with serial %1 in %2").arg(serial, state);
    return result;
}

// Runs the program with the emulated bus: this folder's libusb-1.0.so.0 first
// in the library path, the state directory in the environment.
int run(const QString &stateDir, char **program)
{
    if (!program[0])
        return fail("run takes a program and its arguments", 64);
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return fail("cannot find the folder of this program");
    self[n] = '\0';
    QByteArray path = QFile::encodeName(QFileInfo(QFile::decodeName(self)).absolutePath());
    const QByteArray previous = qgetenv("LD_LIBRARY_PATH");
    if (!previous.isEmpty())
        path += ":" + previous;
    qputenv("LD_LIBRARY_PATH", path);
    qputenv(emulator::stateVariable, QFile::encodeName(QFileInfo(stateDir).absoluteFilePath()));
    std::fflush(stdout);
    ::execvp(program[0], program);
    return fail(QStringLiteral("cannot run %1: %2").arg(QFile::decodeName(program[0]), QString::fromLocal8Bit(std::strerror(errno))), 127);
}

} // namespace

int main(int argc, char *argv[])
{
    // "run" hands everything after the program's name to the program untouched.
    int at = 1;
    QString runState;
    if (argc > 3 && std::strcmp(argv[1], "--state") == 0) {
        runState = QFile::decodeName(argv[2]);
        at = 3;
    }
    if (argc > at && std::strcmp(argv[at], "run") == 0)
        return run(runState.isEmpty() ? defaultState() : runState, argv + at + 1);

    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Emulated STM32 DfuSe boot loaders for dfu-util, through the libusb-1.0.so.0 beside this program.\n\n"
        "Commands:\n"
        "  prepare NAME        replace the emulated devices by the configuration NAME\n"
        "  plug [SERIAL]       plug a device (SERIAL or SERIAL@PATH) in again (a new device number), as after restarting it in boot mode\n"
        "  unplug [SERIAL]     pull a device's cable\n"
        "  show                one line per device: serial, presence, configuration\n"
        "  run PROGRAM [ARG]   run PROGRAM with the emulated bus in place of USB\n\n"
        "Configurations: "
        + emulator::configurationNames().join(' '));
    parser.addHelpOption();
    const QCommandLineOption state("state", "State directory (default $VELMORA_EMULATOR_STATE or ~/.local/state/velmora-emulator).", "dir");
    const QCommandLineOption fast("fast", "prepare: answer at once instead of with a real device's timing.");
    const QCommandLineOption serial("serial", "prepare: the serial of the (first) device.", "serial",
                                    emulator::defaultSerial);
    const QCommandLineOption returnAfter("return-after",
                                         "prepare: seconds until a device that left boot mode is back (0: only by plug).",
                                         "seconds", "4");
    const QCommandLineOption add("add", "prepare: keep the devices there are and add these.");
    const QCommandLineOption port("port", "prepare: the USB port of the (first) device, path 1-N; its folder is SERIAL@1-N.",
                                  "N");
    parser.addOptions({state, fast, serial, returnAfter, add, port});
    parser.addPositionalArgument("command", "prepare, plug, unplug, show or run");
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return fail("give a command; see --help", 64);
    const QString stateDir = parser.isSet(state) ? parser.value(state) : defaultState();
    const QString command = arguments[0];

    if (command == "prepare") {
        if (arguments.size() != 2)
            return fail("prepare takes one configuration name: " + emulator::configurationNames().join(' '), 64);
        bool ok = false;
        const double seconds = parser.value(returnAfter).toDouble(&ok);
        if (!ok || seconds < 0)
            return fail("--return-after takes a number of seconds", 64);
        emulator::PrepareOptions options;
        options.realTiming = !parser.isSet(fast);
        options.serial = parser.value(serial);
        options.returnAfterMs = int(seconds * 1000);
        options.keepOthers = parser.isSet(add);
        if (parser.isSet(port)) {
            options.port = parser.value(port).toInt(&ok);
            if (!ok || options.port < 1 || options.port > 127)
                return fail("--port takes a port number from 1 to 127", 64);
        }
        QString error;
        if (!emulator::prepare(stateDir, arguments[1], options, &error))
            return fail(error, arguments[1].isEmpty() || !emulator::configurationNames().contains(arguments[1]) ? 64 : 74);
        std::printf("Emulated devices in %s: %s\n", qPrintable(stateDir), qPrintable(arguments[1]));
        return 0;
    }
    if (command == "plug" || command == "unplug") {
        QString error;
        const QStringList chosen = folders(stateDir, arguments.value(1), &error);
        if (chosen.isEmpty())
            return fail(error);
        for (const QString &folder : chosen) {
            const std::string dir = QFile::encodeName(stateDir).toStdString();
            const std::string device = QFile::encodeName(folder).toStdString();
            if (command == "plug")
                emulator::plugIn(dir, device);
            else
                emulator::leaveBus(dir, device, 0);
        }
        return 0;
    }
    if (command == "show") {
        QString error;
        emulator::refreshPresence(QFile::encodeName(stateDir).toStdString());
        for (const QString &folder : folders(stateDir, QString(), &error)) {
            const emulator::Presence presence = emulator::readPresence(QFile::encodeName(folder).toStdString());
            std::printf("%s %s\n", qPrintable(QFileInfo(folder).fileName()),
                        presence.present ? qPrintable("present devnum=" + QString::number(presence.devnum))
                                         : "absent");
        }
        return 0;
    }
    return fail("unknown command " + command + "; see --help", 64);
}
