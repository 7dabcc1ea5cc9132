// The reading of dfu-util's device listing: standard output and standard
// error, split at the input's first NUL byte.
#include "dfucommands.h"
#include "fuzzing.h"

#include <QByteArray>
#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const int split = input.indexOf('\0');
    const QString output = QString::fromUtf8(split < 0 ? input : input.left(split));
    const QString errors = split < 0 ? QString() : QString::fromUtf8(input.mid(split + 1));

    const DeviceListing listing = parseDeviceList(output);
    switch (listing.status) {
    case no_dfu_device:
        break;
    case one_dfu_device:
    case invalid_dfu_device:
        FUZZ_CHECK(listing.serials.size() == 1 && !listing.serials.first().isEmpty());
        break;
    case multiple_dfu_devices:
        FUZZ_CHECK(listing.serials.size() > 1);
        break;
    default:
        FUZZ_CHECK(false);
    }
    for (const QString &description : unopenableDevices(errors) + devicesWithUnreadableSerial(output))
        FUZZ_CHECK(!description.isEmpty());
    return 0;
}
