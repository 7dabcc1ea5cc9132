// Builds the binaries the device family deals in: STM32F4 application images
// with their firmware information block, OTP blocks with identification
// entries, and DfuSe files. Used at build time for the embedded firmware and by
// tests and the simulator, so nobody needs hand-made binaries.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <array>

namespace imagegen {

constexpr quint32 flashBase = 0x08000000;
constexpr quint32 otpEntryMarker = 0x01234711;
constexpr quint32 infoBeginMarker = 0x01234712;
constexpr quint32 infoEndMarker = 0x01234713;
constexpr int otpBlockSize = 512;

using Bytes3 = std::array<quint8, 3>;

struct FirmwareSpec {
    quint8 productType = 30;
    Bytes3 productExtra{0xFF, 0xFF, 0xFF};
    // Text fields are Latin-1 bytes; more than 31 bytes leave no room for the
    // terminating NUL, exactly as a faulty image would.
    QByteArray name;
    QByteArray revision;
    QList<QPair<QByteArray, QByteArray>> details;
    QList<QByteArray> strings; // placed in the read-only data of the image
    int size = 65536;          // bytes, a multiple of 4
    int infoOffset = 428;      // where the information block starts
    quint32 stackTop = 0x20020000;
    quint32 seed = 1;
};

// Reads a human-readable JSON description; on failure returns false and sets error.
bool firmwareSpecFromJson(const QByteArray &json, FirmwareSpec *spec, QString *error);

// The firmware information block alone: markers, product word, name, revision
// and the detail pairs.
QByteArray infoBlock(const FirmwareSpec &spec);

// A complete, deterministic application image: vector table at offset 0,
// information block at spec.infoOffset, Thumb code, literal pools and strings.
QByteArray buildFirmware(const FirmwareSpec &spec);

struct OtpEntry {
    quint8 productType = 30;
    Bytes3 extra{0xFF, 0xFF, 0xFF};
    std::array<quint8, 8> data{};
    int offset = 0; // byte offset of the entry in the block
};

// An OTP block of the given size: erased (0xFF) apart from the entries.
QByteArray buildOtpBlock(const QList<OtpEntry> &entries, int size = otpBlockSize);

// A DfuSe file with one target (alternate setting 0) holding one element at
// address, and a DFU suffix for vendor:product with a correct CRC.
QByteArray buildDfuSe(const QByteArray &image, quint32 address = flashBase, quint16 vendor = 0x0483,
                      quint16 product = 0xdf11);

// The DFU suffix CRC: CRC-32 without the final inversion.
quint32 dfuCrc(const QByteArray &data);

void putLe32(QByteArray &data, int offset, quint32 value);
quint32 getLe32(const QByteArray &data, int offset);

} // namespace imagegen
