#include "options.h"

#include <QtTest>

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void options_data();
    void options();
};

void TestOptions::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("initialSimulator");
    QTest::addColumn<bool>("simulator");
    QTest::addColumn<bool>("logWindow");
    QTest::addColumn<QString>("line");

    const QString line = "Initial value of 'simulator::use'=%1, isSet('-s')=%2, isSet('-S')=%3";
    QTest::newRow("none") << QStringList{} << false << false << false << line.arg("false", "false", "false");
    QTest::newRow("-s") << QStringList{"-s"} << false << true << false << line.arg("false", "true", "false");
    QTest::newRow("-S") << QStringList{"-S"} << false << false << false << line.arg("false", "false", "true");
    QTest::newRow("-s -S") << QStringList{"-s", "-S"} << false << false << false
                           << line.arg("false", "true", "true");
    QTest::newRow("-S -s") << QStringList{"-S", "-s"} << false << false << false
                           << line.arg("false", "true", "true");
    QTest::newRow("-sl") << QStringList{"-sl"} << false << true << true << line.arg("false", "true", "false");
    QTest::newRow("-l") << QStringList{"-l"} << false << false << true << line.arg("false", "false", "false");
    QTest::newRow("long names") << QStringList{"--use-simulator", "--use-log-window"} << false << true << true
                                << line.arg("false", "true", "false");
    QTest::newRow("--no-use-simulator") << QStringList{"--use-simulator", "--no-use-simulator"} << false << false
                                        << false << line.arg("false", "true", "true");
    QTest::newRow("positional ignored") << QStringList{"image.bin", "-s"} << false << true << false
                                        << line.arg("false", "true", "false");
    QTest::newRow("initial value kept") << QStringList{} << true << true << false
                                        << line.arg("true", "false", "false");
    QTest::newRow("initial value, -S") << QStringList{"-S"} << true << false << false
                                       << line.arg("true", "false", "true");
}

namespace {
QStringList messages;
void collect(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg)
        messages << text;
}
} // namespace

void TestOptions::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, initialSimulator);
    QFETCH(bool, simulator);
    QFETCH(bool, logWindow);
    QFETCH(QString, line);

    simulator::use = initialSimulator;
    useLogWindow = false;
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    parseOptionArguments(QStringList{"velmora-upgrade"} + arguments);
    qInstallMessageHandler(previous);

    QCOMPARE(simulator::use, simulator);
    QCOMPARE(useLogWindow, logWindow);
    QCOMPARE(messages, QStringList{line});
}

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
