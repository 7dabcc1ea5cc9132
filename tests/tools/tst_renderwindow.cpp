// velmora-render-window writes the window in its main states, at two scales.

#include <QtTest>

#include <QImage>

class TestRenderWindow : public QObject {
    Q_OBJECT

private slots:
    void rendersEveryState_data();
    void rendersEveryState();
};

void TestRenderWindow::rendersEveryState_data()
{
    QTest::addColumn<QString>("dpi");
    QTest::addColumn<QSize>("size"); // window and log dialog side by side
    QTest::newRow("scale 1") << "96" << QSize(665 + 600, 517);
    QTest::newRow("scale 1.25") << "120" << QSize(831 + 600, 646);
}

void TestRenderWindow::rendersEveryState()
{
    QFETCH(QString, dpi);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_FONT_DPI", dpi);
    environment.insert("XDG_RUNTIME_DIR", dir.path());
    tool.setProcessEnvironment(environment);
    tool.start(RENDER_TOOL, {"--output", dir.filePath("shots")});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);

    QList<QImage> images;
    for (const char *state : {"no-device", "device-connected", "upgrading-40", "done"}) {
        QImage image(dir.filePath(QString("shots/%1.png").arg(state)));
        QVERIFY2(!image.isNull(), state);
        QCOMPARE(image.size(), size);
        images << image;
    }
    // The states differ where the install button and the bar sit.
    const int s100 = size.height() * 100 / 517;
    const QRect slot(207 * s100 / 100, 417 * s100 / 100, 250 * s100 / 100, 40 * s100 / 100);
    QVERIFY(images[0].copy(slot) != images[1].copy(slot)); // button enabled
    QVERIFY(images[1].copy(slot) != images[2].copy(slot)); // bar over the button
    QVERIFY(images[2].copy(slot) != images[3].copy(slot)); // bar full
}

QTEST_GUILESS_MAIN(TestRenderWindow)
#include "tst_renderwindow.moc"
