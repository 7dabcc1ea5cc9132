// What tests that run the tool's device functions against the simulator
// share: the embedded firmware rebuilt from its description, and a private
// simulated device per test.
#pragma once

#include "describedfirmware.h"
#include "imagegen.h"
#include "payload.h"
#include "simulator.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace simulatorfixture {

// The firmware the build embeds, rebuilt from the same description.
inline imagegen::FirmwareSpec describedFirmware()
{
    return describedFirmwareSpec();
}

// Puts the embedded firmware where the tool unpacks it and lets the simulator
// build its devices; a device that leaves boot mode is back after a second.
inline bool installFirmware()
{
    qputenv("VELMORA_IMAGEGEN", VELMORA_IMAGEGEN);
    qputenv("DFU_UTIL_SIMULATOR_ABSENT_SECONDS", "1");
    QFile firmware(tempFilePath(firmwareBinFileName));
    return firmware.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && firmware.write(imagegen::buildFirmware(describedFirmware())) > 0;
}

// A new, empty simulator state for this process and its children, with every
// command redirected to the simulator.
inline std::unique_ptr<QTemporaryDir> freshState(bool fastProgress)
{
    auto state = std::make_unique<QTemporaryDir>();
    qputenv("DFU_UTIL_SIMULATOR_STATE", state->path().toLocal8Bit());
    setupSimulator(fastProgress);
    return state;
}

} // namespace simulatorfixture
