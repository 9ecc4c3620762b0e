#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// Watches the GUI thread's event loop while an action runs: a 10 ms timer
// whose longest wait between ticks is how long the window could not answer,
// and a way to run the loop until what an action caused, painting included,
// has been processed.
class LoopProbe : public QObject
{
    Q_OBJECT

public:
    explicit LoopProbe(QObject *parent = nullptr);

    // Starts ticking; the first gap counts from now.
    void start();
    // Counts the time since the last tick, then stops.
    void stop();
    // Seconds.
    double longestGap() const { return double(m_longestGap) / 1e9; }

    // Runs the loop until `done` holds; false when it still does not after `timeoutMs`.
    bool waitUntil(const std::function<bool()> &done, int timeoutMs);
    // Runs the loop until a pass of it did nothing but this probe's own ticks:
    // posted events, layouts, paints and zero timers all done.
    void waitIdle();
    void runFor(int milliseconds);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    void tick();

    QTimer m_ticker;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    qint64 m_longestGap = 0;
    // Events of others seen during the current pass of waitIdle().
    int m_activity = 0;
    bool m_markerSeen = false;
};
