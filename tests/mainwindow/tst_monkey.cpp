// A monkey on the real window: thousands of random but valid input events
// (pointer moves, presses, releases, clicks, wheel turns and keys) over the
// visible, enabled widgets of the main window as the program's main builds it,
// and of whatever menu or question opens over it, checking after every batch
// that the window is still whole.
//
// The run is chosen by a seed, printed at the start. TAVO_MONKEY_SEED=<n>
// replays a run exactly, TAVO_MONKEY_EVENTS=<n> sets how many events it makes
// and TAVO_MONKEY_TRACE=<file> writes every action to the file.
// Every choice comes from the seeded generator and the state of the widgets,
// never from the clock; events are processed after each one.
//
// Questions and menus are driven like the window: the monkey acts in them
// for a few events and then closes them with Escape or one of their buttons.
// A request to close the window is always answered with Cancel. File
// questions are a modal stand-in (ModalFileQuestion) that names files in a
// temporary folder only; nothing the program asks the desktop to open is
// launched.
//
// The pointer moves as on a desktop: the cursor itself goes to the point
// (QCursor::setPos), so that Qt sends enter, leave and hover events by its own
// reckoning, also when a widget appears or vanishes under the resting pointer
// or a question blocks the window under it. Presses and releases go through
// the window system layer (QTEST_QPA_MOUSE_HANDLING): Qt finds the widget
// under the pointer, closes a menu clicked outside and blocks a window under
// a question.
#define QTEST_QPA_MOUSE_HANDLING

#include "aptui/CoverWidget.h"
#include "aptui/FileChooser.h"
#include "calc/CapacityCalculation.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceEditor.h"
#include "device/DeviceListModel.h"
#include "device/tst_editor_fixture.h"
#include "maintenance/UpgradeTool.h"
#include "mainwindow/ModalFileQuestion.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/VantorMainPage.h"
#include "model/ModelMetaTypes.h"
#include "model/PlanDocument.h"
#include "support/DesktopOpenRecorder.h"
#include "support/SkinStyle.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCursor>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <iterator>
#include <memory>

namespace {

constexpr int kDefaultEvents = 3000;
// Invariants are checked after this many events.
constexpr int kBatch = 25;
// The last actions, shown when a check fails.
constexpr int kTrail = 30;
// A button clicked through its shortcut goes down for 100 ms first.
constexpr int kButtonShortcutMs = 200;

struct KeyStroke
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// Keys for the widget with the focus.
const KeyStroke kKeys[] = {
    {Qt::Key_Tab, Qt::NoModifier},
    {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_Up, Qt::NoModifier},
    {Qt::Key_Down, Qt::NoModifier},
    {Qt::Key_Left, Qt::NoModifier},
    {Qt::Key_Right, Qt::NoModifier},
    {Qt::Key_Home, Qt::NoModifier},
    {Qt::Key_End, Qt::NoModifier},
    {Qt::Key_PageUp, Qt::NoModifier},
    {Qt::Key_PageDown, Qt::NoModifier},
    {Qt::Key_Delete, Qt::NoModifier},
    {Qt::Key_Backspace, Qt::NoModifier},
    {Qt::Key_Return, Qt::NoModifier},
    {Qt::Key_Enter, Qt::KeypadModifier},
    {Qt::Key_Escape, Qt::NoModifier},
    {Qt::Key_Space, Qt::NoModifier},
    {Qt::Key_F2, Qt::NoModifier},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_Y, Qt::ControlModifier},
    {Qt::Key_D, Qt::ControlModifier},
    {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_Menu, Qt::NoModifier},
    {Qt::Key_F10, Qt::ShiftModifier},
};

// Shortcuts that open questions, and the window's own close.
const KeyStroke kQuestionKeys[] = {
    {Qt::Key_O, Qt::ControlModifier},
    {Qt::Key_S, Qt::ControlModifier},
    {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_N, Qt::ControlModifier},
    {Qt::Key_F10, Qt::NoModifier},
    {Qt::Key_Space, Qt::AltModifier},
    {Qt::Key_F4, Qt::AltModifier},
};

// What is typed into fields.
const char kTyped[] = "0123456789071x.-, ";

// Widgets of the main window the monkey visits more often than the rest.
const char *const kBusyParts[] = {"m_btnAddDevice", "exportBtn", "m_btnClear", "m_btnSystemMenu"};

