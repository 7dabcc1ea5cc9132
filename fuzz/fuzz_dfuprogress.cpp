// dfu-util's progress output, in pieces of any size: no line found in the whole
// stream is lost when it arrives cut up (a line ending in " bytes" is reported
// as soon as it arrives, so pieces may add lines that text after it spoils),
// and every share stays within 0 to 100.
#include "dfuprogress.h"
#include "fuzzing.h"

#include <QByteArray>

namespace {
bool sameLine(const DfuProgressLine &a, const DfuProgressLine &b)
{
    return a.phase == b.phase && a.percent == b.percent && a.bytes == b.bytes;
}

// Every line of part appears in all, in the same order.
bool isSubsequence(const QList<DfuProgressLine> &part, const QList<DfuProgressLine> &all)
{
    int at = 0;
    for (const DfuProgressLine &line : all)
        if (at < part.size() && sameLine(part[at], line))
            ++at;
    return at == part.size();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the piece size, the rest is the stream.
    const int piece = 1 + data[0] % 64;
    const QByteArray stream(reinterpret_cast<const char *>(data + 1), int(size - 1));

    DfuProgressParser whole;
    const QList<DfuProgressLine> atOnce = whole.feed(stream);
    DfuProgressParser cut;
    QList<DfuProgressLine> inPieces;
    for (int at = 0; at < stream.size(); at += piece)
        inPieces += cut.feed(stream.mid(at, piece));
    FUZZ_CHECK(isSubsequence(atOnce, inPieces));

    TransferProgress progress;
    for (const DfuProgressLine &line : atOnce) {
        FUZZ_CHECK(line.bytes >= 0);
        const int percent = progress.percent(line);
        FUZZ_CHECK(percent >= 0 && percent <= 100);
    }
    return 0;
}
