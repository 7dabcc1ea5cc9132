// The firmware information block near the start of every firmware image: the
// product it is built for, its name, revision and details. Read from the
// embedded image (the desired firmware) and from the device's flash.
#pragma once

#include "producttable.h"

#include <QDebug>
#include <QList>
#include <QPair>
#include <QString>

struct FW_Info {
    ProductInfo product;
    QString name;
    QString revision; // compared as an exact string
    QList<QPair<QString, QString>> details;
    bool valid = false; // a well-formed block was found
};

// Never fails: data without a well-formed block gives the default record.
FW_Info parseFwInfo(const QByteArray &data);

// The same on a whole file; an unreadable file gives the default record.
FW_Info readFwInfo(const QString &path);

// Multi-line text form for the log.
QString fwInfoText(const FW_Info &info);
QDebug operator<<(QDebug debug, const FW_Info &info);

// The record of the embedded firmware, read from the unpacked firmware.bin on
// the first call only; later calls return that record, even a failed one.
const FW_Info &desiredFwInfo();
