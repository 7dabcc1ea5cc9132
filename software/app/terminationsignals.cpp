#include "terminationsignals.h"

#include <QObject>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] is written by the handler, [1] read by the event loop. Neither end may
// reach a child: each dfu-util would hold the channel open. The written end
// never blocks: a flood of signals that fills the socket loses signals, it
// never stops the process inside its handler.
int channel[2] = {-1, -1};

void writeSignalNumber(int number)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(channel[0], &byte, 1);
    errno = saved;
}

} // namespace

bool watchTerminationSignals(QObject *context, std::function<void(int signal)> onSignal)
{
    if (channel[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, channel) != 0)
        return false;
    auto *notifier = new QSocketNotifier(channel[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [onSignal = std::move(onSignal)] {
        unsigned char numbers[64];
        ssize_t count;
        while ((count = ::read(channel[1], numbers, sizeof numbers)) > 0)
            for (ssize_t i = 0; i < count; ++i)
                onSignal(numbers[i]);
    });

    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        sigaction(number, &action, nullptr);
    // The terminal's end of a pipe (tee, a pager) goes with the terminal: the
    // tool must then finish a write instead of dying at its next log line.
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}
