// The STM32 DfuSe boot loader behind one open device handle: the USB string
// descriptors, the DFU 1.1 class requests with their state machine, and the
// DfuSe commands (set address, erase, leave) on the memories of the device
// folder. Answers control transfers as the device would, with its timing and
// the faults its identity asks for.
#pragma once

#include "device.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace emulator {

enum DfuState : uint8_t {
    appIDLE = 0, appDETACH, dfuIDLE, dfuDNLOAD_SYNC, dfuDNBUSY, dfuDNLOAD_IDLE,
    dfuMANIFEST_SYNC, dfuMANIFEST, dfuMANIFEST_WAIT_RESET, dfuUPLOAD_IDLE, dfuERROR
};

enum DfuStatus : uint8_t {
    statusOK = 0x00, errTARGET = 0x01, errWRITE = 0x03, errERASE = 0x04, errADDRESS = 0x08,
    errSTALLEDPKT = 0x0f
};

class BootLoader {
public:
    BootLoader(const std::string &stateDir, const std::string &folder, const Identity &identity, int devnum);

    // One control transfer: bytes transferred, or a negative LIBUSB_ERROR_* code.
    int control(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index, uint8_t *data,
                uint16_t length);
    // SET_INTERFACE: 0, or a negative LIBUSB_ERROR_* code.
    int selectAlt(int alt);
    // Still on the bus with the device number it was opened with.
    bool attached() const;

    static constexpr uint16_t transferSize = 2048;

private:
    enum class Op { None, SetAddress, Erase, MassErase, Write, Leave };

    int standardRequest(uint8_t request, uint16_t value, uint8_t *data, uint16_t length);
    int classRequest(uint8_t requestType, uint8_t request, uint16_t value, uint8_t *data, uint16_t length);
    int getStatus(uint8_t *data, uint16_t length);
    int download(uint16_t block, const uint8_t *data, uint16_t length);
    int upload(uint16_t block, uint8_t *data, uint16_t length);
    int stall();
    int unplug(long long backAtMs); // the device leaves the bus: LIBUSB_ERROR_NO_DEVICE
    long long backAfterAWhile() const;

    // Carries out the pending command; its status and how long it keeps the device busy.
    DfuStatus execute(int *busyMs);
    bool region(int alt, Region *result) const;
    std::string &memory(int alt);
    void saveMemory(int alt);
    void loadDfuState();
    void saveDfuState();
    void pause(int ms) const;
    void record(const std::string &line) const;

    const std::string stateDir, folder;
    const Identity identity;
    const int devnum;

    int alt = 0;
    DfuState state = dfuIDLE;
    DfuStatus status = statusOK;
    uint32_t pointer = 0x08000000;
    std::string savedDfuState;

    Op pending = Op::None;
    uint32_t pendingAddress = 0;
    std::string pendingData;
    DfuStatus result = statusOK;
    std::chrono::steady_clock::time_point busyUntil;
    bool gone = false;

    int downloadBlocks = 0, uploadBlocks = 0;
    std::string memories[8];
    bool loaded[8] = {};
};

} // namespace emulator
