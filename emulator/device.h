// An emulated USB device in DFU mode as it lives on disk: one folder per device
// in a state directory, holding its identity, its memories and whether it is
// on the bus. Every dfu-util run is a new process, so everything a real device
// keeps across runs (flash, its DFU state, its presence) is in files, each
// replaced in one rename so that a run killed at any moment leaves what the
// device would hold. Plain C++ without Qt: this code is loaded into dfu-util.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

// The environment variable naming the state directory.
constexpr const char *stateVariable = "VELMORA_EMULATOR_STATE";

// What a device is and how it misbehaves; device.conf, key=value lines.
struct Identity {
    uint16_t vendor = 0x0483;
    uint16_t product = 0xdf11;
    uint16_t bcdDevice = 0x2200;
    uint16_t dfuVersion = 0x011a;   // DfuSe
    std::string serial = "3276356C3236";
    int port = 1;                    // path "1-<port>"
    std::vector<std::string> altNames; // one alternate setting each
    bool realTiming = true;
    int returnAfterMs = 4000;        // back after leaving boot mode or losing its cable; 0: only when plugged in

    // Faults
    bool accessDenied = false;       // libusb_open fails with LIBUSB_ERROR_ACCESS
    bool serialUnreadable = false;   // the serial string request stalls
    bool eraseFails = false;         // an erase ends in dfuERROR
    bool otpReadFails = false;       // reads of the OTP area stall
    bool leaveStatusLost = false;    // resets before answering the last status after leave
    long corruptOffset = -1;         // flash offset whose byte a write gets wrong
    int vanishDownloadBlock = 0;     // the cable comes out at this data block of a download (1-based)
    int vanishUploadBlock = 0;       // ... of an upload

    static Identity stm32f4();
    std::string text() const;
    static bool parse(const std::string &text, Identity *identity);
};

// One memory region of an alternate setting, parsed from its DfuSe name
// ("@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg").
struct Region {
    uint32_t start = 0;
    std::vector<uint32_t> sectors; // sizes, in order
    bool erasable = false;
    uint32_t size() const;
    // The sector holding address: its start and size; false outside the region.
    bool sectorAt(uint32_t address, uint32_t *sectorStart, uint32_t *sectorSize) const;
    static bool parse(const std::string &altName, Region *region);
};

// The file of an alternate setting's memory in the device folder.
std::string memoryFile(int alt);

// Presence on the bus: the device number it was enumerated with, or when it is back.
struct Presence {
    bool present = true;
    int devnum = 5;
    long long backAtMs = 0; // wall clock; 0 while absent: only when plugged in
    std::string text() const;
    static Presence parse(const std::string &text);
};

long long wallClockMs();

// Files: whole-file reads, and writes that replace a file in one rename.
bool readFile(const std::string &path, std::string *content);
bool replaceFile(const std::string &path, const std::string &content);
void appendLine(const std::string &path, const std::string &line);

// The device folders of a state directory, sorted by name.
std::vector<std::string> deviceFolders(const std::string &stateDir);

// Bus operations, each under the state directory's lock.
// Brings back devices whose time away is over, with a new device number.
void refreshPresence(const std::string &stateDir);
Presence readPresence(const std::string &folder);
// Takes the device off the bus: until backAtMs, or until plugged in when 0.
void leaveBus(const std::string &stateDir, const std::string &folder, long long backAtMs);
// Puts the device on the bus with a new device number; false if it is there already.
bool plugIn(const std::string &stateDir, const std::string &folder);

} // namespace emulator
