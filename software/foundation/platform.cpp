#include "platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

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

namespace {

QString bootId()
{
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).trimmed() : QString();
}

// The process's start time in clock ticks since boot (field 22 of its stat
// line, counted after the parenthesised command name, which may hold spaces).
QString startTime(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray line = file.readAll();
    const int close = line.lastIndexOf(')');
    if (close < 0)
        return QString();
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    return fields.size() > 19 ? QString::fromLatin1(fields.at(19)) : QString();
}

QString identityOf(qint64 pid)
{
    return QStringLiteral("%1/%2/%3").arg(bootId()).arg(pid).arg(startTime(pid));
}

} // namespace

QString processIdentity()
{
    return identityOf(QCoreApplication::applicationPid());
}

bool processIsAlive(const QString &identity)
{
    const QStringList parts = identity.split(QLatin1Char('/'));
    bool ok = false;
    const qint64 pid = parts.value(1).toLongLong(&ok);
    if (parts.size() != 3 || !ok || pid <= 0)
        return false;
    return identityOf(pid) == identity && !parts.at(2).isEmpty();
}
