#include "LoopProbe.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

const int kTickMs = 10;
// Two quiet passes in a row: a zero timer armed in the last busy pass may
// only fire in the pass after it.
const int kQuietPasses = 2;
// A blinking cursor alone never lets the loop be quiet for long; past this
// many passes it counts as idle.
const int kMaxPasses = 50;
const QEvent::Type kMarker = QEvent::Type(QEvent::User + 731);

// Waits for events, but wakes at least every tick even with no timer of ours running.
void processWaiting()
{
    QTimer wake;
    wake.start(kTickMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace

LoopProbe::LoopProbe(QObject *parent) : QObject(parent)
{
    m_ticker.setTimerType(Qt::PreciseTimer);
    m_ticker.setInterval(kTickMs);
    connect(&m_ticker, &QTimer::timeout, this, &LoopProbe::tick);
}

void LoopProbe::start()
{
    m_clock.start();
    m_lastTick = 0;
    m_longestGap = 0;
    m_ticker.start();
}

void LoopProbe::stop()
{
    tick();
    m_ticker.stop();
}

void LoopProbe::tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_longestGap = qMax(m_longestGap, now - m_lastTick);
    m_lastTick = now;
}

bool LoopProbe::waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        processWaiting();
    }
    return true;
}

void LoopProbe::waitIdle()
{
    QCoreApplication::instance()->installEventFilter(this);
    int quiet = 0;
    for (int pass = 0; pass < kMaxPasses && quiet < kQuietPasses; ++pass) {
        m_activity = 0;
        m_markerSeen = false;
        // Below the priority of paint requests, so it comes after everything posted so far.
        QCoreApplication::postEvent(this, new QEvent(kMarker), Qt::LowEventPriority - 1);
        while (!m_markerSeen)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        quiet = m_activity == 0 ? quiet + 1 : 0;
    }
    QCoreApplication::instance()->removeEventFilter(this);
}

void LoopProbe::runFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        processWaiting();
}

bool LoopProbe::eventFilter(QObject *watched, QEvent *event)
{
    // Anything but this probe's own marker and ticks is work the action left.
    Q_UNUSED(event);
    if (watched != this && watched != &m_ticker)
        ++m_activity;
    return false;
}

void LoopProbe::customEvent(QEvent *event)
{
    if (event->type() == kMarker)
        m_markerSeen = true;
}
