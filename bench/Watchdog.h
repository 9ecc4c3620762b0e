#pragma once

#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// Ends the process with an "over N s" line when a measurement runs past the
// limit. A thread of its own: the measured call may block the GUI thread.
class Watchdog
{
public:
    explicit Watchdog(int seconds);
    ~Watchdog();
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

    int seconds() const { return m_seconds; }

    // Starts the clock for one measurement, named as its figure line.
    void arm(const QString &name, const QString &goal);
    void disarm();

private:
    void watch();

    const int m_seconds;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::chrono::steady_clock::time_point m_deadline;
    QString m_name;
    QString m_goal;
    bool m_armed = false;
    bool m_stop = false;
    std::thread m_thread;
};
