// The libusb 1.0 API as far as dfu-util uses it, answered by the emulated
// devices of the state directory named in VELMORA_EMULATOR_STATE. Built as
// libusb-1.0.so.0 and found through LD_LIBRARY_PATH, it puts the unmodified
// dfu-util in front of an emulated boot loader instead of the USB bus. Without
// that variable the bus is empty.
//
// A program that watches the bus (the tool) gets libusb's hotplug events: the
// devices' presence files are watched with inotify, and a device away for a
// while comes back at its time, so that arrivals, departures, the leave after
// a write and the return all reach it as real USB events would. With
// VELMORA_EMULATOR_NO_HOTPLUG set the bus has no hotplug capability, like a
// system without udev.

#include "bootloader.h"
#include "device.h"
#include "processfault.h"

#include <libusb.h>

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <new>
#include <type_traits>
#include <vector>

using emulator::BootLoader;
using emulator::Identity;

struct HotplugCallback {
    libusb_hotplug_callback_handle handle;
    int events, vendor, product;
    libusb_hotplug_callback_fn function;
    void *userData;
};

// A device on the bus as the last look at it saw it.
struct SeenDevice {
    int devnum;
    Identity identity;
};

struct libusb_context {
    std::string stateDir;
    // Hotplug: used by the one thread that handles events, except interruptFd.
    std::vector<HotplugCallback> callbacks;
    libusb_hotplug_callback_handle nextHandle = 1;
    std::map<std::string, SeenDevice> seen; // by folder
    int inotifyFd = -1;
    int stateWatch = -1; // the state directory's watch
    int interruptFd = -1;
};

struct libusb_device {
    int references = 1;
    std::string stateDir, folder;
    Identity identity;
    int devnum = 0;
};

struct libusb_device_handle {
    libusb_device *device = nullptr;
    std::unique_ptr<BootLoader> loader;
};

namespace {

libusb_context defaultContext;

libusb_context *contextOf(libusb_context *ctx)
{
    return ctx ? ctx : &defaultContext;
}

std::string stateFromEnvironment()
{
    const char *dir = std::getenv(emulator::stateVariable);
    return dir ? dir : "";
}

constexpr size_t maxAlts = 16;

// dfu-util as Debian installs it, or as the tool unpacks it ("dfu-util.exe").
bool isDfuUtil()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return true;
    const std::string program(path, size_t(length));
    return program.compare(program.find_last_of('/') + 1, 8, "dfu-util") == 0;
}

bool hotplugAvailable()
{
    const char *off = std::getenv("VELMORA_EMULATOR_NO_HOTPLUG");
    return !off || !*off;
}

// The devices on the bus now, after those whose time away is over came back.
std::map<std::string, SeenDevice> devicesOnBus(const std::string &stateDir)
{
    std::map<std::string, SeenDevice> devices;
    if (stateDir.empty())
        return devices;
    emulator::refreshPresence(stateDir);
    for (const std::string &folder : emulator::deviceFolders(stateDir)) {
        const emulator::Presence presence = emulator::readPresence(folder);
        std::string text;
        Identity identity;
        if (presence.present && emulator::readFile(folder + "/device.conf", &text) && Identity::parse(text, &identity))
            devices[folder] = {presence.devnum, identity};
    }
    return devices;
}

// Watches the state directory: device folders come and go by renames and
// removals, and every arrival and departure replaces a file there (the next
// device number, the last departure). The device folders are not watched:
// their memories change at every block written, which says nothing about the
// bus, and eight devices written at once would keep the watcher busy.
void watchFolders(libusb_context *context)
{
    if (context->stateDir.empty() || context->stateWatch >= 0)
        return;
    context->stateWatch = inotify_add_watch(context->inotifyFd, context->stateDir.c_str(),
                                            IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM | IN_ONLYDIR);
}

// The earliest time a device away comes back; LLONG_MAX for none.
long long nextReturnMs(const std::string &stateDir)
{
    long long next = LLONG_MAX;
    if (stateDir.empty())
        return next;
    for (const std::string &folder : emulator::deviceFolders(stateDir)) {
        const emulator::Presence presence = emulator::readPresence(folder);
        if (!presence.present && presence.backAtMs != 0)
            next = std::min(next, presence.backAtMs);
    }
    return next;
}

