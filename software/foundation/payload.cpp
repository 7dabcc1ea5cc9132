#include "payload.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString resourceFolder = QStringLiteral(":resources/");

QString &note()
{
    static QString text;
    return text;
}

// Qt gives an empty temporary path when TMPDIR names a directory that does not
// exist; the template would then be "/upgrade_XXXXXX" and a root process would
// create its working directory at the file-system root. Use the system default
// instead and say so.
QString temporaryDirTemplate()
{
    QString base = QDir::tempPath();
    if (base.isEmpty() || !QFileInfo(base).isDir()) {
        const QString fallback = QStringLiteral("/tmp");
        note() = QStringLiteral("The temporary-files location \"%1\" does not exist; using \"%2\" instead.")
                     .arg(qEnvironmentVariable("TMPDIR"), fallback);
        base = fallback;
        // Qt's own temporary files (for example the runtime directory it makes
        // when XDG_RUNTIME_DIR is unset) would otherwise land at the root too.
        qputenv("TMPDIR", fallback.toLocal8Bit());
    }
    return QFileInfo(base).absoluteFilePath() + QStringLiteral("/upgrade_XXXXXX");
}

// Created at load, before main, like the rest of the process-wide state.
[[maybe_unused]] const bool tempDirCreatedAtLoad = (tempDir(), true);

} // namespace

const QMap<int, QString> &fileNames()
{
    static const QMap<int, QString> names{
        {DfuUtilFile, dfuUtilFileName},
        {FirmwareDfuFile, firmwareDfuFileName},
        {FirmwareBinFile, firmwareBinFileName},
        {UploadedFwFile, uploadedFwFileName},
        {UploadedFwInfoFile, uploadedFwInfoFileName},
        {UploadedOtpFile, uploadedOtpFileName},
    };
    return names;
}

const QTemporaryDir &tempDir()
{
    static const QTemporaryDir dir(temporaryDirTemplate());
    return dir;
}

QString tempDirNote()
{
    tempDir();
    return note();
}

QString tempFilePath(const QString &name)
{
    if (!tempDir().isValid())
        return QString();
    return tempDir().path() + QLatin1Char('/') + name;
}

bool extractResources(const QList<int> &fileIds, bool requireAll)
{
    if (!tempDirNote().isEmpty())
        qWarning().noquote() << tempDirNote();
    if (!tempDir().isValid()) {
        qCritical() << "Failed to create temporary directory:" << tempDir().errorString()
                    << "- without it dfu-util and the firmware cannot be unpacked, so no device command will run.";
        return false;
    }
    bool allCopied = true;
    for (const int id : fileIds) {
        const QString name = fileNames().value(id);
        if (QFile::copy(resourceFolder + name, tempFilePath(name))) {
            qDebug() << "Extracted " << name;
        } else {
            qInfo() << "Failed to extract " << name;
            allCopied = false;
        }
    }
    return requireAll ? allCopied : true;
}

QString toolPath()
{
    if (!tempDir().isValid())
        return QString();
    return QStringLiteral("%1/%2").arg(tempDir().path(), QLatin1String(dfuUtilFileName));
}

QString recordedPayloadSums()
{
    QFile file(resourceFolder + QStringLiteral("payload.sha256"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

QString recordedDfuUtilBanner()
{
    QFile file(resourceFolder + QStringLiteral("dfu-util.banner"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

PayloadState checkPayload(const QString &recordedSums)
{
    if (!tempDir().isValid()) {
        qCritical() << "The firmware cannot be checked: there is no working directory to unpack it into";
        return PayloadState::NoWorkingDirectory;
    }
    static const QRegularExpression line(QStringLiteral("^([0-9a-f]{64}) [ *](\\S+)$"),
                                         QRegularExpression::MultilineOption);
    int checked = 0;
    for (auto match = line.globalMatch(recordedSums); match.hasNext();) {
        const QRegularExpressionMatch entry = match.next();
        const QString name = entry.captured(2);
        const QString path = tempFilePath(name);
        QFile file(path);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file) || file.error() != QFile::NoError) {
            qCritical().noquote() << "The unpacked" << name << "cannot be read (" + file.errorString()
                                      + "): no device command will run";
            return PayloadState::NotUnpacked;
        }
        const QByteArray actual = hash.result().toHex();
        if (actual != entry.captured(1).toLatin1()) {
            qCritical().noquote() << "The tool is damaged:" << name << "has SHA-256" << actual << "but was built with"
                                  << entry.captured(1) + "; nothing will be written to any device";
            return PayloadState::Damaged;
        }
        ++checked;
    }
    if (checked == 0) {
        // Without the sums nothing can be vouched for: a damaged payload, too.
        qCritical() << "The tool is damaged: the SHA-256 sums of its firmware are missing; nothing will be written "
                       "to any device";
        return PayloadState::Damaged;
    }
    qInfo() << "The unpacked firmware and dfu-util match the SHA-256 sums recorded at build time";
    return PayloadState::Sound;
}

bool markExecutable(const QString &path)
{
    QFile file(path);
    if (!file.exists()) {
        qWarning() << "Failed to mark file (doesn't exist) as executable:" << path;
        return false;
    }
    qDebug() << "Changing file permissions to make it executable:" << path;
    return file.setPermissions(file.permissions() | QFileDevice::ExeUser | QFileDevice::ExeGroup
                               | QFileDevice::ExeOther);
}

void removeFileIfPresent(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && info.isFile())
        QFile::remove(path);
}

QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw QStringLiteral("Couldn't open file: %1").arg(path);
    const QByteArray bytes = file.readAll();
    const int nul = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), nul < 0 ? bytes.size() : nul);
}

QString removeAll(QString &text, QChar character)
{
    text.remove(character, Qt::CaseSensitive);
    return text;
}
