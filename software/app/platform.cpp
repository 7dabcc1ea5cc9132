#include "platform.h"

Platform buildPlatform()
{
#if defined(Q_OS_LINUX)
    return Platform::Linux;
#elif defined(Q_OS_MACOS)
    return Platform::macOS;
#elif defined(Q_OS_WIN)
    return Platform::windows;
#else
    return Platform::unknown;
#endif
}

bool isWindows(Platform platform)
{
    return platform == Platform::windows;
}

bool builtWithDebug()
{
#ifdef DEBUG
    return true;
#else
    return false;
#endif
}

QDebug operator<<(QDebug debug, Platform platform)
{
    const char *name = "";
    switch (platform) {
    case Platform::Linux: name = "Linux"; break;
    case Platform::macOS: name = "macOS"; break;
    case Platform::windows: name = "windows"; break;
    case Platform::unknown: name = "unknown"; break;
    }
    return writeUnquoted(debug, QString::fromLatin1(name));
}

QDebug writeUnquoted(QDebug debug, const QString &text)
{
    const QDebugStateSaver saver(debug);
    debug.noquote() << text;
    return debug;
}
