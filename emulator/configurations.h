// The named device configurations of the emulated bus: the simulator's, built
// from the same image and OTP generators, plus the faults only a device model
// can show. Preparing one replaces the device folders of a state directory.
#pragma once

#include <QString>
#include <QStringList>

namespace emulator {

constexpr const char *defaultSerial = "3276356C3236";
constexpr const char *secondSerial = "206F39A54E42";
constexpr const char *unrelatedSerial = "0000A1B2C3D4";

struct PrepareOptions {
    bool realTiming = true;
    QString serial = defaultSerial;
    int returnAfterMs = 4000;
    bool keepOthers = false;
    // The port of the (first) device: its path is "1-<port>". 0: the
    // configuration's own. A device on a port of its own has the folder
    // "<serial>@1-<port>", so that two devices may share a serial.
    int port = 0;
    QString description; // the tool's firmware description; empty: the one of this source tree
};

QStringList configurationNames();

// Builds the configuration's devices in stateDir; on failure error says why.
bool prepare(const QString &stateDir, const QString &name, const PrepareOptions &options, QString *error);

} // namespace emulator