QString keyName(const KeyStroke &k)
{
    return QKeySequence(k.key | k.modifiers).toString();
}

QString describe(const QWidget *widget)
{
    if (!widget)
        return QStringLiteral("<none>");
    const QString name = widget->objectName();
    return QString::fromLatin1(widget->metaObject()->className()) +
           (name.isEmpty() ? QString() : QLatin1Char('#') + name);
}

// The plan the run starts from: groups of both kinds and several sizes.
QVector<StructDeviceItem> startGroups()
{
    QVector<StructDeviceItem> groups(6);
    for (int i = 0; i < groups.size(); ++i) {
        groups[i].strChannelName = QStringLiteral("Site %1(%2)").arg(QChar(u'A' + i)).arg(i + 1);
        groups[i].strDeviceType = i % 3 == 2 ? QStringLiteral("DVR") : QStringLiteral("IPC");
        groups[i].iChannelGroupNumber = i + 1;
        groups[i].iChannelCount = 1 + 3 * i;
        groups[i].dBitrate = 1024 * (1 + i % 4);
        groups[i].iViewMode = 3;
    }
    return groups;
}

// The offscreen platform says so for every menu and question raised: the
// thousands of lines would hide the run's own.
QtMessageHandler s_messages = nullptr;
void dropPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        s_messages(type, context, message);
}

} // namespace

