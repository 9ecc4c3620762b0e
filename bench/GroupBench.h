#pragma once

#include <QString>

class QAbstractButton;
class VantorMainPage;
class Watchdog;

// The main window as main.cpp builds it, filled through "+ Add" one click at a
// time as a user would, then reported through Export: the time of the adds,
// of a single add early and late, the heap per group, a recalculation after
// one change and the PDF report.
class GroupBench
{
public:
    explicit GroupBench(Watchdog &watchdog);
    void run(int groups, const QString &reportPath);

private:
    void addGroups(QAbstractButton *add, int groups);
    // One change of a calculator input, everything it recomputes before the
    // next paint: the results, what scene activity makes of them, the array.
    void recalculate(VantorMainPage *window, int groups);
    void exportReport(QAbstractButton *exportButton, int groups, const QString &reportPath);

    Watchdog &m_watchdog;
};
