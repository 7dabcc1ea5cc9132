// dfu-util's progress bars, read while it runs. It draws them as lines that
// start with a carriage return ("\rDownload\t[=====     ]  20%        18432 bytes"),
// the last one followed by a line feed; 0.11 has a separate "Erase" bar before
// "Download", 0.9 erases inside the "Download" bar.
#pragma once

#include <QByteArray>
#include <QList>

struct DfuProgressLine {
    enum Phase { Erase, Download, Upload };
    Phase phase = Download;
    int percent = 0;
    qint64 bytes = 0;
};

// Cuts a stream of standard output, arriving in pieces of any size, into
// progress lines; each complete line is reported once.
class DfuProgressParser {
public:
    QList<DfuProgressLine> feed(const QByteArray &chunk);

private:
    QByteArray pending;          // the text after the last line end
    bool pendingReported = false; // it is a complete progress line, reported already
};

// The share of a whole transfer done, 0 to 100, from its progress lines: for a
// download the erase and the write, each by the share of the time it takes on
// an STM32F4 (erasing the sectors of our firmware takes about 40 % of it); for
// a read-back the upload.
class TransferProgress {
public:
    static constexpr int eraseShare = 40;
    int percent(const DfuProgressLine &line);

private:
    bool erased = false; // an Erase bar was seen: the Download bar is the write alone
};
