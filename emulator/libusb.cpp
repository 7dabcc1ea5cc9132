// The libusb 1.0 API as far as dfu-util uses it, answered by the emulated
// devices of the state directory named in VELMORA_EMULATOR_STATE. Built as
// libusb-1.0.so.0 and found through LD_LIBRARY_PATH, it puts the unmodified
// dfu-util in front of an emulated boot loader instead of the USB bus. Without
// that variable the bus is empty.

#include "bootloader.h"
#include "device.h"
#include "processfault.h"

#include <libusb.h>

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/syscall.h>
#include <unistd.h>
#include <new>
#include <type_traits>
#include <vector>

using emulator::BootLoader;
using emulator::Identity;

struct libusb_context {
    std::string stateDir;
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
    emulator::takeProcessFault(context->stateDir);
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_exit(libusb_context *ctx)
{
    if (ctx && ctx != &defaultContext)
        delete ctx;
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
