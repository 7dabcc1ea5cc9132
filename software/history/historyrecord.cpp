#include "historyrecord.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <array>
#include <utility>

namespace {

const std::array<std::pair<Outcome, const char *>, 8> outcomeWords{{
    {Outcome::InProgress, QT_TRANSLATE_NOOP("HistoryWindow", "in progress")},
    {Outcome::Verified, QT_TRANSLATE_NOOP("HistoryWindow", "verified")},
    {Outcome::Differs, QT_TRANSLATE_NOOP("HistoryWindow", "differs")},
    {Outcome::NotConfirmed, QT_TRANSLATE_NOOP("HistoryWindow", "not confirmed")},
    {Outcome::WriteFailed, QT_TRANSLATE_NOOP("HistoryWindow", "write failed")},
    {Outcome::WrittenNotVerified, QT_TRANSLATE_NOOP("HistoryWindow", "written but not verified")},
    {Outcome::Interrupted, QT_TRANSLATE_NOOP("HistoryWindow", "interrupted")},
    {Outcome::AlreadyCurrent, QT_TRANSLATE_NOOP("HistoryWindow", "already current")},
}};

QString isoUtc(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

template <typename T>
QString optionalText(const std::optional<T> &value)
{
    return value ? QString::number(*value) : QString();
}

// Fields whose values are numbers in JSON.
bool isNumberField(int field)
{
    static const QStringList numbers{"product_type", "write_exit_code", "read_exit_code", "write_ms", "read_ms"};
    return numbers.contains(historyFieldNames().at(field));
}

} // namespace

QString outcomeText(Outcome outcome)
{
    for (const auto &[value, word] : outcomeWords) {
        if (value == outcome)
            return QString::fromLatin1(word);
    }
    return QString();
}

std::optional<Outcome> outcomeFromText(const QString &text)
{
    for (const auto &[value, word] : outcomeWords) {
        if (text == QLatin1String(word))
            return value;
    }
    return std::nullopt;
}

const QStringList &historyFieldNames()
{
    static const QStringList names{
        "id", "started", "finished", "station", "user", "tool_version", "firmware_file", "firmware_revision",
        "firmware_sha256", "serial", "usb_path", "product_type", "model", "revision_before", "outcome",
        "write_exit_code", "read_exit_code", "write_ms", "read_ms", "last_error"};
    return names;
}

bool emptyFieldIsMissing(int field)
{
    const QString &name = historyFieldNames().at(field);
    return name != QLatin1String("revision_before") && name != QLatin1String("last_error");
}

QString historyField(const HistoryRecord &r, int field)
{
    switch (field) {
    case 0: return r.id.toString(QUuid::WithoutBraces);
    case 1: return isoUtc(r.started);
    case 2: return isoUtc(r.finished);
    case 3: return r.station;
    case 4: return r.user;
    case 5: return r.toolVersion;
    case 6: return r.firmwareFile;
    case 7: return r.firmwareRevision;
    case 8: return r.firmwareSha256;
    case 9: return r.serial;
    case 10: return r.usbPath;
    case 11: return optionalText(r.productType);
    case 12: return r.model;
    case 13: return r.revisionBefore;
    case 14: return outcomeText(r.outcome);
    case 15: return optionalText(r.writeExitCode);
    case 16: return optionalText(r.readExitCode);
    case 17: return optionalText(r.writeMs);
    case 18: return optionalText(r.readMs);
    case 19: return r.lastError;
    }
    return QString();
}

QByteArray csvLine(const QStringList &values)
{
    QByteArray line;
    for (int i = 0; i < values.size(); ++i) {
        QString value = values.at(i);
        // A cell starting with one of these is a formula to a spreadsheet (a
        // device's error text or a name could carry one on purpose).
        static const QString formulaStarts = QStringLiteral("=+-@\t\r");
        if (!value.isEmpty() && formulaStarts.contains(value.front()))
            value.prepend(QLatin1Char('\''));
        if (value.contains(QLatin1Char('"')) || value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('\n'))
            || value.contains(QLatin1Char('\r')) || value.startsWith(QLatin1Char('\''))) {
            value.replace(QLatin1String("\""), QLatin1String("\"\""));
            value = QLatin1Char('"') + value + QLatin1Char('"');
        }
        if (i > 0)
            line += ',';
        line += value.toUtf8();
    }
    line += "\r\n";
    return line;
}

bool exportHistory(const RecordSource &source, const QString &format, QIODevice &out, QString *problem)
{
    const QStringList &names = historyFieldNames();
    const bool json = format == QLatin1String("json");
    bool first = true;
    bool written = true;
    const auto write = [&](const QByteArray &bytes) { written = out.write(bytes) == bytes.size() && written; };
    write(json ? QByteArray("[") : csvLine(names));
    const bool read = source(
        [&](const HistoryRecord &record) {
            if (!json) {
                QStringList values;
                for (int field = 0; field < names.size(); ++field)
                    values << historyField(record, field);
                write(csvLine(values));
                return;
            }
            QJsonObject object;
            for (int field = 0; field < names.size(); ++field) {
                const QString value = historyField(record, field);
                if (value.isEmpty() && emptyFieldIsMissing(field))
                    object.insert(names.at(field), QJsonValue::Null);
                else if (isNumberField(field))
                    object.insert(names.at(field), value.toLongLong());
                else
                    object.insert(names.at(field), value);
            }
            write((first ? QByteArray("\n") : QByteArray(",\n"))
                  + QJsonDocument(object).toJson(QJsonDocument::Compact));
            first = false;
        },
        problem);
    if (json)
        write(first ? QByteArray("]\n") : QByteArray("\n]\n"));
    if (read && !written && problem)
        *problem = QStringLiteral("the output could not be written: %1").arg(out.errorString());
    return read && written;
}
