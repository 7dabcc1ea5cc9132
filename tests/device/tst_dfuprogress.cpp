// dfu-util's progress bars read from its recorded output, whole and as a
// stream that arrives in pieces cut anywhere.

#include "dfuprogress.h"

#include <QtTest>

namespace {

QByteArray transcript(const QString &name)
{
    QFile file(QStringLiteral(TRANSCRIPTS_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing transcript %s", qPrintable(name));
    return file.readAll();
}

QString text(const QList<DfuProgressLine> &lines)
{
    QStringList parts;
    for (const DfuProgressLine &line : lines)
        parts << QString("%1:%2:%3").arg(int(line.phase)).arg(line.percent).arg(line.bytes);
    return parts.join(' ');
}

QList<DfuProgressLine> parseInPieces(const QByteArray &output, const QList<int> &cuts)
{
    DfuProgressParser parser;
    QList<DfuProgressLine> lines;
    int from = 0;
    for (int cut : cuts) {
        lines += parser.feed(output.mid(from, cut - from));
        from = cut;
    }
    lines += parser.feed(output.mid(from));
    return lines;
}

} // namespace

class TestDfuProgress : public QObject {
    Q_OBJECT

private slots:
    void recordedOutput_data();
    void recordedOutput();
    void streamCutAnywhere_data() { recordedOutput_data(); }
    void streamCutAnywhere();
    void lineIsReportedWhenComplete();
    void notProgress_data();
    void notProgress();
    void shareOfTheWholeTransfer();
};

void TestDfuProgress::recordedOutput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("eraseLines");
    QTest::addColumn<int>("downloadLines");
    QTest::addColumn<int>("uploadLines");
    QTest::addColumn<qint64>("bytes");

    QTest::newRow("0.11 download") << "0.11-download-leave.stdout" << 26 << 26 << 0 << qint64(70000);
    QTest::newRow("0.9 download") << "0.9-download-leave.stdout" << 0 << 26 << 0 << qint64(70000);
    QTest::newRow("0.11 read-back") << "0.11-upload-full.stdout" << 0 << 0 << 26 << qint64(70000);
    QTest::newRow("0.9 read-back") << "0.9-upload-full.stdout" << 0 << 0 << 26 << qint64(70000);
    QTest::newRow("0.11 OTP") << "0.11-upload-otp.stdout" << 0 << 0 << 2 << qint64(512);
    QTest::newRow("0.9 listing") << "0.9-list.stdout" << 0 << 0 << 0 << qint64(0);
}

void TestDfuProgress::recordedOutput()
{
    QFETCH(QString, name);
    QFETCH(int, eraseLines);
    QFETCH(int, downloadLines);
    QFETCH(int, uploadLines);
    QFETCH(qint64, bytes);

    const QByteArray output = transcript(name);
    DfuProgressParser parser;
    const QList<DfuProgressLine> lines = parser.feed(output);
    // Every carriage return in these outputs starts one progress line.
    QCOMPARE(lines.size(), output.count('\r'));
    int counts[3] = {};
    int last = -1;
    DfuProgressLine::Phase phase = DfuProgressLine::Erase;
    for (const DfuProgressLine &line : lines) {
        ++counts[line.phase];
        if (line.phase != phase)
            last = -1;
        phase = line.phase;
        QVERIFY2(line.percent >= last, "a bar never runs backwards");
        last = line.percent;
    }
    QCOMPARE(counts[DfuProgressLine::Erase], eraseLines);
    QCOMPARE(counts[DfuProgressLine::Download], downloadLines);
    QCOMPARE(counts[DfuProgressLine::Upload], uploadLines);
    if (!lines.isEmpty()) {
        QCOMPARE(lines.first().percent, 0);
        QCOMPARE(lines.first().bytes, qint64(0));
        QCOMPARE(lines.last().percent, 100);
        QCOMPARE(lines.last().bytes, bytes);
    }
}

// As the runner hands it over: in two pieces cut at every byte, and byte by byte.
void TestDfuProgress::streamCutAnywhere()
{
    QFETCH(QString, name);
    const QByteArray output = transcript(name);
    DfuProgressParser whole;
    const QString expected = text(whole.feed(output));
    for (int cut = 0; cut <= output.size(); ++cut)
        QCOMPARE(text(parseInPieces(output, {cut})), expected);
    QList<int> everyByte;
    for (int at = 1; at < output.size(); ++at)
        everyByte << at;
    QCOMPARE(text(parseInPieces(output, everyByte)), expected);
}

// A line is reported as soon as it is complete, not when the next one starts
// (the next block may be a tenth of a second away), and only once.
void TestDfuProgress::lineIsReportedWhenComplete()
{
    DfuProgressParser parser;
    QCOMPARE(parser.feed("\rDownload\t[=====                    ]  20%        18432 by").size(), 0);
    const QList<DfuProgressLine> now = parser.feed("tes");
    QCOMPARE(now.size(), 1);
    QCOMPARE(now.first().percent, 20);
    QCOMPARE(now.first().bytes, qint64(18432));
    QCOMPARE(parser.feed("").size(), 0); // reported once, however often the output is looked at
    QCOMPARE(parser.feed("\r").size(), 0);
}

void TestDfuProgress::notProgress_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("cut short at the end") << QByteArray("\rDownload\t[===      ]  12%");
    QTest::newRow("other text") << QByteArray("Downloading element to address = 0x08000000, size = 70000\n");
    QTest::newRow("no bar") << QByteArray("\rDownload 12% 100 bytes\n");
    QTest::newRow("percent not a number") << QByteArray("\rUpload\t[==   ] 1x% 12 bytes\n");
    QTest::newRow("unknown phase") << QByteArray("\rVerify\t[==   ]  10%          12 bytes\n");
    QTest::newRow("binary") << QByteArray("\r\0\xff\xfe bytes\n", 10);
    QTest::newRow("ends like a bar, is none") << QByteArray("\rVerify\t[==   ]  10%          12 bytes");
    QTest::newRow("a bar in an endless line") << QByteArray(600, 'x') + "Download\t[==   ]  10%  12 bytes\n";
}

void TestDfuProgress::notProgress()
{
    QFETCH(QByteArray, output);
    DfuProgressParser parser;
    QCOMPARE(parser.feed(output).size(), 0);
    // Whatever came before, the next bar is read.
    const QList<DfuProgressLine> next = parser.feed("\rUpload\t[=====     ]  20%        18432 bytes\n");
    QCOMPARE(next.size(), 1);
    QCOMPARE(next.first().percent, 20);
    QCOMPARE(next.first().bytes, qint64(18432));
}

// A download's bar: the erase first, then the write; 0.9 has one bar for both.
void TestDfuProgress::shareOfTheWholeTransfer()
{
    for (const char *name : {"0.11-download-leave.stdout", "0.9-download-leave.stdout"}) {
        DfuProgressParser parser;
        TransferProgress share;
        int last = 0;
        int atFirstWrite = -1;
        for (const DfuProgressLine &line : parser.feed(transcript(name))) {
            const int percent = share.percent(line);
            QVERIFY2(percent >= last, name);
            if (line.phase == DfuProgressLine::Download && atFirstWrite < 0)
                atFirstWrite = percent;
            last = percent;
        }
        QCOMPARE(last, 100);
        QCOMPARE(atFirstWrite, QByteArray(name).startsWith("0.11") ? TransferProgress::eraseShare : 0);
    }
}

QTEST_GUILESS_MAIN(TestDfuProgress)
#include "tst_dfuprogress.moc"