// Makes the events; one per call of step(), over the top-most level: the
// open menu, else the open question, else the window.
class Monkey : public QObject
{
    Q_OBJECT

public:
    Monkey(VantorMainPage *window, quint32 seed, int events, const QString &folder)
        : m_window(window), m_random(seed), m_total(events), m_folder(folder)
    {
        m_window->installEventFilter(this);
        const QString trace = qEnvironmentVariable("TAVO_MONKEY_TRACE");
        if (!trace.isEmpty()) {
            m_trace.setFileName(trace);
            if (!m_trace.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
                qWarning("Cannot write the trace %s", qPrintable(trace));
        }
    }

    ~Monkey() override
    {
        if (m_window)
            m_window->removeEventFilter(this);
    }

    void run()
    {
        m_running = true;
        watch();
        int idle = 0;
        while (m_done < m_total && m_failure.isEmpty()) {
            QWidget *level = top();
            if (level != m_window) {
                const int before = m_done;
                takeOverLevel();
                QCoreApplication::processEvents();
                idle = m_done == before ? idle + 1 : 0;
                if (idle > 100)
                    fail(QStringLiteral("%1 is open and cannot be driven").arg(describe(top())));
            } else {
                // What a user does anyway before going on: the window back from the
                // taskbar and in front.
                m_closing = false;
                if (m_window->isMinimized())
                    m_window->showNormal();
                if (!m_window->isActiveWindow())
                    m_window->activateWindow();
                step(m_window);
                settle();
            }
            if (m_done % kBatch == 0 || m_done >= m_total)
                check();
        }
        // Whatever is still open is closed, the pointer let go.
        for (int guard = 0; top() != m_window && guard < 20; ++guard)
            closeLevel(top());
        if (m_held) {
            QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            m_held = false;
        }
        m_running = false;
        QCoreApplication::processEvents();
        if (m_failure.isEmpty())
            check();
    }

    QString failure() const { return m_failure; }
    int done() const { return m_done; }
    int questionsAsked() const { return m_questions; }
    int levelsOpened() const { return m_levelsOpened; }
    int eventsInLevels() const { return m_eventsInLevels; }

    // The answer a file question proposes; the stand-in then runs like any question.
    QString answerFileQuestion(QWidget *parent, const QString &caption, const QString &filter, bool save)
    {
        ++m_questions;
        QString suffix = QStringLiteral(".tavoplan");
        if (filter.contains(QLatin1String("pdf")))
            suffix = QStringLiteral(".pdf");
        else if (filter.contains(QLatin1String("csv")))
            suffix = QStringLiteral(".csv");
        static const char *const saveNames[] = {"plan-a", "plan-b", "report", "groups", "template"};
        static const char *const openNames[] = {"start.tavoplan", "plan-a.tavoplan", "groups.csv",
                                                "template.csv",   "report.pdf",      "missing.tavoplan"};
        const QString proposal = save ? QLatin1String(saveNames[pick(std::size(saveNames))]) + suffix
                                      : QString::fromLatin1(openNames[pick(std::size(openNames))]);
        note(QStringLiteral("file question \"%1\" proposes %2").arg(caption, proposal));
        return ModalFileQuestion::ask(parent, caption, proposal, m_folder);
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != kWatchEvent)
            return QObject::event(event);
        // The next look is due first: this one may run questions for long.
        m_watchPosted = false;
        if (m_running) {
            watch();
            takeOverLevel();
        }
        return true;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The window is asked to close: every question until the next event on
        // the window itself is cancelled, so the run goes on.
        if (watched == m_window && event->type() == QEvent::Close) {
            m_closing = true;
            note(QStringLiteral("the window is asked to close"));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int pick(int count) { return count > 1 ? int(m_random.bounded(quint32(count))) : 0; }
    bool chance(int percent) { return pick(100) < percent; }

    void note(const QString &what)
    {
        m_trail.append(QStringLiteral("%1: %2").arg(m_done).arg(what));
        if (m_trail.size() > kTrail)
            m_trail.removeFirst();
        if (m_trace.isOpen())
            m_trace.write(m_trail.constLast().toUtf8() + '\n');
    }

    void fail(const QString &what)
    {
        if (!m_failure.isEmpty())
            return;
        m_failure = QStringLiteral("after %1 events: %2\nlast actions:\n  %3")
                        .arg(m_done)
                        .arg(what, m_trail.join(QStringLiteral("\n  ")));
    }

    QWidget *top() const
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup;
        if (QWidget *modal = QApplication::activeModalWidget())
            return modal;
        return m_window;
    }

    // Every time events are processed, in whatever event loop, the monkey
    // looks for a question or menu that opened and takes it over. A posted
    // event rather than a timer: a question run from a timer's slot gets no
    // timer events in its own loop, posted events it does get.
    static constexpr QEvent::Type kWatchEvent = QEvent::Type(QEvent::User + 71);
    void watch()
    {
        if (!m_running || m_watchPosted)
            return;
        m_watchPosted = true;
        QCoreApplication::postEvent(this, new QEvent(kWatchEvent), Qt::LowEventPriority);
    }

    void takeOverLevel()
    {
        QWidget *level = top();
        if (level == m_window || !level->isVisible() || m_levels.contains(level))
            return;
        drive(level);
    }

    // Acts in the question or menu for a few events, then closes it.
    void drive(QWidget *level)
    {
        QPointer<QWidget> guard(level);
        m_levels.append(level);
        ++m_levelsOpened;
        note(QStringLiteral("%1 \"%2\" opens").arg(describe(level), level->windowTitle()));
        const int budget = 1 + pick(10);
        int steps = 0;
        for (int tries = 0; guard && guard->isVisible() && tries < 200; ++tries) {
            QWidget *now = top();
            if (now != level) {
                // Something opened over it that nobody took over.
                if (now != m_window && !m_levels.contains(now))
                    drive(now);
                else
                    QCoreApplication::processEvents();
                continue;
            }
            if (m_closing || steps >= budget || m_done >= m_total || !m_failure.isEmpty()) {
                closeLevel(level);
                continue;
            }
            step(level);
            ++steps;
            ++m_eventsInLevels;
            if (m_done % kBatch == 0)
                check();
        }
        if (guard && guard->isVisible()) {
            fail(QStringLiteral("%1 does not close").arg(describe(guard)));
            if (auto *dialog = qobject_cast<QDialog *>(guard.data()))
                dialog->reject();
            else
                guard->close();
        }
        m_levels.removeIf([level](const QPointer<QWidget> &open) { return !open || open == level; });
    }

    // Closes a question (cancelled while the window is asked to close) or menu.
    void closeLevel(QWidget *level)
    {
        QPointer<QWidget> guard(level);
        if (m_closing) {
            if (auto *cancel = level->findChild<QAbstractButton *>(QStringLiteral("btnCancel"));
                cancel && cancel->isVisible()) {
                note(QStringLiteral("Cancel on %1").arg(describe(level)));
                click(cancel, cancel->rect().center());
            }
        } else if (chance(50)) {
            note(QStringLiteral("Escape on %1").arg(describe(level)));
            QTest::keyClick(level->windowHandle(), Qt::Key_Escape);
        } else {
            QList<QAbstractButton *> buttons;
            for (QAbstractButton *button : level->findChildren<QAbstractButton *>()) {
                if (button->isVisible() && button->isEnabled() && button->window() == level)
                    buttons.append(button);
            }
            if (!buttons.isEmpty()) {
                QAbstractButton *button = buttons.at(pick(buttons.size()));
                note(QStringLiteral("answer %1 on %2").arg(describe(button), describe(level)));
                click(button, button->rect().center());
            }
        }
        QCoreApplication::processEvents();
        if (!guard || !guard->isVisible() || top() != guard)
            return;
        // A question that neither Escape nor its buttons end is cancelled outright.
        if (auto *dialog = qobject_cast<QDialog *>(guard.data()); dialog && (m_closing || chance(30))) {
            note(QStringLiteral("reject %1").arg(describe(dialog)));
            dialog->reject();
        } else if (!qobject_cast<QDialog *>(guard.data()) && chance(30)) {
            note(QStringLiteral("close %1").arg(describe(guard)));
            guard->close();
        }
        QCoreApplication::processEvents();
    }

    // The cursor goes to the point. The offscreen platform hands a cursor move
    // to the first window under it rather than the top-most one, so a question
    // or menu over the window also gets the move through its own window.
    static void movePointer(QWidget *widget, const QPoint &point)
    {
        const QPoint global = widget->mapToGlobal(point);
        QCursor::setPos(global);
        QCoreApplication::processEvents();
        QWindow *own = widget->window()->windowHandle();
        if (!own || QGuiApplication::platformName() != QLatin1String("offscreen"))
            return;
        QWindow *first = nullptr;
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (window->type() != Qt::Desktop && window->isExposed() && window->geometry().contains(global)) {
                first = window;
                break;
            }
        }
        if (first != own)
            QTest::mouseMove(widget, point);
    }

