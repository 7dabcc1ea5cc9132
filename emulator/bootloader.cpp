#include "bootloader.h"

#include "processfault.h"

#include <libusb.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <thread>

namespace emulator {

namespace {

constexpr uint8_t commandSetAddress = 0x21;
constexpr uint8_t commandErase = 0x41;
constexpr uint8_t commandReadUnprotect = 0x92;

std::string hexAddress(uint32_t address)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", address);
    return text;
}

// STM32F4 sector erase times, by sector size.
int eraseMs(uint32_t sectorSize)
{
    if (sectorSize <= 16 * 1024)
        return 500;
    if (sectorSize <= 64 * 1024)
        return 1100;
    return 2600;
}

} // namespace

BootLoader::BootLoader(const std::string &stateDir, const std::string &folder, const Identity &identity, int devnum)
    : stateDir(stateDir), folder(folder), identity(identity), devnum(devnum)
{
    loadDfuState();
}

bool BootLoader::attached() const
{
    if (gone)
        return false;
    const Presence presence = readPresence(folder);
    return presence.present && presence.devnum == devnum;
}

int BootLoader::selectAlt(int newAlt)
{
    if (!attached())
        return LIBUSB_ERROR_NO_DEVICE;
    if (newAlt < 0 || newAlt >= int(identity.altNames.size()))
        return LIBUSB_ERROR_NOT_FOUND;
    alt = newAlt;
    return 0;
}

