#include "messagecapture.h"
#include "payload.h"
#include "platform.h"

#include <QtTest>

// The functions run in declaration order: the first unpacks into the process's
// working directory, the next ones rely on that.
class TestPayload : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void extractsExactlyThePayload();
    void secondExtractionFailsPerFile_data();
    void secondExtractionFailsPerFile();
    void payloadCheck_data();
    void payloadCheck();
    void unknownIdentifier();
    void marksToolExecutable();
    void markExecutableOnMissingFile();
    void pathsStayInsideTheDirectory();
    void fileNameTable();
    void removeFileIfPresent_data();
    void removeFileIfPresent();
    void readTextFile_data();
    void readTextFile();
    void readTextFileMissing();
    void removeAll_data();
    void removeAll();
    void platformDebugForm_data();
    void platformDebugForm();

private:
    QTemporaryDir scratch;
};

void TestPayload::initTestCase()
{
    QVERIFY2(tempDir().isValid(), qPrintable(tempDir().errorString()));
    QVERIFY(scratch.isValid());
    QVERIFY(tempDirNote().isEmpty());
}

void TestPayload::extractsExactlyThePayload()
{
    MessageCapture capture;
    QVERIFY(extractResources({FirmwareDfuFile, FirmwareBinFile, DfuUtilFile}, true));

    const QStringList expected{"Extracted  \"firmware.dfu\"", "Extracted  \"firmware.bin\"",
                               "Extracted  \"dfu-util.exe\""};
    QCOMPARE(capture.texts(), expected);
    for (const auto &message : capture.messages())
        QCOMPARE(message.type, QtDebugMsg);

    QDir dir(tempDir().path());
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
             (QStringList{"dfu-util.exe", "firmware.bin", "firmware.dfu"}));
    for (const QString &name : dir.entryList(QDir::Files)) {
        QFile unpacked(dir.filePath(name));
        QFile resource(":resources/" + name);
        QVERIFY(unpacked.open(QIODevice::ReadOnly));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        QVERIFY2(unpacked.readAll() == resource.readAll(), qPrintable(name));
    }
}

void TestPayload::secondExtractionFailsPerFile_data()
{
    QTest::addColumn<bool>("requireAll");
    QTest::addColumn<bool>("result");
    QTest::newRow("requireAll") << true << false;
    QTest::newRow("not requireAll") << false << true;
}

void TestPayload::secondExtractionFailsPerFile()
{
    QFETCH(bool, requireAll);
    QFETCH(bool, result);

    MessageCapture capture;
    QCOMPARE(extractResources({FirmwareDfuFile, FirmwareBinFile, DfuUtilFile}, requireAll), result);
    QCOMPARE(capture.texts(), (QStringList{"Failed to extract  \"firmware.dfu\"",
                                           "Failed to extract  \"firmware.bin\"",
                                           "Failed to extract  \"dfu-util.exe\""}));
    QCOMPARE(capture.messages().first().type, QtInfoMsg);
}

// The unpacked files against the sums recorded at build time. Each row damages
// the working directory's copy one way and puts it right afterwards.
void TestPayload::payloadCheck_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("logged");
    QTest::newRow("as built") << "" << int(PayloadState::Sound) << "The unpacked firmware and dfu-util match";
    QTest::newRow("a flipped bit in firmware.bin") << "flip firmware.bin" << int(PayloadState::Damaged)
                                                   << "The tool is damaged: firmware.bin has SHA-256";
    QTest::newRow("firmware.dfu cut short") << "truncate firmware.dfu" << int(PayloadState::Damaged)
                                            << "The tool is damaged: firmware.dfu has SHA-256";
    QTest::newRow("dfu-util.exe missing") << "remove dfu-util.exe" << int(PayloadState::NotUnpacked)
                                          << "The unpacked dfu-util.exe cannot be read";
    QTest::newRow("no recorded sums") << "no sums" << int(PayloadState::Damaged)
                                      << "The tool is damaged: the SHA-256 sums of its firmware are missing";
    QTest::newRow("sums in binary mode") << "binary marks" << int(PayloadState::Sound)
                                         << "The unpacked firmware and dfu-util match";
}

void TestPayload::payloadCheck()
{
    QFETCH(QString, damage);
    QFETCH(int, state);
    QFETCH(QString, logged);

    QString sums = recordedPayloadSums();
    QCOMPARE(sums.count('\n'), 3);
    const QString action = damage.section(' ', 0, 0);
    const QString path = tempFilePath(damage.section(' ', 1));
    const bool touchesAFile = action == "flip" || action == "truncate" || action == "remove";
    QFile file(path);
    const auto restore = qScopeGuard([&] {
        if (touchesAFile) {
            QFile::remove(path);
            QFile::copy(":resources/" + QFileInfo(path).fileName(), path);
        }
    });
    if (action == "flip" || action == "truncate") {
        // Copies of resources are read-only.
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::WriteOwner));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        if (action == "flip")
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x04);
        else
            bytes.chop(1);
        QVERIFY(file.resize(0) && file.seek(0));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
        file.close();
    } else if (action == "remove") {
        QVERIFY(QFile::remove(path));
    } else if (action == "no") {
        sums.clear();
    } else if (action == "binary") {
        sums.replace("  ", " *");
    }

    MessageCapture capture;
    QCOMPARE(int(checkPayload(sums)), state);
    QCOMPARE(capture.texts().size(), 1);
    QVERIFY2(capture.texts().first().startsWith(logged), qPrintable(capture.texts().first()));
    QCOMPARE(capture.messages().first().type, state == int(PayloadState::Sound) ? QtInfoMsg : QtCriticalMsg);
}

