// One upgrade tool at a time per device, across processes: a lock file per
// device (its USB path and serial) in $XDG_RUNTIME_DIR/velmora-upgrade. A tool
// that finds a device locked leaves it alone and shows it as busy.
#pragma once

#include "toolrunner.h"

#include <QString>

#include <memory>

class QLockFile;

class DeviceLock {
public:
    explicit DeviceLock(const DeviceAddress &device);
    ~DeviceLock();
    DeviceLock(const DeviceLock &) = delete;
    DeviceLock &operator=(const DeviceLock &) = delete;

    // Takes the lock without waiting. False when another process holds it,
    // or when the lock file cannot be made (then problem() says why). A lock
    // left by a process that is gone is taken over.
    bool tryLock();
    void unlock();
    bool isLocked() const { return locked; }
    QString problem() const { return lastProblem; }

    // Where the lock files are.
    static QString directory();

private:
    std::unique_ptr<QLockFile> file;
    QString path;
    bool locked = false;
    QString lastProblem;
};
