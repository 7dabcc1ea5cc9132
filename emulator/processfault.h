// A dfu-util run that misbehaves, whatever the device does: one fault, named
// in the file "fault" of the state directory ("KIND COMMAND", for example
// "crash download"), taken by the first dfu-util run of that command, which
// renames the file to "fault.done". The same file drives the simulator, so
// that one test can put both through the same faults.
//   KIND     crash    ends with SIGSEGV (a transfer at its tenth data block)
//            hang     sleeps past the tool's first wait (35 s), then goes on
//            garbage  prints binary garbage and exits 0, doing nothing
//            silent   prints nothing and exits 0, doing nothing
//            short    ends a read early with a short block: a short file, exit 0
//            vanish   the device leaves the bus in the transfer; in a listing,
//                     the first device opened resets as it is opened (it
//                     leaves and is back with a new device number)
//            full     the disk fills: writes to the upload file fail
//   COMMAND  list, otp, fwinfo, download, readback
#pragma once

#include <string>

namespace emulator {

enum class FaultKind { None, Crash, Hang, Garbage, Silent, Short, Vanish, Full };

// The command of this dfu-util run, from its arguments.
std::string commandOfThisRun();

// Takes this run's fault from the state directory, if there is one for its
// command, and acts on the kinds that strike at once (hang, garbage, silent,
// and a crash outside a transfer). Called when dfu-util starts libusb.
void takeProcessFault(const std::string &stateDir);

// The fault a transfer meets at data block n (1-based): None before the
// block where it strikes, and for faults that are no transfer's.
FaultKind faultAtDataBlock(int n);

// Whether the device this run opens now resets first (a "vanish list"
// fault); true once.
bool resetsAtOpen();

// Whether a write of count bytes to a file (not a terminal or pipe of the
// standard streams) fails for a full disk.
bool diskFullFor(int fd, size_t count);

} // namespace emulator
