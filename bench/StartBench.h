#pragma once

#include <QString>

class Watchdog;

// Starts the program (tavo_bench_start: its own main.cpp and libraries), a
// bare Qt main window (tavo_bench_bare) and a styled text window
// (tavo_bench_styled) in turn, each in a fresh temporary folder, until the
// first window is painted and idle; compares the median wall time and peak
// memory of the program with both windows. The bare one is what Qt costs at
// the least; the styled one adds what any program drawing text under a style
// sheet pays, so the program's own share shows against it.
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
    struct Medians
    {
        double seconds = 0.0;
        double peakKb = 0.0;
    };
    Sample startOnce(const QString &program) const;
    // One line for the time and one for the memory of `measured` against `reference`.
    static void compare(const QString &timeName, const QString &memoryName, const Medians &measured,
                        const QString &referenceName, const Medians &reference, double timeGoal, double memoryGoal);
    // The same comparison, as information without a goal.
    static void note(const QString &timeName, const QString &memoryName, const Medians &measured,
                     const QString &referenceName, const Medians &reference);

    QString m_runtimeDir;
    Watchdog &m_watchdog;
};
