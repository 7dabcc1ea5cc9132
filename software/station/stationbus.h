// The station's view of the bus: lists every device of ours when USB hotplug
// events say something changed (or, where there are none, every half second),
// never more often than every half second, on a thread of its own.
#pragma once

#include "dfucommands.h"
#include "joinedthread.h"

#include <condition_variable>
#include <functional>
#include <mutex>

class StationBus : public JoinedThread {
public:
    // listed is called on the bus thread after every listing.
    explicit StationBus(std::function<void(const BusListing &)> listed);
    ~StationBus() override;

    // Lists again after the pause, event or not: after a write, or while a
    // device is held by another tool (which no USB event announces). Any thread.
    void requestListing();
    // Ends the thread after the listing running, if any; waits for it.
    void stop();

    static constexpr int pauseMs = 500;

protected:
    void work() override;

private:
    const std::function<void(const BusListing &)> listed;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    bool changed = true; // the first look needs no event
};
