#pragma once

#include <QString>

class Watchdog;

// Starts the program (tavo_bench_start: its own main.cpp and libraries) and a
// bare Qt main window (tavo_bench_bare) in turn, each in a fresh temporary
// folder, until the first window is painted and idle; compares the median wall
// time and peak memory.
class StartBench
{
public:
    StartBench(const QString &runtimeDir, Watchdog &watchdog);
    void run(int runs);

private:
    struct Sample
    {
        bool ok = false;
        double seconds = 0.0;
        double peakKb = 0.0;
        QString error;
    };
    Sample startOnce(const QString &program) const;

    QString m_runtimeDir;
    Watchdog &m_watchdog;
};
