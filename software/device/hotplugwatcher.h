// Learns of our boot loaders (0483:df11) arriving on or leaving the USB bus
// from libusb's hotplug events, which come from udev on Linux, so that the
// device worker lists devices only when something changed on the bus.
#pragma once

#include <QString>

#include <atomic>
#include <functional>
#include <thread>

struct libusb_context;

class HotplugWatcher {
public:
    // changed is called from the watcher's own thread, once per event; its
    // argument says whether a device left (false: one arrived).
    explicit HotplugWatcher(std::function<void(bool left)> changed);
    ~HotplugWatcher();
    HotplugWatcher(const HotplugWatcher &) = delete;
    HotplugWatcher &operator=(const HotplugWatcher &) = delete;

    // Starts listening. False where there are no events (a libusb without the
    // hotplug capability, no udev, a container), with the reason in problem.
    bool start(QString *problem);

private:
    void handleEvents();

    std::function<void(bool left)> changed;
    libusb_context *context = nullptr;
    int handle = 0;
    std::atomic<bool> stopping{false};
    std::thread thread;
};
