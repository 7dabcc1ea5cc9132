// A progress bar that runs by itself from empty to full over a given time,
// shown over the install button while a long operation runs.
#pragma once

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>

class ProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit ProgressBar(QWidget *parent = nullptr);

    int runDuration() const { return duration; } // milliseconds from empty to full
    int timerInterval() const { return timer->interval(); }
    bool isRunning() const { return timer->isActive(); }
    // Ends a run without finishing it (no finished()); later reports are ignored.
    void stopTimer()
    {
        timer->stop();
        open = false;
    }

signals:
    void finished();

public slots:
    // Restarts from the minimum with this caption; a duration in seconds that
    // is not negative replaces the previous one.
    void startAutoProgress(const QString &format, double duration = -1);
    void startAutoProgress();
    void increase();
    // The text in the bar; a screen reader reads it as the bar's name.
    void setCaption(const QString &caption);
    // The real share done, as the operation reports it: from then on the
    // run's value follows these reports instead of the time.
    void showProgress(int value);

protected:
    // Milliseconds since the run started; tests drive it.
    virtual qint64 elapsedMs() const;

private:
    int range = 1;
    const int minInterval = 50;
    QTimer *const timer;
    QElapsedTimer clock;
    int duration = 10000;
    bool reported = false; // this run has had a real report
    bool open = false;     // a run was started and not stopped: reports count
};
