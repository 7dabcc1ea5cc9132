#include "hotplugwatcher.h"

#include <libusb.h>

namespace {

constexpr int vendorId = 0x0483;
constexpr int productId = 0xdf11;

int LIBUSB_CALL onHotplugEvent(libusb_context *, libusb_device *, libusb_hotplug_event event, void *watcher)
{
    (*static_cast<std::function<void(bool)> *>(watcher))(event == LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT);
    return 0; // stay registered
}

} // namespace

HotplugWatcher::HotplugWatcher(std::function<void(bool left)> changed)
    : changed(std::move(changed))
{
}

HotplugWatcher::~HotplugWatcher()
{
    if (!context)
        return;
    stopping = true;
    libusb_interrupt_event_handler(context);
    if (thread.joinable())
        thread.join();
    libusb_hotplug_deregister_callback(context, handle);
    libusb_exit(context);
}

bool HotplugWatcher::start(QString *problem)
{
    if (!libusb_has_capability(LIBUSB_CAP_HAS_HOTPLUG)) {
        *problem = QStringLiteral("libusb has no hotplug support here");
        return false;
    }
    int result = libusb_init(&context);
    if (result != LIBUSB_SUCCESS) {
        *problem = QStringLiteral("libusb cannot start (%1)").arg(QString::fromLatin1(libusb_error_name(result)));
        context = nullptr;
        return false;
    }
    result = libusb_hotplug_register_callback(
        context, LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED | LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT, LIBUSB_HOTPLUG_NO_FLAGS,
        vendorId, productId, LIBUSB_HOTPLUG_MATCH_ANY, onHotplugEvent, &changed, &handle);
    if (result != LIBUSB_SUCCESS) {
        *problem = QStringLiteral("libusb cannot report USB events (%1)")
                       .arg(QString::fromLatin1(libusb_error_name(result)));
        libusb_exit(context);
        context = nullptr;
        return false;
    }
    thread = std::thread([this] { handleEvents(); });
    return true;
}

// The callback runs in here. The thread sleeps in libusb until an event or the
// interruption that ends it; the long timeout only bounds one wait.
void HotplugWatcher::handleEvents()
{
    while (!stopping) {
        timeval wait{3600, 0};
        libusb_handle_events_timeout_completed(context, &wait, nullptr);
    }
}
