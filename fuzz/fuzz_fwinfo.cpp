// The firmware-information decoder on any flash contents a device might return.
#include "fuzzing.h"
#include "fwinfo.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray flash(reinterpret_cast<const char *>(data), int(size));
    const FW_Info info = parseFwInfo(flash);
    if (!info.valid) {
        FUZZ_CHECK(info.name.isEmpty() && info.revision.isEmpty() && info.details.isEmpty());
    }
    // Each field is at most 32 bytes of the input.
    FUZZ_CHECK(info.name.size() <= 32 && info.revision.size() <= 32);
    for (const auto &detail : info.details)
        FUZZ_CHECK(!detail.first.isEmpty() && !detail.second.isEmpty());
    FUZZ_CHECK(!fwInfoText(info).isEmpty());
    return 0;
}
