#pragma once

#include <QString>

#include <functional>
#include <memory>

class BenchEnvironment;
class LoopProbe;
class ModalAnswerer;
class QWidget;
class VantorMainPage;
class Watchdog;

// What a user does to a large plan in the main window as main.cpp builds it:
// open it, import a group CSV over it, scroll, delete, edit, switch PAL and
// NTSC, change the calculator's inputs, clear and undo the clear. Each is
// timed from the trigger until what it caused, painting included, has been
// processed, while a 10 ms timer tells how long the window could not answer;
// questions are answered as they come.
class ActionBench
{
public:
    ActionBench(const BenchEnvironment &environment, Watchdog &watchdog);
    ~ActionBench();
    ActionBench(const ActionBench &) = delete;
    ActionBench &operator=(const ActionBench &) = delete;

    void run(int groups);

private:
    struct Outcome
    {
        bool done = false;
        double seconds = 0.0;
        double gap = 0.0;
    };

    // Runs `trigger`, then the event loop until `done` holds and the window is
    // idle; the gap also covers a short while after.
    Outcome measure(const QString &name, const std::function<void()> &trigger, const std::function<bool()> &done);
    // The figure line; `failure` is said when the state never came.
    void report(const QString &name, const Outcome &outcome, const QString &failure);
    // A user's pause between actions, long enough for the recovery copy of
    // the last change to be written; its gaps are kept for a line of their own.
    void pause();
    int rowCount() const;
    // Makes the window active and gives the list the keyboard, as a click
    // into it would; false when the platform would not.
    bool focusList(QWidget *view);

    void openPlan(int groups);
    void importCsv(int groups);
    void scroll();
    void deleteGroup();
    void editGroup();
    void switchStandard();
    void changeInputs();
    void clearAndUndo();

    const BenchEnvironment &m_environment;
    Watchdog &m_watchdog;
    std::unique_ptr<VantorMainPage> m_window;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<LoopProbe> m_probe;
    double m_pauseGap = 0.0;
};
