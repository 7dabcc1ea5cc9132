#include "devicelock.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
// Paths and serials are plain ASCII; anything else cannot reach a file name.
QString fileNamePart(QString text)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9.-]"));
    return text.replace(unsafe, QStringLiteral("_"));
}
} // namespace

DeviceLock::DeviceLock(const DeviceAddress &device)
    : path(directory() + QStringLiteral("/device-%1-%2.lock").arg(fileNamePart(device.path), fileNamePart(device.serial)))
{
}

DeviceLock::~DeviceLock()
{
    unlock();
}

QString DeviceLock::directory()
{
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return runtime + QStringLiteral("/velmora-upgrade");
}

bool DeviceLock::tryLock()
{
    if (locked)
        return true;
    if (!QDir().mkpath(directory())) {
        lastProblem = QStringLiteral("cannot create %1").arg(directory());
        return false;
    }
    file = std::make_unique<QLockFile>(path);
    // A write with its away time and read-back lasts longer than any age
    // limit: only a holder that is gone makes a lock stale.
    file->setStaleLockTime(0);
    locked = file->tryLock(0);
    if (!locked && file->error() != QLockFile::LockFailedError)
        lastProblem = QStringLiteral("cannot create the lock file %1").arg(path);
    else
        lastProblem.clear();
    return locked;
}

void DeviceLock::unlock()
{
    if (locked)
        file->unlock();
    locked = false;
}
