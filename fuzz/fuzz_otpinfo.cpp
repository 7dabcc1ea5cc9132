// The OTP decoder on any block a device might return, of any length.
#include "fuzzing.h"
#include "otpinfo.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray block(reinterpret_cast<const char *>(data), int(size));
    const OTP_Info info = parseOtpInfo(block);
    FUZZ_CHECK(!(info.valid && info.blank));
    if (info.valid)
        FUZZ_CHECK(info.product.type >= 1 && info.product.type <= 253);
    FUZZ_CHECK(otpInfoText(info).count(QLatin1Char('\n')) == 3);
    return 0;
}
