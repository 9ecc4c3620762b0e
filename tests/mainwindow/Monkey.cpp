// Presses and releases go through the window system layer, so that Qt itself
// finds the widget under the pointer and blocks a window under a question.
#define QTEST_QPA_MOUSE_HANDLING

#include "mainwindow/Monkey.h"

#include "aptui/CoverWidget.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceListModel.h"
#include "maintenance/UpgradeTool.h"
#include "mainwindow/ModalFileQuestion.h"
#include "mainwindow/VantorMainPage.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QKeySequence>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <iterator>

namespace {

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
const char *const kBusyWidgets[] = {"m_btnAddDevice", "exportBtn", "m_btnClear", "m_btnSystemMenu"};

QString keyName(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return QKeySequence(key | modifiers).toString();
}

QString describe(const QWidget *widget)
{
    if (!widget)
        return QStringLiteral("<none>");
    const QString name = widget->objectName();
    return QString::fromLatin1(widget->metaObject()->className()) +
           (name.isEmpty() ? QString() : QLatin1Char('#') + name);
}

// A press may close the window it went to (a note that any key dismisses,
// a dialog's Escape): the release then goes nowhere, as it does for a hand.
template <typename Key>
void clickKey(QWindow *window, Key key, Qt::KeyboardModifiers modifiers)
{
    const QPointer<QWindow> target(window);
    if (!target)
        return;
    QTest::keyPress(target, key, modifiers);
    if (target)
        QTest::keyRelease(target, key, modifiers);
}

} // namespace

Monkey::Monkey(VantorMainPage *window, quint32 seed, int events, const QString &folder)
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

Monkey::~Monkey()
{
    if (m_window)
        m_window->removeEventFilter(this);
}

void Monkey::run()
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

QString Monkey::answerFileQuestion(QWidget *parent, const QString &caption, const QString &filter, bool save)
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

bool Monkey::event(QEvent *event)
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

bool Monkey::eventFilter(QObject *watched, QEvent *event)
{
    // The window is asked to close: every question until the next event on
    // the window itself is cancelled, so the run goes on.
    if (watched == m_window && event->type() == QEvent::Close) {
        m_closing = true;
        note(QStringLiteral("the window is asked to close"));
    }
    return QObject::eventFilter(watched, event);
}

void Monkey::note(const QString &what)
{
    m_trail.append(QStringLiteral("%1: %2").arg(m_done).arg(what));
    if (m_trail.size() > kTrail)
        m_trail.removeFirst();
    if (m_trace.isOpen())
        m_trace.write(m_trail.constLast().toUtf8() + '\n');
}

void Monkey::fail(const QString &what)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = QStringLiteral("after %1 events: %2\nlast actions:\n  %3")
                    .arg(m_done)
                    .arg(what, m_trail.join(QStringLiteral("\n  ")));
}

QWidget *Monkey::top() const
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return m_window;
}

void Monkey::watch()
{
    if (!m_running || m_watchPosted)
        return;
    m_watchPosted = true;
    QCoreApplication::postEvent(this, new QEvent(kWatchEvent), Qt::LowEventPriority);
}

void Monkey::takeOverLevel()
{
    QWidget *level = top();
    if (level == m_window || !level->isVisible() || m_levels.contains(level))
        return;
    drive(level);
}

// Acts in the question or menu for a few events, then closes it.
void Monkey::drive(QWidget *level)
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
void Monkey::closeLevel(QWidget *level)
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
void Monkey::movePointer(QWidget *widget, const QPoint &point)
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

void Monkey::click(QWidget *widget, const QPoint &point)
{
    movePointer(widget, point);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
}

// A visible, enabled widget of the level, with a point on its visible part.
QWidget *Monkey::pickTarget(QWidget *level, QPoint *point)
{
    QList<QWidget *> candidates;
    if (level == m_window && chance(35)) {
        // The list's rows and the buttons around it.
        if (DeviceAddPage *page = m_window->findChild<DeviceAddPage *>())
            candidates.append(page->listView()->viewport());
        for (const char *name : kBusyWidgets) {
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

void Monkey::step(QWidget *level)
{
    ++m_done;
    const int kind = pick(100);
    if (kind < 70) {
        pointerEvent(level, kind);
    } else if (kind < 86) {
        const KeyStroke &stroke = kKeys[pick(std::size(kKeys))];
        keyEvent(level, stroke.key, stroke.modifiers);
    } else if (kind < 94) {
        typeEvent(level);
    } else if (kind < 97 && level == m_window) {
        const KeyStroke &stroke = kQuestionKeys[pick(std::size(kQuestionKeys))];
        keyEvent(level, stroke.key, stroke.modifiers);
    } else {
        wheelEvent(level);
    }
    QCoreApplication::processEvents();
}

void Monkey::pointerEvent(QWidget *level, int kind)
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

void Monkey::keyEvent(QWidget *level, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    note(QStringLiteral("key %1 on %2 (focus %3)")
             .arg(keyName(key, modifiers), describe(level), describe(QApplication::focusWidget())));
    clickKey(level->windowHandle(), key, modifiers);
    // A button's shortcut clicks it a moment later (Alt+F4 the close
    // button): the moment comes before the next event.
    if (modifiers & Qt::AltModifier)
        QTest::qWait(kButtonShortcutMs);
}

void Monkey::typeEvent(QWidget *level)
{
    const char c = kTyped[pick(int(std::size(kTyped)) - 1)];
    note(QStringLiteral("type '%1' on %2 (focus %3)")
             .arg(QLatin1Char(c))
             .arg(describe(level), describe(QApplication::focusWidget())));
    clickKey(level->windowHandle(), c, Qt::NoModifier);
}

void Monkey::wheelEvent(QWidget *level)
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
void Monkey::settle()
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

void Monkey::check()
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
