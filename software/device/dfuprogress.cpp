#include "dfuprogress.h"

#include <QRegularExpression>

namespace {

bool parseLine(const QByteArray &text, DfuProgressLine *line)
{
    // "%s\t[%s] %3llu%% %12llu bytes", the description padded in 0.11's "Erase   ".
    static const QRegularExpression pattern(
        QStringLiteral("^(Erase|Download|Upload) *\\t\\[[= ]*\\] *(\\d{1,3})% +(\\d+) bytes$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(text));
    if (!match.hasMatch())
        return false;
    const QString phase = match.captured(1);
    line->phase = phase == QLatin1String("Erase")      ? DfuProgressLine::Erase
                  : phase == QLatin1String("Download") ? DfuProgressLine::Download
                                                       : DfuProgressLine::Upload;
    line->percent = qBound(0, match.captured(2).toInt(), 100);
    line->bytes = match.captured(3).toLongLong();
    return true;
}

} // namespace

QList<DfuProgressLine> DfuProgressParser::feed(const QByteArray &chunk)
{
    QList<DfuProgressLine> lines;
    DfuProgressLine line;
    for (char c : chunk) {
        if (c == '\r' || c == '\n') {
            if (!pendingReported && parseLine(pending, &line))
                lines << line;
            pending.clear();
            pendingReported = false;
            continue;
        }
        pending += c;
        if (pending.size() > 512) // no progress line is that long: never grow without end
            pending.remove(0, pending.size() - 512);
    }
    // The latest line is complete once it ends in " bytes": report it now, not
    // when the next one starts a block later.
    if (!pendingReported && pending.endsWith(" bytes") && parseLine(pending, &line)) {
        lines << line;
        pendingReported = true;
    }
    return lines;
}

int TransferProgress::percent(const DfuProgressLine &line)
{
    switch (line.phase) {
    case DfuProgressLine::Erase:
        erased = true;
        return line.percent * eraseShare / 100;
    case DfuProgressLine::Download:
        return erased ? eraseShare + line.percent * (100 - eraseShare) / 100 : line.percent;
    case DfuProgressLine::Upload:
        break;
    }
    return line.percent;
}
