// The private working directory and the embedded payload unpacked into it:
// dfu-util and the firmware are run from there, and every file dfu-util reads
// from the device lands there. Also a few small file helpers.
#pragma once

#include <QList>
#include <QMap>
#include <QString>

class QTemporaryDir;

// Fixed names of the files in the working directory.
constexpr char dfuUtilFileName[] = "dfu-util.exe";
constexpr char firmwareDfuFileName[] = "firmware.dfu";
constexpr char firmwareBinFileName[] = "firmware.bin";
constexpr char uploadedFwFileName[] = "uploaded_FW.bin";
constexpr char uploadedFwInfoFileName[] = "uploaded_FW_info.bin";
constexpr char uploadedOtpFileName[] = "uploaded_OTP.bin";

// Identifiers of those files, as used by extractResources.
enum FileId : int {
    DfuUtilFile = 0,
    FirmwareDfuFile = 1,
    FirmwareBinFile = 2,
    UploadedFwFile = 3,
    UploadedFwInfoFile = 4,
    UploadedOtpFile = 5,
};

// Identifier -> file name.
const QMap<int, QString> &fileNames();

// The working directory, created when the program is loaded and removed with
// everything in it when the program ends. It may be invalid (not created).
const QTemporaryDir &tempDir();

// Set when the temporary-files location did not exist and the system's default
// location was used instead; says so in words for the log.
QString tempDirNote();

// The path of a file in the working directory, or an empty string when the
// directory could not be created: no path ever falls back to the root.
QString tempFilePath(const QString &name);

// Copies the named resources into the working directory, never overwriting.
// With requireAll the result says whether every copy succeeded.
bool extractResources(const QList<int> &fileIds, bool requireAll);

// Whether the unpacked firmware files and dfu-util are exactly what the build
// made. The read-back is compared with the same firmware file that is written,
// so a damaged copy would be written and then "verified": the check is made
// against SHA-256 sums the build recorded in the payload (payload.sha256).
enum class PayloadState {
    Sound,
    NoWorkingDirectory, // nothing could be unpacked
    NotUnpacked,        // a file is missing or unreadable (a full disk, for instance)
    Damaged,            // a file's bytes differ from what the build recorded
    CannotRun,          // sound, but dfu-util does not run from there (a folder mounted noexec)
};

// Compares every file named in the recorded sums with its unpacked copy; logs
// a critical line naming the first that fails. recordedSums is the text of a
// sha256sum listing ("<64 hex digits>  <file name>" per line).
PayloadState checkPayload(const QString &recordedSums);

// The sums the build recorded, from the payload; empty when they are missing.
QString recordedPayloadSums();

// What the embedded dfu-util printed for -V when the build ran it; empty when
// missing. The start-up test expects exactly this of the unpacked copy.
QString recordedDfuUtilBanner();

// Full path of the unpacked dfu-util ("" without a working directory).
QString toolPath();

// Adds execute permission for user, group and others.
bool markExecutable(const QString &path);

// Removes the file if it exists and is a regular file; silently.
void removeFileIfPresent(const QString &path);

// The whole file as UTF-8 text, up to the first NUL byte. Throws a QString
// "Couldn't open file: <path>" when the file cannot be opened.
QString readTextFile(const QString &path);

// Removes every occurrence of the character from text and returns the result.
QString removeAll(QString &text, QChar character);
