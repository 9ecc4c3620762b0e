#include "Watchdog.h"

#include "BenchReport.h"

#include <cstdlib>

Watchdog::Watchdog(int seconds) : m_seconds(seconds), m_thread(&Watchdog::watch, this) {}

Watchdog::~Watchdog()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void Watchdog::arm(const QString &name, const QString &goal)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_name = name;
        m_goal = goal;
        m_deadline = std::chrono::steady_clock::now() + std::chrono::seconds(m_seconds);
        m_armed = true;
    }
    m_wake.notify_all();
}

void Watchdog::disarm()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_armed = false;
}

void Watchdog::watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        if (!m_armed) {
            m_wake.wait(lock);
            continue;
        }
        m_wake.wait_until(lock, m_deadline);
        if (m_armed && std::chrono::steady_clock::now() >= m_deadline) {
            BenchReport::missing(m_name, QStringLiteral("over %1 s").arg(m_seconds), m_goal);
            // The measured call cannot be interrupted; the next measurement runs in a new process.
            std::_Exit(3);
        }
    }
}