void TestPayload::unknownIdentifier()
{
    MessageCapture capture;
    QVERIFY(!extractResources({42}, true));
    QCOMPARE(capture.texts(), QStringList{"Failed to extract  \"\""});
}

void TestPayload::marksToolExecutable()
{
    MessageCapture capture;
    QVERIFY(markExecutable(toolPath()));
    QCOMPARE(capture.texts(),
             QStringList{QString("Changing file permissions to make it executable: \"%1\"").arg(toolPath())});
    const auto permissions = QFile::permissions(toolPath());
    QVERIFY(permissions & QFileDevice::ExeOwner);
    QVERIFY(permissions & QFileDevice::ExeGroup);
    QVERIFY(permissions & QFileDevice::ExeOther);
    // Only execute bits are added: the copy stays read-only for group and others.
    QVERIFY(!(permissions & QFileDevice::WriteOther));
}

void TestPayload::markExecutableOnMissingFile()
{
    const QString path = scratch.filePath("missing file");
    MessageCapture capture;
    QVERIFY(!markExecutable(path));
    QCOMPARE(capture.messages().size(), 1);
    QCOMPARE(capture.messages().first().type, QtWarningMsg);
    QCOMPARE(capture.texts().first(),
             QString("Failed to mark file (doesn't exist) as executable: \"%1\"").arg(path));
}

void TestPayload::pathsStayInsideTheDirectory()
{
    QCOMPARE(toolPath(), tempDir().path() + "/dfu-util.exe");
    QCOMPARE(tempFilePath(uploadedOtpFileName), tempDir().path() + "/uploaded_OTP.bin");
    QVERIFY(tempDir().path().contains("/upgrade_"));
}

void TestPayload::fileNameTable()
{
    const QStringList names{"dfu-util.exe",    "firmware.dfu",         "firmware.bin",
                            "uploaded_FW.bin", "uploaded_FW_info.bin", "uploaded_OTP.bin"};
    QCOMPARE(fileNames().keys(), (QList<int>{0, 1, 2, 3, 4, 5}));
    QCOMPARE(fileNames().values(), names);
}

void TestPayload::removeFileIfPresent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("existsAfter");
    QTest::newRow("regular file") << "file" << false;
    QTest::newRow("directory") << "directory" << true;
    QTest::newRow("missing") << "missing" << false;
}

void TestPayload::removeFileIfPresent()
{
    QFETCH(QString, kind);
    QFETCH(bool, existsAfter);

    const QString path = scratch.filePath("target-" + kind);
    if (kind == "file") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("stale");
    } else if (kind == "directory") {
        QVERIFY(QDir().mkpath(path));
    }
    MessageCapture capture;
    ::removeFileIfPresent(path);
    QCOMPARE(QFileInfo::exists(path), existsAfter);
    QVERIFY(capture.texts().isEmpty());
}

void TestPayload::readTextFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QByteArray("{\r\n  \"a\": 1\r\n}\r\n") << QString("{\r\n  \"a\": 1\r\n}\r\n");
    QTest::newRow("utf-8") << QByteArray("Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac") << QString::fromUtf8("Grüße €");
    QTest::newRow("NUL byte") << QByteArray("before\0after", 12) << QString("before");
    QTest::newRow("leading NUL") << QByteArray("\0text", 5) << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestPayload::readTextFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, text);
    const QString path = scratch.filePath("text.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    QCOMPARE(::readTextFile(path), text);
}

void TestPayload::readTextFileMissing()
{
    const QString path = scratch.filePath("no such file.json");
    try {
        ::readTextFile(path);
        QFAIL("no error raised");
    } catch (const QString &error) {
        QCOMPARE(error, "Couldn't open file: " + path);
    }
}

void TestPayload::removeAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("CR LF") << "dfu-util 0.9\r\n\r\nCopyright\r\n" << "dfu-util 0.9\n\nCopyright\n";
    QTest::newRow("none") << "abc\n" << "abc\n";
    QTest::newRow("only CR") << "\r\r\r" << "";
    QTest::newRow("empty") << "" << "";
}

void TestPayload::removeAll()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(::removeAll(text, '\r'), result);
    QCOMPARE(text, result); // in place as well
}

void TestPayload::platformDebugForm_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("Linux") << 0 << "Linux \"after\"";
    QTest::newRow("macOS") << 1 << "macOS \"after\"";
    QTest::newRow("windows") << 2 << "windows \"after\"";
    QTest::newRow("unknown") << 3 << "unknown \"after\"";
    QTest::newRow("outside") << 7 << " \"after\"";
}

void TestPayload::platformDebugForm()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    MessageCapture capture;
    // The name is unquoted; quoting is back on for the next item.
    qInfo() << static_cast<Platform>(value) << QString("after");
    QCOMPARE(capture.texts(), QStringList{text});
    QCOMPARE(isWindows(static_cast<Platform>(value)), value == 2);
}

QTEST_GUILESS_MAIN(TestPayload)
#include "tst_payload.moc"
