// The firmware the build embeds, rebuilt in a test from the same description
// (FIRMWARE_DESCRIPTION) by the same image generator.
#pragma once

#include "imagegen.h"

#include <QFile>

inline imagegen::FirmwareSpec describedFirmwareSpec()
{
    QFile file(FIRMWARE_DESCRIPTION);
    imagegen::FirmwareSpec spec;
    QString error;
    if (!file.open(QIODevice::ReadOnly) || !imagegen::firmwareSpecFromJson(file.readAll(), &spec, &error))
        qFatal("cannot read the firmware description %s", FIRMWARE_DESCRIPTION);
    return spec;
}

inline QByteArray describedFirmwareImage()
{
    return imagegen::buildFirmware(describedFirmwareSpec());
}
