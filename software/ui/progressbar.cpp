#include "progressbar.h"

#include <cmath>
#include <limits>

ProgressBar::ProgressBar(QWidget *parent) : QProgressBar(parent), timer(new QTimer(this))
{
    setRange(0, 100);
    setStyleSheet("\nQProgressBar {\n    border: 2px solid grey;\n    border-radius: 5px;\n    text-align: center;\n}"
                  "\n\nQProgressBar::chunk {\n    background-color: rgba(160,240,140,100%);\n    width: 5px;\n}\n");
    connect(timer, &QTimer::timeout, this, &ProgressBar::increase);
    connect(this, &QProgressBar::valueChanged, this, [this](int value) {
        const int span = qMax(1, maximum() - minimum());
        setAccessibleDescription(tr("%1 % done").arg((value - minimum()) * 100 / span));
    });
}

void ProgressBar::setCaption(const QString &caption)
{
    setFormat(caption);
    setAccessibleName(caption);
}

void ProgressBar::startAutoProgress(const QString &format, double seconds)
{
    timer->stop();
    setValue(minimum());
    setCaption(format);
    if (seconds >= 0) {
        const double ms = std::trunc(seconds * 1000);
        duration = ms > 0 ? int(std::min<double>(ms, std::numeric_limits<int>::max())) : 1;
    }
    startAutoProgress();
}

void ProgressBar::startAutoProgress()
{
    range = maximum() - minimum();
    if (range <= 0)
        range = 1;
    reported = false;
    open = true;
    setValue(minimum());
    timer->setInterval(std::max(duration / range, minInterval));
    timer->setSingleShot(false);
    timer->start();
    // A monotonic clock: a run across midnight or a clock change still ends.
    clock.start();
    show();
}

void ProgressBar::increase()
{
    if (reported)
        return; // the operation says how far it is; the time no longer does
    setValue(int(double(elapsedMs()) / duration * range));
    if (elapsedMs() > duration) {
        timer->stop();
        setValue(maximum());
        emit finished();
    }
}

qint64 ProgressBar::elapsedMs() const
{
    return clock.elapsed();
}

void ProgressBar::showProgress(int value)
{
    if (!open)
        return; // a report that arrives after the run was ended changes nothing
    reported = true;
    setValue(minimum() + qBound(0, value, 100) * range / 100);
}
