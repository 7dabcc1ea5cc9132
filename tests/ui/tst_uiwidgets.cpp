// The progress bar's timing rules, driven through its clock, and the circle's
// geometry and painting.

#include "circle.h"
#include "progressbar.h"

#include <QtTest>

namespace {
// A bar whose clock the test sets.
class DrivenBar : public ProgressBar {
public:
    qint64 now = 0;

protected:
    qint64 elapsedMs() const override { return now; }
};

// The bounding box of the pixels a widget paints, on a transparent image.
QRect paintedBox(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

class TestUiWidgets : public QObject {
    Q_OBJECT

private slots:
    void startSetsDurationAndInterval_data();
    void startSetsDurationAndInterval();
    void negativeDurationKeepsThePrevious();
    void valueFollowsTheClock();
    void reportsTakeOverFromTheClock();
    void finishesOnlyAfterTheDuration_data();
    void finishesOnlyAfterTheDuration();
    void rangeOfOne();
    void restartFromTheMinimum();
    void styleSheet();
    void circleGeometry_data();
    void circleGeometry();
};

void TestUiWidgets::startSetsDurationAndInterval_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("interval");
    QTest::newRow("90 s") << 90.0 << 90000 << 900;
    QTest::newRow("half a second") << 0.5 << 500 << 50;
    QTest::newRow("zero") << 0.0 << 1 << 50;
    QTest::newRow("under a millisecond") << 0.0004 << 1 << 50;
    QTest::newRow("fraction truncated") << 1.2349 << 1234 << 50;
    QTest::newRow("long") << 600.0 << 600000 << 6000;
}

void TestUiWidgets::startSetsDurationAndInterval()
{
    QFETCH(double, seconds);
    QFETCH(int, duration);
    QFETCH(int, interval);
    DrivenBar bar;
    bar.startAutoProgress("Upgrading firmware", seconds);
    QCOMPARE(bar.runDuration(), duration);
    QCOMPARE(bar.timerInterval(), interval);
    QVERIFY(bar.isRunning());
    QCOMPARE(bar.format(), QString("Upgrading firmware"));
    QCOMPARE(bar.value(), bar.minimum());
    QVERIFY(!bar.isHidden());
}

void TestUiWidgets::negativeDurationKeepsThePrevious()
{
    DrivenBar bar;
    bar.startAutoProgress("first", -1);
    QCOMPARE(bar.runDuration(), 10000); // the initial duration
    bar.startAutoProgress("second", 90);
    bar.startAutoProgress("third"); // format alone
    QCOMPARE(bar.runDuration(), 90000);
    bar.startAutoProgress("fourth", -0.5);
    QCOMPARE(bar.runDuration(), 90000);
    QCOMPARE(bar.format(), QString("fourth"));
}

// Before the operation reports, the clock moves the bar; after its first
// report only reports do, also past the run's time; a new run starts on the clock.
void TestUiWidgets::reportsTakeOverFromTheClock()
{
    DrivenBar bar;
    bar.startAutoProgress("x", 10);
    bar.now = 2000;
    bar.increase();
    QCOMPARE(bar.value(), 20);
    bar.showProgress(5); // the truth, even below the estimate
    QCOMPARE(bar.value(), 5);
    bar.now = 6000;
    bar.increase();
    QCOMPARE(bar.value(), 5);
    bar.now = 20000; // past the run's time: still the report
    bar.increase();
    QCOMPARE(bar.value(), 5);
    bar.showProgress(250);
    QCOMPARE(bar.value(), 100);

    bar.startAutoProgress("y", 10);
    bar.now = 3000;
    bar.increase();
    QCOMPARE(bar.value(), 30);
    bar.stopTimer();
    bar.showProgress(80); // after its end a run takes no reports
    QCOMPARE(bar.value(), 30);
}

void TestUiWidgets::valueFollowsTheClock()
{
    DrivenBar bar;
    bar.startAutoProgress("x", 90);
    const QList<QPair<qint64, int>> points{{0, 0}, {899, 0}, {900, 1}, {36000, 40}, {45000, 50}, {89999, 99},
                                           {90000, 100}};
    for (const auto &[now, value] : points) {
        bar.now = now;
        bar.increase();
        QCOMPARE(bar.value(), value);
    }
}

void TestUiWidgets::finishesOnlyAfterTheDuration_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<qint64>("at");
    QTest::addColumn<bool>("finished");
    QTest::newRow("at the duration") << 0.5 << qint64(500) << false;
    QTest::newRow("one millisecond later") << 0.5 << qint64(501) << true;
    QTest::newRow("zero duration, first tick") << 0.0 << qint64(50) << true;
    QTest::newRow("zero duration, no time passed") << 0.0 << qint64(1) << false;
}

