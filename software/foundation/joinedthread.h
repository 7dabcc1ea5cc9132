// A QThread whose end is seen by the thread sanitizer: what work() did happens
// before wait() returns true. Qt joins its threads through its own futex-based
// lock, which the sanitizer cannot see, so without this it takes an owner that
// changes or frees what the finished thread read for a data race.
#pragma once

#include <QThread>

#include <atomic>
#include <climits>

class JoinedThread : public QThread {
public:
    using QThread::QThread;

    // As QThread::wait.
    bool wait(unsigned long limitMs = ULONG_MAX)
    {
        const bool ended = QThread::wait(limitMs);
        if (ended)
            (void)workDone.load(std::memory_order_acquire);
        return ended;
    }

protected:
    // The thread's body, in place of run().
    virtual void work() = 0;

private:
    void run() final
    {
        work();
        workDone.store(true, std::memory_order_release);
    }

    std::atomic<bool> workDone{false};
};
