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

namespace history {
// "csv" or "json": print the history in that form and end, without a window;
// empty to run the tool.
extern QString printFormat;
// The shared history server's libpq connection string from --history-server;
// empty when the option is not given (the settings file may name one).
extern QString serverOption;
} // namespace history

namespace station {
// Open the station window (every attached device at once) instead of the
// guided window for one device.
extern bool use;
// In the station, upgrade every device identified as ready with no click.
extern bool autoUpgrade;
} // namespace station

// The language --language names ("de", "pt_BR"), empty without the option. It
// is read ahead of the other options, so that their help is translated.
QString requestedLanguage(const QStringList &arguments);

// Whether the command line asks only for the history to be printed: such a run
// needs no display, so it is known before the application object is made.
bool historyPrintRequested(int argc, char *argv[]);

// Reads the application's options; an unknown option (help included) ends the
// process with a failure status, as the command-line parser reports it.
void parseOptions(const QCoreApplication &application);

// The same on an explicit argument list (its first element is the program).
void parseOptionArguments(const QStringList &arguments);