    void click(QWidget *widget, const QPoint &point)
    {
        movePointer(widget, point);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
    }

    // A visible, enabled widget of the level, with a point on its visible part.
    QWidget *pickTarget(QWidget *level, QPoint *point)
    {
        QList<QWidget *> candidates;
        if (level == m_window && chance(35)) {
            // The list's rows and the buttons around it.
            if (DeviceAddPage *page = m_window->findChild<DeviceAddPage *>())
                candidates.append(page->listView()->viewport());
            for (const char *name : kBusyParts) {
                if (auto *part = m_window->findChild<QWidget *>(QLatin1String(name)))
                    candidates.append(part);
            }
        }
        if (candidates.isEmpty() || chance(20)) {
            candidates = level->findChildren<QWidget *>();
            candidates.prepend(level);
        }
        for (int tries = 0; tries < 20 && !candidates.isEmpty(); ++tries) {
            const int index = pick(candidates.size());
            QWidget *widget = candidates.at(index);
            if (!widget->isVisible() || !widget->isEnabled() || widget->window() != level) {
                candidates.removeAt(index);
                continue;
            }
            // The part not covered by siblings nor cut off by the level's edges.
            QRegion visible = widget->visibleRegion();
            visible &= QRect(widget->mapFrom(level, QPoint(0, 0)), level->size());
            if (visible.isEmpty()) {
                candidates.removeAt(index);
                continue;
            }
            QList<QRect> rects(visible.begin(), visible.end());
            const QRect rect = rects.at(pick(rects.size()));
            *point = QPoint(rect.left() + pick(rect.width()), rect.top() + pick(rect.height()));
            return widget;
        }
        return nullptr;
    }

    void step(QWidget *level)
    {
        ++m_done;
        const int kind = pick(100);
        if (kind < 70)
            pointerEvent(level, kind);
        else if (kind < 86)
            keyEvent(level, kKeys[pick(std::size(kKeys))]);
        else if (kind < 94)
            typeEvent(level);
        else if (kind < 97 && level == m_window)
            keyEvent(level, kQuestionKeys[pick(std::size(kQuestionKeys))]);
        else
            wheelEvent(level);
        QCoreApplication::processEvents();
    }

