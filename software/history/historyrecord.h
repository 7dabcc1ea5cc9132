// One entry of the upgrade history: an upgrade attempt (a click that led to a
// write) or the verification of a device that already carried the firmware,
// with the words its outcome is stored and shown with, and the forms the
// history is read in by scripts and spreadsheets (CSV, JSON).
#pragma once

#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <QUuid>

#include <functional>
#include <optional>

enum class Outcome {
    InProgress,         // the attempt runs (or its process died: see Interrupted)
    Verified,           // the read-back equals the image
    Differs,            // the read-back differs from the image
    NotConfirmed,       // the read-back failed or came back short
    WriteFailed,        // the device stayed, or came back, with its old firmware
    WrittenNotVerified, // the device left after the write and did not come back before the tool ended
    Interrupted,        // the tool ended, crashed or lost power during the attempt
    AlreadyCurrent,     // verification without a write: the device already held the image
};

// "in progress", "verified", ..., "already current": as stored and shown.
QString outcomeText(Outcome outcome);
std::optional<Outcome> outcomeFromText(const QString &text);

struct HistoryRecord {
    QUuid id;
    QDateTime started;  // UTC
    QDateTime finished; // UTC; null while in progress
    QString station;    // host name
    QString user;       // login name
    QString toolVersion;
    QString firmwareFile;
    QString firmwareRevision;
    QString firmwareSha256; // of the embedded image, lower-case hex
    QString serial;
    QString usbPath;
    std::optional<int> productType; // from the OTP entry
    QString model;                  // the product table's name for it
    QString revisionBefore;         // as read before; empty when unknown
    Outcome outcome = Outcome::InProgress;
    std::optional<int> writeExitCode;
    std::optional<int> readExitCode;
    std::optional<qint64> writeMs;
    std::optional<qint64> readMs;
    QString lastError;
    // Local only: the process that keeps an attempt in progress (see
    // processIdentity()), so that a later start can tell one that died.
    QString process;
};

// The record's fields in export order: the CSV header and the JSON keys.
const QStringList &historyFieldNames();

// Whether an empty value of the field is a missing one (null in JSON and on the
// server) rather than empty text, as the revision before and the error line are.
bool emptyFieldIsMissing(int field);

// The field with that name as text ("" for a missing value); started and
// finished in ISO 8601 with milliseconds and "Z".
QString historyField(const HistoryRecord &record, int field);

// One CSV line (RFC 4180, CRLF-terminated) of the values. A value a
// spreadsheet would take for a formula (starting with =, +, -, @, or a tab or
// carriage return before one) gets a leading apostrophe, so that it stays text.
QByteArray csvLine(const QStringList &values);

// Feeds every record to write; returns false when reading failed (problem says why).
using RecordSource = std::function<bool(const std::function<void(const HistoryRecord &)> &write, QString *problem)>;

// Writes the history as CSV with a header row, or as a JSON array of objects;
// false (with the reason in problem) when the records could not all be read.
bool exportHistory(const RecordSource &source, const QString &format, QIODevice &out, QString *problem);