void BootLoader::pause(int ms) const
{
    if (identity.realTiming && ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void BootLoader::record(const std::string &line) const
{
    appendLine(folder + "/transfers.log", line);
}

int BootLoader::control(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index, uint8_t *data,
                        uint16_t length)
{
    if (!attached())
        return LIBUSB_ERROR_NO_DEVICE;
    const uint8_t type = requestType & (0x03 << 5);
    if (type == LIBUSB_REQUEST_TYPE_STANDARD && (requestType & LIBUSB_ENDPOINT_IN))
        return standardRequest(request, value, data, length);
    if (type == LIBUSB_REQUEST_TYPE_CLASS && (requestType & 0x1f) == LIBUSB_RECIPIENT_INTERFACE && index == 0)
        return classRequest(requestType, request, value, data, length);
    return LIBUSB_ERROR_PIPE;
}

// GET_DESCRIPTOR for strings: the language, manufacturer, product, serial and
// one name per alternate setting, in UTF-16LE.
int BootLoader::standardRequest(uint8_t request, uint16_t value, uint8_t *data, uint16_t length)
{
    if (request != LIBUSB_REQUEST_GET_DESCRIPTOR || (value >> 8) != LIBUSB_DT_STRING)
        return LIBUSB_ERROR_PIPE;
    const int index = value & 0xff;
    std::string descriptor;
    if (index == 0) {
        descriptor = std::string("\x04\x03\x09\x04", 4);
    } else {
        std::string text;
        if (index == 1)
            text = identity.vendor == 0x0483 ? "STMicroelectronics" : "Generic";
        else if (index == 2)
            text = identity.vendor == 0x0483 ? "STM32  BOOTLOADER" : "DFU Bootloader";
        else if (index == 3 && !identity.serialUnreadable)
            text = identity.serial;
        else if (index >= 4 && index - 4 < int(identity.altNames.size()))
            text = identity.altNames[size_t(index - 4)];
        else
            return LIBUSB_ERROR_PIPE;
        text = text.substr(0, 126);
        descriptor.push_back(char(2 + 2 * text.size()));
        descriptor.push_back(char(LIBUSB_DT_STRING));
        for (char c : text) {
            descriptor.push_back(c);
            descriptor.push_back('\0');
        }
    }
    const size_t n = std::min<size_t>(length, descriptor.size());
    std::memcpy(data, descriptor.data(), n);
    return int(n);
}

int BootLoader::classRequest(uint8_t requestType, uint8_t request, uint16_t value, uint8_t *data, uint16_t length)
{
    const bool in = requestType & LIBUSB_ENDPOINT_IN;
    switch (request) {
    case 1: // DNLOAD
        return in ? stall() : download(value, data, length);
    case 2: // UPLOAD
        return in ? upload(value, data, length) : stall();
    case 3: // GETSTATUS
        return in ? getStatus(data, length) : stall();
    case 4: // CLRSTATUS
        if (in)
            return stall();
        state = dfuIDLE;
        status = statusOK;
        pending = Op::None;
        saveDfuState();
        return 0;
    case 5: // GETSTATE
        if (!in || length < 1)
            return stall();
        data[0] = state;
        return 1;
    case 6: // ABORT
        if (in || state == dfuERROR || state == dfuDNBUSY || state == dfuMANIFEST)
            return stall();
        state = dfuIDLE;
        pending = Op::None;
        saveDfuState();
        return 0;
    default: // DETACH and anything else: not in DFU mode
        return stall();
    }
}

int BootLoader::stall()
{
    state = dfuERROR;
    status = errSTALLEDPKT;
    pending = Op::None;
    saveDfuState();
    return LIBUSB_ERROR_PIPE;
}

int BootLoader::unplug(long long backAtMs)
{
    gone = true;
    leaveBus(stateDir, folder, backAtMs);
    return LIBUSB_ERROR_NO_DEVICE;
}

// When a device that left the bus is back, as its user would plug it in
// again or restart it in boot mode; 0: only when a test plugs it in.
long long BootLoader::backAfterAWhile() const
{
    return identity.returnAfterMs > 0 ? wallClockMs() + identity.returnAfterMs : 0;
}

int BootLoader::download(uint16_t block, const uint8_t *data, uint16_t length)
{
    if (state != dfuIDLE && state != dfuDNLOAD_IDLE)
        return stall();
    pending = Op::None;
    if (block == 0) {
        if (length == 5 && data[0] == commandSetAddress)
            pending = Op::SetAddress;
        else if (length == 5 && data[0] == commandErase)
            pending = Op::Erase;
        else if (length == 1 && data[0] == commandErase)
            pending = Op::MassErase;
        else if (length == 1 && data[0] == commandReadUnprotect)
            pending = Op::MassErase; // unprotecting wipes the flash, then the device resets
        else
            return stall();
        if (length == 5)
            pendingAddress = uint32_t(data[1]) | uint32_t(data[2]) << 8 | uint32_t(data[3]) << 16
                             | uint32_t(data[4]) << 24;
        pause(1);
        state = dfuDNLOAD_SYNC;
        saveDfuState();
        return length;
    }
    if (block == 1)
        return stall();
    if (length == 0) { // the leave request
        pending = Op::Leave;
        state = dfuMANIFEST_SYNC;
        saveDfuState();
        return 0;
    }
    ++downloadBlocks;
    if ((identity.vanishDownloadBlock > 0 && downloadBlocks == identity.vanishDownloadBlock)
        || faultAtDataBlock(downloadBlocks) == FaultKind::Vanish)
        return unplug(backAfterAWhile());
    pending = Op::Write;
    pendingAddress = pointer + uint32_t(block - 2) * transferSize;
    pendingData.assign(reinterpret_cast<const char *>(data), length);
    pause(1 + length / 1024); // the data stage at full speed
    state = dfuDNLOAD_SYNC;
    saveDfuState();
    return length;
}

int BootLoader::upload(uint16_t block, uint8_t *data, uint16_t length)
{
    if (state != dfuIDLE && state != dfuUPLOAD_IDLE)
        return stall();
    if (block == 0) { // the commands this boot loader knows
        static const uint8_t commands[] = {0x00, commandSetAddress, commandErase, commandReadUnprotect};
        const int n = std::min<int>(length, sizeof commands);
        std::memcpy(data, commands, size_t(n));
        state = dfuUPLOAD_IDLE;
        return n;
    }
    if (block == 1)
        return stall();
    ++uploadBlocks;
    const FaultKind fault = faultAtDataBlock(uploadBlocks);
    if ((identity.vanishUploadBlock > 0 && uploadBlocks == identity.vanishUploadBlock) || fault == FaultKind::Vanish)
        return unplug(backAfterAWhile());
    Region area;
    if (!region(alt, &area) || (alt == 2 && identity.otpReadFails))
        return stall();
    const uint32_t address = pointer + uint32_t(block - 2) * transferSize;
    if (address < area.start || address - area.start >= area.size())
        return stall();
    // A read that runs past the end of the memory ends with a short block.
    const uint32_t offset = address - area.start;
    uint32_t n = std::min<uint32_t>(length, area.size() - offset);
    if (fault == FaultKind::Short)
        n /= 2; // a short block ends the read: dfu-util takes it for the end
    std::memcpy(data, memory(alt).data() + offset, n);
    pause(1 + int(n * 9 / 2048)); // about 4.5 ms per KiB
    record("upload " + hexAddress(address) + " " + std::to_string(n));
    state = dfuUPLOAD_IDLE;
    return int(n);
}

int BootLoader::getStatus(uint8_t *data, uint16_t length)
{
    if (length < 6)
        return stall();
    int pollMs = 0;
    const auto now = std::chrono::steady_clock::now();
    if (state == dfuMANIFEST_SYNC && pending == Op::Leave) {
        // The device jumps to the firmware at the address pointer and is off
        // the bus; as a user restarting it in boot mode would, it comes back
        // after a while. Some reset before answering this last status.
        pending = Op::None;
        record("leave " + hexAddress(pointer));
        const long long back = backAfterAWhile();
        if (identity.leaveStatusLost)
            return unplug(back);
        state = dfuMANIFEST;
        gone = true;
        leaveBus(stateDir, folder, back);
    } else if (state == dfuDNLOAD_SYNC) {
        // The command or the write is carried out now, as the boot loader
        // does on the first GETSTATUS after it: a run killed later leaves it done.
        result = execute(&pollMs);
        pending = Op::None;
        busyUntil = now + std::chrono::milliseconds(identity.realTiming ? pollMs : 0);
        state = dfuDNBUSY;
        if (!identity.realTiming)
            pollMs = 0;
    } else if (state == dfuDNBUSY) {
        if (now < busyUntil) {
            pollMs = int(std::chrono::duration_cast<std::chrono::milliseconds>(busyUntil - now).count()) + 1;
        } else {
            state = result == statusOK ? dfuDNLOAD_IDLE : dfuERROR;
            status = result;
        }
    }
    saveDfuState();
    data[0] = status;
    data[1] = uint8_t(pollMs & 0xff);
    data[2] = uint8_t((pollMs >> 8) & 0xff);
    data[3] = uint8_t((pollMs >> 16) & 0xff);
    data[4] = state;
    data[5] = 0;
    return 6;
}

DfuStatus BootLoader::execute(int *busyMs)
{
    *busyMs = 0;
    Region area;
    if (!region(alt, &area))
        return errTARGET;
    switch (pending) {
    case Op::SetAddress:
        if (pendingAddress < area.start || pendingAddress - area.start >= area.size())
            return errTARGET;
        pointer = pendingAddress;
        return statusOK;
    case Op::Erase: {
        uint32_t start = 0, size = 0;
        if (!area.erasable || !area.sectorAt(pendingAddress, &start, &size))
            return errTARGET;
        *busyMs = eraseMs(size);
        record("erase " + hexAddress(start));
        if (identity.eraseFails)
            return errERASE;
        memory(alt).replace(start - area.start, size, size, '\xff');
        saveMemory(alt);
        return statusOK;
    }
    case Op::MassErase:
        if (!area.erasable)
            return errTARGET;
        for (uint32_t sector : area.sectors)
            *busyMs += eraseMs(sector);
        record("mass-erase");
        if (identity.eraseFails)
            return errERASE;
        memory(alt).assign(area.size(), '\xff');
        saveMemory(alt);
        return statusOK;
    case Op::Write: {
        const uint32_t n = uint32_t(pendingData.size());
        if (pendingAddress < area.start || pendingAddress - area.start > area.size() - n)
            return errADDRESS;
        *busyMs = int((n * 102 + transferSize - 1) / transferSize);
        std::string &bytes = memory(alt);
        const uint32_t offset = pendingAddress - area.start;
        for (uint32_t i = 0; i < n; ++i) {
            uint8_t byte = uint8_t(pendingData[i]);
            if (alt == 0 && long(offset + i) == identity.corruptOffset)
                byte ^= 0x10; // a cell that does not take the value written
            // Programming can only clear bits: without an erase the old bits show.
            bytes[offset + i] = char(uint8_t(bytes[offset + i]) & byte);
        }
        saveMemory(alt);
        // Logged once it is in the flash file: a run killed in between must not
        // log a block that the flash never got.
        record("download " + hexAddress(pendingAddress) + " " + std::to_string(n));
        return statusOK;
    }
    default:
        return errTARGET;
    }
}

bool BootLoader::region(int which, Region *result) const
{
    return which >= 0 && which < int(identity.altNames.size()) && which < 8
           && Region::parse(identity.altNames[size_t(which)], result);
}

// The memory of an alternate setting, as big as its region: a file that is
// missing or short reads as erased.
std::string &BootLoader::memory(int which)
{
    std::string &bytes = memories[which];
    if (!loaded[which]) {
        Region area;
        region(which, &area);
        if (!readFile(folder + "/" + memoryFile(which), &bytes))
            bytes.clear();
        bytes.resize(area.size(), '\xff');
        loaded[which] = true;
    }
    return bytes;
}

void BootLoader::saveMemory(int which)
{
    replaceFile(folder + "/" + memoryFile(which), memories[which]);
}

// The DFU state survives between runs as it does in a powered device; a
// command a killed run left half done is complete by the next run.
void BootLoader::loadDfuState()
{
    std::string text;
    unsigned s = dfuIDLE, st = statusOK, p = pointer;
    if (readFile(folder + "/dfu-state", &text) && std::sscanf(text.c_str(), "%u %u %x", &s, &st, &p) == 3
        && s <= dfuERROR) {
        state = DfuState(s);
        status = DfuStatus(st);
        pointer = p;
        if (state == dfuDNLOAD_SYNC || state == dfuDNBUSY)
            state = dfuDNLOAD_IDLE;
        else if (state == dfuMANIFEST_SYNC || state == dfuMANIFEST || state == dfuMANIFEST_WAIT_RESET)
            state = dfuIDLE;
    }
    char saved[64];
    std::snprintf(saved, sizeof saved, "%u %u %08x\n", unsigned(state), unsigned(status), pointer);
    savedDfuState = saved;
}

void BootLoader::saveDfuState()
{
    char text[64];
    std::snprintf(text, sizeof text, "%u %u %08x\n", unsigned(state), unsigned(status), pointer);
    if (savedDfuState != text && replaceFile(folder + "/dfu-state", text))
        savedDfuState = text;
}

} // namespace emulator
