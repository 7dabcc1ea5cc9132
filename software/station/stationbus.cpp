#include "stationbus.h"

#include "hotplugwatcher.h"

#include <QDebug>

#include <chrono>

StationBus::StationBus(std::function<void(const BusListing &)> listed)
    : listed(std::move(listed))
{
}

StationBus::~StationBus()
{
    stop();
}

void StationBus::requestListing()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        changed = true;
    }
    wake.notify_all();
}

void StationBus::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    wait();
}

void StationBus::work()
{
    HotplugWatcher watcher([this](bool) { requestListing(); });
    QString problem;
    const bool events = watcher.start(&problem);
    if (events)
        qInfo() << "Station: USB hotplug events; the devices are listed when one arrives or leaves";
    else
        qInfo().noquote() << QStringLiteral("Station: listing every %1 ms (no USB hotplug events: %2)").arg(pauseMs).arg(problem);

    const auto pause = std::chrono::milliseconds(pauseMs);
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            if (events)
                wake.wait(lock, [this] { return stopping || changed; });
            if (stopping)
                return;
            changed = false;
        }
        listed(listAllDevices());
        // However many events come, one listing per pause at most.
        std::unique_lock<std::mutex> lock(mutex);
        if (wake.wait_for(lock, pause, [this] { return stopping; }))
            return;
    }
}
