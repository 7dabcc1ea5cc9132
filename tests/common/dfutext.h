// Text in the form dfu-util 0.9 prints it, for stand-in tools and listings.
#pragma once

#include <QString>
#include <QStringList>

namespace dfutext {

inline QString banner()
{
    return QStringLiteral("dfu-util 0.9\n\n"
                          "Copyright 2005-2009 Weston Schmidt, Harald Welte and OpenMoko Inc.\n"
                          "Copyright 2010-2016 Tormod Volden and Stefan Schmidt\n"
                          "This program is Free Software and has ABSOLUTELY NO WARRANTY\n"
                          "Please report bugs to http://sourceforge.net/p/dfu-util/tickets/\n\n");
}

// The alternate-setting names of the STM32F4 boot loader, by alt number.
inline QString altName(int alt)
{
    static const QStringList names{"@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg",
                                   "@Option Bytes  /0x1FFFC000/01*016 e", "@OTP Memory /0x1FFF7800/01*512 e,01*016 e",
                                   "@Device Feature/0xFFFF0000/01*004 e"};
    return names.value(alt);
}

inline QString listingLine(const QString &serial, int alt, int devnum = 5, const QString &path = "1-1",
                           const QString &ids = "0483:df11", const QString &version = "2200")
{
    return QStringLiteral("Found DFU: [%1] ver=%2, devnum=%3, cfg=1, intf=0, path=\"%4\", alt=%5, name=\"%6\", "
                          "serial=\"%7\"\n")
        .arg(ids, version, QString::number(devnum), path, QString::number(alt), altName(alt), serial);
}

// One device's four lines, in the order dfu-util lists them (alt 3 first).
inline QString device(const QString &serial, int devnum = 5, const QString &path = "1-1")
{
    QString lines;
    for (int alt = 3; alt >= 0; --alt)
        lines += listingLine(serial, alt, devnum, path);
    return lines;
}

// What an upload prints on standard output.
inline QString upload(int alt, int bytes)
{
    return banner()
           + QStringLiteral("Opening DFU capable USB device...\nID 0483:df11\nRun-time device DFU version 011a\n"
                            "Claiming USB DFU Interface...\nSetting Alternate Setting #%1 ...\n"
                            "Determining device status: state = dfuIDLE, status = 0\ndfuIDLE, continuing\n"
                            "DFU mode device DFU version 011a\nDevice returned transfer size 2048\n"
                            "DfuSe interface name: \"%2\"\n"
                            "\rUpload\t[                         ]   0%            0 bytes"
                            "\rUpload\t[=========================] 100% %3 bytes\nUpload done.\n")
                 .arg(QString::number(alt), altName(alt).section('/', 0, 0).mid(1),
                      QString::number(bytes).rightJustified(12));
}

} // namespace dfutext
