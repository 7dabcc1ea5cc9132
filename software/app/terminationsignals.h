// Termination signals turned into calls in the event loop: Ctrl+C (INT), TERM,
// the terminal closed (HUP) and Ctrl+\ (QUIT). A signal handler may do almost
// nothing safely, so it only writes the signal's number into a socket that the
// event loop watches.
#pragma once

#include <functional>

class QObject;

// From now on each of those signals calls onSignal with its number, in
// context's thread, and a write to a closed pipe or terminal fails instead of
// ending the process (SIGPIPE is ignored). False when the channel cannot be
// made; the signals then keep their default action.
bool watchTerminationSignals(QObject *context, std::function<void(int signal)> onSignal);