void drain(int fd)
{
    char buffer[4096];
    while (fd >= 0 && read(fd, buffer, sizeof buffer) > 0) {
    }
}

// Reads the pending file events of the state directory; true when there was one.
bool busFilesChanged(const libusb_context *context)
{
    alignas(inotify_event) char buffer[8192];
    bool changed = false;
    ssize_t length;
    while ((length = read(context->inotifyFd, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->wd == context->stateWatch || (event->mask & IN_Q_OVERFLOW))
                changed = true;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    return changed;
}

libusb_device *deviceFor(const libusb_context *context, const std::string &folder, const SeenDevice &seen)
{
    libusb_device *device = new libusb_device;
    device->stateDir = context->stateDir;
    device->folder = folder;
    device->identity = seen.identity;
    device->devnum = seen.devnum;
    return device;
}

// Calls the callbacks that want this event of this device; a callback that
// returns non-zero is done.
void dispatch(libusb_context *context, libusb_device *device, libusb_hotplug_event event)
{
    const std::vector<HotplugCallback> callbacks = context->callbacks;
    for (const HotplugCallback &callback : callbacks) {
        if (!(callback.events & event)
            || (callback.vendor != LIBUSB_HOTPLUG_MATCH_ANY && callback.vendor != device->identity.vendor)
            || (callback.product != LIBUSB_HOTPLUG_MATCH_ANY && callback.product != device->identity.product))
            continue;
        if (callback.function(context, device, event, callback.userData) != 0)
            libusb_hotplug_deregister_callback(context, callback.handle);
    }
}

// Compares the bus with the last look and reports the differences: a device
// with a new device number has left and arrived again (re-enumerated).
void reportChanges(libusb_context *context)
{
    const std::map<std::string, SeenDevice> now = devicesOnBus(context->stateDir);
    for (const auto &[folder, seen] : context->seen) {
        const auto still = now.find(folder);
        if (still != now.end() && still->second.devnum == seen.devnum)
            continue;
        libusb_device *device = deviceFor(context, folder, seen);
        dispatch(context, device, LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT);
        libusb_unref_device(device);
    }
    for (const auto &[folder, seen] : now) {
        const auto before = context->seen.find(folder);
        if (before != context->seen.end() && before->second.devnum == seen.devnum)
            continue;
        libusb_device *device = deviceFor(context, folder, seen);
        dispatch(context, device, LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED);
        libusb_unref_device(device);
    }
    context->seen = now;
}

// A configuration descriptor with everything it points to, freed in one
// piece: a plain C layout, so the pointer to its first member is its own.
struct ConfigHolder {
    libusb_config_descriptor config;
    libusb_interface interface;
    libusb_interface_descriptor alts[maxAlts];
    unsigned char functional[9];
};
static_assert(std::is_standard_layout<ConfigHolder>::value, "freed through its first member");

} // namespace

extern "C" {

int LIBUSB_CALL libusb_init(libusb_context **ctx)
{
    libusb_context *context = ctx ? new (std::nothrow) libusb_context : &defaultContext;
    if (!context)
        return LIBUSB_ERROR_NO_MEM;
    context->stateDir = stateFromEnvironment();
    if (ctx)
        *ctx = context;
    // Faults and the record of runs are dfu-util's: a program that only
    // watches the bus (the tool) takes no fault meant for its next run.
    if (isDfuUtil() && !context->stateDir.empty()) {
        const std::string command = emulator::commandOfThisRun();
        emulator::appendLine(context->stateDir + "/runs.log", command.empty() ? "other" : command);
        emulator::takeProcessFault(context->stateDir);
    }
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_exit(libusb_context *ctx)
{
    libusb_context *context = contextOf(ctx);
    for (int *fd : {&context->inotifyFd, &context->interruptFd})
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
    context->callbacks.clear();
    if (ctx && ctx != &defaultContext)
        delete ctx;
}

int LIBUSB_CALL libusb_has_capability(uint32_t capability)
{
    switch (capability) {
    case LIBUSB_CAP_HAS_CAPABILITY: return 1;
    case LIBUSB_CAP_HAS_HOTPLUG: return hotplugAvailable() ? 1 : 0;
    default: return 0;
    }
}

int LIBUSB_CALL libusb_hotplug_register_callback(libusb_context *ctx, int events, int flags, int vendor_id,
                                                 int product_id, int, libusb_hotplug_callback_fn cb_fn,
                                                 void *user_data, libusb_hotplug_callback_handle *callback_handle)
{
    if (!hotplugAvailable())
        return LIBUSB_ERROR_NOT_SUPPORTED;
    if (!cb_fn || !(events & (LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED | LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT)))
        return LIBUSB_ERROR_INVALID_PARAM;
    libusb_context *context = contextOf(ctx);
    if (context->interruptFd < 0) {
        context->interruptFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        context->inotifyFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (context->interruptFd < 0 || context->inotifyFd < 0)
            return LIBUSB_ERROR_OTHER;
        watchFolders(context);
        context->seen = devicesOnBus(context->stateDir);
    }
    const HotplugCallback callback{context->nextHandle++, events, vendor_id, product_id, cb_fn, user_data};
    context->callbacks.push_back(callback);
    if (callback_handle)
        *callback_handle = callback.handle;
    if ((flags & LIBUSB_HOTPLUG_ENUMERATE) && (events & LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED)) {
        for (const auto &[folder, seen] : context->seen) {
            libusb_device *device = deviceFor(context, folder, seen);
            dispatch(context, device, LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED);
            libusb_unref_device(device);
        }
    }
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_hotplug_deregister_callback(libusb_context *ctx,
                                                    libusb_hotplug_callback_handle callback_handle)
{
    libusb_context *context = contextOf(ctx);
    auto &callbacks = context->callbacks;
    callbacks.erase(std::remove_if(callbacks.begin(), callbacks.end(),
                                   [callback_handle](const HotplugCallback &callback) {
                                       return callback.handle == callback_handle;
                                   }),
                    callbacks.end());
}

void LIBUSB_CALL libusb_interrupt_event_handler(libusb_context *ctx)
{
    const libusb_context *context = contextOf(ctx);
    const uint64_t one = 1;
    if (context->interruptFd >= 0 && ::write(context->interruptFd, &one, sizeof one) < 0) {
        // The counter is full: a wake-up is pending anyway.
    }
}

// Waits up to tv (for ever without it) for a change on the bus, a device's
// return or an interruption, and reports what changed.
int LIBUSB_CALL libusb_handle_events_timeout_completed(libusb_context *ctx, struct timeval *tv, int *completed)
{
    libusb_context *context = contextOf(ctx);
    if (completed && *completed)
        return LIBUSB_SUCCESS;
    long long timeoutMs = tv ? (long long)tv->tv_sec * 1000 + tv->tv_usec / 1000 : LLONG_MAX;
    const long long back = nextReturnMs(context->stateDir);
    if (back != LLONG_MAX)
        timeoutMs = std::min(timeoutMs, std::max(0LL, back - emulator::wallClockMs()));
    pollfd fds[2] = {{context->interruptFd, POLLIN, 0}, {context->inotifyFd, POLLIN, 0}};
    const int ready = poll(fds, 2, timeoutMs == LLONG_MAX ? -1 : int(std::min<long long>(timeoutMs, INT_MAX)));
    if (ready < 0 && errno != EINTR)
        return LIBUSB_ERROR_IO;
    drain(context->interruptFd);
    const bool returning = back != LLONG_MAX && back <= emulator::wallClockMs();
    if (context->inotifyFd >= 0 && (busFilesChanged(context) || returning)) {
        watchFolders(context); // a device folder made since the last look
        reportChanges(context);
    }
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_set_option(libusb_context *, enum libusb_option, ...)
{
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_set_debug(libusb_context *, int) {}

const struct libusb_version *LIBUSB_CALL libusb_get_version(void)
{
    static const libusb_version version = {1, 0, 26, 0, "", "velmora emulated USB bus"};
    return &version;
}

const char *LIBUSB_CALL libusb_error_name(int code)
{
    switch (code) {
    case LIBUSB_SUCCESS: return "LIBUSB_SUCCESS / LIBUSB_TRANSFER_COMPLETED";
    case LIBUSB_ERROR_IO: return "LIBUSB_ERROR_IO";
    case LIBUSB_ERROR_INVALID_PARAM: return "LIBUSB_ERROR_INVALID_PARAM";
    case LIBUSB_ERROR_ACCESS: return "LIBUSB_ERROR_ACCESS";
    case LIBUSB_ERROR_NO_DEVICE: return "LIBUSB_ERROR_NO_DEVICE";
    case LIBUSB_ERROR_NOT_FOUND: return "LIBUSB_ERROR_NOT_FOUND";
    case LIBUSB_ERROR_BUSY: return "LIBUSB_ERROR_BUSY";
    case LIBUSB_ERROR_TIMEOUT: return "LIBUSB_ERROR_TIMEOUT";
    case LIBUSB_ERROR_OVERFLOW: return "LIBUSB_ERROR_OVERFLOW";
    case LIBUSB_ERROR_PIPE: return "LIBUSB_ERROR_PIPE";
    case LIBUSB_ERROR_INTERRUPTED: return "LIBUSB_ERROR_INTERRUPTED";
    case LIBUSB_ERROR_NO_MEM: return "LIBUSB_ERROR_NO_MEM";
    case LIBUSB_ERROR_NOT_SUPPORTED: return "LIBUSB_ERROR_NOT_SUPPORTED";
    case LIBUSB_ERROR_OTHER: return "LIBUSB_ERROR_OTHER";
    default: return "**UNKNOWN**";
    }
}

ssize_t LIBUSB_CALL libusb_get_device_list(libusb_context *ctx, libusb_device ***list)
{
    libusb_context *context = contextOf(ctx);
    if (context == &defaultContext && context->stateDir.empty())
        context->stateDir = stateFromEnvironment();
    std::vector<libusb_device *> devices;
    if (!context->stateDir.empty()) {
        emulator::refreshPresence(context->stateDir);
        for (const std::string &folder : emulator::deviceFolders(context->stateDir)) {
            const emulator::Presence presence = emulator::readPresence(folder);
            std::string text;
            Identity identity;
            if (!presence.present || !emulator::readFile(folder + "/device.conf", &text)
                || !Identity::parse(text, &identity))
                continue;
            libusb_device *device = new libusb_device;
            device->stateDir = context->stateDir;
            device->folder = folder;
            device->identity = identity;
            device->devnum = presence.devnum;
            devices.push_back(device);
        }
    }
    libusb_device **array = static_cast<libusb_device **>(std::calloc(devices.size() + 1, sizeof *array));
    if (!array) {
        for (libusb_device *device : devices)
            delete device;
        return LIBUSB_ERROR_NO_MEM;
    }
    std::copy(devices.begin(), devices.end(), array);
    *list = array;
    return ssize_t(devices.size());
}

libusb_device *LIBUSB_CALL libusb_ref_device(libusb_device *dev)
{
    ++dev->references;
    return dev;
}

void LIBUSB_CALL libusb_unref_device(libusb_device *dev)
{
    if (dev && --dev->references == 0)
        delete dev;
}

void LIBUSB_CALL libusb_free_device_list(libusb_device **list, int unref_devices)
{
    if (!list)
        return;
    if (unref_devices)
        for (libusb_device **device = list; *device; ++device)
            libusb_unref_device(*device);
    std::free(list);
}

uint8_t LIBUSB_CALL libusb_get_bus_number(libusb_device *)
{
    return 1;
}

uint8_t LIBUSB_CALL libusb_get_device_address(libusb_device *dev)
{
    return uint8_t(dev->devnum);
}

int LIBUSB_CALL libusb_get_port_numbers(libusb_device *dev, uint8_t *port_numbers, int port_numbers_len)
{
    if (port_numbers_len < 1)
        return LIBUSB_ERROR_OVERFLOW;
    port_numbers[0] = uint8_t(dev->identity.port);
    return 1;
}

int LIBUSB_CALL libusb_get_device_descriptor(libusb_device *dev, struct libusb_device_descriptor *desc)
{
    *desc = libusb_device_descriptor{};
    desc->bLength = LIBUSB_DT_DEVICE_SIZE;
    desc->bDescriptorType = LIBUSB_DT_DEVICE;
    desc->bcdUSB = 0x0200;
    desc->bMaxPacketSize0 = 64;
    desc->idVendor = dev->identity.vendor;
    desc->idProduct = dev->identity.product;
    desc->bcdDevice = dev->identity.bcdDevice;
    desc->iManufacturer = 1;
    desc->iProduct = 2;
    desc->iSerialNumber = 3;
    desc->bNumConfigurations = 1;
    return LIBUSB_SUCCESS;
}

// One interface with an alternate setting per memory, and the DFU functional
// descriptor after the last of them, where the kernel's parser leaves it.
int LIBUSB_CALL libusb_get_config_descriptor(libusb_device *dev, uint8_t config_index,
                                             struct libusb_config_descriptor **config)
{
    if (config_index != 0)
        return LIBUSB_ERROR_NOT_FOUND;
    ConfigHolder *holder = new (std::nothrow) ConfigHolder();
    if (!holder)
        return LIBUSB_ERROR_NO_MEM;
    const Identity &identity = dev->identity;
    const unsigned char functional[9] = {9, 0x21, 0x0b, 0xff, 0x00,
                                         uint8_t(BootLoader::transferSize & 0xff), uint8_t(BootLoader::transferSize >> 8),
                                         uint8_t(identity.dfuVersion & 0xff), uint8_t(identity.dfuVersion >> 8)};
    std::memcpy(holder->functional, functional, sizeof functional);
    const size_t alts = std::min(identity.altNames.size(), maxAlts);
    for (size_t alt = 0; alt < alts; ++alt) {
        libusb_interface_descriptor &d = holder->alts[alt];
        d.bLength = LIBUSB_DT_INTERFACE_SIZE;
        d.bDescriptorType = LIBUSB_DT_INTERFACE;
        d.bInterfaceNumber = 0;
        d.bAlternateSetting = uint8_t(alt);
        d.bInterfaceClass = 0xfe;
        d.bInterfaceSubClass = 1;
        d.bInterfaceProtocol = 2;
        d.iInterface = uint8_t(4 + alt);
    }
    if (alts > 0) {
        holder->alts[alts - 1].extra = holder->functional;
        holder->alts[alts - 1].extra_length = sizeof holder->functional;
    }
    holder->interface.altsetting = holder->alts;
    holder->interface.num_altsetting = int(alts);
    libusb_config_descriptor &c = holder->config;
    c.bLength = LIBUSB_DT_CONFIG_SIZE;
    c.bDescriptorType = LIBUSB_DT_CONFIG;
    c.wTotalLength = uint16_t(LIBUSB_DT_CONFIG_SIZE + alts * LIBUSB_DT_INTERFACE_SIZE + 9);
    c.bNumInterfaces = 1;
    c.bConfigurationValue = 1;
    c.bmAttributes = 0xc0;
    c.MaxPower = 50;
    c.interface = &holder->interface;
    *config = &holder->config;
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_free_config_descriptor(struct libusb_config_descriptor *config)
{
    // config is the first member of its holder.
    delete reinterpret_cast<ConfigHolder *>(config);
}

int LIBUSB_CALL libusb_open(libusb_device *dev, libusb_device_handle **dev_handle)
{
    if (emulator::resetsAtOpen()) { // caught between the enumeration and the open
        emulator::leaveBus(dev->stateDir, dev->folder, 0);
        emulator::plugIn(dev->stateDir, dev->folder);
    }
    const emulator::Presence presence = emulator::readPresence(dev->folder);
    if (!presence.present || presence.devnum != dev->devnum)
        return LIBUSB_ERROR_NO_DEVICE;
    if (dev->identity.accessDenied)
        return LIBUSB_ERROR_ACCESS;
    libusb_device_handle *handle = new (std::nothrow) libusb_device_handle;
    if (!handle)
        return LIBUSB_ERROR_NO_MEM;
    handle->device = libusb_ref_device(dev);
    handle->loader.reset(new BootLoader(dev->stateDir, dev->folder, dev->identity, dev->devnum));
    *dev_handle = handle;
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_close(libusb_device_handle *dev_handle)
{
    if (!dev_handle)
        return;
    libusb_unref_device(dev_handle->device);
    delete dev_handle;
}

int LIBUSB_CALL libusb_claim_interface(libusb_device_handle *dev_handle, int interface_number)
{
    if (!dev_handle->loader->attached())
        return LIBUSB_ERROR_NO_DEVICE;
    return interface_number == 0 ? LIBUSB_SUCCESS : LIBUSB_ERROR_NOT_FOUND;
}

int LIBUSB_CALL libusb_release_interface(libusb_device_handle *dev_handle, int interface_number)
{
    if (!dev_handle->loader->attached())
        return LIBUSB_ERROR_NO_DEVICE;
    return interface_number == 0 ? LIBUSB_SUCCESS : LIBUSB_ERROR_NOT_FOUND;
}

int LIBUSB_CALL libusb_set_interface_alt_setting(libusb_device_handle *dev_handle, int interface_number,
                                                 int alternate_setting)
{
    if (interface_number != 0)
        return LIBUSB_ERROR_NOT_FOUND;
    return dev_handle->loader->selectAlt(alternate_setting);
}

int LIBUSB_CALL libusb_reset_device(libusb_device_handle *dev_handle)
{
    // A reset re-enumerates the device: this handle no longer reaches it.
    return dev_handle->loader->attached() ? LIBUSB_ERROR_NOT_FOUND : LIBUSB_ERROR_NO_DEVICE;
}

int LIBUSB_CALL libusb_control_transfer(libusb_device_handle *dev_handle, uint8_t request_type, uint8_t bRequest,
                                        uint16_t wValue, uint16_t wIndex, unsigned char *data, uint16_t wLength,
                                        unsigned int)
{
    unsigned char none = 0;
    if (!data) {
        if (wLength)
            return LIBUSB_ERROR_INVALID_PARAM;
        data = &none;
    }
    return dev_handle->loader->control(request_type, bRequest, wValue, wIndex, data, wLength);
}

// dfu-util 0.9 reads strings through this one.
int LIBUSB_CALL libusb_get_string_descriptor_ascii(libusb_device_handle *dev_handle, uint8_t desc_index,
                                                   unsigned char *data, int length)
{
    unsigned char buffer[255];
    int r = libusb_control_transfer(dev_handle, LIBUSB_ENDPOINT_IN, LIBUSB_REQUEST_GET_DESCRIPTOR,
                                    LIBUSB_DT_STRING << 8, 0, buffer, sizeof buffer, 1000);
    if (r < 0)
        return r;
    if (r < 4)
        return LIBUSB_ERROR_IO;
    const uint16_t language = uint16_t(buffer[2] | buffer[3] << 8);
    r = libusb_control_transfer(dev_handle, LIBUSB_ENDPOINT_IN, LIBUSB_REQUEST_GET_DESCRIPTOR,
                                uint16_t(LIBUSB_DT_STRING << 8 | desc_index), language, buffer, sizeof buffer, 1000);
    if (r < 0)
        return r;
    if (r < 2 || buffer[1] != LIBUSB_DT_STRING || buffer[0] > r)
        return LIBUSB_ERROR_IO;
    int di = 0;
    for (int si = 2; si + 1 < buffer[0] && di < length - 1; si += 2)
        data[di++] = buffer[si + 1] ? '?' : buffer[si];
    data[di] = 0;
    return di;
}

// dfu-util writes the file it reads into with write(2): loaded before the C
// library, this one lets a full disk be emulated. Everything else passes.
ssize_t write(int fd, const void *buffer, size_t count)
{
    if (emulator::diskFullFor(fd, count)) {
        errno = ENOSPC;
        return -1;
    }
    return syscall(SYS_write, fd, buffer, count);
}

} // extern "C"