void TestUiWidgets::finishesOnlyAfterTheDuration()
{
    QFETCH(double, seconds);
    QFETCH(qint64, at);
    QFETCH(bool, finished);
    DrivenBar bar;
    QSignalSpy done(&bar, &ProgressBar::finished);
    bar.startAutoProgress("x", seconds);
    bar.now = at;
    bar.increase();
    QCOMPARE(done.count(), finished ? 1 : 0);
    QCOMPARE(bar.isRunning(), !finished);
    if (finished)
        QCOMPARE(bar.value(), bar.maximum());
}

void TestUiWidgets::rangeOfOne()
{
    DrivenBar bar;
    bar.setRange(5, 5);
    QSignalSpy done(&bar, &ProgressBar::finished);
    bar.startAutoProgress("x", 2);
    QCOMPARE(bar.timerInterval(), 2000); // the whole duration over a range of one
    bar.now = 2001;
    bar.increase();
    QCOMPARE(done.count(), 1);
    QCOMPARE(bar.value(), 5);
}

void TestUiWidgets::restartFromTheMinimum()
{
    DrivenBar bar;
    bar.startAutoProgress("Upgrading firmware", 90);
    bar.now = 45000;
    bar.increase();
    QCOMPARE(bar.value(), 50);
    bar.stopTimer();
    QVERIFY(!bar.isRunning());
    bar.startAutoProgress("Uploading & verifying", 0.5);
    QCOMPARE(bar.value(), 0);
    QCOMPARE(bar.timerInterval(), 50);
}

void TestUiWidgets::styleSheet()
{
    ProgressBar bar;
    QCOMPARE(bar.styleSheet().size(), 181);
    QVERIFY(bar.styleSheet().contains("background-color: rgba(160,240,140,100%);"));
    QCOMPARE(bar.minimum(), 0);
    QCOMPARE(bar.maximum(), 100);
}

void TestUiWidgets::circleGeometry_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QRect>("painted");

    QTest::newRow("On button") << 283 << 355 << 15 << 15 << QRect(268, 340, 30, 30) << QRect(0, 0, 30, 30);
    QTest::newRow("scaled 1.25") << 354 << 444 << 18 << 18 << QRect(336, 426, 36, 36) << QRect(0, 0, 36, 36);
    QTest::newRow("thin ring") << 50 << 50 << 15 << 2 << QRect(35, 35, 30, 30) << QRect(0, 0, 30, 30);
    QTest::newRow("radius 0") << 10 << 10 << 0 << 4 << QRect(10, 10, 0, 0) << QRect();
}

void TestUiWidgets::circleGeometry()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, radius);
    QFETCH(int, penWidth);
    QFETCH(QRect, geometry);
    QFETCH(QRect, painted);

    QWidget parent;
    CircleSpec spec;
    spec.x = x;
    spec.y = y;
    spec.radius = radius;
    spec.pen_width = penWidth;
    spec.color = QColor(255, 64, 64, 96);
    Circle circle(spec, &parent);
    QCOMPARE(circle.geometry(), geometry);
    if (radius == 0)
        return;
    QCOMPARE(paintedBox(circle), painted);
    // A thin ring leaves its middle empty; the shipped thick ones almost fill it.
    QImage image(circle.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    circle.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    QCOMPARE(qAlpha(image.pixel(radius, radius)) == 0, penWidth < radius / 2);
}

QTEST_MAIN(TestUiWidgets)
#include "tst_uiwidgets.moc"