    void pointerEvent(QWidget *level, int kind)
    {
        QPoint point;
        QWidget *target = pickTarget(level, &point);
        if (!target)
            return;
        const QString where = QStringLiteral("%1 at %2,%3").arg(describe(target)).arg(point.x()).arg(point.y());
        if (m_held) {
            // A drag goes on or ends.
            if (kind < 35) {
                note(QStringLiteral("drag to ") + where);
                movePointer(target, point);
            } else {
                note(QStringLiteral("release over ") + where);
                movePointer(target, point);
                m_held = false;
                QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, point);
            }
            return;
        }
        movePointer(target, point);
        if (kind < 25) {
            note(QStringLiteral("move to ") + where);
            return;
        }
        if (kind < 52) {
            note(QStringLiteral("click ") + where);
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, point);
        } else if (kind < 58) {
            note(QStringLiteral("press ") + where);
            m_held = true;
            QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, point);
        } else if (kind < 63) {
            note(QStringLiteral("double click ") + where);
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, point);
        } else {
            note(QStringLiteral("right click ") + where);
            QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, point);
        }
    }

    void keyEvent(QWidget *level, const KeyStroke &stroke)
    {
        note(QStringLiteral("key %1 on %2 (focus %3)")
                 .arg(keyName(stroke), describe(level), describe(QApplication::focusWidget())));
        clickKey(level->windowHandle(), stroke.key, stroke.modifiers);
        // A button's shortcut clicks it a moment later (Alt+F4 the close
        // button): the moment comes before the next event.
        if (stroke.modifiers & Qt::AltModifier)
            QTest::qWait(kButtonShortcutMs);
    }

    void typeEvent(QWidget *level)
    {
        const char c = kTyped[pick(int(std::size(kTyped)) - 1)];
        note(QStringLiteral("type '%1' on %2 (focus %3)")
                 .arg(QLatin1Char(c))
                 .arg(describe(level), describe(QApplication::focusWidget())));
        clickKey(level->windowHandle(), c, Qt::NoModifier);
    }

    // A press may close the window it went to (a note that any key dismisses,
    // a dialog's Escape): the release then goes nowhere, as it does for a hand.
    template <typename Key>
    static void clickKey(QWindow *window, Key key, Qt::KeyboardModifiers modifiers)
    {
        const QPointer<QWindow> target(window);
        if (!target)
            return;
        QTest::keyPress(target, key, modifiers);
        if (target)
            QTest::keyRelease(target, key, modifiers);
    }

    void wheelEvent(QWidget *level)
    {
        QPoint point;
        QWidget *target = pickTarget(level, &point);
        if (!target)
            return;
        const QPoint inLevel = target->mapTo(level, point);
        QWidget *receiver = level->childAt(inLevel);
        if (!receiver)
            receiver = level;
        const QPoint local = receiver->mapFrom(level, inLevel);
        const int steps = pick(7) - 3;
        const Qt::KeyboardModifiers modifiers = chance(15) ? Qt::ControlModifier : Qt::NoModifier;
        note(QStringLiteral("wheel %1 over %2").arg(steps).arg(describe(receiver)));
        movePointer(receiver, local);
        QWheelEvent wheel(QPointF(local), QPointF(receiver->mapToGlobal(local)), QPoint(), QPoint(0, 120 * steps),
                          m_held ? Qt::LeftButton : Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(receiver, &wheel);
    }

    // Work on other threads is waited for, so that what it shows when done (the
    // report's hint, the outcome of an update check) comes at the same point of
    // every replay.
    void settle()
    {
        DeviceAddPage *page = m_window->findChild<DeviceAddPage *>();
        if (page && page->isExporting()) {
            if (!QTest::qWaitFor([page] { return !page->isExporting(); }, 60000))
                fail(QStringLiteral("the report is still being written after a minute"));
        }
        if (UpgradeTool *tool = m_window->upgradeTool(); tool && tool->isChecking()) {
            if (!QTest::qWaitFor([tool] { return !tool->isChecking(); }, 30000))
                fail(QStringLiteral("the update check is still running after half a minute"));
        }
    }

    void check()
    {
        if (!m_window || !m_window->isVisible()) {
            fail(QStringLiteral("the window is gone"));
            return;
        }
        auto *page = m_window->findChild<DeviceAddPage *>();
        if (!page || !page->listView() || !page->model()) {
            fail(QStringLiteral("the device list is gone"));
            return;
        }
        const int rows = page->model()->rowCount();
        const int groups = page->getDeviceData().size();
        if (rows != groups)
            fail(QStringLiteral("the list shows %1 rows for %2 groups").arg(rows).arg(groups));
        if (!m_window->windowTitle().endsWith(QStringLiteral("TAVO storage calculator")))
            fail(QStringLiteral("the title reads \"%1\"").arg(m_window->windowTitle()));
        if (top() == m_window && m_levels.isEmpty()) {
            // At rest: nothing left covered.
            QCoreApplication::processEvents();
            if (top() == m_window && (m_window->isCovered() || m_window->cover()->isVisible()))
                fail(QStringLiteral("the window stays covered with no question open"));
        }
    }

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

class TestMonkey : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EditorDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<DesktopOpenRecorder> m_desktop;
    Monkey *m_monkey = nullptr;

private slots:
    void initTestCase()
    {
        // The table reader traces every header it reads.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        s_messages = qInstallMessageHandler(dropPlatformNotes);
        // The window as the program shows it, with its style sheets.
        QVERIFY(SkinStyle::apply());
        // Nothing is launched: reports, folders, licences, download pages.
        m_desktop = std::make_unique<DesktopOpenRecorder>(
            QStringList{QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https")});
        const auto ask = [this](bool save) {
            return [this, save](QWidget *parent, const QString &caption, const QString &, const QString &filter) {
                if (!m_monkey)
                    return QString();
                return m_monkey->answerFileQuestion(parent, caption, filter, save);
            };
        };
        aptui::FileChooser::setSaveFunction(ask(true));
        aptui::FileChooser::setOpenFunction(ask(false));
    }

    void cleanupTestCase()
    {
        aptui::FileChooser::setSaveFunction(nullptr);
        aptui::FileChooser::setOpenFunction(nullptr);
        m_desktop.reset();
        qInstallMessageHandler(s_messages);
    }

    void randomEventsLeaveTheWindowWhole()
    {
        bool ok = false;
        quint32 seed = qEnvironmentVariable("TAVO_MONKEY_SEED").toUInt(&ok);
        if (!ok)
            seed = QRandomGenerator::global()->generate();
        int events = qEnvironmentVariableIntValue("TAVO_MONKEY_EVENTS", &ok);
        if (!ok || events <= 0)
            events = kDefaultEvents;
        qInfo("Monkey seed %u, %d events (replay with TAVO_MONKEY_SEED=%u)", seed, events, seed);

        m_data = std::make_unique<EditorDataDir>();
        QVERIFY(m_data->isReady());
        m_files = std::make_unique<QTemporaryDir>();
        QVERIFY(m_files->isValid());
        PlanDocument plan;
        plan.setGroups(startGroups());
        const QString start = m_files->filePath(QStringLiteral("start.tavoplan"));
        QVERIFY(plan.save(start));

        // The pointer rests beside the window; as the program's main builds it.
        QCursor::setPos(5, 5);
        auto *window = new VantorMainPage;
        window->connectSignals();
        window->setGeometry(40, 40, 1024, 768);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QSignalSpy opened(window->planSession(), &PlanSession::openFinished);
        window->planSession()->openFile(start);
        QVERIFY(opened.wait() && opened.first().first().toBool());
        QCOMPARE(window->findChild<DeviceAddPage *>()->model()->rowCount(), 6);

        QString failure;
        {
            Monkey monkey(window, seed, events, m_files->path());
            m_monkey = &monkey;
            monkey.run();
            m_monkey = nullptr;
            failure = monkey.failure();
            qInfo("Monkey made %d events, %d of them in the %d questions and menus that opened (%d file questions); "
                  "%d desktop opens recorded; the plan ends with %d groups",
                  monkey.done(), monkey.eventsInLevels(), monkey.levelsOpened(), monkey.questionsAsked(),
                  int(m_desktop->urls().size()), int(window->findChild<DeviceAddPage *>()->model()->rowCount()));
        }
        // Deleted without further questions, as the program ends.
        delete window;
        m_data.reset();
        m_files.reset();
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1 %2").arg(seed).arg(failure)));
    }
};

int main(int argc, char **argv)
{
    // Offscreen, one screen larger than the window, as on a desktop.
    QTemporaryDir screens;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.isValid()) {
        QFile config(screens.filePath(QStringLiteral("screens.json")));
        if (config.open(QIODevice::WriteOnly)) {
            config.write(R"({"screens": [{"name": "monkey", "x": 0, "y": 0, "width": 1280, "height": 1024,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            config.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
        }
    }
    QApplication app(argc, argv);
    registerModelMetaTypes();
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_monkey.moc"
