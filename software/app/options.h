// Command-line options and the process-wide values they set.
#pragma once

#include <QStringList>

class QCoreApplication;

namespace simulator {
// Run the simulator script instead of dfu-util.
extern bool use;
} // namespace simulator

// Route every diagnostic message into the log window.
extern bool useLogWindow;

// Reads the application's options; an unknown option (help included) ends the
// process with a failure status, as the command-line parser reports it.
void parseOptions(const QCoreApplication &application);

// The same on an explicit argument list (its first element is the program).
void parseOptionArguments(const QStringList &arguments);
