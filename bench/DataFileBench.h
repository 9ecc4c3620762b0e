#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class BenchEnvironment;
class Watchdog;

// The data files far beyond their shipped sizes: the editor over a long
// Scene.csv, and Frame.xml and Setup.xml with many elements, read at two sizes
// to show whether reading grows linearly.
class DataFileBench
{
public:
    DataFileBench(const BenchEnvironment &environment, Watchdog &watchdog);
    void run();

private:
    void scenes();
    void frames();
    void settings();
    // Times `work` over the file written at 5,000 and at 20,000 elements.
    void growth(const QString &name, const QString &file, QByteArray (*content)(int), const std::function<void()> &work,
                const std::function<void()> &untimed = {});
    // Median wall time of a few calls of `work`, each followed by `untimed`.
    static double timed(const std::function<void()> &work, const std::function<void()> &untimed = {});

    const BenchEnvironment &m_environment;
    Watchdog &m_watchdog;
};
