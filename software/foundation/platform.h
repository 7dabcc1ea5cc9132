// The platform the tool was built for, and the build's debug flag. Some file
// names and output conventions of dfu-util differ per platform.
#pragma once

#include <QDebug>

enum class Platform : int { Linux = 0, macOS = 1, windows = 2, unknown = 3 };

Platform buildPlatform();
bool isWindows(Platform platform);

// True when the tool was built with DEBUG defined (the Debug build type).
bool builtWithDebug();

// Writes the platform's name unquoted; a value outside the enumeration writes
// an empty item.
QDebug operator<<(QDebug debug, Platform platform);

// Writes text as one unquoted item, leaving the stream's quoting as it was:
// how records write their text forms to the log.
QDebug writeUnquoted(QDebug debug, const QString &text);

// Names this process so that a later process can tell whether it still runs:
// "<boot id>/<pid>/<start time>" on Linux, so that neither a restart of the
// machine nor a new process with the same number passes for it.
QString processIdentity();
// Whether the process with that identity (from processIdentity()) still runs.
bool processIsAlive(const QString &identity);
