#pragma once

#include <QEvent>
#include <QFile>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

class QPoint;
class QWidget;
class VantorMainPage;

// Makes the monkey's events; one per call of step(), over the top-most level:
// the open menu, else the open question, else the window.
//
// Questions and menus are driven like the window: the monkey acts in them
// for a few events and then closes them with Escape or one of their buttons.
// A request to close the window is always answered with Cancel. File
// questions are a modal stand-in (ModalFileQuestion) that names files in one
// folder only.
//
// The pointer moves as on a desktop: the cursor itself goes to the point
// (QCursor::setPos), so that Qt sends enter, leave and hover events by its own
// reckoning, also when a widget appears or vanishes under the resting pointer
// or a question blocks the window under it. Presses and releases go through
// the window system layer (QTEST_QPA_MOUSE_HANDLING): Qt finds the widget
// under the pointer, closes a menu clicked outside and blocks a window under
// a question.
//
// Every choice comes from the seeded generator and the state of the widgets,
// never from the clock; events are processed after each one.
// TAVO_MONKEY_TRACE=<file> writes every action to the file.
class Monkey : public QObject
{
    Q_OBJECT

public:
    Monkey(VantorMainPage *window, quint32 seed, int events, const QString &folder);
    ~Monkey() override;

    void run();

    QString failure() const { return m_failure; }
    int done() const { return m_done; }
    int questionsAsked() const { return m_questions; }
    int levelsOpened() const { return m_levelsOpened; }
    int eventsInLevels() const { return m_eventsInLevels; }

    // The answer a file question proposes; the stand-in then runs like any question.
    QString answerFileQuestion(QWidget *parent, const QString &caption, const QString &filter, bool save);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int pick(int count) { return count > 1 ? int(m_random.bounded(quint32(count))) : 0; }
    bool chance(int percent) { return pick(100) < percent; }

    void note(const QString &what);
    void fail(const QString &what);
    QWidget *top() const;

    // Every time events are processed, in whatever event loop, the monkey
    // looks for a question or menu that opened and takes it over. A posted
    // event rather than a timer: a question run from a timer's slot gets no
    // timer events in its own loop, posted events it does get.
    static constexpr QEvent::Type kWatchEvent = QEvent::Type(QEvent::User + 71);
    void watch();
    void takeOverLevel();
    void drive(QWidget *level);
    void closeLevel(QWidget *level);

    static void movePointer(QWidget *widget, const QPoint &point);
    void click(QWidget *widget, const QPoint &point);
    QWidget *pickTarget(QWidget *level, QPoint *point);

    void step(QWidget *level);
    void pointerEvent(QWidget *level, int kind);
    void keyEvent(QWidget *level, Qt::Key key, Qt::KeyboardModifiers modifiers);
    void typeEvent(QWidget *level);
    void wheelEvent(QWidget *level);

    void settle();
    void check();

    QPointer<VantorMainPage> m_window;
    QRandomGenerator m_random;
    const int m_total;
    const QString m_folder;
    int m_done = 0;
    int m_questions = 0;
    int m_levelsOpened = 0;
    int m_eventsInLevels = 0;
    QFile m_trace;
    // The questions and menus being driven, innermost last.
    QList<QPointer<QWidget>> m_levels;
    bool m_closing = false;
    // The left button is down: the next pointer event drags or lets go.
    bool m_held = false;
    bool m_running = false;
    bool m_watchPosted = false;
    QStringList m_trail;
    QString m_failure;
};
